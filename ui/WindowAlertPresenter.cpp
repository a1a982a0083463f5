// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WindowAlertPresenter.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

std::unique_ptr<QMessageBox> WindowAlertPresenter::messageBox(const AlertText &text, QWidget *parent,
                                                              QList<QPushButton *> &buttons)
{
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Warning, text.message, text.message, QMessageBox::NoButton, parent);
    box->setInformativeText(text.informativeText);
    // The box wraps only a text it takes for rich text; a long plain message would run out of it.
    if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        label->setWordWrap(true);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 60);
    }
    if (!text.detailedText.isEmpty())
        box->setDetailedText(text.detailedText);
    for (qsizetype i = 0; i < text.buttons.size(); ++i) {
        // One role for all keeps the buttons in the order given on every desktop's button layout.
        QPushButton *button = box->addButton(text.buttons[i], QMessageBox::ActionRole);
        if (i == 0)
            box->setDefaultButton(button);
        if (i == text.escapeButton)
            box->setEscapeButton(button);
        buttons.append(button);
    }
    return box;
}

int WindowAlertPresenter::run(const AlertText &text, QWidget *parent)
{
    QList<QPushButton *> buttons;
    const std::unique_ptr<QMessageBox> box = messageBox(text, parent, buttons);
    box->exec();
    return int(buttons.indexOf(static_cast<QPushButton *>(box->clickedButton())));
}

int WindowAlertPresenter::choose(const AlertText &text)
{
    return run(text, m_window);
}

void WindowAlertPresenter::openLink(const QString &link)
{
    QDesktopServices::openUrl(QUrl(link));
}
