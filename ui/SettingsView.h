// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RemnantScanner;

// The settings window: the stale threshold, shared live with the list's stepper, and clearing the
// identification cache. Nothing is stored.
class SettingsView : public QDialog {
    Q_OBJECT

public:
    explicit SettingsView(RemnantScanner &scanner, QWidget *parent = nullptr);

    QLineEdit *thresholdField() const { return m_field; }
    QLabel *explanation() const { return m_explanation; }
    QDialogButtonBox *buttons() const { return m_buttons; }

private:
    void commit();
    void showThreshold();

    RemnantScanner &m_scanner;
    QLineEdit *m_field;
    QLabel *m_explanation;
    QPushButton *m_clearCache;
    QDialogButtonBox *m_buttons;
};
