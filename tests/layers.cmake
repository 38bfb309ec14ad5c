# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file includes a header of a layer above its own. The layers,
# and the folders each may include, are the build's (cardovia_layer in
# CMakeLists.txt), as it writes them to LAYERS. Run by CTest:
#   cmake -DROOT=<source dir> -DLAYERS=<build dir>/tests/layers.list.cmake -P layers.cmake
cmake_minimum_required(VERSION 3.25)

include(${LAYERS})
if(NOT layers)
    message(FATAL_ERROR "No layers in ${LAYERS}")
endif()

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
