#pragma once
// What the rule book tells the screen, in two halves: the cells (drawn by
// the board) and the facts of the game (put into words by the window). The
// rule book never words or translates anything; whoever shows a fact makes
// its sentence. The other services it takes are in Services.h.

#include "Services.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>

// The picture a tile body shows: empty, one of the six flip frames or one
// of the five shrink frames of the current tile colour.
enum class TilePicture : int {
    Empty = 0,
    Flip1 = 1, Flip2, Flip3, Flip4, Flip5, Flip6,
    Shrink1 = 11, Shrink2, Shrink3, Shrink4, Shrink5,
};

constexpr TilePicture FlipFrame(int n) { return static_cast<TilePicture>(n); }
constexpr TilePicture ShrinkFrame(int n) { return static_cast<TilePicture>(10 + n); }

inline constexpr int BoardCells = 60;

// The cells as the rule book drives them. Cells are numbered 1..BoardCells.
// Any call may throw RuntimeError; the rule book's traps report it.
class ICellView {
public:
    virtual ~ICellView() = default;

    // Load the flip frames 1..6 / shrink frames 1..5 of tileColor into
    // their holders. Trapped by the view itself.
    virtual void LoadFlipFrames(const QString& tileColor) noexcept = 0;
    virtual void LoadShrinkFrames(const QString& tileColor) noexcept = 0;

    // The tile body takes a copy of the holder's picture (or nothing).
    virtual void SetTilePicture(int cell, TilePicture picture) = 0;
    virtual void SetTileEnabled(int cell, bool enabled) = 0;
    virtual void SetTileVisible(int cell, bool visible) = 0;
    // Paints one tile body at once, without running the event loop.
    virtual void RedrawTile(int cell) = 0;

    // Loads picture tag (1..30) of the category images (its icon resource
    // is images + tag, "ANIMAL7") as the face of the cell.
    virtual void LoadFacePicture(int cell, const QString& images, const QString& tag) = 0;
    virtual void SetFaceVisible(int cell, bool visible) = 0;
    virtual void SetFaceEnabled(int cell, bool enabled) = 0;
    // Paints one face at once, without running the event loop.
    virtual void RedrawFace(int cell) = 0;
};

// The counters of the player whose turn it is, as the status bar shows them.
struct GameStatus {
    int playerCount = 1;     // 1 or 2
    int player = 1;          // whose turn it is
    QString storedName;      // that player's name as stored ("Player 1" untranslated)
    qint32 setsFlipped = 0;  // that player's sets flipped
    qint16 matches = 0;      // that player's matches
    qint32 seconds = 0;      // the game clock
};

// The end of a game: every set is matched.
struct GameResult {
    int playerCount = 1;
    std::array<QString, 2> storedNames;  // players 1 and 2, as stored
    std::array<qint16, 2> matches{};     // players 1 and 2
    qint32 setsFlipped = 0;              // player 1's, for a one-player game
    qint32 seconds = 0;                  // the game clock, for a one-player game
};

// The facts of the game as they happen. Each is told after the cells show it.
// Any call may throw RuntimeError; the rule book's traps report it. The
// first three follow the tiles one by one; a view that only words the
// status and the turns leaves them alone.
class IGameView {
public:
    virtual ~IGameView() = default;

    // A tile turned face up (up) or face down; tag is its picture number.
    virtual void TileTurned(int /*cell*/, const QString& /*tag*/, bool /*up*/) {}
    // The last tile of a set is up: the set's cells, and whether they match.
    // A match is told before its tiles are removed.
    virtual void SetEnded(bool /*match*/, const QList<int>& /*cells*/) {}
    // The tiles of an unmatched set went face down again (those that did:
    // a tile clicked again stays up as the first of the next set).
    virtual void SetTurnedBack(const QList<int>& /*cells*/) {}

    // The counters changed, or the turn passed, or a game began.
    virtual void StatusChanged(const GameStatus& status) = 0;
    // The game clock of a one-player game moved on.
    virtual void SecondsChanged(qint32 seconds) = 0;
    // The turn passed to player (1 or 2) in a two-player game, told after
    // the status shows it.
    virtual void TurnPassed(int player, const QString& storedName) = 0;
    // The last set is gone. Told before a one-player result is offered to
    // the score tables; with two players the view shows the result and
    // returns when the player has seen it.
    virtual void GameOver(const GameResult& result) = 0;
    // A one-player result entered a high-score table: show the tables
    // (modally; returns when they are closed).
    virtual void NewHighScore() = 0;
};
