# SPDX-FileCopyrightText: 2026 The Leftscan developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Leftscan.app, in the build folder as when installed: the window's program with the command line beside it in
# Contents/MacOS, the administrator's helper in Contents/Helpers, where both programs look for it, the icon made by
# the system's iconutil from the rendered sizes, and the notices. Installing it deploys Qt into it
# (packaging/DeployMacBundle.cmake); cpack makes the disk image of it (packaging/DiskImage.cmake).
include(packaging/RenderIcons.cmake)

set(iconset ${CMAKE_CURRENT_BINARY_DIR}/Leftscan.iconset)
leftscan_render_icons(leftscan-iconset ${iconset}
    16 icon_16x16.png 32 icon_16x16@2x.png 32 icon_32x32.png 64 icon_32x32@2x.png 128 icon_128x128.png
    256 icon_128x128@2x.png 256 icon_256x256.png 512 icon_256x256@2x.png 512 icon_512x512.png
    1024 icon_512x512@2x.png)
set(icns ${CMAKE_CURRENT_BINARY_DIR}/Leftscan.icns)
add_custom_command(OUTPUT ${icns}
    COMMAND iconutil --convert icns --output ${icns} ${iconset}
    DEPENDS leftscan-iconset
    VERBATIM)
target_sources(leftscan PRIVATE ${icns})
set_source_files_properties(${icns} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
set_target_properties(leftscan PROPERTIES
    OUTPUT_NAME Leftscan
    MACOSX_BUNDLE TRUE
    MACOSX_BUNDLE_INFO_PLIST ${CMAKE_CURRENT_BINARY_DIR}/Info.plist)

set(contents Leftscan.app/Contents)
set_target_properties(leftscan-cli PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${contents}/MacOS)
set_target_properties(leftscan-admin-trash PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${contents}/Helpers)

# The bundle is installed as a whole first; the two programs inside it again after, so that their paths into the
# build folder's libraries go as the window's do.
install(TARGETS leftscan BUNDLE DESTINATION .)
install(TARGETS leftscan-cli RUNTIME DESTINATION ${contents}/MacOS)
install(TARGETS leftscan-admin-trash RUNTIME DESTINATION ${contents}/Helpers)
install(FILES NOTICE packaging/copyright DESTINATION ${contents}/Resources)

find_program(LEFTSCAN_MACDEPLOYQT macdeployqt HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
install(CODE "set(LEFTSCAN_MACDEPLOYQT \"${LEFTSCAN_MACDEPLOYQT}\")")
install(SCRIPT packaging/DeployMacBundle.cmake)

include(packaging/DiskImage.cmake)
