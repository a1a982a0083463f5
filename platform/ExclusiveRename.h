#pragma once

// A rename that never replaces anything: it fails with EEXIST (or ENOTEMPTY) when something is at the
// destination. Names are taken relative to folder descriptors, or to the working folder with AT_FDCWD.
class ExclusiveRename {
public:
    // Renames `from` in `fromFolder` to `to` in `toFolder`. Returns 0 or the error number.
    static int rename(int fromFolder, const char *from, int toFolder, const char *to, bool isDirectory);
};
