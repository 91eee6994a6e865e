#pragma once
// The test kit: one recorder or script for each service the game takes from
// outside, shared by the engine, window and reliability tests.

#include "BoardInterfaces.h"
#include "ErrorTrap.h"
#include "Services.h"
#include "SettingsTypes.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdio>
#include <functional>
#include <random>

// Every call in one shared log, in order: "tile 5 Flip2", "redraw 5",
// "face 5 on", "pause 0.01", "sound FLIP", "turn 2", "game over ...".
struct EventLog {
    QStringList lines;
    void add(const QString& s) { lines.append(s); }
    void clear() { lines.clear(); }
};

// The board as the rule book drives it, recorded.
class RecordingView : public IBoardView {
public:
    RecordingView(EventLog& log, const GameSettingsRecord& settings) : m_log(log), m_settings(settings) {}

    std::array<QString, 4> panels;  // 1..3
    std::array<QString, 61> faces;  // resource name loaded per cell
    int highScoreShown = 0;
    QStringList gameOverTexts;      // the "Game Over" message boxes
    bool logDetail = true;          // frames, redraws and faces; off for long games
    int failFaceAt = 0;             // a cell whose face cannot be loaded
    std::function<void()> onHighScore;

    void LoadFlipFrames() noexcept override { m_log.add("load flip " + m_settings.TileColor); }
    void LoadShrinkFrames() noexcept override { m_log.add("load shrink " + m_settings.TileColor); }
    void SetTilePicture(int cell, TilePicture p) override { detail(QStringLiteral("tile %1 %2").arg(cell).arg(Text(p))); }
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
    void ShowNewHighScore() override { ++highScoreShown; m_log.add(QStringLiteral("high scores")); if (onHighScore) onHighScore(); }
    void ShowGameOverMessage(const QString& text) override { gameOverTexts.append(text); }
    void TurnChanged(int player) override { m_log.add(QStringLiteral("turn %1").arg(player)); }
    void GameOver(const QString& summary) override { m_log.add(QStringLiteral("game over ") + summary); }

private:
    static QString Text(TilePicture p) {
        const int v = static_cast<int>(p);
        return v == 0 ? QStringLiteral("Empty") : v <= 6 ? QStringLiteral("Flip%1").arg(v) : QStringLiteral("Shrink%1").arg(v - 10);
    }
    void detail(const QString& line) { if (logDetail) m_log.add(line); }
    EventLog& m_log;
    const GameSettingsRecord& m_settings;
};

struct FakeGameClock : IGameClock {
    bool running = false;
    int starts = 0;  // transitions from stopped to running
    void SetEnabled(bool enabled) override { starts += enabled && !running; running = enabled; }
    bool IsEnabled() const override { return running; }
};

// Returns at once; counts and, given a log, records each pause.
struct RecordingPause : IPauseClock {
    EventLog* log = nullptr;
    double total = 0;
    int pauses = 0;
    void Pause(double seconds) override {
        total += seconds;
        ++pauses;
        if (log) log->add("pause " + QString::number(seconds));
    }
};

// Records every sound instead of playing it; onPlay sees each as it starts.
struct RecordingSound : ISoundPlayer {
    EventLog* log = nullptr;
    QStringList played;
    std::function<void(const QString&)> onPlay;
    void PlayWaveResource(const QString& name) override {
        played.append(name);
        if (log) log->add("sound " + name);
        if (onPlay) onPlay(name);
    }
};

// Draws from a script: always the same value, or a seeded sequence that
// repeats from run to run. Reseeding changes nothing.
struct ScriptedRandom : IRandomSource {
    explicit ScriptedRandom(float constant = 0.0f) : value(constant) {}
    static ScriptedRandom Seeded(unsigned seed) { ScriptedRandom r; r.seeded = true; r.generator.seed(seed); return r; }
    float value = 0.0f;
    bool seeded = false;
    std::mt19937 generator;
    int reseeds = 0;
    void Reseed() override { ++reseeds; }
    float Next() override { return seeded ? static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f) : value; }
};

// The score tables, in memory: every offer is kept; whether a result enters
// is set per kind of table.
struct MemoryScoreBook : IScoreBook {
    struct Offer {
        ScoreKind kind;
        int tileCount;
        QString name;
        qint32 score;
    };
    QList<Offer> offers;
    bool setsEnter = true;
    bool timesEnter = true;
    bool OfferScore(ScoreKind kind, int tileCount, const QString& strName, qint32 lngScore) override {
        offers.append({kind, tileCount, strName, lngScore});
        return kind == ScoreKind::Sets ? setsEnter : timesEnter;
    }
};

// Captures every error report instead of showing a box.
class ErrorRecorder {
public:
    ErrorRecorder() {
        m_previous = SetErrorSink([this](int number, const QString& text) { reports.append({number, text}); });
    }
    ~ErrorRecorder() { SetErrorSink(m_previous); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;
    QList<QPair<int, QString>> reports;
    int count() const { return static_cast<int>(reports.size()); }

private:
    ErrorSink m_previous;
};

// The seed of a randomised test: PEXORA_TEST_SEED when set, else the fixed
// seed the suite runs with. Printed either way, so a run can be replayed.
inline quint64 TestSeed(quint64 fixed) {
    bool ok = false;
    const quint64 given = qgetenv("PEXORA_TEST_SEED").toULongLong(&ok);
    const quint64 seed = ok ? given : fixed;
    std::printf("PEXORA_TEST_SEED=%llu\n", static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    return seed;
}
