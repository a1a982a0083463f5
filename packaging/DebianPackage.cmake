# SPDX-FileCopyrightText: 2026 The Leftscan developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package that scripts/package builds with cpack: both programs and what the desktop needs, with the
# dependencies dpkg-shlibdeps finds in the libraries they link. When SOURCE_DATE_EPOCH is set (scripts/package sets
# it to the last commit's time), cpack gives every file and member of the package that date.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME leftscan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Leftscan developers")
set(CPACK_PACKAGE_CONTACT "The Leftscan developers <leftscan@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find what uninstalled applications left behind")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/leftscan/leftscan)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window prefers Inter; the administrator fallback runs pkexec; Qt's own translations give the standard
# dialogs' buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-inter, pkexec, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Wrapped as Debian wants a long description; an empty line separates paragraphs.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Leftscan finds what uninstalled applications, and applications not used for\n"
    "a long time, leave behind in the home of a Linux desktop (configuration,\n"
    "data, cache and state folders, autostart entries, services, dot-folders) or\n"
    "in the Library folders of a Mac volume or backup. It builds an inventory of\n"
    "the installed software, attributes every entry to an owner and tells orphans\n"
    "from entries of applications that are merely unused.\n"
    "\n"
    "Leftovers can be moved to the Trash, with undo, or tagged. The package holds\n"
    "the window, leftscan, and the command line, leftscan-cli, with table, JSON\n"
    "and CSV output.")
include(CPack)
