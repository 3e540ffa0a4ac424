# SPDX-License-Identifier: GPL-3.0-or-later
# The translations: every translations/lentaro_LANG.ts, made into a .qm by lrelease at
# build time and built into the program's resources under :/i18n, so that the program
# stays one file. lrelease runs on the build machine: a Qt built for Windows has none of
# its own, and the build machine's Qt, which QT_HOST_PATH names when cross-compiling,
# lends its own. Adding a language is adding its .ts file.

if(CMAKE_SCRIPT_MODE_FILE)
    # Run after lupdate, which keeps no comment: each .ts gets its licence line back.
    file(GLOB ts_files ${CMAKE_CURRENT_LIST_DIR}/../translations/lentaro_*.ts)
    foreach(ts IN LISTS ts_files)
        file(READ ${ts} text)
        if(NOT text MATCHES "SPDX-License-Identifier")
            string(REPLACE "<!DOCTYPE TS>\n"
                           "<!DOCTYPE TS>\n<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
                           text "${text}")
            file(WRITE ${ts} "${text}")
        endif()
    endforeach()
    return()
endif()

file(GLOB LENTARO_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/lentaro_*.ts)
set(lentaro_qt_bins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
if(QT_HOST_PATH)
    # The build machine's Qt tools: where that Qt says, or where Debian keeps them.
    list(PREPEND lentaro_qt_bins ${QT_HOST_PATH}/${QT6_HOST_INFO_BINDIR} ${QT_HOST_PATH}/lib/qt6/bin)
endif()
find_program(LENTARO_LRELEASE NAMES lrelease lrelease-qt6 HINTS ${lentaro_qt_bins}
             NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(LENTARO_LUPDATE NAMES lupdate lupdate-qt6 HINTS ${lentaro_qt_bins}
             NO_CMAKE_FIND_ROOT_PATH)

# Adds the .qm files to TARGET's resources.
function(lentaro_add_translations target)
    set(qm_files "")
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/i18n)
    foreach(ts IN LISTS LENTARO_TS_FILES)
        get_filename_component(name ${ts} NAME_WE)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/${name}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${LENTARO_LRELEASE} -silent ${ts} -qm ${qm}
            DEPENDS ${ts}
            COMMENT "Making ${name}.qm"
            VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} lentaro_translations
        PREFIX /
        BASE ${CMAKE_CURRENT_BINARY_DIR}
        FILES ${qm_files})
endfunction()

# Refreshes every .ts from the sources: new texts come in unfinished, and those gone from
# the sources stay, marked vanished, for the translator to reuse. No line numbers, so that
# a .ts changes only when a text does.
if(LENTARO_LUPDATE)
    add_custom_target(lentaro_lupdate
        COMMAND ${LENTARO_LUPDATE} -silent -locations none
                ${PROJECT_SOURCE_DIR}/src -ts ${LENTARO_TS_FILES}
        COMMAND ${CMAKE_COMMAND} -P ${CMAKE_CURRENT_LIST_FILE}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Refreshing the translations from the sources"
        VERBATIM)
endif()
