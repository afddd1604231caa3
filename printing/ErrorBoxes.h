#pragma once
// The boxes with which printing reports what went wrong.
#include <windows.h>

// The string-table text id under "NFS Server Error" with the stop icon; a null
// owner means the console's main window. Returns id.
UINT ShowServerError(HWND owner, UINT id);
// A numbered internal error under "NFS Server Internal Error"; returns -1.
int ShowInternalError(int code);
