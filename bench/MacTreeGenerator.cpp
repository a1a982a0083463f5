#include "MacTreeGenerator.h"

#include "model/SystemNames.h"
#include "platform/PropertyListWriter.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::time_t Day = 24 * 60 * 60;

constexpr std::string_view VendorPrefixes[] = {
    "Blue",    "Red",    "Silver", "North",   "Sky",   "Stone",  "Iron",   "Bright", "Clear", "Deep",
    "Swift",   "Quiet",  "Happy",  "Little",  "Open",  "Pixel",  "Byte",   "Code",   "Cloud", "Neon",
    "Polar",   "Solar",  "Lunar",  "Amber",   "Cedar", "Maple",  "Orbit",  "Vector", "Echo",  "Copper",
    "Granite", "Harbor", "Indigo", "Juniper", "Kite",  "Lumen",  "Meadow", "Nimbus", "Oak",   "Prism",
    "Quartz",  "Raven",  "Sable",  "Tidal",   "Umber", "Velvet", "Willow", "Zephyr"};

constexpr std::string_view VendorSuffixes[] = {"wave",  "soft",  "works", "labs",  "forge", "byte",  "field", "stack",
                                               "mind",  "light", "ware",  "point", "craft", "bit",   "shift", "path",
                                               "line",  "loop",  "gate",  "beam",  "leaf",  "spark", "hive",  "cast",
                                               "nest",  "peak",  "ridge", "logic", "tech",  "bloom", "port",  "scape",
                                               "grove", "frame", "flow",  "mark",  "glow",  "pine",  "tide",  "yard"};

constexpr std::string_view LegalSuffixes[] = {", Inc.", " LLC", " GmbH", " Ltd.", " Software", " AB", " SAS", ""};

constexpr std::string_view TopLevelDomains[] = {"com", "com", "com", "com", "com", "com", "com", "com",
                                                "com", "com", "com", "com", "com", "io",  "io",  "net",
                                                "net", "org", "co",  "de",  "app", "dev"};

struct KnownVendor {
    std::string_view shortName;
    std::string_view token;
    std::string_view topLevelDomain;
};

constexpr KnownVendor KnownVendors[] = {{"Google", "google", "com"},
                                        {"Microsoft", "microsoft", "com"},
                                        {"Adobe", "adobe", "com"},
                                        {"Mozilla", "mozilla", "org"},
                                        {"JetBrains", "jetbrains", "com"},
                                        {"Dropbox", "getdropbox", "com"},
                                        {"Spotify", "spotify", "com"},
                                        {"Docker", "docker", "com"},
                                        {"Panic", "panic", "com"},
                                        {"Omni Group", "omnigroup", "com"},
                                        {"Rogue Amoeba", "rogueamoeba", "com"},
                                        {"Bohemian Coding", "bohemiancoding", "com"},
                                        {"AgileBits", "agilebits", "com"},
                                        {"Figma", "figma", "com"},
                                        {"Zoom", "zoom", "us"},
                                        {"Valve", "valvesoftware", "com"},
                                        {"Postman", "postmanlabs", "com"},
                                        {"MacPaw", "macpaw", "com"},
                                        {"Objective Development", "obdev", "at"},
                                        {"QBX Software", "qbx", "com"},
                                        {"NTK", "ntk", "net"},
                                        {"ZPL Systems", "zpl", "io"}};

constexpr std::string_view ProductWords[] = {
    "Photo",   "Note",   "Mail",   "Task",    "Code",   "Sync",      "Draw",     "Sketch",  "Clip",    "Track",
    "Type",    "Word",   "Sheet",  "Slide",   "Page",   "Book",      "Music",    "Sound",   "Audio",   "Video",
    "Movie",   "Frame",  "Pixel",  "Vector",  "Shell",  "Data",      "Base",     "Cloud",   "Drive",   "Backup",
    "Vault",   "Key",    "Pass",   "Lock",    "Shield", "Guard",     "Clean",    "Disk",    "File",    "Folder",
    "Window",  "Screen", "Shot",   "Capture", "Record", "Stream",    "Chat",     "Talk",    "Meet",    "Agenda",
    "Time",    "Clock",  "Timer",  "Focus",   "Flow",   "Mind",      "Plan",     "Project", "Budget",  "Money",
    "Invoice", "Scan",   "Print",  "Font",    "Color",  "Palette",   "Icon",     "Design",  "Layout",  "Web",
    "Browse",  "Feed",   "Read",   "Write",   "Draft",  "Script",    "Markdown", "Journal", "Diary",   "Recipe",
    "Fit",     "Pulse",  "Star",   "Orbit",   "Planet", "Translate", "Lingo",    "Zip",     "Archive", "Transfer",
    "Share",   "Link",   "Port",   "Net",     "Wave",   "Monitor",   "Stat",     "Meter",   "Battery", "Power",
    "Launch",  "Dock",   "Menu",   "Bar",     "Switch", "Control",   "Remote",   "Virtual", "Box",     "Machine",
    "Cube",    "Graph",  "Chart",  "Math",    "Calc",   "Paint",     "Brush",    "Studio",  "Forge",   "Lab",
    "Kit",     "Hub",    "Desk",   "Pad",     "Board",  "Space",     "Room",     "Grid",    "Tile",    "Snap",
    "Paste",   "Copy",   "Stack",  "Queue",   "Bench",  "Test",      "Debug",    "Trace",   "Query",   "Table",
    "Form",    "Survey", "Quiz",   "Learn",   "Tutor",  "Piano",     "Guitar",   "Drum",    "Beat",    "Mix",
    "Tune",    "Radio",  "Pod",    "Cast",    "Mark",   "Pin",       "Tag",      "Sort",    "Find",    "Seek",
    "Sense",   "Spark",  "Bolt",   "Nova",    "Atlas",  "Comet",     "Harbor",   "Beacon",  "Anchor",  "Compass",
    "Lens",    "Prism",  "Canvas", "Ink",     "Quill",  "Scribe",    "Ledger",   "Pocket",  "Bundle",  "Relay",
    "Tunnel",  "Bridge", "Signal", "Mosaic",  "Ember",  "Glyph",     "Rocket",   "Sail",    "Summit",  "Pixelate"};

constexpr std::string_view NameSuffixes[] = {"Pro",    "Plus", "Lite", "Studio",  "Manager", "Editor",   "Viewer",
                                             "Player", "HD",   "X",    "for Mac", "Desktop", "Express",  "Suite",
                                             "Go",     "Max",  "One",  "Next",    "Classic", "Companion"};

constexpr std::string_view WordEndings[] = {"ly", "ify", "io", "r", "o", "er", "ster", "able", "ia", "ix"};

constexpr std::string_view PersonNames[] = {"Tom", "Ada", "Max", "Lea", "Sam", "Zoe", "Ivy", "Leo"};

constexpr std::string_view ExtensionNames[] = {
    "ShareExtension",     "FinderSync",          "SafariExtension",  "Widget",       "QuickLookPreview",
    "ThumbnailExtension", "NotificationService", "IntentsExtension", "FileProvider", "ActionExtension"};

constexpr std::string_view XpcWords[] = {"Renderer", "Downloader", "Indexer", "Networking",  "Sandbox",   "Thumbnailer",
                                         "Exporter", "Importer",   "Crypto",  "SyncService", "Installer", "Parser"};

constexpr std::string_view PreferenceSuffixes[] = {"Settings", "SharedPrefs", "Helper",  "plugins", "UserDefaults",
                                                   "sparkle",  "Licensing",   "Updater", "state"};

constexpr std::string_view ReceiptComponents[] = {"helper", "core", "app",   "plugin", "resources",
                                                  "driver", "cli",  "agent", "support"};

constexpr std::string_view ThirdPartyFrameworks[] = {
    "Mantle",  "ReactiveObjC", "Alamofire",         "SwiftyJSON",    "Realm",           "RealmSwift",
    "Sentry",  "Lottie",       "KeyboardShortcuts", "LaunchAtLogin", "Crashlytics",     "FirebaseCore",
    "GRDB",    "Starscream",   "SDWebImage",        "PromiseKit",    "CocoaLumberjack", "Kingfisher",
    "SnapKit", "AppCenter",    "ShortcutRecorder",  "MASShortcut",   "Charts",          "HotKey",
    "Down",    "Yams"};

constexpr std::string_view Localizations[] = {"Base", "en",    "de",      "fr",      "ja", "es", "it", "ko",
                                              "nl",   "pt-BR", "zh-Hans", "zh-Hant", "ru", "sv", "pl"};

constexpr std::string_view ResourcePatterns[] = {"%.png",   "%@2x.png",  "%Template.pdf", "%.nib",  "%.json",
                                                 "%.js",    "%.css",     "%.html",        "%.tiff", "%.aiff",
                                                 "%.plist", "%.strings", "%-dark.png",    "%.car",  "%.storyboardc"};

constexpr std::string_view AppCategories[] = {"productivity", "developer-tools", "graphics-design",   "utilities",
                                              "music",        "video",           "photography",       "business",
                                              "finance",      "education",       "social-networking", "lifestyle"};

constexpr std::string_view PublicTypes[] = {"public.plain-text",
                                            "public.jpeg",
                                            "public.png",
                                            "public.html",
                                            "public.json",
                                            "public.movie",
                                            "public.mp3",
                                            "public.folder",
                                            "public.text",
                                            "public.source-code",
                                            "public.comma-separated-values-text",
                                            "public.zip-archive",
                                            "public.image",
                                            "public.audio",
                                            "public.xml",
                                            "public.url"};

constexpr std::string_view ForeignTypes[] = {"com.adobe.pdf",
                                             "com.microsoft.word.doc",
                                             "org.openxmlformats.wordprocessingml.document",
                                             "net.daringfireball.markdown",
                                             "org.idpf.epub-container",
                                             "com.adobe.photoshop-image",
                                             "com.compuserve.gif",
                                             "org.webmproject.webm",
                                             "com.microsoft.excel.xls",
                                             "org.oasis-open.opendocument.text"};

constexpr std::string_view FileExtensions[] = {"pfx",  "nbk",   "proj", "draft",  "board",   "sketchy", "clipz", "trk",
                                               "mdoc", "vault", "sess", "layout", "palette", "score",   "lpf",   "qry"};

struct AppleApp {
    std::string_view name;
    std::string_view bundleId;
    std::string_view folder;
};

// Ordered so that a small tree still gets a mix of the three folders.
constexpr AppleApp AppleApps[] = {{"Calculator", "com.apple.calculator", "/System/Applications"},
                                  {"Safari", "com.apple.Safari", "/Applications"},
                                  {"Terminal", "com.apple.Terminal", "/System/Applications/Utilities"},
                                  {"Notes", "com.apple.Notes", "/System/Applications"},
                                  {"Xcode", "com.apple.dt.Xcode", "/Applications"},
                                  {"Preview", "com.apple.Preview", "/System/Applications"},
                                  {"Activity Monitor", "com.apple.ActivityMonitor", "/System/Applications/Utilities"},
                                  {"TextEdit", "com.apple.TextEdit", "/System/Applications"},
                                  {"Pages", "com.apple.iWork.Pages", "/Applications"},
                                  {"Calendar", "com.apple.iCal", "/System/Applications"},
                                  {"Console", "com.apple.Console", "/System/Applications/Utilities"},
                                  {"Chess", "com.apple.Chess", "/System/Applications"},
                                  {"Numbers", "com.apple.iWork.Numbers", "/Applications"},
                                  {"Contacts", "com.apple.AddressBook", "/System/Applications"},
                                  {"Disk Utility", "com.apple.DiskUtility", "/System/Applications/Utilities"},
                                  {"Dictionary", "com.apple.Dictionary", "/System/Applications"},
                                  {"Keynote", "com.apple.iWork.Keynote", "/Applications"},
                                  {"FaceTime", "com.apple.FaceTime", "/System/Applications"},
                                  {"Script Editor", "com.apple.ScriptEditor2", "/System/Applications/Utilities"},
                                  {"Font Book", "com.apple.FontBook", "/System/Applications"},
                                  {"GarageBand", "com.apple.garageband10", "/Applications"},
                                  {"Freeform", "com.apple.freeform", "/System/Applications"},
                                  {"Home", "com.apple.Home", "/System/Applications"},
                                  {"iMovie", "com.apple.iMovieApp", "/Applications"},
                                  {"Mail", "com.apple.mail", "/System/Applications"},
                                  {"Maps", "com.apple.Maps", "/System/Applications"},
                                  {"Messages", "com.apple.MobileSMS", "/System/Applications"},
                                  {"Music", "com.apple.Music", "/System/Applications"},
                                  {"News", "com.apple.news", "/System/Applications"},
                                  {"Photos", "com.apple.Photos", "/System/Applications"},
                                  {"Podcasts", "com.apple.podcasts", "/System/Applications"},
                                  {"Reminders", "com.apple.reminders", "/System/Applications"},
                                  {"Stocks", "com.apple.stocks", "/System/Applications"},
                                  {"Weather", "com.apple.weather", "/System/Applications"}};

constexpr std::string_view AppleComponents[] = {"finder",
                                                "dock",
                                                "Safari",
                                                "Terminal",
                                                "systempreferences",
                                                "screencapture",
                                                "loginwindow",
                                                "spaces",
                                                "menuextra.clock",
                                                "HIToolbox",
                                                "AppleMultitouchTrackpad",
                                                "driver.AppleBluetoothMultitouch.trackpad",
                                                "sharingd",
                                                "CloudKit",
                                                "iCal",
                                                "mail",
                                                "TextEdit",
                                                "Preview",
                                                "QuickTimePlayerX",
                                                "ActivityMonitor",
                                                "Console",
                                                "DiskUtility",
                                                "AddressBook",
                                                "Notes",
                                                "reminders",
                                                "Photos",
                                                "Music",
                                                "podcasts",
                                                "news",
                                                "stocks",
                                                "weather",
                                                "Maps",
                                                "FaceTime",
                                                "MobileSMS",
                                                "assistant.support",
                                                "Spotlight",
                                                "universalaccess",
                                                "security",
                                                "TimeMachine",
                                                "bird",
                                                "cloudd",
                                                "nsurlsessiond",
                                                "akd",
                                                "amsengagementd",
                                                "appstore",
                                                "commerce",
                                                "coreservices.useractivityd",
                                                "dt.Xcode",
                                                "iWork.Pages",
                                                "iWork.Numbers",
                                                "iWork.Keynote",
                                                "garageband10",
                                                "iMovieApp",
                                                "helpviewer",
                                                "ScriptEditor2",
                                                "ncprefs",
                                                "controlcenter",
                                                "WindowManager",
                                                "screensaver",
                                                "Accessibility",
                                                "SpeechRecognitionCore",
                                                "sharedfilelist",
                                                "TCC",
                                                "backgroundtaskmanagementagent",
                                                "ctcategories",
                                                "inputsources",
                                                "symbolichotkeys",
                                                "LaunchServices",
                                                "networkserviceproxy",
                                                "remindd",
                                                "photoanalysisd",
                                                "mediaanalysisd",
                                                "parsecd",
                                                "knowledge-agent",
                                                "suggestd",
                                                "tipsd",
                                                "routined",
                                                "xpc.activity2",
                                                "iCloudNotificationAgent",
                                                "quicklook.ThumbnailsAgent",
                                                "corespotlightui",
                                                "AMPLibraryAgent",
                                                "CharacterPaletteIM",
                                                "gamed",
                                                "findmy",
                                                "siri.context.service"};

constexpr std::string_view AppleComponentEndings[] = {"d",       "agent",   "helper", "kit",
                                                      "service", ".shared", "ui",     "sync"};

constexpr std::string_view ApplePackages[] = {"XProtectPlistConfigData",
                                              "MRTConfigData",
                                              "Gatekeeper",
                                              "CLTools_Executables",
                                              "CLTools_SDK_macOS14",
                                              "RosettaUpdateAuto",
                                              "MobileAssets",
                                              "XProtectPayloads",
                                              "SafariTechPreview",
                                              "GatekeeperCompatibilityData",
                                              "BSD",
                                              "Core"};

constexpr std::string_view AppleFrameworks[] = {"Accelerate",
                                                "Accessibility",
                                                "Accounts",
                                                "AddressBook",
                                                "AGL",
                                                "AppKit",
                                                "AppleScriptKit",
                                                "AppleScriptObjC",
                                                "ApplicationServices",
                                                "AudioToolbox",
                                                "AudioUnit",
                                                "AuthenticationServices",
                                                "Automator",
                                                "AVFAudio",
                                                "AVFoundation",
                                                "AVKit",
                                                "BackgroundTasks",
                                                "CallKit",
                                                "Carbon",
                                                "CFNetwork",
                                                "ClassKit",
                                                "CloudKit",
                                                "Cocoa",
                                                "Collaboration",
                                                "ColorSync",
                                                "Combine",
                                                "Contacts",
                                                "ContactsUI",
                                                "CoreAudio",
                                                "CoreAudioKit",
                                                "CoreBluetooth",
                                                "CoreData",
                                                "CoreFoundation",
                                                "CoreGraphics",
                                                "CoreHaptics",
                                                "CoreImage",
                                                "CoreLocation",
                                                "CoreMedia",
                                                "CoreMIDI",
                                                "CoreML",
                                                "CoreMotion",
                                                "CoreServices",
                                                "CoreSpotlight",
                                                "CoreText",
                                                "CoreVideo",
                                                "CoreWLAN",
                                                "CryptoKit",
                                                "CryptoTokenKit",
                                                "DeviceCheck",
                                                "DiscRecording",
                                                "DiskArbitration",
                                                "DriverKit",
                                                "EventKit",
                                                "ExceptionHandling",
                                                "FileProvider",
                                                "FileProviderUI",
                                                "FinderSync",
                                                "ForceFeedback",
                                                "Foundation",
                                                "GameController",
                                                "GameKit",
                                                "GameplayKit",
                                                "GLKit",
                                                "GSS",
                                                "Hypervisor",
                                                "ImageCaptureCore",
                                                "ImageIO",
                                                "IOBluetooth",
                                                "IOKit",
                                                "IOSurface",
                                                "JavaScriptCore",
                                                "Kerberos",
                                                "LocalAuthentication",
                                                "MapKit",
                                                "MediaAccessibility",
                                                "MediaPlayer",
                                                "MediaToolbox",
                                                "Metal",
                                                "MetalKit",
                                                "MetalPerformanceShaders",
                                                "MLCompute",
                                                "ModelIO",
                                                "MultipeerConnectivity",
                                                "NaturalLanguage",
                                                "Network",
                                                "NetworkExtension",
                                                "NotificationCenter",
                                                "OpenAL",
                                                "OpenCL",
                                                "OpenGL",
                                                "OSAKit",
                                                "OSLog",
                                                "PassKit",
                                                "PDFKit",
                                                "PencilKit",
                                                "Photos",
                                                "PhotosUI",
                                                "PreferencePanes",
                                                "PushKit",
                                                "Quartz",
                                                "QuartzCore",
                                                "QuickLook",
                                                "QuickLookThumbnailing",
                                                "RealityKit",
                                                "ReplayKit",
                                                "SafariServices",
                                                "SceneKit",
                                                "ScreenCaptureKit",
                                                "ScreenSaver",
                                                "ScriptingBridge",
                                                "Security",
                                                "SecurityFoundation",
                                                "SecurityInterface",
                                                "ServiceManagement",
                                                "Social",
                                                "SoundAnalysis",
                                                "Speech",
                                                "SpriteKit",
                                                "StoreKit",
                                                "SwiftUI",
                                                "SystemConfiguration",
                                                "SystemExtensions",
                                                "TWAIN",
                                                "UniformTypeIdentifiers",
                                                "UserNotifications",
                                                "VideoToolbox",
                                                "Virtualization",
                                                "Vision",
                                                "WebKit",
                                                "WidgetKit"};

constexpr std::string_view FrameworkEndings[] = {"Kit", "Services", "UI", "Core", "Support", "Foundation"};

constexpr std::string_view JavaHomes[] = {"jdk-21.jdk",         "temurin-17.jdk",      "zulu-11.jdk",
                                          "jdk1.8.0_381.jdk",   "openjdk-22.jdk",      "corretto-21.jdk",
                                          "graalvm-jdk-21.jdk", "liberica-jre-17.jre", "jdk-17.0.9.jdk"};

constexpr std::string_view ToolNames[] = {"git",         "wget",         "curl",
                                          "node",        "npm",          "npx",
                                          "python3",     "pip3",         "ffmpeg",
                                          "ffprobe",     "jq",           "rg",
                                          "fd",          "bat",          "htop",
                                          "tmux",        "vim",          "nvim",
                                          "cmake",       "ninja",        "gh",
                                          "go",          "gofmt",        "rustc",
                                          "cargo",       "ruby",         "gem",
                                          "perl",        "php",          "composer",
                                          "yarn",        "pnpm",         "deno",
                                          "bun",         "kubectl",      "helm",
                                          "terraform",   "docker",       "docker-compose",
                                          "aws",         "gcloud",       "az",
                                          "sqlite3",     "psql",         "redis-server",
                                          "redis-cli",   "mongod",       "mysql",
                                          "openssl",     "gpg",          "pinentry-mac",
                                          "ssh-copy-id", "tree",         "watch",
                                          "gls",         "gcp",          "gsed",
                                          "gawk",        "zsh",          "bash",
                                          "ls",          "cat",          "pandoc",
                                          "imagemagick", "convert",      "magick",
                                          "exiftool",    "youtube-dl",   "yt-dlp",
                                          "aria2c",      "mas",          "brew",
                                          "port",        "lua",          "luajit",
                                          "java",        "javac",        "mvn",
                                          "gradle",      "kotlin",       "scala",
                                          "sbt",         "clang-format", "swiftlint",
                                          "swiftformat", "carthage",     "pod",
                                          "fastlane",    "xcbeautify",   "shellcheck",
                                          "direnv",      "fzf",          "zoxide",
                                          "starship",    "lazygit",      "tig",
                                          "delta",       "hyperfine",    "tokei",
                                          "httpie",      "http",         "mitmproxy",
                                          "nmap",        "iperf3",       "mtr",
                                          "telnet",      "socat",        "ncdu",
                                          "duf"};

constexpr std::string_view ToolEndings[] = {"ctl", "d", "-cli", "fmt", "lint", "gen", "-server", "sync", "x", "-agent"};

constexpr std::string_view FormulaNames[] = {"wget",
                                             "curl",
                                             "git",
                                             "node",
                                             "python@3.12",
                                             "python@3.11",
                                             "openssl@3",
                                             "ffmpeg",
                                             "jq",
                                             "ripgrep",
                                             "fd",
                                             "bat",
                                             "htop",
                                             "tmux",
                                             "neovim",
                                             "cmake",
                                             "ninja",
                                             "gh",
                                             "go",
                                             "rust",
                                             "ruby",
                                             "perl",
                                             "php",
                                             "composer",
                                             "yarn",
                                             "pnpm",
                                             "deno",
                                             "kubernetes-cli",
                                             "helm",
                                             "terraform",
                                             "awscli",
                                             "sqlite",
                                             "postgresql@16",
                                             "redis",
                                             "mongodb-community",
                                             "mysql",
                                             "gnupg",
                                             "pinentry-mac",
                                             "tree",
                                             "watch",
                                             "coreutils",
                                             "gnu-sed",
                                             "gawk",
                                             "zsh",
                                             "bash",
                                             "pandoc",
                                             "imagemagick",
                                             "exiftool",
                                             "yt-dlp",
                                             "aria2",
                                             "mas",
                                             "lua",
                                             "luajit",
                                             "openjdk",
                                             "maven",
                                             "gradle",
                                             "kotlin",
                                             "scala",
                                             "sbt",
                                             "clang-format",
                                             "swiftlint",
                                             "swiftformat",
                                             "carthage",
                                             "cocoapods",
                                             "fastlane",
                                             "xcbeautify",
                                             "shellcheck",
                                             "direnv",
                                             "fzf",
                                             "zoxide",
                                             "starship",
                                             "lazygit",
                                             "tig",
                                             "git-delta",
                                             "hyperfine",
                                             "tokei",
                                             "httpie",
                                             "mitmproxy",
                                             "nmap",
                                             "iperf3",
                                             "mtr",
                                             "telnet",
                                             "socat",
                                             "ncdu",
                                             "duf",
                                             "libyaml",
                                             "libffi",
                                             "readline",
                                             "gettext",
                                             "pcre2",
                                             "xz",
                                             "zstd",
                                             "lz4",
                                             "icu4c",
                                             "libpng",
                                             "jpeg-turbo",
                                             "webp",
                                             "giflib",
                                             "freetype",
                                             "fontconfig",
                                             "harfbuzz",
                                             "cairo",
                                             "pango"};

constexpr std::string_view PortNames[] = {
    "wget",         "curl",       "gettext",     "libiconv", "ncurses",  "zlib",      "python312",   "py312-pip",
    "perl5.34",     "ffmpeg",     "gnupg2",      "openssl3", "git",      "tmux",      "vim",         "cmake",
    "pkgconfig",    "autoconf",   "automake",    "libtool",  "bzip2",    "xz",        "expat",       "libxml2",
    "libxslt",      "sqlite3",    "readline",    "db48",     "gmp",      "mpfr",      "libmpc",      "gcc13",
    "ld64",         "cctools",    "clang-17",    "llvm-17",  "boost181", "icu",       "jpeg",        "libpng",
    "tiff",         "lcms2",      "ghostscript", "graphviz", "gnuplot",  "p5.34-dbi", "py311-numpy", "py311-scipy",
    "rb33-bundler", "subversion", "mercurial",   "rsync",    "coreutils"};

constexpr std::string_view TeamIdAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
constexpr std::string_view HexDigits = "0123456789abcdef";
constexpr std::string_view Base64Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string lower(std::string_view text)
{
    std::string result(text);
    for (char &c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

std::string capitalized(std::string_view text)
{
    std::string result(text);
    if (!result.empty() && result[0] >= 'a' && result[0] <= 'z')
        result[0] = static_cast<char>(result[0] - 'a' + 'A');
    return result;
}

// The letters with diacritics that the name lists produce, folded to ASCII for identifiers.
std::string asciiFolded(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            ++i;
            switch (next) {
            case 0xA9:
                result += 'e';
                break; // é
            case 0x9C:
                result += 'U';
                break; // Ü
            case 0xBC:
                result += 'u';
                break; // ü
            case 0xB6:
                result += 'o';
                break; // ö
            default:
                break;
            }
            continue;
        }
        result += static_cast<char>(c);
    }
    return result;
}

// "Photo Forge Pro" -> "PhotoForgePro": ASCII letters and digits only.
std::string compact(std::string_view name)
{
    std::string result;
    for (char c : asciiFolded(name)) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            result += c;
    }
    return result;
}

// "Photo Forge Pro" -> "photo-forge-pro"
std::string dashed(std::string_view name)
{
    std::string result;
    for (char c : lower(asciiFolded(name))) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            result += c;
        } else if ((c == ' ' || c == '-') && !result.empty() && result.back() != '-') {
            result += '-';
        }
    }
    while (!result.empty() && result.back() == '-')
        result.pop_back();
    return result;
}

bool endsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

// A name that is still free in a folder: "name 2", or "stem-2.ext" for names with a known extension.
std::string numberedVariant(const std::string &name, int number)
{
    static constexpr std::string_view extensions[] = {".plist", ".savedState", ".pkg", ".framework",
                                                      ".jdk",   ".jre",        ".log"};
    for (std::string_view extension : extensions) {
        if (endsWith(name, extension)) {
            const std::string stem = name.substr(0, name.size() - extension.size());
            return stem + "-" + std::to_string(number) + std::string(extension);
        }
    }
    return name + " " + std::to_string(number);
}

std::string isoDate(std::time_t time)
{
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

PropertyListWriter stringArray(const std::vector<std::string> &values)
{
    PropertyListWriter list = PropertyListWriter::array();
    for (const auto &value : values)
        list.appendString(value);
    return list;
}

} // namespace

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

// Planning: every name is decided here, in one sequential pass, so that names are unique and the parallel
// writers need no coordination.

void MacTreeGenerator::planVendors(Random &random)
{
    const std::size_t wanted = std::max<std::size_t>(24, static_cast<std::size_t>(m_options.appCount) / 2);
    std::set<std::string> tokens;
    int collisions = 0;
    const auto addVendor = [&](std::string shortName, std::string token, std::string_view topLevelDomain, bool github) {
        Vendor vendor;
        vendor.legalName = shortName + std::string(random.pick(LegalSuffixes));
        vendor.shortName = std::move(shortName);
        vendor.domain = github ? "io.github." + token : std::string(topLevelDomain) + "." + token;
        vendor.website = github ? token + ".github.io" : token + "." + std::string(topLevelDomain);
        for (int i = 0; i < 10; ++i)
            vendor.teamId += TeamIdAlphabet[random.below(TeamIdAlphabet.size())];
        vendor.token = std::move(token);
        m_vendors.push_back(std::move(vendor));
    };

    for (const auto &known : KnownVendors) {
        tokens.insert(std::string(known.token));
        addVendor(std::string(known.shortName), std::string(known.token), known.topLevelDomain, false);
    }
    while (m_vendors.size() < wanted) {
        const std::string prefix(random.pick(VendorPrefixes));
        const std::string suffix(random.pick(VendorSuffixes));
        std::string token = lower(prefix + suffix);
        // Numbered names only once the word lists are nearly used up.
        if (tokens.count(token) && ++collisions > 200)
            token += std::to_string(random.between(2, 99));
        if (!tokens.insert(token).second)
            continue;
        std::string shortName;
        const double style = random.unit();
        if (style < 0.6)
            shortName = prefix + suffix;
        else if (style < 0.85)
            shortName = prefix + capitalized(suffix);
        else
            shortName = prefix + " " + capitalized(suffix);
        if (token.back() >= '0' && token.back() <= '9')
            shortName += token.substr(lower(prefix + suffix).size());
        const std::string_view topLevelDomain = random.pick(TopLevelDomains);
        const bool github = random.chance(0.03);
        addVendor(std::move(shortName), std::move(token), topLevelDomain, github);
    }
}

std::size_t MacTreeGenerator::pickVendor(Random &random) const
{
    // A few vendors ship many applications; most ship one or two.
    if (random.chance(0.3)) {
        const double u = random.unit();
        return static_cast<std::size_t>(u * u * u * static_cast<double>(m_vendors.size()));
    }
    return random.below(m_vendors.size());
}

std::string MacTreeGenerator::makeAppName(Random &random, const Vendor &vendor) const
{
    // Every draw is a statement of its own: the order of evaluation within one expression is the compiler's.
    const std::string first(random.pick(ProductWords));
    const std::string second(random.pick(ProductWords));
    std::string name;
    const double style = random.unit();
    if (style < 0.28) {
        name = first + second;
    } else if (style < 0.52) {
        name = first + " " + second;
    } else if (style < 0.60) {
        name = vendor.shortName + " " + first;
    } else if (style < 0.68) {
        const int number = random.chance(0.1) ? 365 : random.between(2, 12);
        name = first + (random.chance(0.5) ? " " : "") + std::to_string(number);
    } else if (style < 0.74) {
        name = first + "-" + second;
    } else if (style < 0.79) {
        const char prefix = "iex"[random.below(3)];
        name = std::string(1, prefix) + first + (random.chance(0.3) ? second : "");
    } else if (style < 0.88) {
        name = first + std::string(random.pick(WordEndings));
    } else if (style < 0.93) {
        switch (random.below(5)) {
        case 0:
            name = first + "s & " + second + "s";
            break;
        case 1:
            name = std::string(random.pick(PersonNames)) + "'s " + first;
            break;
        case 2:
            name = "Café " + first;
            break;
        case 3:
            name = "Über" + lower(first);
            break;
        default:
            name = first + "+";
            break;
        }
    } else {
        name = lower(first + second);
    }
    if (style < 0.60 && random.chance(0.22))
        name += " " + std::string(random.pick(NameSuffixes));
    return name;
}

MacTreeGenerator::AppIdentity MacTreeGenerator::makeIdentity(Random &random, std::size_t vendorIndex)
{
    const Vendor &vendor = m_vendors[vendorIndex];
    AppIdentity app;
    app.vendor = vendorIndex;

    for (int attempt = 0;; ++attempt) {
        std::string name = makeAppName(random, vendor);
        if (attempt > 20)
            name += " " + std::to_string(attempt);
        if (m_usedNames.insert(lower(name)).second) {
            app.name = std::move(name);
            break;
        }
    }

    const std::string product = compact(app.name);
    std::string part;
    const double style = random.unit();
    if (style < 0.40)
        part = product;
    else if (style < 0.70)
        part = lower(product);
    else if (style < 0.80)
        part = dashed(app.name);
    else if (style < 0.88)
        part = "mac." + lower(product);
    else if (style < 0.94) {
        part = lower(random.pick(ProductWords));
        if (random.chance(0.5))
            part += std::to_string(random.between(2, 9));
    } else
        part = lower(product) + ".mac";
    app.bundleId = vendor.domain + "." + part;
    while (!m_usedIdentifiers.insert(lower(app.bundleId)).second)
        app.bundleId += std::to_string(random.below(10));

    const double executableStyle = random.unit();
    if (executableStyle < 0.5)
        app.executable = app.name;
    else if (executableStyle < 0.85)
        app.executable = product;
    else
        app.executable = dashed(app.name);

    const int major = random.chance(0.7) ? random.between(1, 6) : random.between(7, 30);
    const int minor = random.between(0, 20);
    const int patch = random.between(0, 12);
    const int build = random.between(100, 9999);
    const int year = random.between(2019, 2025);
    const double versionStyle = random.unit();
    if (versionStyle < 0.55)
        app.version = std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
    else if (versionStyle < 0.85)
        app.version = std::to_string(major) + "." + std::to_string(minor);
    else if (versionStyle < 0.93)
        app.version = std::to_string(year) + "." + std::to_string(minor % 4 + 1);
    else
        app.version = std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch) + "." +
                      std::to_string(build);
    return app;
}

void MacTreeGenerator::planApps(Random &random)
{
    const std::size_t total = static_cast<std::size_t>(m_options.appCount);
    const std::size_t appleCount = std::min(std::size(AppleApps), total / 50);

    Vendor apple;
    apple.shortName = "Apple";
    apple.legalName = "Apple Inc.";
    apple.token = "apple";
    apple.domain = "com.apple";
    apple.website = "apple.com";
    apple.teamId = "APPLECOMPS";
    m_vendors.push_back(apple);
    const std::size_t appleVendor = m_vendors.size() - 1;

    m_installedApps.reserve(total);
    for (const auto &known : AppleApps) {
        m_usedNames.insert(lower(known.name));
        m_usedIdentifiers.insert(lower(known.bundleId));
    }
    for (std::size_t i = 0; i < appleCount; ++i) {
        AppIdentity app;
        app.name = std::string(AppleApps[i].name);
        app.bundleId = std::string(AppleApps[i].bundleId);
        app.executable = app.name;
        const int major = random.between(1, 17);
        app.version = std::to_string(major) + "." + std::to_string(random.between(0, 6));
        app.macFolder = std::string(AppleApps[i].folder);
        app.vendor = appleVendor;
        app.apple = true;
        m_installedApps.push_back(std::move(app));
    }

    const std::size_t remaining = total - appleCount;
    const std::size_t inHome = remaining * 15 / 100;
    const std::size_t inUtilities = remaining * 7 / 100;
    const std::size_t nested = remaining * 16 / 100;
    const std::size_t topLevel = remaining - inHome - inUtilities - nested;
    const auto vendorCount = m_vendors.size() - 1; // without Apple

    for (std::size_t i = 0; i < topLevel; ++i) {
        AppIdentity app = makeIdentity(random, pickVendor(random) % vendorCount);
        app.macFolder = "/Applications";
        m_installedApps.push_back(std::move(app));
    }
    for (std::size_t i = 0; i < inUtilities; ++i) {
        AppIdentity app = makeIdentity(random, pickVendor(random) % vendorCount);
        app.macFolder = "/Applications/Utilities";
        m_installedApps.push_back(std::move(app));
    }
    for (std::size_t placed = 0; placed < nested;) {
        const std::size_t vendorIndex = pickVendor(random) % vendorCount;
        const Vendor &vendor = m_vendors[vendorIndex];
        std::string folder = "/Applications/" + vendor.shortName;
        const double style = random.unit();
        const std::string suite(random.pick(ProductWords));
        if (style < 0.25)
            folder += " " + suite + " " + std::to_string(random.between(2018, 2025));
        else if (style < 0.45)
            folder += "/" + suite + " Suite";
        const std::size_t group =
            std::min<std::size_t>(nested - placed, static_cast<std::size_t>(random.between(1, 4)));
        for (std::size_t i = 0; i < group; ++i, ++placed) {
            AppIdentity app = makeIdentity(random, vendorIndex);
            app.macFolder = folder;
            m_installedApps.push_back(std::move(app));
        }
    }
    for (std::size_t i = 0; i < inHome; ++i) {
        const std::size_t vendorIndex = pickVendor(random) % vendorCount;
        AppIdentity app = makeIdentity(random, vendorIndex);
        const double style = random.unit();
        if (style < 0.75)
            app.macFolder = "/Users/bench/Applications";
        else if (style < 0.9)
            app.macFolder = "/Users/bench/Applications/Chrome Apps.localized";
        else
            app.macFolder = "/Users/bench/Applications/" + m_vendors[vendorIndex].shortName;
        m_installedApps.push_back(std::move(app));
    }

    // Two damaged bundles: one without Info.plist, one whose Info.plist has no identifier.
    if (remaining >= 100) {
        m_installedApps[appleCount].defect = Defect::missingInfoPlist;
        m_installedApps[appleCount + topLevel / 2].defect = Defect::missingIdentifier;
    }

    for (std::size_t i = 0; i < m_installedApps.size(); ++i) {
        m_installedApps[i].seed = seedFor(10, i);
        if (!m_installedApps[i].apple && m_installedApps[i].defect == Defect::none)
            m_ownableApps.push_back(&m_installedApps[i]);
    }

    const std::size_t uninstalledCount = std::max<std::size_t>(20, total);
    m_uninstalledApps.reserve(uninstalledCount);
    for (std::size_t i = 0; i < uninstalledCount; ++i) {
        AppIdentity app = makeIdentity(random, pickVendor(random) % vendorCount);
        app.macFolder = random.chance(0.85) ? "/Applications" : "/Users/bench/Applications";
        app.seed = seedFor(11, i);
        m_uninstalledApps.push_back(std::move(app));
    }
}

void MacTreeGenerator::planTools(Random &random)
{
    const int apps = m_options.appCount;
    const int toolCount = std::clamp(apps / 6, 20, 600);
    const int formulaCount = std::clamp(apps / 8, 10, 400);
    const int portCount = std::clamp(apps / 10, 8, 300);

    const auto uniqueNames = [&](std::span<const std::string_view> known, int count, auto makeExtra) {
        std::vector<std::string> names;
        std::set<std::string> used;
        std::vector<std::string_view> order(known.begin(), known.end());
        for (std::size_t i = order.size(); i > 1; --i)
            std::swap(order[i - 1], order[random.below(i)]);
        for (std::string_view name : order) {
            if (static_cast<int>(names.size()) == count)
                break;
            if (random.chance(0.8) && used.insert(lower(name)).second)
                names.emplace_back(name);
        }
        for (int attempt = 0; static_cast<int>(names.size()) < count; ++attempt) {
            std::string name = makeExtra();
            if (attempt > 1000)
                name += std::to_string(attempt);
            if (used.insert(lower(name)).second)
                names.push_back(std::move(name));
        }
        return names;
    };

    const auto toolName = [&] {
        const double style = random.unit();
        const std::string first = lower(random.pick(ProductWords));
        if (style < 0.6)
            return first + std::string(random.pick(ToolEndings));
        if (style < 0.8)
            return m_vendors[pickVendor(random)].token + "-cli";
        return first + "-" + lower(random.pick(ProductWords));
    };

    struct ToolFolder {
        std::string path;
        int share;
    };
    const ToolFolder toolFolders[] = {{m_root + "/usr/local/bin", 55},
                                      {m_root + "/usr/local/sbin", 5},
                                      {m_root + "/opt/local/bin", 25},
                                      {m_home + "/.local/bin", 15}};
    for (const auto &folder : toolFolders) {
        const int count = std::max(1, toolCount * folder.share / 100);
        for (auto &name : uniqueNames(ToolNames, count, toolName)) {
            PlannedEntry entry;
            entry.path = folder.path + "/" + name;
            entry.place = Place::toolFolder;
            entry.ownership = Ownership::tool;
            m_packageNames.push_back(name);
            m_entries.push_back(std::move(entry));
        }
    }

    const auto packageName = [&] {
        const std::string word = lower(random.pick(ProductWords));
        switch (random.below(4)) {
        case 0:
            return "lib" + word;
        case 1:
            return word + "-utils";
        case 2:
            return word + "@" + std::to_string(random.between(2, 9));
        default:
            return word + std::string(random.pick(ToolEndings));
        }
    };
    const auto version = [&] {
        const int major = random.between(0, 12);
        const int minor = random.between(0, 30);
        std::string text =
            std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(random.between(0, 15));
        if (random.chance(0.2))
            text += "_" + std::to_string(random.between(1, 3));
        return text;
    };

    const auto formulae = uniqueNames(FormulaNames, formulaCount, packageName);
    for (std::size_t i = 0; i < formulae.size(); ++i) {
        PlannedEntry entry;
        const bool intel = i % 10 == 9;
        entry.path = m_root + (intel ? "/usr/local/Cellar/" : "/opt/homebrew/Cellar/") + formulae[i];
        entry.place = Place::homebrewFormula;
        entry.ownership = Ownership::tool;
        entry.detail = version();
        m_packageNames.push_back(formulae[i]);
        m_entries.push_back(std::move(entry));
    }
    for (auto &port : uniqueNames(PortNames, portCount, packageName)) {
        PlannedEntry entry;
        entry.path = m_root + "/opt/local/var/macports/registry/portfiles/" + port;
        entry.place = Place::macPort;
        entry.ownership = Ownership::tool;
        entry.detail = version();
        m_entries.push_back(std::move(entry));
    }
}

std::string MacTreeGenerator::ownedEntryName(Place place, const AppIdentity &app, Random &random,
                                             std::string &label) const
{
    const Vendor &vendor = m_vendors[app.vendor];
    const std::string &id = app.bundleId;
    const std::string product = compact(app.name);
    const double r = random.unit();

    switch (place) {
    case Place::applicationSupport:
        if (r < 0.35)
            return app.name;
        if (r < 0.60)
            return id;
        if (r < 0.72)
            return vendor.shortName;
        if (r < 0.80)
            return dashed(app.name);
        if (r < 0.88)
            return app.executable;
        if (r < 0.94)
            return vendor.shortName + " " + product;
        return id + ".helper";
    case Place::applicationScripts:
        if (r < 0.6)
            return id;
        if (r < 0.85)
            return id + "." + std::string(random.pick(ExtensionNames));
        return vendor.teamId + "." + id;
    case Place::userLaunchAgents:
    case Place::launchAgents: {
        if (r < 0.25)
            label = id;
        else if (r < 0.45)
            label = id + ".agent";
        else if (r < 0.60)
            label = id + ".helper";
        else if (r < 0.72)
            label = id + ".LaunchAtLogin";
        else if (r < 0.86)
            label = vendor.domain + "." + product + "Updater";
        else
            label = vendor.domain + "." + vendor.token + ".update.agent";
        // Some jobs are saved under a file name that differs from their label.
        if (random.chance(0.08))
            return id + ".plist";
        return label + ".plist";
    }
    case Place::launchDaemons:
        if (r < 0.35)
            label = id + ".helper";
        else if (r < 0.55)
            label = id + ".daemon";
        else if (r < 0.75)
            label = vendor.domain + "." + product + "HelperTool";
        else if (r < 0.9)
            label = vendor.domain + ".privileged-helper";
        else
            label = id + ".XPCHelper";
        return label + ".plist";
    case Place::preferences:
        if (r < 0.60)
            return id + ".plist";
        if (r < 0.70)
            return id + ".helper.plist";
        if (r < 0.76)
            return id + ".LSSharedFileList.plist";
        if (r < 0.84)
            return vendor.domain + "." + product + ".plist";
        if (r < 0.93)
            return id + "." + std::string(random.pick(PreferenceSuffixes)) + ".plist";
        return vendor.teamId + "." + id + ".plist";
    case Place::caches:
        if (r < 0.45)
            return id;
        if (r < 0.55)
            return id + ".ShipIt";
        if (r < 0.68)
            return app.name;
        if (r < 0.74)
            return vendor.shortName;
        if (r < 0.80)
            return id + ".helper";
        if (r < 0.90)
            return lower(app.executable);
        return dashed(app.name) + "-updater";
    case Place::containers:
        if (r < 0.62)
            return id;
        if (r < 0.92)
            return id + "." + std::string(random.pick(ExtensionNames));
        return id + ".LauncherHelper";
    case Place::savedState:
        return id + (r < 0.9 ? ".savedState" : ".helper.savedState");
    case Place::logs:
        if (r < 0.30)
            return app.name;
        if (r < 0.45)
            return id;
        if (r < 0.60)
            return app.name + ".log";
        if (r < 0.70)
            return vendor.shortName;
        if (r < 0.80)
            return product + "Updater.log";
        if (r < 0.90)
            return dashed(app.name) + "-" + isoDate(m_now - random.between(0, 1400) * Day).substr(0, 10) + ".log";
        return id + ".log";
    case Place::receipts:
        if (r < 0.5)
            return id + ".pkg";
        if (r < 0.7)
            return vendor.domain + ".pkg." + product + ".pkg";
        if (r < 0.9)
            return id + "." + std::string(random.pick(ReceiptComponents)) + ".pkg";
        return product + ".pkg";
    case Place::userFrameworks:
    case Place::frameworks: {
        const std::string vendorName = compact(vendor.shortName);
        if (r < 0.25)
            return vendorName + "Kit.framework";
        if (r < 0.45)
            return vendorName + "Core.framework";
        if (r < 0.65)
            return product + "Core.framework";
        if (r < 0.85)
            return product + "SDK.framework";
        return product + ".framework";
    }
    case Place::systemApplicationSupport:
        if (r < 0.4)
            return vendor.shortName;
        if (r < 0.7)
            return app.name;
        if (r < 0.9)
            return id;
        return app.name + " Helper";
    default:
        return id;
    }
}

std::string MacTreeGenerator::systemEntryName(Place place, Random &random) const
{
    std::string component;
    if (random.chance(0.5))
        component = "com.apple." + std::string(random.pick(AppleComponents));
    else {
        component = "com.apple." + lower(random.pick(ProductWords));
        component += random.pick(AppleComponentEndings);
    }
    if (random.chance(0.03))
        component = "com.osxfuse." + lower(random.pick(ProductWords));

    switch (place) {
    case Place::preferences:
        if (random.chance(0.2))
            return component + "." + std::string(random.pick(PreferenceSuffixes)) + ".plist";
        return component + ".plist";
    case Place::userLaunchAgents:
    case Place::launchAgents:
    case Place::launchDaemons:
        return component + ".plist";
    case Place::savedState:
        return component + ".savedState";
    case Place::receipts:
        return "com.apple.pkg." + std::string(random.pick(ApplePackages)) + ".pkg";
    case Place::applicationSupport:
    case Place::systemApplicationSupport:
    case Place::caches:
        if (random.chance(0.4))
            return std::string(random.pick(SystemNames::SystemItemNames));
        return component;
    case Place::logs:
        if (random.chance(0.15))
            return std::string(random.pick(SystemNames::SystemItemNames));
        return component;
    case Place::systemFrameworks: {
        const double style = random.unit();
        if (style < 0.7)
            return std::string(random.pick(AppleFrameworks)) + ".framework";
        if (style < 0.85)
            return "Core" + std::string(random.pick(ProductWords)) + ".framework";
        const std::string word(random.pick(ProductWords));
        return word + std::string(random.pick(FrameworkEndings)) + ".framework";
    }
    default:
        return component;
    }
}

std::string MacTreeGenerator::hiddenEntryName(std::size_t ordinal, Random &random) const
{
    if (ordinal == 0)
        return ".DS_Store";
    if (ordinal == 1)
        return ".localized";
    const std::string word = lower(random.pick(ProductWords));
    switch (random.below(4)) {
    case 0:
        return "." + word + ".lock";
    case 1:
        return "._" + word;
    case 2:
        return ".tmp" + std::to_string(random.between(1000, 99999));
    default:
        return "." + word + ".swp";
    }
}

void MacTreeGenerator::describeLaunchJob(PlannedEntry &entry) const
{
    const std::string fileStem = entry.path.substr(entry.path.rfind('/') + 1, std::string::npos);
    if (entry.label.empty())
        entry.label = fileStem.substr(0, fileStem.size() - std::string_view(".plist").size());
    if (entry.owner == nullptr) {
        entry.detail = "/usr/libexec/" + entry.label.substr(entry.label.rfind('.') + 1);
        return;
    }
    const AppIdentity &app = *entry.owner;
    const std::string bundle = app.macFolder + "/" + app.name + ".app";
    if (entry.place == Place::launchDaemons)
        entry.detail = "/Library/PrivilegedHelperTools/" + entry.label;
    else if (endsWith(entry.label, ".LaunchAtLogin"))
        entry.detail = bundle + "/Contents/Library/LoginItems/" + compact(app.name) + "Launcher.app/Contents/MacOS/" +
                       compact(app.name) + "Launcher";
    else if (entry.label.find("pdate") != std::string::npos)
        entry.detail = "/Users/bench/Library/Application Support/" + m_vendors[app.vendor].shortName + "/Updater/" +
                       compact(m_vendors[app.vendor].shortName) + "Updater.app/Contents/MacOS/" +
                       compact(m_vendors[app.vendor].shortName) + "Updater";
    else
        entry.detail = bundle + "/Contents/MacOS/" + app.executable;
}

void MacTreeGenerator::planLibrary(Random &random)
{
    const auto places = libraryPlaces();
    const int total = m_options.libraryEntryCount;

    std::vector<int> counts(places.size(), 0);
    int assigned = 0;
    std::size_t preferencesIndex = 0;
    // With a share for Caches, that folder takes its share and the others split the rest by their weights.
    const int caches = std::clamp(m_options.cachesPerMille, 0, 1000) * static_cast<long long>(total) / 1000;
    const int spread = m_options.cachesPerMille > 0 ? total - caches : total;
    int spreadWeights = 1000;
    for (const PlaceInfo &info : places) {
        if (info.place == Place::caches && m_options.cachesPerMille > 0)
            spreadWeights -= info.weightPerMille;
    }
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].place == Place::preferences)
            preferencesIndex = i;
        if (places[i].place == Place::javaVirtualMachines)
            counts[i] = total >= 100 ? std::min<int>(std::size(JavaHomes), total / 4000 + 2) : 0;
        else if (places[i].place == Place::caches && m_options.cachesPerMille > 0)
            counts[i] = caches;
        else
            counts[i] = static_cast<int>(static_cast<long long>(spread) * places[i].weightPerMille / spreadWeights);
        assigned += counts[i];
    }
    counts[preferencesIndex] += total - assigned;

    std::uint64_t serial = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const PlaceInfo &info = places[i];
        const int count = counts[i];
        const std::string folder = placeFolder(info);
        std::set<std::string> used;

        int hidden = count >= 10 ? std::max(1, count * 3 / 100) : 0;
        int system = static_cast<int>(count * info.systemShare + 0.5);
        if (info.place == Place::javaVirtualMachines)
            hidden = system = 0;
        system = std::min(system, count - hidden);
        const int owned = count - hidden - system;
        const int installed = m_ownableApps.empty() ? 0 : owned * 55 / 100;

        for (int slot = 0; slot < count; ++slot) {
            PlannedEntry entry;
            entry.place = info.place;
            std::string name;
            for (int attempt = 0; attempt < 40; ++attempt) {
                entry.label.clear();
                entry.owner = nullptr;
                if (slot < hidden) {
                    entry.ownership = Ownership::hidden;
                    name = hiddenEntryName(static_cast<std::size_t>(slot) + (attempt > 0 ? 2 : 0), random);
                } else if (slot < hidden + system) {
                    entry.ownership = Ownership::system;
                    name = systemEntryName(info.place, random);
                } else if (info.place == Place::javaVirtualMachines) {
                    entry.ownership = Ownership::installed;
                    name = std::string(JavaHomes[static_cast<std::size_t>(slot + attempt) % std::size(JavaHomes)]);
                } else if (slot < hidden + system + installed) {
                    entry.ownership = Ownership::installed;
                    const bool toolNamed = (info.place == Place::caches || info.place == Place::applicationSupport ||
                                            info.place == Place::logs) &&
                                           !m_packageNames.empty() && random.chance(0.08);
                    if (toolNamed) {
                        entry.ownership = Ownership::tool;
                        name = random.pick(m_packageNames);
                    } else {
                        entry.owner = random.pick(m_ownableApps);
                        name = ownedEntryName(info.place, *entry.owner, random, entry.label);
                    }
                } else {
                    entry.ownership = Ownership::uninstalled;
                    entry.owner = &random.pick(m_uninstalledApps);
                    name = ownedEntryName(info.place, *entry.owner, random, entry.label);
                }
                if (attempt == 39)
                    name = numberedVariant(name, static_cast<int>(serial));
                if (used.insert(lower(name)).second)
                    break;
            }
            entry.path = folder + "/" + name;
            entry.seed = seedFor(20, serial++);
            if (info.place == Place::userLaunchAgents || info.place == Place::launchAgents ||
                info.place == Place::launchDaemons) {
                if (entry.ownership != Ownership::hidden)
                    describeLaunchJob(entry);
            }
            m_entries.push_back(std::move(entry));
        }
    }

    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].seed == 0)
            m_entries[i].seed = seedFor(21, i);
    }
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

std::string MacTreeGenerator::appInfoPlist(const AppIdentity &app, bool electron, bool sparkle, bool scriptable,
                                           Random &random) const
{
    const Vendor &vendor = m_vendors[app.vendor];
    const std::string product = compact(app.name);
    const std::string lowerId = lower(app.bundleId);
    const auto word = [&] {
        return lower(random.pick(ProductWords));
    };

    PropertyListWriter info = PropertyListWriter::dictionary();
    const int osMajor = random.between(20, 23);
    info.setString("BuildMachineOSBuild", std::to_string(osMajor) + "G" + std::to_string(random.between(10, 999)));
    info.setString("CFBundleDevelopmentRegion", "en");
    if (random.chance(0.5))
        info.setString("CFBundleDisplayName", app.name);
    info.setString("CFBundleExecutable", app.executable);
    info.setString("CFBundleIconFile", "AppIcon");
    info.setString("CFBundleIconName", "AppIcon");
    if (app.defect != Defect::missingIdentifier)
        info.setString("CFBundleIdentifier", app.bundleId);
    info.setString("CFBundleInfoDictionaryVersion", "6.0");
    info.setString("CFBundleName", app.name);
    info.setString("CFBundlePackageType", "APPL");
    info.setString("CFBundleShortVersionString", app.version);
    info.setString("CFBundleSignature", "????");
    info.set("CFBundleSupportedPlatforms", stringArray({"MacOSX"}));
    info.setString("CFBundleVersion", std::to_string(random.between(1, 99999)));
    if (random.chance(0.9)) {
        PropertyListWriter urlTypes = PropertyListWriter::array();
        for (int i = random.between(1, 4); i > 0; --i) {
            const std::string scheme = lower(product.substr(0, 12)) + (i > 1 ? "-" + word() : "");
            PropertyListWriter urlType = PropertyListWriter::dictionary();
            urlType.setString("CFBundleTypeRole", random.chance(0.7) ? "Viewer" : "Editor");
            urlType.setString("CFBundleURLName", random.chance(0.6) ? app.bundleId + "." + scheme : app.bundleId);
            urlType.set("CFBundleURLSchemes", stringArray({scheme}));
            urlTypes.append(std::move(urlType));
        }
        info.set("CFBundleURLTypes", std::move(urlTypes));
    }

    std::vector<std::string> exportedTypes;
    for (int i = random.chance(0.85) ? random.between(1, 5) : 0; i > 0; --i)
        exportedTypes.push_back(lowerId + "." + word());
    if (random.chance(0.9)) {
        PropertyListWriter documentTypes = PropertyListWriter::array();
        for (int i = random.between(2, 7); i > 0; --i) {
            const std::string kind(random.pick(ProductWords));
            std::vector<std::string> types;
            for (int t = random.between(1, 4); t > 0; --t) {
                const double source = random.unit();
                if (source < 0.4 && !exportedTypes.empty())
                    types.push_back(random.pick(exportedTypes));
                else if (source < 0.75)
                    types.emplace_back(random.pick(PublicTypes));
                else
                    types.emplace_back(random.pick(ForeignTypes));
            }
            PropertyListWriter documentType = PropertyListWriter::dictionary();
            documentType.set("CFBundleTypeExtensions", stringArray({std::string(random.pick(FileExtensions))}));
            documentType.setString("CFBundleTypeIconFile", kind + "Document.icns");
            documentType.setString("CFBundleTypeName", app.name + " " + kind + " Document");
            documentType.setString("CFBundleTypeRole", random.chance(0.6) ? "Editor" : "Viewer");
            documentType.setString("LSHandlerRank", random.chance(0.5) ? "Owner" : "Alternate");
            documentType.set("LSItemContentTypes", stringArray(types));
            documentType.set("LSTypeIsPackage", PropertyListWriter::boolean(random.chance(0.2)));
            if (random.chance(0.5))
                documentType.setString("NSDocumentClass", "$(PRODUCT_MODULE_NAME)." + kind + "Document");
            documentTypes.append(std::move(documentType));
        }
        info.set("CFBundleDocumentTypes", std::move(documentTypes));
    }

    if (!exportedTypes.empty()) {
        PropertyListWriter declarations = PropertyListWriter::array();
        for (const auto &type : exportedTypes) {
            const std::string extension(random.pick(FileExtensions));
            PropertyListWriter declaration = PropertyListWriter::dictionary();
            if (random.chance(0.3))
                declaration.set("UTTypeConformsTo", stringArray({"com.apple.package", "public.composite-content"}));
            else
                declaration.set("UTTypeConformsTo", stringArray({"public.data", "public.content"}));
            declaration.setString("UTTypeDescription", app.name + " " + capitalized(type.substr(type.rfind('.') + 1)));
            declaration.setString("UTTypeIconFile", capitalized(extension) + ".icns");
            declaration.setString("UTTypeIdentifier", type);
            declaration.setString("UTTypeReferenceURL", "https://" + vendor.website + "/formats/" + extension);
            declaration.set("UTTypeFilenameExtensions", stringArray({extension}));
            declaration.setString("UTTypeMIMEType", "application/x-" + vendor.token + "-" + extension);
            declarations.append(std::move(declaration));
        }
        info.set("UTExportedTypeDeclarations", std::move(declarations));
    }
    if (random.chance(0.45)) {
        PropertyListWriter declarations = PropertyListWriter::array();
        for (int i = random.between(1, 3); i > 0; --i) {
            declarations.append(PropertyListWriter::dictionary()
                                    .set("UTTypeConformsTo", stringArray({"public.data"}))
                                    .setString("UTTypeIdentifier", random.pick(ForeignTypes)));
        }
        info.set("UTImportedTypeDeclarations", std::move(declarations));
    }

    if (random.chance(0.3)) {
        PropertyListWriter services = PropertyListWriter::array();
        for (int i = random.between(1, 3); i > 0; --i) {
            const std::string action(random.pick(ProductWords));
            services.append(PropertyListWriter::dictionary()
                                .set("NSMenuItem", PropertyListWriter::dictionary().setString(
                                                       "default", app.name + "/" + action + " with " + app.name))
                                .setString("NSMessage", "handle" + action + "Service")
                                .setString("NSPortName", app.name)
                                .set("NSRequiredContext",
                                     PropertyListWriter::dictionary().setString("NSServiceCategory", "public.text"))
                                .set("NSSendTypes", stringArray({"public.utf8-plain-text", "NSStringPboardType"})));
        }
        info.set("NSServices", std::move(services));
    }
    if (random.chance(0.5)) {
        std::vector<std::string> activities;
        for (int i = random.between(1, 6); i > 0; --i)
            activities.push_back(app.bundleId + ".activity." + word());
        info.set("NSUserActivityTypes", stringArray(activities));
    }

    info.setString("LSApplicationCategoryType", "public.app-category." + std::string(random.pick(AppCategories)));
    static constexpr std::string_view minimumSystems[] = {"10.13", "10.15.7", "11.0", "12.0.1", "13.0", "14.0"};
    info.setString("LSMinimumSystemVersion", random.pick(minimumSystems));
    info.setString("NSHumanReadableCopyright", "Copyright © " + std::to_string(random.between(2008, 2024)) + " " +
                                                   vendor.legalName + " All rights reserved.");
    if (random.chance(0.6))
        info.setString("NSMainNibFile", "MainMenu");
    else
        info.setString("NSMainStoryboardFile", "Main");
    info.setString("NSPrincipalClass", electron ? "AtomApplication" : "NSApplication");
    info.set("NSHighResolutionCapable", PropertyListWriter::boolean(true));
    info.set("NSSupportsAutomaticGraphicsSwitching", PropertyListWriter::boolean(random.chance(0.8)));
    if (random.chance(0.1))
        info.set("LSUIElement", PropertyListWriter::boolean(true));

    if (random.chance(0.4)) {
        info.set(
            "NSAppTransportSecurity",
            PropertyListWriter::dictionary()
                .set("NSAllowsArbitraryLoads", PropertyListWriter::boolean(false))
                .set("NSExceptionDomains",
                     PropertyListWriter::dictionary()
                         .set(vendor.website, PropertyListWriter::dictionary()
                                                  .set("NSIncludesSubdomains", PropertyListWriter::boolean(true))
                                                  .setString("NSExceptionMinimumTLSVersion", "TLSv1.2"))
                         .set("localhost", PropertyListWriter::dictionary().set("NSExceptionAllowsInsecureHTTPLoads",
                                                                                PropertyListWriter::boolean(true)))));
    }

    if (sparkle) {
        info.setString("SUFeedURL", "https://updates." + vendor.website + "/" + lower(product) + "/appcast.xml");
        std::string key;
        for (int i = 0; i < 43; ++i)
            key += Base64Alphabet[random.below(Base64Alphabet.size())];
        info.setString("SUPublicEDKey", key + "=");
        info.set("SUEnableAutomaticChecks", PropertyListWriter::boolean(true));
        info.set("SUScheduledCheckInterval", PropertyListWriter::integer(86400));
    }

    if (random.chance(0.1)) {
        const std::string helper = app.bundleId + ".helper";
        info.set("SMPrivilegedExecutables",
                 PropertyListWriter::dictionary().setString(
                     helper, "anchor apple generic and identifier \"" + helper +
                                 "\" and (certificate leaf[field.1.2.840.113635.100.6.1.9] /* exists */ or certificate "
                                 "1[field.1.2.840.113635.100.6.2.6] /* exists */ and certificate leaf[subject.OU] = " +
                                 vendor.teamId + ")"));
    }

    if (random.chance(0.1)) {
        info.set("NSUbiquitousContainers",
                 PropertyListWriter::dictionary().set(
                     "iCloud." + app.bundleId,
                     PropertyListWriter::dictionary()
                         .set("NSUbiquitousContainerIsDocumentScopePublic", PropertyListWriter::boolean(true))
                         .setString("NSUbiquitousContainerName", app.name)
                         .setString("NSUbiquitousContainerSupportedFolderLevels", "Any")));
    }

    if (scriptable) {
        info.set("NSAppleScriptEnabled", PropertyListWriter::boolean(true));
        info.setString("OSAScriptingDefinition", product + ".sdef");
    }
    if (random.chance(0.3))
        info.setString("NSAppleEventsUsageDescription",
                       app.name + " uses Apple Events to automate other applications.");
    if (random.chance(0.15)) {
        info.setString("CFBundleHelpBookFolder", product + ".help");
        info.setString("CFBundleHelpBookName", app.bundleId + ".help");
    }
    if (random.chance(0.5)) {
        std::vector<std::string> languages;
        for (int i = random.between(2, 6); i > 0; --i)
            languages.emplace_back(Localizations[1 + random.below(std::size(Localizations) - 1)]);
        info.set("CFBundleLocalizations", stringArray(languages));
    }
    if (random.chance(0.3))
        info.setString("AppGroupIdentifier", vendor.teamId + "." + app.bundleId);
    if (random.chance(0.15))
        info.setString("NSDockTilePlugIn", product + "DockTile.docktileplugin");
    if (random.chance(0.1))
        info.set("NSBonjourServices", stringArray({"_" + lower(product.substr(0, 14)) + "._tcp"}));

    if (electron) {
        std::string hash;
        for (int i = 0; i < 64; ++i)
            hash += HexDigits[random.below(16)];
        info.set("ElectronAsarIntegrity",
                 PropertyListWriter::dictionary().set(
                     "Resources/app.asar",
                     PropertyListWriter::dictionary().setString("algorithm", "SHA256").setString("hash", hash)));
    }

    if (random.chance(0.1)) {
        info.set("LSEnvironment", PropertyListWriter::dictionary()
                                      .setString("MallocNanoZone", "0")
                                      .setString(lower(vendor.token) + "_channel", "stable"));
    }

    const std::string vendorKey = compact(vendor.shortName);
    if (random.chance(0.3)) {
        info.setString(vendorKey + "BuildFlavor", "release");
        info.setString(vendorKey + "TelemetryEndpoint", "telemetry." + vendor.website);
        info.setString(vendorKey + "UpdateChannel", app.bundleId + ".channel.stable");
    }
    if (random.chance(0.3)) {
        info.set(vendorKey + "BuildNumber", PropertyListWriter::integer(random.between(1000, 999999)));
        info.set(vendorKey + "BuildDate", PropertyListWriter::date(m_now - random.between(30, 1500) * Day));
        // A scale factor in thousandths.
        info.set(vendorKey + "ScaleFactor", PropertyListWriter::real(std::round((1.0 + random.unit()) * 1000) / 1000));
        // 24 bytes, drawn as 32 six-bit digits.
        std::string blob;
        std::uint32_t bits = 0;
        int bitCount = 0;
        for (int i = 0; i < 32; ++i) {
            bits = (bits << 6) | static_cast<std::uint32_t>(random.below(Base64Alphabet.size()));
            bitCount += 6;
            if (bitCount >= 8) {
                bitCount -= 8;
                blob += static_cast<char>((bits >> bitCount) & 0xFF);
            }
        }
        info.set(vendorKey + "LicenseBlob", PropertyListWriter::data(blob));
    }

    info.setString("DTCompiler", "com.apple.compilers.llvm.clang.1_0");
    info.setString("DTPlatformBuild", "");
    info.setString("DTPlatformName", "macosx");
    const int sdkMajor = random.between(11, 14);
    const std::string sdk = std::to_string(sdkMajor) + "." + std::to_string(random.between(0, 5));
    info.setString("DTPlatformVersion", sdk);
    info.setString("DTSDKBuild", std::to_string(sdkMajor + 9) + "C" + std::to_string(random.between(10, 99)));
    info.setString("DTSDKName", "macosx" + sdk);
    info.setString("DTXcode", std::to_string(random.between(1200, 1520)));
    info.setString("DTXcodeBuild", std::to_string(sdkMajor + 1) + "C" + std::to_string(random.between(100, 999)) + "b");
    return info.xml();
}

namespace {

// Info.plist of a bundle nested in an application: a helper, a login item, an XPC service, an app extension
// or a framework.
std::string nestedInfoPlist(const std::string &name, std::string_view extension, const std::string &identifier,
                            const std::string &version, const std::string &executable)
{
    const std::string_view type = extension == "xpc" || extension == "appex" ? "XPC!"
                                  : extension == "framework"                 ? "FMWK"
                                  : extension == "app"                       ? "APPL"
                                                                             : "BNDL";
    PropertyListWriter info = PropertyListWriter::dictionary()
                                  .setString("CFBundleDevelopmentRegion", "en")
                                  .setString("CFBundleExecutable", executable)
                                  .setString("CFBundleIdentifier", identifier)
                                  .setString("CFBundleInfoDictionaryVersion", "6.0")
                                  .setString("CFBundleName", name)
                                  .setString("CFBundlePackageType", type)
                                  .setString("CFBundleShortVersionString", version)
                                  .setString("CFBundleVersion", version);
    if (extension == "app") {
        info.set("LSUIElement", PropertyListWriter::boolean(true));
        info.setString("LSMinimumSystemVersion", "11.0");
    } else if (extension == "xpc") {
        info.set("XPCService", PropertyListWriter::dictionary()
                                   .setString("ServiceType", "Application")
                                   .setString("RunLoopType", "NSRunLoop"));
    } else if (extension == "appex") {
        info.set("NSExtension",
                 PropertyListWriter::dictionary()
                     .setString("NSExtensionPointIdentifier", "com.apple.share-services")
                     .setString("NSExtensionPrincipalClass", "$(PRODUCT_MODULE_NAME)." + executable + "Controller")
                     .set("NSExtensionAttributes",
                          PropertyListWriter::dictionary().setString("NSExtensionActivationRule", "TRUEPREDICATE")));
    }
    return info.xml();
}

std::string codeResourcesPlist(const std::vector<std::string> &files)
{
    // The same 20-byte digest for every file.
    static constexpr char digest[] = "\xab\xcd\xef\x12\x34\x56\x78\x9a\xbc\xde\xf1\x23\x45\x67\x89\xab\xcd\xef\x12\x34";
    PropertyListWriter hashes = PropertyListWriter::dictionary();
    for (const auto &file : files)
        hashes.set(file, PropertyListWriter::data(std::string_view(digest, sizeof digest - 1)));
    return PropertyListWriter::dictionary()
        .set("files", std::move(hashes))
        .set("rules", PropertyListWriter::dictionary().set("^Resources/", PropertyListWriter::boolean(true)))
        .xml();
}

std::string localizedStrings(std::string_view appName, int count)
{
    std::string out = "/* Localized strings */\n";
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i);
        out.append("\"item").append(number).append("\" = \"").append(appName);
        out.append(1, ' ').append(number).append("\";\n");
    }
    return out;
}

} // namespace

void MacTreeGenerator::writeHelperBundle(const std::string &parent, const std::string &name, std::string_view extension,
                                         const std::string &identifier, const std::string &version, Stamp &stamp,
                                         Random &random)
{
    const std::string bundle = parent + "/" + name + "." + std::string(extension);
    const std::string executable = compact(name).empty() ? "helper" : compact(name);
    makeFolder(bundle, stamp);
    makeFolder(bundle + "/Contents", stamp);
    writeFile(bundle + "/Contents/Info.plist", nestedInfoPlist(name, extension, identifier, version, executable),
              stamp);
    makeFolder(bundle + "/Contents/MacOS", stamp);
    const std::string binary = machOContent(random);
    writeFile(bundle + "/Contents/MacOS/" + executable, binary, stamp, true);
    if (extension == "app")
        writeFile(bundle + "/Contents/PkgInfo", "APPL????", stamp);
    ++m_helperBundles;
}

void MacTreeGenerator::writeFramework(const std::string &parent, const std::string &name, const std::string &identifier,
                                      const std::string &version, Stamp &stamp, Random &random)
{
    const std::string framework = parent + "/" + name + ".framework";
    const std::string versionA = framework + "/Versions/A";
    makeFolder(framework, stamp);
    makeFolder(framework + "/Versions", stamp);
    makeFolder(versionA, stamp);
    const std::string binary = machOContent(random);
    writeFile(versionA + "/" + name, binary, stamp, true);
    makeFolder(versionA + "/Resources", stamp);
    writeFile(versionA + "/Resources/Info.plist", nestedInfoPlist(name, "framework", identifier, version, name), stamp);
    makeSymlink("A", framework + "/Versions/Current", stamp);
    makeSymlink("Versions/Current/" + name, framework + "/" + name, stamp);
    makeSymlink("Versions/Current/Resources", framework + "/Resources", stamp);
}

void MacTreeGenerator::writeResources(const std::string &contents, const AppIdentity &app, bool electron,
                                      bool scriptable, Stamp &stamp, Random &random)
{
    const std::string resources = contents + "/Resources";
    makeFolder(resources, stamp);
    std::set<std::string> used;
    const auto add = [&](const std::string &name) {
        return used.insert(lower(name)).second;
    };

    const int wanted = random.between(20, 40);
    int made = 0;
    const auto file = [&](const std::string &name, std::string_view content) {
        if (add(name)) {
            writeFile(resources + "/" + name, content, stamp);
            ++made;
        }
    };
    file("AppIcon.icns", "icns");
    file("Assets.car", "BOMStore");
    if (random.chance(0.5))
        file("Credits.rtf", "{\\rtf1\\ansi " + app.name + " credits}\n");
    if (scriptable)
        file(compact(app.name) + ".sdef", "<?xml version=\"1.0\"?>\n<dictionary title=\"Terminology\"/>\n");
    if (electron) {
        file("app.asar", "asar");
        file("electron.icns", "icns");
        add("app.asar.unpacked");
        makeFolder(resources + "/app.asar.unpacked", stamp);
        makeFolder(resources + "/app.asar.unpacked/node_modules", stamp);
        ++made;
    }

    const int languages = random.between(2, 8);
    for (int i = 0; i < languages; ++i) {
        const std::string folder = std::string(random.pick(Localizations)) + ".lproj";
        if (!add(folder))
            continue;
        makeFolder(resources + "/" + folder, stamp);
        writeFile(resources + "/" + folder + "/Localizable.strings", localizedStrings(app.name, 4), stamp);
        writeFile(resources + "/" + folder + "/InfoPlist.strings", localizedStrings(app.name, 2), stamp);
        if (electron)
            writeFile(resources + "/" + folder + "/locale.pak", "PAK", stamp);
        ++made;
    }

    for (int attempt = 0; made < wanted && attempt < 200; ++attempt) {
        const std::string pattern(random.pick(ResourcePatterns));
        std::string name = pattern;
        const std::string stem =
            random.chance(0.5) ? lower(random.pick(ProductWords)) : std::string(random.pick(ProductWords));
        name.replace(name.find('%'), 1, stem);
        if (endsWith(name, ".storyboardc")) {
            if (!add(name))
                continue;
            makeFolder(resources + "/" + name, stamp);
            writeFile(resources + "/" + name + "/Info.plist",
                      nestedInfoPlist(stem, "bundle", app.bundleId + "." + stem, app.version, stem), stamp);
            ++made;
        } else if (endsWith(name, ".plist")) {
            file(name, PropertyListWriter::dictionary()
                           .setString("name", stem)
                           .set("version", PropertyListWriter::integer(1))
                           .xml());
        } else {
            file(name, stem + "\n");
        }
    }
}

void MacTreeGenerator::writeAppBundle(const AppIdentity &app)
{
    Random random(app.seed);
    Stamp stamp = makeStamp(random, Ownership::installed);
    const Vendor &vendor = m_vendors[app.vendor];
    const std::string product = compact(app.name);
    const std::string bundle = m_root + app.macFolder + "/" + app.name + ".app";
    const std::string contents = bundle + "/Contents";

    const bool electron = !app.apple && random.chance(0.15);
    const bool sparkle = !app.apple && !electron && random.chance(0.35);
    const bool scriptable = random.chance(0.2);

    makeFolder(bundle, stamp);
    makeFolder(contents, stamp);
    if (app.defect != Defect::missingInfoPlist)
        writeFile(contents + "/Info.plist", appInfoPlist(app, electron, sparkle, scriptable, random), stamp);
    writeFile(contents + "/PkgInfo", "APPL????", stamp);

    makeFolder(contents + "/MacOS", stamp);
    const std::string binary = machOContent(random);
    writeFile(contents + "/MacOS/" + app.executable, binary, stamp, true);
    if (random.chance(0.2)) {
        static constexpr std::string_view extras[] = {"crashpad_handler", "relaunch", "Autoupdate", "cli"};
        const std::string extra(random.pick(extras));
        if (lower(extra) != lower(app.executable))
            writeFile(contents + "/MacOS/" + extra, machOContent(random), stamp, true);
    }

    // Helper bundles. Some carry the generic names that inventories ignore.
    if (random.chance(0.45)) {
        makeFolder(contents + "/Helpers", stamp);
        std::set<std::string> used;
        for (int i = random.between(1, 3); i > 0; --i) {
            std::string name;
            const double style = random.unit();
            if (style < 0.15)
                name = "Helper";
            else if (style < 0.25)
                name = "Updater";
            else if (style < 0.30)
                name = "Agent";
            else if (style < 0.50)
                name = app.executable + " Helper";
            else if (style < 0.65)
                name = product + "Helper";
            else if (style < 0.78)
                name = product + "Agent";
            else if (style < 0.90)
                name = compact(vendor.shortName) + "Updater";
            else
                name = product + " Notifier";
            if (!used.insert(lower(compact(name))).second)
                continue;
            if (random.chance(0.15)) {
                writeFile(contents + "/Helpers/" + lower(product) + "-" + lower(compact(name)), machOContent(random),
                          stamp, true);
                continue;
            }
            writeHelperBundle(contents + "/Helpers", name, "app", app.bundleId + "." + compact(name), app.version,
                              stamp, random);
        }
    }

    if (random.chance(0.25)) {
        makeFolder(contents + "/Library", stamp);
        makeFolder(contents + "/Library/LoginItems", stamp);
        const double style = random.unit();
        std::string name;
        if (style < 0.2)
            name = "Launcher";
        else if (style < 0.55)
            name = product + "Launcher";
        else if (style < 0.8)
            name = product + " Login Helper";
        else
            name = "LaunchAtLoginHelper";
        writeHelperBundle(contents + "/Library/LoginItems", name, "app", app.bundleId + "." + compact(name),
                          app.version, stamp, random);
        if (random.chance(0.3)) {
            makeFolder(contents + "/Library/LaunchServices", stamp);
            writeFile(contents + "/Library/LaunchServices/" + app.bundleId + ".helper", machOContent(random), stamp,
                      true);
        }
    }

    if (random.chance(0.3)) {
        makeFolder(contents + "/XPCServices", stamp);
        std::set<std::string> used;
        for (int i = random.between(1, 3); i > 0; --i) {
            const std::string service(random.pick(XpcWords));
            std::string name;
            std::string identifier;
            const double style = random.unit();
            if (style < 0.5) {
                name = app.bundleId + "." + service;
                identifier = name;
            } else if (style < 0.95) {
                name = product + service;
                identifier = app.bundleId + "." + service;
            } else {
                name = "Service";
                identifier = app.bundleId + ".Service";
            }
            if (used.insert(lower(name)).second)
                writeHelperBundle(contents + "/XPCServices", name, "xpc", identifier, app.version, stamp, random);
        }
    }

    if (electron || sparkle || random.chance(0.4)) {
        const std::string frameworks = contents + "/Frameworks";
        makeFolder(frameworks, stamp);
        std::set<std::string> used;
        const auto framework = [&](const std::string &name, const std::string &identifier) {
            if (used.insert(lower(name)).second)
                writeFramework(frameworks, name, identifier, app.version, stamp, random);
        };
        if (sparkle)
            framework("Sparkle", "org.sparkle-project.Sparkle");
        if (electron) {
            framework("Electron Framework", "com.github.Electron.framework");
            framework("Squirrel", "com.github.Squirrel");
            framework("Mantle", "org.mantle.Mantle");
            framework("ReactiveObjC", "org.reactivecocoa.ReactiveObjC");
            for (std::string_view role : {"", " (GPU)", " (Plugin)", " (Renderer)"}) {
                const std::string name = app.name + " Helper" + std::string(role);
                std::string suffix = lower(compact(role));
                writeHelperBundle(frameworks, name, "app",
                                  app.bundleId + ".helper" + (suffix.empty() ? "" : "." + suffix), app.version, stamp,
                                  random);
            }
            writeFile(frameworks + "/libffmpeg.dylib", machOContent(random), stamp, true);
        }
        for (int i = random.between(0, 4); i > 0; --i) {
            if (random.chance(0.6)) {
                const std::string name(random.pick(ThirdPartyFrameworks));
                framework(name, "com.github." + lower(name));
            } else {
                std::string name = random.chance(0.5) ? compact(vendor.shortName) : product;
                name += random.chance(0.5) ? "Core" : "Kit";
                framework(name, vendor.domain + "." + name);
            }
        }
        if (random.chance(0.2))
            writeFile(frameworks + "/libswiftCore.dylib", machOContent(random), stamp, true);
    }

    if (random.chance(0.25)) {
        makeFolder(contents + "/PlugIns", stamp);
        std::set<std::string> used;
        for (int i = random.between(1, 3); i > 0; --i) {
            const double style = random.unit();
            if (style < 0.7) {
                const std::string extension(random.pick(ExtensionNames));
                if (used.insert(lower(extension)).second)
                    writeHelperBundle(contents + "/PlugIns", extension, "appex", app.bundleId + "." + extension,
                                      app.version, stamp, random);
            } else {
                const std::string name = product + (style < 0.85 ? "QuickLook.qlgenerator" : "Importer.mdimporter");
                if (!used.insert(lower(name)).second)
                    continue;
                makeFolder(contents + "/PlugIns/" + name, stamp);
                makeFolder(contents + "/PlugIns/" + name + "/Contents", stamp);
                writeFile(contents + "/PlugIns/" + name + "/Contents/Info.plist",
                          nestedInfoPlist(product, "bundle", app.bundleId + "." + name.substr(product.size()),
                                          app.version, product),
                          stamp);
            }
        }
    }

    writeResources(contents, app, electron, scriptable, stamp, random);

    makeFolder(contents + "/_CodeSignature", stamp);
    writeFile(contents + "/_CodeSignature/CodeResources",
              codeResourcesPlist(
                  {"Resources/AppIcon.icns", "Resources/Assets.car", "Resources/en.lproj/Localizable.strings"}),
              stamp);

    applyStamp(stamp);
}

std::string MacTreeGenerator::preferencesPlist(const PlannedEntry &entry, Random &random) const
{
    PropertyListWriter preferences = PropertyListWriter::dictionary();
    if (entry.owner != nullptr) {
        const AppIdentity &app = *entry.owner;
        const Vendor &vendor = m_vendors[app.vendor];
        preferences.setString("LastLaunchedVersion", app.version);
        const int left = random.between(0, 400);
        const int bottom = random.between(0, 300);
        preferences.setString("NSWindow Frame MainWindow",
                              std::to_string(left) + " " + std::to_string(bottom) + " 1024 768 0 0 1920 1080 ");
        preferences.set("SUEnableAutomaticChecks", PropertyListWriter::boolean(random.chance(0.7)));
        preferences.set("SULastCheckTime", PropertyListWriter::date(m_now - random.between(1, 900) * Day));
        std::string installId;
        for (int i = 0; i < 32; ++i)
            installId += HexDigits[random.below(16)];
        preferences.setString(compact(vendor.shortName) + "InstallID", installId);
        std::vector<std::string> recent;
        for (int i = random.between(0, 4); i > 0; --i) {
            const std::string document(random.pick(ProductWords));
            recent.push_back("/Users/bench/Documents/" + document + "." + std::string(random.pick(FileExtensions)));
        }
        preferences.set("RecentDocuments", stringArray(recent));
    } else {
        preferences.set("version", PropertyListWriter::integer(random.between(1, 9)));
        preferences.set("enabled", PropertyListWriter::boolean(random.chance(0.5)));
    }
    preferences.setString("NSNavLastRootDirectory", "~/Documents");
    preferences.set("launchCount", PropertyListWriter::integer(random.between(1, 5000)));
    return preferences.xml();
}

std::string MacTreeGenerator::launchJobPlist(const PlannedEntry &entry, Random &random) const
{
    PropertyListWriter job = PropertyListWriter::dictionary();
    if (entry.owner != nullptr && random.chance(0.5))
        job.set("AssociatedBundleIdentifiers", stringArray({entry.owner->bundleId}));
    job.setString("Label", entry.label);
    if (entry.place == Place::launchDaemons && random.chance(0.6))
        job.set("MachServices", PropertyListWriter::dictionary().set(entry.label, PropertyListWriter::boolean(true)));
    job.set("ProgramArguments", stringArray({entry.detail, random.chance(0.5) ? "--background" : "--launchd"}));
    job.set("RunAtLoad", PropertyListWriter::boolean(true));
    if (random.chance(0.5))
        job.set("KeepAlive", PropertyListWriter::boolean(random.chance(0.5)));
    else
        job.set("KeepAlive",
                PropertyListWriter::dictionary().set("SuccessfulExit", PropertyListWriter::boolean(false)));
    if (random.chance(0.3))
        job.set("StartInterval", PropertyListWriter::integer(3600 * random.between(1, 24)));
    if (random.chance(0.2))
        job.setString("StandardErrorPath", "/tmp/" + entry.label + ".err");
    job.setString("ProcessType", random.chance(0.5) ? "Interactive" : "Background");
    return job.xml();
}

std::string MacTreeGenerator::receiptPlist(const PlannedEntry &entry, Random &random) const
{
    const std::string name = entry.path.substr(entry.path.rfind('/') + 1);
    PropertyListWriter receipt = PropertyListWriter::dictionary();
    receipt.set("InstallDate", PropertyListWriter::date(m_now - random.between(1, 1400) * Day));
    receipt.setString("InstallPrefixPath", "/");
    receipt.setString("InstallProcessName", random.chance(0.8) ? "installer" : "Installer Progress");
    receipt.setString("PackageFileName", name);
    receipt.setString("PackageIdentifier", name.substr(0, name.rfind('.')));
    receipt.setString("PackageVersion", entry.owner != nullptr ? entry.owner->version : "1.0");
    return receipt.xml();
}

void MacTreeGenerator::writeEntry(const PlannedEntry &entry)
{
    Random random(entry.seed);
    Stamp stamp = makeStamp(random, entry.ownership);

    if (entry.ownership == Ownership::hidden) {
        writeHiddenEntry(entry, stamp, random);
        applyStamp(stamp);
        return;
    }

    switch (entry.place) {
    case Place::preferences:
        writeFile(entry.path, preferencesPlist(entry, random), stamp);
        break;
    case Place::userLaunchAgents:
    case Place::launchAgents:
    case Place::launchDaemons:
        writeFile(entry.path, launchJobPlist(entry, random), stamp);
        break;
    case Place::receipts:
        writeFile(entry.path, receiptPlist(entry, random), stamp);
        break;
    case Place::logs:
        if (endsWith(entry.path, ".log")) {
            std::string text;
            for (int i = random.between(1, 20); i > 0; --i)
                text += isoDate(stamp.modified - i * 3600) + " [info] " + std::string(random.pick(ProductWords)) +
                        " ready\n";
            writeFile(entry.path, text, stamp, false,
                      random.chance(0.1) ? static_cast<std::uint64_t>(random.between(1, 50)) * 1024 * 1024 : 0);
        } else {
            writeFolderEntry(entry, stamp, random);
        }
        break;
    case Place::containers:
        writeContainer(entry, stamp, random);
        break;
    case Place::userFrameworks:
    case Place::frameworks:
    case Place::systemFrameworks: {
        const std::string folder = entry.path.substr(0, entry.path.rfind('/'));
        std::string name = entry.path.substr(folder.size() + 1);
        name.resize(name.size() - std::string_view(".framework").size());
        std::string identifier;
        if (entry.place == Place::systemFrameworks)
            identifier = "com.apple." + name;
        else if (entry.owner != nullptr)
            identifier = m_vendors[entry.owner->vendor].domain + "." + name;
        else
            identifier = "com.example." + name;
        writeFramework(folder, name, identifier, entry.owner != nullptr ? entry.owner->version : "1.0", stamp, random);
        break;
    }
    case Place::javaVirtualMachines:
        writeJavaHome(entry, stamp, random);
        break;
    case Place::toolFolder: {
        const std::string name = entry.path.substr(entry.path.rfind('/') + 1);
        if (random.chance(0.4))
            writeFile(entry.path, "#!/bin/sh\nexec \"/opt/homebrew/opt/" + name + "/bin/" + name + "\" \"$@\"\n", stamp,
                      true);
        else {
            const std::string binary = machOContent(random);
            writeFile(entry.path, binary, stamp, true);
        }
        break;
    }
    case Place::homebrewFormula:
    case Place::macPort:
        writePackage(entry, stamp, random);
        break;
    default:
        writeFolderEntry(entry, stamp, random);
        break;
    }
    applyStamp(stamp);
}

void MacTreeGenerator::writeFolderEntry(const PlannedEntry &entry, Stamp &stamp, Random &random)
{
    const std::string &path = entry.path;
    makeFolder(path, stamp);
    const std::string appName = entry.owner != nullptr ? entry.owner->name : "Data";
    switch (entry.place) {
    case Place::applicationScripts:
        if (random.chance(0.3))
            writeFile(path + "/" + compact(appName) + " Action.scpt", "FasdUAS 1.101.10", stamp);
        return;
    case Place::savedState: {
        std::string data(static_cast<std::size_t>(random.between(512, 8192)), '\0');
        for (std::size_t i = 0; i < data.size(); i += 5)
            data[i] = static_cast<char>(random.below(256));
        writeFile(path + "/data.data", data, stamp);
        PropertyListWriter windows = PropertyListWriter::array();
        for (int i = random.between(1, 3); i > 0; --i) {
            windows.append(PropertyListWriter::dictionary()
                               .set("NSWindowID", PropertyListWriter::integer(random.between(1, 900)))
                               .setString("NSTitle", appName));
        }
        writeFile(path + "/windows.plist", windows.xml(), stamp);
        if (random.chance(0.5))
            writeFile(path + "/restorecount.plist", PropertyListWriter::integer(1).xml(), stamp);
        return;
    }
    case Place::caches: {
        const double style = random.unit();
        if (style < 0.4) {
            writeFile(path + "/Cache.db", "SQLite format 3", stamp);
            writeFile(path + "/Cache.db-shm", "", stamp);
            writeFile(path + "/Cache.db-wal", "", stamp);
            makeFolder(path + "/fsCachedData", stamp);
            for (int i = random.between(1, 5); i > 0; --i) {
                std::string name;
                for (int c = 0; c < 8; ++c)
                    name += "0123456789ABCDEF"[random.below(16)];
                name += "-" + std::to_string(i);
                writeFile(path + "/fsCachedData/" + name, "cached", stamp);
            }
        } else if (style < 0.65) {
            makeFolder(path + "/Cache", stamp);
            makeFolder(path + "/Cache/Cache_Data", stamp);
            writeFile(path + "/Cache/Cache_Data/index", "index", stamp);
            for (int i = 0; i < 4; ++i)
                writeFile(path + "/Cache/Cache_Data/data_" + std::to_string(i), "data", stamp);
            makeFolder(path + "/Code Cache", stamp);
            writeFile(path + "/Code Cache/index", "index", stamp);
        } else if (endsWith(path, ".ShipIt") || style < 0.75) {
            writeFile(path + "/ShipIt_stderr.log", "ShipIt started\n", stamp);
            writeFile(path + "/ShipIt_stdout.log", "", stamp);
        } else {
            for (int i = random.between(1, 4); i > 0; --i) {
                const std::string name = lower(random.pick(ProductWords)) + "-" + std::to_string(i) + ".cache";
                writeFile(path + "/" + name, "cache", stamp);
            }
        }
        return;
    }
    case Place::logs:
        for (int i = random.between(1, 4); i > 0; --i) {
            const std::string date = isoDate(stamp.modified - i * Day).substr(0, 10);
            writeFile(path + "/" + dashed(appName) + "-" + date + "-" + std::to_string(i) + ".log",
                      date + " started\n" + date + " stopped\n", stamp);
        }
        return;
    default:
        break;
    }

    // Application Support, user or system.
    const double style = random.unit();
    if (style < 0.3) {
        makeFolder(path + "/Local Storage", stamp);
        makeFolder(path + "/Local Storage/leveldb", stamp);
        for (std::string_view name : {"000003.log", "CURRENT", "LOCK", "LOG", "MANIFEST-000001"})
            writeFile(path + "/Local Storage/leveldb/" + std::string(name), "leveldb", stamp);
        writeFile(path + "/Preferences", "{\"profile\":{\"name\":\"bench\"}}\n", stamp);
    } else if (style < 0.5 && entry.owner != nullptr &&
               entry.path.ends_with("/" + m_vendors[entry.owner->vendor].shortName)) {
        // A vendor folder holds one folder per product.
        makeFolder(path + "/" + entry.owner->name, stamp);
        writeFile(path + "/" + entry.owner->name + "/settings.json", "{}\n", stamp);
    } else {
        for (int i = random.between(0, 5); i > 0; --i) {
            static constexpr std::string_view names[] = {"settings.json",  "state.db",     "license.lic",
                                                         "history.sqlite", "plugins.json", "session.dat",
                                                         "config.yaml"};
            const std::string name(names[static_cast<std::size_t>(i) % std::size(names)]);
            writeFile(path + "/" + name, "{\"app\":\"" + appName + "\"}\n", stamp);
        }
        if (random.chance(0.3)) {
            makeFolder(path + "/Crashpad", stamp);
            writeFile(path + "/Crashpad/settings.dat", "crashpad", stamp);
        }
    }
}

void MacTreeGenerator::writeContainer(const PlannedEntry &entry, Stamp &stamp, Random &random)
{
    const std::string &path = entry.path;
    const std::string identifier = path.substr(path.rfind('/') + 1);
    makeFolder(path, stamp);

    std::string uuid;
    for (int i = 0; i < 32; ++i) {
        if (i == 8 || i == 12 || i == 16 || i == 20)
            uuid += '-';
        uuid += "0123456789ABCDEF"[random.below(16)];
    }
    const std::string metadata = PropertyListWriter::dictionary()
                                     .set("MCMMetadataActiveDPClass", PropertyListWriter::integer(0))
                                     .set("MCMMetadataContentClass", PropertyListWriter::integer(2))
                                     .setString("MCMMetadataIdentifier", identifier)
                                     .setString("MCMMetadataUUID", uuid)
                                     .set("MCMMetadataVersion", PropertyListWriter::integer(6))
                                     .xml();
    writeFile(path + "/.com.apple.containermanagerd.metadata.plist", metadata, stamp);

    const std::string data = path + "/Data";
    makeFolder(data, stamp);
    makeFolder(data + "/Library", stamp);
    makeFolder(data + "/Library/Preferences", stamp);
    writeFile(data + "/Library/Preferences/" + identifier + ".plist", preferencesPlist(entry, random), stamp);
    makeFolder(data + "/Library/Caches", stamp);
    makeFolder(data + "/Library/Application Support", stamp);
    if (random.chance(0.3))
        writeFile(data + "/Library/Application Support/store.sqlite", "SQLite format 3", stamp);
    makeFolder(data + "/Documents", stamp);
    makeFolder(data + "/tmp", stamp);
    makeSymlink("../../../../Desktop", data + "/Desktop", stamp);
    makeSymlink("../../../../Downloads", data + "/Downloads", stamp);
}

void MacTreeGenerator::writeJavaHome(const PlannedEntry &entry, Stamp &stamp, Random &random)
{
    const std::string &path = entry.path;
    const std::string name = path.substr(path.rfind('/') + 1);
    const std::string stem = name.substr(0, name.rfind('.'));
    makeFolder(path, stamp);
    makeFolder(path + "/Contents", stamp);
    std::string version;
    for (char c : stem) {
        if ((c >= '0' && c <= '9') || (c == '.' && !version.empty()))
            version += c;
    }
    if (version.empty())
        version = "17";
    writeFile(path + "/Contents/Info.plist",
              nestedInfoPlist(stem, "bundle", "net.java.openjdk." + version + "." + name.substr(stem.size() + 1),
                              version, "libjli.dylib"),
              stamp);
    makeFolder(path + "/Contents/MacOS", stamp);
    writeFile(path + "/Contents/MacOS/libjli.dylib", machOContent(random), stamp, true);
    const std::string home = path + "/Contents/Home";
    makeFolder(home, stamp);
    writeFile(home + "/release", "JAVA_VERSION=\"" + version + "\"\nIMPLEMENTOR=\"Bench\"\n", stamp);
    makeFolder(home + "/bin", stamp);
    for (std::string_view tool : {"java", "javac", "jar", "jshell", "keytool"})
        writeFile(home + "/bin/" + std::string(tool), machOContent(random), stamp, true);
    makeFolder(home + "/lib", stamp);
    writeFile(home + "/lib/modules", "jimage", stamp);
    writeFile(home + "/lib/libjli.dylib", machOContent(random), stamp, true);
}

void MacTreeGenerator::writeHiddenEntry(const PlannedEntry &entry, Stamp &stamp, Random &random)
{
    const std::string name = entry.path.substr(entry.path.rfind('/') + 1);
    if (name == ".DS_Store") {
        std::string content(6148, '\0');
        content.replace(0, 8, std::string("\0\0\0\1Bud1", 8));
        writeFile(entry.path, content, stamp);
    } else if (name == ".localized") {
        writeFile(entry.path, "", stamp);
    } else if (name.starts_with("._")) {
        std::string content(4096, '\0');
        content.replace(0, 4, std::string("\0\x05\x16\x07", 4));
        writeFile(entry.path, content, stamp);
    } else {
        writeFile(entry.path, std::to_string(random.between(100, 99999)) + "\n", stamp);
    }
}

void MacTreeGenerator::writePackage(const PlannedEntry &entry, Stamp &stamp, Random &random)
{
    const std::string &path = entry.path;
    const std::string name = path.substr(path.rfind('/') + 1);
    makeFolder(path, stamp);
    if (entry.place == Place::macPort) {
        const std::string version = path + "/" + entry.detail + "_" + std::to_string(random.between(0, 3));
        makeFolder(version, stamp);
        writeFile(version + "/Portfile",
                  "# -*- coding: utf-8; mode: tcl -*-\nPortSystem 1.0\nname " + name + "\nversion " + entry.detail +
                      "\ncategories sysutils\n",
                  stamp);
        return;
    }
    const std::string keg = path + "/" + entry.detail;
    makeFolder(keg, stamp);
    writeFile(keg + "/INSTALL_RECEIPT.json",
              "{\"homebrew_version\":\"4.2.0\",\"installed_on_request\":" +
                  std::string(random.chance(0.6) ? "true" : "false") + ",\"source\":{\"path\":\"" + name + ".rb\"}}\n",
              stamp);
    writeFile(keg + "/README.md", "# " + name + "\n", stamp);
    makeFolder(keg + "/bin", stamp);
    std::string tool = name.substr(0, name.find('@'));
    const std::string binary = machOContent(random);
    writeFile(keg + "/bin/" + tool, binary, stamp, true);
    makeFolder(keg + "/.brew", stamp);
    writeFile(keg + "/.brew/" + tool + ".rb", "class Formula\nend\n", stamp);
}
