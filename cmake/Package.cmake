# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cmake --build build --target package` writes tavoric_<version>_<arch>.deb,
# installing to /usr. The manual page of tavoric-cli is made from its own help text, so that the
# two never differ; data/man/tavoric-cli.h2m adds the description, exit codes and examples.

find_program(TAVORIC_HELP2MAN help2man)
find_program(TAVORIC_GZIP gzip)
set(TAVORIC_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(TAVORIC_MAN_PAGES)

# A page compressed as Debian keeps them: gzip -9n, no name or time stamp inside.
function(tavoric_compressed_man_page page source)
    add_custom_command(
        OUTPUT ${TAVORIC_MAN_DIR}/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVORIC_MAN_DIR}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${TAVORIC_MAN_DIR}/${page}.plain
        COMMAND ${TAVORIC_GZIP} -9nf ${TAVORIC_MAN_DIR}/${page}.plain
        COMMAND ${CMAKE_COMMAND} -E rename ${TAVORIC_MAN_DIR}/${page}.plain.gz
                ${TAVORIC_MAN_DIR}/${page}.gz
        DEPENDS ${source}
        VERBATIM)
    set(TAVORIC_MAN_PAGES ${TAVORIC_MAN_PAGES} ${TAVORIC_MAN_DIR}/${page}.gz PARENT_SCOPE)
endfunction()

if(TAVORIC_HELP2MAN AND TAVORIC_GZIP)
    # An empty home, so that the page shows the program's own language and not the builder's.
    add_custom_command(
        OUTPUT ${TAVORIC_MAN_DIR}/tavoric-cli.1
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVORIC_MAN_DIR}/home
        COMMAND ${CMAKE_COMMAND} -E env HOME=${TAVORIC_MAN_DIR}/home
                XDG_CONFIG_HOME=${TAVORIC_MAN_DIR}/home
                ${TAVORIC_HELP2MAN} --no-info --section=1 --no-discard-stderr
                --include=${CMAKE_SOURCE_DIR}/data/man/tavoric-cli.h2m
                --output=${TAVORIC_MAN_DIR}/tavoric-cli.1 $<TARGET_FILE:tavoric-cli>
        DEPENDS tavoric-cli ${CMAKE_SOURCE_DIR}/data/man/tavoric-cli.h2m
        COMMENT "Manual page of tavoric-cli from its help"
        VERBATIM)
    tavoric_compressed_man_page(tavoric-cli.1 ${TAVORIC_MAN_DIR}/tavoric-cli.1)
    if(TARGET tavoric)
        tavoric_compressed_man_page(tavoric.1 ${CMAKE_SOURCE_DIR}/data/man/tavoric.1)
    endif()
    add_custom_target(tavoric_manual_pages ALL DEPENDS ${TAVORIC_MAN_PAGES})
    install(FILES ${TAVORIC_MAN_PAGES} DESTINATION share/man/man1)
else()
    message(STATUS "help2man or gzip not found: no manual pages")
endif()

# The package's change log, compressed like the manual pages.
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/debian/changelog
            ${CMAKE_BINARY_DIR}/changelog
    COMMAND ${TAVORIC_GZIP} -9nf ${CMAKE_BINARY_DIR}/changelog
    DEPENDS ${CMAKE_SOURCE_DIR}/data/debian/changelog
    VERBATIM)
add_custom_target(tavoric_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION share/doc/tavoric)

# lintian reports no errors or warnings. What it still says, for information:
# - package-contains-documentation-outside-usr-share-doc: the help files and read-me files lie in
#   the program folder because the program opens them from there (Help, Lees mij).
# - binary-has-unneeded-section .comment: the compiler's name and version, a few bytes.
# - hardening-no-bindnow, hardening-no-fortify-functions: the build uses the compiler's own
#   defaults rather than dpkg-buildflags.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavoric)
set(CPACK_PACKAGE_VENDOR Tavoric)
set(CPACK_PACKAGE_CONTACT "Tavoric <support@tavoric.nl>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tavoric.nl/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plan, enter and analyse parking duration surveys")
# CPack puts the summary on the first line and indents every further line by one blank.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tavoric plans municipal parking duration surveys, takes the licence plates
of every round in at keyboard speed and turns them into the figures a
municipality decides on: occupancy, parking pressure, duration classes,
wrongly parked vehicles, turnover and presence patterns.
.
The reports are printed, previewed and exported as text, CSV and PDF; the
command-line tool tavoric-cli gives them without a display.")
include(CPack)
