// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The kinds of the user's own files that an entry may hold, in the order every report lists them.
enum class UserFileKind {
    credentials,  // private keys, password databases, wallets, access tokens
    mail,         // mailboxes and messages
    documents,    // office, PDF, e-book, text and markup documents
    media,        // photos, audio and video
    repositories, // Git repositories
};

inline constexpr std::size_t UserFileKindCount = 5;
inline constexpr std::array<UserFileKind, UserFileKindCount> AllUserFileKinds{
    UserFileKind::credentials, UserFileKind::mail, UserFileKind::documents, UserFileKind::media,
    UserFileKind::repositories};

// The kind's name in the command line's JSON and CSV output.
constexpr std::string_view keyOf(UserFileKind kind)
{
    constexpr std::array<std::string_view, UserFileKindCount> Keys{"credentials", "mail", "documents", "media",
                                                                   "repositories"};
    return Keys[std::size_t(kind)];
}
