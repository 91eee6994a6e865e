// The rule book on its own: deals per second and whole games per second,
// with a board that draws nothing and pauses that take no time.
#include "GameEngine.h"
#include "Doubles.h"

#include <benchmark/benchmark.h>

#include <set>

namespace {

class NullView final : public ICellView, public IGameView {
public:
    void LoadFlipFrames(const QString&) noexcept override {}
    void LoadShrinkFrames(const QString&) noexcept override {}
    void SetTilePicture(int, TilePicture) override {}
    void SetTileEnabled(int, bool) override {}
    void SetTileVisible(int, bool) override {}
    void RedrawTile(int) override {}
    void LoadFacePicture(int, const QString&, const QString&) override {}
    void SetFaceVisible(int, bool) override {}
    void SetFaceEnabled(int, bool) override {}
    void RedrawFace(int) override {}
    void StatusChanged(const GameStatus&) override {}
    void SecondsChanged(qint32) override {}
    void TurnPassed(int, const QString&) override {}
    void GameOver(const GameResult&) override {}
    void NewHighScore() override {}
};

class NullClock final : public IGameClock {
public:
    void SetEnabled(bool e) override { m_on = e; }
    bool IsEnabled() const override { return m_on; }

private:
    bool m_on = false;
};

// Every result enters: the bench measures the rule book, not the store.
class NoScores final : public IScoreBook {
public:
    bool OfferScore(ScoreKind, int, const QString&, qint32) override { return true; }
};

struct Rig {
    NullView view;
    NullClock clock;
    RecordingPause pause;  // takes no time
    SilentSound sound;
    NoScores scores;
    ClockSeededRandom random;
    GameEngine engine{scores, view, view, clock, pause, sound, random};
    PlayerChoices choices;

    Rig(int tileCount, int level, int players) {
        choices.options = {QStringLiteral("ANIMAL"), static_cast<qint16>(level), static_cast<qint16>(players),
                           QStringLiteral("BLUE"), static_cast<qint16>(tileCount)};
        choices.playSound = true;
        choices.names = {QStringLiteral("Player 1"), QStringLiteral("Player 2")};
    }
    void Deal() { engine.StartNewGame(choices); }
};

void BM_Deal(benchmark::State& state) {
    Rig rig(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 1);
    for (auto _ : state) {
        rig.Deal();
        benchmark::DoNotOptimize(rig.engine.Cell(1).Tag);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Deal)->Args({30, 2})->Args({60, 3})->Args({60, 2});

// A two-player game (so no score table is written): every set found after
// one miss, alternating turns.
void BM_WholeGame(benchmark::State& state) {
    Rig rig(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 2);
    const int n = rig.choices.options.TileCount;
    for (auto _ : state) {
        rig.Deal();
        std::set<QString> done;
        for (int k = 1; k <= n; ++k) {
            const QString tag = rig.engine.Cell(k).Tag;
            if (!done.insert(tag).second) continue;
            for (int j = 1; j <= n; ++j) {
                if (rig.engine.Cell(j).Tag == tag) rig.engine.TileClicked(static_cast<qint16>(j));
            }
        }
        benchmark::DoNotOptimize(rig.engine.Turn().matches);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WholeGame)->Args({30, 2})->Args({60, 3})->Args({60, 2});

}  // namespace

BENCHMARK_MAIN();
