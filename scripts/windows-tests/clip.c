// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the text on the clipboard, in UTF-8.
#include <windows.h>
#include <stdio.h>
int main(void) {
    static char out[1 << 20];
    if (!OpenClipboard(NULL))
        return 1;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const wchar_t *text = data ? GlobalLock(data) : NULL;
    if (text) {
        WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, NULL, NULL);
        GlobalUnlock(data);
    }
    CloseClipboard();
    fputs(out, stdout);
    return 0;
}
