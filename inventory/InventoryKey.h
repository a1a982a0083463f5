// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>
#include <QString>
#include <array>

// The forms of the inventory's keys: a prefix that tells where a key came from, followed by lower-cased text. Keys
// without a prefix are plain identifiers and property-list strings.
class InventoryKey {
public:
    // In the order the identification weighs them; the first six are the forms of an application's own records.
    enum class Form { name, helper, keyword, receipt, appSupport, receiptComponent, framework, tool, brew, port };

    static constexpr std::array<QLatin1StringView, 10> Prefixes{
        QLatin1StringView("name:"),      QLatin1StringView("helper:"),     QLatin1StringView("keyword:"),
        QLatin1StringView("receipt:"),   QLatin1StringView("appsupport:"), QLatin1StringView("receipt-component:"),
        QLatin1StringView("framework:"), QLatin1StringView("tool:"),       QLatin1StringView("brew:"),
        QLatin1StringView("port:")};
    static constexpr std::size_t RecordFormCount = 6;

    static QLatin1StringView prefix(Form form) { return Prefixes[std::size_t(form)]; }
    // The key of `text` (already lower-cased) in the given form.
    static QString of(Form form, const QString &text) { return prefix(form) + text; }
    static bool hasForm(const QString &key, Form form) { return key.startsWith(prefix(form)); }
    // True when the key has none of the prefixes.
    static bool isPlain(const QString &key) { return !startsWithAny(key, Prefixes.size()); }
    // True when the key has none of the prefixes of an application's own records.
    static bool isOutsideRecordForms(const QString &key) { return !startsWithAny(key, RecordFormCount); }

private:
    static bool startsWithAny(const QString &key, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i) {
            if (key.startsWith(Prefixes[i]))
                return true;
        }
        return false;
    }
};
