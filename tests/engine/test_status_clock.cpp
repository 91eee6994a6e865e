// The status bar's texts and the game clock's tick.
#include "EngineRig.h"

#include <QtTest>

class StatusClockTest : public QObject {
    Q_OBJECT
    ScriptedRandom zero{0.0f};

private slots:
    void init() {
        gudtPlayers(1).strName = QStringLiteral("<b>Ann</b>");
        gudtPlayers(2).strName = QStringLiteral("Bob");
    }

    void onePlayerShowsNameSetsAndTime() {
        EngineRig rig(zero, {30, 2, 1});
        QCOMPARE(rig.view.panels[1], QStringLiteral("<b>Ann</b>"));
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
    }

    void theClockStopsAt99999AndKeepsShowingIt() {
        EngineRig rig(zero, {30, 2, 1});
        rig.engine.TileClicked(1);
        rig.engine.mlngSeconds = 99998;
        rig.engine.GameClockTick();
        QCOMPARE(rig.view.panels[3], QStringLiteral("Time: 99999"));
        QVERIFY(rig.clock.running);
        rig.engine.GameClockTick();
        QVERIFY(!rig.clock.running);
        QCOMPARE(rig.engine.mlngSeconds, 99999);
        QCOMPARE(rig.view.panels[3], QStringLiteral("Time: 99999"));
    }

    void aNewGameResetsTheTimeAndStopsTheClockUntilTheNextFirstClick() {
        EngineRig rig(zero, {30, 2, 1});
        rig.engine.TileClicked(1);
        rig.engine.GameClockTick();
        rig.engine.StartNewGame();
        QVERIFY(!rig.clock.running);
        QCOMPARE(rig.view.panels[3], QStringLiteral("Time: 0"));
        rig.engine.TileClicked(3);
        QVERIFY(rig.clock.running);
    }
};

QTEST_GUILESS_MAIN(StatusClockTest)
#include "test_status_clock.moc"
