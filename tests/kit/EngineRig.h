#pragma once
// A rule book wired to the kit's recorders, for tests that link the engine
// alone. The options, the sound switch and the player table are this test's
// own, under the names the program gives them; no store is involved.

#include "Doubles.h"
#include "GameEngine.h"

#include <vector>

inline GameSettingsRecord GameSettings;
inline bool gblnPlaySound = true;
inline PlayerTable gudtPlayers;

// Sets the options a test plays with (names untouched).
inline void UseOptions(int tileCount, int level, int players, bool sounds = true, const char* images = "ANIMAL",
                       const char* color = "BLUE") {
    GameSettings.TileCount = static_cast<qint16>(tileCount);
    GameSettings.Level = static_cast<qint16>(level);
    GameSettings.PlayerCount = static_cast<qint16>(players);
    GameSettings.Images = QString::fromLatin1(images);
    GameSettings.TileColor = QString::fromLatin1(color);
    gblnPlaySound = sounds;
}

struct RigOptions {
    int tileCount = 30;
    int level = 2;
    int players = 1;
    bool sounds = true;
};

struct EngineRig {
    EventLog log;
    RecordingView view{log, GameSettings};
    FakeGameClock clock;
    RecordingPause pause;
    RecordingSound sound;
    MemoryScoreBook scores;
    GameEngine engine;

    explicit EngineRig(IRandomSource& random)
        : engine({GameSettings, gblnPlaySound, gudtPlayers, scores}, view, clock, pause, sound, random) {
        pause.log = &log;
        sound.log = &log;
    }
    // Sets the options and deals the first game.
    EngineRig(IRandomSource& random, RigOptions o) : EngineRig(random) {
        UseOptions(o.tileCount, o.level, o.players, o.sounds);
        engine.StartNewGame();
    }
};

// The tags of cells 1..n as numbers.
inline std::vector<int> Tags(const GameEngine& engine, int n) {
    std::vector<int> tags;
    for (int k = 1; k <= n; ++k) tags.push_back(engine.Cell(k).Tag.toInt());
    return tags;
}

// The cells that carry picture tag, in cell order.
inline std::vector<int> CellsWithTag(const GameEngine& engine, const QString& tag) {
    std::vector<int> cells;
    for (int k = 1; k <= GameSettings.TileCount; ++k)
        if (engine.Cell(k).Tag == tag) cells.push_back(k);
    return cells;
}
