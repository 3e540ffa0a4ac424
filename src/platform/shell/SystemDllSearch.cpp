// SPDX-License-Identifier: GPL-3.0-or-later
// Part of lentaro.exe on Windows only. The DLLs it uses beyond Windows' Known DLLs are
// delay-loaded (cmake/delay-load.cmake); here the search for them is limited to System32,
// so that a DLL of the same name lying beside the program, as in a Downloads folder, is
// never loaded. It is a constructor of the highest priority rather than a call from main()
// because Qt's own static initializers run before main() and must find the order set.
#include <windows.h>

namespace {

__attribute__((constructor(101))) void searchSystemFolderOnly() {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace
