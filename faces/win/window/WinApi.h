#pragma once
// <windows.h> for the face, less its FindWindow macro: the runtime has a function of that name.
#include <windows.h>
#include <commctrl.h>
#undef FindWindow
