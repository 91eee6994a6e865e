// Whole games played by cell numbers against a known deal, and the results
// they offer to the score tables.
#include "EngineRig.h"

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

}  // namespace

class WholeGameTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        gudtPlayers(1).strName = QStringLiteral("Ann, \"the\" [best]");
        gudtPlayers(2).strName = QStringLiteral("Bob");
    }

    void onePlayerGamesOfferTheSetsAndSecondsPlayed_data() {
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("level");
        QTest::newRow("small, match 2") << 30 << 2;
        QTest::newRow("small, match 3") << 30 << 3;
        QTest::newRow("large, match 2") << 60 << 2;
        QTest::newRow("large, match 3") << 60 << 3;
    }
    void onePlayerGamesOfferTheSetsAndSecondsPlayed() {
        QFETCH(int, tileCount);
        QFETCH(int, level);
        ErrorRecorder errors;
        UseOptions(tileCount, level, 1);
        ScriptedRandom random = ScriptedRandom::Seeded(42);
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
        const QString name = gudtPlayers(1).strName;
        QCOMPARE(rig.scores.offers.size(), 2);
        const auto& sets1 = rig.scores.offers[0];
        const auto& times = rig.scores.offers[1];
        QVERIFY(sets1.kind == ScoreKind::Sets && times.kind == ScoreKind::Times);
        QCOMPARE(sets1.tileCount, tileCount);
        QCOMPARE(times.tileCount, tileCount);
        QCOMPARE(sets1.name, name);
        QCOMPARE(times.name, name);
        QCOMPARE(sets1.score, flipped);
        QCOMPARE(times.score, 3 * (sets - 1));
        // Told before the result is offered, with the status bar's words.
        const QString over = QStringLiteral("game over Sets Flipped: %1, Time: %2").arg(flipped).arg(3 * (sets - 1));
        QCOMPARE(rig.log.lines.mid(rig.log.lines.size() - 2),
                 (QStringList{over, QStringLiteral("high scores")}));
        for (int k = 1; k <= 60; ++k) {
            const BoardCell& c = rig.engine.Cell(k);
            QVERIFY(!c.TileEnabled && !c.FaceVisible);
            if (k <= tileCount) QCOMPARE(c.TilePic, TilePicture::Empty);
        }
        QCOMPARE(errors.count(), 0);
    }

    void theDialogIsShownOnceAfterBothResultsWereOfferedAndOnlyIfOneEntered_data() {
        QTest::addColumn<bool>("setsEnter");
        QTest::addColumn<bool>("timesEnter");
        QTest::addColumn<int>("shown");
        QTest::newRow("neither") << false << false << 0;
        QTest::newRow("sets only") << true << false << 1;
        QTest::newRow("time only") << false << true << 1;
    }
    void theDialogIsShownOnceAfterBothResultsWereOfferedAndOnlyIfOneEntered() {
        QFETCH(bool, setsEnter);
        QFETCH(bool, timesEnter);
        QFETCH(int, shown);
        UseOptions(60, 3, 1);
        ScriptedRandom random = ScriptedRandom::Seeded(9);
        EngineRig rig(random);
        rig.view.logDetail = false;
        rig.scores.setsEnter = setsEnter;
        rig.scores.timesEnter = timesEnter;
        qsizetype offersAtShow = -1;
        rig.view.onHighScore = [&] { offersAtShow = rig.scores.offers.size(); };
        rig.engine.StartNewGame();
        PlayThrough(rig);
        QCOMPARE(rig.engine.mintMatches, qint16(20));
        QCOMPARE(rig.view.highScoreShown, shown);
        if (shown) QCOMPARE(offersAtShow, qsizetype(2));
        QVERIFY(!rig.clock.running);
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
        UseOptions(tileCount, level, 2);
        ScriptedRandom random = ScriptedRandom::Seeded(11);
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
        QVERIFY(rig.scores.offers.isEmpty());
        QVERIFY(rig.log.lines.contains(QStringLiteral("game over %1 matches for Ann, \"the\" [best]\r%2 matches for Bob").arg(m1).arg(m2)));
    }
};

QTEST_GUILESS_MAIN(WholeGameTest)
#include "test_whole_games.moc"
