// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PosixPlatform.h"

#include "platform/FileStatus.h"
#include "platform/FolderSizeMeter.h"
#include "platform/PathNames.h"
#include "platform/ProgramOutput.h"
#include "platform/RunningProcesses.h"
#include "platform/SystemMetadata.h"
#include "platform/TrustedFolder.h"
#include "platform/UntouchedFile.h"

#include <QSet>
#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Folders that the Mac shows as single files. The tree walk yields them but never enters them.
bool isPackageName(const fs::path &path)
{
    static const std::array<std::string_view, 24> extensions{
        "app",        "bundle",          "framework",     "plugin",    "kext",        "xpc",  "appex",
        "prefPane",   "qlgenerator",     "mdimporter",    "saver",     "component",   "pkg",  "mpkg",
        "wdgt",       "docset",          "photoslibrary", "xcodeproj", "xcworkspace", "rtfd", "sparsebundle",
        "playground", "systemextension", "driver"};
    const std::string &native = path.native();
    const auto dot = native.rfind('.');
    const auto slash = native.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash + 2))
        return false;
    const std::string_view extension = std::string_view(native).substr(dot + 1);
    for (const std::string_view candidate : extensions) {
        if (candidate.size() == extension.size() &&
            std::equal(candidate.begin(), candidate.end(), extension.begin(),
                       [](char a, char b) { return std::tolower(uchar(a)) == std::tolower(uchar(b)); }))
            return true;
    }
    return false;
}

// Whether this process reads and lists the entry without leaving a new access date on it, or can put the old one
// back: only the owner and root can.
bool keepsAccessDate(const FileStatus::Dates &status)
{
    return geteuid() == 0 || status.owner == geteuid();
}

class DirectoryHandle {
public:
    explicit DirectoryHandle(const fs::path &path)
        : m_dir(opendir(path.c_str()))
    {}
    ~DirectoryHandle()
    {
        if (m_dir)
            closedir(m_dir);
    }
    DirectoryHandle(const DirectoryHandle &) = delete;
    DirectoryHandle &operator=(const DirectoryHandle &) = delete;
    DIR *get() const { return m_dir; }

private:
    DIR *m_dir;
};

} // namespace

PosixPlatform::PosixPlatform(fs::path root, fs::path home)
    : m_root(std::move(root))
    , m_home(std::move(home))
{
    // The privacy control guards the running system; a system read from elsewhere is read as its files allow.
    if (isLiveSystem())
        m_privacyDatabase = m_home / "Library" / "Application Support" / "com.apple.TCC" / "TCC.db";
}

bool PosixPlatform::isLiveSystem() const
{
    return m_root == "/";
}

fs::path PosixPlatform::systemPath(std::string_view macPath) const
{
    if (isLiveSystem())
        return fs::path(macPath);
    while (!macPath.empty() && macPath.front() == '/')
        macPath.remove_prefix(1);
    return m_root / fs::path(macPath);
}

fs::path PosixPlatform::homeDirectory() const
{
    return m_home;
}

std::optional<fs::path> PosixPlatform::privacyDatabase() const
{
    return m_privacyDatabase;
}

void PosixPlatform::setPrivacyDatabase(fs::path database)
{
    m_privacyDatabase = std::move(database);
}

std::optional<std::vector<ListedName>> PosixPlatform::listNames(const fs::path &folder, Hidden hidden) const
{
    DirectoryHandle dir(folder);
    if (!dir.get())
        return std::nullopt;
    std::vector<ListedName> entries;
    errno = 0;
    while (const dirent *item = readdir(dir.get())) {
        const std::string_view name(item->d_name);
        if (name == "." || name == "..")
            continue;
        if (hidden == Hidden::Skip && name.front() == '.')
            continue;
        ListedName entry{std::string(name)};
        unsigned char type = item->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info {};
            if (fstatat(dirfd(dir.get()), entry.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
                type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
        }
        entry.isDirectory = type == DT_DIR;
        entry.isSymbolicLink = type == DT_LNK;
        entries.push_back(std::move(entry));
        errno = 0;
    }
    if (errno != 0)
        return std::nullopt;
    // The order readdir gives depends on the file system and even on how it was made; sorted by the names' bytes,
    // the same tree gives the same answers everywhere.
    std::sort(entries.begin(), entries.end(), [](const ListedName &a, const ListedName &b) { return a.name < b.name; });
    return entries;
}

std::optional<std::vector<DirectoryEntry>> PosixPlatform::listDirectory(const fs::path &folder, Hidden hidden) const
{
    std::optional<std::vector<ListedName>> names = listNames(folder, hidden);
    if (!names)
        return std::nullopt;
    std::vector<DirectoryEntry> entries;
    entries.reserve(names->size());
    for (ListedName &name : *names)
        entries.push_back({folder / fs::path(std::move(name.name)), name.isDirectory, name.isSymbolicLink});
    return entries;
}

void PosixPlatform::walkTree(const fs::path &folder, const std::function<void(const DirectoryEntry &)> &visit) const
{
    std::vector<fs::path> pending{folder};
    while (!pending.empty()) {
        const fs::path current = std::move(pending.back());
        pending.pop_back();
        const auto children = listDirectory(current, Hidden::Skip);
        if (!children)
            continue;
        // Children are visited in listing order; their folders are entered after them, first one first.
        std::vector<fs::path> folders;
        for (const DirectoryEntry &child : *children) {
            visit(child);
            if (child.isDirectory && !isPackageName(child.path))
                folders.push_back(child.path);
        }
        pending.insert(pending.end(), std::make_move_iterator(folders.rbegin()),
                       std::make_move_iterator(folders.rend()));
    }
}

bool PosixPlatform::exists(const fs::path &path) const
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

FileAttributes PosixPlatform::attributes(const fs::path &path) const
{
    FileAttributes attributes;
    const std::optional<FileStatus::Dates> status = FileStatus::read(path);
    if (!status)
        return attributes;
    attributes.modified = status->modified;
    if (keepsAccessDate(*status))
        attributes.accessed = status->accessed;
    attributes.created = status->created;
    // Folders report no size of their own, as on the Mac, so a Mac volume reads the same on both systems.
    if (!status->isFolder) {
        attributes.fileSize = status->size;
        attributes.totalFileSize = status->size;
    }
    return attributes;
}

std::optional<SizeMeasurement> PosixPlatform::measureSize(const fs::path &entry, bool disposable,
                                                          const std::atomic<bool> *cancelled) const
{
    return FolderSizeMeter(cancelled).measure(entry, disposable);
}

bool PosixPlatform::isReadable(const fs::path &path) const
{
    return access(path.c_str(), R_OK) == 0;
}

Platform::EntryKind PosixPlatform::entryKind(const fs::path &path) const
{
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? EntryKind::missing : EntryKind::unreachable;
    if (S_ISDIR(info.st_mode))
        return EntryKind::folder;
    return S_ISLNK(info.st_mode) ? EntryKind::symbolicLink : EntryKind::other;
}

std::optional<fs::path> PosixPlatform::resolvedPath(const fs::path &path) const
{
    char *resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::nullopt;
    fs::path result(resolved);
    std::free(resolved);
    return result;
}

std::optional<fs::path> PosixPlatform::linkTarget(const fs::path &link) const
{
    std::string target(PATH_MAX, '\0');
    const ssize_t length = readlink(link.c_str(), target.data(), target.size());
    if (length <= 0 || std::size_t(length) >= target.size())
        return std::nullopt;
    target.resize(std::size_t(length));
    return fs::path(std::move(target));
}

std::shared_ptr<const TrustedFolder> PosixPlatform::holdFolder(const fs::path &folder) const
{
    return std::make_shared<const TrustedFolder>(folder);
}

std::optional<FileIdentity> PosixPlatform::identity(const fs::path &path) const
{
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

std::optional<Bundle> PosixPlatform::openBundle(const fs::path &path) const
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    Bundle bundle;
    bundle.path = path;
    bundle.info = readPropertyList(path / "Contents" / "Info.plist");
    if (bundle.info) {
        if (auto identifier = bundle.info->string("CFBundleIdentifier"); identifier && !identifier->isEmpty())
            bundle.identifier = std::move(identifier);
    }
    return bundle;
}

std::optional<PropertyList> PosixPlatform::readPropertyList(const fs::path &path) const
{
    const std::optional<QByteArray> bytes = UntouchedFile::read(path, qint64(MaximumPropertyListSize));
    if (!bytes || bytes->isEmpty())
        return std::nullopt;
    return PropertyList::parse(std::string_view(bytes->constData(), std::size_t(bytes->size())));
}

std::optional<QByteArray> PosixPlatform::programOutput(const std::vector<std::string> &arguments,
                                                       qint64 maximumSize) const
{
    return ProgramOutput::read(arguments, maximumSize);
}

std::vector<RunningApplication> PosixPlatform::runningApplications() const
{
    std::vector<RunningApplication> applications;
    QSet<QString> seen;
    for (const fs::path &executable : RunningProcesses::executablePaths()) {
        const auto bundlePath = RunningProcesses::bundleOfExecutable(executable, m_root);
        if (!bundlePath)
            continue;
        const QString key = PathNames::text(*bundlePath);
        if (seen.contains(key))
            continue;
        seen.insert(key);

        RunningApplication application;
        application.bundlePath = *bundlePath;
        if (const auto bundle = openBundle(*bundlePath)) {
            application.bundleIdentifier = bundle->identifier;
            if (bundle->info) {
                auto name = bundle->info->string("CFBundleDisplayName");
                if (!name || name->isEmpty())
                    name = bundle->info->string("CFBundleName");
                if (name && !name->isEmpty())
                    application.localizedName = std::move(name);
            }
        }
        if (!application.localizedName)
            application.localizedName = PathNames::baseName(*bundlePath);
        applications.push_back(std::move(application));
    }
    return applications;
}

std::optional<QDateTime> PosixPlatform::lastUsedDate(const fs::path &path) const
{
    if (!isLiveSystem())
        return std::nullopt;
    return SystemMetadata::lastUsedDate(path);
}

std::optional<fs::path> PosixPlatform::applicationForBundleIdentifier(const QString &identifier) const
{
    if (!isLiveSystem() || identifier.isEmpty())
        return std::nullopt;
    return SystemMetadata::applicationForBundleIdentifier(identifier);
}
