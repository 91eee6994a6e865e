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

const QString App = QStringLiteral("Pexora");
const QStringList Tables{ScoreTables::SmallBoardSets, ScoreTables::SmallBoardTimes, ScoreTables::LargeBoardSets,
                         ScoreTables::LargeBoardTimes};
ScopedStore* g_store = nullptr;

QString Word(const QString& table) { return table.endsWith(QLatin1String("Sets")) ? ScoreTables::SetsKey : ScoreTables::TimeKey; }

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::abort();
}

// "table/rank" -> name for the entries on lines no edit touched: "Name r=word"
// under its table's own header, with no other line that could name that key.
QMap<QString, QString> IntactNames(const QByteArray& bytes) {
    QMap<QString, QString> found;
    const auto encoding = QStringConverter::encodingForData(bytes);
    if (encoding && *encoding != QStringConverter::Utf8) return found;  // not lines of bytes
    static const QRegularExpression entry(QStringLiteral("^Name(?: |%20)([1-5])=([A-Za-z0-9]+(?: [A-Za-z0-9]+)*)$"));
    const QList<QByteArray> lines = QByteArray(bytes).replace('\r', '\n').split('\n');
    QString table;
    for (const QByteArray& line : lines) {
        if (line.trimmed().startsWith('[')) {
            const QString header = QString::fromUtf8(QByteArray::fromPercentEncoding(line));
            table = header.endsWith(QLatin1Char(']')) && Tables.contains(header.mid(1, header.size() - 2))
                        ? header.mid(1, header.size() - 2) : QString();
            continue;
        }
        const auto m = entry.match(QString::fromLatin1(line));
        if (table.isEmpty() || !m.hasMatch()) continue;
        const auto mentions = std::count_if(lines.begin(), lines.end(), [](const QByteArray& l) {
            const QByteArray decoded = QByteArray::fromPercentEncoding(l);
            return decoded.contains("Name") || decoded.contains('%');
        });
        if (mentions == 1) found.insert(table + QLatin1Char('/') + m.captured(1), m.captured(2));
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
    const QMap<QString, QString> intact = IntactNames(bytes);
    for (auto it = intact.begin(); it != intact.end(); ++it) {
        const int rank = it.key().back().digitValue();
        const int at = 8 + Tables.indexOf(it.key().chopped(2)) * 2 * ScoreTables::Places + (rank - 1) * 2;
        if (read[at] != it.value()) Fail(QStringLiteral("%1 read as \"%2\", stored \"%3\"").arg(it.key(), read[at], it.value()));
    }
    SaveSettings();
    for (int t = 0; t < Tables.size(); ++t) {
        QList<QPair<QString, QString>> keys;
        for (int rank = 1; rank <= ScoreTables::Places; ++rank) {
            const int at = 8 + t * 2 * ScoreTables::Places + (rank - 1) * 2;
            if (read[at].isEmpty()) continue;
            keys.append({QStringLiteral("Name %1").arg(rank), read[at]});
            keys.append({Word(Tables[t]) + QStringLiteral(" %1").arg(rank), read[at + 1]});
        }
        SaveSettingGroup(App, Tables[t], keys, SectionWrite::ReplaceSection);
    }
    const QStringList again = ReadAll();
    for (int i = 0; i < read.size(); ++i)
        if (again[i] != read[i]) Fail(QStringLiteral("value %1 read as \"%2\", saved as \"%3\"").arg(i).arg(again[i], read[i]));
    return 0;
}
