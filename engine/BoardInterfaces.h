#pragma once
// The board as the rule book drives it. The main window implements it; the
// other services the rule book takes are in Services.h.

#include "Services.h"

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

    // What happened, for whoever follows the game without seeing the board.
    // The turn passed to player (1 or 2) in a two-player game, told after the
    // status bar shows it.
    virtual void TurnChanged(int player) = 0;
    // The last set is gone. summary is the result as the rule book states it:
    // "Sets Flipped: n, Time: s" for one player, and for two players the text
    // of the "Game Over" message, one line per player. Told before the result
    // is recorded or shown.
    virtual void GameOver(const QString& summary) = 0;
    // A tile was turned face up and shows its picture; told once the face shows.
    virtual void TileTurnedUp(int /*cell*/) {}
    // The set is complete: a match (its tiles leave next) or not. cell is one of the set.
    virtual void SetEnded(bool /*match*/, int /*cell*/) {}
    // An unmatched set is being turned face down again: all of it, or all
    // but the tile just clicked, which stays up as the first of the next set.
    virtual void SetTurnedBack(bool /*whole*/) {}
};
