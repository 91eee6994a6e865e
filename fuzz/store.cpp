// The settings store read from any bytes: no crash, a table written intact
// below whatever the bytes hold is read back, and what was read (the
// options and the four tables) is read the same after it was saved.
#include "ErrorTrap.h"
#include "GameSettings.h"
#include "ScoreTables.h"
#include "SettingsStore.h"
#include "TestSupport.h"

#include <QDateTime>
#include <QFile>
#include <QStringConverter>

#include <cstdint>

namespace {

const QStringList Tables{ScoreTables::SmallBoardSets, ScoreTables::SmallBoardTimes, ScoreTables::LargeBoardSets,
                         ScoreTables::LargeBoardTimes};
// The last table as the game writes it, and where ReadAll() puts its fifth name.
const QByteArray IntactTable = "\n[Large%20Board%20Times]\nName%205=Intact\nTime%205=900\n";
constexpr int IntactName = 8 + 3 * 2 * ScoreTables::Places + 4 * 2;
ScopedStore* g_store = nullptr;

QStringList ReadAll(ChoicesStore& settings, PlayerChoices& chosen) {
    chosen = settings.Load();
    QStringList all{chosen.options.Images,    QString::number(chosen.options.Level), QString::number(chosen.options.PlayerCount),
                    chosen.options.TileColor, QString::number(chosen.options.TileCount), chosen.playSound ? QStringLiteral("1") : QString(),
                    chosen.Name(1), chosen.Name(2)};
    for (const QString& table : Tables)
        for (int rank = 1; rank <= ScoreTables::Places; ++rank) {
            const ScoreRow row = ReadScoreRow(table, table.endsWith(QLatin1String("Sets")) ? ScoreTables::SetsKey : ScoreTables::TimeKey, rank);
            all << row.Name << row.Score;
        }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    g_store = new ScopedStore;
    SetErrorSink([](int number, const QString& text) { qFatal("store error %d: %s", number, qPrintable(text)); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static qint64 run = 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The table's lines end as the bytes' lines do: with CR alone where they have no LF.
    g_store->writeRaw(bytes + QByteArray(IntactTable).replace('\n', bytes.contains('\n') ? '\n' : '\r'));
    // Each input its own time stamp, so the settings cache never takes it
    // for the file before it.
    QFile(g_store->iniPath()).setFileTime(QDateTime::fromSecsSinceEpoch(1000000000 + ++run), QFileDevice::FileModificationTime);
    ChoicesStore settings;  // the options as a game loads and saves them
    PlayerChoices chosen;
    const QStringList read = ReadAll(settings, chosen);
    const auto encoding = QStringConverter::encodingForData(bytes);  // in UTF-16 the table is no text of its own
    if ((!encoding || *encoding == QStringConverter::Utf8) && read[IntactName] != QLatin1String("Intact"))
        qFatal("the intact table below the bytes reads \"%s\"", qPrintable(read[IntactName]));
    settings.Save(chosen);  // which writes the whole file again, the tables with it
    const QStringList again = ReadAll(settings, chosen);
    for (int i = 0; i < read.size(); ++i)
        if (again[i] != read[i]) qFatal("value %d read as \"%s\", saved as \"%s\"", i, qPrintable(again[i]), qPrintable(read[i]));
    return 0;
}
