#pragma once

#include "toolkit/core/OrvixApi.h"

// A formatted trace kept for callers of the library; it writes nothing.
ORVIXUI_API void M_Trace(const wchar_t* format, ...);
