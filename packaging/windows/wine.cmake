# The tests of a Windows build run under Wine, through wine-run, with Qt's
# libraries and the compiler's run-time found where they were built.
find_program(WINE wine REQUIRED)
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT qt_core)
  get_target_property(qt_core Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(qt_bin ${qt_core} DIRECTORY)
set(runtime_dirs ${qt_bin})
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(dir ${path} DIRECTORY)
  list(APPEND runtime_dirs ${dir})
endforeach()
list(JOIN runtime_dirs ":" runtime_dirs)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${runtime_dirs})
