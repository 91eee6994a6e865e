// The settings store's text read from any bytes, in memory: no crash, a
// table written intact below whatever the bytes hold is read back, what was
// read (the options and the four tables) is read the same after the game's
// changes were written, and the contents kept after a write are the contents
// a read of the written bytes gives.
#include "ErrorTrap.h"
#include "OptionCatalogue.h"
#include "ScoreTables.h"
#include "StoreText.h"
#include "StoreUnsaved.h"

#include <QCoreApplication>
#include <QStringConverter>

#include <cstdint>

namespace {

const QStringList Tables{ScoreTables::SmallBoardSets, ScoreTables::SmallBoardTimes, ScoreTables::LargeBoardSets,
                         ScoreTables::LargeBoardTimes};
const QStringList OptionKeys{QStringLiteral("Images"),   QStringLiteral("Level"),      QStringLiteral("Player Count"),
                             QStringLiteral("Player 1"), QStringLiteral("Player 2"),   QStringLiteral("Sounds"),
                             QStringLiteral("Tile Color"), QStringLiteral("Tile Count")};
const QString Section = QStringLiteral("Game Settings");
// The last table as the game writes it, and where ReadAll() puts its fifth name.
const QByteArray IntactTable = "\n[Large%20Board%20Times]\nName%205=Intact\nTime%205=900\n";
const int IntactName = int(OptionKeys.size()) + 3 * 2 * ScoreTables::Places + 4 * 2;

QStringList ReadAll(const StoreContents& stored) {
    QStringList all;
    for (const QString& key : OptionKeys) all << stored.value(Section, key);
    for (const QString& table : Tables)
        for (int rank = 1; rank <= ScoreTables::Places; ++rank) {
            const ScoreRow row = ReadScoreRow(stored, table, table.endsWith(QLatin1String("Sets")) ? ScoreTables::SetsKey : ScoreTables::TimeKey, rank);
            all << row.Name << row.Score;
        }
    return all;
}

void Check(bool ok, const char* what, const QString& a = {}, const QString& b = {}) {
    if (!ok) qFatal("%s: \"%s\" / \"%s\"", what, qPrintable(a), qPrintable(b));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The table's lines end as the bytes' lines do: with CR alone where they have no LF.
    StoreContents stored = ParseStore(bytes + QByteArray(IntactTable).replace('\n', bytes.contains('\n') ? '\n' : '\r'));
    const QStringList read = ReadAll(stored);
    const auto encoding = QStringConverter::encodingForData(bytes);  // in UTF-16 the table is no text of its own
    if (!encoding || *encoding == QStringConverter::Utf8) Check(read[IntactName] == QLatin1String("Intact"), "the intact table below the bytes", read[IntactName]);

    // The game's changes: the options as read written back (the missing ones
    // as empty), a result ranked into the table of the intact entry.
    UnsavedChange options;
    options.section = Section;
    for (int i = 0; i < OptionKeys.size(); ++i) options.keys.append({OptionKeys[i], read[i].isNull() ? QString() : read[i]});
    options.applyTo(stored);
    UnsavedChange result;
    result.kind = UnsavedChange::Kind::Result;
    result.section = ScoreTables::LargeBoardTimes;
    result.scoreKey = ScoreTables::TimeKey;
    result.name = QStringLiteral("Fuzz");
    result.score = 1000;
    bool ranked = false;
    try {
        ranked = result.applyTo(stored);
    } catch (const RuntimeError&) {
        // A stored score that is no number: the table is left as it is.
    }
    const QByteArray written = stored.toBytes();

    const StoreContents reread = ParseStore(written);
    const QStringList again = ReadAll(reread);
    for (int i = 0; i < read.size(); ++i) {
        // The ranked table moved; the options came back as written (a missing one empty).
        if (ranked && i >= read.size() - 2 * ScoreTables::Places) continue;
        const QString expected = i < OptionKeys.size() && read[i].isNull() ? QStringLiteral("") : read[i];
        Check(again[i] == expected, "a value read again after the save", again[i], expected);
    }
    Check(!reread.handEdited, "the written text reads as hand-edited");
    const QByteArray rewritten = reread.toBytes();
    Check(ParseStore(rewritten).toBytes() == rewritten, "each save changes the bytes", QString::fromUtf8(rewritten));

    // The same bytes written again: every later read and save of the kept contents is the file's.
    stored.markWritten();
    Check(stored.toBytes() == rewritten, "the contents kept after the write save otherwise than the file",
          QString::fromUtf8(stored.toBytes()), QString::fromUtf8(rewritten));
    return 0;
}
