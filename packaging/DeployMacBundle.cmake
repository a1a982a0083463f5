# SPDX-FileCopyrightText: 2026 The Leftscan developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs when Leftscan.app has been installed, by `cmake --install` or by cpack: macdeployqt copies Qt, its plug-ins
# and the other libraries from outside the system into the bundle, for the command line and the helper as for the
# window, so that the bundle runs on a Mac without Homebrew. The bundle is then signed for no one in particular (an
# ad-hoc signature, which Apple silicon asks of every program it starts), and, when SOURCE_DATE_EPOCH is set, every
# file in it takes that date, so that one commit gives the same bundle whenever it is made.
set(bundle "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/Leftscan.app")
if(NOT LEFTSCAN_MACDEPLOYQT)
    message(FATAL_ERROR "macdeployqt was not found beside Qt's other programs: Qt cannot be deployed into ${bundle}")
endif()
execute_process(
    COMMAND "${LEFTSCAN_MACDEPLOYQT}" "${bundle}" -always-overwrite
        "-executable=${bundle}/Contents/MacOS/leftscan-cli"
        "-executable=${bundle}/Contents/Helpers/leftscan-admin-trash"
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND codesign --force --deep --sign - "${bundle}" COMMAND_ERROR_IS_FATAL ANY)

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    # string(TIMESTAMP) gives SOURCE_DATE_EPOCH's time when it is set; touch reads its -t in the time zone TZ names.
    string(TIMESTAMP stamp "%Y%m%d%H%M.%S" UTC)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC find "${bundle}" -exec touch -h -t ${stamp} {} +
        COMMAND_ERROR_IS_FATAL ANY)
endif()
