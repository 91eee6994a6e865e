// The settings store read from any bytes: no crash, every table entry whose
// lines no edit touched is read back, and what was read (the options and
// the four tables) is read the same after it was saved.
#include "ErrorTrap.h"
#include "GameSettings.h"
#include "ScoreTables.h"
#include "SettingsStore.h"
#include "TestSupport.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringConverter>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const QStringList Tables{ScoreTables::SmallBoardSets, ScoreTables::SmallBoardTimes, ScoreTables::LargeBoardSets,
                         ScoreTables::LargeBoardTimes};
ScopedStore* g_store = nullptr;

QString Word(const QString& table) { return table.endsWith(QLatin1String("Sets")) ? ScoreTables::SetsKey : ScoreTables::TimeKey; }

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::abort();
}

// Where ReadAll() puts the name of a table's rank.
int NameAt(int table, int rank) { return 8 + table * 2 * ScoreTables::Places + (rank - 1) * 2; }

// Squeezed for comparing what might be one key or one section in the reader's eyes.
QByteArray Loose(const QByteArray& line) {
    return QByteArray::fromPercentEncoding(line).toLower().replace(' ', "").replace('\t', "");
}

// The names on lines no edit touched, by their place in ReadAll(): "Name r=word"
// under its table's own header, and no other line of that table (or with a
// path or an escape the reader may take as that key) names its key.
QMap<int, QString> IntactNames(const QByteArray& bytes) {
    QMap<int, QString> found;
    const auto encoding = QStringConverter::encodingForData(bytes);
    if (encoding && *encoding != QStringConverter::Utf8) return found;  // not lines of bytes
    static const QRegularExpression entry(QStringLiteral("^Name(?: |%20)([1-5])=([A-Za-z0-9]+(?: [A-Za-z0-9]+)*)$"));
    const QList<QByteArray> lines = QByteArray(bytes).replace('\r', '\n').split('\n');
    QList<QByteArray> headers;  // the header each line is under
    for (const QByteArray& line : lines)
        headers << (line.trimmed().startsWith('[') ? line : headers.value(headers.size() - 1));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto m = entry.match(QString::fromLatin1(lines[i]));
        const QString header = QString::fromUtf8(QByteArray::fromPercentEncoding(headers[i]));
        const int table = header.size() > 2 ? Tables.indexOf(header.mid(1).chopped(1)) : -1;
        if (!m.hasMatch() || table < 0 || !header.startsWith(QLatin1Char('[')) || !header.endsWith(QLatin1Char(']'))) continue;
        const QByteArray key = "name" + m.captured(1).toLatin1();
        qsizetype mentions = 0;
        for (qsizetype j = 0; j < lines.size(); ++j) {
            const QByteArray loose = Loose(lines[j]);
            mentions += loose.contains(key) && (Loose(headers[j]) == Loose(headers[i]) || loose.contains('/') || loose.contains('\\') || loose.contains('%'));
        }
        if (mentions == 1) found.insert(NameAt(table, m.captured(1).toInt()), m.captured(2));
    }
    return found;
}

QStringList ReadAll() {
    LoadSettings();
    QStringList all{GameSettings.Images,    QString::number(GameSettings.Level), QString::number(GameSettings.PlayerCount),
                    GameSettings.TileColor, QString::number(GameSettings.TileCount), gblnPlaySound ? QStringLiteral("1") : QString(),
                    gudtPlayers(1).strName, gudtPlayers(2).strName};
    for (const QString& table : Tables)
        for (int rank = 1; rank <= ScoreTables::Places; ++rank) {
            const ScoreRow row = ReadScoreRow(table, Word(table), rank);
            all << row.Name << row.Score;
        }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    g_store = new ScopedStore;
    SetErrorSink([](int number, const QString& text) { Fail(QStringLiteral("store error %1: %2").arg(number).arg(text)); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static qint64 run = 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    g_store->writeRaw(MendedStoreText(bytes));
    // Each input its own time stamp, so the settings cache never takes it
    // for the file before it.
    QFile(g_store->iniPath()).setFileTime(QDateTime::fromSecsSinceEpoch(1000000000 + ++run), QFileDevice::FileModificationTime);
    const QStringList read = ReadAll();
    const QMap<int, QString> intact = IntactNames(bytes);
    for (auto it = intact.begin(); it != intact.end(); ++it)
        if (read[it.key()] != *it) Fail(QStringLiteral("name %1 read as \"%2\", stored \"%3\"").arg(it.key()).arg(read[it.key()], *it));
    SaveSettings();  // which writes the whole file again, the tables with it
    const QStringList again = ReadAll();
    for (int i = 0; i < read.size(); ++i)
        if (again[i] != read[i]) Fail(QStringLiteral("value %1 read as \"%2\", saved as \"%3\"").arg(i).arg(again[i], read[i]));
    return 0;
}
