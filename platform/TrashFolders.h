// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/TrashOutcome.h"

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

struct stat;

// The folders of one Trash, opened for the *at() calls, so that whatever is done in them happens in these very folders
// however the names on the way change meanwhile. The folder the Trash lies in is reached as TrustedFolder does; below
// it the Trash folder and, in a freedesktop Trash, its files/ and info/ are opened one name at a time without following
// a symbolic link. Each of them must be a real folder of the Trash's owner, and the Trash folder, files/ and info/ must
// be closed to writing by anybody else. When asked for, missing ones are made with mode 0700 and given to the owner.
class TrashFolders {
public:
    enum class Missing { fail, create };
    // A freedesktop Trash keeps items in files/ and their restore information in info/; a flat one, as the Mac's,
    // keeps the items themselves and nothing else.
    enum class Layout { freedesktop, flat };

    // The Trash folder is `relative` below `base`. Its owner is `owner` when given; otherwise the user running the
    // program or, for the administrator, the owner of `base`, so that the administrator uses the Trash of the home
    // it works in and leaves what it makes there to that home's owner. With `stickyBase`, `base` must have the sticky
    // bit, as a Trash folder that the users of a file system share must.
    TrashFolders(const std::filesystem::path &base, const std::filesystem::path &relative, Missing missing,
                 std::optional<uid_t> owner = std::nullopt, bool stickyBase = false,
                 Layout layout = Layout::freedesktop);
    ~TrashFolders();
    TrashFolders(const TrashFolders &) = delete;
    TrashFolders &operator=(const TrashFolders &) = delete;

    bool isOpen() const { return m_files >= 0 && (m_flat || m_info >= 0); }
    // The folder the items go to: files/, or the flat Trash folder itself.
    int files() const { return m_files; }
    // -1 in a flat Trash.
    int info() const { return m_info; }
    // Who the Trash belongs to.
    uid_t owner() const { return m_owner; }
    // Gives a file that the administrator has just made in the Trash to the Trash's owner.
    void giveToOwner(int descriptor) const;
    // Renames the entry `name` of `from`, which was `checked` when it was looked at, to `target` in files(), never in
    // the place of anything, and checks on disk that this very item left and arrived. Something else put in its place
    // meanwhile goes back where it was. `item` names it in the outcome, which carries the error number of a rename that
    // failed.
    TrashOutcome moveIn(int from, const std::string &name, const struct stat &checked, const std::string &target,
                        const std::filesystem::path &item) const;
    // The name of the numbered candidate for an item in the Trash: its own name, then "name 2", "name 3"..., the
    // number going before the extension of a file. A name longer than `maximumBytes` is shortened at the end of its
    // stem, so that the number and the extension stay whole.
    static std::string candidateName(std::string_view name, int number, bool isDirectory, std::size_t maximumBytes);

    // Why the Trash cannot be used, such as "/home/anna/.local is a symbolic link"; empty when open.
    const QString &problem() const { return m_problem; }
    // The system's error number behind the problem; ENOENT when a folder is missing.
    int error() const { return m_error; }

private:
    void open(const std::filesystem::path &base, const std::filesystem::path &relative, Missing missing,
              std::optional<uid_t> owner, bool stickyBase, Layout layout);
    // The folder `name` in `parent`, checked; -1 with the problem set when it cannot be used.
    int openFolder(int parent, const std::string &name, const std::filesystem::path &shown, bool ownFolder,
                   Missing missing);
    void fail(const std::filesystem::path &shown, int error, const QString &reason = {});

    int m_files = -1;
    int m_info = -1;
    bool m_flat = false;
    uid_t m_owner = 0;
    gid_t m_group = 0;
    QString m_problem;
    int m_error = 0;
};
