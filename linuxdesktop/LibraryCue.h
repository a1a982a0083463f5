// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What tells that an installed package is a library, or a data package, rather than a program: it runs as no program
// and serves none, so a name it shares in does not make that program installed.
enum class LibraryCue {
    // A program's package: it gives a command on the PATH, a menu entry or a service.
    none,
    // Named "lib…" after a source of another name, the way Debian names a project's libraries: libpurple0 of pidgin.
    libraryName,
    // In Debian's section of libraries ("libs", "oldlibs").
    librarySection,
    // It gives no command on the PATH, no menu entry and no service: a data, plug-in or module package.
    noProgram,
};
