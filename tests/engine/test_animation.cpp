// Flip and removal: the frames, redraws, pauses and sounds, in order.
#include "EngineRig.h"

#include <QtTest>

class AnimationTest : public QObject {
    Q_OBJECT

    ScriptedRandom zero{0.0f};

    // The log from the first line that starts with `from`, without panel lines.
    static QStringList Steps(const EventLog& log) {
        QStringList out;
        for (const QString& line : log.lines) {
            if (!line.startsWith(QLatin1String("panel"))) out.append(line);
        }
        return out;
    }

private slots:
    void init() { gudtPlayers(1).strName = QStringLiteral("Ann"); }

    void oneTileUpShowsFramesTwoToSixThenItsFaceThenTheSound() {
        EngineRig rig(zero, {30, 2, 1});
        rig.log.clear();
        rig.engine.FlipTiles(7, 0, 0, 0);
        QStringList expected;
        for (int f = 2; f <= 6; ++f) {
            expected << QStringLiteral("tile 7 Flip%1").arg(f) << QStringLiteral("redraw 7") << QStringLiteral("pause 0.01");
        }
        expected << "face 7 on" << "redraw face 7" << "sound FLIP";
        QCOMPARE(Steps(rig.log), expected);
    }

    void oneUpAndThreeDownChangeFrameTogetherInEveryStep() {
        EngineRig rig(zero, {30, 3, 1});
        rig.log.clear();
        rig.engine.FlipTiles(4, 1, 2, 3);
        QStringList expected{"face 1 off", "face 2 off", "face 3 off"};
        for (int f = 2; f <= 6; ++f) {
            expected << QStringLiteral("tile 4 Flip%1").arg(f) << "redraw 4";
            for (int d : {1, 2, 3}) expected << QStringLiteral("tile %1 Flip%2").arg(d).arg(7 - f) << QStringLiteral("redraw %1").arg(d);
            expected << "pause 0.01";
        }
        expected << "face 4 on" << "redraw face 4" << "sound FLIP";
        QCOMPARE(Steps(rig.log), expected);
    }

    void onlyTilesGoingDownStillPlayTheFlipSoundAndShowNoFace() {
        EngineRig rig(zero, {30, 2, 1});
        rig.log.clear();
        rig.engine.FlipTiles(0, 5, 0, 0);
        const QStringList steps = Steps(rig.log);
        QCOMPARE(steps.first(), QStringLiteral("face 5 off"));
        QCOMPARE(steps.count(QStringLiteral("pause 0.01")), 5);
        QCOMPARE(steps.last(), QStringLiteral("sound FLIP"));
        QVERIFY(!steps.contains(QStringLiteral("face 5 on")));
        QCOMPARE(rig.engine.Cell(5).TilePic, TilePicture::Flip1);
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
        QStringList expected{"tile 2 disabled", "tile 17 disabled", "face 2 disabled", "face 17 disabled",
                             "pause 0.05", "face 2 off", "face 17 off"};
        for (int f = 1; f <= 5; ++f) {
            expected << QStringLiteral("tile 2 Shrink%1").arg(f) << "redraw 2" << QStringLiteral("tile 17 Shrink%1").arg(f)
                     << "redraw 17" << "pause 0.01";
        }
        expected << "tile 2 Empty" << "tile 17 Empty";
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

QTEST_GUILESS_MAIN(AnimationTest)
#include "test_animation.moc"
