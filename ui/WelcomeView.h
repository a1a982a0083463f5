#pragma once

#include <QWidget>

class QPushButton;

// Shown before the first scan: the app's symbol, a greeting and the button that starts a scan.
class WelcomeView : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeView(QWidget *parent = nullptr);

signals:
    void startScanRequested();

private:
    QPushButton *m_start;
};
