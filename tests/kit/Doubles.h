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
#include <utility>
#include <vector>

// Every call in one shared log, in order: "tile 5 Flip2", "redraw 5",
// "face 5 on", "pause 0.01", "sound FLIP", "turn 2 Bob", "game over ...".
struct EventLog {
    QStringList lines;
    void add(const QString& s) { lines.append(s); }
    void clear() { lines.clear(); }
};

// The cells and the facts of the game as the rule book tells them, recorded.
class RecordingView : public ICellView, public IGameView {
public:
    explicit RecordingView(EventLog& log) : m_log(log) {}

    std::array<QString, 61> faces;  // resource name loaded per cell
    GameStatus status;              // the last status told
    qint32 seconds = -1;            // the last seconds told, -1 before any
    QList<GameResult> results;      // every game over
    int highScoreShown = 0;
    bool logDetail = true;          // frames, redraws and faces; off for long games
    int failFaceAt = 0;             // a cell whose face cannot be loaded
    std::function<void()> onHighScore;

    void LoadFlipFrames(const QString& color) noexcept override { m_log.add("load flip " + color); }
    void LoadShrinkFrames(const QString& color) noexcept override { m_log.add("load shrink " + color); }
    void SetTilePicture(int cell, TilePicture p) override { detail(QStringLiteral("tile %1 %2").arg(cell).arg(Text(p))); }
    void SetTileEnabled(int cell, bool on) override { detail(QStringLiteral("tile %1 %2").arg(cell).arg(on ? "enabled" : "disabled")); }
    void SetTileVisible(int, bool) override {}
    void RedrawTile(int cell) override { detail(QStringLiteral("redraw %1").arg(cell)); }
    void LoadFacePicture(int cell, const QString& images, const QString& tag) override {
        if (cell == failFaceAt) throw RuntimeError(ErrorNumbers::ResourceNotFound, images + tag);
        faces[static_cast<std::size_t>(cell)] = images + tag;
    }
    void SetFaceVisible(int cell, bool on) override { detail(QStringLiteral("face %1 %2").arg(cell).arg(on ? "on" : "off")); }
    void SetFaceEnabled(int cell, bool on) override { detail(QStringLiteral("face %1 %2").arg(cell).arg(on ? "enabled" : "disabled")); }
    void RedrawFace(int cell) override { detail(QStringLiteral("redraw face %1").arg(cell)); }

    // The facts, one line each: "turned 7 up 3", "set miss 1 2", "back 1 2",
    // "status 2 Bob sets 1 matches 0 time 0", "seconds 5", "turn 2 Bob".
    void TileTurned(int cell, const QString& tag, bool up) override {
        m_log.add(QStringLiteral("turned %1 %2 %3").arg(cell).arg(up ? "up" : "down", tag));
    }
    void SetEnded(bool match, const QList<int>& cells) override {
        m_log.add(QStringLiteral("set %1 %2").arg(match ? "match" : "miss", Numbers(cells)));
    }
    void SetTurnedBack(const QList<int>& cells) override { m_log.add(QStringLiteral("back ") + Numbers(cells)); }
    void StatusChanged(const GameStatus& s) override {
        status = s;
        m_log.add(QStringLiteral("status %1 %2 sets %3 matches %4 time %5")
                      .arg(s.player).arg(s.storedName).arg(s.setsFlipped).arg(s.matches).arg(s.seconds));
    }
    void SecondsChanged(qint32 s) override {
        seconds = s;
        m_log.add(QStringLiteral("seconds %1").arg(s));
    }
    void TurnPassed(int player, const QString& name) override { m_log.add(QStringLiteral("turn %1 %2").arg(player).arg(name)); }
    void GameOver(const GameResult& r) override {
        results.append(r);
        m_log.add(QStringLiteral("game over %1 %2 %3 %4 %5 sets %6 time %7")
                      .arg(r.storedNames[0]).arg(r.matches[0]).arg(r.storedNames[1]).arg(r.matches[1])
                      .arg(r.playerCount).arg(r.setsFlipped).arg(r.seconds));
    }
    void NewHighScore() override { ++highScoreShown; m_log.add(QStringLiteral("high scores")); if (onHighScore) onHighScore(); }

private:
    static QString Text(TilePicture p) {
        const int v = static_cast<int>(p);
        return v == 0 ? QStringLiteral("Empty") : v <= 6 ? QStringLiteral("Flip%1").arg(v) : QStringLiteral("Shrink%1").arg(v - 10);
    }
    static QString Numbers(const QList<int>& cells) {
        QStringList out;
        for (int c : cells) out.append(QString::number(c));
        return out.join(QLatin1Char(' '));
    }
    void detail(const QString& line) { if (logDetail) m_log.add(line); }
    EventLog& m_log;
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
    std::function<void()> onPause;  // runs inside each pause, as input arriving then would
    void Pause(double seconds) override {
        total += seconds;
        ++pauses;
        if (log) log->add("pause " + QString::number(seconds));
        if (onPause) onPause();
    }
};

// Plays nothing and keeps nothing: for runs too long to record.
struct SilentSound : ISoundPlayer {
    void PlayWaveResource(const QString&) override {}
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

// Draws from a script: always the same value, a list of values over and
// over, or a seeded sequence that repeats from run to run. Reseeding
// changes nothing.
struct ScriptedRandom : IRandomSource {
    explicit ScriptedRandom(float constant = 0.0f) : cycle{constant} {}
    explicit ScriptedRandom(std::vector<float> values) : cycle(std::move(values)) {}
    static ScriptedRandom Seeded(unsigned seed) { ScriptedRandom r; r.seeded = true; r.generator.seed(seed); return r; }
    std::vector<float> cycle;
    std::size_t drawn = 0;
    bool seeded = false;
    std::mt19937 generator;
    int reseeds = 0;
    void Reseed() override { ++reseeds; }
    float Next() override {
        if (seeded) return static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f);
        return cycle[drawn++ % cycle.size()];
    }
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
    bool OfferScore(ScoreKind kind, int tileCount, const QString& name, qint32 score) override {
        offers.append({kind, tileCount, name, score});
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
