// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BulkActionSheet.h"

#include "scanner/RemnantSummary.h"
#include "ui/Appearance.h"
#include "ui/ByteCountFormatter.h"
#include "ui/ColorCircleButton.h"
#include "ui/DisplayText.h"
#include "ui/ProminentButton.h"
#include "ui/ThemedLabel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// "Mark with Red" with a filled circle of the colour before the text.
class TagRowButton : public ProminentButton {
public:
    TagRowButton(FinderTagColor tag, QWidget *parent)
        : ProminentButton(BulkActionSheet::tr("Mark with %1").arg(DisplayText::of(tag)), {}, Style::bordered, parent)
        , m_tag(tag)
    {
        setMinimumHeight(30);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ProminentButton::paintEvent(event);
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int textWidth = metrics.horizontalAdvance(text());
        const qreal x = (width() - textWidth) / 2.0 - 20;
        ColorCircleButton::paintCircle(painter, QRectF(x, height() / 2.0 - 6, 12, 12), Appearance::color(m_tag));
    }

private:
    FinderTagColor m_tag;
};

} // namespace

BulkActionSheet::BulkActionSheet(int count, QList<RemnantItemPtr> items, QWidget *parent)
    : QDialog(parent, Qt::Sheet | Qt::Dialog)
    , m_items(std::move(items))
{
    setWindowTitle(tr("Bulk actions"));
    setMinimumWidth(400);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->setSpacing(20);
    layout->addWidget(new ThemedLabel(tr("Bulk action for %1 items").arg(count), Theme::TextStyle::title2));
    layout->addWidget(new ThemedLabel(tr("What should happen to the selected items?"), Theme::TextStyle::body,
                                      Theme::secondaryLabel));
    m_size = new ThemedLabel(tr("%1 in all").arg(DisplayText::fileSize(RemnantSummary::of(m_items).totalSize)),
                             Theme::TextStyle::callout, Theme::secondaryLabel);
    layout->addWidget(m_size);

    auto *trash = new ProminentButton(tr("Move all to Trash"), QStringLiteral("trash"));
    trash->setTint(SystemColor::red);
    trash->setMinimumHeight(32);
    m_trash = trash;
    layout->addWidget(trash);
    connect(trash, &QAbstractButton::clicked, this, [this] {
        emit trashChosen(m_items);
        accept();
    });

    auto *tags = new QVBoxLayout;
    tags->setSpacing(8);
    for (std::size_t i = 0; i < OfferedColors.size(); ++i) {
        const FinderTagColor tag = OfferedColors[i];
        auto *button = new TagRowButton(tag, this);
        m_tagButtons[i] = button;
        tags->addWidget(button);
        connect(button, &QAbstractButton::clicked, this, [this, tag] {
            emit tagChosen(m_items, tag);
            accept();
        });
    }
    layout->addLayout(tags);
    auto *cancel = new ProminentButton(tr("Cancel"), {}, ProminentButton::Style::bordered);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    layout->addWidget(cancel);
}

QAbstractButton *BulkActionSheet::tagButton(FinderTagColor color) const
{
    for (std::size_t i = 0; i < OfferedColors.size(); ++i) {
        if (OfferedColors[i] == color)
            return m_tagButtons[i];
    }
    return nullptr;
}
