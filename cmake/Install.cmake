# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout follows the file system hierarchy: both programs in <prefix>/bin (the full
# tavoric-cli, which it starts for drawing and hashing, in <prefix>/libexec/tavoric), the
# language and help folders in <prefix>/share/tavoric, where the programs look for them, the
# read-me files with README.md in <prefix>/share/doc/tavoric; <prefix>/share also holds the
# desktop entry, the icons and the ".par" file type, so that a double-click on a survey opens it
# in Tavoric.

set(TAVORIC_DATA_FOLDER share/tavoric)
set(TAVORIC_DOC_FOLDER share/doc/tavoric)
set(TAVORIC_DESKTOP_DATA ${CMAKE_SOURCE_DIR}/data/desktop)

install(TARGETS tavoric-cli RUNTIME DESTINATION bin)
install(TARGETS tavoric-cli-full RUNTIME DESTINATION ${TAVORIC_FULL_CLI_FOLDER})
install(FILES ${TAVORIC_BASH_COMPLETION}
        DESTINATION share/bash-completion/completions)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Lng DESTINATION ${TAVORIC_DATA_FOLDER})
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${TAVORIC_DOC_FOLDER})

# The icon as PNG in the usual hicolor sizes beside the SVG, for desktops and software centres
# that do not draw SVG.
set(TAVORIC_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(TAVORIC_RSVG_CONVERT rsvg-convert)

if(TARGET tavoric)
    install(TARGETS tavoric RUNTIME DESTINATION bin)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Hlp DESTINATION ${TAVORIC_DATA_FOLDER})
    install(FILES ${CMAKE_SOURCE_DIR}/data/demo/Demodorp.par
            ${CMAKE_SOURCE_DIR}/data/demo/Demodorp.geojson DESTINATION ${TAVORIC_DATA_FOLDER}/demo)
    install(FILES ${CMAKE_SOURCE_DIR}/data/LeesMij.txt ${CMAKE_SOURCE_DIR}/data/ReadMe.txt
            DESTINATION ${TAVORIC_DOC_FOLDER})
    # The desktop entry starts the program by name where the menu's search path finds it, and by
    # its absolute path under any other prefix.
    install(CODE "set(TAVORIC_DESKTOP_ENTRY \"${TAVORIC_DESKTOP_DATA}/tavoric.desktop\")
                  set(TAVORIC_STAGING \"${CMAKE_BINARY_DIR}/desktop-entry\")")
    install(CODE [[
        set(program tavoric)
        if(NOT CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$")
            set(program "\"${CMAKE_INSTALL_PREFIX}/bin/tavoric\"")
        endif()
        file(READ "${TAVORIC_DESKTOP_ENTRY}" entry)
        string(REPLACE "Exec=tavoric " "Exec=${program} " entry "${entry}")
        file(WRITE "${TAVORIC_STAGING}/tavoric.desktop" "${entry}")
        file(INSTALL "${TAVORIC_STAGING}/tavoric.desktop"
             DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
    ]])
    install(FILES ${TAVORIC_DESKTOP_DATA}/nl.tavoric.Tavoric.metainfo.xml DESTINATION share/metainfo)
    install(FILES ${TAVORIC_DESKTOP_DATA}/tavoric.svg
            DESTINATION share/icons/hicolor/scalable/apps)
    if(TAVORIC_RSVG_CONVERT)
        set(icons)
        foreach(size ${TAVORIC_ICON_SIZES})
            set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/tavoric.png)
            add_custom_command(
                OUTPUT ${icon}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
                COMMAND ${TAVORIC_RSVG_CONVERT} --width=${size} --height=${size}
                        --output=${icon} ${TAVORIC_DESKTOP_DATA}/tavoric.svg
                DEPENDS ${TAVORIC_DESKTOP_DATA}/tavoric.svg
                VERBATIM)
            install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps)
            list(APPEND icons ${icon})
        endforeach()
        add_custom_target(tavoric_icons ALL DEPENDS ${icons})
    else()
        message(STATUS "rsvg-convert not found: the icon is installed as SVG only")
    endif()
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
