// A turn: what each click does in each state of the current set, how the
// tiles turn and shrink, and what the status bar and the game clock show.
#include "EngineRig.h"

#include <QtTest>

// With draws of 0 the small board at match 2 holds the same picture on
// cells k and k + 15; at match 3 (M = 10) on k, k + 10 and k + 20.
class TurnTest : public QObject {
    Q_OBJECT

    ScriptedRandom zero{0.0f};

    // The log without the status bar's lines (and without the turn and game news).
    static QStringList Steps(const EventLog& log) {
        QStringList out;
        for (const QString& line : log.lines)
            if (!line.startsWith(QLatin1String("panel")) && !line.startsWith(QLatin1String("turn")) && !line.startsWith(QLatin1String("game over"))) out.append(line);
        return out;
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
        QCOMPARE(rig.log.lines.filter(QStringLiteral("turn")), QStringList{"turn 2"});  // told after the status bar
        QVERIFY(rig.log.lines.indexOf("turn 2") > rig.log.lines.indexOf("panel 1 Bob"));
        rig.log.clear();
        rig.engine.TileClicked(2);  // player 2 keeps tile 2 as the first of the set
        QCOMPARE(rig.engine.mintTile1, qint16(2));
        QCOMPARE(rig.engine.mintTile2, qint16(0));
        QCOMPARE(rig.engine.mintTilesUp, qint16(1));
        QVERIFY(rig.engine.Cell(2).FaceVisible && !rig.engine.Cell(1).FaceVisible);
        QCOMPARE(rig.log.lines.count(QStringLiteral("sound FLIP")), 1);
        QCOMPARE(gudtPlayers(2).lngSetsFlipped, 0);  // turning down is no set flipped
        rig.engine.TileClicked(17);                  // 2 and 17 match
        QCOMPARE(gudtPlayers(2).intMatches, qint16(1));
        QCOMPARE(rig.engine.mintPlayer, qint16(2));
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

    // The status bar and the clock.
    void onePlayerShowsNameSetsAndTime() {
        EngineRig rig(zero, {30, 2, 1});
        QCOMPARE(rig.view.panels[1], QStringLiteral("Ann"));
        QCOMPARE(rig.view.panels[2], QStringLiteral("Sets Flipped: 0"));
        QCOMPARE(rig.view.panels[3], QStringLiteral("Time: 0"));
        rig.engine.TileClicked(1);
        for (int i = 0; i < 75; ++i) rig.engine.GameClockTick();
        QCOMPARE(rig.view.panels[3], QStringLiteral("Time: 75"));
        rig.engine.TileClicked(2);
        QCOMPARE(rig.view.panels[2], QStringLiteral("Sets Flipped: 1"));
    }

    void twoPlayersShowTheMatchesOfWhoeverIsToPlayAndNoTime() {
        EngineRig rig(zero, {30, 2, 2});
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(16);  // Ann matches
        QCOMPARE(rig.view.panels[2], QStringLiteral("Matches: 1"));
        QCOMPARE(rig.view.panels[3], QString());
        rig.engine.TileClicked(2);
        rig.engine.TileClicked(3);  // mismatch: Bob
        QCOMPARE(rig.view.panels[1], QStringLiteral("Bob"));
        QCOMPARE(rig.view.panels[2], QStringLiteral("Matches: 0"));
        rig.engine.GameClockTick();  // the clock never runs, but a tick writes no time
        QCOMPARE(rig.view.panels[3], QString());
        rig.engine.TileClicked(4);
        rig.engine.TileClicked(5);  // Bob misses: Ann, with one match in two sets flipped
        QCOMPARE(rig.view.panels[1] + '|' + rig.view.panels[2], QStringLiteral("Ann|Matches: 1"));
    }

    // The flip and removal animations: frames, redraws, pauses and sounds in order.
    void oneTileUpShowsFramesTwoToSixThenItsFaceThenTheSound() {
        EngineRig rig(zero, {30, 2, 1});
        rig.log.clear();
        rig.engine.FlipTiles(7, 0, 0, 0);
        const QStringList expected{"tile 7 Flip2", "redraw 7", "pause 0.01", "tile 7 Flip3", "redraw 7", "pause 0.01",
                                   "tile 7 Flip4", "redraw 7", "pause 0.01", "tile 7 Flip5", "redraw 7", "pause 0.01",
                                   "tile 7 Flip6", "redraw 7", "pause 0.01", "face 7 on", "redraw face 7", "sound FLIP"};
        QCOMPARE(Steps(rig.log), expected);
    }

    void aMatchZapsThenShrinksThePairAwayLeavingTheThirdSlotAlone() {
        EngineRig rig(zero, {30, 2, 1});
        rig.engine.TileClicked(2);
        rig.log.clear();
        rig.engine.TileClicked(17);
        const QStringList steps = Steps(rig.log);
        const int zap = static_cast<int>(steps.indexOf(QStringLiteral("sound ZAP")));
        QVERIFY(zap > 0);
        QCOMPARE(steps[zap - 1], QStringLiteral("sound FLIP"));
        const QStringList expected{
            "tile 2 disabled", "tile 17 disabled", "face 2 disabled", "face 17 disabled", "pause 0.05", "face 2 off",
            "face 17 off", "tile 2 Shrink1", "redraw 2", "tile 17 Shrink1", "redraw 17", "pause 0.01",
            "tile 2 Shrink2", "redraw 2", "tile 17 Shrink2", "redraw 17", "pause 0.01",
            "tile 2 Shrink3", "redraw 2", "tile 17 Shrink3", "redraw 17", "pause 0.01",
            "tile 2 Shrink4", "redraw 2", "tile 17 Shrink4", "redraw 17", "pause 0.01",
            "tile 2 Shrink5", "redraw 2", "tile 17 Shrink5", "redraw 17", "pause 0.01", "tile 2 Empty", "tile 17 Empty"};
        QCOMPARE(steps.mid(zap + 1), expected);
    }

    void withSoundsOffTheFramesAndPausesAreTheSameButNothingPlays() {
        EngineRig rig(zero, {30, 3, 1, false});
        for (int k : {1, 11, 21}) rig.engine.TileClicked(static_cast<qint16>(k));
        QVERIFY(rig.sound.played.isEmpty());
        // three flips of 0.05 s and one removal of 0.10 s
        QCOMPARE(qRound(rig.pause.total * 100), 25);
        QCOMPARE(rig.engine.mintMatches, qint16(1));
    }

    void aColourChangeRepaintsDownAndUpTilesAndLeavesRemovedCellsEmpty() {
        EngineRig rig(zero, {30, 2, 1});
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(16);  // removed
        rig.engine.TileClicked(2);   // face up
        GameSettings.TileColor = QStringLiteral("GREEN");
        rig.log.clear();
        rig.engine.ChangeTileColor();
        QCOMPARE(rig.log.lines.mid(0, 2), (QStringList{"load flip GREEN", "load shrink GREEN"}));
        QVERIFY(rig.log.lines.contains(QStringLiteral("tile 2 Flip6")));
        QVERIFY(rig.log.lines.contains(QStringLiteral("tile 3 Flip1")));
        QVERIFY(!rig.log.lines.filter(QRegularExpression("^tile (1|16) ")).size());
        QVERIFY(!rig.log.lines.filter(QRegularExpression("^tile (3[1-9]|[45][0-9]|60) ")).size());
        QCOMPARE(rig.engine.mintTilesUp, qint16(1));  // the game goes on
    }

};

QTEST_GUILESS_MAIN(TurnTest)
#include "test_turns.moc"
