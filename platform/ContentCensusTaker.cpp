// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ContentCensusTaker.h"

#include "platform/AsciiCase.h"
#include "platform/FileStatus.h"
#include "platform/UntouchedOpen.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

ContentCensusTaker::ContentCensusTaker(bool disposable)
{
    m_levels.push_back({disposable ? unsigned(UserFileNames::disposable) : 0u, 0});
}

std::string_view ContentCensusTaker::lowered(std::string_view name)
{
    m_lowered.assign(name);
    for (char &c : m_lowered)
        c = AsciiCase::lower(c);
    return m_lowered;
}

void ContentCensusTaker::noteModified(const struct stat &info)
{
    const timespec modified = FileStatus::modificationTime(info);
    const qint64 milliseconds = qint64(modified.tv_sec) * 1000 + modified.tv_nsec / 1000000;
    if (!m_census.newestInside || milliseconds > *m_census.newestInside)
        m_census.newestInside = milliseconds;
}

void ContentCensusTaker::entryFolder(std::string_view name, const struct stat &)
{
    const unsigned outer = m_levels.back().traits;
    const std::string_view lower = lowered(name);
    const std::optional<UserFileKind> kind = UserFileNames::folderKind(lower, outer);
    m_levels.back().traits = UserFileNames::folderTraits(lower, outer);
    if (kind)
        count(*kind, name);
}

void ContentCensusTaker::entryFile(int folder, const char *openName, std::string_view name, const struct stat &info)
{
    noteModified(info);
    if (S_ISREG(info.st_mode))
        classify(folder, openName, name, info);
}

// A Maildir is a folder that holds cur, new and tmp; two of them do, as copies often leave an empty folder out.
bool ContentCensusTaker::isMaildir(int folder, Level &level)
{
    if (!level.maildir) {
        int found = 0;
        for (const char *part : {"cur", "new", "tmp"}) {
            struct stat info {};
            if (fstatat(folder, part, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode))
                ++found;
        }
        level.maildir = found >= 2;
    }
    return *level.maildir;
}

void ContentCensusTaker::enterFolder(int parent, std::string_view name, const struct stat &info)
{
    noteModified(info);
    const unsigned outer = m_levels.back().traits;
    const std::string_view lower = lowered(name);
    if (const std::optional<UserFileKind> kind = UserFileNames::folderKind(lower, outer))
        count(*kind, name);
    unsigned traits = UserFileNames::folderTraits(lower, outer);
    if ((lower == "cur" || lower == "new") && isMaildir(parent, m_levels.back()))
        traits |= UserFileNames::maildir;
    m_levels.push_back({traits, m_path.size()});
    m_path.append(name);
    m_path.push_back('/');
}

void ContentCensusTaker::leaveFolder()
{
    if (m_levels.size() <= 1)
        return;
    m_path.resize(m_levels.back().pathLength);
    m_levels.pop_back();
}

void ContentCensusTaker::item(int folder, std::string_view name, const struct stat &info)
{
    noteModified(info);
    if (S_ISREG(info.st_mode)) {
        // The names of a walk end in a NUL, as readdir gives them.
        classify(folder, name.data(), name, info);
    } else if (S_ISDIR(info.st_mode)) {
        // A folder that could not be opened still tells what it is by its name.
        if (const std::optional<UserFileKind> kind = UserFileNames::folderKind(lowered(name), m_levels.back().traits))
            count(*kind, name);
    }
}

void ContentCensusTaker::classify(int folder, const char *openName, std::string_view name, const struct stat &info)
{
    const UserFileNames::FileRule rule = UserFileNames::fileRule(lowered(name), m_levels.back().traits);
    if (!rule.kind)
        return;
    std::optional<UserFileKind> kind = rule.kind;
    if (rule.probe != UserFileNames::Probe::none) {
        if (info.st_size > UserFileNames::MaximumProbedSize)
            kind = UserFileNames::unread(rule.probe, true);
        else
            kind = probe(folder, openName, info, rule.probe);
    }
    if (kind)
        count(*kind, name);
}

std::optional<UserFileKind> ContentCensusTaker::probe(int folder, const char *openName, const struct stat &info,
                                                      UserFileNames::Probe kind)
{
    if (m_probesLeft <= 0)
        return UserFileNames::unread(kind, false);
    --m_probesLeft;
    const auto [fd, restoreAccess] =
        UntouchedOpen::openAt(folder, openName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return UserFileNames::unread(kind, false);
    struct stat opened {};
    // Only the file the walk saw: nothing that took its name meanwhile, and nothing but a regular file.
    if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_ino != info.st_ino ||
        opened.st_dev != info.st_dev) {
        close(fd);
        return UserFileNames::unread(kind, false);
    }
    std::array<char, UserFileNames::ProbedBytes> bytes;
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        filled += std::size_t(got);
    }
    if (restoreAccess) {
        const timespec times[2] = {FileStatus::accessTime(opened), {0, UTIME_OMIT}};
        futimens(fd, times);
    }
    close(fd);
    return UserFileNames::confirm(kind, std::string_view(bytes.data(), filled));
}

void ContentCensusTaker::count(UserFileKind kind, std::string_view name)
{
    ++m_census.counts[std::size_t(kind)];
    std::vector<std::string> &sample = m_census.sample;
    if (sample.size() == ContentCensus::SampleSize && kind > m_sampleKinds.back())
        return;
    m_candidate.assign(m_path);
    m_candidate.append(name);
    // The sample stays sorted by kind, then by path.
    std::size_t at = 0;
    while (at < sample.size() && (m_sampleKinds[at] < kind || (m_sampleKinds[at] == kind && sample[at] <= m_candidate)))
        ++at;
    if (at == ContentCensus::SampleSize)
        return;
    sample.insert(sample.begin() + std::ptrdiff_t(at), m_candidate);
    m_sampleKinds.insert(m_sampleKinds.begin() + std::ptrdiff_t(at), kind);
    if (sample.size() > ContentCensus::SampleSize) {
        sample.pop_back();
        m_sampleKinds.pop_back();
    }
}
