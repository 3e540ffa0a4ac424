// SPDX-License-Identifier: GPL-3.0-or-later
// Part of lentaro.exe on Windows only. While a Lentaro runs, its file cannot be replaced
// or deleted, so the installer and the uninstaller must not start on it: they look for
// this named mutex (dist/windows/lentaro.nsi names it too) and ask the user to close
// Lentaro first. It is made before main() and never closed, so it lasts exactly as long as
// the process holds its file, teardown included; Windows closes it when the process ends,
// however it ends. In the Global namespace, so that a Lentaro in another user's session
// counts too.
#include <windows.h>

namespace {

__attribute__((constructor(102))) void markRunning() {
    CreateMutexW(nullptr, FALSE, L"Global\\org.example.Lentaro.running");
}

} // namespace
