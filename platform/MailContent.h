// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// What the first bytes of a file say about mail: the separator line that starts an mbox, or the header fields that
// start a message (RFC 5322).
class MailContent {
public:
    // Starts with an mbox separator: "From ", the envelope sender, and the date of delivery as asctime() writes it:
    // a month's name, a time and a year, with or without a weekday, a day and a time zone, and nothing else.
    static bool isMailbox(std::string_view bytes);
    // Starts with a block of header fields ("Name: value", continued on lines that start with a blank) that names
    // the sender, the date or the delivery (From, Date, Message-ID, Received, Return-Path, Delivered-To) among at
    // least two of a message's fields.
    static bool isMessage(std::string_view bytes);
    // Either of the two.
    static bool holdsMail(std::string_view bytes) { return isMailbox(bytes) || isMessage(bytes); }
};
