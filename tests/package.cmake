# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the build as `cpack -G DEB` does, into a folder of its own, and asks
# lintian, as a distribution would, whether anything in the package is wrong.
# Run by CTest:
#   cmake -DBUILD=<build dir> -P package.cmake
cmake_minimum_required(VERSION 3.25)

set(out ${BUILD}/package-test)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${out}
                RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
file(GLOB package ${out}/*.deb)
if(failed OR NOT package)
    message(FATAL_ERROR "cpack made no package:\n${said}")
endif()
execute_process(COMMAND lintian --pedantic --fail-on error,warning ${package}
                RESULT_VARIABLE failed OUTPUT_VARIABLE said)
if(failed)
    message(FATAL_ERROR "lintian finds faults in ${package}:\n${said}")
endif()
