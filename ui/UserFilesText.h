// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/RemovalConcern.h"
#include "platform/ContentCensus.h"

#include <QCoreApplication>
#include <QString>

class RemnantItem;

// How the census of the user's files in an entry reads for a person, in the window and on the command line.
class UserFilesText {
    Q_DECLARE_TR_FUNCTIONS(UserFilesText)

public:
    // The kinds present with their counts, in the kinds' order: "2 credentials, 14 mail items, 1 document".
    static QString counts(const ContentCensus &census);
    // One count: "1 credential", "3 photos or media files".
    static QString count(UserFileKind kind, qint64 count);
    // Why the entry must be confirmed by name before it leaves, one phrase that follows "It" each: "holds your own
    // files: 2 credentials (wallets/default)", "was used recently: something inside changed 3 days ago"; none when
    // nothing speaks against moving it. `examples` adds the example paths.
    static QStringList concerns(const RemnantItem &item, bool examples = true);
    static QString concern(RemovalConcern concern, const RemnantItem &item, bool examples = true);
    // The age of the newest change inside: "3 days ago".
    static QString newestChange(const RemnantItem &item);
};
