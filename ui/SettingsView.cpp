// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SettingsView.h"

#include "scanner/RemnantScanner.h"
#include "ui/FormSection.h"
#include "ui/ProminentButton.h"
#include "ui/ThemedLabel.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SettingsView::SettingsView(RemnantScanner &scanner, QWidget *parent)
    : QDialog(parent)
    , m_scanner(scanner)
{
    setWindowTitle(tr("Leftscan Settings"));
    setFixedSize(500, 320);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->setSpacing(12);

    auto *options = new FormSection(tr("Scan Options"));
    QVBoxLayout *optionsLayout = options->rows();
    auto *row = new QWidget;
    row->setToolTip(tr("Files not accessed for this many days are considered stale"));
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto *label = new ThemedLabel(tr("Stale threshold (days)"), Theme::TextStyle::body);
    rowLayout->addWidget(label);
    rowLayout->addStretch(1);
    m_field = new QLineEdit;
    m_field->setFixedWidth(80);
    m_field->setPlaceholderText(tr("Days"));
    m_field->setAlignment(Qt::AlignRight);
    m_field->setAccessibleName(tr("Stale threshold (days)"));
    label->setBuddy(m_field);
    rowLayout->addWidget(m_field);
    optionsLayout->addWidget(row);
    m_explanation = new ThemedLabel(QString(), Theme::TextStyle::caption, Theme::secondaryLabel);
    m_explanation->setWordWrap(true);
    optionsLayout->addWidget(m_explanation);
    layout->addWidget(options);

    auto *cache = new FormSection(tr("Cache"));
    QVBoxLayout *cacheLayout = cache->rows();
    m_clearCache = new ProminentButton(tr("Clear Identification Cache"), {}, ProminentButton::Style::bordered);
    m_clearCache->setToolTip(tr("Clears cached identification results"));
    cacheLayout->addWidget(m_clearCache, 0, Qt::AlignLeft);
    auto *note = new ThemedLabel(tr("The app uses local heuristics and pattern matching to identify apps. "
                                    "Results are cached for 7 days to improve performance."),
                                 Theme::TextStyle::caption, Theme::secondaryLabel);
    note->setWordWrap(true);
    cacheLayout->addWidget(note);
    layout->addWidget(cache);
    layout->addStretch(1);
    // Changes apply as they are made; Close, like Escape, only closes the window.
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_buttons);

    connect(m_field, &QLineEdit::editingFinished, this, &SettingsView::commit);
    connect(&scanner, &RemnantScanner::staleThresholdDaysChanged, this, &SettingsView::showThreshold);
    connect(m_clearCache, &QPushButton::clicked, this, [this] {
        // Runs after the click returns; the service serialises it with any identification under way.
        QMetaObject::invokeMethod(
            this, [this] { m_scanner.clearIdentificationCache(); }, Qt::QueuedConnection);
    });
    showThreshold();
}

void SettingsView::commit()
{
    bool ok = false;
    const int days = locale().toInt(m_field->text().trimmed(), &ok);
    if (ok)
        m_scanner.setStaleThresholdDays(days);
    showThreshold();
}

void SettingsView::showThreshold()
{
    const int days = m_scanner.staleThresholdDays();
    if (!m_field->hasFocus() || m_field->text() != locale().toString(days))
        m_field->setText(locale().toString(days));
    m_explanation->setText(tr("Files that haven't been accessed for %1 days will be marked as stale.").arg(days));
}
