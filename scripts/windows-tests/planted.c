// SPDX-License-Identifier: GPL-3.0-or-later
// A DLL whose only deed is to leave a marker file when it is loaded: planted beside the
// program under the names of the DLLs it loads late, it must never run.
#include <windows.h>
BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID reserved) {
    (void)dll;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        HANDLE f = CreateFileA("C:\\planted-dll-ran", GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (f != INVALID_HANDLE_VALUE)
            CloseHandle(f);
    }
    return TRUE;
}
