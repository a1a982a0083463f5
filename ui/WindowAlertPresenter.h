// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scanner/AlertPresenter.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class QMessageBox;
class QPushButton;

// The engine's questions as modal warning dialogs over the main window, with the buttons in the order given.
class WindowAlertPresenter : public AlertPresenter {
public:
    void setParentWindow(QWidget *window) { m_window = window; }

    int runModal(const Alert &alert) override;
    void openLink(const QString &link) override;

    // The dialog that runModal shows, with its buttons in the order of the alert's.
    static std::unique_ptr<QMessageBox> messageBox(const Alert &alert, QWidget *parent, QList<QPushButton *> &buttons);

private:
    QPointer<QWidget> m_window;
};
