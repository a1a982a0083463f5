// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/DetailView.h"

#include "platform/ProgramTranslations.h"
#include "scanner/Profile.h"
#include "scanner/RemnantScanner.h"
#include "ui/Appearance.h"
#include "ui/ByteCountFormatter.h"
#include "ui/DisplayText.h"
#include "ui/EvidenceText.h"
#include "ui/InfoBlock.h"
#include "ui/MediumDateFormatter.h"
#include "ui/MetaCell.h"
#include "ui/PillLabel.h"
#include "ui/ProfileText.h"
#include "ui/ProminentButton.h"
#include "ui/RemnantActions.h"
#include "ui/SeparatorLine.h"
#include "ui/Spinner.h"
#include "ui/SymbolLabel.h"
#include "ui/ThemedLabel.h"
#include "ui/UserFilesText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QVBoxLayout>
#include <limits>

namespace {

SymbolLabel::ColorSource systemColor(SystemColor color)
{
    return [color] {
        return Theme::color(color);
    };
}

// Says how long the item has gone unused without claiming that nothing inside changed when its census found a change.
QString longUnusedText(const RemnantItem &item)
{
    const qint64 days = item.daysSinceLastUse().value_or(0);
    if (item.lastUseIsOpening())
        return DetailView::tr("This item hasn't been opened or used for %1 days.").arg(days);
    const std::optional<QDateTime> inside = item.newestInside();
    if (inside && item.lastModified() && *inside > *item.lastModified())
        return DetailView::tr("The item itself has not changed for %n days.", nullptr, int(days));
    return DetailView::tr("Nothing in this item has changed for %1 days.").arg(days);
}

} // namespace

DetailView::DetailView(RemnantScanner &scanner, RemnantActions &actions, QWidget *parent)
    : QScrollArea(parent)
    , m_scanner(scanner)
    , m_actions(actions)
{
    // The item shown is drawn again when its action or its measurement changes.
    const auto follow = [this] {
        if (m_item && (m_item->action() != m_shownAction || m_item->sizeOnDisk() != m_shownSize))
            rebuild();
    };
    connect(&scanner.session(), &ScanSession::actionsChanged, this, follow);
    connect(&scanner.session(), &ScanSession::itemsMeasured, this, follow);
    // A pass that ends without measuring the item shown (it was stopped) takes the spinner away.
    connect(&scanner, &RemnantScanner::isMeasuringSizesChanged, this, [this] {
        if (m_item && !m_item->sizeOnDisk())
            rebuild();
    });
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAccessibleName(tr("Details"));
}

void DetailView::setRemnant(const RemnantItemPtr &item)
{
    if (m_item == item)
        return;
    m_item = item;
    rebuild();
}

void DetailView::rebuild()
{
    if (QWidget *old = takeWidget())
        old->deleteLater();
    m_reveal = m_tag = m_trash = nullptr;
    m_shownAction = m_item ? m_item->action() : RemnantAction::none();
    m_shownSize = m_item ? m_item->sizeOnDisk() : std::nullopt;
    auto *content = new QWidget;
    m_content = content;
    content->setObjectName(QStringLiteral("detailContent"));
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);
    if (!m_item) {
        layout->addStretch(1);
        setWidget(content);
        return;
    }
    const RemnantItem &item = *m_item;

    // Header: symbol, name and badges; below them the size.
    auto *header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(
        new SymbolLabel(Appearance::symbol(item.category()), 20, systemColor(Appearance::color(item.category()))));
    auto *name = new ThemedLabel(item.name(), Theme::TextStyle::title2);
    name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    name->setMinimumWidth(80);
    header->addWidget(name, 1);
    auto *badges = new QHBoxLayout;
    badges->setSpacing(6);
    badges->addWidget(new PillLabel(DisplayText::of(item.risk()), Appearance::symbol(item.risk()),
                                    Appearance::color(item.risk()), 0.12));
    if (item.status() == RemnantStatus::orphan)
        badges->addWidget(new PillLabel(tr("Orphan – no app found"), QStringLiteral("questionmark.circle.fill"),
                                        SystemColor::red, 0.10));
    if (item.action().kind() == RemnantAction::Kind::trashed)
        badges->addWidget(
            new PillLabel(tr("In the Trash"), QStringLiteral("trash.fill"), SystemColor::secondaryLabel, 0.10));
    if (const std::optional<FinderTagColor> tag = item.action().tag()) {
        auto *tagged = new PillLabel(tr("Tagged"), QString(), std::nullopt, 0);
        tagged->setDot(Appearance::color(*tag));
        badges->addWidget(tagged);
    }
    header->addLayout(badges);
    layout->addLayout(header);
    layout->addWidget(sizeView(item));
    layout->addWidget(new SeparatorLine);

    // The facts; a cell whose fact is missing is left out and the next moves up.
    QList<MetaCell *> cells;
    cells.append(new MetaCell(QStringLiteral("folder.fill"), tr("Category"), DisplayText::of(item.category()),
                              systemColor(Appearance::color(item.category()))));
    const bool hasIdentifier = item.bundleIdentifier().has_value();
    cells.append(new MetaCell(QStringLiteral("tag.fill"), ProfileText::ownerIdentifierLabel(m_scanner.profile().name()),
                              item.bundleIdentifier().value_or(tr("Not found")),
                              systemColor(hasIdentifier ? SystemColor::blue : SystemColor::red)));
    if (item.matchedAppName()) {
        // Green says the owner is there; an owner that is gone, or was never told, is only named.
        const bool installed = item.status() == RemnantStatus::stale && !item.isOwnerUnnamed();
        const QString owner = item.isOwnerUnnamed() ? tr("Unknown")
                              : installed           ? *item.matchedAppName()
                                                    : tr("%1 (not installed)").arg(*item.matchedAppName());
        cells.append(new MetaCell(QStringLiteral("app.fill"), tr("Associated App"), owner,
                                  installed ? systemColor(SystemColor::green)
                                            : SymbolLabel::ColorSource(Theme::secondaryLabel)));
    }
    if (item.daysSinceLastUse())
        cells.append(new MetaCell(
            QStringLiteral("clock.fill"), item.lastUseIsOpening() ? tr("Last used") : tr("Last changed"),
            DisplayText::lastUsed(item),
            item.isLongUnused() ? systemColor(SystemColor::orange) : SymbolLabel::ColorSource(Theme::secondaryLabel)));
    if (item.creationDate())
        cells.append(
            new MetaCell(QStringLiteral("calendar"), tr("Created"),
                         MediumDateFormatter::format(*item.creationDate(), ProgramTranslations::displayLocale()),
                         Theme::secondaryLabel));
    if (item.lastModified())
        cells.append(
            new MetaCell(QStringLiteral("pencil.circle.fill"), tr("Last modified"),
                         MediumDateFormatter::format(*item.lastModified(), ProgramTranslations::displayLocale()),
                         Theme::secondaryLabel));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(12);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    for (qsizetype i = 0; i < cells.size(); ++i)
        grid->addWidget(cells[i], int(i / 2), int(i % 2));
    layout->addLayout(grid);

    layout->addWidget(
        new InfoBlock(QStringLiteral("map.fill"), tr("Path"), item.displayPath(), InfoBlock::Look::monospaced));
    if (item.holdsUserFiles()) {
        QStringList lines{tr("%1, for example:").arg(UserFilesText::counts(*item.census()))};
        for (const std::string &path : item.census()->sample)
            lines.append(QStringLiteral("  ") + QString::fromUtf8(path));
        lines.append(tr("Make sure you have kept what you need before moving it to the Trash."));
        layout->addWidget(new InfoBlock(QStringLiteral("lock.shield.fill"), tr("Holds your own files"),
                                        lines.join(QLatin1Char('\n')), InfoBlock::Look::warning));
    }
    if (item.wasUsedRecently())
        layout->addWidget(new InfoBlock(
            QStringLiteral("clock.fill"), tr("Used recently"),
            tr("Something inside changed %1.%2")
                .arg(UserFilesText::newestChange(item),
                     item.isLongUnused()
                         ? tr(" The item itself looks unused, but a program may still be writing into it.")
                         : QString()),
            InfoBlock::Look::warning));
    if (!item.evidence().isEmpty()) {
        const QString evidence = EvidenceText::text(item.evidence());
        layout->addWidget(new InfoBlock(QStringLiteral("lightbulb.fill"), tr("Why this app"),
                                        item.isWeakMatch() ? tr("weak match: %1").arg(evidence) : evidence,
                                        InfoBlock::Look::monospaced));
    }
    if (item.isLongUnused())
        layout->addWidget(new InfoBlock(QStringLiteral("exclamationmark.triangle.fill"), tr("Not used for a long time"),
                                        longUnusedText(item), InfoBlock::Look::warning));
    if (item.hasLookalikes())
        layout->addWidget(new InfoBlock(QStringLiteral("exclamationmark.triangle.fill"),
                                        tr("May belong to an installed app"),
                                        tr("Its name also matches %1, which is installed. Check before moving it "
                                           "to the Trash.",
                                           nullptr, int(item.lookalikes().size()))
                                            .arg(item.lookalikes().join(QStringLiteral(", "))),
                                        InfoBlock::Look::warning));

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    m_reveal = new ProminentButton(ProfileText::revealActionTitle(m_scanner.profile().name()),
                                   QStringLiteral("folder.badge.magnifyingglass"), ProminentButton::Style::bordered);
    m_tag = new ProminentButton(tr("Tag with color"), QStringLiteral("tag.fill"), ProminentButton::Style::bordered);
    m_trash = new ProminentButton(tr("Move to Trash"), QStringLiteral("trash.fill"));
    m_trash->setTint(SystemColor::red);
    // What is in the Trash already can be put back with Undo, not moved again.
    const bool trashed = item.action().kind() == RemnantAction::Kind::trashed;
    for (ProminentButton *button : {m_reveal, m_tag, m_trash}) {
        button->setMinimumHeight(30);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setEnabled(!trashed);
        buttons->addWidget(button);
    }
    m_trash->setVisible(!trashed);
    layout->addLayout(buttons);
    layout->addStretch(1);

    const RemnantItemPtr shown = m_item;
    connect(m_reveal, &QAbstractButton::clicked, this, [this, shown] { m_actions.reveal(shown); });
    connect(m_tag, &QAbstractButton::clicked, this,
            [this, shown] { m_actions.chooseTag(shown, TagActionView::Presentation::sheet); });
    connect(m_trash, &QAbstractButton::clicked, this, [this, shown] { m_actions.confirmTrash(shown); });
    setWidget(content);
}

QWidget *DetailView::sizeView(const RemnantItem &item) const
{
    auto *view = new QWidget;
    view->setObjectName(QStringLiteral("detailSize"));
    auto *row = new QHBoxLayout(view);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    if (!item.sizeOnDisk() && m_scanner.isMeasuringSizes()) {
        row->addWidget(new Spinner(14));
        row->addWidget(new ThemedLabel(DisplayText::measuring(), Theme::TextStyle::title3, Theme::secondaryLabel));
    } else {
        const QString size = DisplayText::fileSize(item.displayedSize());
        row->addWidget(
            new ThemedLabel(item.sizePartial() ? tr("at least %1").arg(size) : size, Theme::TextStyle::title3));
        if (item.sizeOnDisk()) {
            const qint64 files = item.itemCount();
            const int plural = int(std::min<qint64>(files, std::numeric_limits<int>::max()));
            const QString count = (files == 1 ? tr("%1 file") : tr("%1 files", nullptr, plural))
                                      .arg(ProgramTranslations::displayLocale().toString(files));
            row->addWidget(new ThemedLabel(item.sizePartial() ? tr("at least %1").arg(count) : count,
                                           Theme::TextStyle::callout, Theme::secondaryLabel),
                           0, Qt::AlignBottom);
        }
    }
    row->addStretch(1);
    return view;
}

QList<MetaCell *> DetailView::cells() const
{
    return m_content ? m_content->findChildren<MetaCell *>() : QList<MetaCell *>();
}

InfoBlock *DetailView::block(const QString &title) const
{
    if (!m_content)
        return nullptr;
    for (InfoBlock *block : m_content->findChildren<InfoBlock *>()) {
        if (block->title() == title)
            return block;
    }
    return nullptr;
}
