// The permission probes of the scanner and its two actions on single items: moving to the Trash, with the
// administrator fallback, and tagging.
#include "scanner/RemnantScanner.h"

#include "platform/AdministratorCommand.h"
#include "platform/DiagnosticLog.h"
#include "platform/PathNames.h"
#include "platform/Platform.h"
#include "scanner/AlertPresenter.h"

namespace fs = std::filesystem;

namespace {

constexpr int RefusedControlError = -1743;
const QString RefusedControlText =
    QStringLiteral("System Settings > Privacy & Security > Automation: allow Leftscan to control System Events.");

fs::path privacyDatabase(const Platform &platform)
{
    return platform.homeDirectory() / "Library" / "Application Support" / "com.apple.TCC" / "TCC.db";
}

} // namespace

void RemnantScanner::triggerFullDiskAccessRegistration() const
{
    // Reaching for protected data is what makes the Mac list the application under Full Disk Access.
    // Nothing is read or kept; elsewhere these folders are simply listed.
    const fs::path library = m_platform->homeDirectory() / "Library";
    for (const char *folder : {"Mail", "Safari"})
        m_platform->listDirectory(library / folder, Platform::Hidden::Include);
    if (m_platform->isMacOS())
        m_platform->isReadable(privacyDatabase(*m_platform));
}

bool RemnantScanner::hasFullDiskAccess() const
{
    // Elsewhere there is no privacy control: the Library itself must be readable.
    if (m_platform->isMacOS())
        return m_platform->isReadable(privacyDatabase(*m_platform));
    return m_platform->isReadable(m_platform->homeDirectory() / "Library");
}

void RemnantScanner::promptForFullDiskAccess()
{
    if (m_didPromptFullDiskAccessThisLaunch)
        return;
    m_didPromptFullDiskAccessThisLaunch = true;
    if (hasFullDiskAccess())
        return;
    const int answer = m_alerts.runModal(
        {QStringLiteral("Full Disk Access required"),
         QStringLiteral("Leftscan needs Full Disk Access to scan all leftover files. Open System Settings to allow "
                        "access?"),
         {QStringLiteral("Open Settings"), QStringLiteral("Not Now")}});
    if (answer == AlertPresenter::FirstButton)
        m_alerts.openLink(QString::fromLatin1(FullDiskAccessLink));
}

void RemnantScanner::checkAutomationAccess()
{
    if (m_didPromptAutomationThisLaunch)
        return;
    m_didPromptAutomationThisLaunch = true;
    const ScriptOutcome outcome = m_platform->runAutomationProbe();
    if (outcome.success || outcome.errorNumber != RefusedControlError)
        return;
    const int answer = m_alerts.runModal(
        {QStringLiteral("Automation access required"),
         QStringLiteral("Leftscan needs Automation permission to move protected items to Trash. Open System "
                        "Settings to allow access?"),
         {QStringLiteral("Open Settings"), QStringLiteral("Not Now")}});
    if (answer == AlertPresenter::FirstButton)
        m_alerts.openLink(QString::fromLatin1(AutomationLink));
}

void RemnantScanner::moveToTrash(const RemnantItemPtr &item)
{
    const QString name = item->name();
    const TrashOutcome trashed = m_platform->moveToTrash(item->url());
    if (trashed.success) {
        item->setAction(RemnantAction::trashed());
        removeRemnant(item);
        DiagnosticLog::write(QStringLiteral("✅ Moved to Trash: ") + name);
        return;
    }

    const int answer = m_alerts.runModal(
        {QStringLiteral("Admin rights required"),
         QStringLiteral("The item '%1' requires administrator privileges to move to Trash. Do you want to continue?")
             .arg(name),
         {QStringLiteral("Continue"), QStringLiteral("Open Settings"), QStringLiteral("Cancel")}});
    if (answer == AlertPresenter::FirstButton + 1) {
        m_alerts.openLink(QString::fromLatin1(AutomationLink));
        return;
    }
    if (answer != AlertPresenter::FirstButton)
        return;

    const ScriptOutcome outcome = moveToTrashWithAdminRights(item);
    if (outcome.success) {
        item->setAction(RemnantAction::trashed());
        removeRemnant(item);
        DiagnosticLog::write(QStringLiteral("✅ Moved to Trash with admin rights: ") + name);
        return;
    }
    const QString detail = outcome.errorNumber == RefusedControlError ? RefusedControlText : trashed.errorDescription;
    const int choice = m_alerts.runModal(
        {QStringLiteral("Error while deleting"),
         RefusedControlText + QStringLiteral("\n\nThe file '%1' could not be deleted.\n\nError: %2").arg(name, detail),
         {QStringLiteral("OK"), QStringLiteral("Open Settings")}});
    if (choice == AlertPresenter::FirstButton + 1)
        m_alerts.openLink(QString::fromLatin1(FullDiskAccessLink));
}

ScriptOutcome RemnantScanner::moveToTrashWithAdminRights(const RemnantItemPtr &item)
{
    // The item goes to a free name in the user's own Trash, given as an absolute path, so that nothing there is
    // replaced and a shell running as the administrator cannot mistake whose Trash is meant.
    const std::optional<TrashSlot> slot = m_platform->reserveTrashSlot(item->url());
    if (!slot)
        return ScriptOutcome{false, std::nullopt, QStringLiteral("The Trash cannot be written")};
    const ScriptOutcome outcome =
        m_platform->runAdministratorCommand(AdministratorCommand::moveCommand(item->url(), slot->destination));
    if (!outcome.success) {
        m_platform->releaseTrashSlot(*slot);
        DiagnosticLog::write(QStringLiteral("❌ AppleScript error: ") + outcome.description);
        return outcome;
    }
    if (m_platform->exists(item->url()) || m_platform->attributes(item->url()).modified) {
        if (!m_platform->attributes(slot->destination).modified)
            m_platform->releaseTrashSlot(*slot);
        DiagnosticLog::write(QString::fromUtf8("⚠️ AppleScript meldet Erfolg, Datei existiert noch"));
        return ScriptOutcome{false, std::nullopt, QString()};
    }
    DiagnosticLog::write(QStringLiteral("✅ Deleted with admin rights (AppleScript)"));
    return ScriptOutcome{true, std::nullopt, QString()};
}

void RemnantScanner::applyTag(const RemnantItemPtr &item, FinderTagColor color)
{
    if (const auto error = m_platform->setTags(item->url(), {rawValue(color)})) {
        DiagnosticLog::write(QStringLiteral("Tagging error: ") + *error);
        return;
    }
    item->setAction(RemnantAction::tagged(color));
}
