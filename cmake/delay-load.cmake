# SPDX-License-Identifier: GPL-3.0-or-later
# Windows looks for a DLL that is not one of its Known DLLs in the program's own folder
# first, so a DLL dropped beside the portable lentaro.exe (a Downloads folder) would run
# inside it. The ones Qt's static libraries import are delay-loaded instead: the program
# sets its search order to System32 alone before anything calls into one (see
# src/platform/shell/SystemDllSearch.cpp), and the loader then finds only Windows' own copy.
#
# Debian's MinGW linker has no --dependent-load-flag, so this is done with delay-import
# libraries made by dlltool from the system's import libraries. They are named as those
# are and searched first, so Qt's link line (-ld3d11 ...) takes them unchanged. MinGW-w64's
# libmingwex provides the helper they call (__delayLoadHelper2).
set(LENTARO_DELAY_LOADED authz d2d1 d3d9 d3d11 d3d12 dwmapi dwrite dxgi netapi32 userenv uxtheme version winmm
    wtsapi32)

find_program(LENTARO_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)
find_program(LENTARO_NM NAMES x86_64-w64-mingw32-nm REQUIRED)
set(lentaro_delay_dir ${PROJECT_BINARY_DIR}/delay-load)
file(MAKE_DIRECTORY ${lentaro_delay_dir})

foreach(name IN LISTS LENTARO_DELAY_LOADED)
    find_library(LENTARO_IMPLIB_${name} NAMES lib${name}.a NO_CACHE REQUIRED)
    execute_process(COMMAND ${LENTARO_DLLTOOL} --identify ${LENTARO_IMPLIB_${name}}
        OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${LENTARO_NM} ${LENTARO_IMPLIB_${name}}
        OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    # Every function the import library names, and none is data (which cannot be delayed).
    string(REGEX MATCHALL "I __imp_[^\r\n]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE "^I __imp_" "    ")
    list(REMOVE_DUPLICATES imports)
    list(SORT imports)
    list(JOIN imports "\n" exports)
    set(def ${lentaro_delay_dir}/${name}.def)
    set(lib ${lentaro_delay_dir}/lib${name}.a)
    file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${dll}\nEXPORTS\n${exports}\n" @ONLY)
    if(NOT EXISTS ${lib} OR ${def} IS_NEWER_THAN ${lib})
        execute_process(COMMAND ${LENTARO_DLLTOOL} --input-def ${def} --dllname ${dll}
                --output-delaylib ${lib} --temp-prefix ${name}-delay --deterministic-libraries
            WORKING_DIRECTORY ${lentaro_delay_dir} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
link_directories(BEFORE ${lentaro_delay_dir})

# Debian 13's linker makes .idata read-only, where dlltool's delay-import libraries keep the
# table the helper writes each function's address into once it is loaded: the first call into
# a delayed DLL would fault. Every program gets the section's write flag back in its header.
find_program(LENTARO_PERL NAMES perl REQUIRED)
string(APPEND CMAKE_CXX_LINK_EXECUTABLE
    " && ${LENTARO_PERL} ${CMAKE_CURRENT_LIST_DIR}/idata-writable.pl <TARGET>")
