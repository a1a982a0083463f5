#pragma once

#include "cli/CommandLine.h"

#include <memory>

class Platform;
class RemnantScanner;

// The commands that run a scan: scan itself, and trash and tag, which act only on entries a scan lists.
class ScanCommand {
public:
    static int scan(const CommandLine &line);
    static int trash(const CommandLine &line);
    static int tag(const CommandLine &line);

    enum ExitStatus { Success = 0, SomeFailed = 1, BadUsage = 2, Refused = 3, NotListed = 4 };

private:
    // Runs a whole scan in the event loop; false when the permission gate refused it.
    static bool runScan(RemnantScanner &scanner, bool showProgress);
};
