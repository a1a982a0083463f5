// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linuxdesktop/NameCandidates.h"

#include "linuxdesktop/NameKey.h"

#include <QSet>
#include <algorithm>

namespace {

// The separators a version or a suffix follows: "gimp-2.10", "psql_history", "tmux.conf", "Code - OSS".
bool isVersionSeparator(QChar c)
{
    return c == u'-' || c == u'_' || c == u'.' || c == u' ';
}

bool hasLetter(const QString &name)
{
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetter(); });
}

QString withoutTrailingSeparators(QString name)
{
    while (!name.isEmpty() && NameKey::isSeparator(name.back()))
        name.chop(1);
    return name;
}

// What is left is still a name: two characters at least, one of them a letter.
bool isName(const QString &name)
{
    return name.size() >= 2 && hasLetter(name);
}

// The name less a suffix that programs add to their own name: straight after it ("vimrc", "gitconfig", "lesshst",
// "okularpartrc", "gitignore") or after a separator (".psql_history", ".tmux.conf", ".audacity-data", ".emacs.d",
// ".git-credentials", "Code - OSS"), and that users add to their copies of a program's files (".vimrc.local",
// ".bashrc.bak", ".gitignore_global"); empty when it has none.
QString withoutSuffix(const QString &name)
{
    static const QStringList separated{
        "rc",     "config",   "conf",   "cfg",    "ini", "cnf",      "history",  "hist",        "hst",
        "repl",   "data",     "d",      "dat",    "db",  "sqlite",   "json",     "yml",         "yaml",
        "toml",   "xml",      "state",  "cache",  "log", "logs",     "lock",     "pid",         "settings",
        "prefs",  "profile",  "cookie", "hsts",   "txt", "list",     "el",       "beta",        "nightly",
        "stable", "unstable", "esr",    "canary", "oss", "insiders", "snapshot", "credentials", "aliases",
        "local",  "global",   "ignore", "bak",    "old", "orig"};
    static const QStringList joined{"partrc",  "rc",  "config", "conf",       "cfg",
                                    "history", "hst", "ignore", "attributes", "init"};
    const QString lower = name.toLower();
    for (const QString &suffix : separated) {
        const qsizetype at = lower.size() - suffix.size() - 1;
        if (at > 0 && lower.endsWith(suffix) && isVersionSeparator(lower[at])) {
            const QString rest = withoutTrailingSeparators(name.left(at));
            if (isName(rest))
                return rest;
        }
    }
    for (const QString &suffix : joined) {
        if (lower.size() > suffix.size() && lower.endsWith(suffix)) {
            const QString rest = withoutTrailingSeparators(name.chopped(suffix.size()));
            if (isName(rest))
                return rest;
        }
    }
    return {};
}

} // namespace

QString NameCandidates::withoutVersion(const QString &name)
{
    // The run of version characters at the end: digits, the separators between them, "x" for any number ("2.x"),
    // and a "v" before them.
    const qsizetype end = name.size();
    qsizetype start = end;
    while (start > 0) {
        const QChar c = name[start - 1];
        const bool anyNumber = (c == u'x' || c == u'X') && start >= 2 && isVersionSeparator(name[start - 2]) &&
                               (start == end || isVersionSeparator(name[start]));
        if (!c.isDigit() && !isVersionSeparator(c) && !anyNumber)
            break;
        --start;
    }
    if (start > 0 && (name[start - 1] == u'v' || name[start - 1] == u'V') &&
        (start == 1 || isVersionSeparator(name[start - 2])))
        --start;
    // The whole run, else from one of its separators on: "x11-6" gives "x11", not "x".
    for (qsizetype cut = start; cut < end; ++cut) {
        if (cut != start && !isVersionSeparator(name[cut]))
            continue;
        const QString removed = name.mid(cut);
        if (!std::any_of(removed.cbegin(), removed.cend(), [](QChar c) { return c.isDigit(); }))
            break;
        const QString rest = withoutTrailingSeparators(name.left(cut));
        if (isName(rest))
            return rest;
    }
    return name;
}

QStringList NameCandidates::projectsOf(const QString &packageName)
{
    QString name = packageName;
    // Debian's libraries rebuilt for 64-bit time carry "t64" after their soversion.
    if (name.size() > 4 && name.endsWith(QStringLiteral("t64")) && name[name.size() - 4].isDigit())
        name.chop(3);
    const QString stripped = name;
    // A language's module is named after the project, behind the language's name: "python3-pip".
    static const QStringList languages{"python3-", "python-", "ruby-", "golang-", "php-"};
    for (const QString &language : languages) {
        if (name.size() > language.size() + 1 && name.startsWith(language)) {
            name.remove(0, language.size());
            break;
        }
    }
    // A project's packages by their role or their toolkit: "vim-common", "gimp-data", "emacs-gtk",
    // "postgresql-client-15".
    static const QStringList roles{"common",  "data", "bin",    "tools", "utils", "dev", "doc",  "core",
                                   "runtime", "base", "client", "cli",   "gui",   "gtk", "gtk3", "gtk4",
                                   "qt",      "qt5",  "qt6",    "nox",   "lucid", "x11", "l10n"};
    QStringList projects;
    const QString key = NameKey::of(packageName);
    const auto add = [&](const QString &project) {
        if (isName(project) && NameKey::of(project) != key && !isGenericWord(project.toLower()) &&
            !projects.contains(project))
            projects.append(project);
    };
    if (name != stripped)
        add(name);
    for (int round = 0; round < 4; ++round) {
        QString shorter = withoutVersion(name);
        for (const QString &role : roles) {
            const qsizetype at = shorter.size() - role.size() - 1;
            if (at >= 2 && shorter.endsWith(role) && shorter[at] == u'-') {
                shorter.truncate(at);
                break;
            }
        }
        if (shorter == name)
            break;
        name = shorter;
        add(name);
    }
    if (name.size() >= 5 && name.startsWith(QStringLiteral("lib")))
        add(withoutTrailingSeparators(name.mid(3)));
    return projects;
}

bool NameCandidates::isGenericWord(const QString &word)
{
    static const QSet<QString> words{
        "config", "configs", "data",     "cache", "caches",  "user",    "users",      "files",  "desktop", "share",
        "local",  "state",   "settings", "linux", "gnome",   "shell",   "plugins",    "plugin", "profile", "profiles",
        "backup", "backups", "history",  "logs",  "temp",    "session", "sessions",   "server", "client",  "service",
        "daemon", "update",  "updates",  "store", "storage", "default", "extensions", "themes", "crash",   "reports",
        "media",  "audio",   "video",    "sound", "music",   "image",   "images",     "photos", "games",   "conf",
        "app",    "apps",    "the",      "org",   "com",     "net",     "kde",        "lib",    "bin",     "cfg"};
    return words.contains(word);
}

std::vector<NameCandidates::Candidate> NameCandidates::of(const QString &name)
{
    QString base = name;
    while (base.startsWith(u'.'))
        base.remove(0, 1);
    // An editor's backup copy: ".emacs~".
    while (base.endsWith(u'~'))
        base.chop(1);
    std::vector<Candidate> candidates;
    QSet<QString> keys;
    const auto add = [&](const QString &candidate, Strength strength) {
        const QString key = NameKey::of(candidate);
        if (key.size() < 2 || !hasLetter(key) || keys.contains(key))
            return;
        keys.insert(key);
        candidates.push_back({withoutTrailingSeparators(candidate), strength});
    };
    add(base, Strength::strong);
    // Each form gives the next: ".gimp-2.10rc" is "gimp-2.10", then "gimp".
    QString settingsFile;
    for (std::size_t i = 0; i < candidates.size() && i < 16; ++i) {
        const QString form = candidates[i].name;
        add(NameKey::stem(form), Strength::strong);
        const QString shorter = withoutSuffix(form);
        if (!shorter.isEmpty()) {
            add(shorter, Strength::strong);
            if (settingsFile.isEmpty() && form.endsWith(QStringLiteral("rc"), Qt::CaseInsensitive))
                settingsFile = shorter;
        }
        add(withoutVersion(form), Strength::strong);
        add(NameKey::reverseDnsLastPart(form), Strength::strong);
    }
    // The words of a longer name: the first one is often the program's name ("git-annex"), the others seldom are.
    const QStringList words = NameKey::words(NameKey::stem(base));
    for (qsizetype i = 0; i < words.size() && words.size() > 1; ++i) {
        if (words[i].size() >= (i == 0 ? 3 : 4) && !isGenericWord(words[i]))
            add(words[i], Strength::weak);
    }
    // KDE's programs name settings files after themselves and a part of theirs: "kritadisplayrc", "kmixctrlrc".
    const QString start = NameKey::of(settingsFile);
    for (qsizetype length = start.size() - 1; length >= 4; --length)
        add(start.left(length), Strength::prefix);
    return candidates;
}

QStringList NameCandidates::strong(const QString &name)
{
    QStringList names;
    for (const Candidate &candidate : of(name)) {
        if (candidate.strength == Strength::strong)
            names.append(candidate.name);
    }
    return names;
}
