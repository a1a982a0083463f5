# SPDX-FileCopyrightText: 2026 The Leftscan developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Mac's disk image that scripts/package builds with cpack: Leftscan.app with Qt deployed into it, beside a link
# to the Applications folder to drag it onto.
set(CPACK_GENERATOR DragNDrop)
set(CPACK_PACKAGE_NAME Leftscan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Leftscan developers")
set(CPACK_PACKAGE_FILE_NAME Leftscan-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_DMG_VOLUME_NAME Leftscan)
set(CPACK_DMG_FORMAT UDZO)
include(CPack)
