// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A manual page's scdoc source as HTML for a text browser: the title line, headings, paragraphs, indented blocks,
// lists, literal blocks, *bold* and _underlined_ words. Text is escaped; nothing in the source becomes markup of
// its own.
class ManualMarkup {
public:
    static QString toHtml(const QString &scdoc);
};
