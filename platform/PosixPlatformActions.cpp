// The actions of the POSIX platform: Trash, tags and privileged commands.
#include "platform/PosixPlatform.h"

TrashOutcome PosixPlatform::moveToTrash(const std::filesystem::path &) const
{
    return TrashOutcome{false, {}, QStringLiteral("not available yet")};
}

std::optional<TrashSlot> PosixPlatform::reserveTrashSlot(const std::filesystem::path &) const
{
    return std::nullopt;
}

void PosixPlatform::releaseTrashSlot(const TrashSlot &) const {}

std::optional<QString> PosixPlatform::setTags(const std::filesystem::path &, const QStringList &) const
{
    return QStringLiteral("not available yet");
}

ScriptOutcome PosixPlatform::runAutomationProbe() const
{
    return ScriptOutcome{true, std::nullopt, QString()};
}

ScriptOutcome PosixPlatform::runAdministratorCommand(const QByteArray &) const
{
    return ScriptOutcome{false, std::nullopt, QStringLiteral("not available yet")};
}

bool PosixPlatform::isMacOS() const
{
#ifdef __APPLE__
    return true;
#else
    return false;
#endif
}
