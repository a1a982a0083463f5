// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LiteralEvidenceStages.h"

#include "identification/IdentificationWordLists.h"
#include "identification/NameMatching.h"

namespace {

using NM = NameMatching;

const QStringList TenPrefixes = {"name:",      "helper:", "keyword:", "receipt:", "appsupport:", "receipt-component:",
                                 "framework:", "tool:",   "brew:",    "port:"};

bool startsWithAny(const QString &key, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i) {
        if (key.startsWith(TenPrefixes[i]))
            return true;
    }
    return false;
}

} // namespace

std::vector<InstalledApp> literalFirstOffers(const Inventory &inventory, const QString &name, const QString &base,
                                             const std::optional<QString> &label)
{
    const QString lname = name.toLower();
    std::vector<InstalledApp> offers;
    // Offers every record whose key passes; whether anything is offered now.
    auto offersWhere = [&](const auto &passes) {
        for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
            if (passes(it.key()))
                offers.push_back(it.value());
        }
        return !offers.empty();
    };
    // The same over the "name:" keys, given the name.
    auto offersWhereName = [&](const auto &passes) {
        return offersWhere([&](const QString &key) { return key.startsWith(u"name:") && passes(key.mid(5)); });
    };

    // S1: per token, only the first prefix that hits can be offered first.
    for (const QString &token : NM::tokenizeName(base)) {
        for (const char *prefix : {"keyword:", "receipt-component:", "framework:", "tool:", "brew:"}) {
            const QString key = QString::fromLatin1(prefix) + token;
            if (inventory.contains(key)) {
                offers.push_back(inventory.value(key));
                break;
            }
        }
    }
    if (!offers.empty())
        return offers;

    // S2: the first word that some key contains decides; any such key may come first.
    for (const QString &word : NM::splitKeeping(base, u".-_ ", 4)) {
        if (offersWhere([&](const QString &key) { return NM::contains(key, word); }))
            return offers;
    }

    // S3
    const QStringList w3 = NM::splitKeeping(base, u".-_ ", 3);
    if (offersWhere([&](const QString &key) {
            if (startsWithAny(key, 10))
                return false;
            const InstalledApp &app = inventory.value(key);
            QStringList candidates = app.bundleID.split(u'.');
            candidates += NM::splitKeeping(app.name.toLower(), u" -_", 4);
            for (const QString &c : candidates) {
                const QString lc = c.toLower();
                if (NM::length(c) < 4 ||
                    IdentificationWordLists::contains(IdentificationWordLists::CandidateSkipWords, lc.toStdString()))
                    continue;
                if (NM::contains(base, lc))
                    return true;
                for (const QString &w : w3) {
                    if (NM::isFuzzyWordMatch(lc, w))
                        return true;
                }
            }
            return false;
        }))
        return offers;

    // S4
    if (offersWhereName([&](const QString &n) {
            if (NM::length(n) < 5)
                return false;
            for (const QString &nw : NM::splitKeeping(n, u" -_", 4)) {
                const QString lnw = nw.toLower();
                if (IdentificationWordLists::contains(IdentificationWordLists::NameSkipWords, lnw.toStdString()))
                    continue;
                for (const QString &bw : NM::splitKeeping(base, u".-_ ", 4)) {
                    if (bw == lnw || (NM::length(lnw) >= 5 && NM::contains(bw, lnw)) ||
                        (NM::length(bw) >= 5 && NM::contains(lnw, bw)))
                        return true;
                }
            }
            return false;
        }))
        return offers;

    // S5
    if (offersWhereName([&](const QString &n) {
            if (NM::length(n) < 4)
                return false;
            bool offered = NM::contains(base, n) || (NM::contains(n, base) && NM::length(base) >= 6);
            for (const QString &w : NM::splitKeeping(n, u" -_", 4))
                offered = offered || NM::contains(base, w);
            return offered;
        }))
        return offers;

    // S6
    if (offersWhereName([&](const QString &n) {
            const QString ln = n.toLower();
            if (NM::length(ln) < 4)
                return false;
            const QString nb = NM::stripDigits(base);
            const QString nl = NM::stripDigits(lname);
            const QString nn = NM::stripDigits(ln);
            bool offered = NM::contains(base, ln) || NM::contains(lname, ln) || NM::contains(nb, nn) ||
                           NM::contains(nl, nn) || NM::sharesSubstring(nb, nn, 4) ||
                           (NM::length(base) >= 4 && NM::contains(ln, base));
            QStringList s = NM::splitKeeping(base, u".-_ ", 4);
            for (const QString &word : NM::splitKeeping(lname, u".-_ ", 4)) {
                if (!s.contains(word))
                    s.append(word);
            }
            for (const QString &w : NM::splitKeeping(ln, u" -_.", 4)) {
                offered = offered || s.contains(w) || NM::contains(base, w) || NM::contains(lname, w);
                for (const QString &x : s) {
                    const QString a = NM::stripDigits(w);
                    const QString b = NM::stripDigits(x);
                    offered = offered || NM::contains(w, x) || NM::contains(x, w) || NM::contains(ln, x);
                    if (NM::length(a) >= 4 && NM::length(b) >= 4)
                        offered = offered || NM::contains(a, b) || NM::contains(b, a) || NM::sharesSubstring(a, b, 4) ||
                                  NM::commonPrefixLength(a, b) >= 4;
                }
            }
            return offered;
        }))
        return offers;

    // S7
    if (offersWhere([&](const QString &key) {
            return !startsWithAny(key, 6) &&
                   ((!key.isEmpty() && lname.startsWith(key)) || (!lname.isEmpty() && key.startsWith(lname)));
        }) ||
        !label)
        return offers;

    // S8
    const QString llabel = label->toLower();
    const QString last = llabel.section(u'.', -1);
    if (offersWhere([&](const QString &key) {
            return !startsWithAny(key, 10) && !key.isEmpty() &&
                   (llabel.startsWith(key) || key.startsWith(llabel) || NM::contains(llabel, key) ||
                    NM::contains(key, last));
        }))
        return offers;
    for (const QString &part : label->split(u'.')) {
        const QString key = QStringLiteral("keyword:") + part.toLower();
        if (NM::length(part) >= 4 && inventory.contains(key)) {
            offers.push_back(inventory.value(key));
            break;
        }
    }
    return offers;
}
