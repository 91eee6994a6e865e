#pragma once
// What the rule book needs from the world around it. The main window
// implements the view and the game clock; the program passes a real steady
// clock, sound player and random generator, and tests pass recorders.

#include "basWave.h"  // ISoundPlayer

#include <QString>

// The picture a tile body shows: empty, one of the six flip frames or one
// of the five shrink frames of the current tile colour.
enum class TilePicture : int {
    Empty = 0,
    Flip1 = 1, Flip2, Flip3, Flip4, Flip5, Flip6,
    Shrink1 = 11, Shrink2, Shrink3, Shrink4, Shrink5,
};

constexpr TilePicture FlipFrame(int n) { return static_cast<TilePicture>(n); }
constexpr TilePicture ShrinkFrame(int n) { return static_cast<TilePicture>(10 + n); }

// The board as the rule book drives it. Cells are numbered 1..60.
// Any call may throw RuntimeError; the rule book's traps report it.
class IBoardView {
public:
    virtual ~IBoardView() = default;

    // Load the current TileColor's flip frames 1..6 / shrink frames 1..5 into
    // their holders. Trapped by the view itself.
    virtual void LoadFlipFrames() noexcept = 0;
    virtual void LoadShrinkFrames() noexcept = 0;

    // The tile body takes a copy of the holder's picture (or nothing).
    virtual void SetTilePicture(int cell, TilePicture picture) = 0;
    virtual void SetTileEnabled(int cell, bool enabled) = 0;
    virtual void SetTileVisible(int cell, bool visible) = 0;
    // Paints one tile body at once, without running the event loop.
    virtual void RedrawTile(int cell) = 0;

    // Loads the icon resource resourceName as the face of the cell.
    virtual void LoadFacePicture(int cell, const QString& resourceName) = 0;
    virtual void SetFaceVisible(int cell, bool visible) = 0;
    virtual void SetFaceEnabled(int cell, bool enabled) = 0;
    // Paints one face at once, without running the event loop.
    virtual void RedrawFace(int cell) = 0;

    // Status bar panel 1..3.
    virtual void SetStatusPanel(int panel, const QString& text) = 0;

    // Game end: after a one-player result entered a table, unload the
    // high-score window, let pending events run, set its new-high-score
    // flag and show it modally; returns when it is closed.
    virtual void ShowNewHighScore() = 0;
    // Game end with two players: the "Game Over" message box; returns when closed.
    virtual void ShowGameOverMessage(const QString& text) = 0;
};

// The one-second game clock tmrGame.
class IGameClock {
public:
    virtual ~IGameClock() = default;
    // Starting a clock that already runs leaves it running undisturbed.
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
};

// Waits at least the given seconds on a clock that only moves forward,
// handling no events meanwhile.
class IPauseClock {
public:
    virtual ~IPauseClock() = default;
    virtual void Pause(double seconds) = 0;
};

// A uniform generator of single-precision draws in [0, 1), never 1.
class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    virtual void Reseed() = 0;  // from the system clock, at every deal
    virtual float Next() = 0;
};
