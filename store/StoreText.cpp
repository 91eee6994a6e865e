#include "StoreText.h"

#include <QStringConverter>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstring>
#include <optional>
#include <utility>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

// A key or section name as Qt writes it: letters, digits, "_-." as they
// are, "/" as a backslash (but as %2F at the end, where a backslash would
// take the "=" after it), anything else as %XX or %UXXXX.
QByteArray EscapedKey(const QString& key) {
    QByteArray out;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QChar qc = key.at(i);
        const char16_t c = qc.unicode();
        if (c == '/' && i + 1 < key.size()) {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
                   c == '.') {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += HexDigits[c / 16];
            out += HexDigits[c % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) out += HexDigits[(c >> shift) & 0xF];
        }
    }
    return out;
}

QString UnescapedKey(QByteArrayView key) {
    const QString decoded = QString::fromUtf8(key);
    QString out;
    for (qsizetype i = 0; i < decoded.size();) {
        const QChar c = decoded.at(i);
        if (c == u'\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i + 1 >= decoded.size()) {
            out += c;
            ++i;
            continue;
        }
        const bool wide = decoded.at(i + 1) == u'U';
        const qsizetype first = i + (wide ? 2 : 1), digits = wide ? 4 : 2;
        bool ok = first + digits <= decoded.size();
        const ushort code = ok ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += QChar(code);
        i = first + digits;
    }
    return out;
}

// A lone surrogate (a hand edit's "\xd800", a name typed so) as U+FFFD:
// UTF-8 has no form for it, and the text around it is kept.
QString WithoutLoneSurrogates(QString str) {
    for (qsizetype i = 0; i < str.size(); ++i) {
        if (str.at(i).isHighSurrogate() && i + 1 < str.size() && str.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (str.at(i).isSurrogate()) {
            str[i] = QChar::ReplacementCharacter;
        }
    }
    return str;
}

// A value as Qt writes a text: C escapes, UTF-8, quoted when it holds a
// separator or starts or ends with a blank; "@" doubled at the start.
QByteArray EscapedValue(const QString& text) {
    const QString str = WithoutLoneSurrogates(text.startsWith(u'@') ? u'@' + text : text);
    QByteArray out;
    bool needsQuotes = false, escapeNextIfHex = false;
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    for (QChar qc : str) {
        const char16_t c = qc.unicode();
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (escapeNextIfHex && hex) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        static constexpr char Plain[] = "\a\b\f\n\r\t\v\"\\";
        static constexpr char Coded[] = "abfnrtv\"\\";
        if (c == 0) {
            out += "\\0";
            escapeNextIfHex = true;
        } else if (const char* at = c < 0x80 ? std::char_traits<char>::find(Plain, 9, char(c)) : nullptr) {
            out += '\\';
            out += Coded[at - Plain];
        } else if (c <= 0x1F) {
            out += "\\x" + QByteArray::number(c, 16);
            escapeNextIfHex = true;
        } else {
            out += toUtf8(QStringView(&qc, 1));
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' ')) out = '"' + out + '"';
    return out;
}

// How a joining reader (Qt's) would end this line: it runs on into the
// next when a quote is left open or the line ends in a backslash; an
// unquoted ";" ends the line's value there.
struct LineScan {
    qsizetype equals = -1;
    qsizetype end = 0;
    bool runsOn = false;
};

LineScan ScanLine(QByteArrayView line) {
    LineScan scan;
    if (line.startsWith(';')) return scan;  // a comment, read as nothing
    scan.end = line.size();
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == '\\') {
            if (++i >= line.size()) scan.runsOn = true;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == '=' && !quoted && scan.equals < 0) {
            scan.equals = i;
        } else if (c == ';' && !quoted) {
            scan.end = i;
            return scan;
        }
    }
    scan.runsOn = scan.runsOn || quoted;
    return scan;
}

// Plain UTF-8 is given back shared, not copied.
QByteArray AsUtf8(const QByteArray& bytes) {
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes);
    if (!encoding || *encoding == QStringConverter::Utf8) return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    QStringDecoder decode(*encoding);
    return QString(decode(bytes)).toUtf8();
}

void ChopBlanks(QString& text, qsizetype limit) {
    while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t')) text.chop(1);
}

// Qt's reading of a value: quotes, C escapes (hex and octal included) and
// commas that make a list.
QStringList UnescapedValues(QByteArrayView str) {
    QStringList list;
    QString current;
    bool quoted = false, currentQuoted = false;
    qsizetype i = 0, chopLimit = 0;
    // A byte-order mark inside a value is a character of it, wherever it
    // stands. Each run of text is decoded whole: a sequence cut short at its
    // end is one U+FFFD, whatever follows it (the runs end at ASCII, which
    // no sequence holds), so a value reads the same before and after a save.
    QStringDecoder fromUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    const auto skipBlanks = [&] {
        while (i < str.size() && (str.at(i) == ' ' || str.at(i) == '\t')) ++i;
        chopLimit = current.size();
    };
    const auto number = [&](int base, char16_t value) {
        for (; i < str.size(); ++i) {
            const int digit = QByteArrayView(HexDigits).indexOf(char(std::toupper(uchar(str.at(i)))));
            if (digit < 0 || digit >= base) break;
            value = char16_t(value * base + digit);
        }
        current += QChar(value);
    };
    skipBlanks();
    while (i < str.size()) {
        const char c = str.at(i);
        if (c == '\\') {
            if (++i >= str.size()) break;
            const char e = str.at(i++);
            static constexpr char Coded[] = "abfnrtv\"?'\\";
            static constexpr char Plain[] = "\a\b\f\n\r\t\v\"?'\\";
            if (const char* at = std::char_traits<char>::find(Coded, 11, e)) {
                current += QLatin1Char(Plain[at - Coded]);
                continue;  // an escaped blank is kept at the end
            }
            if (e == 'x') {
                if (i < str.size() && std::isxdigit(uchar(str.at(i)))) number(16, 0);
            } else if (e >= '0' && e <= '7') {
                number(8, char16_t(e - '0'));
            }
            chopLimit = current.size();
        } else if (c == '"') {
            ++i;
            currentQuoted = true;
            quoted = !quoted;
            if (!quoted) skipBlanks();
        } else if (c == ',' && !quoted) {
            if (!currentQuoted) ChopBlanks(current, chopLimit);
            list.append(current);
            current.clear();
            currentQuoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < str.size() && str.at(j) != '\\' && str.at(j) != '"' && str.at(j) != ',') ++j;
            current += fromUtf8(str.sliced(i, j - i));
            i = j;
        }
    }
    if (!currentQuoted) ChopBlanks(current, chopLimit);
    list.append(current);
    return list;
}

// Qt's "@" forms: a doubled "@" is one; byte arrays and strings give their
// text; geometry, serialised and invalid values give no text a player wrote.
QString UnwrappedText(const QString& s) {
    if (!s.startsWith(u'@')) return s;
    if (s.endsWith(u')')) {
        if (s.startsWith(QLatin1String("@ByteArray("))) return QString::fromUtf8(QStringView(s).sliced(11).chopped(1).toLatin1());
        if (s.startsWith(QLatin1String("@String("))) return s.sliced(8).chopped(1);
        for (const char* form : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point(", "@Invalid("})
            if (s.startsWith(QLatin1String(form))) return QString();
    }
    return s.startsWith(QLatin1String("@@")) ? s.sliced(1) : s;
}

std::atomic<quint64> g_parses{0};

// One line of the store as read: a section's header, a key, or nothing
// that is kept (a comment, or a line the next save drops).
struct StoreLine {
    enum Kind { Header, Key, Other } kind = Other;
    QByteArrayView header;     // Header: the name's bytes
    QByteArrayView name, raw;  // Key: the key's bytes, the value's bytes
    bool damaged = false;      // read differently by a joining reader, or dropped
    bool plain = false;        // Key: the line is written again as it stands
    qsizetype start = 0, next = 0;  // where it starts, where the next one may
};

// Every line of text that holds anything, but those `skip` passes over
// (given the line, trimmed); a line ends at a line feed or a carriage
// return, and is read on its own.
template <class Visit, class Skip>
void ForEachLine(QByteArrayView text, Visit&& visit, Skip&& skip) {
    const char* const data = text.data();
    const qsizetype size = text.size();
    for (qsizetype start = 0, end = 0; start < size; start = end + 1) {
        const void* feed = std::memchr(data + start, '\n', size_t(size - start));
        end = feed != nullptr ? static_cast<const char*>(feed) - data : size;
        if (const void* ret = std::memchr(data + start, '\r', size_t(end - start))) end = static_cast<const char*>(ret) - data;
        const QByteArrayView whole = text.sliced(start, end - start).trimmed();
        if (whole.isEmpty() || skip(whole)) continue;
        StoreLine line;
        line.start = start;
        line.next = std::min(end + 1, size);
        const LineScan scan = ScanLine(whole);
        // A comment or a trailing "; note" is not written back either, nor
        // the blanks before it: they are read as a line's last blanks are,
        // not at all, even after a closing quote.
        line.damaged = scan.runsOn || scan.end < whole.size();
        QByteArrayView cut = whole.first(scan.end);
        while (!cut.isEmpty() && std::isspace(uchar(cut.back()))) cut.chop(1);
        if (cut.isEmpty()) {
            if (line.damaged) visit(line);
            continue;
        }
        if (cut.startsWith('[')) {
            qsizetype close = cut.indexOf(']');
            if (close < 0) {
                line.damaged = true;
                close = cut.size();
            }
            line.kind = StoreLine::Header;
            line.header = cut.sliced(1, close - 1).trimmed();
        } else if (scan.equals < 0) {
            line.damaged = true;  // dropped by the next save
        } else {
            line.kind = StoreLine::Key;
            line.name = cut.first(scan.equals).trimmed();
            line.raw = cut.sliced(scan.equals + 1);
            line.plain = !line.damaged && cut.size() == whole.size() && line.name.size() == scan.equals;
        }
        visit(line);
    }
}

template <class Visit>
void ForEachLine(QByteArrayView text, Visit&& visit) {
    ForEachLine(text, std::forward<Visit>(visit), [](QByteArrayView) { return false; });
}

QString SectionName(QByteArrayView header) {
    if (header.compare("general", Qt::CaseInsensitive) == 0) return QString();
    return header.compare("%general", Qt::CaseInsensitive) == 0 ? QString::fromLatin1(header.sliced(1)) : UnescapedKey(header);
}

// Bytes that EscapedKey(UnescapedKey()) gives back as they are.
bool IsPlainKey(QByteArrayView name) {
    // A backslash stands for "/", but never last: a key written "a\=" would escape its "=".
    return !name.endsWith('\\') && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.' ||
               c == '\\';
    });
}

// Whether a stored key's bytes name key, without a string made for every key.
bool KeyIs(QByteArrayView name, const QString& key) {
    // The bytes up to the first escape or non-ASCII byte stand for themselves.
    qsizetype plain = 0;
    while (plain < name.size() && uchar(name[plain]) < 0x80 && name[plain] != '%' && name[plain] != '\\') ++plain;
    if (plain == name.size()) return QLatin1StringView(name) == key;
    if (plain > key.size() || QLatin1StringView(name.first(plain)) != QStringView(key).first(plain)) return false;
    return UnescapedKey(name) == key;
}

// A value a hand edit left open is written closed, as it was read. Blanks
// at its end (before a comment) are not written: a read of the line would
// not see them.
void AppendKey(QByteArray& out, QByteArrayView name, QByteArrayView raw) {
    while (!raw.isEmpty() && std::isspace(uchar(raw.back()))) raw.chop(1);
    out += name;
    out += '=';
    if (ScanLine(raw).runsOn) {
        out += EscapedValue(StoreValueText(raw));
    } else {
        out += raw;
    }
    out += '\n';
}

}  // namespace

QString StoreValueText(QByteArrayView raw) {
    QStringList values = UnescapedValues(raw);
    for (QString& v : values) v = UnwrappedText(v);
    // Read as it will be written.
    return WithoutLoneSurrogates(values.join(QStringLiteral(", ")));
}

StoreContents ParseStore(const QByteArray& bytes) {
    g_parses.fetch_add(1, std::memory_order_relaxed);
    StoreContents contents;
    contents.text = AsUtf8(bytes);
    StoreSection* current = nullptr;
    QByteArrayView lastHeader;
    ForEachLine(contents.text, [&](const StoreLine& line) {
        contents.handEdited = contents.handEdited || line.damaged;
        if (line.kind == StoreLine::Header) {
            // Headers of one name in a row (a file of millions of them) make one section.
            if (current != nullptr && !lastHeader.isNull() && line.header == lastHeader) {
                current->to = line.next;
                return;
            }
            lastHeader = line.header;
            const QString name = SectionName(line.header);
            if (current != nullptr && current->name == name) {
                current->to = line.next;
                return;
            }
            contents.sections.append({name, {}, line.next, line.next});
            current = &contents.sections.last();
        } else if (line.kind == StoreLine::Key) {
            if (current == nullptr) {
                contents.sections.append({QString(), {}, line.start, line.start});
                current = &contents.sections.last();
            }
            current->to = line.next;
        }
    });
    return contents;
}

quint64 StoreParseCount() { return g_parses.load(std::memory_order_relaxed); }

void StoreContents::readSection(const QString& section) {
    for (StoreSection& s : sections) {
        if (s.name != section || !s.unread()) continue;
        ForEachLine(QByteArrayView(text).sliced(s.from, s.to - s.from), [&](const StoreLine& line) {
            if (line.kind == StoreLine::Key) s.keys.append({UnescapedKey(line.name), line.raw.toByteArray()});
        });
        s.from = s.to = -1;
    }
}

QString StoreContents::value(const QString& section, const QString& key) const {
    QByteArrayView found;
    bool have = false;
    for (const StoreSection& s : sections) {
        if (s.name != section) continue;
        if (s.unread()) {
            // A line that starts with a byte standing for itself names no other key.
            const auto otherKey = [&](QByteArrayView line) {
                const char c = line.front();
                return !key.isEmpty() && uchar(c) < 0x80 && c != '%' && c != '\\' && QLatin1Char(c) != key.front();
            };
            ForEachLine(
                QByteArrayView(text).sliced(s.from, s.to - s.from),
                [&](const StoreLine& line) {
                    if (line.kind == StoreLine::Key && KeyIs(line.name, key)) {
                        found = line.raw;
                        have = true;
                    }
                },
                otherKey);
            continue;
        }
        for (const StoreKey& k : s.keys)
            if (k.name == key) {
                found = k.raw;
                have = true;
            }
    }
    if (!have) return QString();
    const QString text = StoreValueText(found);
    return text.isNull() ? QStringLiteral("") : text;
}

bool StoreContents::hasSection(const QString& section) const {
    return std::any_of(sections.begin(), sections.end(), [&](const StoreSection& s) { return s.name == section; });
}

void StoreContents::setValue(const QString& section, const QString& key, const QString& text) {
    readSection(section);
    StoreSection* target = nullptr;
    StoreKey* found = nullptr;
    for (StoreSection& s : sections) {
        if (s.name != section) continue;
        target = &s;
        for (StoreKey& k : s.keys)
            if (k.name == key) found = &k;
    }
    if (found != nullptr) {
        found->raw = EscapedValue(text);
        return;
    }
    if (target == nullptr) {
        sections.append({section, {}});
        target = &sections.last();
    }
    target->keys.append({key, EscapedValue(text)});
}

void StoreContents::removeSection(const QString& section) {
    sections.removeIf([&](const StoreSection& s) { return s.name == section; });
}

QByteArray StoreContents::toBytes() const {
    QByteArray out;
    out.reserve(text.size() + std::min<qsizetype>(text.size() / 4, 4096));  // room for the changes, no second buffer
    for (const StoreSection& s : sections) {
        if (!out.isEmpty()) out += '\n';
        const QByteArray header = '[' + (s.name.isEmpty() ? QByteArray("General") : EscapedKey(s.name)) + "]\n";
        out += header;
        if (!s.unread()) {
            for (const StoreKey& k : s.keys) AppendKey(out, EscapedKey(k.name), k.raw);
            continue;
        }
        // Lines written as they stand, one after the other in the text, are
        // copied in one piece.
        const char* runFrom = nullptr;
        const char* runTo = nullptr;
        const auto flush = [&] {
            if (runFrom != runTo) out += QByteArrayView(runFrom, runTo);
            runFrom = runTo = nullptr;
        };
        const char* const span = text.constData() + s.from;
        ForEachLine(QByteArrayView(text).sliced(s.from, s.to - s.from), [&](const StoreLine& line) {
            // A header written as it stands, after a blank line: the two as they are.
            const char* begin = span + line.start;
            if (line.kind == StoreLine::Header && QByteArrayView(begin, line.next - line.start) == header && begin[-1] == '\n') {
                if (runTo == begin - 1) {
                    runTo = begin + header.size();
                    return;
                }
                if (begin[-2] == '\n') {
                    flush();
                    runFrom = begin - 1;
                    runTo = begin + header.size();
                    return;
                }
            }
            if (line.kind == StoreLine::Key && line.plain && IsPlainKey(line.name)) {
                const char* end = line.raw.data() + line.raw.size();
                if (*end == '\n' && runTo == line.name.data()) {
                    runTo = end + 1;
                    return;
                }
                flush();
                if (*end == '\n') {
                    runFrom = line.name.data();
                    runTo = end + 1;
                    return;
                }
            }
            flush();
            if (line.kind == StoreLine::Header) {
                out += '\n';
                out += header;
            } else if (line.kind == StoreLine::Key) {
                AppendKey(out, IsPlainKey(line.name) ? line.name.toByteArray() : EscapedKey(UnescapedKey(line.name)), line.raw);
            }
        });
        flush();
    }
    return out;
}

void StoreContents::markWritten() {
    handEdited = false;
    // Read back, "[general]" in any case is the section above the first.
    for (StoreSection& s : sections)
        if (s.name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) s.name.clear();
}
