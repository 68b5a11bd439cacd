// <windows.h> for the program's Win32 code. Include this instead of <windows.h>: it takes
// back the macros that would rename methods of the portable interfaces.
#pragma once

#include <windows.h>

#undef ReplaceFile  // PlatformServices::ReplaceFile, not ReplaceFileA
