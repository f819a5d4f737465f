#include "toolkit/core/Trace.h"

void M_Trace(const wchar_t*, ...) {}
