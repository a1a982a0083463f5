#include "ui/ScanningPlaceholder.h"

#include "scanner/RemnantScanner.h"
#include "ui/PlaceholderStack.h"
#include "ui/Spinner.h"
#include "ui/ThemedLabel.h"

ScanningPlaceholder::ScanningPlaceholder(RemnantScanner &scanner, QWidget *parent)
    : QWidget(parent)
{
    auto *stack = new PlaceholderStack(this, 12);
    auto *spinner = new Spinner(30);
    stack->addCentered(spinner);
    stack->addSpacing(15);
    m_status = new ThemedLabel(scanner.scanStatus(), Theme::TextStyle::headline);
    stack->addCentered(m_status);
    stack->addCentered(new ThemedLabel(QStringLiteral("Searching for app leftovers... this can take a few minutes..."),
                                       Theme::TextStyle::body, Theme::secondaryLabel));
    stack->finish();
    connect(&scanner, &RemnantScanner::scanStatusChanged, m_status, &QLabel::setText);
}

QString ScanningPlaceholder::statusText() const
{
    return m_status->text();
}
