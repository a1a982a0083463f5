// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WindowAlertPresenter.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

std::unique_ptr<QMessageBox> WindowAlertPresenter::messageBox(const Alert &alert, QWidget *parent,
                                                              QList<QPushButton *> &buttons)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, alert.message, alert.message, QMessageBox::NoButton,
                                             parent);
    box->setInformativeText(alert.informativeText);
    if (!alert.detailedText.isEmpty())
        box->setDetailedText(alert.detailedText);
    for (qsizetype i = 0; i < alert.buttons.size(); ++i) {
        const QString &title = alert.buttons[i];
        // The engine's buttons are English; the window's are in the program's language.
        const bool cancels = title == QStringLiteral("Cancel") || title == QStringLiteral("Not Now") ||
                             title == QCoreApplication::translate("WindowAlertPresenter", "Cancel") ||
                             title == QCoreApplication::translate("WindowAlertPresenter", "Not Now");
        // One role for all keeps the buttons in the order given on every desktop's button layout.
        QPushButton *button = box->addButton(title, QMessageBox::ActionRole);
        if (i == 0)
            box->setDefaultButton(button);
        if (cancels)
            box->setEscapeButton(button);
        buttons.append(button);
    }
    return box;
}

int WindowAlertPresenter::runModal(const Alert &alert)
{
    QList<QPushButton *> buttons;
    const std::unique_ptr<QMessageBox> box = messageBox(alert, m_window, buttons);
    box->exec();
    const qsizetype chosen = buttons.indexOf(static_cast<QPushButton *>(box->clickedButton()));
    return FirstButton + int(chosen >= 0 ? chosen : alert.buttons.size() - 1);
}

void WindowAlertPresenter::openLink(const QString &link)
{
    QDesktopServices::openUrl(QUrl(link));
}
