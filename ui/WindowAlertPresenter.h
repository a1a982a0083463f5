// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/TextAlertPresenter.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class QMessageBox;
class QPushButton;

// The engine's questions as modal warning dialogs over the main window, with the buttons in the order given.
class WindowAlertPresenter : public TextAlertPresenter {
public:
    void setParentWindow(QWidget *window) { m_window = window; }

    int choose(const AlertText &text) override;
    void openLink(const QString &link) override;

    // Shows the dialog modally over `parent`; the index of the button chosen, or -1.
    static int run(const AlertText &text, QWidget *parent);
    // The dialog that run() shows, with its buttons in the order of the alert's.
    static std::unique_ptr<QMessageBox> messageBox(const AlertText &text, QWidget *parent,
                                                   QList<QPushButton *> &buttons);

private:
    QPointer<QWidget> m_window;
};
