# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages, in English (the default) and Dutch. The page of tavoric-cli is made from its
# own help text, so that the two never differ: the overview, and an OPTIONS section with each
# command's help; data/man/tavoric-cli.h2m adds the synopsis, exit codes, files and examples. The
# Debian
# package is built from debian/ (`dpkg-buildpackage -us -uc -b`).

find_program(TAVORIC_HELP2MAN help2man)
find_program(TAVORIC_GZIP gzip)
set(TAVORIC_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(TAVORIC_MAN_PAGES)

# A page compressed as Debian keeps them: gzip -9n, no name or time stamp inside.
function(tavoric_compressed_man_page page source)
    get_filename_component(folder ${TAVORIC_MAN_DIR}/${page} DIRECTORY)
    add_custom_command(
        OUTPUT ${TAVORIC_MAN_DIR}/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${TAVORIC_MAN_DIR}/${page}.plain
        COMMAND ${TAVORIC_GZIP} -9nf ${TAVORIC_MAN_DIR}/${page}.plain
        COMMAND ${CMAKE_COMMAND} -E rename ${TAVORIC_MAN_DIR}/${page}.plain.gz
                ${TAVORIC_MAN_DIR}/${page}.gz
        DEPENDS ${source}
        VERBATIM)
    set(TAVORIC_MAN_PAGES ${TAVORIC_MAN_PAGES} ${TAVORIC_MAN_DIR}/${page}.gz PARENT_SCOPE)
endfunction()

# The pages of one language: "en" the default pages in man1, "nl" the Dutch ones in nl/man1.
# tavoric-cli speaks the language of a settings file in a home of its own; help2man runs in a
# UTF-8 locale, so that letters such as e-diaeresis reach the page unchanged.
function(tavoric_man_pages language settings)
    set(home ${TAVORIC_MAN_DIR}/${language}/home)
    file(MAKE_DIRECTORY ${home}/Tavoric)
    file(WRITE ${home}/Tavoric/Tavoric.ini "${settings}")
    set(sources ${CMAKE_SOURCE_DIR}/data/man)
    if(NOT language STREQUAL "en")
        set(sources ${sources}/${language})
    endif()
    set(page ${TAVORIC_MAN_DIR}/${language}/tavoric-cli.1)
    set(options ${TAVORIC_MAN_DIR}/${language}/options.h2m)
    set(environment HOME=${home} XDG_CONFIG_HOME=${home} LC_ALL=C.UTF-8)
    add_custom_command(
        OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E env ${environment} ${CMAKE_COMMAND}
                -DCLI=$<TARGET_FILE:tavoric-cli> -DOUTPUT=${options}
                -P ${CMAKE_SOURCE_DIR}/cmake/CliOptionsSection.cmake
        COMMAND ${CMAKE_COMMAND} -E env ${environment}
                ${TAVORIC_HELP2MAN} --no-info --section=1 --no-discard-stderr --locale=C.UTF-8
                --include=${sources}/tavoric-cli.h2m --include=${options}
                --output=${page} $<TARGET_FILE:tavoric-cli>
        DEPENDS tavoric-cli tavoric_language_files ${CMAKE_SOURCE_DIR}/data/Lng/English.lng
                ${sources}/tavoric-cli.h2m ${CMAKE_SOURCE_DIR}/cmake/CliOptionsSection.cmake
        COMMENT "Manual page of tavoric-cli (${language}) from its help"
        VERBATIM)
    tavoric_compressed_man_page(${language}/man1/tavoric-cli.1 ${page})
    if(TARGET tavoric)
        tavoric_compressed_man_page(${language}/man1/tavoric.1 ${sources}/tavoric.1)
    endif()
    set(TAVORIC_MAN_PAGES ${TAVORIC_MAN_PAGES} PARENT_SCOPE)
endfunction()

if(TAVORIC_HELP2MAN AND TAVORIC_GZIP)
    tavoric_man_pages(en "[Tavoric settings]\r\n\r\n[**General variables**]\r\nLanguage=English\r\n")
    tavoric_man_pages(nl "")
    add_custom_target(tavoric_manual_pages ALL DEPENDS ${TAVORIC_MAN_PAGES})
    install(DIRECTORY ${TAVORIC_MAN_DIR}/en/man1 DESTINATION share/man FILES_MATCHING PATTERN "*.gz")
    install(DIRECTORY ${TAVORIC_MAN_DIR}/nl/man1 DESTINATION share/man/nl
            FILES_MATCHING PATTERN "*.gz")
else()
    message(STATUS "help2man or gzip not found: no manual pages")
endif()
