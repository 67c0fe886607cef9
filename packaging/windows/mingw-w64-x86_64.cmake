# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix threads
# variant, which C++ threads and Qt need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_STRIP /usr/bin/${triple}-strip CACHE FILEPATH "")

# Headers, libraries and packages come from the target's tree (and from a Qt
# built for it, named by CMAKE_PREFIX_PATH); programs run at build time come
# from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${triple})
if(CMAKE_PREFIX_PATH)
  list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
