// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemMetadata.h"

#include <CoreServices/CoreServices.h>
#include <climits>

namespace fs = std::filesystem;

std::optional<QDateTime> SystemMetadata::lastUsedDate(const fs::path &path)
{
    CFStringRef text = CFStringCreateWithFileSystemRepresentation(kCFAllocatorDefault, path.c_str());
    if (!text)
        return std::nullopt;
    std::optional<QDateTime> result;
    if (MDItemRef item = MDItemCreate(kCFAllocatorDefault, text)) {
        if (CFTypeRef value = MDItemCopyAttribute(item, kMDItemLastUsedDate)) {
            if (CFGetTypeID(value) == CFDateGetTypeID()) {
                const double seconds = CFDateGetAbsoluteTime(CFDateRef(value)) + kCFAbsoluteTimeIntervalSince1970;
                result = QDateTime::fromMSecsSinceEpoch(qint64(seconds * 1000.0), Qt::UTC);
            }
            CFRelease(value);
        }
        CFRelease(item);
    }
    CFRelease(text);
    return result;
}

std::optional<fs::path> SystemMetadata::applicationForBundleIdentifier(const QString &identifier)
{
    const QByteArray utf8 = identifier.toUtf8();
    CFStringRef text = CFStringCreateWithBytes(kCFAllocatorDefault, reinterpret_cast<const UInt8 *>(utf8.constData()),
                                               CFIndex(utf8.size()), kCFStringEncodingUTF8, false);
    if (!text)
        return std::nullopt;
    std::optional<fs::path> result;
    if (CFArrayRef urls = LSCopyApplicationURLsForBundleIdentifier(text, nullptr)) {
        if (CFArrayGetCount(urls) > 0) {
            char buffer[PATH_MAX];
            if (CFURLGetFileSystemRepresentation(CFURLRef(CFArrayGetValueAtIndex(urls, 0)), true,
                                                 reinterpret_cast<UInt8 *>(buffer), sizeof buffer))
                result = fs::path(buffer);
        }
        CFRelease(urls);
    }
    CFRelease(text);
    return result;
}
