#include "demo/DemoHome.h"

#include "model/Clock.h"
#include "platform/PropertyListWriter.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
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

constexpr std::int64_t SecondsPerDay = 86400;
constexpr std::int64_t SecondsPerMinute = 60;

// What the demo machine has installed.

struct Helper {
    std::string subfolder;  // below Contents
    std::string fileName;   // with its extension
    std::string identifier; // empty for items that are no bundles
};

struct Application {
    std::string folder; // below the root, or below the home folder when it starts with "~/"
    std::string name;
    std::string identifier;
    std::string version;
    std::string executable;
    std::string urlScheme;
    std::vector<std::string> contentTypes;
    std::vector<Helper> helpers;
    int installedDaysAgo;
    int executableKilobytes;
};

// What the demo machine keeps in its Library folders.

enum class Place {
    applicationSupport,
    applicationScripts,
    userLaunchAgents,
    launchAgents,
    launchDaemons,
    preferences,
    caches,
    containers,
    savedState,
    logs,
};

enum class Shape {
    xmlSettings,    // an XML property list of settings
    binarySettings, // the same in the binary format
    launchJob,      // a launchd job; detail is the program, label the job's Label when it differs from the name
    file,           // one file whose content follows its extension
    folder,         // detail lists the files inside, separated by "|"; without any the folder stays empty
    electron,       // the data folder of an Electron application
    urlCache,       // a URL cache folder
    container,      // a sandbox container named after its bundle identifier
    windowState,    // saved window state
};

struct Entry {
    Place place;
    std::string name;
    Shape shape;
    int kilobytes;
    int accessedDaysAgo;
    int modifiedDaysAgo;
    std::string detail = {};
    std::string label = {};
};

fs::path placeFolder(Place place, const fs::path &root, const fs::path &home)
{
    switch (place) {
    case Place::applicationSupport:
        return home / "Library/Application Support";
    case Place::applicationScripts:
        return home / "Library/Application Scripts";
    case Place::userLaunchAgents:
        return home / "Library/LaunchAgents";
    case Place::launchAgents:
        return root / "Library/LaunchAgents";
    case Place::launchDaemons:
        return root / "Library/LaunchDaemons";
    case Place::preferences:
        return home / "Library/Preferences";
    case Place::caches:
        return home / "Library/Caches";
    case Place::containers:
        return home / "Library/Containers";
    case Place::savedState:
        return home / "Library/Saved Application State";
    case Place::logs:
        return home / "Library/Logs";
    }
    return home / "Library";
}

// File content. Everything derives from the item's name, so the tree is the same on every run.

std::uint64_t hashOf(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= std::uint8_t(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

class Noise {
public:
    explicit Noise(std::uint64_t seed)
        : m_state(seed | 1)
    {}
    std::uint64_t next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 2685821657736338717ull;
    }
    std::size_t below(std::size_t bound) { return std::size_t(next() % bound); }

private:
    std::uint64_t m_state;
};

std::string binaryContent(std::size_t size, std::uint64_t seed, std::string_view header = {})
{
    std::string bytes(std::max(size, header.size()), '\0');
    header.copy(bytes.data(), header.size());
    Noise noise(seed);
    for (std::size_t at = header.size(); at < bytes.size(); at += sizeof(std::uint64_t)) {
        const std::uint64_t word = noise.next();
        std::memcpy(bytes.data() + at, &word, std::min(sizeof word, bytes.size() - at));
    }
    return bytes;
}

std::string textContent(std::size_t size, std::uint64_t seed)
{
    static constexpr std::string_view Lines[] = {
        "[info] sync finished, {} items up to date",
        "[info] window restored at 1280x800",
        "[debug] cache hit ratio {}%",
        "[warn] request timed out, retrying (attempt {})",
        "[info] extension host started in {} ms",
        "[info] checking for updates",
        "[error] connection reset by peer, reconnecting in {} s",
    };
    std::string text;
    Noise noise(seed);
    for (int line = 1; text.size() < size; ++line) {
        std::string entry(Lines[noise.below(std::size(Lines))]);
        if (const auto at = entry.find("{}"); at != std::string::npos)
            entry.replace(at, 2, std::to_string(noise.below(500) + 1));
        text += std::to_string(line) + " " + entry + "\n";
    }
    text.resize(size);
    return text;
}

std::string jsonContent(std::size_t size, std::uint64_t seed)
{
    std::string json = "{\n  \"version\": 3,\n  \"entries\": [\n";
    Noise noise(seed);
    for (int item = 1; json.size() + 40 < size; ++item) {
        json += "    {\"id\": " + std::to_string(item) + ", \"value\": \"" +
                std::to_string(noise.next() % 1000000007ull) + "\"},\n";
    }
    json += "    {\"id\": 0}\n  ]\n}\n";
    return json;
}

bool endsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

PropertyListWriter settings(std::string_view identifier, std::size_t size, std::int64_t lastUse)
{
    const std::uint64_t seed = hashOf(identifier);
    PropertyListWriter dictionary = PropertyListWriter::dictionary();
    dictionary.setString("NSWindow Frame MainWindow", "412 231 1280 800 0 0 2056 1285 ")
        .setString("NSNavLastRootDirectory", "~/Documents")
        .set("SUEnableAutomaticChecks", PropertyListWriter::boolean(true))
        .set("SUHasLaunchedBefore", PropertyListWriter::boolean(true))
        .set("SULastCheckTime", PropertyListWriter::date(lastUse))
        .set("LaunchCount", PropertyListWriter::integer(std::int64_t(seed % 900 + 3)));
    PropertyListWriter recent = PropertyListWriter::array();
    bool anyRecent = false;
    static constexpr std::string_view Projects[] = {"Budget", "Website", "Thesis", "Holiday", "Invoices", "Garden"};
    for (std::size_t used = 300, item = 0; used < size && item < 24; used += 48, ++item, anyRecent = true)
        recent.appendString("~/Documents/" + std::string(Projects[(seed + item) % std::size(Projects)]) + "/draft " +
                            std::to_string(item + 1) + ".txt");
    if (anyRecent)
        dictionary.set("RecentDocuments", std::move(recent));
    return dictionary;
}

// Content for a file inside a leftover folder, chosen by its name.
std::string contentFor(std::string_view fileName, std::size_t size, std::uint64_t seed, std::int64_t lastUse)
{
    if (endsWith(fileName, ".plist"))
        return settings(fileName, size, lastUse).xml();
    if (endsWith(fileName, ".json") || endsWith(fileName, "-settings") || endsWith(fileName, "_session") ||
        fileName == "Preferences" || fileName == "Local State" || fileName == "prefs")
        return jsonContent(size, seed);
    if (endsWith(fileName, ".sqlite") || endsWith(fileName, ".db") || endsWith(fileName, ".abcddb") ||
        endsWith(fileName, ".storedata") || fileName == "History" || fileName == "Cookies")
        return binaryContent(size, seed, std::string_view("SQLite format 3\0", 16));
    if (endsWith(fileName, ".tar.gz"))
        return binaryContent(size, seed, "\x1f\x8b\x08");
    static constexpr std::string_view TextEndings[] = {".log",  ".txt",    ".ini",  ".js",        ".xml",
                                                       ".vdf",  ".xspf",   ".enml", ".configure", ".make",
                                                       ".code", "CURRENT", ".keep", ".info"};
    for (const std::string_view ending : TextEndings) {
        if (endsWith(fileName, ending))
            return textContent(size, seed);
    }
    return binaryContent(size, seed);
}

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

// What the leftover folders hold besides the few named files above: cached downloads, media and databases of the
// sizes such folders reach on a Mac in use, a few hundred files in all, so that their sizes on disk look real. A
// disk image is sparse, as virtual machine disks are: large in length, small on disk.

struct Payload {
    Place place;
    std::string entry;  // a folder of the entries
    std::string folder; // inside the entry
    std::string prefix; // of each file's name, followed by its number
    int files;
    int kilobytesEach;
};

struct SparseImage {
    Place place;
    std::string entry;
    std::string file;
    std::int64_t length;
    int writtenKilobytes; // at its start
};

// The tables are the program's DemoHome.json, read once.
struct Tables {
    std::vector<Application> applications;
    std::vector<Entry> entries;
    std::vector<Payload> payloads;
    std::vector<SparseImage> sparseImages;
};

constexpr std::array<const char *, 10> PlaceNames = {"applicationSupport",
                                                     "applicationScripts",
                                                     "userLaunchAgents",
                                                     "launchAgents",
                                                     "launchDaemons",
                                                     "preferences",
                                                     "caches",
                                                     "containers",
                                                     "savedState",
                                                     "logs"};
constexpr std::array<const char *, 9> ShapeNames = {
    "xmlSettings", "binarySettings", "launchJob", "file", "folder", "electron", "urlCache", "container", "windowState"};
static_assert(std::size_t(Place::logs) + 1 == PlaceNames.size());
static_assert(std::size_t(Shape::windowState) + 1 == ShapeNames.size());

std::string text(const QJsonArray &row, qsizetype index)
{
    return index < row.size() ? row.at(index).toString().toStdString() : std::string();
}

template <typename Enumeration, std::size_t Count>
Enumeration named(const QJsonValue &value, const std::array<const char *, Count> &names)
{
    const QString name = value.toString();
    for (std::size_t index = 0; index < Count; ++index) {
        if (name == QLatin1String(names[index]))
            return Enumeration(index);
    }
    throw std::runtime_error("The demo home's tables name an unknown case: " + name.toStdString());
}

Application application(const QJsonObject &object)
{
    Application result;
    result.folder = object.value(u"folder").toString().toStdString();
    result.name = object.value(u"name").toString().toStdString();
    result.identifier = object.value(u"identifier").toString().toStdString();
    result.version = object.value(u"version").toString().toStdString();
    result.executable = object.value(u"executable").toString().toStdString();
    result.urlScheme = object.value(u"urlScheme").toString().toStdString();
    for (const QJsonValue &type : object.value(u"contentTypes").toArray())
        result.contentTypes.push_back(type.toString().toStdString());
    for (const QJsonValue &helper : object.value(u"helpers").toArray()) {
        const QJsonArray row = helper.toArray();
        result.helpers.push_back({text(row, 0), text(row, 1), text(row, 2)});
    }
    result.installedDaysAgo = object.value(u"installedDaysAgo").toInt();
    result.executableKilobytes = object.value(u"executableKilobytes").toInt();
    return result;
}

Tables readTables()
{
    QFile file(QStringLiteral(":/demo/DemoHome.json"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("The demo home's tables are missing from the program");
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    Tables tables;
    for (const QJsonValue &value : root.value(u"applications").toArray())
        tables.applications.push_back(application(value.toObject()));
    for (const QJsonValue &value : root.value(u"entries").toArray()) {
        const QJsonArray row = value.toArray();
        tables.entries.push_back({named<Place>(row.at(0), PlaceNames), text(row, 1),
                                  named<Shape>(row.at(2), ShapeNames), row.at(3).toInt(), row.at(4).toInt(),
                                  row.at(5).toInt(), text(row, 6), text(row, 7)});
    }
    for (const QJsonValue &value : root.value(u"payloads").toArray()) {
        const QJsonArray row = value.toArray();
        tables.payloads.push_back({named<Place>(row.at(0), PlaceNames), text(row, 1), text(row, 2), text(row, 3),
                                   row.at(4).toInt(), row.at(5).toInt()});
    }
    for (const QJsonValue &value : root.value(u"sparseImages").toArray()) {
        const QJsonArray row = value.toArray();
        tables.sparseImages.push_back({named<Place>(row.at(0), PlaceNames), text(row, 1), text(row, 2),
                                       row.at(3).toInteger(), row.at(4).toInt()});
    }
    if (tables.applications.empty() || tables.entries.empty())
        throw std::runtime_error("The demo home's tables are empty");
    return tables;
}

const Tables &tables()
{
    static const Tables read = readTables();
    return read;
}

// A block of noise that payload files are cut from, made once.
std::string_view payloadNoise()
{
    static const std::string noise = binaryContent(256 * 1024, 0x5eed);
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
    for (const Payload &payload : tables().payloads) {
        if (payload.place != place || payload.entry != entry)
            continue;
        for (int i = 1; i <= payload.files; ++i) {
            const std::string name = std::string(payload.prefix) + std::to_string(i);
            const std::size_t size = std::size_t(payload.kilobytesEach) * 1024 * std::size_t(80 + (i * 37) % 41) / 100;
            writePayloadFile(path / payload.folder / name, size, hashOf(name) + std::uint64_t(i));
        }
    }
    for (const SparseImage &image : tables().sparseImages) {
        if (image.place != place || image.entry != entry)
            continue;
        const fs::path file = path / image.file;
        writePayloadFile(file, std::size_t(image.writtenKilobytes) * 1024, hashOf(image.file));
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
        dateTree(bundle, std::max(installed, daysAgo(int(hashOf(application.name) % 20), application.name)), installed);
    }

    void writeEntry(const Entry &entry) const
    {
        const fs::path path = placeFolder(entry.place, m_root, m_home) / entry.name;
        const std::size_t size = std::size_t(entry.kilobytes) * 1024;
        const std::uint64_t seed = hashOf(entry.name);
        const std::int64_t accessed = daysAgo(entry.accessedDaysAgo, entry.name);
        const std::int64_t modified = std::min(accessed, daysAgo(entry.modifiedDaysAgo, entry.name));
        const std::string_view name = entry.name;
        const std::string_view identifier = endsWith(name, ".plist") ? name.substr(0, name.size() - 6) : name;

        switch (entry.shape) {
        case Shape::xmlSettings:
            writeFile(path, settings(identifier, size, accessed).xml());
            break;
        case Shape::binarySettings:
            writeFile(path, settings(identifier, size, accessed).binary());
            break;
        case Shape::launchJob:
            writeFile(path, launchJob(entry, identifier));
            break;
        case Shape::file:
            writeFile(path, contentFor(name, size, seed, accessed));
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
            writeFolder(path, "Cache.db|Cache.db-shm|Cache.db-wal|fsCachedData/" + uuid(seed), size, seed, accessed);
            break;
        case Shape::container:
            writeContainer(path, identifier, size, seed, accessed);
            break;
        case Shape::windowState:
            writeFile(path / "data.data", binaryContent(size, seed));
            writeFile(path / "windows.plist", savedWindows(seed));
            break;
        }
        writePayload(entry.place, entry.name, path);
        dateTree(path, accessed, modified);
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
            writeFile(path, binaryContent(1536, hashOf(receipt), "xar!"));
            dateTree(path, daysAgo(200, receipt), daysAgo(200, receipt));
        }
        for (const std::string_view tool : Tools) {
            const fs::path path = m_root / "usr/local/bin" / tool;
            writeFile(path, executable(2048, hashOf(tool)), 0755);
            dateTree(path, daysAgo(3, tool), daysAgo(150, tool));
        }
        for (const Formula &formula : Formulae) {
            const fs::path keg = m_root / "opt/homebrew/Cellar" / formula.name;
            const std::string_view command = formula.name.substr(0, formula.name.find('@'));
            writeFile(keg / formula.version / "bin" / command, executable(3072, hashOf(formula.name)), 0755);
            writeFile(keg / formula.version / "INSTALL_RECEIPT.json", jsonContent(700, hashOf(formula.version)));
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
            writeFile(jdk / "Contents/Home/bin/java", executable(4096, hashOf(java.folder)), 0755);
            dateTree(jdk, daysAgo(30, java.folder), daysAgo(300, java.folder));
        }
    }

    // Ordinary folders of a home, and the protected ones whose readability tells whether the program may
    // read everything.
    void writeHomeFolders() const
    {
        for (const char *folder : {"Desktop", "Documents", "Downloads", "Pictures"})
            fs::create_directories(m_home / folder);
        writeFile(m_home / "Library/Mail/V10/MailData/Envelope Index", binaryContent(4096, 11));
        writeFile(m_home / "Library/Safari/History.db", binaryContent(4096, 12));
        for (const fs::path &folder :
             {m_root / "Applications", m_root / "Applications/Utilities", m_home / "Applications"})
            writeFile(folder / ".localized", "");
        writeFile(m_root / "Applications/.DS_Store", binaryContent(6148, 13, std::string_view("\0\0\0\1Bud1", 8)));
    }

private:
    // A time of day that differs from item to item keeps the listing from looking machine-made.
    std::int64_t daysAgo(int days, std::string_view item) const
    {
        return m_now - std::int64_t(days) * SecondsPerDay - std::int64_t(hashOf(item) % 300) * SecondsPerMinute;
    }

    static std::string uuid(std::uint64_t seed)
    {
        static constexpr char Digits[] = "0123456789ABCDEF";
        Noise noise(seed);
        std::string text;
        for (int i = 0; i < 32; ++i) {
            if (i == 8 || i == 12 || i == 16 || i == 20)
                text += '-';
            text += Digits[noise.below(16)];
        }
        return text;
    }

    static std::string executable(std::size_t size, std::uint64_t seed)
    {
        return binaryContent(size, seed, std::string_view("\xcf\xfa\xed\xfe\x0c\x00\x00\x01", 8));
    }

    // An application bundle, or with `helper` one of the bundles inside it.
    static void writeBundle(const fs::path &bundle, const Application &application, const Helper *helper)
    {
        const std::string name = helper ? bundle.stem().native() : std::string(application.name);
        const std::string_view identifier = helper ? helper->identifier : application.identifier;
        const std::string executableName = helper ? name : std::string(application.executable);
        const std::string_view packageType = helper && endsWith(helper->fileName, ".xpc") ? "XPC!" : "APPL";

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
        writeFile(bundle / "Contents/MacOS" / executableName, executable(size, hashOf(identifier)), 0755);
    }

    static void writeHelper(const fs::path &path, const Application &application, const Helper &helper)
    {
        const std::string stem = path.stem().native();
        if (endsWith(helper.fileName, ".app") || endsWith(helper.fileName, ".xpc")) {
            writeBundle(path, application, &helper);
        } else if (endsWith(helper.fileName, ".framework")) {
            writeFile(path / "Versions/A" / stem, executable(4096, hashOf(helper.fileName)), 0755);
            writeFile(path / "Versions/A/Resources/Info.plist", PropertyListWriter::dictionary()
                                                                    .setString("CFBundleName", stem)
                                                                    .setString("CFBundlePackageType", "FMWK")
                                                                    .xml());
        } else if (endsWith(helper.fileName, ".plugin")) {
            writeFile(path / "Contents/MacOS" / stem, executable(4096, hashOf(helper.fileName)), 0755);
        } else if (endsWith(helper.fileName, ".icns")) {
            writeFile(path, binaryContent(2048, hashOf(helper.fileName), "icns"));
        } else {
            writeFile(path, executable(4096, hashOf(helper.fileName)), 0755);
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
            writeFile(path, contentFor(path.filename().native(), share, seed + i, lastUse));
        }
    }

    static void writeContainer(const fs::path &container, std::string_view identifier, std::size_t size,
                               std::uint64_t seed, std::int64_t lastUse)
    {
        const std::string id(identifier);
        writeFile(container / ".com.apple.containermanagerd.metadata.plist",
                  PropertyListWriter::dictionary()
                      .setString("MCMMetadataIdentifier", id)
                      .setString("MCMMetadataUUID", uuid(seed))
                      .set("MCMMetadataContentClass", PropertyListWriter::integer(2))
                      .set("MCMMetadataVersion", PropertyListWriter::integer(6))
                      .xml());
        const fs::path data = container / "Data";
        writeFile(data / "Library/Preferences" / (id + ".plist"), settings(id, 600, lastUse).xml());
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
        for (const Application &application : tables().applications)
            writer.writeApplication(application);
        for (const Entry &entry : tables().entries)
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
