# The installed layout. The desktop program lives in <prefix>/lib/tavoric with its Lng/ and Hlp/
# folders and the read-me files beside it, as it expects; <prefix>/bin holds a launcher for it
# and the command-line tool; <prefix>/share holds the desktop entry, the icon and the ".par"
# file type, so that a double-click on a survey opens it in Tavoric.

set(TAVORIC_PROGRAM_FOLDER lib/tavoric)
set(TAVORIC_DESKTOP_DATA ${CMAKE_SOURCE_DIR}/data/desktop)

install(TARGETS tavoric-cli RUNTIME DESTINATION bin)

if(TARGET tavoric)
    install(TARGETS tavoric RUNTIME DESTINATION ${TAVORIC_PROGRAM_FOLDER})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Lng ${CMAKE_SOURCE_DIR}/data/Hlp
            DESTINATION ${TAVORIC_PROGRAM_FOLDER})
    install(FILES ${CMAKE_SOURCE_DIR}/data/LeesMij.txt ${CMAKE_SOURCE_DIR}/data/ReadMe.txt
            DESTINATION ${TAVORIC_PROGRAM_FOLDER})
    install(PROGRAMS ${TAVORIC_DESKTOP_DATA}/tavoric.sh DESTINATION bin RENAME tavoric)
    install(FILES ${TAVORIC_DESKTOP_DATA}/tavoric.desktop DESTINATION share/applications)
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
