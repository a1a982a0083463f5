// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "demo/DemoHome.h"

#include "demo/DemoFileContent.h"
#include "demo/DemoHomeTables.h"
#include "model/Clock.h"
#include "platform/PropertyListWriter.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Application = DemoHomeTables::Application;
using Entry = DemoHomeTables::Entry;
using Helper = DemoHomeTables::Helper;
using Place = DemoHomeTables::Place;
using Shape = DemoHomeTables::Shape;
using Payload = DemoHomeTables::Payload;
using SparseImage = DemoHomeTables::SparseImage;

constexpr std::int64_t SecondsPerDay = 86400;
constexpr std::int64_t SecondsPerMinute = 60;

// Writing.

[[noreturn]] void fail(std::string_view what, const fs::path &path)
{
    throw std::runtime_error(std::string(what) + " " + path.native() + ": " + std::strerror(errno));
}

void writeFile(const fs::path &path, std::string_view bytes, mode_t mode = 0644)
{
    fs::create_directories(path.parent_path());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        fail("cannot create", path);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            fail("cannot write", path);
        }
        written += std::size_t(count);
    }
    if (::close(fd) != 0)
        fail("cannot write", path);
}

void setTimes(const fs::path &path, std::int64_t accessed, std::int64_t modified)
{
    const timespec times[2] = {{time_t(accessed), 0}, {time_t(modified), 0}};
    if (utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        fail("cannot date", path);
}

// Dates an item and everything inside it. Items inside are somewhat older than the item itself, as they are
// on a disk that has been in use; a folder keeps the dates given here because nothing is written into it
// afterwards.
void dateTree(const fs::path &top, std::int64_t accessed, std::int64_t modified)
{
    if (fs::is_directory(fs::symlink_status(top))) {
        std::int64_t step = 0;
        for (const fs::directory_entry &item : fs::recursive_directory_iterator(top)) {
            const std::int64_t earlier = std::int64_t((step++ * 7919) % 4000) * SecondsPerMinute;
            setTimes(item.path(), accessed - earlier, modified - earlier);
        }
    }
    setTimes(top, accessed, modified);
}

// A block of noise that payload files are cut from, made once.
std::string_view payloadNoise()
{
    static const std::string noise = DemoFileContent::binary(256 * 1024, 0x5eed);
    return noise;
}

void writePayloadFile(const fs::path &path, std::size_t size, std::uint64_t seed)
{
    std::string bytes;
    bytes.reserve(size);
    const std::string_view noise = payloadNoise();
    for (std::size_t at = seed % noise.size(); bytes.size() < size; at = 0)
        bytes.append(noise.substr(at, size - bytes.size()));
    writeFile(path, bytes);
}

// The payload of one entry of entries(), written into its folder `path`.
void writePayload(Place place, std::string_view entry, const fs::path &path)
{
    for (const Payload &payload : DemoHomeTables::get().payloads) {
        if (payload.place != place || payload.entry != entry)
            continue;
        for (int i = 1; i <= payload.files; ++i) {
            const std::string name = std::string(payload.prefix) + std::to_string(i);
            const std::size_t size = std::size_t(payload.kilobytesEach) * 1024 * std::size_t(80 + (i * 37) % 41) / 100;
            writePayloadFile(path / payload.folder / name, size, DemoFileContent::hashOf(name) + std::uint64_t(i));
        }
    }
    for (const SparseImage &image : DemoHomeTables::get().sparseImages) {
        if (image.place != place || image.entry != entry)
            continue;
        const fs::path file = path / image.file;
        writePayloadFile(file, std::size_t(image.writtenKilobytes) * 1024, DemoFileContent::hashOf(image.file));
        if (::truncate(file.c_str(), off_t(image.length)) != 0)
            fail("cannot extend", file);
    }
}

class TreeWriter {
public:
    TreeWriter(fs::path root, fs::path home)
        : m_root(std::move(root))
        , m_home(std::move(home))
        , m_now(Clock::now().toSecsSinceEpoch())
    {}

    void writeApplication(const Application &application) const
    {
        const fs::path folder =
            application.folder.starts_with("~/") ? m_home / application.folder.substr(2) : m_root / application.folder;
        const fs::path bundle = folder / (std::string(application.name) + ".app");
        writeBundle(bundle, application, nullptr);
        for (const Helper &helper : application.helpers)
            writeHelper(bundle / "Contents" / helper.subfolder / helper.fileName, application, helper);
        const std::int64_t installed = daysAgo(application.installedDaysAgo, application.name);
        dateTree(bundle,
                 std::max(installed, daysAgo(int(DemoFileContent::hashOf(application.name) % 20), application.name)),
                 installed);
    }

    void writeEntry(const Entry &entry) const
    {
        const fs::path path = DemoHomeTables::placeFolder(entry.place, m_root, m_home) / entry.name;
        const std::size_t size = std::size_t(entry.kilobytes) * 1024;
        const std::uint64_t seed = DemoFileContent::hashOf(entry.name);
        const std::int64_t accessed = daysAgo(entry.accessedDaysAgo, entry.name);
        const std::int64_t modified = std::min(accessed, daysAgo(entry.modifiedDaysAgo, entry.name));
        const std::string_view name = entry.name;
        const std::string_view identifier = name.ends_with(".plist") ? name.substr(0, name.size() - 6) : name;

        switch (entry.shape) {
        case Shape::xmlSettings:
            writeFile(path, DemoFileContent::settings(identifier, size, accessed).xml());
            break;
        case Shape::binarySettings:
            writeFile(path, DemoFileContent::settings(identifier, size, accessed).binary());
            break;
        case Shape::launchJob:
            writeFile(path, launchJob(entry, identifier));
            break;
        case Shape::file:
            writeFile(path, DemoFileContent::forFile(name, size, seed, accessed));
            break;
        case Shape::folder:
            writeFolder(path, entry.detail, size, seed, accessed);
            break;
        case Shape::electron:
            writeFolder(
                path,
                "Preferences|Local State|Cookies|Local Storage/leveldb/000003.log|Local Storage/leveldb/CURRENT|"
                "Cache/Cache_Data/data_0|Cache/Cache_Data/data_1|Cache/Cache_Data/index|GPUCache/data_0|"
                "logs/main.log",
                size, seed, accessed);
            break;
        case Shape::urlCache:
            writeFolder(path, "Cache.db|Cache.db-shm|Cache.db-wal|fsCachedData/" + DemoFileContent::uuid(seed), size,
                        seed, accessed);
            break;
        case Shape::container:
            writeContainer(path, identifier, size, seed, accessed);
            break;
        case Shape::windowState:
            writeFile(path / "data.data", DemoFileContent::binary(size, seed));
            writeFile(path / "windows.plist", savedWindows(seed));
            break;
        }
        writePayload(entry.place, entry.name, path);
        dateTree(path, accessed, modified);
        for (const DemoHomeTables::Touch &touch : DemoHomeTables::get().touched) {
            if (touch.place == entry.place && touch.entry == entry.name) {
                const std::int64_t changed = daysAgo(touch.modifiedDaysAgo, touch.file);
                setTimes(path / touch.file, changed, changed);
            }
        }
    }

    // Receipts, tools, Homebrew formulae and Java installations, which the inventory finds besides bundles.
    void writeInventorySources() const
    {
        static constexpr std::string_view Receipts[] = {"us.zoom.pkg.videomeeting.pkg", "com.amazon.aws.cli2.pkg",
                                                        "org.nodejs.node.pkg"};
        static constexpr std::string_view Tools[] = {
            "docker", "docker-compose", "kubectl", "aws", "aws_completer", "node", "npm", "npx", "terraform"};
        struct Formula {
            std::string_view name;
            std::string_view version;
        };
        static constexpr Formula Formulae[] = {
            {"wget", "1.21.4"},        {"jq", "1.7.1"},        {"ripgrep", "14.1.0"},     {"ffmpeg", "6.1.1"},
            {"python@3.12", "3.12.1"}, {"openssl@3", "3.2.0"}, {"postgresql@16", "16.1"}, {"sqlite", "3.44.2"}};
        struct JavaInstallation {
            std::string_view folder;
            std::string_view name;
        };
        static constexpr JavaInstallation JavaInstallations[] = {{"temurin-21.jdk", "OpenJDK 21.0.1"},
                                                                 {"zulu-17.jdk", "Zulu 17.46.19"}};

        for (const std::string_view receipt : Receipts) {
            const fs::path path = m_home / "Library/Receipts" / receipt;
            writeFile(path, DemoFileContent::binary(1536, DemoFileContent::hashOf(receipt), "xar!"));
            dateTree(path, daysAgo(200, receipt), daysAgo(200, receipt));
        }
        for (const std::string_view tool : Tools) {
            const fs::path path = m_root / "usr/local/bin" / tool;
            writeFile(path, executable(2048, DemoFileContent::hashOf(tool)), 0755);
            dateTree(path, daysAgo(3, tool), daysAgo(150, tool));
        }
        for (const Formula &formula : Formulae) {
            const fs::path keg = m_root / "opt/homebrew/Cellar" / formula.name;
            const std::string_view command = formula.name.substr(0, formula.name.find('@'));
            writeFile(keg / formula.version / "bin" / command, executable(3072, DemoFileContent::hashOf(formula.name)),
                      0755);
            writeFile(keg / formula.version / "INSTALL_RECEIPT.json",
                      DemoFileContent::json(700, DemoFileContent::hashOf(formula.version)));
            dateTree(keg, daysAgo(1, formula.name), daysAgo(40, formula.name));
        }
        for (const JavaInstallation &java : JavaInstallations) {
            const fs::path jdk = m_root / "Library/Java/JavaVirtualMachines" / java.folder;
            writeFile(jdk / "Contents/Info.plist",
                      PropertyListWriter::dictionary()
                          .setString("CFBundleIdentifier", "net.java." + std::string(java.folder))
                          .setString("CFBundleName", java.name)
                          .setString("CFBundlePackageType", "BNDL")
                          .xml());
            writeFile(jdk / "Contents/Home/bin/java", executable(4096, DemoFileContent::hashOf(java.folder)), 0755);
            dateTree(jdk, daysAgo(30, java.folder), daysAgo(300, java.folder));
        }
    }

    // Ordinary folders of a home, and the protected ones whose readability tells whether the program may
    // read everything.
    void writeHomeFolders() const
    {
        for (const char *folder : {"Desktop", "Documents", "Downloads", "Pictures"})
            fs::create_directories(m_home / folder);
        writeFile(m_home / "Library/Mail/V10/MailData/Envelope Index", DemoFileContent::binary(4096, 11));
        writeFile(m_home / "Library/Safari/History.db", DemoFileContent::binary(4096, 12));
        for (const fs::path &folder :
             {m_root / "Applications", m_root / "Applications/Utilities", m_home / "Applications"})
            writeFile(folder / ".localized", "");
        writeFile(m_root / "Applications/.DS_Store",
                  DemoFileContent::binary(6148, 13, std::string_view("\0\0\0\1Bud1", 8)));
    }

private:
    // A time of day that differs from item to item keeps the listing from looking machine-made.
    std::int64_t daysAgo(int days, std::string_view item) const
    {
        return m_now - std::int64_t(days) * SecondsPerDay -
               std::int64_t(DemoFileContent::hashOf(item) % 300) * SecondsPerMinute;
    }

    static std::string executable(std::size_t size, std::uint64_t seed)
    {
        return DemoFileContent::binary(size, seed, std::string_view("\xcf\xfa\xed\xfe\x0c\x00\x00\x01", 8));
    }

    // An application bundle, or with `helper` one of the bundles inside it.
    static void writeBundle(const fs::path &bundle, const Application &application, const Helper *helper)
    {
        const std::string name = helper ? bundle.stem().native() : std::string(application.name);
        const std::string_view identifier = helper ? helper->identifier : application.identifier;
        const std::string executableName = helper ? name : std::string(application.executable);
        const std::string_view packageType = helper && helper->fileName.ends_with(".xpc") ? "XPC!" : "APPL";

        PropertyListWriter info = PropertyListWriter::dictionary();
        info.setString("CFBundleDevelopmentRegion", "en")
            .setString("CFBundleExecutable", executableName)
            .setString("CFBundleIdentifier", identifier)
            .setString("CFBundleInfoDictionaryVersion", "6.0")
            .setString("CFBundleName", name)
            .setString("CFBundlePackageType", packageType)
            .setString("CFBundleShortVersionString", application.version)
            .setString("CFBundleVersion", application.version)
            .setString("LSMinimumSystemVersion", "11.0");
        if (!helper && !application.urlScheme.empty()) {
            PropertyListWriter urlType = PropertyListWriter::dictionary();
            urlType.setString("CFBundleURLName", std::string(identifier) + ".url")
                .set("CFBundleURLSchemes", PropertyListWriter::array().appendString(application.urlScheme));
            info.set("CFBundleURLTypes", PropertyListWriter::array().append(std::move(urlType)));
        }
        if (!helper && !application.contentTypes.empty()) {
            PropertyListWriter contentTypes = PropertyListWriter::array();
            for (const std::string_view contentType : application.contentTypes)
                contentTypes.appendString(contentType);
            PropertyListWriter documentType = PropertyListWriter::dictionary();
            documentType.setString("CFBundleTypeName", "Document")
                .setString("CFBundleTypeRole", "Editor")
                .set("LSItemContentTypes", std::move(contentTypes));
            info.set("CFBundleDocumentTypes", PropertyListWriter::array().append(std::move(documentType)));
        }
        if (helper)
            info.set("LSUIElement", PropertyListWriter::boolean(true));
        info.set("NSHighResolutionCapable", PropertyListWriter::boolean(true));
        writeFile(bundle / "Contents/Info.plist", info.xml());
        writeFile(bundle / "Contents/PkgInfo", std::string(packageType) + "????");
        const std::size_t size = std::size_t(helper ? 4 : application.executableKilobytes) * 1024;
        writeFile(bundle / "Contents/MacOS" / executableName, executable(size, DemoFileContent::hashOf(identifier)),
                  0755);
    }

    static void writeHelper(const fs::path &path, const Application &application, const Helper &helper)
    {
        const std::string stem = path.stem().native();
        if (helper.fileName.ends_with(".app") || helper.fileName.ends_with(".xpc")) {
            writeBundle(path, application, &helper);
        } else if (helper.fileName.ends_with(".framework")) {
            writeFile(path / "Versions/A" / stem, executable(4096, DemoFileContent::hashOf(helper.fileName)), 0755);
            writeFile(path / "Versions/A/Resources/Info.plist", PropertyListWriter::dictionary()
                                                                    .setString("CFBundleName", stem)
                                                                    .setString("CFBundlePackageType", "FMWK")
                                                                    .xml());
        } else if (helper.fileName.ends_with(".plugin")) {
            writeFile(path / "Contents/MacOS" / stem, executable(4096, DemoFileContent::hashOf(helper.fileName)), 0755);
        } else if (helper.fileName.ends_with(".icns")) {
            writeFile(path, DemoFileContent::binary(2048, DemoFileContent::hashOf(helper.fileName), "icns"));
        } else {
            writeFile(path, executable(4096, DemoFileContent::hashOf(helper.fileName)), 0755);
        }
    }

    static std::string launchJob(const Entry &entry, std::string_view identifier)
    {
        const std::string label(entry.label.empty() ? identifier : entry.label);
        PropertyListWriter job = PropertyListWriter::dictionary();
        job.setString("Label", label).set("ProgramArguments", PropertyListWriter::array().appendString(entry.detail));
        if (entry.place == Place::launchDaemons)
            job.set("KeepAlive", PropertyListWriter::boolean(true));
        else
            job.set("RunAtLoad", PropertyListWriter::boolean(true))
                .set("StartInterval", PropertyListWriter::integer(3600));
        job.setString("StandardErrorPath", "/dev/null");
        return job.xml();
    }

    static void writeFolder(const fs::path &folder, std::string_view files, std::size_t size, std::uint64_t seed,
                            std::int64_t lastUse)
    {
        fs::create_directories(folder);
        std::vector<std::string_view> names;
        for (std::size_t start = 0; start < files.size();) {
            const std::size_t end = std::min(files.find('|', start), files.size());
            names.push_back(files.substr(start, end - start));
            start = end + 1;
        }
        if (names.empty())
            return;
        // Unequal shares: the first files of a folder are the large ones.
        std::vector<std::size_t> weights;
        std::size_t total = 0;
        for (std::size_t i = 0; i < names.size(); ++i)
            total += weights.emplace_back(names.size() - i + (seed >> i) % 3);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const fs::path path = folder / names[i];
            const std::size_t share = std::max<std::size_t>(64, size * weights[i] / total);
            writeFile(path, DemoFileContent::forFile(path.filename().native(), share, seed + i, lastUse));
        }
    }

    static void writeContainer(const fs::path &container, std::string_view identifier, std::size_t size,
                               std::uint64_t seed, std::int64_t lastUse)
    {
        const std::string id(identifier);
        writeFile(container / ".com.apple.containermanagerd.metadata.plist",
                  PropertyListWriter::dictionary()
                      .setString("MCMMetadataIdentifier", id)
                      .setString("MCMMetadataUUID", DemoFileContent::uuid(seed))
                      .set("MCMMetadataContentClass", PropertyListWriter::integer(2))
                      .set("MCMMetadataVersion", PropertyListWriter::integer(6))
                      .xml());
        const fs::path data = container / "Data";
        writeFile(data / "Library/Preferences" / (id + ".plist"), DemoFileContent::settings(id, 600, lastUse).xml());
        writeFolder(data / "Library/Caches" / id, "Cache.db|Cache.db-wal", size / 3, seed, lastUse);
        writeFolder(data / "Library/Application Support", "store.sqlite|store.sqlite-wal", size - size / 3, seed + 7,
                    lastUse);
        fs::create_directories(data / "Documents");
        // Sandboxed applications reach the user's own folders through links back to the home folder.
        for (const char *folder : {"Desktop", "Downloads", "Pictures"})
            fs::create_symlink(fs::path("../../../..") / folder, data / folder);
    }

    static std::string savedWindows(std::uint64_t seed)
    {
        PropertyListWriter windows = PropertyListWriter::array();
        for (int window = 1; window <= int(seed % 3) + 1; ++window)
            windows.append(PropertyListWriter::dictionary()
                               .set("NSDataKey", PropertyListWriter::data(std::string_view("\0\1\2\3\4\5\6\7", 8)))
                               .set("NSIsMainWindow", PropertyListWriter::boolean(window == 1))
                               .set("NSWindowID", PropertyListWriter::integer(1000 + window)));
        return windows.xml();
    }

    fs::path m_root;
    fs::path m_home;
    std::int64_t m_now;
};

} // namespace

DemoHome::DemoHome()
{
    std::string pattern = (fs::temp_directory_path() / "leftscan-demo-XXXXXX").native();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder for the demo: " + std::string(std::strerror(errno)));
    m_root = pattern;
    try {
        const TreeWriter writer(m_root, home());
        writer.writeHomeFolders();
        for (const Application &application : DemoHomeTables::get().applications)
            writer.writeApplication(application);
        for (const Entry &entry : DemoHomeTables::get().entries)
            writer.writeEntry(entry);
        writer.writeInventorySources();
    } catch (const std::exception &error) {
        removeTree();
        throw std::runtime_error(std::string("cannot write the demo: ") + error.what());
    }
}

DemoHome::~DemoHome()
{
    removeTree();
}

fs::path DemoHome::home() const
{
    return m_root / "Users" / "demo";
}

void DemoHome::removeTree() noexcept
{
    std::error_code error;
    // Folders whose permissions were taken away while the demo was in use must be opened again first; each
    // pass reaches one level deeper below a folder that could not be listed before.
    for (int pass = 0; pass < 8; ++pass) {
        ::chmod(m_root.c_str(), 0755);
        bool changed = false;
        for (auto it = fs::recursive_directory_iterator(m_root, fs::directory_options::skip_permission_denied, error);
             !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            const fs::file_status status = it->symlink_status(error);
            if (fs::is_directory(status) && (status.permissions() & fs::perms::owner_all) != fs::perms::owner_all) {
                ::chmod(it->path().c_str(), 0755);
                changed = true;
            }
        }
        error.clear();
        fs::remove_all(m_root, error);
        if (!error || !changed)
            return;
    }
}
