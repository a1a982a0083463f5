#pragma once

struct KnownApp {
    const char *keyword;
    const char *name;
    const char *bundleID;
};
