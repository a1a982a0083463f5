#pragma once

#include <QWidget>

// Shown when a scan found nothing or the filters hide everything.
class EmptyResultsView : public QWidget {
    Q_OBJECT

public:
    explicit EmptyResultsView(QWidget *parent = nullptr);
};
