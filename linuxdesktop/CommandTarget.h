// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linuxdesktop/LaunchTarget.h"

#include <QString>
#include <QStringList>
#include <optional>

// What a command line runs in the end. The programs that run another one named on their line are looked through:
// shells with a command string or a script (sh -c, bash script.sh), interpreters with their script (python3,
// perl, ruby, node, java -jar, ...), wrappers that change how a program runs (env, nice, ionice, nohup, taskset,
// setsid, stdbuf, timeout, exec, pkexec, a terminal's -e, ...) and launchers of installed software (flatpak run,
// snap run, gtk-launch, gapplication launch) or of a file (xdg-open, gio open). Absent when what runs cannot be
// known without running anything, such as a program named by a variable.
class CommandTarget {
public:
    // `home` stands for ~ and $HOME in a shell's commands; relative paths are taken from `workingDirectory`, and
    // cannot be known when it is empty.
    static std::optional<LaunchTarget> of(const QStringList &arguments, const QString &home,
                                          const QString &workingDirectory);
};
