#include "platform/FreedesktopTrash.h"

#include "platform/ExclusiveRename.h"
#include "platform/FileStatus.h"
#include "platform/PathNames.h"
#include "platform/TrashInfo.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view InfoSuffix = ".trashinfo";
static_assert(FreedesktopTrash::MaximumNameBytes + InfoSuffix.size() == 255);
// Candidate names tried for one item before the Trash counts as full.
constexpr int MaximumCandidates = 10000;
// Times a move is tried again when its reserved name was taken in files/ meanwhile.
constexpr int MaximumAttempts = 20;
// Longer endings are not treated as extensions that a numbered name keeps at its end.
constexpr std::size_t MaximumExtensionBytes = 32;

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

fs::path absoluteItem(const fs::path &item)
{
    std::error_code error;
    fs::path absolute = fs::absolute(item, error);
    if (error)
        absolute = item;
    return fs::path(withoutTrailingSlashes(absolute.native()));
}

bool isMovableName(const std::string &name)
{
    return !name.empty() && name != "." && name != ".." && name != "/";
}

std::string deletionDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return std::string(text, length);
}

// The longest prefix of `text` of at most `limit` bytes that does not end inside a UTF-8 character. Text that
// is not UTF-8 at that place is cut at the byte.
std::size_t characterBoundary(std::string_view text, std::size_t limit)
{
    if (limit >= text.size())
        return text.size();
    const auto isContinuation = [&](std::size_t at) {
        return (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
    };
    std::size_t cut = limit;
    for (int step = 0; step < 3 && cut > 0 && isContinuation(cut); ++step)
        --cut;
    return isContinuation(cut) ? limit : cut;
}

// The name of the numbered candidate for an item: its own name, then "name 2", "name 3"..., the number going
// before the extension of a file. A name too long for the Trash is shortened at the end of its stem, so that
// the number and the extension stay whole.
std::string candidateName(std::string_view name, int number, bool isDirectory)
{
    std::string_view stem = name;
    std::string_view extension;
    const auto dot = name.rfind('.');
    if (!isDirectory && dot != std::string_view::npos && dot > 0 && dot + 1 < name.size() &&
        name.size() - dot <= MaximumExtensionBytes) {
        stem = name.substr(0, dot);
        extension = name.substr(dot);
    }
    std::string suffix;
    if (number > 1)
        suffix.append(1, ' ').append(std::to_string(number));
    const std::size_t room = FreedesktopTrash::MaximumNameBytes - suffix.size() - extension.size();
    stem = stem.substr(0, characterBoundary(stem, room));
    std::string candidate;
    candidate.reserve(stem.size() + suffix.size() + extension.size());
    candidate.append(stem).append(suffix).append(extension);
    return candidate;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

bool isAbsent(const fs::path &path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

bool isPresent(const fs::path &path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

// Creates the folder and its missing parents, each with mode 0700.
bool makeFolderPath(const fs::path &folder, int &error)
{
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return true;
        error = ENOTDIR;
        return false;
    }
    if (errno != ENOENT) {
        error = errno;
        return false;
    }
    const fs::path parent = folder.parent_path();
    if (!parent.empty() && parent != folder && !makeFolderPath(parent, error))
        return false;
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = errno;
        return false;
    }
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        error = ENOTDIR;
        return false;
    }
    return true;
}

// A folder of the user's own for a top-directory Trash: created when missing, and used only when it is a real
// folder (not a symbolic link) that belongs to the user, as nobody else may choose where the user's items go.
bool isOwnFolder(const fs::path &folder, QString &problem)
{
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        problem = qt_error_string(errno);
        return false;
    }
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0) {
        problem = qt_error_string(errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != geteuid()) {
        problem = QStringLiteral("it is not a folder of this user");
        return false;
    }
    return true;
}

TrashOutcome failure(QString description, int errorNumber = 0)
{
    TrashOutcome outcome;
    outcome.errorDescription = std::move(description);
    outcome.errorNumber = errorNumber;
    return outcome;
}

QString cannotMove(const fs::path &item, const QString &reason)
{
    return QStringLiteral("Cannot move '%1' to the Trash: %2").arg(PathNames::fileName(item), reason);
}

} // namespace

FreedesktopTrash::FreedesktopTrash(fs::path homeTrash)
    : m_folder(withoutTrailingSlashes(homeTrash.native()))
{}

FreedesktopTrash::FreedesktopTrash(fs::path folder, fs::path topDirectory)
    : m_folder(std::move(folder))
    , m_topDirectory(std::move(topDirectory))
{}

fs::path FreedesktopTrash::homeTrashFor(const fs::path &home)
{
    const char *ownHome = std::getenv("HOME");
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    const auto normal = [](const fs::path &path) {
        return withoutTrailingSlashes(path.lexically_normal().native());
    };
    if (ownHome && *ownHome && dataHome && *dataHome == '/' && normal(ownHome) == normal(home))
        return fs::path(dataHome) / "Trash";
    return home / ".local" / "share" / "Trash";
}

bool FreedesktopTrash::makeFolders(int &error) const
{
    return makeFolderPath(m_folder, error) && makeFolderPath(m_folder / "files", error) &&
           makeFolderPath(m_folder / "info", error);
}

std::string FreedesktopTrash::recordedPath(const fs::path &item) const
{
    if (m_topDirectory.empty())
        return item.native();
    std::error_code error;
    const fs::path parent = fs::canonical(item.parent_path(), error);
    if (error)
        return item.native();
    const fs::path relative = (parent / item.filename()).lexically_relative(m_topDirectory);
    if (relative.empty() || *relative.begin() == "..")
        return item.native();
    return relative.native();
}

std::optional<FreedesktopTrash::Reservation> FreedesktopTrash::reserveName(const fs::path &item, bool isDirectory,
                                                                           int &error) const
{
    if (!makeFolders(error))
        return std::nullopt;
    const std::string contents = TrashInfo{recordedPath(item), deletionDate()}.text();
    const std::string name = item.filename().native();
    for (int number = 1; number <= MaximumCandidates; ++number) {
        const std::string candidate = candidateName(name, number, isDirectory);
        Reservation reservation{m_folder / "files" / candidate,
                                m_folder / "info" / (candidate + std::string(InfoSuffix))};
        const int fd =
            open(reservation.infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            error = errno;
            return std::nullopt;
        }
        const bool written = writeAll(fd, contents);
        const int writeError = errno;
        const bool closed = close(fd) == 0;
        if (!written || !closed) {
            error = written ? errno : writeError;
            unlink(reservation.infoPath.c_str());
            return std::nullopt;
        }
        // files/ may hold an item without an info file, left by a crash or by another program.
        struct stat existing {};
        const bool taken = lstat(reservation.filesPath.c_str(), &existing) == 0;
        const int lookupError = taken ? 0 : errno;
        if (!taken && lookupError == ENOENT)
            return reservation;
        unlink(reservation.infoPath.c_str());
        if (!taken) {
            error = lookupError;
            return std::nullopt;
        }
    }
    error = EEXIST;
    return std::nullopt;
}

std::optional<FreedesktopTrash::Reservation> FreedesktopTrash::reserve(const fs::path &item) const
{
    const fs::path path = absoluteItem(item);
    if (!isMovableName(path.filename().native()))
        return std::nullopt;
    struct stat info {};
    const bool isDirectory = lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    int error = 0;
    return reserveName(path, isDirectory, error);
}

void FreedesktopTrash::release(const Reservation &reservation) const
{
    if (isAbsent(reservation.filesPath))
        unlink(reservation.infoPath.c_str());
}

TrashOutcome FreedesktopTrash::moveInto(const fs::path &item, bool isDirectory, int &error) const
{
    for (int attempt = 0; attempt < MaximumAttempts; ++attempt) {
        const auto reservation = reserveName(item, isDirectory, error);
        if (!reservation)
            return failure(QStringLiteral("Cannot use the Trash folder %1: %2")
                               .arg(PathNames::text(m_folder), qt_error_string(error)));
        error = ExclusiveRename::rename(AT_FDCWD, item.c_str(), AT_FDCWD, reservation->filesPath.c_str(), isDirectory);
        if (error == EEXIST || error == ENOTEMPTY) {
            release(*reservation);
            continue;
        }
        if (error != 0) {
            release(*reservation);
            return failure(cannotMove(item, qt_error_string(error)), error);
        }
        const bool left = isAbsent(item);
        const bool arrived = isPresent(reservation->filesPath);
        if (left && arrived) {
            TrashOutcome outcome;
            outcome.success = true;
            outcome.trashedPath = reservation->filesPath;
            return outcome;
        }
        release(*reservation);
        return failure(arrived ? cannotMove(item, QStringLiteral("something is still at its original place"))
                               : cannotMove(item, QStringLiteral("it did not arrive in the Trash")));
    }
    error = EEXIST;
    return failure(cannotMove(item, QStringLiteral("no free name was found in the Trash")));
}

std::optional<fs::path> FreedesktopTrash::mountPointOf(const fs::path &folder)
{
    const auto identity = FileStatus::fileSystemOf(folder);
    if (!identity)
        return std::nullopt;
    fs::path current = folder;
    while (current.has_relative_path()) {
        const fs::path parent = current.parent_path();
        const auto parentIdentity = FileStatus::fileSystemOf(parent);
        if (!parentIdentity || !(*parentIdentity == *identity))
            break;
        current = parent;
    }
    return current;
}

std::optional<FreedesktopTrash> FreedesktopTrash::topDirectoryTrash(const fs::path &item, QString &problem)
{
    std::error_code error;
    const fs::path parent = fs::canonical(item.parent_path(), error);
    if (error) {
        problem = QString::fromStdString(error.message());
        return std::nullopt;
    }
    const auto top = mountPointOf(parent);
    if (!top) {
        problem = qt_error_string(errno);
        return std::nullopt;
    }
    const std::string user = std::to_string(geteuid());
    // An administrator may provide a shared .Trash with the sticky bit set, holding one folder per user.
    const fs::path shared = *top / ".Trash";
    struct stat info {};
    if (lstat(shared.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX)) {
        QString ignored;
        if (isOwnFolder(shared / user, ignored))
            return FreedesktopTrash(shared / user, *top);
    }
    const fs::path own = *top / (".Trash-" + user);
    if (!isOwnFolder(own, problem)) {
        problem = QStringLiteral("%1 (%2)").arg(problem, PathNames::text(own));
        return std::nullopt;
    }
    return FreedesktopTrash(own, *top);
}

TrashOutcome FreedesktopTrash::moveToTrash(const fs::path &item) const
{
    const fs::path path = absoluteItem(item);
    if (!isMovableName(path.filename().native()))
        return failure(cannotMove(path, QStringLiteral("it is not an item that can be moved")));
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        const int error = errno;
        return failure(
            cannotMove(path, error == ENOENT ? QStringLiteral("it no longer exists") : qt_error_string(error)), error);
    }
    const bool isDirectory = S_ISDIR(info.st_mode);

    int error = 0;
    TrashOutcome outcome = moveInto(path, isDirectory, error);
    if (outcome.success || error != EXDEV)
        return outcome;

    QString problem;
    const auto topTrash = topDirectoryTrash(path, problem);
    if (!topTrash) {
        return failure(cannotMove(
            path, QStringLiteral("it is on another file system, whose Trash folder cannot be used: %1").arg(problem)));
    }
    return topTrash->moveInto(path, isDirectory, error);
}
