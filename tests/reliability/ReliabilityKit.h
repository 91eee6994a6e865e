#pragma once
// Shared by the reliability suite: seeds that replay, hostile values for the
// store, and the way a test binary runs one of its own child modes.

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace reliability {

// The seed from the named environment variable, else from the clock; printed
// either way so that a failing run can be replayed.
inline quint64 SeedFrom(const char* variable) {
    const QByteArray given = qgetenv(variable);
    bool ok = false;
    quint64 seed = given.toULongLong(&ok);
    if (!ok) seed = static_cast<quint64>(QDateTime::currentMSecsSinceEpoch());
    std::printf("%s=%llu (set %s to replay)\n", variable, static_cast<unsigned long long>(seed), variable);
    std::fflush(stdout);
    return seed;
}

// Values a player's editor, a broken disk or a hostile hand may leave in the
// INI file after "Key=". Raw bytes, exactly as they lie in the file.
inline QList<QByteArray> HostileValues() {
    QList<QByteArray> v{
        "", " ", "0", "1", "2", "3", "4", "30", "60", "-1", "-2", "-60", "+60", "060", " 60", "60 ", "02",
        "99999", "100000", "2147483647", "2147483648", "-2147483648", "-2147483649",
        "99999999999999999999999999", "1e3", "6e1", "3.5", "2.0", "0x3C", "&H3C", "NaN", "inf", "-inf",
        "true", "TRUE", "false", "True ", " False", "-1", "yes",
        "blue", "Blue", "RED ", "BLACK", "animal", "Music", "ANIMAL ", "NOSUCH",
        "<b>bold</b>", "<script>alert(1)</script>", "<img src=x onerror=alert(1)>", "&amp;&lt;&#0;",
        "\"unbalanced", "unbalanced\"", "\"quoted\"", "\"\"", "'single", "a,b,c", "\"a,b\",c",
        "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5junk)", "@Variant(", "@Variant()", "@Variant(\\0\\0\\0\\n\\0\\0\\0\\0\\x2",
        "@ByteArray(abc)", "@ByteArray(", "@Rect(1 2 3 4)", "@Size(1 2)", "@Point(", "@StringList(a, b)",
        "\xff\xfe\xfd", "\xc3\x28", "\xed\xa0\x80", "\xf4\x90\x80\x80", "caf\xc3\xa9", "\xe2\x80\xae" "reversed",
        "\x01\x02\x7f", "\t", "\\", "\\x41", "\\0", "\\n\\r", "%00", "%20", "%ZZ", "[Section]", "[", "]", "=",
        "==", "a=b", ";comment", "#hash", "   spaced   ", "\xf0\x9f\x98\x80\xf0\x9f\x98\x80",
        "Player 1", "Player 2", "1234567890123456789012345", "12345678901234567890123456",
        "x\ry",
    };
    v.append(QByteArray(25, 'N'));
    v.append(QByteArray(26, 'N'));
    v.append(QByteArray(100000, 'L'));
    v.append(QByteArray(3000, '"'));
    v.append(QByteArray(5000, '\\'));
    return v;
}

// A random line of bytes (no line feed) for fuzzing.
inline QByteArray RandomBytes(std::mt19937_64& rng, int maxLength) {
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<int> byte(1, 255);
    QByteArray out;
    const int n = length(rng);
    for (int i = 0; i < n; ++i) {
        char c = static_cast<char>(byte(rng));
        if (c == '\n') c = '=';
        out.append(c);
    }
    return out;
}

// Whole lines that do not belong in an INI file.
inline QList<QByteArray> HostileLines() {
    return {"junk line without equals", "Tile Count", "[unterminated section", "]", "=value without key",
            "\"Name 1=quoted", "@Variant(\\0\\0\\0\\x7f)=x", "\xff\xfe=\xff", "  ", "\t\t", ";", "#",
            "[Game%20Settings", "Name%201", QByteArray(4000, 'x')};
}

// In a test binary: when the first argument is "--child", the rest names a
// child mode, run instead of the tests.
inline bool IsChildRun(int argc, char** argv) { return argc >= 3 && QByteArray(argv[1]) == "--child"; }

}  // namespace reliability
