// A turn: what each click does in each state of the current set.
#include "EngineRig.h"

#include <QtTest>

// With draws of 0 the small board at match 2 holds the same picture on
// cells k and k + 15; at match 3 (M = 10) on k, k + 10 and k + 20.
class TurnTest : public QObject {
    Q_OBJECT

    ScriptedRandom zero{0.0f};

    static int Count(const EngineRig& rig, const QString& line) {
        return static_cast<int>(rig.log.lines.count(line));
    }

private slots:
    void init() {
        gudtPlayers(1).strName = QStringLiteral("Ann");
        gudtPlayers(2).strName = QStringLiteral("Bob");
    }

    void clickingTheFaceUpFirstTileAgainDoesNothing() {
        EngineRig rig(zero, {30, 2, 1});
        rig.engine.TileClicked(4);
        rig.log.clear();
        rig.engine.TileClicked(4);
        QVERIFY(rig.log.lines.isEmpty());
        QCOMPARE(rig.engine.mintTilesUp, qint16(1));
        QCOMPARE(gudtPlayers(1).lngSetsFlipped, 0);
    }

    void aMatchKeepsTheTurnAndCountsForThatPlayer() {
        EngineRig rig(zero, {30, 2, 2});
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(16);
        QCOMPARE(rig.engine.mintPlayer, qint16(1));
        QCOMPARE(gudtPlayers(1).intMatches, qint16(1));
        QCOMPARE(gudtPlayers(1).lngSetsFlipped, 1);
        QCOMPARE(rig.engine.mintMatches, qint16(1));
        QCOMPARE(rig.engine.mintTilesUp, qint16(0));
        QVERIFY(!rig.engine.Cell(1).TileEnabled && !rig.engine.Cell(16).FaceEnabled);
        QCOMPARE(rig.engine.Cell(16).TilePic, TilePicture::Empty);
        QCOMPARE(rig.engine.Cell(16).Tag, rig.engine.Cell(1).Tag);  // the tag stays
        QCOMPARE(rig.view.panels[2], QStringLiteral("Matches: 1"));
        rig.log.clear();
        rig.engine.TileClicked(16);  // a removed cell takes no click
        QVERIFY(rig.log.lines.isEmpty());
    }

    void aMismatchPassesTheTurnAndTheNextClickOnAShownTileKeepsItUp() {
        EngineRig rig(zero, {30, 2, 2});
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(2);
        QCOMPARE(rig.engine.mintPlayer, qint16(2));
        QCOMPARE(rig.engine.mintTilesUp, qint16(2));
        QVERIFY(rig.engine.Cell(1).FaceVisible && rig.engine.Cell(2).FaceVisible);
        QCOMPARE(rig.view.panels[1], QStringLiteral("Bob"));
        rig.log.clear();
        rig.engine.TileClicked(2);  // player 2 keeps tile 2 as the first of the set
        QCOMPARE(rig.engine.mintTile1, qint16(2));
        QCOMPARE(rig.engine.mintTile2, qint16(0));
        QCOMPARE(rig.engine.mintTilesUp, qint16(1));
        QVERIFY(rig.engine.Cell(2).FaceVisible && !rig.engine.Cell(1).FaceVisible);
        QCOMPARE(Count(rig, "sound FLIP"), 1);
        QCOMPARE(gudtPlayers(2).lngSetsFlipped, 0);  // turning down is no set flipped
        rig.engine.TileClicked(17);                  // 2 and 17 match
        QCOMPARE(gudtPlayers(2).intMatches, qint16(1));
        QCOMPARE(rig.engine.mintPlayer, qint16(2));
    }

    void aClickElsewhereAfterAMismatchTurnsThePairDownAndTheNewTileUp() {
        EngineRig rig(zero, {30, 2, 2});
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(2);
        rig.log.clear();
        rig.engine.TileClicked(5);
        QCOMPARE(rig.engine.mintTile1, qint16(5));
        QCOMPARE(rig.engine.mintTilesUp, qint16(1));
        QVERIFY(!rig.engine.Cell(1).FaceVisible && !rig.engine.Cell(2).FaceVisible);
        QVERIFY(rig.engine.Cell(5).FaceVisible);
        QCOMPARE(rig.engine.Cell(1).TilePic, TilePicture::Flip1);
        QVERIFY(!rig.log.lines.contains(QStringLiteral("panel 2 Matches: 0")));  // no refresh
        // Clicking the second tile of the shown pair makes it the first.
        rig.engine.TileClicked(7);  // mismatch: turn back to Ann
        rig.engine.TileClicked(7);
        QCOMPARE(rig.engine.mintTile1, qint16(7));
        QVERIFY(!rig.engine.Cell(5).FaceVisible);
        QCOMPARE(rig.engine.mintPlayer, qint16(1));
    }

    void onePlayerMismatchKeepsPlayerOneAndDoesNotRefreshTwice() {
        EngineRig rig(zero, {30, 2, 1});
        rig.engine.TileClicked(1);
        rig.log.clear();
        rig.engine.TileClicked(2);
        QCOMPARE(rig.engine.mintPlayer, qint16(1));
        QCOMPARE(Count(rig, "panel 2 Sets Flipped: 1"), 1);  // only the completing click's refresh
        QCOMPARE(rig.engine.mintTilesUp, qint16(2));
    }

    void matchThreeIgnoresShownTilesOfAnIncompleteTriple() {
        EngineRig rig(zero, {30, 3, 1});
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(11);
        QCOMPARE(gudtPlayers(1).lngSetsFlipped, 0);
        rig.log.clear();
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(11);
        QVERIFY(rig.log.lines.isEmpty());
        rig.engine.TileClicked(21);
        QCOMPARE(gudtPlayers(1).lngSetsFlipped, 1);
        QCOMPARE(rig.engine.mintMatches, qint16(1));
    }

    void matchThreeSecondTileRefreshesTheStatusBarWithoutCounting() {
        EngineRig rig(zero, {30, 3, 1});
        rig.engine.TileClicked(1);
        rig.log.clear();
        rig.engine.TileClicked(2);
        QCOMPARE(Count(rig, "panel 2 Sets Flipped: 0"), 1);
    }

    void aTripleIsJudgedOnAllThreeTags_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<bool>("match");
        QTest::newRow("all equal") << 3 << 13 << 23 << true;
        QTest::newRow("first two equal, third differs") << 3 << 13 << 4 << false;
        QTest::newRow("last two equal, first differs") << 4 << 13 << 23 << false;
    }
    void aTripleIsJudgedOnAllThreeTags() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(bool, match);
        EngineRig rig(zero, {30, 3, 1});
        for (int k : {a, b, c}) rig.engine.TileClicked(static_cast<qint16>(k));
        QCOMPARE(rig.engine.mintMatches, qint16(match ? 1 : 0));
        QCOMPARE(rig.engine.mintTilesUp, qint16(match ? 0 : 3));
    }

    void afterAnUnmatchedTripleEachShownTileCanStartTheNextSet_data() {
        QTest::addColumn<int>("click");
        QTest::addColumn<QList<int>>("goDown");
        QTest::newRow("first") << 1 << QList<int>{2, 3};
        QTest::newRow("second") << 2 << QList<int>{1, 3};
        QTest::newRow("third") << 3 << QList<int>{1, 2};
        QTest::newRow("another") << 4 << QList<int>{1, 2, 3};
    }
    void afterAnUnmatchedTripleEachShownTileCanStartTheNextSet() {
        QFETCH(int, click);
        QFETCH(QList<int>, goDown);
        EngineRig rig(zero, {30, 3, 2});
        for (int k : {1, 2, 3}) rig.engine.TileClicked(static_cast<qint16>(k));
        QCOMPARE(rig.engine.mintPlayer, qint16(2));
        rig.engine.TileClicked(static_cast<qint16>(click));
        QCOMPARE(rig.engine.mintTile1, qint16(click));
        QCOMPARE(rig.engine.mintTile2 + rig.engine.mintTile3, 0);
        QCOMPARE(rig.engine.mintTilesUp, qint16(1));
        QVERIFY(rig.engine.Cell(click).FaceVisible);
        for (int k : goDown) QVERIFY(!rig.engine.Cell(k).FaceVisible);
    }

    void theClockStartsWithTheFirstClickOfAOnePlayerGameOnly() {
        EngineRig rig(zero, {30, 2, 1});
        QVERIFY(!rig.clock.running);
        rig.engine.TileClicked(1);
        QVERIFY(rig.clock.running);
        rig.engine.TileClicked(1);  // ignored click, clock untouched
        QCOMPARE(rig.clock.starts, 1);
        UseOptions(30, 2, 2);
        rig.engine.StartNewGame();
        QVERIFY(!rig.clock.running);
        rig.engine.TileClicked(1);
        QVERIFY(!rig.clock.running);
    }

    void aNewGameInTheMiddleOfASetLeavesNothingFaceUp() {
        EngineRig rig(zero, {60, 3, 1});
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(2);
        rig.engine.StartNewGame();
        QCOMPARE(rig.engine.mintTilesUp, qint16(0));
        for (int k = 1; k <= 60; ++k) QVERIFY(!rig.engine.Cell(k).FaceVisible);
        QVERIFY(!rig.clock.running);
    }
};

QTEST_GUILESS_MAIN(TurnTest)
#include "test_turns.moc"
