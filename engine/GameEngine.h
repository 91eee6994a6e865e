#pragma once
// The rule book of a game in progress: the deal, the turns, the animations
// and the end of a game. It drives the cells through ICellView, tells the
// facts of the game through IGameView and takes its clocks, sound and
// randomness from outside, so a whole game runs without a window.

#include "BoardInterfaces.h"
#include "SettingsTypes.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <random>

// One board cell as the rule book keeps it; the view mirrors it on screen.
struct BoardCell {
    QString Tag;                               // picture number as text, "1".."30"
    TilePicture TilePic = TilePicture::Empty;  // what the tile body shows
    bool TileEnabled = false;
    bool TileVisible = false;
    bool FaceEnabled = false;
    bool FaceVisible = false;
};

// Where a game stands: the cells of the set being turned (0 where none),
// how many of them are up, the game clock, the sets matched and whose turn
// it is.
struct TurnState {
    qint16 tile1 = 0;
    qint16 tile2 = 0;
    qint16 tile3 = 0;
    qint16 tilesUp = 0;
    qint32 seconds = 0;
    qint16 matches = 0;
    qint16 player = 1;
};

class GameEngine {
public:
    GameEngine(IScoreBook& scores, ICellView& cells, IGameView& view, IGameClock& clock, IPauseClock& pause,
               ISoundPlayer& sound, IRandomSource& random);

    // Takes its own copy of the player's choices, resets the counters and
    // the clock, loads the frames and deals.
    void StartNewGame(const PlayerChoices& choices) noexcept;
    // A click on the tile or the face of cell Index (1..60).
    void TileClicked(qint16 Index) noexcept;
    // One second of the game clock.
    void GameClockTick() noexcept;
    // Takes the tile colour, reloads its frames and repaints the board.
    void ChangeTileColor(const QString& color) noexcept;
    // The sound switch, which takes effect at once.
    void SetSoundsOn(bool on) noexcept;
    // Tells the view the counters of the player whose turn it is.
    void UpdateStatusBar() noexcept;

    // Animations, public so they can be watched on their own.
    void FlipTiles(qint16 Up, qint16 Down1, qint16 Down2, qint16 Down3) noexcept;
    void RemoveSet(const QList<int>& set) noexcept;

    const BoardCell& Cell(int k) const;  // k = 1..60
    // Sets to clear the board: TileCount / Level.
    int SetsInPlay() const;
    const TurnState& Turn() const { return m_turn; }
    // Player 1 or 2 of this game: name, matches and sets flipped.
    const PlayerInfo& Player(int player) const { return m_players(player); }
    // The options this game was dealt with (the tile colour as last changed).
    const GameSettingsRecord& Options() const { return m_options; }

private:
    void ResetTiles() noexcept;
    void DealTiles() noexcept;
    void EvaluateSet() noexcept;
    void NextPlayer() noexcept;
    void CheckGameOver() noexcept;

    BoardCell& CellRef(int k);
    void ShowTile(int k, TilePicture picture);  // set the picture and redraw at once
    QList<int> SetCells() const;  // the cells of the set now up

    int BoardSize() const;

    IScoreBook& m_scores;
    ICellView& m_cells;
    IGameView& m_view;
    IGameClock& m_clock;
    IPauseClock& m_pause;
    ISoundPlayer& m_sound;
    IRandomSource& m_random;
    GameSettingsRecord m_options;
    bool m_playSound = false;
    PlayerTable m_players;
    TurnState m_turn;
    std::array<BoardCell, BoardCells> m_board{};
};

// The real generator: a Mersenne twister seeded from the system clock.
class ClockSeededRandom final : public IRandomSource {
public:
    ClockSeededRandom();
    void Reseed() override;
    float Next() override;

private:
    std::mt19937 m_generator;
};

// The real pause: sleeps on std::chrono::steady_clock until the time has passed.
class SteadyPauseClock final : public IPauseClock {
public:
    void Pause(double seconds) override;
};
