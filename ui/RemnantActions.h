// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/FinderTagColor.h"
#include "model/RemnantItem.h"
#include "ui/AlertText.h"
#include "ui/TagActionView.h"

#include <QObject>
#include <QPointer>

class QWidget;
class RemnantScanner;
struct RemnantActionReport;

// What the user can do to leftovers from a row, the detail pane or the bulk sheet: reveal, tag, move to the
// Trash. Asks for confirmation, hands the work to the scanner, which runs it off this thread, and shows one
// summary when a set of items is done.
class RemnantActions : public QObject {
    Q_OBJECT

public:
    RemnantActions(RemnantScanner &scanner, QWidget &window);

    void reveal(const RemnantItemPtr &item);
    // Opens the tag chooser as a popover at `anchor` (global coordinates) or as a sheet over the window.
    void chooseTag(const RemnantItemPtr &item, TagActionView::Presentation presentation, const QRect &anchor = {});
    // Asks "Move '…' to Trash?", saying what the item holds of the user's own, and moves it when the user agrees.
    void confirmTrash(const RemnantItemPtr &item);
    // One confirmation for the whole set, then the move.
    void confirmTrashAll(const QList<RemnantItemPtr> &items);
    void showBulkSheet(const QList<RemnantItemPtr> &items);
    // The bulk sheet's move: when some items hold the user's own files, were used recently, have not been looked
    // inside yet or may belong to installed apps, names them and asks whether to skip them (the default), move all
    // or cancel; otherwise the usual confirmation for the set.
    void confirmBulkTrash(const QList<RemnantItemPtr> &items);

    // False when nothing was started.
    // `confirmedByName` are the items the question named.
    bool trash(const QList<RemnantItemPtr> &items, const QList<RemnantItemPtr> &confirmedByName);
    void tag(const QList<RemnantItemPtr> &items, FinderTagColor color);
    // Puts the items of the last move to the Trash back.
    void undoTrash();

    static QString trashConfirmationTitle(const RemnantItem &item);
    // The question that a bulk move asks first, naming the items it would skip; absent when none needs it.
    struct BulkQuestion {
        AlertText alert;
        QList<RemnantItemPtr> others; // what Skip Them moves
    };
    static std::optional<BulkQuestion> bulkQuestion(const QList<RemnantItemPtr> &items);

signals:
    // An action on several items ended; `skipped` names what the user chose to leave out of it.
    void reported(const RemnantActionReport &report, const QStringList &skipped);

private:
    // Asks with a warning whose buttons are "Move to Trash" and "Cancel"; true for the first.
    bool confirmMove(const QString &title, const QString &message);
    void showReport(const RemnantActionReport &report);
    void showBusy();

    RemnantScanner &m_scanner;
    QWidget &m_window;
    // The items that "Skip Them" left out of the move under way.
    QStringList m_skipped;
};
