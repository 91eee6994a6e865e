#include "StoreText.h"

#include <QStringConverter>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

// A key or section name as Qt writes it: letters, digits, "_-." as they
// are, "/" as a backslash, anything else as %XX or %UXXXX.
QByteArray EscapedKey(const QString& key) {
    QByteArray out;
    for (QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == '/') {
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

QByteArray AsUtf8(QByteArrayView bytes) {
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes);
    if (!encoding || *encoding == QStringConverter::Utf8) return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3).toByteArray() : bytes.toByteArray();
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
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
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

}  // namespace

QString StoreValueText(QByteArrayView raw) {
    QStringList values = UnescapedValues(raw);
    for (QString& v : values) v = UnwrappedText(v);
    // Read as it will be written.
    return WithoutLoneSurrogates(values.join(QStringLiteral(", ")));
}

StoreContents ParseStore(QByteArrayView bytes) {
    StoreContents contents;
    const QByteArray text = AsUtf8(bytes);
    StoreSection* current = nullptr;
    // A line ends at a line feed or a carriage return.
    for (qsizetype start = 0, end = 0; start < text.size(); start = end + 1) {
        end = start;
        while (end < text.size() && text.at(end) != '\n' && text.at(end) != '\r') ++end;
        const QByteArrayView whole = QByteArrayView(text).sliced(start, end - start).trimmed();
        if (whole.isEmpty()) continue;
        const LineScan scan = ScanLine(whole);
        // A comment or a trailing "; note" is not written back.
        contents.handEdited = contents.handEdited || scan.runsOn || scan.end < whole.size();
        const QByteArrayView line = whole.first(scan.end);
        if (line.isEmpty()) continue;
        if (line.startsWith('[')) {
            qsizetype close = line.indexOf(']');
            if (close < 0) {
                contents.handEdited = true;
                close = line.size();
            }
            const QByteArrayView name = line.sliced(1, close - 1).trimmed();
            QString section;
            if (name.compare("general", Qt::CaseInsensitive) != 0)
                section = name.compare("%general", Qt::CaseInsensitive) == 0 ? QString::fromLatin1(name.sliced(1)) : UnescapedKey(name);
            contents.sections.append({section, {}});
            current = &contents.sections.last();
            continue;
        }
        if (scan.equals < 0) {
            contents.handEdited = true;  // dropped by the next save
            continue;
        }
        if (current == nullptr) {
            contents.sections.append({QString(), {}});
            current = &contents.sections.last();
        }
        current->keys.append({UnescapedKey(line.first(scan.equals).trimmed()), line.sliced(scan.equals + 1).toByteArray()});
    }
    return contents;
}

QString StoreContents::value(const QString& section, const QString& key) const {
    const QByteArray* found = nullptr;
    for (const StoreSection& s : sections) {
        if (s.name != section) continue;
        for (const StoreKey& k : s.keys)
            if (k.name == key) found = &k.raw;
    }
    if (found == nullptr) return QString();
    const QString text = StoreValueText(*found);
    return text.isNull() ? QStringLiteral("") : text;
}

bool StoreContents::hasSection(const QString& section) const {
    return std::any_of(sections.begin(), sections.end(), [&](const StoreSection& s) { return s.name == section; });
}

void StoreContents::setValue(const QString& section, const QString& key, const QString& text) {
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
    for (const StoreSection& s : sections) {
        if (!out.isEmpty()) out += '\n';
        out += '[' + (s.name.isEmpty() ? QByteArray("General") : EscapedKey(s.name)) + "]\n";
        for (const StoreKey& k : s.keys) {
            // A value a hand edit left open is written closed, as it was read.
            out += EscapedKey(k.name) + '=' + (ScanLine(k.raw).runsOn ? EscapedValue(StoreValueText(k.raw)) : k.raw) + '\n';
        }
    }
    return out;
}
