#pragma once

// The calculations of VorvanCalc, free of any user interface: standard C++ only,
// so that every formula is built and tested without a window. The windows in
// ui/ read their controls, call these functions and write the texts they return.
// Errors are thrown as RuntimeError values (calc/runtime.h) and caught by the
// window procedure that the program traps, never further out.

#include "calc/centring.h"
#include "calc/numbers.h"
#include "calc/pindesign.h"
#include "calc/runtime.h"
#include "calc/sigloss.h"
#include "calc/weights.h"
#include "calc/wrap.h"
#include "calc/xysim.h"
