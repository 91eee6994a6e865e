// The deal, and whole games played by cell numbers against a known deal
// with the results they offer to the score tables.
#include "EngineRig.h"

#include <QtTest>

#include <map>
#include <set>

namespace {
std::vector<int> Seq(std::initializer_list<int> v) { return v; }
std::vector<int> Concat(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
std::vector<int> Range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

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
        QCOMPARE(QStringLiteral("%1 %2 %3|%4 %5 %6").arg(sets1.tileCount).arg(sets1.name).arg(sets1.score).arg(times.tileCount).arg(times.name).arg(times.score),
                 QStringLiteral("%1 %2 %3|%1 %2 %4").arg(tileCount).arg(name).arg(flipped).arg(3 * (sets - 1)));
        // Told before the result is offered, with the status bar's words.
        const QString over = QStringLiteral("game over Sets Flipped: %1, Time: %2").arg(flipped).arg(3 * (sets - 1));
        QCOMPARE(rig.log.lines.mid(rig.log.lines.size() - 2),
                 (QStringList{over, QStringLiteral("high scores")}));
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

    // The deal: the exact order of draws of the two shuffles, and what every board holds.

    void zeroDrawsExchangeEveryCellWithTheFirst() {
        // Cells 1..15 carry 14, 30, 1, 2, ..., 13 and cells 16..30 the same.
        UseOptions(30, 2, 1);
        ScriptedRandom zero(0.0f);
        EngineRig rig(zero);
        rig.engine.StartNewGame();
        const auto block = Concat(Seq({14, 30}), Range(1, 13));
        QCOMPARE(Tags(rig.engine, 30), Concat(block, block));
        QCOMPARE(zero.reseeds, 1);
    }

    void zeroDrawsOnTheLargeBoardAtMatchThree() {
        // M = 20: the first block is 30, 1..19 after the first shuffle; the
        // second shuffle rotates every cell through cell 1.
        UseOptions(60, 3, 1);
        ScriptedRandom zero(0.0f);
        EngineRig rig(zero);
        rig.engine.StartNewGame();
        const auto tags = Tags(rig.engine, 60);
        const auto block = Concat(Seq({19, 30}), Range(1, 18));
        QCOMPARE(std::vector<int>(tags.begin(), tags.begin() + 20), block);
        QCOMPARE(std::vector<int>(tags.begin() + 20, tags.begin() + 40), block);
        QCOMPARE(std::vector<int>(tags.begin() + 40, tags.end()), block);
    }

    void everyBoardHoldsEachPictureInPlayExactlyLevelTimes_data() {
        onePlayerGamesOfferTheSetsAndSecondsPlayed_data();  // every board size at every level
    }
    void everyBoardHoldsEachPictureInPlayExactlyLevelTimes() {
        QFETCH(int, tileCount);
        QFETCH(int, level);
        UseOptions(tileCount, level, 1, true, "FLAG");
        for (unsigned seed = 1; seed <= 200; ++seed) {
            ScriptedRandom random = ScriptedRandom::Seeded(seed);
            EngineRig rig(random);
            rig.engine.StartNewGame();
            std::map<int, int> counts;
            for (int k = 1; k <= tileCount; ++k) {
                const int tag = rig.engine.Cell(k).Tag.toInt();
                QVERIFY(tag >= 1 && tag <= 30);
                ++counts[tag];
                QCOMPARE(rig.view.faces[static_cast<std::size_t>(k)], QStringLiteral("FLAG") + QString::number(tag));
                QVERIFY(rig.engine.Cell(k).TileEnabled && rig.engine.Cell(k).FaceEnabled);
                QVERIFY(!rig.engine.Cell(k).FaceVisible);
                QCOMPARE(rig.engine.Cell(k).TilePic, TilePicture::Flip1);
            }
            QCOMPARE(static_cast<int>(counts.size()), tileCount / level);
            for (const auto& [tag, count] : counts) QCOMPARE(count, level);
            for (int k = tileCount + 1; k <= 60; ++k) {
                const BoardCell& c = rig.engine.Cell(k);
                QVERIFY(!c.TileEnabled && !c.TileVisible && !c.FaceEnabled && !c.FaceVisible);
            }
        }
    }

    void newGameLoadsFramesBeforeTurningTilesDownAndResetsEverything() {
        UseOptions(30, 2, 2, true, "ANIMAL", "GREEN");
        ScriptedRandom zero(0.0f);
        EngineRig rig(zero);
        rig.engine.StartNewGame();
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(2);  // mismatch: player 2 to play
        rig.engine.TileClicked(3);
        QCOMPARE(rig.engine.mintPlayer, qint16(2));
        rig.log.clear();
        rig.engine.StartNewGame();
        QCOMPARE(rig.engine.mintTilesUp, qint16(0));
        QCOMPARE(rig.engine.mintTile1 + rig.engine.mintTile2 + rig.engine.mintTile3, 0);
        QCOMPARE(rig.engine.mintPlayer, qint16(1));
        QCOMPARE(gudtPlayers(1).lngSetsFlipped + gudtPlayers(2).lngSetsFlipped, 0);
        QCOMPARE(gudtPlayers(1).strName, QStringLiteral("Ann, \"the\" [best]"));
        QCOMPARE(gudtPlayers(2).strName, QStringLiteral("Bob"));
        for (int k = 1; k <= 30; ++k) QVERIFY(!rig.engine.Cell(k).FaceVisible);
        const int status = static_cast<int>(rig.log.lines.indexOf(QStringLiteral("panel 1 Ann, \"the\" [best]")));
        const int flip = static_cast<int>(rig.log.lines.indexOf(QStringLiteral("load flip GREEN")));
        const int shrink = static_cast<int>(rig.log.lines.indexOf(QStringLiteral("load shrink GREEN")));
        const int back = static_cast<int>(rig.log.lines.indexOf(QStringLiteral("tile 1 Flip1")));
        QVERIFY(status >= 0 && status < flip && flip < shrink && shrink < back);
        QCOMPARE(rig.log.lines.filter(QStringLiteral("turn")), QStringList{"turn 1"});  // the turn came back, and is told
    }

    void aFaceThatCannotBeLoadedIsReportedAndEndsTheDeal() {
        ErrorRecorder errors;
        UseOptions(30, 2, 1);
        ScriptedRandom zero(0.0f);
        EngineRig rig(zero);
        rig.view.failFaceAt = 3;
        rig.engine.StartNewGame();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.reports.first().first, ErrorNumbers::ResourceNotFound);
        QVERIFY(rig.engine.Cell(2).TileEnabled);  // what was done stays done
    }

};

QTEST_GUILESS_MAIN(WholeGameTest)
#include "test_games.moc"
