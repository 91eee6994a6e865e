// A turn: what each click does in each state of the current set, how the
// tiles turn and shrink, the facts told on the way, and the game clock.
#include "EngineRig.h"

#include <QtTest>

// With draws of 0 the small board at match 2 holds the same picture on
// cells k and k + 15; at match 3 (M = 10) on k, k + 10 and k + 20.
class TurnTest : public QObject {
    Q_OBJECT

    ScriptedRandom zero{0.0f};

    // The log of the cells, the pauses and the sounds, without the facts.
    static QStringList Steps(const EventLog& log) {
        static const QRegularExpression fact(QStringLiteral("^(status|seconds|turn|turned|set|back|game over) "));
        QStringList out;
        for (const QString& line : log.lines)
            if (!fact.match(line).hasMatch()) out.append(line);
        return out;
    }

private slots:

    void clickingTheFaceUpFirstTileAgainDoesNothing() {
        EngineRig rig(zero, {30, 2, 1});
        rig.engine.TileClicked(4);
        rig.log.clear();
        rig.engine.TileClicked(4);
        QVERIFY(rig.log.lines.isEmpty());
        QCOMPARE(rig.engine.Turn().tilesUp, qint16(1));
        QCOMPARE(rig.engine.Player(1).SetsFlipped, 0);
    }

    void aMatchKeepsTheTurnAndCountsForThatPlayer() {
        EngineRig rig(zero, {30, 2, 2});
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(16);
        QCOMPARE(rig.engine.Turn().player, qint16(1));
        QCOMPARE(rig.engine.Player(1).Matches, qint16(1));
        QCOMPARE(rig.engine.Player(1).SetsFlipped, 1);
        QCOMPARE(rig.engine.Turn().matches, qint16(1));
        QCOMPARE(rig.engine.Turn().tilesUp, qint16(0));
        QVERIFY(!rig.engine.Cell(1).TileEnabled && !rig.engine.Cell(16).FaceEnabled);
        QCOMPARE(rig.engine.Cell(16).TilePic, TilePicture::Empty);
        QCOMPARE(rig.engine.Cell(16).Tag, rig.engine.Cell(1).Tag);  // the tag stays
        QCOMPARE(rig.view.status.matches, qint16(1));
        rig.log.clear();
        rig.engine.TileClicked(16);  // a removed cell takes no click
        QVERIFY(rig.log.lines.isEmpty());
    }

    void aMismatchPassesTheTurnAndTheNextClickOnAShownTileKeepsItUp() {
        EngineRig rig(zero, {30, 2, 2});
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(2);
        QCOMPARE(rig.engine.Turn().player, qint16(2));
        QCOMPARE(rig.engine.Turn().tilesUp, qint16(2));
        QVERIFY(rig.engine.Cell(1).FaceVisible && rig.engine.Cell(2).FaceVisible);
        // The set, then the status of the player to come, then the turn.
        QCOMPARE(rig.log.lines.mid(rig.log.lines.indexOf("set miss 1 2")),
                 (QStringList{"set miss 1 2", "status 2 Bob sets 0 matches 0 time 0", "turn 2 Bob"}));
        rig.log.clear();
        rig.engine.TileClicked(2);  // player 2 keeps tile 2 as the first of the set
        QCOMPARE(rig.engine.Turn().tile1, qint16(2));
        QCOMPARE(rig.engine.Turn().tile2, qint16(0));
        QCOMPARE(rig.engine.Turn().tilesUp, qint16(1));
        QVERIFY(rig.engine.Cell(2).FaceVisible && !rig.engine.Cell(1).FaceVisible);
        QCOMPARE(rig.log.lines.count(QStringLiteral("sound FLIP")), 1);
        QCOMPARE(rig.engine.Player(2).SetsFlipped, 0);  // turning down is no set flipped
        rig.engine.TileClicked(17);                  // 2 and 17 match
        QCOMPARE(rig.engine.Player(2).Matches, qint16(1));
        QCOMPARE(rig.engine.Turn().player, qint16(2));
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
        QCOMPARE(rig.engine.Turn().matches, qint16(match ? 1 : 0));
        QCOMPARE(rig.engine.Turn().tilesUp, qint16(match ? 0 : 3));
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
        QCOMPARE(rig.engine.Turn().player, qint16(2));
        rig.engine.TileClicked(static_cast<qint16>(click));
        QCOMPARE(rig.engine.Turn().tile1, qint16(click));
        QCOMPARE(rig.engine.Turn().tile2 + rig.engine.Turn().tile3, 0);
        QCOMPARE(rig.engine.Turn().tilesUp, qint16(1));
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
        rig.Use({30, 2, 2});
        rig.Deal();
        QVERIFY(!rig.clock.running);
        rig.engine.TileClicked(1);
        QVERIFY(!rig.clock.running);
    }

    void eachTickCountsASecondUpTo99999WhereTheClockStops() {
        EngineRig rig(zero, {30, 2, 1});
        rig.engine.TileClicked(1);
        for (int i = 1; i <= 75; ++i) {
            rig.engine.GameClockTick();
            QCOMPARE(rig.view.seconds, i);
        }
        QCOMPARE(rig.engine.Turn().seconds, 75);
        rig.engine.TileClicked(2);
        QCOMPARE(rig.view.status.seconds, 75);  // the status carries the time too
        while (rig.engine.Turn().seconds < 99998) rig.engine.GameClockTick();
        rig.engine.GameClockTick();
        QCOMPARE(rig.view.seconds, 99999);
        QVERIFY(rig.clock.running);
        rig.log.clear();
        rig.engine.GameClockTick();
        QCOMPARE(rig.engine.Turn().seconds, 99999);
        QVERIFY(!rig.clock.running);
        QVERIFY(rig.log.lines.isEmpty());
    }

    // What the status tells: whose turn, their sets (one player) or matches (two).
    void theStatusFollowsTheCountersOfWhoeverIsToPlay() {
        EngineRig rig(zero, {30, 2, 1});
        QCOMPARE(rig.Lines("status"), QStringList{"status 1 Ann sets 0 matches 0 time 0"});
        rig.Click({1, 2});
        QCOMPARE(rig.view.status.setsFlipped, 1);
        QCOMPARE(rig.view.status.playerCount, 1);
        rig.Use({30, 2, 2});
        rig.Deal();
        rig.log.clear();
        rig.Click({1, 16});          // Ann matches
        rig.Click({2, 3});           // and misses: Bob
        rig.engine.GameClockTick();  // the clock never runs, but a tick tells no time
        rig.Click({4, 5});           // Bob misses: Ann, with one match in two sets flipped
        QCOMPARE(rig.Lines("status"), (QStringList{"status 1 Ann sets 1 matches 0 time 0",
                                                    "status 1 Ann sets 1 matches 1 time 0",
                                                    "status 1 Ann sets 2 matches 1 time 0",
                                                    "status 2 Bob sets 0 matches 0 time 0",
                                                    "status 2 Bob sets 1 matches 0 time 1",
                                                    "status 1 Ann sets 2 matches 1 time 1"}));
        QCOMPARE(rig.view.status.playerCount, 2);
        QVERIFY(rig.Lines("seconds").isEmpty());
    }

    // Each tile turned, each set ended and each set turned back, with its cells.
    void theTilesAndSetsAreToldAsTheyTurn() {
        EngineRig rig(zero, {30, 3, 2});
        rig.Click({1, 2, 3, 2, 12, 22});  // a miss; then tile 2 starts a match
        QCOMPARE(rig.Lines("turned") + rig.Lines("set") + rig.Lines("back"),
                 (QStringList{"turned 1 up 9", "turned 2 up 30", "turned 3 up 1", "turned 1 down 9",
                              "turned 3 down 1", "turned 12 up 30", "turned 22 up 30",
                              "set miss 1 2 3", "set match 2 12 22", "back 1 3"}));
        const int back = static_cast<int>(rig.log.lines.indexOf("back 1 3"));
        QVERIFY(rig.log.lines.indexOf("turned 3 down 1") < back && back < rig.log.lines.indexOf("turned 12 up 30"));
    }

    // The flip and removal animations: frames, redraws, pauses and sounds in order.
    void oneTileUpShowsFramesTwoToSixThenItsFaceThenTheSound() {
        EngineRig rig(zero, {30, 2, 1});
        rig.log.clear();
        rig.engine.FlipTiles(7, 0, 0, 0);
        QStringList expected;
        for (int frame = 2; frame <= 6; ++frame) expected << QStringLiteral("tile 7 Flip%1").arg(frame) << "redraw 7" << "pause 0.01";
        QCOMPARE(Steps(rig.log), expected + QStringList({"face 7 on", "redraw face 7", "sound FLIP"}));
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
        QStringList expected{"tile 2 disabled", "tile 17 disabled", "face 2 disabled", "face 17 disabled", "pause 0.05", "face 2 off", "face 17 off"};
        for (const QString frame : {"1", "2", "3", "4", "5"})
            expected << "tile 2 Shrink" + frame << "redraw 2" << "tile 17 Shrink" + frame << "redraw 17" << "pause 0.01";
        QCOMPARE(steps.mid(zap + 1), expected + QStringList({"tile 2 Empty", "tile 17 Empty"}));
    }

    void withSoundsOffTheFramesAndPausesAreTheSameButNothingPlays() {
        EngineRig rig(zero, {30, 3, 1, false});
        for (int k : {1, 11, 21}) rig.engine.TileClicked(static_cast<qint16>(k));
        QVERIFY(rig.sound.played.isEmpty());
        // three flips of 0.05 s and one removal of 0.10 s
        QCOMPARE(qRound(rig.pause.total * 100), 25);
        QCOMPARE(rig.engine.Turn().matches, qint16(1));
    }

    void aColourChangeRepaintsDownAndUpTilesAndLeavesRemovedCellsEmpty() {
        EngineRig rig(zero, {30, 2, 1});
        rig.engine.TileClicked(1);
        rig.engine.TileClicked(16);  // removed
        rig.engine.TileClicked(2);   // face up
        rig.options.TileColor = QStringLiteral("GREEN");
        rig.log.clear();
        rig.engine.ChangeTileColor(rig.options.TileColor);
        QCOMPARE(rig.log.lines.mid(0, 2), (QStringList{"load flip GREEN", "load shrink GREEN"}));
        QVERIFY(rig.log.lines.contains(QStringLiteral("tile 2 Flip6")));
        QVERIFY(rig.log.lines.contains(QStringLiteral("tile 3 Flip1")));
        QVERIFY(!rig.log.lines.filter(QRegularExpression("^tile (1|16) ")).size());
        QVERIFY(!rig.log.lines.filter(QRegularExpression("^tile (3[1-9]|[45][0-9]|60) ")).size());
        QCOMPARE(rig.engine.Turn().tilesUp, qint16(1));  // the game goes on
    }

};

QTEST_GUILESS_MAIN(TurnTest)
#include "test_turns.moc"
