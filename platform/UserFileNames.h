// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/UserFileKind.h"

#include <QtGlobal>
#include <optional>
#include <string_view>

// What names say about the user's own files: which folders hold nothing of the user's (caches, logs, installed
// programs' files) or something in particular (a Git repository, a wallet program's folder, a mail program's
// folder, a Maildir), and which files are credentials, mail, documents or media. Names are compared in ASCII lower
// case. Where a name cannot tell, the first bytes of small files are read: to confirm a key, a wallet or a token,
// to tell a mailbox or a message from the files a mail program keeps beside them, and to find a password in a
// configuration file.
class UserFileNames {
public:
    enum Trait : unsigned {
        // Passed on to everything below the folder.
        disposable = 1u << 0,    // caches, thumbnails, logs, crash reports, temporary files
        software = 1u << 1,      // installed programs' own files: libraries, plug-ins, documentation, artwork
        gitFolder = 1u << 2,     // a Git repository's own folder
        wallets = 1u << 3,       // wallet and keystore files, told by their content
        privateKeys = 1u << 4,   // GnuPG's private keys, one a file
        passwordStore = 1u << 5, // a password store: every .gpg file one password
        savedGames = 1u << 6,    // a game's saves, which are the player's own
        mailFolder = 1u << 7,    // a mail program's folders: mailboxes and messages, told by their content
        walletApp = 1u << 8,     // a wallet program's data folder, laid out as its documentation says
        walletFiles = 1u << 9,   // where such a program keeps its wallets: every file there is part of one
        inherited = (1u << 10) - 1,
        // The folder's own files only.
        maildir = 1u << 10,        // a Maildir's cur or new folder (the caller knows its siblings): its messages
        clusterConfig = 1u << 11,  // .kube: its config holds a cluster's credentials
        registryConfig = 1u << 12, // .docker: its config.json may hold registry logins
        cliHosts = 1u << 13,       // gh: its hosts.yml may hold a token
        keyrings = 1u << 14,       // the desktop's secret stores
        vpn = 1u << 15,            // VPN configurations, which may hold keys
    };

    // What a file's first bytes must show before it counts.
    enum class Probe {
        none,
        privateKey,    // a PEM or OpenSSH private key, a PuTTY key, a VPN's key
        openPgp,       // an OpenPGP secret key or encrypted message
        wallet,        // a wallet or keystore file
        secret,        // a tool's credential file, which holds a token or password when it is signed in
        keyOrDocument, // a private key, else a presentation (Keynote's .key)
        mail,          // an mbox or a message
        configuration, // a configuration file: credentials when it assigns a password or a token
    };

    struct FileRule {
        // The kind it counts as: at once without a probe, else only as the probe decides.
        std::optional<UserFileKind> kind;
        Probe probe = Probe::none;
    };

    // Files larger than this are not read; this many bytes of a smaller one are.
    static constexpr qint64 MaximumProbedSize = 1 << 20;
    static constexpr std::size_t ProbedBytes = 16 * 1024;

    // The traits that a folder of this name has, inside a folder with `traits` (its inherited ones are added).
    static unsigned folderTraits(std::string_view lowerName, unsigned parentTraits);
    // A folder that is itself one of the user's files: a Git repository's folder, a mailbox, a password vault.
    static std::optional<UserFileKind> folderKind(std::string_view lowerName, unsigned parentTraits);
    // What a file of this name inside a folder with `traits` is.
    static FileRule fileRule(std::string_view lowerName, unsigned traits);
    // What the first bytes of a file show for the probe.
    static std::optional<UserFileKind> confirm(Probe probe, std::string_view bytes);
    // What a file that the probe could not read counts as: one too large to be what the probe looks for, or one
    // that was not read at all (unreadable, or past the number of files read), which counts as what it may be.
    static std::optional<UserFileKind> unread(Probe probe, bool tooLarge);
};
