#pragma once
// A rule book wired to the kit's recorders, for tests that link the engine
// alone. The player's choices are the rig's own; no store is involved.

#include "Doubles.h"
#include "GameEngine.h"

#include <vector>

struct RigOptions {
    int tileCount = 30;
    int level = 2;
    int players = 1;
    bool sounds = true;
    const char* images = "ANIMAL";
    const char* color = "BLUE";
};

struct EngineRig {
    PlayerChoices choices;
    GameSettingsRecord& options = choices.options;
    EventLog log;
    RecordingView view{log};
    FakeGameClock clock;
    RecordingPause pause;
    RecordingSound sound;
    MemoryScoreBook scores;
    GameEngine engine;

    // Sets the options and the names "Ann" and "Bob"; deals the first game
    // unless told not to.
    EngineRig(IRandomSource& random, RigOptions o, bool deal = true)
        : engine(scores, view, view, clock, pause, sound, random) {
        pause.log = &log;
        sound.log = &log;
        Use(o);
        choices.Name(1) = QStringLiteral("Ann");
        choices.Name(2) = QStringLiteral("Bob");
        if (deal) engine.StartNewGame(choices);
    }

    void Use(RigOptions o) {
        options.TileCount = static_cast<qint16>(o.tileCount);
        options.Level = static_cast<qint16>(o.level);
        options.PlayerCount = static_cast<qint16>(o.players);
        options.Images = QString::fromLatin1(o.images);
        options.TileColor = QString::fromLatin1(o.color);
        choices.playSound = o.sounds;
    }

    // A new game with the rig's choices as they stand.
    void Deal() { engine.StartNewGame(choices); }

    void Click(std::initializer_list<int> cells) {
        for (int k : cells) engine.TileClicked(static_cast<qint16>(k));
    }

    // The tags of cells 1..n, a blank between each.
    QString Tags(int n) const {
        QStringList tags;
        for (int k = 1; k <= n; ++k) tags << engine.Cell(k).Tag;
        return tags.join(QLatin1Char(' '));
    }

    // The cells that carry picture tag, in cell order.
    std::vector<int> CellsWithTag(const QString& tag) const {
        std::vector<int> cells;
        for (int k = 1; k <= options.TileCount; ++k)
            if (engine.Cell(k).Tag == tag) cells.push_back(k);
        return cells;
    }

    // The log's lines that begin with prefix.
    QStringList Lines(const QString& prefix) const {
        QStringList out;
        for (const QString& line : log.lines)
            if (line.startsWith(prefix)) out.append(line);
        return out;
    }
};
