// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TagActionView.h"

#include "scanner/Profile.h"
#include "ui/Appearance.h"
#include "ui/ColorCircleButton.h"
#include "ui/DisplayText.h"
#include "ui/ProfileText.h"
#include "ui/ProminentButton.h"
#include "ui/ThemedLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TagActionView::TagActionView(const RemnantItem &item, const Profile &profile, Presentation presentation,
                             QWidget *parent)
    : QDialog(parent, presentation == Presentation::popover ? Qt::Popup : Qt::Sheet | Qt::Dialog)
{
    setWindowTitle(ProfileText::tagChooserTitle(profile.name()));
    setMinimumWidth(320);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(10);
    layout->addWidget(new ThemedLabel(ProfileText::tagChooserTitle(profile.name()), Theme::TextStyle::headline));
    auto *hint =
        new ThemedLabel(ProfileText::tagExplanation(profile.name()), Theme::TextStyle::caption, Theme::secondaryLabel);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    const std::optional<FinderTagColor> current = item.action().tag();
    for (const FinderTagColor tag : allCases<FinderTagColor>()) {
        auto *button = new ColorCircleButton(Appearance::color(tag), 32, this);
        button->setToolTip(DisplayText::of(tag));
        button->setAccessibleName(DisplayText::of(tag));
        button->setCheckMark(current == tag);
        connect(button, &QAbstractButton::clicked, this, [this, tag] {
            emit colorChosen(tag);
            accept();
        });
        m_buttons[std::size_t(tag)] = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    layout->addSpacing(4);
    layout->addLayout(row);
    layout->addSpacing(4);
    auto *cancel = new ProminentButton(tr("Cancel"), {}, ProminentButton::Style::bordered);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    layout->addWidget(cancel, 0, Qt::AlignLeft);
    m_buttons[std::size_t(current.value_or(FinderTagColor::red))]->setFocus();
}
