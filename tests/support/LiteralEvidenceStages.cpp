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
        for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
            if (NM::contains(it.key(), word))
                offers.push_back(it.value());
        }
        if (!offers.empty())
            return offers;
    }

    // S3
    const QStringList w3 = NM::splitKeeping(base, u".-_ ", 3);
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
        if (startsWithAny(it.key(), 10))
            continue;
        QStringList candidates = it.value().bundleID.split(u'.');
        candidates += NM::splitKeeping(it.value().name.toLower(), u" -_", 4);
        bool offered = false;
        for (const QString &c : candidates) {
            if (offered || NM::length(c) < 4)
                continue;
            const QString lc = c.toLower();
            if (IdentificationWordLists::contains(IdentificationWordLists::CandidateSkipWords, lc.toStdString()))
                continue;
            if (NM::contains(base, lc)) {
                offered = true;
                continue;
            }
            for (const QString &w : w3)
                offered = offered || NM::isFuzzyWordMatch(lc, w);
        }
        if (offered)
            offers.push_back(it.value());
    }
    if (!offers.empty())
        return offers;

    // S4
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
        if (!it.key().startsWith(QStringLiteral("name:")))
            continue;
        const QString n = it.key().mid(5);
        if (NM::length(n) < 5)
            continue;
        const QStringList w1 = NM::splitKeeping(base, u".-_ ", 4);
        const QStringList w2 = NM::splitKeeping(n, u" -_", 4);
        bool offered = false;
        for (const QString &nw : w2) {
            const QString lnw = nw.toLower();
            if (IdentificationWordLists::contains(IdentificationWordLists::NameSkipWords, lnw.toStdString()))
                continue;
            for (const QString &bw : w1) {
                if (bw == lnw || (NM::length(lnw) >= 5 && NM::contains(bw, lnw)) ||
                    (NM::length(bw) >= 5 && NM::contains(lnw, bw)))
                    offered = true;
            }
        }
        if (offered)
            offers.push_back(it.value());
    }
    if (!offers.empty())
        return offers;

    // S5
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
        if (!it.key().startsWith(QStringLiteral("name:")))
            continue;
        const QString n = it.key().mid(5);
        if (NM::length(n) < 4)
            continue;
        bool offered = NM::contains(base, n) || (NM::contains(n, base) && NM::length(base) >= 6);
        for (const QString &w : NM::splitKeeping(n, u" -_", 4))
            offered = offered || NM::contains(base, w);
        if (offered)
            offers.push_back(it.value());
    }
    if (!offers.empty())
        return offers;

    // S6
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
        if (!it.key().startsWith(QStringLiteral("name:")))
            continue;
        const QString ln = it.key().mid(5).toLower();
        if (NM::length(ln) < 4)
            continue;
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
        if (offered)
            offers.push_back(it.value());
    }
    if (!offers.empty())
        return offers;

    // S7
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
        if (startsWithAny(it.key(), 6))
            continue;
        if ((!it.key().isEmpty() && lname.startsWith(it.key())) || (!lname.isEmpty() && it.key().startsWith(lname)))
            offers.push_back(it.value());
    }
    if (!offers.empty() || !label)
        return offers;

    // S8
    const QString llabel = label->toLower();
    const QString last = llabel.section(u'.', -1);
    for (auto it = inventory.cbegin(); it != inventory.cend(); ++it) {
        if (startsWithAny(it.key(), 10) || it.key().isEmpty())
            continue;
        if (llabel.startsWith(it.key()) || it.key().startsWith(llabel) || NM::contains(llabel, it.key()) ||
            NM::contains(it.key(), last))
            offers.push_back(it.value());
    }
    if (!offers.empty())
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
