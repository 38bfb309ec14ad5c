# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file includes a header of a layer above its own. Layers,
# lowest first: platform, toolkit, cards, the four games (which never include
# one another), shell. Run by CTest: cmake -DROOT=<source dir> -P layers.cmake
cmake_minimum_required(VERSION 3.25)

set(below_platform "")
set(below_toolkit platform)
set(below_cards platform toolkit)
set(below_war platform toolkit cards)
set(below_bingo ${below_war})
set(below_tictactoe ${below_war})
set(below_fireice ${below_war})
set(below_shell platform toolkit cards war bingo tictactoe fireice)
set(layers platform toolkit cards war bingo tictactoe fireice shell)

set(faults "")
foreach(layer ${layers})
    set(allowed ${layer} ${below_${layer}})
    file(GLOB files ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^#include \"[a-z]+/")
        foreach(line ${includes})
            string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" folder "${line}")
            if(folder IN_LIST layers AND NOT folder IN_LIST allowed)
                file(RELATIVE_PATH name ${ROOT} ${file})
                string(APPEND faults "  ${name}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes that run upward, against the layers:\n${faults}")
endif()
