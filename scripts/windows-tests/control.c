// SPDX-License-Identifier: GPL-3.0-or-later
// Imports version.dll the ordinary way: a planted version.dll beside it is loaded, which
// proves that the plant works at all.
#include <windows.h>
int main(void) {
    DWORD handle;
    return GetFileVersionInfoSizeA("C:\\windows\\system32\\kernel32.dll", &handle) ? 0 : 1;
}
