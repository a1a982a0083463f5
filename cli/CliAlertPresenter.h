#pragma once

#include "scanner/AlertPresenter.h"

// Alerts on a terminal. By default every alert is written to standard error and declined with its
// "Not Now", "Cancel" or "OK" button; when asked to, the administrator prompt is put to the user on the
// terminal instead.
class CliAlertPresenter : public AlertPresenter {
public:
    explicit CliAlertPresenter(bool askOnTerminal = false);

    int runModal(const Alert &alert) override;
    void openLink(const QString &link) override;

private:
    bool m_askOnTerminal;
};
