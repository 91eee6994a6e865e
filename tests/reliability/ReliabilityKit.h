#pragma once
// Shared by the reliability suite: seeds that replay, hostile values for the
// store, a game played to its end, and the child modes of a test binary.

#include "../window/MainWindowTestKit.h"
#include "GameSettings.h"

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>

#include <cstdio>
#include <random>

namespace reliability {

// Values a player's editor, a broken disk or a hostile hand may leave in the
// INI file after "Key=". Raw bytes, exactly as they lie in the file.
inline QList<QByteArray> HostileValues() {
    QList<QByteArray> v{
        "", " ", "0", "1", "2", "3", "4", "30", "60", "-1", "-2", "-60", "+60", "060", " 60", "60 ", "02",
        "99999", "100000", "2147483647", "2147483648", "-2147483648", "-2147483649",
        "99999999999999999999999999", "1e3", "6e1", "3.5", "2.0", "0x3C", "&H3C", "NaN", "inf", "-inf",
        "true", "TRUE", "false", "True ", " False", "yes", "blue", "Blue", "RED ", "BLACK", "animal", "Music",
        "ANIMAL ", "NOSUCH", "<b>bold</b>", "<script>alert(1)</script>", "<img src=x onerror=alert(1)>",
        "&amp;&lt;&#0;", "\"unbalanced", "unbalanced\"", "\"quoted\"", "\"\"", "'single", "a,b,c", "\"a,b\",c",
        "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5junk)", "@Variant(", "@Variant()", "@Variant(\\0\\0\\0\\n\\0\\0\\0\\0\\x2",
        "@ByteArray(abc)", "@ByteArray(", "@Rect(1 2 3 4)", "@Size(1 2)", "@Point(", "@StringList(a, b)",
        "\xff\xfe\xfd", "\xc3\x28", "\xed\xa0\x80", "\xf4\x90\x80\x80", "caf\xc3\xa9", "\xe2\x80\xae" "reversed",
        "\x01\x02\x7f", "\t", "\\", "\\x41", "\\0", "\\n\\r", "%00", "%20", "%ZZ", "[Section]", "[", "]", "=",
        "==", "a=b", ";comment", "#hash", "   spaced   ", "\xf0\x9f\x98\x80\xf0\x9f\x98\x80", "Player 1",
        "Player 2", "1234567890123456789012345", "12345678901234567890123456", "x\ry",
        QByteArray(25, 'N'), QByteArray(26, 'N'), QByteArray(100000, 'L'), QByteArray(3000, '"'),
        QByteArray(5000, '\\'),
    };
    return v;
}

// A random line of bytes (no line feed) for fuzzing.
inline QByteArray RandomBytes(std::mt19937_64& rng, int maxLength) {
    QByteArray out(static_cast<qsizetype>(rng() % static_cast<unsigned>(maxLength + 1)), '\0');
    for (char& c : out) c = static_cast<char>(rng() % 255 + 1);
    return out.replace('\n', '=');
}

// Plays the board as dealt to its end, each set found at once.
inline void PlayToTheEnd(MainWindow& w) {
    GameEngine& e = w.Engine();
    const int n = e.Options().TileCount;
    for (int k = 1; k <= n; ++k) {
        if (!e.Cell(k).TileEnabled) continue;
        const QString tag = e.Cell(k).Tag;
        for (int j = k; j <= n; ++j)
            if (e.Cell(j).Tag == tag && e.Cell(j).TileEnabled && !e.Cell(j).FaceVisible)
                e.TileClicked(static_cast<qint16>(j));
    }
}

// A child process sees this configuration folder and no screen.
inline QProcessEnvironment ChildEnvironment(const QString& configHome) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// In a test binary: when the first argument is "--child", the rest names a
// child mode, run instead of the tests.
inline bool IsChildRun(int argc, char** argv) { return argc >= 3 && QByteArray(argv[1]) == "--child"; }

}  // namespace reliability
