# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack once the package's files are staged: lays them out as Debian
# keeps a game. The program goes among the games in /usr/games (at the same
# depth as bin/, so it finds its music and audio module as before), the
# compiler's notes leave the stripped binaries as Debian's own packaging
# removes them, manual pages are compressed (gzip -9n), and
# /usr/share/doc/cardovia holds the copyright and the changelog made from NEWS.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(doc "${usr}/share/doc/${CPACK_PACKAGE_NAME}")

file(MAKE_DIRECTORY "${usr}/games" "${doc}")
file(RENAME "${usr}/bin/${CPACK_PACKAGE_NAME}" "${usr}/games/${CPACK_PACKAGE_NAME}")
file(GLOB left "${usr}/bin/*")
if(NOT left)
    file(REMOVE_RECURSE "${usr}/bin")
endif()

file(GLOB_RECURSE binaries "${usr}/games/*" "${usr}/lib/*.so")
foreach(binary ${binaries})
    execute_process(COMMAND objcopy --remove-section=.comment ${binary} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot strip ${binary}")
    endif()
endforeach()

file(COPY_FILE "${CPACK_CARDOVIA_DIST}/copyright" "${doc}/copyright")
execute_process(COMMAND awk -v "package=${CPACK_PACKAGE_NAME}" -v "maintainer=${CPACK_PACKAGE_CONTACT}"
                        -f "${CPACK_CARDOVIA_DIST}/changelog.awk" "${CPACK_CARDOVIA_NEWS}"
                OUTPUT_FILE "${doc}/changelog" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot make the changelog from ${CPACK_CARDOVIA_NEWS}")
endif()

file(GLOB_RECURSE pages "${usr}/share/man/*.[0-9]")
foreach(file ${pages} "${doc}/changelog")
    execute_process(COMMAND gzip -9nf ${file} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot compress ${file}")
    endif()
endforeach()
