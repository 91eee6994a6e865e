#pragma once
// Recording stand-ins for everything the rule book drives, so a whole game
// runs and can be watched without a window.

#include "ErrorTrap.h"
#include "GameEngine.h"
#include "GameSettings.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

// Every call in one shared log, in order: "tile 5 Flip2", "redraw 5",
// "face 5 on", "pause 0.01", "sound FLIP", ...
struct EventLog {
    QStringList lines;
    void add(const QString& s) { lines.append(s); }
    void clear() { lines.clear(); }
};

inline QString PictureText(TilePicture p) {
    const int v = static_cast<int>(p);
    if (v == 0) return QStringLiteral("Empty");
    return v <= 6 ? QStringLiteral("Flip%1").arg(v) : QStringLiteral("Shrink%1").arg(v - 10);
}

class RecordingView : public IBoardView {
public:
    explicit RecordingView(EventLog& log) : m_log(log) {}

    std::array<QString, 4> panels;  // 1..3
    std::array<QString, 61> faces;  // resource name loaded per cell
    int highScoreShown = 0;
    QStringList gameOverTexts;
    bool logDetail = true;  // frames, redraws and faces; off for long games
    int failFaceAt = 0;     // a cell whose face cannot be loaded
    std::function<void()> onHighScore;

    void LoadFlipFrames() noexcept override { m_log.add("load flip " + GameSettings.TileColor); }
    void LoadShrinkFrames() noexcept override { m_log.add("load shrink " + GameSettings.TileColor); }
    void SetTilePicture(int cell, TilePicture picture) override { detail(QStringLiteral("tile %1 %2").arg(cell).arg(PictureText(picture))); }
    void SetTileEnabled(int cell, bool on) override { detail(QStringLiteral("tile %1 %2").arg(cell).arg(on ? "enabled" : "disabled")); }
    void SetTileVisible(int, bool) override {}
    void RedrawTile(int cell) override { detail(QStringLiteral("redraw %1").arg(cell)); }
    void LoadFacePicture(int cell, const QString& name) override {
        if (cell == failFaceAt) throw RuntimeError(ErrorNumbers::ResourceNotFound, name);
        faces[static_cast<std::size_t>(cell)] = name;
    }
    void SetFaceVisible(int cell, bool on) override { detail(QStringLiteral("face %1 %2").arg(cell).arg(on ? "on" : "off")); }
    void SetFaceEnabled(int cell, bool on) override { detail(QStringLiteral("face %1 %2").arg(cell).arg(on ? "enabled" : "disabled")); }
    void RedrawFace(int cell) override { detail(QStringLiteral("redraw face %1").arg(cell)); }
    void SetStatusPanel(int panel, const QString& text) override {
        panels[static_cast<std::size_t>(panel)] = text;
        m_log.add(QStringLiteral("panel %1 %2").arg(panel).arg(text));
    }
    void ShowNewHighScore() override {
        ++highScoreShown;
        if (onHighScore) onHighScore();
    }
    void ShowGameOverMessage(const QString& text) override { gameOverTexts.append(text); }

private:
    void detail(const QString& line) {
        if (logDetail) m_log.add(line);
    }
    EventLog& m_log;
};

struct FakeGameClock : IGameClock {
    EventLog& log;
    bool running = false;
    int starts = 0;  // transitions from stopped to running
    explicit FakeGameClock(EventLog& l) : log(l) {}
    void SetEnabled(bool enabled) override {
        if (enabled && !running) ++starts;
        running = enabled;
    }
    bool IsEnabled() const override { return running; }
};

struct RecordingPause : IPauseClock {
    EventLog& log;
    double total = 0;
    explicit RecordingPause(EventLog& l) : log(l) {}
    void Pause(double seconds) override {
        total += seconds;
        log.add("pause " + QString::number(seconds));
    }
};

struct RecordingSound : ISoundPlayer {
    EventLog& log;
    QStringList played;
    explicit RecordingSound(EventLog& l) : log(l) {}
    void PlayWaveResource(const QString& name) override {
        played.append(name);
        log.add("sound " + name);
    }
};

// Always the same draw; reseeding changes nothing.
struct ConstantRandom : IRandomSource {
    float value;
    int reseeds = 0;
    explicit ConstantRandom(float v) : value(v) {}
    void Reseed() override { ++reseeds; }
    float Next() override { return value; }
};

// A seeded generator, for deals that differ but repeat.
struct SeededRandom : IRandomSource {
    std::mt19937 generator;
    explicit SeededRandom(unsigned seed) : generator(seed) {}
    void Reseed() override {}
    float Next() override { return static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f); }
};

inline void UseOptions(int tileCount, int level, int players, bool sounds = true, const char* images = "ANIMAL",
                       const char* color = "BLUE");

// The options a dealt rig plays with.
struct RigOptions {
    int tileCount = 30;
    int level = 2;
    int players = 1;
    bool sounds = true;
};

// A rule book wired to recorders.
struct EngineRig {
    EventLog log;
    RecordingView view{log};
    FakeGameClock clock{log};
    RecordingPause pause{log};
    RecordingSound sound{log};
    GameEngine engine;

    explicit EngineRig(IRandomSource& random) : engine(view, clock, pause, sound, random) {}
    // Sets the options and deals the first game.
    EngineRig(IRandomSource& random, RigOptions o) : EngineRig(random) {
        UseOptions(o.tileCount, o.level, o.players, o.sounds);
        engine.StartNewGame();
    }
};

// Sets the options a test plays with (names untouched).
inline void UseOptions(int tileCount, int level, int players, bool sounds, const char* images, const char* color) {
    GameSettings.TileCount = static_cast<qint16>(tileCount);
    GameSettings.Level = static_cast<qint16>(level);
    GameSettings.PlayerCount = static_cast<qint16>(players);
    GameSettings.Images = QString::fromLatin1(images);
    GameSettings.TileColor = QString::fromLatin1(color);
    gblnPlaySound = sounds;
}

// The tags of cells 1..n as numbers.
inline std::vector<int> Tags(const GameEngine& engine, int n) {
    std::vector<int> tags;
    for (int k = 1; k <= n; ++k) tags.push_back(engine.Cell(k).Tag.toInt());
    return tags;
}

// The cells that carry picture tag, in cell order.
inline std::vector<int> CellsWithTag(const GameEngine& engine, const QString& tag) {
    std::vector<int> cells;
    for (int k = 1; k <= GameSettings.TileCount; ++k) {
        if (engine.Cell(k).Tag == tag) cells.push_back(k);
    }
    return cells;
}
