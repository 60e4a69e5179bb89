# SPDX-License-Identifier: GPL-3.0-or-later
# The documents that go with the programs: manual pages (docs/man/*.1.in,
# filled with the version and USB ids and compressed at build time), the
# changelog and copyright file in the package's documentation folder, and
# the bash completion of mousecfgctl.

# The changelog's newest entry must be this version's; its date dates the
# manual pages, so that a rebuild gives the same pages.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/changelog changelog_lines)
list(GET changelog_lines 0 changelog_head)
if(NOT changelog_head MATCHES "^mousecfg \\(([^)]+)\\)")
    message(FATAL_ERROR "packaging/changelog does not start with an entry for mousecfg")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog's newest entry is ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}: "
                        "add an entry for ${PROJECT_VERSION}")
endif()
foreach(line ${changelog_lines})
    if(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        set(day ${CMAKE_MATCH_1})
        set(year ${CMAKE_MATCH_3})
        set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
        list(FIND months ${CMAKE_MATCH_2} month)
        math(EXPR month "${month} + 1")
        if(month LESS 10)
            set(month "0${month}")
        endif()
        set(MOUSECFG_MAN_DATE "${year}-${month}-${day}")
        break()
    endif()
endforeach()
if(NOT MOUSECFG_MAN_DATE)
    message(FATAL_ERROR "packaging/changelog's newest entry has no trailer line with a date")
endif()

if(MOUSECFG_TEST_USB_IDS)
    set(MOUSECFG_MAN_TEST_IDS [=[.PP
These are the default ids, set aside for testing and shared by other test
devices: the build is meant for trying the program on its virtual mouse.
A build for a real mouse sets its ids with the CMake option
.BR MOUSECFG_USB_IDS .]=])
else()
    set(MOUSECFG_MAN_TEST_IDS [=[.\" Built for a mouse's own ids.]=])
endif()

find_program(GZIP_PROGRAM gzip REQUIRED)
set(man_pages mousecfg mousecfgctl mousecfg-osd)
set(man_outputs)
foreach(page ${man_pages})
    set(page_in ${CMAKE_SOURCE_DIR}/docs/man/${page}.1.in)
    set(page_roff ${CMAKE_BINARY_DIR}/packaging/man/${page}.1)
    configure_file(${page_in} ${page_roff} @ONLY)
    # -n: no name or time stamp in the archive, so that builds are reproducible.
    add_custom_command(OUTPUT ${page_roff}.gz COMMAND ${GZIP_PROGRAM} -9nf -k ${page_roff}
                       DEPENDS ${page_roff} COMMENT "Compressing the manual page ${page}.1" VERBATIM)
    list(APPEND man_outputs ${page_roff}.gz)
endforeach()
set(changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
                   COMMAND ${GZIP_PROGRAM} -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/changelog > ${changelog_gz}
                   DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/changelog COMMENT "Compressing the changelog")
add_custom_target(mousecfg_docs ALL DEPENDS ${man_outputs} ${changelog_gz})

install(FILES ${man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${changelog_gz} copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES mousecfgctl.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME mousecfgctl)
