# SPDX-FileCopyrightText: 2026 The Leftscan developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What `cmake --install` puts where, and the pieces a desktop needs: the desktop entry, the metainfo, the icons at
# the sizes icon themes ask for, the manual pages; on the Mac, the application bundle.
include(GNUInstallDirs)

# The Mac's Info.plist, written on every system so that the tests can read it back.
configure_file(app/Info.plist.in ${CMAKE_CURRENT_BINARY_DIR}/Info.plist @ONLY)

# On the Mac everything goes into the application bundle.
if(APPLE AND LEFTSCAN_BUILD_GUI)
    include(packaging/MacBundle.cmake)
    return()
endif()

install(TARGETS leftscan-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The administrator's helper is no command of its own: the programs look for it beside themselves, then here.
install(TARGETS leftscan-admin-trash RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/leftscan)
if(NOT APPLE)
    # pkexec asks with this policy's message for the helper at exactly its installed path, which the prefix given
    # when installing decides.
    install(CODE "
        set(LEFTSCAN_APP_ID ${LEFTSCAN_APP_ID})
        set(LEFTSCAN_HELPER_PATH \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/leftscan/leftscan-admin-trash\")
        set(policy \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/polkit-1/actions/${LEFTSCAN_APP_ID}.policy\")
        message(STATUS \"Installing: \${policy}\")
        configure_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/${LEFTSCAN_APP_ID}.policy.in \${policy} @ONLY)
    ")
endif()
install(FILES NOTICE packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/leftscan)
# The release history, in Debian's changelog format and compressed as Debian's policy asks.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog ${changelog}
    DEPENDS packaging/changelog
    VERBATIM)
add_custom_target(leftscan-changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/leftscan)

# Manual pages, from scdoc sources; the page's date is the release's unless SOURCE_DATE_EPOCH says otherwise.
find_program(LEFTSCAN_SCDOC scdoc)
set(LEFTSCAN_RELEASE_EPOCH 1796515200)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(LEFTSCAN_RELEASE_EPOCH $ENV{SOURCE_DATE_EPOCH})
endif()
set(LEFTSCAN_MANUAL_PAGES leftscan-cli.1)
if(LEFTSCAN_BUILD_GUI)
    list(APPEND LEFTSCAN_MANUAL_PAGES leftscan.1)
endif()
if(LEFTSCAN_SCDOC)
    set(manual_files)
    foreach(page ${LEFTSCAN_MANUAL_PAGES})
        set(source ${CMAKE_CURRENT_SOURCE_DIR}/man/${page}.scd)
        set(output ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
            COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${LEFTSCAN_RELEASE_EPOCH}
                sh -c "\"$0\" < \"$1\" | gzip -9n > \"$2\"" ${LEFTSCAN_SCDOC} ${source} ${output}
            DEPENDS ${source}
            COMMENT "Writing the manual page ${page}"
            VERBATIM)
        list(APPEND manual_files ${output})
    endforeach()
    add_custom_target(leftscan-manuals ALL DEPENDS ${manual_files})
    install(FILES ${manual_files} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(WARNING "scdoc was not found: the manual pages are neither built nor installed")
endif()

if(NOT LEFTSCAN_BUILD_GUI)
    return()
endif()

include(packaging/RenderIcons.cmake)

set(icon_pairs)
foreach(size 16 22 24 32 48 64 128 256 512)
    list(APPEND icon_pairs ${size} ${size}x${size}/apps/${LEFTSCAN_APP_ID}.png)
endforeach()
leftscan_render_icons(leftscan-icons ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor ${icon_pairs})

install(TARGETS leftscan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES app/${LEFTSCAN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES app/${LEFTSCAN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES app/leftscan.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${LEFTSCAN_APP_ID}.svg)

include(packaging/DebianPackage.cmake)
