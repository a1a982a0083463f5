// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ScanningPlaceholder.h"

#include "ui/ScanStatusText.h"

#include "scanner/RemnantScanner.h"
#include "ui/PlaceholderStack.h"
#include "ui/ProminentButton.h"
#include "ui/Spinner.h"
#include "ui/ThemedLabel.h"

ScanningPlaceholder::ScanningPlaceholder(RemnantScanner &scanner, QWidget *parent)
    : QWidget(parent)
{
    auto *stack = new PlaceholderStack(this, 12);
    auto *spinner = new Spinner(30);
    stack->addCentered(spinner);
    stack->addSpacing(15);
    auto *status = new ThemedLabel(ScanStatusText::of(scanner.scanStatus()), Theme::TextStyle::headline);
    stack->addCentered(status);
    stack->addCentered(new ThemedLabel(tr("Searching for app leftovers... this can take a few minutes..."),
                                       Theme::TextStyle::body, Theme::secondaryLabel));
    stack->addSpacing(8);
    auto *stop = new ProminentButton(tr("Stop Scan"), QStringLiteral("stop.fill"), ProminentButton::Style::bordered);
    stop->setToolTip(tr("Keeps what was found so far (Esc)"));
    stack->addCentered(stop);
    connect(stop, &QAbstractButton::clicked, this, &ScanningPlaceholder::stopScanRequested);
    stack->finish();
    connect(&scanner, &RemnantScanner::scanStatusChanged, status,
            [status](const ScanStatus &value) { status->setText(ScanStatusText::of(value)); });
}
