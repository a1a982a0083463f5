#pragma once

#include "scanner/AlertPresenter.h"

#include <QPointer>
#include <QWidget>

// The engine's questions as modal warning dialogs over the main window, with the buttons in the order given.
class WindowAlertPresenter : public AlertPresenter {
public:
    void setParentWindow(QWidget *window) { m_window = window; }

    int runModal(const Alert &alert) override;
    void openLink(const QString &link) override;

private:
    QPointer<QWidget> m_window;
};
