// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemnantItem.h"

#include <QPointer>
#include <QScrollArea>

class InfoBlock;
class MetaCell;
class ProminentButton;
class RemnantActions;
class RemnantScanner;
class QGridLayout;

// The right column for one leftover: name, size and badges, the facts grid, the path, why it was attributed to
// its owner, the long-unused warning, and the three actions.
class DetailView : public QScrollArea {
    Q_OBJECT

public:
    DetailView(RemnantScanner &scanner, RemnantActions &actions, QWidget *parent = nullptr);

    void setRemnant(const RemnantItemPtr &item);
    const RemnantItemPtr &remnant() const { return m_item; }

    QList<MetaCell *> cells() const;
    InfoBlock *block(const QString &title) const;
    ProminentButton *tagButton() const { return m_tag; }
    ProminentButton *trashButton() const { return m_trash; }

private:
    void rebuild();
    // The size on disk with the number of files, "Calculating..." while it is being measured, else the entry's
    // own size.
    QWidget *sizeView(const RemnantItem &item) const;

    RemnantScanner &m_scanner;
    RemnantActions &m_actions;
    RemnantItemPtr m_item;
    // What the item shown had when it was drawn.
    RemnantAction m_shownAction;
    std::optional<qint64> m_shownSize;
    QPointer<QWidget> m_content;
    ProminentButton *m_reveal = nullptr;
    ProminentButton *m_tag = nullptr;
    ProminentButton *m_trash = nullptr;
};
