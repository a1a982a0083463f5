// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ManualView.h"

#include "ui/ManualMarkup.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString page(const QString &name)
{
    QFile file(QStringLiteral(":/manual/%1.1.scd").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ManualMarkup::toHtml(QString::fromUtf8(file.readAll()));
}

} // namespace

ManualView::ManualView(QWidget *parent)
    : QDialog(parent)
    , m_browser(new QTextBrowser)
{
    setWindowTitle(tr("Leftscan Manual"));
    resize(760, 680);
    auto *layout = new QVBoxLayout(this);
    m_browser->setOpenExternalLinks(true);
    m_browser->setHtml(page(QStringLiteral("leftscan")) + QStringLiteral("<hr>") +
                       page(QStringLiteral("leftscan-cli")));
    layout->addWidget(m_browser, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
