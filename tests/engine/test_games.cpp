// The deal, and whole games played by cell numbers against a known deal
// with the results they tell and offer to the score tables.
#include "EngineRig.h"

#include <QtTest>

#include <map>
#include <set>

namespace {

// Plays every set of the board in picture order. Every `missEvery`-th set
// is preceded by a deliberate mismatch (the first tile of the set paired
// with a tile of another picture), so turns pass and sets pile up.
void PlayThrough(EngineRig& rig, int missEvery = 0, int ticksPerSet = 0) {
    const int n = rig.options.TileCount;
    std::set<QString> done;
    int set = 0;
    for (int k = 1; k <= n; ++k) {
        const QString tag = rig.engine.Cell(k).Tag;
        if (done.count(tag)) continue;
        done.insert(tag);
        const std::vector<int> cells = rig.CellsWithTag(tag);
        ++set;
        if (missEvery && set % missEvery == 0 && static_cast<int>(done.size()) < rig.engine.SetsInPlay()) {
            // a wrong set first: this picture's first tile with tiles of others
            int clicked = 0;
            rig.engine.TileClicked(static_cast<qint16>(cells[0]));
            for (int j = 1; j <= n && clicked < rig.options.Level - 1; ++j) {
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

// Rows of board sizes and levels, named "small, match 2" and so on.
void BoardRows(std::initializer_list<std::pair<int, int>> boards) {
    QTest::addColumn<int>("tileCount");
    QTest::addColumn<int>("level");
    for (const auto& [tileCount, level] : boards) QTest::addRow("%s, match %d", tileCount == 30 ? "small" : "large", level) << tileCount << level;
}

}  // namespace

class WholeGameTest : public QObject {
    Q_OBJECT

private slots:
    // Both results are offered before the tables are shown, and they are
    // shown once when either entered.
    void onePlayerGamesTellAndOfferTheSetsAndSecondsPlayed_data() {
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("setsEnter");
        QTest::addColumn<bool>("timesEnter");
        QTest::newRow("small, match 2, both enter") << 30 << 2 << true << true;
        QTest::newRow("small, match 3, neither enters") << 30 << 3 << false << false;
        QTest::newRow("large, match 2, sets enter") << 60 << 2 << true << false;
        QTest::newRow("large, match 3, time enters") << 60 << 3 << false << true;
    }
    void onePlayerGamesTellAndOfferTheSetsAndSecondsPlayed() {
        QFETCH(int, tileCount);
        QFETCH(int, level);
        QFETCH(bool, setsEnter);
        QFETCH(bool, timesEnter);
        ErrorRecorder errors;
        ScriptedRandom random = ScriptedRandom::Seeded(42);
        EngineRig rig(random, {tileCount, level, 1});
        rig.choices.Name(1) = QStringLiteral("Ann, \"the\" [best]");
        rig.view.logDetail = false;
        rig.scores.setsEnter = setsEnter;
        rig.scores.timesEnter = timesEnter;
        qsizetype offersAtShow = -1;
        rig.view.onHighScore = [&] { offersAtShow = rig.scores.offers.size(); };
        rig.Deal();
        PlayThrough(rig, 4, 3);
        const int sets = tileCount / level;
        QCOMPARE(rig.engine.Turn().matches, qint16(sets));
        const qint32 flipped = rig.engine.Player(1).SetsFlipped;
        QVERIFY(flipped > sets);  // the mismatches count too
        const qint32 seconds = 3 * (sets - 1);  // the clock stops at the last match
        QCOMPARE(rig.engine.Turn().seconds, seconds);
        QVERIFY(!rig.clock.running);
        const bool shown = setsEnter || timesEnter;
        QCOMPARE(rig.view.highScoreShown, shown ? 1 : 0);
        QCOMPARE(offersAtShow, shown ? qsizetype(2) : qsizetype(-1));
        const QString name = rig.engine.Player(1).Name;
        QCOMPARE(rig.scores.offers.size(), 2);
        const auto& sets1 = rig.scores.offers[0];
        const auto& times = rig.scores.offers[1];
        QVERIFY(sets1.kind == ScoreKind::Sets && times.kind == ScoreKind::Times);
        QCOMPARE(QStringLiteral("%1 %2 %3|%4 %5 %6").arg(sets1.tileCount).arg(sets1.name).arg(sets1.score).arg(times.tileCount).arg(times.name).arg(times.score),
                 QStringLiteral("%1 %2 %3|%1 %2 %4").arg(tileCount).arg(name).arg(flipped).arg(seconds));
        // Told once, before the result is offered.
        QCOMPARE(rig.Lines("game over"), QStringList{QStringLiteral("game over %1 %2 Bob 0 1 sets %3 time %4").arg(name).arg(sets).arg(flipped).arg(seconds)});
        QCOMPARE(rig.log.lines.indexOf(rig.Lines("game over").first()), rig.log.lines.size() - (shown ? 2 : 1));
        QCOMPARE(errors.count(), 0);
    }

    void twoPlayerGamesTellBothPlayersMatchesAndRecordNothing_data() { BoardRows({{30, 2}, {60, 3}}); }
    void twoPlayerGamesTellBothPlayersMatchesAndRecordNothing() {
        QFETCH(int, tileCount);
        QFETCH(int, level);
        ScriptedRandom random = ScriptedRandom::Seeded(11);
        EngineRig rig(random, {tileCount, level, 2});
        rig.view.logDetail = false;
        PlayThrough(rig, 3);
        const qint16 m1 = rig.engine.Player(1).Matches;
        const qint16 m2 = rig.engine.Player(2).Matches;
        QCOMPARE(m1 + m2, tileCount / level);
        QVERIFY(m1 > 0 && m2 > 0);
        QCOMPARE(rig.view.results.size(), 1);
        const GameResult& result = rig.view.results.first();
        QCOMPARE(result.playerCount, 2);
        QCOMPARE(result.storedNames, (std::array<QString, 2>{"Ann", "Bob"}));
        QCOMPARE(result.matches, (std::array<qint16, 2>{m1, m2}));
        QCOMPARE(rig.engine.Turn().seconds, 0);
        QCOMPARE(rig.view.highScoreShown, 0);
        QVERIFY(rig.scores.offers.isEmpty());
    }

    // The deal: the exact order of draws of the two shuffles. The draws
    // reach the top of each shuffle's range, so a partner drawn from the
    // wrong range shows.
    void knownDrawsGiveTheKnownDeal_data() {
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("level");
        QTest::addColumn<std::vector<float>>("draws");
        QTest::addColumn<QString>("deal");
        const std::vector<float> draws{0.51f, 0.97f, 0.13f, 0.71f, 0.33f, 0.999f, 0.02f};
        QTest::newRow("small, match 2, zero draws")
            << 30 << 2 << std::vector<float>{0.0f}
            << "14 30 1 2 3 4 5 6 7 8 9 10 11 12 13 14 30 1 2 3 4 5 6 7 8 9 10 11 12 13";
        QTest::newRow("small, match 2") << 30 << 2 << draws
            << "3 7 10 8 6 1 24 22 28 30 8 4 3 6 9 16 26 2 22 9 4 7 28 30 2 24 10 26 16 1";
        QTest::newRow("small, match 3") << 30 << 3 << draws
            << "2 6 24 24 30 16 4 26 1 1 26 10 2 28 28 6 16 24 30 4 1 10 2 16 28 6 26 10 30 4";
        QTest::newRow("large, match 2") << 60 << 2 << draws
            << "17 25 26 23 24 29 28 27 30 18 16 10 2 3 1 13 4 7 22 6 11 21 8 5 14 12 15 13 9 27 "
               "17 20 19 23 30 18 21 28 10 4 24 6 2 16 1 22 26 3 29 9 7 8 12 5 11 20 15 14 25 19";
        QTest::newRow("large, match 3") << 60 << 3 << draws
            << "7 8 5 15 4 3 12 16 30 24 8 10 28 2 11 1 26 7 22 15 9 6 29 5 28 12 11 10 30 4 "
               "24 1 2 16 22 6 26 3 8 9 7 12 29 5 11 30 15 28 2 4 24 10 6 16 1 9 26 3 22 29";
    }
    void knownDrawsGiveTheKnownDeal() {
        QFETCH(int, tileCount);
        QFETCH(int, level);
        QFETCH(std::vector<float>, draws);
        QFETCH(QString, deal);
        ScriptedRandom random(draws);
        EngineRig rig(random, {tileCount, level, 1});
        QCOMPARE(rig.Tags(tileCount), deal);
        QCOMPARE(random.drawn, std::size_t(30 + tileCount));  // one draw a cell of each shuffle
        QCOMPARE(random.reseeds, 1);
    }

    void everyBoardHoldsEachPictureInPlayExactlyLevelTimes_data() { BoardRows({{30, 2}, {30, 3}, {60, 2}, {60, 3}}); }
    void everyBoardHoldsEachPictureInPlayExactlyLevelTimes() {
        QFETCH(int, tileCount);
        QFETCH(int, level);
        for (unsigned seed = 1; seed <= 200; ++seed) {
            ScriptedRandom random = ScriptedRandom::Seeded(seed);
            EngineRig rig(random, {tileCount, level, 1, true, "FLAG"});
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

    void aNewGameLoadsFramesBeforeTurningTilesDownAndResetsEverything() {
        ScriptedRandom zero(0.0f);
        EngineRig rig(zero, {30, 2, 2, true, "ANIMAL", "GREEN"});
        rig.Click({1, 2, 3});  // a mismatch: player 2 to play, one tile up
        rig.Use({60, 2, 2, true, "ANIMAL", "GREEN"});
        QCOMPARE(rig.engine.Turn().player, qint16(2));
        rig.log.clear();
        rig.Deal();
        QCOMPARE(rig.engine.Turn().tilesUp, qint16(0));
        QCOMPARE(rig.engine.Turn().tile1 + rig.engine.Turn().tile2 + rig.engine.Turn().tile3, 0);
        QCOMPARE(rig.engine.Turn().player, qint16(1));
        QCOMPARE(rig.engine.Player(1).SetsFlipped + rig.engine.Player(2).SetsFlipped, 0);
        QCOMPARE(rig.engine.Player(1).Name + rig.engine.Player(2).Name, QStringLiteral("AnnBob"));
        for (int k = 1; k <= 60; ++k) QVERIFY(!rig.engine.Cell(k).FaceVisible && rig.engine.Cell(k).TileEnabled);
        const auto at = [&](const char* line) { return rig.log.lines.indexOf(QLatin1String(line)); };
        QVERIFY(at("status 1 Ann sets 0 matches 0 time 0") == 0);
        QVERIFY(at("turn 1 Ann") == 1);  // the turn came back, and is told
        QVERIFY(at("load flip GREEN") < at("load shrink GREEN") && at("load shrink GREEN") < at("tile 1 Flip1"));
        QCOMPARE(rig.Lines("turn").size(), 1);
    }

    void aFaceThatCannotBeLoadedIsReportedOnceAndTheDealCompletes() {
        ErrorRecorder errors;
        ScriptedRandom zero(0.0f);
        EngineRig rig(zero, {30, 2, 1}, false);
        rig.view.failFaceAt = 3;
        rig.Deal();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.reports.first().first, ErrorNumbers::ResourceNotFound);
        for (int k = 1; k <= 30; ++k) {
            QVERIFY(rig.engine.Cell(k).TileEnabled && !rig.engine.Cell(k).FaceVisible);
            QCOMPARE(rig.view.faces[std::size_t(k)].isEmpty(), k == 3);
        }
        QVERIFY(!rig.engine.Cell(31).TileVisible);
    }
};

QTEST_GUILESS_MAIN(WholeGameTest)
#include "test_games.moc"
