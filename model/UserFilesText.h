#pragma once

#include "platform/ContentCensus.h"

#include <QString>

class RemnantItem;

// How the census of the user's files in an entry reads for a person, in the window and on the command line.
class UserFilesText {
public:
    // The kinds present with their counts, in the kinds' order: "2 credentials, 14 mail items, 1 document".
    static QString counts(const ContentCensus &census);
    // One count: "1 credential", "3 photos or media files".
    static QString count(UserFileKind kind, qint64 count);
    // Why the entry is guarded, one phrase each: "holds your own files: 2 credentials (wallets/default)" and "was
    // used recently: something inside changed 3 days ago"; none when it is not. `examples` adds the example paths.
    static QStringList reasons(const RemnantItem &item, bool examples = true);
    // The age of the newest change inside: "3 days ago".
    static QString newestChange(const RemnantItem &item);
};
