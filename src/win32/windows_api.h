// The Windows SDK for the program's Win32 and COM code: every file includes this instead of
// <windows.h> or another SDK header. It takes back the macros that would rename methods of
// the portable interfaces.
#pragma once

#include <windows.h>

#include <ole2.h>
#include <oleauto.h>
#include <olectl.h>
#include <psapi.h>
#include <shellapi.h>
#include <tlhelp32.h>

#undef ReplaceFile  // PlatformServices::ReplaceFile, not ReplaceFileA
