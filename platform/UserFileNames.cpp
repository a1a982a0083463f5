// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UserFileNames.h"

#include "platform/MailContent.h"
#include "platform/SecretAssignments.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

namespace {

using Kind = UserFileKind;
using Probe = UserFileNames::Probe;
using Set = std::unordered_set<std::string_view>;

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// The last extension, without its dot; none for a name whose only dot leads it (".netrc").
std::string_view extensionOf(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {};
    return name.substr(dot + 1);
}

// Calls `visit` with each run of letters and digits in `text` until it returns true; true if one did.
template <typename Visit> bool anyWord(std::string_view text, Visit visit)
{
    const auto isLetter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    };
    for (std::size_t start = 0; start < text.size();) {
        while (start < text.size() && !isLetter(text[start]))
            ++start;
        std::size_t end = start;
        while (end < text.size() && isLetter(text[end]))
            ++end;
        if (end > start && visit(text.substr(start, end - start)))
            return true;
        start = end;
    }
    return false;
}

// A word that names a log: log, logs, logfile(s), logging, or a word ending in log(s) (lastlog, syslog, chatlogs),
// but for the common words that only end so (catalog, dialog, blog...).
bool isLogWord(std::string_view word)
{
    static const Set names{"log", "logs", "logfile", "logfiles", "logging"};
    static const Set others{"catalog", "dialog", "blog",    "weblog",   "vlog",    "backlog", "analog",
                            "prolog",  "epilog", "monolog", "travelog", "ideolog", "apolog"};
    while (!word.empty() && word.back() >= '0' && word.back() <= '9')
        word.remove_suffix(1);
    if (names.contains(word))
        return true;
    if (word.ends_with('s'))
        word.remove_suffix(1);
    return word.size() > 3 && word.ends_with("log") && !others.contains(word);
}

// Folders whose content programs make again at will, or that only they read.
bool isDisposableFolder(std::string_view name)
{
    static const Set names{"tmp",
                           "temp",
                           "temporary",
                           "minidumps",
                           "dumps",
                           "telemetry",
                           "glean",
                           "datareporting",
                           "pending pings",
                           "saved-telemetry-pings",
                           "diagnosticreports"};
    return contains(name, "cache") || contains(name, "thumb") || contains(name, "crash") || names.contains(name) ||
           (name.starts_with('.') && names.contains(name.substr(1))) || anyWord(name, isLogWord);
}

// Folders of mail programs in which mailboxes and messages lie beside the programs' own files: Thunderbird's and
// its kin's Mail and ImapMail (with the .sbd folders of their subfolders), the ~/Mail and ~/mail of mutt, Alpine,
// Claws Mail, Sylpheed and Gnus, Evolution's and KMail's local mail, and Mail's mailboxes on a Mac.
bool isMailFolder(std::string_view name)
{
    static const Set names{"mail",       "mails",     "imapmail", "local folders",
                           "local-mail", "localmail", "maildir",  "mailboxes"};
    return names.contains(name) || (name.size() > 4 && (name.ends_with(".sbd") || name.ends_with(".mbox")));
}

// The files a mail program keeps beside its mailboxes: summaries, indexes, filters, settings and databases.
bool isMailProgramData(std::string_view extension)
{
    static const Set extensions{"msf",     "dat",    "json",    "js",         "html",       "htm",
                                "xml",     "plist",  "sqlite",  "sqlite-wal", "sqlite-shm", "sqlite-journal",
                                "db",      "db-wal", "db-shm",  "log",        "ini",        "lock",
                                "bak",     "tmp",    "mab",     "rdf",        "idx",        "cache",
                                "summary", "index",  "sqlite3", "ldb"};
    return extensions.contains(extension);
}

// The names mail programs give mailboxes that are single files (mbox): looked for outside their folders too.
bool isMailboxName(std::string_view name)
{
    static const Set names{"inbox",
                           "sent",
                           "sent-mail",
                           "sent mail",
                           "sent messages",
                           "sent items",
                           "drafts",
                           "outbox",
                           "unsent messages",
                           "saved-messages",
                           "postponed-msgs",
                           "archive",
                           "archives",
                           "junk",
                           "spam",
                           "trash",
                           "deleted messages",
                           "mailbox",
                           "received"};
    return names.contains(name);
}

// The data folders of wallet programs, as their documentation gives them on Linux and on a Mac (Application
// Support on a Mac unless said otherwise): Bitcoin Core and Litecoin Core (.bitcoin, Bitcoin; .litecoin,
// Litecoin), Electrum (.electrum on both), Ethereum's geth (.ethereum; ~/Library/Ethereum), the Monero GUI
// (~/Monero on both), Exodus (~/.config/Exodus, Exodus), Wasabi Wallet (.walletwasabi on both) and Sparrow
// (.sparrow on both). Armory's wallets (.armory, Armory) are told wherever they lie by their extension, .wallet.
bool isWalletProgramFolder(std::string_view name)
{
    static const Set names{".bitcoin",  "bitcoin",  ".litecoin", "litecoin", ".electrum",     "electrum",
                           ".ethereum", "ethereum", "monero",    "exodus",   ".walletwasabi", ".sparrow"};
    return names.contains(name);
}

// Where inside its data folder such a program keeps its wallets: wallets/ (Bitcoin Core's wallet folders with their
// database environments, Electrum's wallet files, Monero's wallet, key and cache files, Sparrow's databases, Wasabi's
// client/Wallets), Wasabi's client/WalletBackups, geth's keystore and Exodus's exodus.wallet.
bool isWalletProgramWallets(std::string_view name)
{
    return name == "wallets" || name == "walletbackups" || name == "keystore" ||
           (name.size() > 7 && name.ends_with(".wallet"));
}

// Folders of installed programs' own files: libraries and their packages, plug-ins and extensions, the
// artwork, sounds and translations they ship, their documentation, and the bundles of a Mac.
bool isSoftwareFolder(std::string_view name)
{
    static const Set names{"node_modules",
                           "site-packages",
                           "dist-packages",
                           "__pypackages__",
                           "extensions",
                           "plugins",
                           "plugin",
                           "addons",
                           "add-ons",
                           "themes",
                           "theme",
                           "icons",
                           "skins",
                           "emoji",
                           "emojis",
                           "stickers",
                           "avatars",
                           "sprites",
                           "textures",
                           "fonts",
                           "sounds",
                           "locale",
                           "locales",
                           "lib",
                           "lib64",
                           "libs",
                           "bin",
                           "sbin",
                           "include",
                           "doc",
                           "help",
                           "man",
                           "licenses",
                           "licences",
                           "legal",
                           "resources",
                           "assets",
                           "vendor",
                           "frameworks",
                           "runtime",
                           "runtimes",
                           "sdk",
                           "sdks",
                           "toolchains",
                           "jre",
                           "jdk",
                           "gems",
                           "crates",
                           "registry",
                           "packages",
                           "pkgs",
                           "pack",
                           "plugged",
                           "bundle",
                           "bundles",
                           "elpa",
                           "steamapps",
                           "dictionaries",
                           "hunspell",
                           "templates",
                           "repository",
                           "program files",
                           "program files (x86)",
                           "windows"};
    static constexpr std::array<std::string_view, 17> Suffixes{
        ".app",  ".framework", ".bundle",      ".plugin",     ".appex",    ".xpc",   ".kext",      ".lproj",   ".vst",
        ".vst3", ".component", ".qlgenerator", ".mdimporter", ".prefpane", ".saver", ".dist-info", ".egg-info"};
    return names.contains(name) || std::any_of(Suffixes.begin(), Suffixes.end(), [name](std::string_view suffix) {
               return name.size() > suffix.size() && name.ends_with(suffix);
           });
}

const std::unordered_map<std::string_view, Kind> &kindsByExtension()
{
    static const std::unordered_map<std::string_view, Kind> table = [] {
        std::unordered_map<std::string_view, Kind> made;
        const auto add = [&made](Kind kind, std::initializer_list<std::string_view> extensions) {
            for (const std::string_view extension : extensions)
                made.emplace(extension, kind);
        };
        // Password databases and vaults, keychains, wallets and key stores: the name decides.
        add(Kind::credentials, {"kdbx", "kdb", "psafe3", "keychain", "keychain-db", "kwl", "ppk", "p12", "pfx",
                                "keystore", "seco", "keys", "wallet"});
        add(Kind::mail, {"eml", "emlx", "mbox", "mbx", "pst", "ost"});
        add(Kind::documents,
            {"doc",   "docx", "docm", "dot",   "dotx", "dotm", "odt",      "ott",  "fodt", "rtf",     "wpd", "wps",
             "pages", "abw",  "xls",  "xlsx",  "xlsm", "xlsb", "ods",      "ots",  "fods", "numbers", "csv", "tsv",
             "ppt",   "pptx", "pptm", "pps",   "ppsx", "odp",  "otp",      "fodp", "odg",  "pdf",     "xps", "oxps",
             "djvu",  "djv",  "epub", "mobi",  "azw",  "azw3", "fb2",      "cbz",  "cbr",  "txt",     "md",  "markdown",
             "rst",   "org",  "tex",  "latex", "bib",  "adoc", "asciidoc", "note", "enex", "ipynb",   "one", "vsdx"});
        add(Kind::media,
            {"jpg",  "jpeg", "jpe",  "png",  "gif", "bmp",  "tif",  "tiff", "webp", "heic", "heif", "avif", "jxl",
             "psd",  "xcf",  "kra",  "ora",  "cr2", "cr3",  "crw",  "nef",  "nrw",  "arw",  "srf",  "sr2",  "dng",
             "orf",  "rw2",  "raf",  "srw",  "pef", "3fr",  "erf",  "kdc",  "mrw",  "x3f",  "mp3",  "flac", "ogg",
             "oga",  "opus", "wav",  "wave", "aif", "aiff", "aifc", "m4a",  "m4b",  "aac",  "wma",  "ape",  "wv",
             "mka",  "mid",  "midi", "amr",  "mp4", "m4v",  "mov",  "mkv",  "avi",  "webm", "wmv",  "flv",  "mpg",
             "mpeg", "m2v",  "mts",  "m2ts", "3gp", "3g2",  "ogv",  "vob",  "rmvb", "asf",  "divx"});
        return made;
    }();
    return table;
}

// Files whose name alone makes them credentials: wallets, browsers' saved logins, and the files in which
// command-line tools of clouds, clusters and package registries keep passwords and tokens.
bool isCredentialName(std::string_view name)
{
    static const Set names{"wallet.dat",
                           "default_wallet",
                           "secring.gpg",
                           "secring.skr",
                           ".netrc",
                           "_netrc",
                           ".pgpass",
                           ".git-credentials",
                           ".vault-token",
                           ".my.cnf",
                           ".s3cfg",
                           ".boto",
                           ".pypirc",
                           ".authinfo",
                           ".authinfo.gpg",
                           ".fetchmailrc",
                           ".msmtprc",
                           "credentials",
                           "credentials.json",
                           "credentials.toml",
                           "credentials.db",
                           "credentials.tfrc.json",
                           "access_tokens.db",
                           "accesstokens.json",
                           "msal_token_cache.json",
                           "msal_token_cache.bin",
                           "service_principal_entries.json",
                           "application_default_credentials.json",
                           "adc.json",
                           "rclone.conf",
                           "clouds.yaml",
                           "settings-security.xml",
                           "logins.json",
                           "logins.db",
                           "key4.db",
                           "key3.db",
                           "signons.sqlite",
                           "login data",
                           "login data for account"};
    // Ethereum's key store names each key file after its date and address; mail clients keep a passphrase for
    // OpenPGP keys in a file named after it.
    return names.contains(name) || name.starts_with("utc--") || contains(name, "passphrase");
}

// Plain text that programs ship or write about themselves rather than the user's: read-me files, licences,
// change logs, version stamps, logs, settings and lists kept as text. Told by the words of the name.
bool isProgramText(std::string_view name, std::string_view extension)
{
    static const Set plainText{"txt", "md", "markdown", "rst", "org", "adoc", "asciidoc", "csv", "tsv", "rtf"};
    static const Set words{"readme",
                           "license",
                           "licence",
                           "licenses",
                           "copying",
                           "copyright",
                           "changelog",
                           "changes",
                           "news",
                           "authors",
                           "contributors",
                           "credits",
                           "thanks",
                           "install",
                           "notice",
                           "notices",
                           "version",
                           "versions",
                           "patents",
                           "eula",
                           "log",
                           "logs",
                           "logfile",
                           "debug",
                           "error",
                           "errors",
                           "output",
                           "crash",
                           "report",
                           "dump",
                           "trace",
                           "requirements",
                           "robots",
                           "manifest",
                           "history",
                           "steam",
                           "appid",
                           "cmakelists",
                           "acknowledgements",
                           "acknowledgments",
                           "thirdparty",
                           "third",
                           "config",
                           "settings",
                           "options",
                           "prefs",
                           "preferences",
                           "keybinds",
                           "bindings",
                           "recent",
                           "session",
                           "lastsession",
                           "connections",
                           "servers",
                           "cache",
                           "state",
                           "status",
                           "stats",
                           "hosts",
                           "blacklist",
                           "whitelist",
                           "blocklist",
                           "allowlist",
                           "filters",
                           "rules",
                           "index",
                           "pkcs11"};
    if (!plainText.contains(extension))
        return false;
    // The words of the name before its extension.
    return anyWord(name.substr(0, name.size() - extension.size() - 1),
                   [](std::string_view word) { return words.contains(word) || isLogWord(word); });
}

// A Maildir message's name: the seconds of its delivery, a dot, and whatever makes it unique.
bool isMaildirMessage(std::string_view name)
{
    const std::size_t digits = name.find_first_not_of("0123456789");
    return digits != std::string_view::npos && digits > 0 && name[digits] == '.';
}

bool holdsAny(std::string_view bytes, std::initializer_list<std::string_view> markers)
{
    return std::any_of(markers.begin(), markers.end(),
                       [bytes](std::string_view marker) { return contains(bytes, marker); });
}

bool isPrivateKeyText(std::string_view bytes)
{
    return holdsAny(bytes, {"PRIVATE KEY", "PuTTY-User-Key-File-", "OpenVPN Static key", "PrivateKey"});
}

// A binary OpenPGP file starts with a packet whose tag tells what it is.
bool isOpenPgpSecret(std::string_view bytes)
{
    if (holdsAny(bytes, {"-----BEGIN PGP MESSAGE-----", "PRIVATE KEY BLOCK-----"}))
        return true;
    if (bytes.empty())
        return false;
    const unsigned char first = static_cast<unsigned char>(bytes.front());
    if (!(first & 0x80))
        return false;
    const unsigned tag = (first & 0x40) ? (first & 0x3f) : ((first >> 2) & 0x0f);
    // Public-key and symmetric-key encrypted session keys start encrypted messages; the others are secret keys.
    return tag == 1 || tag == 3 || tag == 5 || tag == 7;
}

// Berkeley DB's B-tree files (its magic number at byte 12, in either byte order) and SQLite's databases.
bool isWalletDatabase(std::string_view bytes)
{
    const std::string_view magic = bytes.size() >= 16 ? bytes.substr(12, 4) : std::string_view();
    return magic == std::string_view("\x62\x31\x05\x00", 4) || magic == std::string_view("\x00\x05\x31\x62", 4) ||
           bytes.starts_with(std::string_view("SQLite format 3\0", 16));
}

// Files that hold a program's settings as text, by the extensions of configuration formats, by the words of JSON
// and XML files that keep accounts (config.json, accounts.xml, sitemanager.xml), and by the names of rc files
// (.muttrc, getmailrc, getmailrc-work, .offlineimaprc, .mbsyncrc), config files (msmtp's) and .env files.
bool isConfigurationName(std::string_view name, std::string_view extension)
{
    static const Set extensions{"conf",       "cfg",  "cnf",  "ini", "rc", "config",
                                "properties", "toml", "yaml", "yml", "env"};
    static const Set accountWords{"config",  "configuration", "settings", "account",     "accounts", "auth",
                                  "secrets", "secret",        "login",    "sitemanager", "servers"};
    if (extensions.contains(extension))
        return true;
    if (extension == "json" || extension == "xml")
        return anyWord(name.substr(0, name.size() - extension.size() - 1),
                       [](std::string_view word) { return accountWords.contains(word); });
    if (!extension.empty())
        return false;
    return name == "config" || name == ".env" || anyWord(name, [](std::string_view word) {
               return word.size() >= 3 && word.ends_with("rc") && word != "src";
           });
}

} // namespace

unsigned UserFileNames::folderTraits(std::string_view name, unsigned parentTraits)
{
    unsigned traits = parentTraits & inherited;
    if (isDisposableFolder(name))
        traits |= disposable;
    if (isSoftwareFolder(name))
        traits |= software;
    if (name == ".git")
        traits |= gitFolder;
    if (name == "wallets" || name == "wallet" || name == "keystore" || name == "keystores" ||
        (name.size() > 7 && name.ends_with(".wallet")))
        traits |= wallets;
    if (name == "private-keys-v1.d")
        traits |= privateKeys;
    if (name == ".password-store" || name == "password-store")
        traits |= passwordStore;
    if (name == "saves" || name == "savegames" || name == "saved games" || name == "save games" || name == "savedata" ||
        name == "savefiles")
        traits |= savedGames;
    if (isMailFolder(name))
        traits |= mailFolder;
    if (isWalletProgramFolder(name))
        traits |= walletApp;
    if ((parentTraits & walletApp) && isWalletProgramWallets(name))
        traits |= walletFiles;
    if (name == ".kube" || name == "kube")
        traits |= clusterConfig;
    if (name == ".docker")
        traits |= registryConfig;
    if (name == "gh")
        traits |= cliHosts;
    if (name == "keyrings")
        traits |= keyrings;
    if (contains(name, "openvpn") || contains(name, "wireguard"))
        traits |= vpn;
    return traits;
}

std::optional<UserFileKind> UserFileNames::folderKind(std::string_view name, unsigned parentTraits)
{
    if (parentTraits & (software | gitFolder))
        return std::nullopt;
    const std::string_view extension = extensionOf(name);
    // 1Password's vaults are folders.
    if (extension == "opvault" || extension == "agilekeychain")
        return Kind::credentials;
    if (parentTraits & disposable)
        return std::nullopt;
    if (name == ".git")
        return Kind::repositories;
    if (extension == "mbox")
        return Kind::mail;
    return std::nullopt;
}

UserFileNames::FileRule UserFileNames::fileRule(std::string_view name, unsigned traits)
{
    if (traits & (software | gitFolder))
        return {};
    const std::string_view extension = extensionOf(name);
    if (isCredentialName(name))
        return {Kind::credentials};
    if (traits & (privateKeys | passwordStore)) {
        if ((traits & privateKeys) || extension == "gpg")
            return {Kind::credentials};
    }
    if (((traits & clusterConfig) && name == "config") || ((traits & keyrings) && extension == "keyring"))
        return {Kind::credentials};
    if (((traits & registryConfig) && name == "config.json") || ((traits & cliHosts) && name == "hosts.yml") ||
        name == ".npmrc" || extension == "nmconnection")
        return {Kind::credentials, Probe::secret};
    if (extension == "pem" || extension == "ovpn" || ((traits & vpn) && extension == "conf") ||
        (name.starts_with("id_") && !name.ends_with(".pub")))
        return {Kind::credentials, Probe::privateKey};
    if (extension == "gpg" || extension == "pgp" || extension == "asc")
        return {Kind::credentials, Probe::openPgp};
    if (extension == "key")
        return {Kind::credentials, Probe::keyOrDocument};
    if (name == ".git")
        return (traits & disposable) ? FileRule{} : FileRule{Kind::repositories};
    const auto known = kindsByExtension().find(extension);
    const bool knownKind = known != kindsByExtension().end();
    if (knownKind && known->second == Kind::credentials)
        return {Kind::credentials};
    // A wallet program's wallets, less its lock files and logs.
    if ((traits & walletFiles) && !name.starts_with('.') && extension != "lock" && extension != "log")
        return {Kind::credentials};
    if (traits & wallets)
        return {Kind::credentials, Probe::wallet};
    if (traits & disposable)
        return {};
    if (traits & savedGames)
        return {Kind::documents};
    if (name == "mbox" || name == ".mh_sequences" || name == ".claws_mark" || name == ".sylpheed_mark")
        return {Kind::mail};
    if ((traits & maildir) && !name.starts_with('.'))
        return isMaildirMessage(name) ? FileRule{Kind::mail} : FileRule{Kind::mail, Probe::mail};
    if (knownKind && known->second == Kind::mail)
        return {Kind::mail, extension == "eml" ? Probe::mail : Probe::none};
    // A mail program's mailboxes have the names of the folders they show (Inbox, Sent, Work.2024), its messages
    // numbers (MH); what else it keeps there has extensions of its own.
    if (!knownKind && !name.starts_with('.') &&
        ((traits & mailFolder) ? !isMailProgramData(extension) : extension.empty() && isMailboxName(name)))
        return {Kind::mail, Probe::mail};
    if (!knownKind)
        return isConfigurationName(name, extension) ? FileRule{Kind::credentials, Probe::configuration} : FileRule{};
    if (known->second == Kind::documents && isProgramText(name, extension))
        return {};
    return {known->second};
}

std::optional<UserFileKind> UserFileNames::confirm(Probe probe, std::string_view bytes)
{
    switch (probe) {
    case Probe::none:
        return std::nullopt;
    case Probe::privateKey:
        return isPrivateKeyText(bytes) ? std::optional(Kind::credentials) : std::nullopt;
    case Probe::openPgp:
        return isOpenPgpSecret(bytes) ? std::optional(Kind::credentials) : std::nullopt;
    case Probe::wallet:
        // Electrum's wallets (plain, or encrypted as base64 of "BIE1..." with a password or "BIE2..." with a
        // hardware wallet), key stores of Ethereum and others, the extended private keys of hierarchical wallets,
        // and the Berkeley DB and SQLite databases that Bitcoin Core's wallets are.
        return holdsAny(bytes, {"seed_version", "\"keystore\"", "ciphertext", "xprv", "EncryptedSecret",
                                "encrypted_seed", "QklFMQ", "QklFMg"}) ||
                       isWalletDatabase(bytes)
                   ? std::optional(Kind::credentials)
                   : std::nullopt;
    case Probe::secret:
        // Beside the assignments any configuration file may hold: npm's and Docker's base64 logins (_auth,
        // _password, "auth"), which npm keys by its registries' URLs, and NetworkManager's Wi-Fi and WireGuard keys.
        return holdsAny(bytes, {"\"auth\"", "_auth", "_password", "psk=", "private-key="}) ||
                       SecretAssignments::holdsSecret(bytes)
                   ? std::optional(Kind::credentials)
                   : std::nullopt;
    case Probe::configuration:
        return SecretAssignments::holdsSecret(bytes) ? std::optional(Kind::credentials) : std::nullopt;
    case Probe::mail:
        return MailContent::holdsMail(bytes) ? std::optional(Kind::mail) : std::nullopt;
    case Probe::keyOrDocument:
        if (isPrivateKeyText(bytes))
            return Kind::credentials;
        return bytes.starts_with(std::string_view("PK\x03\x04", 4)) ? std::optional(Kind::documents) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<UserFileKind> UserFileNames::unread(Probe probe, bool tooLarge)
{
    switch (probe) {
    case Probe::none:
    case Probe::configuration:
        return std::nullopt;
    case Probe::mail:
        // Where a mailbox may be, a large file most likely is one.
        return Kind::mail;
    case Probe::openPgp:
        return Kind::credentials;
    case Probe::keyOrDocument:
        return tooLarge ? Kind::documents : Kind::credentials;
    case Probe::privateKey:
    case Probe::wallet:
    case Probe::secret:
        return tooLarge ? std::nullopt : std::optional(Kind::credentials);
    }
    return std::nullopt;
}
