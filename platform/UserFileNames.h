// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/UserFileKind.h"

#include <QtGlobal>
#include <optional>
#include <string_view>

// What names say about the user's own files: which folders hold nothing of the user's (caches, installed programs'
// files) or something in particular (a Git repository, a wallet folder, a Maildir), and which files are
// credentials, mail, documents or media. Names are compared in ASCII lower case; content is read only to confirm
// a key, a wallet or a token, and only the first bytes of small files.
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
        inherited = (1u << 8) - 1,
        // The folder's own files only.
        maildir = 1u << 8,         // a Maildir's cur or new folder: its messages
        clusterConfig = 1u << 9,   // .kube: its config holds a cluster's credentials
        registryConfig = 1u << 10, // .docker: its config.json may hold registry logins
        cliHosts = 1u << 11,       // gh: its hosts.yml may hold a token
        keyrings = 1u << 12,       // the desktop's secret stores
        vpn = 1u << 13,            // VPN configurations, which may hold keys
    };

    // What a file's first bytes must show before it counts.
    enum class Probe {
        none,
        privateKey,    // a PEM or OpenSSH private key, a PuTTY key, a VPN's key
        openPgp,       // an OpenPGP secret key or encrypted message
        wallet,        // a wallet or keystore file
        secret,        // a configuration file with a token or password in it
        keyOrDocument, // a private key, else a presentation (Keynote's .key)
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
