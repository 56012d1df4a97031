# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout. The desktop program lives in <prefix>/lib/tavoric with its Lng/ and Hlp/
# folders and the read-me files beside it, as it expects; <prefix>/bin holds a launcher for it
# and the command-line tool; <prefix>/share holds the desktop entry, the icon and the ".par"
# file type, so that a double-click on a survey opens it in Tavoric.

set(TAVORIC_PROGRAM_FOLDER lib/tavoric)
set(TAVORIC_DESKTOP_DATA ${CMAKE_SOURCE_DIR}/data/desktop)

install(TARGETS tavoric-cli RUNTIME DESTINATION bin)
install(FILES ${CMAKE_SOURCE_DIR}/data/completion/tavoric-cli
        DESTINATION share/bash-completion/completions)
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright DESTINATION share/doc/tavoric)

if(TARGET tavoric)
    install(TARGETS tavoric RUNTIME DESTINATION ${TAVORIC_PROGRAM_FOLDER})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Lng ${CMAKE_SOURCE_DIR}/data/Hlp
            DESTINATION ${TAVORIC_PROGRAM_FOLDER})
    install(FILES ${CMAKE_SOURCE_DIR}/data/LeesMij.txt ${CMAKE_SOURCE_DIR}/data/ReadMe.txt
            DESTINATION ${TAVORIC_PROGRAM_FOLDER})
    install(PROGRAMS ${TAVORIC_DESKTOP_DATA}/tavoric.sh DESTINATION bin RENAME tavoric)
    # The desktop entry starts the launcher by name where the menu's search path finds it, and
    # by its absolute path under any other prefix.
    install(CODE "set(TAVORIC_DESKTOP_ENTRY \"${TAVORIC_DESKTOP_DATA}/tavoric.desktop\")
                  set(TAVORIC_STAGING \"${CMAKE_BINARY_DIR}/desktop-entry\")")
    install(CODE [[
        set(launcher tavoric)
        if(NOT CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$")
            set(launcher "\"${CMAKE_INSTALL_PREFIX}/bin/tavoric\"")
        endif()
        file(READ "${TAVORIC_DESKTOP_ENTRY}" entry)
        string(REPLACE "Exec=tavoric " "Exec=${launcher} " entry "${entry}")
        file(WRITE "${TAVORIC_STAGING}/tavoric.desktop" "${entry}")
        file(INSTALL "${TAVORIC_STAGING}/tavoric.desktop"
             DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
    ]])
    install(FILES ${TAVORIC_DESKTOP_DATA}/nl.tavoric.Tavoric.metainfo.xml DESTINATION share/metainfo)
    install(FILES ${TAVORIC_DESKTOP_DATA}/tavoric.svg
            DESTINATION share/icons/hicolor/scalable/apps)
    install(FILES ${TAVORIC_DESKTOP_DATA}/tavoric-project.xml DESTINATION share/mime/packages)

    # Installed straight into place (not staged for a package): let the desktop learn the file
    # type and the entry at once. A missing tool only means the desktop learns it later.
    install(CODE [[
        find_program(TAVORIC_UPDATE_MIME update-mime-database)
        find_program(TAVORIC_UPDATE_DESKTOP update-desktop-database)
        if("$ENV{DESTDIR}" STREQUAL "" AND TAVORIC_UPDATE_MIME)
            execute_process(COMMAND ${TAVORIC_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/share/mime")
        endif()
        if("$ENV{DESTDIR}" STREQUAL "" AND TAVORIC_UPDATE_DESKTOP)
            execute_process(COMMAND ${TAVORIC_UPDATE_DESKTOP} -q
                                    "${CMAKE_INSTALL_PREFIX}/share/applications")
        endif()
    ]])
endif()
