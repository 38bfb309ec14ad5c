# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build as a package would (into DESTDIR, prefix /usr) and checks
# what a desktop sees of it: the tree, the launcher and metainfo as the
# desktop's own validators read them, the manual page, and the installed game
# finding its music from an empty folder. Run by CTest:
#   cmake -DBUILD=<build dir> -DAPP_ID=<id> -DVERSION=<version> -DMODULE_DIR=<audio module folder>
#         "-DICON_SIZES=16;22;..." "-DMAN_LANGUAGES=<the manual page's languages>" -P install.cmake
cmake_minimum_required(VERSION 3.25)

set(stage ${BUILD}/install-test)
set(usr ${stage}/usr)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/empty ${stage}/elsewhere ${stage}/no-data)

set(faults "")
macro(fault text)
    string(APPEND faults "  ${text}\n")
endmacro()

execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${stage} ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE err)
if(failed)
    message(FATAL_ERROR "cmake --install failed:\n${err}")
endif()

# The tree: exactly these files.
set(expected
    bin/cardovia
    ${MODULE_DIR}/cardovia-audio.so
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/man/man6/cardovia.6
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(file 1.mid 2.mid 3.mid 4.mid 5.mid 6.mid fire.wav)
    list(APPEND expected share/cardovia/${file})
endforeach()
foreach(size ${ICON_SIZES})
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(language ${MAN_LANGUAGES})
    list(APPEND expected share/man/${language}/man6/cardovia.6)
endforeach()
file(GLOB_RECURSE installed RELATIVE ${usr} ${usr}/*)
foreach(file ${expected})
    if(NOT file IN_LIST installed)
        fault("missing: ${file}")
    elseif(IS_DIRECTORY ${usr}/${file} OR IS_SYMLINK ${usr}/${file})
        fault("not a regular file: ${file}")
    endif()
endforeach()
foreach(file ${installed})
    if(NOT file IN_LIST expected)
        fault("not expected: ${file}")
    endif()
endforeach()
if(faults MATCHES "missing:")
    message(FATAL_ERROR "The install in ${stage} lacks files:\n${faults}")
endif()
file(SIZE ${usr}/share/cardovia/1.mid size)
if(size LESS 100)
    fault("share/cardovia/1.mid holds no song")
endif()

# Each PNG is as wide and high as its folder says (the IHDR chunk's first eight bytes).
foreach(size ${ICON_SIZES})
    set(png ${usr}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    file(READ ${png} header OFFSET 16 LIMIT 8 HEX)
    math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REPLACE "0x" "" side ${side})
    string(LENGTH "${side}" digits)
    math(EXPR pad "8 - ${digits}")
    string(REPEAT "0" ${pad} zeros)
    if(NOT header STREQUAL "${zeros}${side}${zeros}${side}")
        fault("${size}x${size} icon is not ${size} pixels square: ${header}")
    endif()
endforeach()
file(READ ${usr}/share/icons/hicolor/scalable/apps/${APP_ID}.svg svg)
if(NOT svg MATCHES "<svg [^>]*viewBox=\"0 0 [0-9]+ [0-9]+\"" OR NOT svg MATCHES "<path [^>]* d=\"M")
    fault("the SVG icon has no view box or no paths")
endif()

# The desktop's validators find no error and warn of nothing. (appstreamcli
# tells, for information only, that it does not know the top-level domain
# "example".)
function(validate name)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(STRIP "${out}${err}" said)
    if(failed OR said MATCHES "(error|warning|^[EW]:|\n[EW]:)")
        fault("${name} (${failed}): ${said}")
    endif()
    set(faults "${faults}" PARENT_SCOPE)
endfunction()
validate(desktop-file-validate desktop-file-validate ${usr}/share/applications/${APP_ID}.desktop)
validate(appstreamcli appstreamcli validate --no-net ${usr}/share/metainfo/${APP_ID}.metainfo.xml)
# groff's warnings are the manual page's faults
foreach(page man6 ${MAN_LANGUAGES})
    if(NOT page STREQUAL "man6")
        set(page ${page}/man6)
    endif()
    validate(groff groff -man -ww -z -K utf-8 ${usr}/share/man/${page}/cardovia.6)
endforeach()

# The launcher, the icon and the metainfo name one another; the newest release is this version.
file(READ ${usr}/share/applications/${APP_ID}.desktop desktop)
if(NOT desktop MATCHES "\nIcon=${APP_ID}\n" OR NOT desktop MATCHES "\nExec=cardovia\n")
    fault("the launcher does not start cardovia with the icon ${APP_ID}")
endif()
file(READ ${usr}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<id>${APP_ID}</id>" OR NOT metainfo MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
    fault("the metainfo does not name ${APP_ID} and its launcher")
endif()
if(NOT metainfo MATCHES "<releases>[ \n]*<release version=\"([^\"]*)\"" OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fault("the metainfo's newest release is '${CMAKE_MATCH_1}', the project's version ${VERSION}")
endif()

# Each language the game speaks has the launcher's texts, a summary, and every
# paragraph and list item of the descriptions.
string(REGEX MATCHALL "<(p|li)>" english "${metainfo}")
list(LENGTH english english)
foreach(lang de fr es)
    foreach(key Name GenericName Comment Keywords)
        if(NOT desktop MATCHES "\n${key}\\[${lang}\\]=[^\n]")
            fault("the launcher has no ${key}[${lang}]")
        endif()
    endforeach()
    if(NOT metainfo MATCHES "<summary xml:lang=\"${lang}\">[^<]")
        fault("the metainfo has no summary in ${lang}")
    endif()
    string(REGEX MATCHALL "<(p|li) xml:lang=\"${lang}\">" translated "${metainfo}")
    list(LENGTH translated translated)
    if(NOT translated EQUAL english)
        fault("the metainfo's descriptions have ${translated} paragraphs and items in ${lang}, ${english} in English")
    endif()
endforeach()

# The installed game finds its music from an empty folder: through its own
# folder, and, copied elsewhere, through the XDG data folders. No real
# install on this machine may answer instead.
function(music_folder out program xdg_dirs)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=${stage}/no-data
                            XDG_DATA_DIRS=${xdg_dirs} ${program} --version
                    WORKING_DIRECTORY ${stage}/empty RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE err)
    if(failed OR err)
        fault("${program} --version: ${failed} ${err}")
    endif()
    string(REGEX MATCH "music and sound: ([^\n]*)" line "${said}")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    if(NOT said MATCHES "^Corvane's Cardovia ${VERSION}\n")
        fault("${program} --version says: ${said}")
    endif()
    set(faults "${faults}" PARENT_SCOPE)
endfunction()
music_folder(found ${usr}/bin/cardovia ${stage}/no-data)
if(NOT found STREQUAL ${usr}/share/cardovia)
    fault("the installed game finds its music in '${found}', not in ${usr}/share/cardovia")
endif()
file(COPY ${usr}/bin/cardovia DESTINATION ${stage}/elsewhere)
music_folder(found ${stage}/elsewhere/cardovia "${stage}/no-data:${usr}/share")
if(NOT found STREQUAL ${usr}/share/cardovia)
    fault("a copy elsewhere finds its music in '${found}', not through XDG_DATA_DIRS in ${usr}/share/cardovia")
endif()

if(faults)
    message(FATAL_ERROR "The install in ${stage} is not as a desktop expects:\n${faults}")
endif()
