# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the random player's driver or model of a game (tests/<game>/
# driver_*.cpp, model_*.h, model_*.cpp) includes a header of a game's folder
# other than its own game's screen class (<game>/frm*.h): it judges the game
# by the rules written out in itself, never by the game's own rule code. The
# games are the build's (cardovia_game in CMakeLists.txt), given as GAMES,
# separated by commas. Run by CTest:
#   cmake -DROOT=<source dir> -DGAMES=war,bingo,... -P drivers.cmake
cmake_minimum_required(VERSION 3.25)

string(REPLACE "," ";" games "${GAMES}")
if(NOT games)
    message(FATAL_ERROR "No games given in GAMES")
endif()
file(GLOB files ${ROOT}/tests/*/driver_*.cpp ${ROOT}/tests/*/model_*.h ${ROOT}/tests/*/model_*.cpp)
if(NOT files)
    message(FATAL_ERROR "No drivers under ${ROOT}/tests")
endif()

set(faults "")
foreach(file ${files})
    get_filename_component(dir ${file} DIRECTORY)
    get_filename_component(own ${dir} NAME)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z]+/")
    foreach(line ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([a-z]+)/([^\">]*).*" "\\1;\\2" header "${line}")
        list(GET header 0 folder)
        list(GET header 1 name)
        if(folder IN_LIST games AND NOT (folder STREQUAL own AND name MATCHES "^frm[a-z]*\\.h$"))
            file(RELATIVE_PATH shown ${ROOT} ${file})
            string(APPEND faults "  ${shown}: ${line}\n")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "A driver or model includes a game's own code, not only the screen it drives:\n${faults}")
endif()
