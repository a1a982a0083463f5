// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>

// The folders of one freedesktop Trash, opened for the *at() calls, so that whatever is done in them happens in these
// very folders however the names on the way change meanwhile. The folder the Trash lies in is reached as TrustedFolder
// does; below it the Trash folder and its files/ and info/ are opened one name at a time without following a symbolic
// link. Each of them must be a real folder of the Trash's owner, and the Trash folder, files/ and info/ must be closed
// to writing by anybody else. When asked for, missing ones are made with mode 0700 and given to the owner.
class TrashFolders {
public:
    enum class Missing { fail, create };

    // The Trash folder is `relative` below `base`. Its owner is `owner` when given; otherwise the user running the
    // program or, for the administrator, the owner of `base`, so that the administrator uses the Trash of the home
    // it works in and leaves what it makes there to that home's owner. With `stickyBase`, `base` must have the sticky
    // bit, as a Trash folder that the users of a file system share must.
    TrashFolders(const std::filesystem::path &base, const std::filesystem::path &relative, Missing missing,
                 std::optional<uid_t> owner = std::nullopt, bool stickyBase = false);
    ~TrashFolders();
    TrashFolders(const TrashFolders &) = delete;
    TrashFolders &operator=(const TrashFolders &) = delete;

    bool isOpen() const { return m_files >= 0 && m_info >= 0; }
    int files() const { return m_files; }
    int info() const { return m_info; }
    // Who the Trash belongs to.
    uid_t owner() const { return m_owner; }
    // Gives a file that the administrator has just made in the Trash to the Trash's owner.
    void giveToOwner(int descriptor) const;
    // Why the Trash cannot be used, such as "/home/anna/.local is a symbolic link"; empty when open.
    const QString &problem() const { return m_problem; }
    // The system's error number behind the problem; ENOENT when a folder is missing.
    int error() const { return m_error; }

private:
    void open(const std::filesystem::path &base, const std::filesystem::path &relative, Missing missing,
              std::optional<uid_t> owner, bool stickyBase);
    // The folder `name` in `parent`, checked; -1 with the problem set when it cannot be used.
    int openFolder(int parent, const std::string &name, const std::filesystem::path &shown, bool ownFolder,
                   Missing missing);
    void fail(const std::filesystem::path &shown, int error, const QString &reason = {});

    int m_files = -1;
    int m_info = -1;
    uid_t m_owner = 0;
    gid_t m_group = 0;
    QString m_problem;
    int m_error = 0;
};
