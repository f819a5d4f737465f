#pragma once

// GDI+ needs the OLE property types that WIN32_LEAN_AND_MEAN leaves out of <windows.h>.
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>
