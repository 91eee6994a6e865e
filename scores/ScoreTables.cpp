#include "ScoreTables.h"

#include "ErrorTrap.h"
#include "SettingsTypes.h"
#include "OptionCatalogue.h"
#include "SettingsStore.h"
#include "StoreFile.h"
#include "StoreText.h"
#include "Services.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>
#include <cmath>
#include <utility>

namespace {

QString AppName() { return QString::fromLatin1(Options::ApplicationName.data(), Options::ApplicationName.size()); }

QString NameKey(int rank) { return QStringLiteral("Name ") + QString::number(rank); }
QString ScoreKey(const QString& word, int rank) { return word + QLatin1Char(' ') + QString::number(rank); }

// A stored score as a 32-bit number: digits with an optional sign and
// surrounding blanks, or a plain decimal number that rounds into range.
qint32 ToScore(const QString& text) {
    bool ok = false;
    const qlonglong whole = text.trimmed().toLongLong(&ok, 10);
    if (ok) {
        if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max()) {
            throw RuntimeError(ErrorNumbers::Overflow, QCoreApplication::translate("ScoreTables", "Overflow"));
        }
        return static_cast<qint32>(whole);
    }
    const double real = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(real)) throw RuntimeError(ErrorNumbers::TypeMismatch, QCoreApplication::translate("ScoreTables", "Type mismatch"));
    const double rounded = std::nearbyint(real);
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max()) {
        throw RuntimeError(ErrorNumbers::Overflow, QCoreApplication::translate("ScoreTables", "Overflow"));
    }
    return static_cast<qint32>(rounded);
}

// Two games ending at the same moment must not interleave their
// read-rank-write of one table: a result waits for the other game's, and
// is reported rather than written unlocked.
QString ScoreLockPath() {
    const QString ini = SettingsFilePath(AppName());
    if (ini.isEmpty()) return ini;
    MakePrivateFolder(QFileInfo(ini).absolutePath());
    return ini + QStringLiteral(".scores.lock");
}

}  // namespace

namespace ScoreTables {
QString SetsSection(int tileCount) { return tileCount == 60 ? LargeBoardSets : SmallBoardSets; }
QString TimesSection(int tileCount) { return tileCount == 60 ? LargeBoardTimes : SmallBoardTimes; }
}  // namespace ScoreTables

bool SaveScore(const QString& strSection, const QString& strKey, const QString& strName,
               qint32 lngScore) noexcept {
    bool entered = false;
    Trap([&] {
        struct Entry {
            QString name;
            qint32 score = ScoreTables::EmptyScore;
        };
        // The result is read, ranked and written in one change of the store
        // under its lock, so no reset or other result can come between.
        const StoreLock lock(ScoreLockPath());
        bool ranked = false;
        ChangeSettings(AppName(), [&](StoreContents& contents) {
            const auto get = [&](const QString& key, const QString& missing) {
                const QString text = contents.value(strSection, key);
                return text.isNull() ? missing : text;
            };
            // Ranks 1..5 as stored, rank 6 the new result (index 0 unused).
            std::array<Entry, 7> list;
            for (int r = 1; r <= ScoreTables::Places; ++r) {
                list[r].name = get(NameKey(r), QString());
                list[r].score = ToScore(get(ScoreKey(strKey, r), QString::number(ScoreTables::EmptyScore)));
            }
            // A nameless result would be skipped by the writes below while the
            // entries it passed moved down, leaving one of them twice.
            list[6].name = strName.isEmpty() ? DefaultPlayerName(1) : strName;
            list[6].score = lngScore;
            bool changed = false;
            for (int r = 6; r >= 2; --r) {
                if (list[r].score < list[r - 1].score) {
                    std::swap(list[r], list[r - 1]);
                    changed = true;
                }
            }
            if (!changed) return false;
            // The whole table in one write: a game killed in the middle of it
            // must not leave an entry overwritten before it was moved down. The
            // section then holds exactly the entries written, so a key left
            // below a hole in a hand-edited table cannot list an entry twice.
            contents.removeSection(strSection);
            for (int r = 1; r <= ScoreTables::Places; ++r) {
                if (list[r].name.isEmpty()) continue;
                contents.setValue(strSection, NameKey(r), list[r].name);
                contents.setValue(strSection, ScoreKey(strKey, r), QString::number(list[r].score));
            }
            ranked = true;
            return true;
        });
        entered = ranked;
    });
    return entered;
}

ScoreRow ReadScoreRow(const QString& strSection, const QString& strKey, int rank) {
    ScoreRow row;
    const QString app = AppName();
    row.Name = GetSetting(app, strSection, NameKey(rank), QString());
    if (!row.Name.isEmpty()) row.Score = GetSetting(app, strSection, ScoreKey(strKey, rank), QString());
    return row;
}

void DeleteScoreTable(const QString& appName, const QString& strSection) noexcept {
    Trap([&] {
        try {
            DeleteSetting(appName, strSection);
        } catch (const RuntimeError& e) {
            // The store's answer for a section that is not there: nothing to reset.
            if (e.Number != ErrorNumbers::InvalidProcedureCall) throw;
        }
    });
}

void ResetBoardScores(int tileCount, IScoreResetUi& ui, ISoundPlayer& sound, bool playSound) noexcept {
    Trap([&] {
        const bool small = tileCount != 60;
        const QString text =
            small ? QCoreApplication::translate("ScoreTables", "Are you sure you want to reset all Small Board scores?")
                  : QCoreApplication::translate("ScoreTables", "Are you sure you want to reset all Large Board scores?");
        if (!ui.ConfirmReset(QCoreApplication::translate("ScoreTables", "Reset Scores"), text)) return;
        if (playSound) sound.PlayWaveResource(QStringLiteral("FLUSH"));
        if (small) {
            ui.ClearScoreList(ScoreTables::SmallBoardSets);
            ui.ClearScoreList(ScoreTables::SmallBoardTimes);
        } else {
            ui.ClearScoreList(ScoreTables::LargeBoardTimes);
            ui.ClearScoreList(ScoreTables::LargeBoardSets);
        }
        // Under the results' lock, both tables in one change: a result
        // recorded by another game meanwhile lands before or after the
        // reset, never in between or over it.
        const StoreLock lock(ScoreLockPath());
        ChangeSettings(AppName(), [&](StoreContents& contents) {
            const bool any = contents.hasSection(ScoreTables::SetsSection(tileCount)) ||
                             contents.hasSection(ScoreTables::TimesSection(tileCount));
            contents.removeSection(ScoreTables::SetsSection(tileCount));
            contents.removeSection(ScoreTables::TimesSection(tileCount));
            return any;
        });
    });
}
