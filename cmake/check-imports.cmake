# SPDX-License-Identifier: GPL-3.0-or-later
# Fails the build when lentaro.exe statically imports a DLL that Windows would look for in
# the program's own folder, that is one outside its Known DLLs, which it always takes from
# System32. Anything else Qt needs must be delay-loaded (cmake/delay-load.cmake).
# cmake -DOBJDUMP=... -DPROGRAM=lentaro.exe -DSTAMP=file -P check-imports.cmake
cmake_minimum_required(VERSION 3.22)
set(known
    # HKLM\System\CurrentControlSet\Control\Session Manager\KnownDLLs on Windows 10 and 11,
    # and ntdll, which every process has mapped before its imports are read.
    advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32
    msctf msvcrt normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32
    shlwapi user32 wldap32 ws2_32 ntdll)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
if(NOT imports)
    message(FATAL_ERROR "no import table read from ${PROGRAM}")
endif()
set(unsafe)
foreach(line IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: *" "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" lower)
    string(REGEX REPLACE "\\.dll$" "" base "${lower}")
    # API sets are names the loader resolves itself; no file of that name is looked for.
    if(base IN_LIST known OR base MATCHES "^(api|ext)-ms-")
        continue()
    endif()
    list(APPEND unsafe ${dll})
endforeach()
if(unsafe)
    list(JOIN unsafe ", " unsafe)
    message(FATAL_ERROR "${PROGRAM} imports DLLs that can be taken from its own folder: "
        "${unsafe}. Add them to LENTARO_DELAY_LOADED in cmake/delay-load.cmake.")
endif()
file(TOUCH ${STAMP})
