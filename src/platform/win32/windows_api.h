#pragma once

// <windows.h> with as few of its macros as the backend can do with. Include it after every header
// of ours: it defines IDOK, MB_OK, GetProfileString, MessageBox and more as macros, which would
// rewrite our own declarations of those names.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
