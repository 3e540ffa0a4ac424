// SPDX-License-Identifier: GPL-3.0-or-later
// Reads what Windows shows: every visible window's texts (probe texts) and a file's version
// resource (probe version FILE); and runs a command line as it is written, ending with its
// exit code (probe run COMMAND-LINE).
#include <windows.h>
#include <stdio.h>
#include <wchar.h>
static void put(const wchar_t *text) {
    static char out[1 << 16];
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, NULL, NULL);
    printf("%s\n", out);
}
static BOOL CALLBACK child(HWND window, LPARAM unused) {
    wchar_t text[4096] = L"";
    DWORD_PTR got;
    (void)unused;
    if (SendMessageTimeoutW(window, WM_GETTEXT, 4096, (LPARAM)text, SMTO_ABORTIFHUNG, 2000, &got) && *text)
        put(text);
    return TRUE;
}
static BOOL CALLBACK top(HWND window, LPARAM unused) {
    if (IsWindowVisible(window)) {
        child(window, unused);
        EnumChildWindows(window, child, 0);
    }
    return TRUE;
}
int wmain(int argc, wchar_t **argv) {
    static const wchar_t *keys[] = {L"ProductName", L"ProductVersion", L"CompanyName",
                                    L"FileDescription", L"FileVersion", L"LegalCopyright"};
    static BYTE data[1 << 16];
    WORD *lang;
    UINT size;
    if (argc == 2 && !wcscmp(argv[1], L"texts"))
        return !EnumWindows(top, 0);
    if (argc == 3 && !wcscmp(argv[1], L"run")) {
        STARTUPINFOW start = {sizeof start};
        PROCESS_INFORMATION run;
        DWORD code = 1;
        if (!CreateProcessW(NULL, argv[2], NULL, NULL, FALSE, 0, NULL, NULL, &start, &run))
            return 1;
        WaitForSingleObject(run.hProcess, INFINITE);
        GetExitCodeProcess(run.hProcess, &code);
        return (int)code;
    }
    if (argc != 3 || !(size = GetFileVersionInfoSizeW(argv[2], NULL)) || size > sizeof data ||
        !GetFileVersionInfoW(argv[2], 0, size, data) ||
        !VerQueryValueW(data, L"\\VarFileInfo\\Translation", (void **)&lang, &size) || size < 4)
        return 1;
    for (unsigned i = 0; i < sizeof keys / sizeof *keys; i++) {
        wchar_t path[96], line[512], *value = L"";
        swprintf(path, 96, L"\\StringFileInfo\\%04x%04x\\%ls", lang[0], lang[1], keys[i]);
        VerQueryValueW(data, path, (void **)&value, &size);
        swprintf(line, 512, L"%ls=%ls", keys[i], value);
        put(line);
    }
    return 0;
}
