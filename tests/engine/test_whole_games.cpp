// Whole games played by cell numbers against a known deal, and what they
// leave in the score tables.
#include "EngineDoubles.h"
#include "ScoreTables.h"
#include "SettingsStore.h"
#include "TestSupport.h"

#include <QtTest>

#include <set>

namespace {

// Plays every set of the board in picture order. Every `missEvery`-th set
// is preceded by a deliberate mismatch (the first tile of the set paired
// with a tile of another picture), so turns pass and sets pile up.
void PlayThrough(EngineRig& rig, int missEvery = 0, int ticksPerSet = 0) {
    const int n = GameSettings.TileCount;
    std::set<QString> done;
    int set = 0;
    for (int k = 1; k <= n; ++k) {
        const QString tag = rig.engine.Cell(k).Tag;
        if (done.count(tag)) continue;
        done.insert(tag);
        const std::vector<int> cells = CellsWithTag(rig.engine, tag);
        ++set;
        if (missEvery && set % missEvery == 0 && static_cast<int>(done.size()) < rig.engine.SetsInPlay()) {
            // a wrong set first: this picture's first tile with tiles of others
            int clicked = 0;
            rig.engine.TileClicked(static_cast<qint16>(cells[0]));
            for (int j = 1; j <= n && clicked < GameSettings.Level - 1; ++j) {
                if (rig.engine.Cell(j).TileEnabled && rig.engine.Cell(j).Tag != tag) {
                    rig.engine.TileClicked(static_cast<qint16>(j));
                    ++clicked;
                }
            }
        }
        for (int c : cells) rig.engine.TileClicked(static_cast<qint16>(c));
        for (int t = 0; t < ticksPerSet && rig.clock.running; ++t) rig.engine.GameClockTick();
    }
}

// Fills all five places of a table with a score nobody can beat.
void FillTable(const QString& section, const QString& word, int score) {
    for (int r = 1; r <= 5; ++r) {
        SaveSetting("Pexora", section, QStringLiteral("Name %1").arg(r), "Pro");
        SaveSetting("Pexora", section, QStringLiteral("%1 %2").arg(word).arg(r), QString::number(score));
    }
}

}  // namespace

class WholeGameTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        gudtPlayers(1).strName = QStringLiteral("Ann, \"the\" [best]");
        gudtPlayers(2).strName = QStringLiteral("Bob");
    }

    void onePlayerGamesRecordTheSetsAndSecondsPlayed_data() {
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("setsSection");
        QTest::addColumn<QString>("timesSection");
        QTest::newRow("small, match 2") << 30 << 2 << "Small Board Sets" << "Small Board Times";
        QTest::newRow("small, match 3") << 30 << 3 << "Small Board Sets" << "Small Board Times";
        QTest::newRow("large, match 2") << 60 << 2 << "Large Board Sets" << "Large Board Times";
        QTest::newRow("large, match 3") << 60 << 3 << "Large Board Sets" << "Large Board Times";
    }
    void onePlayerGamesRecordTheSetsAndSecondsPlayed() {
        QFETCH(int, tileCount);
        QFETCH(int, level);
        QFETCH(QString, setsSection);
        QFETCH(QString, timesSection);
        ScopedStore store;
        ErrorRecorder errors;
        UseOptions(tileCount, level, 1);
        SeededRandom random(42);
        EngineRig rig(random);
        rig.view.logDetail = false;
        rig.engine.StartNewGame();
        PlayThrough(rig, 4, 3);
        const int sets = tileCount / level;
        QCOMPARE(rig.engine.mintMatches, qint16(sets));
        const qint32 flipped = gudtPlayers(1).lngSetsFlipped;
        QVERIFY(flipped > sets);  // the mismatches count too
        QCOMPARE(rig.engine.mlngSeconds, 3 * (sets - 1));  // the clock stops at the last match
        QVERIFY(!rig.clock.running);
        QCOMPARE(rig.view.highScoreShown, 1);
        QCOMPARE(GetSetting("Pexora", setsSection, "Name 1"), gudtPlayers(1).strName);
        QCOMPARE(GetSetting("Pexora", setsSection, "Sets 1"), QString::number(flipped));
        QCOMPARE(GetSetting("Pexora", timesSection, "Time 1"), QString::number(3 * (sets - 1)));
        for (int k = 1; k <= 60; ++k) {
            const BoardCell& c = rig.engine.Cell(k);
            QVERIFY(!c.TileEnabled && !c.FaceVisible);
            if (k <= tileCount) QCOMPARE(c.TilePic, TilePicture::Empty);
        }
        // Board sizes share nothing; levels share their tables.
        const QString other = tileCount == 30 ? "Large Board Sets" : "Small Board Sets";
        QCOMPARE(GetSetting("Pexora", other, "Name 1"), QString());
        QCOMPARE(errors.count(), 0);
    }

    void aResultThatEntersNoTableEndsSilentlyWithTheClockStopped() {
        ScopedStore store;
        FillTable("Small Board Sets", "Sets", 1);
        FillTable("Small Board Times", "Time", 0);
        UseOptions(30, 2, 1);
        SeededRandom random(7);
        EngineRig rig(random);
        rig.engine.StartNewGame();
        PlayThrough(rig);
        QCOMPARE(rig.engine.mintMatches, qint16(15));
        QCOMPARE(rig.view.highScoreShown, 0);
        QVERIFY(!rig.clock.running);
    }

    void theDialogIsShownOnceAfterBothResultsWereOffered() {
        ScopedStore store;
        FillTable("Large Board Times", "Time", 0);  // full of better times
        UseOptions(60, 3, 1);
        SeededRandom random(9);
        EngineRig rig(random);
        rig.view.logDetail = false;
        QString timesAtShow;
        rig.view.onHighScore = [&] { timesAtShow = GetSetting("Pexora", "Large Board Times", "Name 1"); };
        rig.engine.StartNewGame();
        PlayThrough(rig);
        QCOMPARE(rig.view.highScoreShown, 1);
        QCOMPARE(timesAtShow, QStringLiteral("Pro"));
        QCOMPARE(GetSetting("Pexora", "Large Board Sets", "Sets 1"), QStringLiteral("20"));
    }

    void twoPlayerGamesEndWithTheGameOverTextAndRecordNothing_data() {
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("level");
        QTest::newRow("small, match 2") << 30 << 2;
        QTest::newRow("large, match 3") << 60 << 3;
    }
    void twoPlayerGamesEndWithTheGameOverTextAndRecordNothing() {
        QFETCH(int, tileCount);
        QFETCH(int, level);
        ScopedStore store;
        UseOptions(tileCount, level, 2);
        SeededRandom random(11);
        EngineRig rig(random);
        rig.view.logDetail = false;
        rig.engine.StartNewGame();
        PlayThrough(rig, 3);
        const qint16 m1 = gudtPlayers(1).intMatches;
        const qint16 m2 = gudtPlayers(2).intMatches;
        QCOMPARE(m1 + m2, tileCount / level);
        QVERIFY(m2 > 0);
        QCOMPARE(rig.view.gameOverTexts,
                 QStringList{QStringLiteral("%1 matches for Ann, \"the\" [best]\r%2 matches for Bob").arg(m1).arg(m2)});
        QCOMPARE(rig.engine.mlngSeconds, 0);
        QCOMPARE(rig.view.highScoreShown, 0);
        QVERIFY(!QFile::exists(store.iniPath()));
    }

    void anEmptyNameIsRecordedAsPlayerOne() {
        ScopedStore store;
        gudtPlayers(1).strName.clear();
        UseOptions(30, 2, 1);
        SeededRandom random(5);
        EngineRig rig(random);
        rig.engine.StartNewGame();
        PlayThrough(rig);
        QCOMPARE(GetSetting("Pexora", "Small Board Sets", "Name 1"), QStringLiteral("Player 1"));
    }
};

QTEST_GUILESS_MAIN(WholeGameTest)
#include "test_whole_games.moc"
