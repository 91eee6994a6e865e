// The deal: the exact two-shuffle order of draws, and what every board holds.
#include "EngineRig.h"

#include <QtTest>

#include <map>

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
}  // namespace

class DealTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gudtPlayers(1).strName = QStringLiteral("Ann"); gudtPlayers(2).strName = QStringLiteral("Bob"); }

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

    void drawsJustBelowOnePartnerWithCell30ThenCellM() {
        // Step 3 always exchanges with cell 30 and step 5 with cell 15.
        UseOptions(30, 2, 1);
        ScriptedRandom high(std::nextafter(1.0f, 0.0f));
        EngineRig rig(high);
        rig.engine.StartNewGame();
        const auto expected = Concat(Concat(Concat(Seq({14, 30}), Range(1, 12)), Seq({14, 13, 30})), Range(1, 13));
        QCOMPARE(Tags(rig.engine, 30), expected);
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
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("level");
        QTest::newRow("small, match 2") << 30 << 2;
        QTest::newRow("small, match 3") << 30 << 3;
        QTest::newRow("large, match 2") << 60 << 2;
        QTest::newRow("large, match 3") << 60 << 3;
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
        QCOMPARE(gudtPlayers(1).strName, QStringLiteral("Ann"));
        QCOMPARE(gudtPlayers(2).strName, QStringLiteral("Bob"));
        for (int k = 1; k <= 30; ++k) QVERIFY(!rig.engine.Cell(k).FaceVisible);
        const int status = static_cast<int>(rig.log.lines.indexOf(QStringLiteral("panel 1 Ann")));
        const int flip = static_cast<int>(rig.log.lines.indexOf(QStringLiteral("load flip GREEN")));
        const int shrink = static_cast<int>(rig.log.lines.indexOf(QStringLiteral("load shrink GREEN")));
        const int back = static_cast<int>(rig.log.lines.indexOf(QStringLiteral("tile 1 Flip1")));
        QVERIFY(status >= 0 && status < flip && flip < shrink && shrink < back);
    }

    void switchingFromLargeToSmallTakesCells31To60OutOfPlay() {
        ScriptedRandom zero(0.0f);
        EngineRig rig(zero);
        UseOptions(60, 2, 1);
        rig.engine.StartNewGame();
        UseOptions(30, 2, 1);
        rig.engine.StartNewGame();
        rig.engine.TileClicked(45);
        QCOMPARE(rig.engine.mintTilesUp, qint16(0));
        QVERIFY(!rig.clock.running);
        UseOptions(60, 2, 1);
        rig.engine.StartNewGame();
        for (int k = 1; k <= 60; ++k) QVERIFY(rig.engine.Cell(k).TileEnabled && rig.engine.Cell(k).TileVisible);
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

QTEST_GUILESS_MAIN(DealTest)
#include "test_deal.moc"
