#pragma once
// The services the rule book and the windows take from outside. The program
// passes the real ones (sound device, steady clock, clock-seeded generator,
// the store's score tables); tests pass the recorders of their kit.

#include <QString>
#include <QtGlobal>

// Plays a "WAVE" resource to its end.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void PlayWaveResource(const QString& name) = 0;
};

// A uniform generator of single-precision draws in [0, 1), never 1.
class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    virtual void Reseed() = 0;  // from the system clock, at every deal
    virtual float Next() = 0;
};

// Waits at least the given seconds on a clock that only moves forward,
// handling no events meanwhile.
class IPauseClock {
public:
    virtual ~IPauseClock() = default;
    virtual void Pause(double seconds) = 0;
};

// The one-second game clock (the main window's timer).
class IGameClock {
public:
    virtual ~IGameClock() = default;
    // Starting a clock that already runs leaves it running undisturbed.
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
};

// The two kinds of high-score table of a board size.
enum class ScoreKind { Sets, Times };

// The high-score tables as the end of a one-player game uses them.
class IScoreBook {
public:
    virtual ~IScoreBook() = default;
    // Offers a result to the table of kind for the board of tileCount cells;
    // true when it entered the table.
    virtual bool OfferScore(ScoreKind kind, int tileCount, const QString& name, qint32 score) = 0;
};
