#include "model/TextMetrics.h"

#include <QTextBoundaryFinder>

qsizetype TextMetrics::characterCount(QStringView text) {
    // Printable ASCII without carriage returns is one character per code unit; only the rest needs the
    // boundary finder.
    bool simple = true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x7F || c.unicode() == u'\r') {
            simple = false;
            break;
        }
    }
    if (simple)
        return text.size();

    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    qsizetype count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}
