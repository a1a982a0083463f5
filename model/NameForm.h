// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>

// Which of its names an installed owner was found under: what kind of name it is, and the name as its source
// writes it ("gimp-2.10", "org.gnome.Boxes", "/opt/google/chrome").
struct NameForm {
    enum class Kind : std::uint8_t {
        none,
        packageName,
        sourcePackage,
        executable,
        desktopFileId,
        windowClass,
        menuName,
        iconName,
        flatpakId,
        flatpakIdLastPart,
        snapName,
        nixPackage,
        homebrewFormula,
        npmPackage,
        pipxPackage,
        cargoCrate,
        jetBrainsToolboxApp,
        appImage,
        // A folder the owner installs, by its path.
        folder,
        runningProgram,
    };

    Kind kind = Kind::none;
    QString name{};

    bool operator==(const NameForm &) const = default;
};
