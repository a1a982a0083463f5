#include "demo/DemoHome.h"

#include "model/Clock.h"

#include <QDateTime>
#include <QString>
#include <algorithm>
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
#include <variant>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t SecondsPerDay = 86400;
constexpr std::int64_t SecondsPerMinute = 60;

// What the demo machine has installed.

struct Helper {
    std::string_view subfolder;  // below Contents
    std::string_view fileName;   // with its extension
    std::string_view identifier; // empty for items that are no bundles
};

struct Application {
    std::string_view folder; // below the root, or below the home folder when it starts with "~/"
    std::string_view name;
    std::string_view identifier;
    std::string_view version;
    std::string_view executable;
    std::string_view urlScheme;
    std::vector<std::string_view> contentTypes;
    std::vector<Helper> helpers;
    int installedDaysAgo;
    int executableKilobytes;
};

const std::vector<Application> &applications()
{
    static const std::vector<Application> list{
        {"Applications",
         "Visual Studio Code",
         "com.microsoft.VSCode",
         "1.85.2",
         "Electron",
         "vscode",
         {"public.plain-text", "public.source-code", "com.microsoft.VSCode.workspace"},
         {{"Frameworks", "Code Helper.app", "com.microsoft.VSCode.helper"},
          {"Frameworks", "Code Helper (Renderer).app", "com.microsoft.VSCode.helper.Renderer"},
          {"Frameworks", "Electron Framework.framework", ""},
          {"Resources", "Code.icns", ""}},
         96,
         12},
        {"Applications",
         "Slack",
         "com.tinyspeck.slackmacgap",
         "4.36.140",
         "Slack",
         "slack",
         {},
         {{"Frameworks", "Slack Helper.app", "com.tinyspeck.slackmacgap.helper"},
          {"Frameworks", "Slack Helper (GPU).app", "com.tinyspeck.slackmacgap.helper.GPU"},
          {"Resources", "electron.icns", ""}},
         210,
         8},
        {"Applications",
         "Spotify",
         "com.spotify.client",
         "1.2.26.1187",
         "Spotify",
         "spotify",
         {},
         {{"Frameworks", "Spotify Helper.app", "com.spotify.client.helper"}, {"Resources", "Icon.icns", ""}},
         400,
         8},
        {"Applications",
         "Firefox",
         "org.mozilla.firefox",
         "121.0.1",
         "firefox",
         "http",
         {"public.html", "public.xhtml", "public.svg-image"},
         {{"MacOS", "plugin-container.app", "org.mozilla.plugincontainer"},
          {"MacOS", "crashreporter.app", "org.mozilla.crashreporter"},
          {"MacOS", "updater.app", "org.mozilla.updater"},
          {"Resources", "firefox.icns", ""}},
         520,
         12},
        {"Applications",
         "iTerm",
         "com.googlecode.iterm2",
         "3.4.23",
         "iTerm2",
         "ssh",
         {"public.unix-executable", "public.shell-script"},
         {{"XPCServices", "pidinfo.xpc", "com.googlecode.iterm2.pidinfo"}, {"Resources", "AppIcon.icns", ""}},
         700,
         8},
        {"Applications",
         "Docker",
         "com.docker.docker",
         "4.26.1",
         "Docker",
         "docker-desktop",
         {},
         {{"Library/LaunchServices", "com.docker.vmnetd", ""},
          {"MacOS", "com.docker.backend", ""},
          {"Resources", "docker.icns", ""}},
         150,
         12},
        {"Applications",
         "zoom.us",
         "us.zoom.xos",
         "5.17.5",
         "zoom.us",
         "zoommtg",
         {},
         {{"Frameworks", "caphost.app", "us.zoom.caphost"}, {"Frameworks", "aomhost.app", "us.zoom.aomhost"}},
         330,
         8},
        {"Applications",
         "Figma",
         "com.figma.Desktop",
         "116.16.13",
         "Figma",
         "figma",
         {"com.figma.document"},
         {{"Frameworks", "Figma Helper.app", "com.figma.Desktop.helper"}},
         260,
         8},
        {"Applications",
         "1Password",
         "com.1password.1password",
         "8.10.24",
         "1Password",
         "onepassword",
         {},
         {{"Library/LoginItems", "1Password Launcher.app", "com.1password.1password-launcher"}},
         600,
         8},
        {"Applications",
         "Rectangle",
         "com.knollsoft.Rectangle",
         "0.76",
         "Rectangle",
         "rectangle",
         {},
         {{"Library/LoginItems", "RectangleLauncher.app", "com.knollsoft.RectangleLauncher"}},
         800,
         4},
        {"Applications",
         "VLC",
         "org.videolan.vlc",
         "3.0.20",
         "VLC",
         "vlc",
         {"public.movie", "public.audio", "public.mpeg-4"},
         {},
         900,
         6},
        {"Applications",
         "OBS",
         "com.obsproject.obs-studio",
         "30.0.2",
         "OBS",
         "",
         {},
         {{"PlugIns", "obs-browser.plugin", ""}},
         120,
         8},
        {"Applications",
         "Transmission",
         "org.m0k.transmission",
         "4.0.5",
         "Transmission",
         "magnet",
         {"org.bittorrent.torrent"},
         {},
         1000,
         4},
        {"Applications", "Raycast", "com.raycast.macos", "1.65.0", "Raycast", "raycast", {}, {}, 180, 8},
        {"Applications",
         "Discord",
         "com.hnc.Discord",
         "0.0.291",
         "Discord",
         "discord",
         {},
         {{"Frameworks", "Discord Helper.app", "com.hnc.Discord.helper"}},
         450,
         8},
        {"Applications",
         "Notion",
         "notion.id",
         "3.0.0",
         "Notion",
         "notion",
         {},
         {{"Frameworks", "Notion Helper.app", "notion.id.helper"}},
         240,
         8},
        {"Applications",
         "The Unarchiver",
         "cx.c3.theunarchiver",
         "4.3.6",
         "The Unarchiver",
         "",
         {"public.zip-archive", "org.7-zip.7-zip-archive", "com.rarlab.rar-archive"},
         {},
         1100,
         4},
        {"Applications",
         "Signal",
         "org.whispersystems.signal-desktop",
         "6.44.0",
         "Signal",
         "sgnl",
         {},
         {{"Frameworks", "Signal Helper.app", "org.whispersystems.signal-desktop.helper"}},
         300,
         8},
        {"Applications", "Telegram", "ru.keepcoder.Telegram", "10.5", "Telegram", "tg", {}, {}, 380, 6},
        {"Applications",
         "Sublime Text",
         "com.sublimetext.4",
         "Build 4169",
         "sublime_text",
         "",
         {"public.plain-text"},
         {},
         640,
         6},
        {"Applications",
         "GitHub Desktop",
         "com.github.GitHubClient",
         "3.3.6",
         "GitHub Desktop",
         "x-github-client",
         {},
         {{"Frameworks", "GitHub Desktop Helper.app", "com.github.GitHubClient.helper"}},
         500,
         8},
        {"Applications", "Arc", "company.thebrowser.Browser", "1.23.0", "Arc", "", {}, {}, 90, 8},
        {"Applications", "Tailscale", "io.tailscale.ipn.macos", "1.56.1", "Tailscale", "", {}, {}, 140, 4},
        {"Applications", "Keynote", "com.apple.iWork.Keynote", "13.2", "Keynote", "", {}, {}, 60, 6},
        {"Applications", "Pages", "com.apple.iWork.Pages", "13.2", "Pages", "", {}, {}, 60, 6},
        {"Applications/Utilities", "XQuartz", "org.xquartz.X11", "2.8.5", "X11", "x11", {}, {}, 1200, 4},
        {"Applications/Utilities",
         "Logi Options+",
         "com.logi.optionsplus",
         "1.60.495862",
         "logioptionsplus",
         "",
         {},
         {{"Frameworks", "logioptionsplus_agent.app", "com.logi.optionsplus.agent"}},
         270,
         6},
        {"Applications/JetBrains",
         "IntelliJ IDEA CE",
         "com.jetbrains.intellij.ce",
         "2023.3.2",
         "idea",
         "idea",
         {},
         {},
         35,
         6},
        {"Applications/JetBrains",
         "PyCharm CE",
         "com.jetbrains.pycharm.ce",
         "2023.3.2",
         "pycharm",
         "pycharm",
         {},
         {},
         35,
         6},
        {"~/Applications",
         "Obsidian",
         "md.obsidian",
         "1.5.3",
         "Obsidian",
         "obsidian",
         {},
         {{"Frameworks", "Obsidian Helper.app", "md.obsidian.helper"}},
         200,
         6},
        {"~/Applications", "Postman", "com.postmanlabs.mac", "10.21.0", "Postman", "postman", {}, {}, 160, 6},
    };
    return list;
}

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
    std::string_view name;
    Shape shape;
    int kilobytes;
    int accessedDaysAgo;
    int modifiedDaysAgo;
    std::string_view detail = {};
    std::string_view label = {};
};

// Data of installed applications is in use; that of removed applications was last touched long ago, or
// recently where a launch job of theirs still runs. The system's own entries and hidden files come last in
// each folder.
const std::vector<Entry> &entries()
{
    using enum Place;
    using enum Shape;
    static const std::vector<Entry> list{
        // Application Support
        {applicationSupport, "Code", folder, 45, 0, 0,
         "User/settings.json|User/globalStorage/storage.json|CachedData/0ee08df0/chrome/js/index.js.code|"
         "logs/main.log|Cookies|Local Storage/leveldb/000003.log"},
        {applicationSupport, "Slack", electron, 35, 1, 1},
        {applicationSupport, "Spotify", folder, 20, 0, 2, "prefs|Users/demo-user/prefs|PersistentCache/index.dat"},
        {applicationSupport, "Firefox", folder, 30, 0, 3,
         "profiles.ini|installs.ini|Profiles/k9x2m4qe.default-release/places.sqlite|"
         "Profiles/k9x2m4qe.default-release/cookies.sqlite|Profiles/k9x2m4qe.default-release/prefs.js"},
        {applicationSupport, "iTerm2", folder, 6, 2, 9, "version.txt|SavedState/restorable-state.sqlite"},
        {applicationSupport, "zoom.us", folder, 10, 6, 6, "data/zoomus.enc.db|data/viper.ini"},
        {applicationSupport, "Figma", electron, 15, 3, 3},
        {applicationSupport, "Rectangle", folder, 2, 14, 28, "RectangleConfig.json"},
        {applicationSupport, "org.videolan.vlc", folder, 2, 20, 20, "ml.xspf"},
        {applicationSupport, "obs-studio", folder, 8, 11, 11,
         "global.ini|basic/profiles/Untitled/basic.ini|basic/scenes/Untitled.json|logs/session.txt"},
        {applicationSupport, "Transmission", folder, 6, 25, 25,
         "stats.json|Resume/ubuntu-22.04.3-amd64.iso.resume|Torrents/ubuntu-22.04.3-amd64.iso.torrent"},
        {applicationSupport, "com.raycast.macos", folder, 25, 0, 0, "raycast-enc.sqlite|raycast-activities-enc.sqlite"},
        {applicationSupport, "discord", electron, 20, 4, 4},
        {applicationSupport, "Notion", electron, 30, 1, 1},
        {applicationSupport, "Signal", electron, 12, 8, 8},
        {applicationSupport, "Sublime Text", folder, 7, 0, 5,
         "Packages/User/Preferences.sublime-settings|Local/Session.sublime_session"},
        {applicationSupport, "GitHub Desktop", electron, 10, 17, 17},
        {applicationSupport, "Arc", folder, 15, 0, 0,
         "StorableSidebar.json|User Data/Default/History|User Data/Default/Preferences"},
        {applicationSupport, "JetBrains", folder, 18, 2, 2,
         "IdeaIC2023.3/options/ide.general.xml|IdeaIC2023.3/plugins/plugins.txt|"
         "PyCharmCE2023.3/options/jdk.table.xml|PyCharmCE2023.3/workspace/recent.json"},
        {applicationSupport, "obsidian", electron, 5, 3, 3},
        {applicationSupport, "Postman", electron, 14, 12, 12},
        {applicationSupport, "LogiOptionsPlus", folder, 6, 1, 20, "settings.db|cc_config.json"},
        {applicationSupport, "Skype", folder, 30, 1100, 1180,
         "shared.xml|live#3ademo.user/main.db|live#3ademo.user/msn.db"},
        {applicationSupport, "Dropbox", folder, 6, 610, 640, "instance1/config.dbx|instance1/sync_history.db"},
        {applicationSupport, "TeamViewer", folder, 4, 45, 60, "TeamViewer.json|Connections.txt"},
        {applicationSupport, "Adobe", folder, 12, 850, 900,
         "CoreSync/CoreSync.log|OOBE/opm.db|AAMUpdater/1.0/AdobeUpdaterPrefs.dat"},
        {applicationSupport, "Steam", folder, 75, 1300, 1350,
         "registry.vdf|config/config.vdf|config/loginusers.vdf|steamapps/libraryfolders.vdf|appcache/appinfo.vdf"},
        {applicationSupport, "com.bohemiancoding.sketch3", folder, 40, 700, 760,
         "Plugins/Runner.sketchplugin/Contents/Sketch/manifest.json|Libraries/Demo Library.sketch"},
        {applicationSupport, "Google", folder, 35, 90, 95,
         "Chrome/Local State|Chrome/Default/History|Chrome/Default/Preferences|Chrome/Default/Cookies"},
        {applicationSupport, "com.evernote.Evernote", folder, 25, 1400, 1450,
         "accounts/www.evernote.com/4815162/localNoteStore/LocalNoteStore.sqlite|"
         "accounts/www.evernote.com/4815162/content/p1/content.enml"},
        {applicationSupport, "Quillmate", folder, 8, 530, 560, "quillmate.db|sync/journal.log"},
        {applicationSupport, "AddressBook", folder, 8, 0, 2, "AddressBook-v22.abcddb|Metadata/.info"},
        {applicationSupport, "CallHistoryDB", folder, 4, 1, 1, "CallHistory.storedata"},
        {applicationSupport, "CloudDocs", folder, 6, 0, 0, "session/db/client.db"},
        {applicationSupport, "CoreData", folder, 2, 9, 9, "CloudKit/metadata.sqlite"},
        {applicationSupport, "iCloud", folder, 2, 0, 12, "Accounts/demo.plist"},
        {applicationSupport, "Knowledge", folder, 6, 0, 0, "knowledgeC.db"},
        {applicationSupport, "com.apple.TCC", folder, 2, 0, 5, "TCC.db"},
        {applicationSupport, "com.apple.sharedfilelist", folder, 1, 0, 4,
         "com.apple.LSSharedFileList.RecentApplications.sfl2"},
        {applicationSupport, ".DS_Store", file, 6, 2, 2},

        // Application Scripts
        {applicationScripts, "cx.c3.theunarchiver", folder, 0, 30, 110},
        {applicationScripts, "io.tailscale.ipn.macos", folder, 0, 8, 70},
        {applicationScripts, "ru.keepcoder.Telegram", folder, 0, 5, 40},
        {applicationScripts, "2BUA8C4S2C.com.1password", folder, 0, 2, 60},
        {applicationScripts, "com.evernote.Evernote", folder, 0, 1400, 1450},
        {applicationScripts, "com.evernote.EvernoteHelper", folder, 0, 1400, 1450},
        {applicationScripts, "net.whatsapp.WhatsApp", folder, 0, 480, 500},
        {applicationScripts, "com.bitwarden.desktop", folder, 0, 20, 25},
        {applicationScripts, "com.apple.Notes", folder, 0, 0, 90},
        {applicationScripts, "com.apple.mail", folder, 0, 0, 90},
        {applicationScripts, "com.apple.iWork.Keynote", folder, 0, 5, 60},

        // The user's launch agents
        {userLaunchAgents, "com.1password.1password-launcher.plist", launchJob, 1, 0, 30,
         "/Applications/1Password.app/Contents/Library/LoginItems/1Password Launcher.app/Contents/MacOS/"
         "1Password Launcher"},
        {userLaunchAgents, "homebrew.mxcl.postgresql@16.plist", launchJob, 1, 0, 40,
         "/opt/homebrew/opt/postgresql@16/bin/postgres"},
        {userLaunchAgents, "com.google.keystone.agent.plist", launchJob, 1, 3, 420,
         "/Users/demo/Library/Google/GoogleSoftwareUpdate/GoogleSoftwareUpdate.bundle/Contents/Resources/"
         "GoogleSoftwareUpdateAgent.app/Contents/MacOS/GoogleSoftwareUpdateAgent",
         "com.google.keystone.user.agent"},
        {userLaunchAgents, "com.google.keystone.xpcservice.plist", launchJob, 1, 700, 760,
         "/Users/demo/Library/Google/GoogleSoftwareUpdate/GoogleSoftwareUpdate.bundle/Contents/Helpers/"
         "GoogleSoftwareUpdateAgent.app/Contents/MacOS/GoogleSoftwareUpdateAgent",
         "com.google.keystone.user.xpcservice"},
        {userLaunchAgents, "com.dropbox.DropboxMacUpdate.agent.plist", launchJob, 1, 610, 640,
         "/Users/demo/Library/Dropbox/DropboxMacUpdate.app/Contents/MacOS/DropboxMacUpdate"},
        {userLaunchAgents, "com.valvesoftware.steamclean.plist", launchJob, 1, 1300, 1350,
         "/Users/demo/Library/Application Support/Steam/Steam.AppBundle/Steam/Contents/MacOS/steamclean"},
        {userLaunchAgents, "net.qvorta.mirrord.plist", launchJob, 1, 520, 560, "/Users/demo/.qvorta/bin/mirrord"},
        {userLaunchAgents, ".DS_Store", file, 6, 30, 30},

        // The system's launch agents
        {launchAgents, "org.xquartz.startx.plist", launchJob, 1, 0, 95, "/opt/X11/libexec/launchd_startx"},
        {launchAgents, "us.zoom.updater.plist", launchJob, 1, 0, 60,
         "/Applications/zoom.us.app/Contents/Frameworks/ZoomUpdater.app/Contents/MacOS/ZoomUpdater"},
        {launchAgents, "us.zoom.updater.login.check.plist", launchJob, 1, 0, 60,
         "/Applications/zoom.us.app/Contents/Frameworks/ZoomUpdater.app/Contents/MacOS/ZoomUpdater"},
        {launchAgents, "com.logi.optionsplus.plist", launchJob, 1, 0, 50,
         "/Applications/Utilities/Logi Options+.app/Contents/Frameworks/logioptionsplus_agent.app/Contents/MacOS/"
         "logioptionsplus_agent"},
        {launchAgents, "com.adobe.AdobeCreativeCloud.plist", launchJob, 1, 850, 900,
         "/Applications/Utilities/Adobe Creative Cloud/ACC/Creative Cloud.app/Contents/MacOS/Creative Cloud"},
        {launchAgents, "com.adobe.ccxprocess.plist", launchJob, 1, 850, 900,
         "/Applications/Utilities/Adobe Creative Cloud Experience/CCXProcess/CCXProcess.app/Contents/MacOS/"
         "Creative Cloud Content Manager.node"},
        {launchAgents, "com.microsoft.update.agent.plist", launchJob, 1, 380, 420,
         "/Library/Application Support/Microsoft/MAU2.0/Microsoft AutoUpdate.app/Contents/MacOS/"
         "Microsoft Update Assistant.app/Contents/MacOS/Microsoft Update Assistant"},
        {launchAgents, "com.teamviewer.teamviewer.plist", launchJob, 1, 40, 60,
         "/Applications/TeamViewer.app/Contents/MacOS/TeamViewer"},
        {launchAgents, "com.teamviewer.teamviewer_desktop.plist", launchJob, 1, 40, 60,
         "/Applications/TeamViewer.app/Contents/Helpers/TeamViewer_Desktop"},
        {launchAgents, "com.parallels.mobile.startgui.launchagent.plist", launchJob, 1, 1000, 1040,
         "/Applications/Parallels Desktop.app/Contents/MacOS/prl_client_app"},

        // The system's launch daemons
        {launchDaemons, "com.docker.vmnetd.plist", launchJob, 1, 0, 45,
         "/Library/PrivilegedHelperTools/com.docker.vmnetd"},
        {launchDaemons, "com.docker.socket.plist", launchJob, 1, 0, 45,
         "/Library/PrivilegedHelperTools/com.docker.socket"},
        {launchDaemons, "us.zoom.ZoomDaemon.plist", launchJob, 1, 1, 60,
         "/Library/PrivilegedHelperTools/us.zoom.ZoomDaemon"},
        {launchDaemons, "com.adobe.acc.installer.v2.plist", launchJob, 1, 850, 900,
         "/Library/PrivilegedHelperTools/com.adobe.acc.installer.v2"},
        {launchDaemons, "com.adobe.ARMDC.Communicator.plist", launchJob, 1, 850, 900,
         "/Library/PrivilegedHelperTools/com.adobe.ARMDC.Communicator"},
        {launchDaemons, "com.microsoft.autoupdate.helper.plist", launchJob, 1, 380, 420,
         "/Library/PrivilegedHelperTools/com.microsoft.autoupdate.helper"},
        {launchDaemons, "com.teamviewer.Helper.plist", launchJob, 1, 40, 60,
         "/Library/PrivilegedHelperTools/com.teamviewer.Helper"},
        {launchDaemons, "com.parallels.desktop.launchdaemon.plist", launchJob, 1, 1000, 1040,
         "/Applications/Parallels Desktop.app/Contents/MacOS/Parallels Service.app/Contents/MacOS/prl_disp_service"},
        {launchDaemons, "com.google.keystone.daemon.plist", launchJob, 1, 3, 420,
         "/Library/Google/GoogleSoftwareUpdate/GoogleSoftwareUpdate.bundle/Contents/Helpers/"
         "GoogleSoftwareUpdateDaemon"},
        {launchDaemons, "com.apple.installer.osmessagetracing.plist", launchJob, 1, 0, 120,
         "/System/Library/PrivateFrameworks/OSInstaller.framework/Resources/OSMessageTracer"},

        // Preferences
        {preferences, "com.microsoft.VSCode.plist", xmlSettings, 2, 0, 0},
        {preferences, "com.tinyspeck.slackmacgap.plist", binarySettings, 2, 1, 1},
        {preferences, "com.spotify.client.plist", binarySettings, 1, 0, 2},
        {preferences, "org.mozilla.firefox.plist", xmlSettings, 1, 0, 3},
        {preferences, "com.googlecode.iterm2.plist", binarySettings, 2, 0, 0},
        {preferences, "us.zoom.xos.plist", binarySettings, 3, 6, 6},
        {preferences, "com.figma.Desktop.plist", xmlSettings, 1, 3, 3},
        {preferences, "com.1password.1password.plist", binarySettings, 1, 0, 4},
        {preferences, "com.knollsoft.Rectangle.plist", binarySettings, 2, 14, 28},
        {preferences, "org.videolan.vlc.plist", binarySettings, 4, 20, 20},
        {preferences, "com.obsproject.obs-studio.plist", xmlSettings, 1, 11, 11},
        {preferences, "org.m0k.transmission.plist", binarySettings, 2, 25, 25},
        {preferences, "com.raycast.macos.plist", binarySettings, 2, 0, 0},
        {preferences, "com.hnc.Discord.plist", xmlSettings, 1, 4, 4},
        {preferences, "notion.id.plist", xmlSettings, 1, 1, 1},
        {preferences, "com.sublimetext.4.plist", xmlSettings, 1, 0, 5},
        {preferences, "company.thebrowser.Browser.plist", binarySettings, 2, 0, 0},
        {preferences, "org.xquartz.X11.plist", binarySettings, 1, 0, 30},
        {preferences, "com.jetbrains.intellij.ce.plist", xmlSettings, 1, 2, 2},
        {preferences, "md.obsidian.plist", xmlSettings, 1, 3, 3},
        {preferences, "com.postmanlabs.mac.plist", xmlSettings, 1, 12, 12},
        {preferences, "com.skype.skype.plist", binarySettings, 3, 1100, 1180},
        {preferences, "com.evernote.Evernote.plist", binarySettings, 2, 1400, 1450},
        {preferences, "com.getdropbox.dropbox.plist", binarySettings, 2, 610, 640},
        {preferences, "com.teamviewer.TeamViewer.plist", xmlSettings, 2, 45, 60},
        {preferences, "com.adobe.acc.AdobeCreativeCloud.plist", xmlSettings, 1, 850, 900},
        {preferences, "com.microsoft.autoupdate2.plist", binarySettings, 1, 380, 420},
        {preferences, "com.bohemiancoding.sketch3.plist", binarySettings, 2, 700, 760},
        {preferences, "com.valvesoftware.steam.plist", xmlSettings, 1, 1300, 1350},
        {preferences, "com.parallels.Parallels Desktop.plist", binarySettings, 3, 1000, 1040},
        {preferences, "com.google.Chrome.plist", binarySettings, 2, 90, 95},
        {preferences, "com.google.Keystone.Agent.plist", binarySettings, 1, 3, 5},
        {preferences, "net.qvorta.Quillmate.plist", xmlSettings, 1, 530, 560},
        {preferences, "com.apple.finder.plist", binarySettings, 4, 0, 0},
        {preferences, "com.apple.dock.plist", binarySettings, 3, 0, 1},
        {preferences, ".GlobalPreferences.plist", binarySettings, 4, 0, 0},

        // Caches
        {caches, "com.microsoft.VSCode.ShipIt", folder, 8, 5, 5, "ShipItState.plist|ShipIt_stderr.log"},
        {caches, "com.spotify.client", folder, 60, 0, 0,
         "Data/13/47/5c1f9e.file|Data/8a/02/e71c44.file|Browser/Cache/Cache_Data/data_1"},
        {caches, "Firefox", folder, 30, 0, 0,
         "Profiles/k9x2m4qe.default-release/cache2/entries/3F8A1C0B|"
         "Profiles/k9x2m4qe.default-release/startupCache/scriptCache.bin"},
        {caches, "com.tinyspeck.slackmacgap.ShipIt", folder, 8, 9, 9, "ShipItState.plist"},
        {caches, "com.raycast.macos", urlCache, 12, 0, 0},
        {caches, "us.zoom.xos", urlCache, 6, 6, 6},
        {caches, "com.hnc.Discord.ShipIt", folder, 4, 4, 4, "ShipItState.plist"},
        {caches, "JetBrains", folder, 24, 2, 2,
         "IdeaIC2023.3/caches/content.dat|IdeaIC2023.3/index/stubs/stubs.dat|PyCharmCE2023.3/caches/names.dat"},
        {caches, "Homebrew", folder, 50, 1, 1,
         "api/formula.jws.json|downloads/3f1e0c9a--wget-1.21.4.arm64_sonoma.bottle.tar.gz|"
         "downloads/9b2d7e4f--jq-1.7.1.arm64_sonoma.bottle.tar.gz"},
        {caches, "com.skype.skype", urlCache, 18, 1100, 1180},
        {caches, "Google", folder, 40, 90, 95,
         "Chrome/Default/Cache/Cache_Data/data_0|Chrome/Default/Cache/Cache_Data/data_1|"
         "Chrome/Default/Code Cache/js/index"},
        {caches, "com.getdropbox.dropbox", urlCache, 8, 610, 640},
        {caches, "com.bohemiancoding.sketch3", urlCache, 14, 700, 760},
        {caches, "com.teamviewer.TeamViewer", urlCache, 5, 45, 60},
        {caches, "Zentrovia", folder, 10, 430, 450, "index.db|thumbs/0001.bin|thumbs/0002.bin"},
        {caches, "com.apple.Safari", urlCache, 10, 0, 0},
        {caches, "com.apple.nsurlsessiond", folder, 2, 0, 0, "Downloads/com.apple.appstoreagent/.keep"},
        {caches, ".DS_Store", file, 6, 1, 1},

        // Containers
        {containers, "cx.c3.theunarchiver", container, 8, 6, 6},
        {containers, "io.tailscale.ipn.macos", container, 5, 0, 0},
        {containers, "ru.keepcoder.Telegram", container, 45, 0, 0},
        {containers, "com.docker.docker", container, 12, 0, 1},
        {containers, "com.evernote.Evernote", container, 50, 1400, 1450},
        {containers, "com.evernote.EvernoteHelper", container, 4, 1400, 1450},
        {containers, "net.whatsapp.WhatsApp", container, 7, 480, 500},
        {containers, "com.bitwarden.desktop", container, 8, 20, 25},
        {containers, "com.apple.Notes", container, 6, 0, 0},
        {containers, "com.apple.Safari", container, 8, 0, 0},
        {containers, "com.apple.iWork.Keynote", container, 8, 5, 5},

        // Saved Application State
        {savedState, "com.microsoft.VSCode.savedState", windowState, 8, 0, 0},
        {savedState, "com.googlecode.iterm2.savedState", windowState, 12, 0, 0},
        {savedState, "org.videolan.vlc.savedState", windowState, 2, 20, 20},
        {savedState, "com.sublimetext.4.savedState", windowState, 4, 0, 1},
        {savedState, "org.mozilla.firefox.savedState", windowState, 6, 0, 0},
        {savedState, "com.postmanlabs.mac.savedState", windowState, 3, 12, 12},
        {savedState, "com.skype.skype.savedState", windowState, 4, 1100, 1180},
        {savedState, "com.bohemiancoding.sketch3.savedState", windowState, 10, 700, 760},
        {savedState, "com.teamviewer.TeamViewer.savedState", windowState, 2, 45, 60},
        {savedState, "com.parallels.desktop.console.savedState", windowState, 3, 1000, 1040},
        {savedState, "com.google.Chrome.savedState", windowState, 6, 90, 95},
        {savedState, "com.apple.Terminal.savedState", windowState, 4, 0, 0},
        {savedState, "com.apple.Preview.savedState", windowState, 2, 3, 3},

        // Logs
        {logs, "zoom.us", folder, 14, 1, 1, "zoom_stdout_stderr.log|zMacUpdater.log"},
        {logs, "JetBrains", folder, 24, 2, 2, "IdeaIC2023.3/idea.log|PyCharmCE2023.3/idea.log"},
        {logs, "Homebrew", folder, 8, 1, 1, "wget/01.configure|jq/01.make"},
        {logs, "Adobe", folder, 10, 850, 900, "CreativeCloud/ACC/AdobeDownload.log|CreativeCloud/ACC/ACC.log"},
        {logs, "TeamViewer", folder, 6, 45, 60, "TeamViewer15_Logfile.log"},
        {logs, "parallels.log", file, 12, 1000, 1040},
        {logs, "qvorta-mirrord.log", file, 4, 520, 560},
        {logs, "com.apple.xpc.launchd", folder, 2, 0, 0, "launchd.log"},
    };
    return list;
}

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

// Property lists.

struct Date {
    std::int64_t secondsSinceEpoch;
};

using Value = std::variant<std::string, std::int64_t, bool, Date, std::vector<std::string>>;
using Dictionary = std::vector<std::pair<std::string, Value>>;

std::string xmlEscaped(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c == '&')
            result += "&amp;";
        else if (c == '<')
            result += "&lt;";
        else if (c == '>')
            result += "&gt;";
        else
            result += c;
    }
    return result;
}

constexpr std::string_view XmlHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                       "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                       "<plist version=\"1.0\">\n";

std::string xmlPropertyList(const Dictionary &dictionary)
{
    std::string xml(XmlHeader);
    xml += "<dict>\n";
    for (const auto &[key, value] : dictionary) {
        xml += "\t<key>" + xmlEscaped(key) + "</key>\n";
        if (const auto *text = std::get_if<std::string>(&value)) {
            xml += "\t<string>" + xmlEscaped(*text) + "</string>\n";
        } else if (const auto *number = std::get_if<std::int64_t>(&value)) {
            xml += "\t<integer>" + std::to_string(*number) + "</integer>\n";
        } else if (const auto *flag = std::get_if<bool>(&value)) {
            xml += *flag ? "\t<true/>\n" : "\t<false/>\n";
        } else if (const auto *date = std::get_if<Date>(&value)) {
            const QString iso = QDateTime::fromSecsSinceEpoch(date->secondsSinceEpoch, Qt::UTC).toString(Qt::ISODate);
            xml += "\t<date>" + iso.toStdString() + "</date>\n";
        } else if (const auto *items = std::get_if<std::vector<std::string>>(&value)) {
            xml += "\t<array>\n";
            for (const std::string &item : *items)
                xml += "\t\t<string>" + xmlEscaped(item) + "</string>\n";
            xml += "\t</array>\n";
        }
    }
    xml += "</dict>\n</plist>\n";
    return xml;
}

// The binary format ("bplist00") for a dictionary of the values above; strings must be ASCII.
class BinaryPropertyListWriter {
public:
    static std::string write(const Dictionary &dictionary)
    {
        std::size_t count = 1 + 2 * dictionary.size();
        for (const auto &entry : dictionary) {
            if (const auto *items = std::get_if<std::vector<std::string>>(&entry.second))
                count += items->size();
        }
        BinaryPropertyListWriter writer(count < 256 ? 1 : 2);

        // Object numbers: the dictionary, its keys, its values, then the strings of its arrays.
        const std::size_t keysStart = 1;
        const std::size_t valuesStart = keysStart + dictionary.size();
        std::size_t nextArrayItem = valuesStart + dictionary.size();
        std::vector<std::string> objects(count);

        std::string &root = objects[0];
        appendMarker(root, 0xD, dictionary.size());
        for (std::size_t i = 0; i < dictionary.size(); ++i)
            writer.appendReference(root, keysStart + i);
        for (std::size_t i = 0; i < dictionary.size(); ++i)
            writer.appendReference(root, valuesStart + i);

        for (std::size_t i = 0; i < dictionary.size(); ++i) {
            const auto &[key, value] = dictionary[i];
            appendString(objects[keysStart + i], key);
            std::string &object = objects[valuesStart + i];
            if (const auto *text = std::get_if<std::string>(&value)) {
                appendString(object, *text);
            } else if (const auto *number = std::get_if<std::int64_t>(&value)) {
                appendInteger(object, *number);
            } else if (const auto *flag = std::get_if<bool>(&value)) {
                object.push_back(*flag ? '\x09' : '\x08');
            } else if (const auto *date = std::get_if<Date>(&value)) {
                // Seconds since 2001-01-01, as a big-endian double.
                const double seconds = double(date->secondsSinceEpoch - 978307200);
                std::uint64_t bits = 0;
                std::memcpy(&bits, &seconds, sizeof bits);
                object.push_back('\x33');
                appendBigEndian(object, bits, 8);
            } else if (const auto *items = std::get_if<std::vector<std::string>>(&value)) {
                appendMarker(object, 0xA, items->size());
                for (const std::string &item : *items) {
                    writer.appendReference(object, nextArrayItem);
                    appendString(objects[nextArrayItem], item);
                    ++nextArrayItem;
                }
            }
        }

        std::string bytes = "bplist00";
        std::vector<std::uint64_t> offsets;
        offsets.reserve(count);
        for (const std::string &object : objects) {
            offsets.push_back(bytes.size());
            bytes += object;
        }
        const std::uint64_t tableOffset = bytes.size();
        const int offsetSize = tableOffset < 0x100 ? 1 : tableOffset < 0x10000 ? 2 : 4;
        for (const std::uint64_t offset : offsets)
            appendBigEndian(bytes, offset, offsetSize);
        bytes.append(6, '\0');
        bytes.push_back(char(offsetSize));
        bytes.push_back(char(writer.m_referenceSize));
        appendBigEndian(bytes, count, 8);
        appendBigEndian(bytes, 0, 8);
        appendBigEndian(bytes, tableOffset, 8);
        return bytes;
    }

private:
    explicit BinaryPropertyListWriter(int referenceSize)
        : m_referenceSize(referenceSize)
    {}

    static void appendBigEndian(std::string &out, std::uint64_t value, int size)
    {
        for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
            out.push_back(char((value >> shift) & 0xFF));
    }

    static void appendInteger(std::string &out, std::int64_t value)
    {
        if (value >= 0 && value < 0x100) {
            out.push_back('\x10');
            appendBigEndian(out, std::uint64_t(value), 1);
        } else if (value >= 0 && value < 0x10000) {
            out.push_back('\x11');
            appendBigEndian(out, std::uint64_t(value), 2);
        } else if (value >= 0 && value < 0x100000000) {
            out.push_back('\x12');
            appendBigEndian(out, std::uint64_t(value), 4);
        } else {
            out.push_back('\x13');
            appendBigEndian(out, std::uint64_t(value), 8);
        }
    }

    static void appendMarker(std::string &out, int type, std::size_t count)
    {
        if (count < 15) {
            out.push_back(char((type << 4) | int(count)));
        } else {
            out.push_back(char((type << 4) | 0xF));
            appendInteger(out, std::int64_t(count));
        }
    }

    static void appendString(std::string &out, std::string_view text)
    {
        appendMarker(out, 0x5, text.size());
        out += text;
    }

    void appendReference(std::string &out, std::size_t object) const { appendBigEndian(out, object, m_referenceSize); }

    int m_referenceSize;
};

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

Dictionary settings(std::string_view identifier, std::size_t size, std::int64_t lastUse)
{
    const std::uint64_t seed = hashOf(identifier);
    Dictionary dictionary{
        {"NSWindow Frame MainWindow", std::string("412 231 1280 800 0 0 2056 1285 ")},
        {"NSNavLastRootDirectory", std::string("~/Documents")},
        {"SUEnableAutomaticChecks", true},
        {"SUHasLaunchedBefore", true},
        {"SULastCheckTime", Date{lastUse}},
        {"LaunchCount", std::int64_t(seed % 900 + 3)},
    };
    std::vector<std::string> recent;
    static constexpr std::string_view Projects[] = {"Budget", "Website", "Thesis", "Holiday", "Invoices", "Garden"};
    for (std::size_t used = 300, item = 0; used < size && item < 24; used += 48, ++item)
        recent.push_back("~/Documents/" + std::string(Projects[(seed + item) % std::size(Projects)]) + "/draft " +
                         std::to_string(item + 1) + ".txt");
    if (!recent.empty())
        dictionary.emplace_back("RecentDocuments", std::move(recent));
    return dictionary;
}

// Content for a file inside a leftover folder, chosen by its name.
std::string contentFor(std::string_view fileName, std::size_t size, std::uint64_t seed, std::int64_t lastUse)
{
    if (endsWith(fileName, ".plist"))
        return xmlPropertyList(settings(fileName, size, lastUse));
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
    std::string_view entry;  // a folder of entries()
    std::string_view folder; // inside the entry
    std::string_view prefix; // of each file's name, followed by its number
    int files;
    int kilobytesEach;
};

const std::vector<Payload> &payloads()
{
    using enum Place;
    static const std::vector<Payload> list{
        {caches, "com.spotify.client", "Data/5c", "", 40, 96},
        {caches, "Google", "Chrome/Default/Cache/Cache_Data", "f_0000", 50, 64},
        {caches, "Firefox", "Profiles/k9x2m4qe.default-release/cache2/entries", "E3A9", 40, 48},
        {caches, "Homebrew", "downloads", "bottle-", 4, 1500},
        {caches, "com.skype.skype", "fsCachedData", "media-", 25, 80},
        {caches, "com.bohemiancoding.sketch3", "fsCachedData", "preview-", 20, 64},
        {caches, "JetBrains", "IdeaIC2023.3/caches", "records-", 12, 200},
        {applicationSupport, "Steam", "appcache/httpcache", "", 30, 120},
        {applicationSupport, "Slack", "Cache/Cache_Data", "f_0001", 25, 40},
        {applicationSupport, "com.evernote.Evernote", "accounts/www.evernote.com/4815162/content", "note-", 20, 48},
        {applicationSupport, "Code", "CachedData/0ee08df0/chrome/js", "script-", 15, 64},
        {applicationSupport, "Skype", "live#3ademo.user/media_messaging/media_cache_v3", "asm-", 10, 100},
        {containers, "ru.keepcoder.Telegram", "Data/Library/Caches/media", "photo-", 20, 100},
        {logs, "Adobe", "CreativeCloud/ACC/archive", "ACC-", 8, 64},
    };
    return list;
}

struct SparseImage {
    Place place;
    std::string_view entry;
    std::string_view file;
    std::int64_t length;
    int writtenKilobytes; // at its start
};

constexpr SparseImage SparseImages[] = {
    {Place::containers, "com.docker.docker", "Data/vms/0/data/Docker.raw", std::int64_t(64) << 30, 2048},
};

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
    for (const Payload &payload : payloads()) {
        if (payload.place != place || payload.entry != entry)
            continue;
        for (int i = 1; i <= payload.files; ++i) {
            const std::string name = std::string(payload.prefix) + std::to_string(i);
            const std::size_t size = std::size_t(payload.kilobytesEach) * 1024 * std::size_t(80 + (i * 37) % 41) / 100;
            writePayloadFile(path / payload.folder / name, size, hashOf(name) + std::uint64_t(i));
        }
    }
    for (const SparseImage &image : SparseImages) {
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
            writeFile(path, xmlPropertyList(settings(identifier, size, accessed)));
            break;
        case Shape::binarySettings:
            writeFile(path, BinaryPropertyListWriter::write(settings(identifier, size, accessed)));
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
                      xmlPropertyList({{"CFBundleIdentifier", "net.java." + std::string(java.folder)},
                                       {"CFBundleName", std::string(java.name)},
                                       {"CFBundlePackageType", std::string("BNDL")}}));
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

        std::string xml(XmlHeader);
        xml += "<dict>\n";
        auto add = [&xml](std::string_view key, std::string_view value) {
            xml += "\t<key>" + std::string(key) + "</key>\n\t<string>" + xmlEscaped(value) + "</string>\n";
        };
        add("CFBundleDevelopmentRegion", "en");
        add("CFBundleExecutable", executableName);
        add("CFBundleIdentifier", identifier);
        add("CFBundleInfoDictionaryVersion", "6.0");
        add("CFBundleName", name);
        add("CFBundlePackageType", packageType);
        add("CFBundleShortVersionString", application.version);
        add("CFBundleVersion", application.version);
        add("LSMinimumSystemVersion", "11.0");
        if (!helper && !application.urlScheme.empty()) {
            xml += "\t<key>CFBundleURLTypes</key>\n\t<array>\n\t\t<dict>\n";
            xml += "\t\t\t<key>CFBundleURLName</key>\n\t\t\t<string>" + xmlEscaped(identifier) + ".url</string>\n";
            xml += "\t\t\t<key>CFBundleURLSchemes</key>\n\t\t\t<array>\n\t\t\t\t<string>" +
                   xmlEscaped(application.urlScheme) + "</string>\n\t\t\t</array>\n";
            xml += "\t\t</dict>\n\t</array>\n";
        }
        if (!helper && !application.contentTypes.empty()) {
            xml += "\t<key>CFBundleDocumentTypes</key>\n\t<array>\n\t\t<dict>\n";
            xml += "\t\t\t<key>CFBundleTypeName</key>\n\t\t\t<string>Document</string>\n";
            xml += "\t\t\t<key>CFBundleTypeRole</key>\n\t\t\t<string>Editor</string>\n";
            xml += "\t\t\t<key>LSItemContentTypes</key>\n\t\t\t<array>\n";
            for (const std::string_view contentType : application.contentTypes)
                xml += "\t\t\t\t<string>" + xmlEscaped(contentType) + "</string>\n";
            xml += "\t\t\t</array>\n\t\t</dict>\n\t</array>\n";
        }
        if (helper)
            xml += "\t<key>LSUIElement</key>\n\t<true/>\n";
        xml += "\t<key>NSHighResolutionCapable</key>\n\t<true/>\n";
        xml += "</dict>\n</plist>\n";
        writeFile(bundle / "Contents/Info.plist", xml);
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
            writeFile(path / "Versions/A/Resources/Info.plist",
                      xmlPropertyList({{"CFBundleName", stem}, {"CFBundlePackageType", std::string("FMWK")}}));
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
        Dictionary job{{"Label", label}, {"ProgramArguments", std::vector<std::string>{std::string(entry.detail)}}};
        if (entry.place == Place::launchDaemons) {
            job.emplace_back("KeepAlive", true);
        } else {
            job.emplace_back("RunAtLoad", true);
            job.emplace_back("StartInterval", std::int64_t(3600));
        }
        job.emplace_back("StandardErrorPath", std::string("/dev/null"));
        return xmlPropertyList(job);
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
                  xmlPropertyList({{"MCMMetadataIdentifier", id},
                                   {"MCMMetadataUUID", uuid(seed)},
                                   {"MCMMetadataContentClass", std::int64_t(2)},
                                   {"MCMMetadataVersion", std::int64_t(6)}}));
        const fs::path data = container / "Data";
        writeFile(data / "Library/Preferences" / (id + ".plist"), xmlPropertyList(settings(id, 600, lastUse)));
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
        std::string xml(XmlHeader);
        xml += "<array>\n";
        for (int window = 1; window <= int(seed % 3) + 1; ++window) {
            xml += "\t<dict>\n\t\t<key>NSDataKey</key>\n\t\t<data>AAECAwQFBgc=</data>\n";
            xml += "\t\t<key>NSIsMainWindow</key>\n\t\t" + std::string(window == 1 ? "<true/>" : "<false/>") + "\n";
            xml += "\t\t<key>NSWindowID</key>\n\t\t<integer>" + std::to_string(1000 + window) + "</integer>\n";
            xml += "\t</dict>\n";
        }
        xml += "</array>\n</plist>\n";
        return xml;
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
        for (const Application &application : applications())
            writer.writeApplication(application);
        for (const Entry &entry : entries())
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
