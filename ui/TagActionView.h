// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"
#include "model/RemnantItem.h"

#include <QDialog>
#include <array>

class ColorCircleButton;
class Profile;

// The tag colour chooser for one leftover: seven colours, the current one checked. Shown as a popover beside a
// row's button or as a sheet over the detail pane; choosing a colour reports it and closes.
class TagActionView : public QDialog {
    Q_OBJECT

public:
    enum class Presentation { popover, sheet };

    TagActionView(const RemnantItem &item, const Profile &profile, Presentation presentation, QWidget *parent);

    ColorCircleButton *button(FinderTagColor color) const { return m_buttons[std::size_t(color)]; }

signals:
    void colorChosen(FinderTagColor color);

private:
    std::array<ColorCircleButton *, 7> m_buttons{};
};
