#include "DisplayName.h"

#include <QList>

#include <algorithm>

namespace {

constexpr char32_t FirstStrongIsolate = 0x2068;  // FSI
constexpr char32_t PopDirectionalIsolate = 0x2069;  // PDI

bool IsLineBreak(char32_t c) {
    return c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// Letters written right to left, and the marks and controls that steer
// the direction of the text after them.
bool SteersDirection(char32_t c) {
    switch (QChar::direction(c)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
        return true;
    default:
        return c == 0x200E;  // the left-to-right mark
    }
}

}  // namespace

QString DisplayName(const QString& name) {
    const QList<uint> codes = name.toUcs4();
    const bool breaks = std::any_of(codes.begin(), codes.end(), [](uint c) { return IsLineBreak(c); });
    const bool steers = std::any_of(codes.begin(), codes.end(), [](uint c) { return SteersDirection(c); });
    if (!breaks && !steers) return name;

    QString shown;
    shown.reserve(name.size() + 4);
    if (steers) shown += QChar(FirstStrongIsolate);
    int openIsolates = 0;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const char32_t c = codes[i];
        if (IsLineBreak(c)) {
            if (c == '\r' && i + 1 < codes.size() && codes[i + 1] == '\n') ++i;
            shown += QLatin1Char(' ');
            continue;
        }
        const QChar::Direction direction = QChar::direction(c);
        if (direction == QChar::DirLRI || direction == QChar::DirRLI || direction == QChar::DirFSI) {
            ++openIsolates;
        } else if (direction == QChar::DirPDI) {
            // One with nothing of the name's own to close would close ours.
            if (openIsolates == 0) continue;
            --openIsolates;
        }
        shown += QString::fromUcs4(&c, 1);
    }
    // Isolates the name leaves open are closed before ours.
    for (; openIsolates > 0; --openIsolates) shown += QChar(PopDirectionalIsolate);
    if (steers) shown += QChar(PopDirectionalIsolate);
    return shown;
}
