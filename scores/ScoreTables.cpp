#include "ScoreTables.h"

#include "ErrorTrap.h"
#include "SettingsTypes.h"
#include "OptionCatalogue.h"
#include "SettingsStore.h"
#include "StoreFile.h"
#include "StoreText.h"
#include "StoreUnsaved.h"
#include "Services.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>
#include <cmath>
#include <utility>

namespace {

QString NameKey(int rank) { return QStringLiteral("Name ") + QString::number(rank); }
QString ScoreKey(const QString& word, int rank) { return word + QLatin1Char(' ') + QString::number(rank); }

// Two games ending at the same moment must not interleave their
// read-rank-write of one table: a result another game's lock keeps out is
// kept for later, never written unlocked.
QString ScoreLockPath() {
    const QString ini = SettingsFilePath(Options::Text(Options::ApplicationName));
    if (ini.isEmpty()) return ini;
    MakePrivateFolder(QFileInfo(ini).absolutePath());
    return ini + QStringLiteral(".scores.lock");
}

}  // namespace

namespace ScoreTables {
QString SetsSection(int tileCount) { return tileCount == 60 ? LargeBoardSets : SmallBoardSets; }
QString TimesSection(int tileCount) { return tileCount == 60 ? LargeBoardTimes : SmallBoardTimes; }
}  // namespace ScoreTables

bool SaveScore(const QString& section, const QString& key, const QString& name,
               qint32 score) noexcept {
    bool entered = false;
    Trap([&] {
        UnsavedChange result;
        result.kind = UnsavedChange::Kind::Result;
        result.section = section;
        result.scoreKey = key;
        result.name = name;
        result.score = score;
        try {
            // Read, ranked and written in one change of the store under its
            // lock, so no reset or other result can come between.
            const StoreLock lock(ScoreLockPath());
            bool ranked = false;
            ChangeSettings(Options::Text(Options::ApplicationName), [&](StoreContents& contents) { return ranked = result.applyTo(contents); });
            entered = ranked;
        } catch (const LockHeldElsewhere& held) {
            // Another game holds a lock: the result is kept, and every read
            // (the high-score dialog's) shows it where it will enter.
            StoreContents shown = ReadSettings(Options::Text(Options::ApplicationName));
            if (!result.applyTo(shown)) return;
            KeepForLater(Options::Text(Options::ApplicationName), result, held);
            entered = true;
        }
    });
    return entered;
}

ScoreRow ReadScoreRow(const QString& section, const QString& key, int rank) {
    return ReadScoreRow(ReadSettings(Options::Text(Options::ApplicationName)), section, key, rank);
}

ScoreRow ReadScoreRow(const StoreContents& stored, const QString& section, const QString& key, int rank) {
    ScoreRow row;
    row.Name = stored.value(section, NameKey(rank));
    if (!row.Name.isEmpty()) row.Score = stored.value(section, ScoreKey(key, rank));
    return row;
}

void DeleteScoreTable(const QString& appName, const QString& section) noexcept {
    Trap([&] {
        try {
            DeleteSetting(appName, section);
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
        std::array<UnsavedChange, 2> removals;
        removals[0].section = ScoreTables::SetsSection(tileCount);
        removals[1].section = ScoreTables::TimesSection(tileCount);
        for (UnsavedChange& r : removals) r.kind = UnsavedChange::Kind::RemoveSection;
        try {
            const StoreLock lock(ScoreLockPath());
            ChangeSettings(Options::Text(Options::ApplicationName), [&](StoreContents& contents) {
                const bool first = removals[0].applyTo(contents);
                return removals[1].applyTo(contents) || first;
            });
        } catch (const LockHeldElsewhere& held) {
            for (const UnsavedChange& r : removals) KeepForLater(Options::Text(Options::ApplicationName), r, held);
        }
    });
}

bool StoredScoreTables::OfferScore(ScoreKind kind, int tileCount, const QString& name, qint32 score) {
    if (kind == ScoreKind::Sets) {
        return SaveScore(ScoreTables::SetsSection(tileCount), ScoreTables::SetsKey, name, score);
    }
    return SaveScore(ScoreTables::TimesSection(tileCount), ScoreTables::TimeKey, name, score);
}
