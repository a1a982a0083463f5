// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/RemnantActions.h"

#include "scanner/RemnantActionReport.h"
#include "scanner/RemnantScanner.h"
#include "ui/ActionReportText.h"
#include "ui/BulkActionSheet.h"
#include "ui/FileManagerReveal.h"
#include "ui/UserFilesText.h"
#include "ui/WindowAlertPresenter.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

RemnantActions::RemnantActions(RemnantScanner &scanner, QWidget &window)
    : QObject(&window)
    , m_scanner(scanner)
    , m_window(window)
{
    connect(&scanner, &RemnantScanner::actionFinished, this, &RemnantActions::showReport);
}

QString RemnantActions::trashConfirmationTitle(const RemnantItem &item)
{
    return tr("Move '%1' to Trash?").arg(item.name());
}

void RemnantActions::reveal(const RemnantItemPtr &item)
{
    FileManagerReveal::reveal(item->url());
}

void RemnantActions::chooseTag(const RemnantItemPtr &item, TagActionView::Presentation presentation,
                               const QRect &anchor)
{
    auto *chooser = new TagActionView(*item, m_scanner.profile(), presentation, &m_window);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &TagActionView::colorChosen, this, [this, item](FinderTagColor color) { tag({item}, color); });
    if (presentation == TagActionView::Presentation::popover && anchor.isValid()) {
        chooser->adjustSize();
        QPoint position(anchor.center().x() - chooser->width() / 2, anchor.bottom() + 6);
        if (const QScreen *screen = m_window.screen()) {
            const QRect available = screen->availableGeometry();
            if (position.y() + chooser->height() > available.bottom())
                position.setY(anchor.top() - 6 - chooser->height());
            position.setX(std::clamp(position.x(), available.left(), available.right() - chooser->width()));
        }
        chooser->move(position);
    }
    chooser->open();
}

bool RemnantActions::confirmMove(const QString &title, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, title, title, QMessageBox::NoButton, &m_window);
    box.setInformativeText(message);
    QPushButton *move = box.addButton(tr("Move to Trash"), QMessageBox::ActionRole);
    QPushButton *cancel = box.addButton(tr("Cancel"), QMessageBox::ActionRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == move;
}

void RemnantActions::confirmTrash(const RemnantItemPtr &item)
{
    QString message = tr("The item will be moved to Trash. You can restore it from there.");
    const QStringList reasons = UserFilesText::concerns(*item);
    if (!reasons.isEmpty())
        message = tr("It %1.").arg(reasons.join(tr("; it "))) + QStringLiteral("\n\n") + message;
    if (confirmMove(trashConfirmationTitle(*item), message))
        trash({item}, {item});
}

void RemnantActions::confirmTrashAll(const QList<RemnantItemPtr> &items)
{
    if (items.size() == 1) {
        confirmTrash(items.first());
        return;
    }
    if (confirmMove(tr("Move %1 items to Trash?").arg(items.size()),
                    tr("The items will be moved to Trash. You can restore them from there.")))
        trash(items, {});
}

std::optional<RemnantActions::BulkQuestion> RemnantActions::bulkQuestion(const QList<RemnantItemPtr> &items)
{
    QList<RemnantItemPtr> others;
    QStringList named;
    for (const RemnantItemPtr &item : items) {
        const QStringList reasons = UserFilesText::concerns(*item, false);
        if (reasons.isEmpty())
            others.append(item);
        else
            named.append(QStringLiteral("• %1: %2").arg(item->name(), reasons.join(QStringLiteral("; "))));
    }
    if (named.isEmpty())
        return std::nullopt;
    // Every item that Move All would take is named, in the text or, for a long list, in the details.
    constexpr qsizetype ShownNames = 8;
    QString listed = QStringList(named.mid(0, ShownNames)).join(QLatin1Char('\n'));
    if (named.size() > ShownNames)
        listed += QLatin1Char('\n') + tr("…and %1 more (see the details)").arg(named.size() - ShownNames);
    return BulkQuestion{{tr("%1 of these items hold your own files or may belong to installed apps").arg(named.size()),
                         listed + QStringLiteral("\n\n") +
                             tr("Skip Them moves only the other items to the Trash; Move All moves these too."),
                         {tr("Skip Them"), tr("Move All"), tr("Cancel")},
                         named.size() > ShownNames ? named.join(QLatin1Char('\n')) : QString(),
                         2},
                        others};
}

void RemnantActions::confirmBulkTrash(const QList<RemnantItemPtr> &items)
{
    const std::optional<BulkQuestion> question = bulkQuestion(items);
    if (!question) {
        confirmTrashAll(items);
        return;
    }
    switch (WindowAlertPresenter::run(question->alert, &m_window)) {
    case 0: {
        QStringList skipped;
        for (const RemnantItemPtr &item : items) {
            if (!question->others.contains(item))
                skipped.append(item->name());
        }
        if (question->others.isEmpty())
            emit reported(RemnantActionReport{}, skipped);
        else if (trash(question->others, {}))
            m_skipped = skipped;
        break;
    }
    case 1:
        trash(items, items);
        break;
    default:
        break;
    }
}

void RemnantActions::showBulkSheet(const QList<RemnantItemPtr> &items)
{
    auto *sheet = new BulkActionSheet(int(items.size()), items, &m_window);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &BulkActionSheet::trashChosen, this, [this](const QList<RemnantItemPtr> &chosen) {
        // The sheet closes first; then one confirmation for the whole set.
        QMetaObject::invokeMethod(
            this, [this, chosen] { confirmBulkTrash(chosen); }, Qt::QueuedConnection);
    });
    connect(sheet, &BulkActionSheet::tagChosen, this, &RemnantActions::tag);
    sheet->open();
}

bool RemnantActions::trash(const QList<RemnantItemPtr> &items, const QList<RemnantItemPtr> &confirmedByName)
{
    if (items.isEmpty())
        return false;
    if (!m_scanner.moveToTrashInBackground(items, confirmedByName)) {
        showBusy();
        return false;
    }
    m_skipped.clear();
    return true;
}

void RemnantActions::tag(const QList<RemnantItemPtr> &items, FinderTagColor color)
{
    if (items.isEmpty())
        return;
    if (!m_scanner.applyTagInBackground(items, color))
        showBusy();
}

void RemnantActions::undoTrash()
{
    if (m_scanner.canUndoTrash() && !m_scanner.undoTrashInBackground())
        showBusy();
}

void RemnantActions::showBusy()
{
    auto *box = new QMessageBox(QMessageBox::Information, tr("Please wait"),
                                tr("Another action is still running. Try again when it has finished."), QMessageBox::Ok,
                                &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void RemnantActions::showReport(const RemnantActionReport &report)
{
    const QStringList skipped =
        report.kind == RemnantActionReport::Kind::trash ? std::exchange(m_skipped, {}) : QStringList();
    emit reported(report, skipped);
    // What went well is told in the band below the list; what failed, and why, needs a look.
    if (report.failures.isEmpty())
        return;
    const QString summary = ActionReportText::summary(report, skipped);
    const QString details = ActionReportText::details(report);
    auto *box = new QMessageBox(report.failures.isEmpty() ? QMessageBox::Information : QMessageBox::Warning, summary,
                                summary, QMessageBox::Ok, &m_window);
    box->setInformativeText(details);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
