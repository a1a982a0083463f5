// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MacTreeGenerator.h"
#include "MacTreeGeneratorText.h"

#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

using namespace MacTreeText;

MacTreeGenerator::Random::Random(std::uint64_t seed)
{
    for (auto &word : m_state) {
        seed += 0x9E3779B97F4A7C15ULL;
        word = mix(seed);
    }
}

std::uint64_t MacTreeGenerator::Random::mix(std::uint64_t value)
{
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

std::uint64_t MacTreeGenerator::Random::next()
{
    const auto rotate = [](std::uint64_t value, int shift) {
        return (value << shift) | (value >> (64 - shift));
    };
    const std::uint64_t result = rotate(m_state[1] * 5, 7) * 9;
    const std::uint64_t shifted = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= shifted;
    m_state[3] = rotate(m_state[3], 45);
    return result;
}

std::uint64_t MacTreeGenerator::Random::below(std::uint64_t bound)
{
    return bound == 0 ? 0 : next() % bound;
}

int MacTreeGenerator::Random::between(int low, int high)
{
    return low + static_cast<int>(below(static_cast<std::uint64_t>(high - low + 1)));
}

double MacTreeGenerator::Random::unit()
{
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

bool MacTreeGenerator::Random::chance(double probability)
{
    return unit() < probability;
}

std::string_view MacTreeGenerator::Random::pick(std::span<const std::string_view> list)
{
    return list[below(list.size())];
}

MacTreeGenerator::MacTreeGenerator(Options options)
    : m_options(std::move(options))
{}

std::span<const MacTreeGenerator::PlaceInfo> MacTreeGenerator::libraryPlaces()
{
    static constexpr PlaceInfo places[] = {
        {Place::applicationSupport, "Library/Application Support", true, 170, 0.08},
        {Place::applicationScripts, "Library/Application Scripts", true, 40, 0.10},
        {Place::userLaunchAgents, "Library/LaunchAgents", true, 30, 0.02},
        {Place::launchAgents, "Library/LaunchAgents", false, 20, 0.03},
        {Place::launchDaemons, "Library/LaunchDaemons", false, 20, 0.03},
        {Place::preferences, "Library/Preferences", true, 250, 0.12},
        {Place::caches, "Library/Caches", true, 170, 0.10},
        {Place::containers, "Library/Containers", true, 80, 0.10},
        {Place::savedState, "Library/Saved Application State", true, 70, 0.06},
        {Place::logs, "Library/Logs", true, 50, 0.05},
        {Place::receipts, "Library/Receipts", true, 40, 0.05},
        {Place::userFrameworks, "Library/Frameworks", true, 5, 0.0},
        {Place::systemApplicationSupport, "Library/Application Support", false, 30, 0.10},
        {Place::frameworks, "Library/Frameworks", false, 10, 0.0},
        {Place::javaVirtualMachines, "Library/Java/JavaVirtualMachines", false, 0, 0.0},
        {Place::systemFrameworks, "System/Library/Frameworks", false, 15, 1.0},
    };
    return places;
}

std::uint64_t MacTreeGenerator::seedFor(std::uint64_t domain, std::uint64_t index) const
{
    return Random::mix(Random::mix(m_options.seed * 0x9E3779B97F4A7C15ULL + domain) ^ Random::mix(index + 1));
}

std::string MacTreeGenerator::placeFolder(const PlaceInfo &info) const
{
    return (info.inHome ? m_home : m_root) + "/" + std::string(info.folder);
}

MacTreeGenerator::Summary MacTreeGenerator::generate()
{
    prepareOutput();
    // Dates count back from the start of the current day (UTC), so that runs on one day give identical trees.
    m_now = std::time(nullptr) / Day * Day;

    Random planning(seedFor(1, 0));
    planVendors(planning);
    planApps(planning);
    planTools(planning);
    planLibrary(planning);

    // Every folder that holds generated items exists before the parallel writers start.
    for (const auto &app : m_installedApps)
        ensureFolder(m_root + app.macFolder);
    for (const auto &info : libraryPlaces())
        ensureFolder(placeFolder(info));
    for (const auto &entry : m_entries)
        ensureFolder(entry.path.substr(0, entry.path.rfind('/')));
    for (std::string_view folder : {"/Applications/Utilities", "/System/Applications/Utilities", "/Library/Java"})
        ensureFolder(m_root + std::string(folder));
    for (std::string_view folder : {"Applications", "Desktop", "Documents", "Downloads", "Pictures", "Movies"})
        ensureFolder(m_home + "/" + std::string(folder));

    runParallel(m_installedApps.size(), [this](std::size_t index) { writeAppBundle(m_installedApps[index]); });
    runParallel(m_entries.size(), [this](std::size_t index) { writeEntry(m_entries[index]); });

    // Finder litter in the application folders; hidden, so the scanners never see it.
    Random litter(seedFor(2, 0));
    for (std::string_view folder : {"/Applications", "/Applications/Utilities"}) {
        Stamp stamp = makeStamp(litter, Ownership::system);
        writeFile(m_root + std::string(folder) + "/.DS_Store", std::string(6148, '\0'), stamp);
        writeFile(m_root + std::string(folder) + "/.localized", "", stamp);
        applyStamp(stamp);
    }

    // Shared folders last: writing into them moved their dates to now.
    Random shared(seedFor(3, 0));
    for (auto it = m_sharedFolders.rbegin(); it != m_sharedFolders.rend(); ++it) {
        Stamp stamp;
        stamp.modified = m_now - static_cast<std::time_t>(shared.below(30 * Day));
        stamp.accessed = stamp.modified + static_cast<std::time_t>(shared.unit() * double(m_now - stamp.modified));
        stamp.paths.emplace_back(*it, false);
        applyStamp(stamp);
    }

    Summary summary;
    summary.appBundles = m_installedApps.size();
    summary.helperBundles = m_helperBundles;
    for (const auto &entry : m_entries) {
        if (entry.place == Place::toolFolder)
            ++summary.tools;
        else if (entry.place == Place::homebrewFormula || entry.place == Place::macPort)
            ++summary.packages;
        else
            ++summary.libraryEntries;
    }
    summary.files = m_files;
    summary.folders = m_folders;
    summary.symlinks = m_symlinks;
    return summary;
}

void MacTreeGenerator::prepareOutput()
{
    namespace fs = std::filesystem;
    if (m_options.outputDirectory.empty())
        throw std::runtime_error("no output folder given");
    if (m_options.appCount < 0 || m_options.libraryEntryCount < 0)
        throw std::runtime_error("counts must not be negative");

    const fs::path root = fs::absolute(m_options.outputDirectory).lexically_normal();
    std::error_code error;
    if (fs::exists(root, error)) {
        if (!fs::is_directory(root, error))
            throw std::runtime_error(root.string() + " exists and is not a folder");
        if (!fs::is_empty(root, error))
            throw std::runtime_error(root.string() + " is not empty; remove it or choose another folder");
    }
    fs::create_directories(root);
    m_root = root.string();
    while (m_root.size() > 1 && m_root.back() == '/')
        m_root.pop_back();
    m_home = m_root + "/Users/bench";
    ensureFolder(m_home);
}

MacTreeGenerator::Stamp MacTreeGenerator::makeStamp(Random &random, Ownership ownership) const
{
    // Shares of items last modified within 90 days and within a year; the rest are one to four years old.
    double recent = 0.35;
    double withinYear = 0.60;
    if (ownership == Ownership::uninstalled) {
        recent = 0.12;
        withinYear = 0.35;
    } else if (ownership == Ownership::system) {
        recent = 0.6;
        withinYear = 0.85;
    }
    const double band = random.unit();
    std::time_t age;
    if (band < recent)
        age = static_cast<std::time_t>(random.below(90 * Day));
    else if (band < withinYear)
        age = 90 * Day + static_cast<std::time_t>(random.below(275 * Day));
    else
        age = 365 * Day + static_cast<std::time_t>(random.below(3 * 365 * Day));

    Stamp stamp;
    stamp.modified = m_now - age;
    // Left behind items were mostly last read around the time they were last written.
    const double readShare = ownership == Ownership::uninstalled ? 0.6 + 0.4 * random.unit() : random.unit();
    stamp.accessed = m_now - static_cast<std::time_t>(readShare * static_cast<double>(age));
    stamp.jitterSeed = random.next();
    return stamp;
}

void MacTreeGenerator::ensureFolder(const std::string &path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) == 0)
        return;
    const auto slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0)
        ensureFolder(path.substr(0, slash));
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
        throw std::system_error(errno, std::generic_category(), "cannot create " + path);
    ++m_folders;
    m_sharedFolders.push_back(path);
}

void MacTreeGenerator::makeFolder(const std::string &path, Stamp &stamp)
{
    if (::mkdir(path.c_str(), 0755) != 0)
        throw std::system_error(errno, std::generic_category(), "cannot create " + path);
    ++m_folders;
    stamp.paths.emplace_back(path, false);
}

void MacTreeGenerator::writeFile(const std::string &path, std::string_view content, Stamp &stamp, bool executable,
                                 std::uint64_t apparentSize)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, executable ? 0755 : 0644);
    if (fd < 0)
        throw std::system_error(errno, std::generic_category(), "cannot create " + path);
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t result = ::write(fd, content.data() + written, content.size() - written);
        if (result < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            throw std::system_error(error, std::generic_category(), "cannot write " + path);
        }
        written += static_cast<std::size_t>(result);
    }
    // Large files are sparse: the size is what the scan reports, the disk holds only the written head.
    if (apparentSize > content.size() && ::ftruncate(fd, static_cast<off_t>(apparentSize)) != 0) {
        const int error = errno;
        ::close(fd);
        throw std::system_error(error, std::generic_category(), "cannot extend " + path);
    }
    ::close(fd);
    ++m_files;
    stamp.paths.emplace_back(path, false);
}

void MacTreeGenerator::makeSymlink(const std::string &target, const std::string &path, Stamp &stamp)
{
    if (::symlink(target.c_str(), path.c_str()) != 0)
        throw std::system_error(errno, std::generic_category(), "cannot link " + path);
    ++m_symlinks;
    stamp.paths.emplace_back(path, true);
}

void MacTreeGenerator::applyStamp(const Stamp &stamp) const
{
    // The first path is the item itself and gets the stamp's dates exactly; what lies inside it is a little older.
    for (std::size_t i = 0; i < stamp.paths.size(); ++i) {
        std::time_t modified = stamp.modified;
        std::time_t accessed = stamp.accessed;
        if (i > 0) {
            const std::uint64_t jitter = Random::mix(stamp.jitterSeed + i);
            modified -= static_cast<std::time_t>(jitter % (2 * Day));
            accessed = std::max(modified, accessed - static_cast<std::time_t>((jitter >> 32) % Day));
        }
        struct timespec times[2];
        times[0].tv_sec = accessed;
        times[0].tv_nsec = 0;
        times[1].tv_sec = modified;
        times[1].tv_nsec = 0;
        const int flags = stamp.paths[i].second ? AT_SYMLINK_NOFOLLOW : 0;
        if (::utimensat(AT_FDCWD, stamp.paths[i].first.c_str(), times, flags) != 0)
            throw std::system_error(errno, std::generic_category(), "cannot set dates of " + stamp.paths[i].first);
    }
}

void MacTreeGenerator::runParallel(std::size_t count, const std::function<void(std::size_t)> &work) const
{
    unsigned threads = m_options.threadCount > 0 ? static_cast<unsigned>(m_options.threadCount)
                                                 : std::min(8u, std::max(1u, std::thread::hardware_concurrency()));
    threads = static_cast<unsigned>(std::min<std::size_t>(threads, std::max<std::size_t>(1, count)));

    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureMutex;
    const auto worker = [&] {
        for (;;) {
            const std::size_t index = next++;
            if (index >= count)
                return;
            try {
                work(index);
            } catch (...) {
                const std::lock_guard lock(failureMutex);
                if (!failure)
                    failure = std::current_exception();
                next = count;
                return;
            }
        }
    };
    std::vector<std::thread> pool;
    for (unsigned i = 1; i < threads; ++i)
        pool.emplace_back(worker);
    worker();
    for (auto &thread : pool)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

std::string MacTreeGenerator::machOContent(Random &random)
{
    std::string content("\xcf\xfa\xed\xfe\x0c\x00\x00\x01\x00\x00\x00\x00\x02\x00\x00\x00", 16);
    content.resize(static_cast<std::size_t>(random.between(256, 2048)), '\0');
    for (std::size_t i = 32; i < content.size(); i += 7)
        content[i] = static_cast<char>(random.below(256));
    return content;
}
