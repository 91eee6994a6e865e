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

class GameEngine {
public:
    // The options, the sound switch and the player table are the program's
    // own (GameSettings, gblnPlaySound, gudtPlayers); the rule book reads
    // and writes them in place.
    struct World {
        GameSettingsRecord& GameSettings;
        bool& gblnPlaySound;
        PlayerTable& gudtPlayers;
        IScoreBook& Scores;
    };
    GameEngine(World world, ICellView& cells, IGameView& view, IGameClock& clock, IPauseClock& pause,
               ISoundPlayer& sound, IRandomSource& random);

    // The game state, under the names the whole program knows it by.
    qint16 mintTile1 = 0;
    qint16 mintTile2 = 0;
    qint16 mintTile3 = 0;
    qint16 mintTilesUp = 0;
    qint32 mlngSeconds = 0;
    qint16 mintMatches = 0;
    qint16 mintPlayer = 1;

    // Resets the counters and the clock, loads the frames and deals.
    void StartNewGame() noexcept;
    // A click on the tile or the face of cell Index (1..60).
    void TileClicked(qint16 Index) noexcept;
    // One tick of tmrGame.
    void GameClockTick() noexcept;
    // Reloads the frames of the current TileColor and repaints the board.
    void ChangeTileColor() noexcept;
    // Tells the view the counters of the player whose turn it is.
    void UpdateStatusBar() noexcept;

    // Animations, public so they can be watched on their own.
    void FlipTiles(qint16 Up, qint16 Down1, qint16 Down2, qint16 Down3) noexcept;
    void RemoveSet() noexcept;

    const BoardCell& Cell(int k) const;  // k = 1..60
    // Sets to clear the board: TileCount / Level.
    int SetsInPlay() const;

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

    GameSettingsRecord& GameSettings;
    bool& gblnPlaySound;
    PlayerTable& gudtPlayers;
    IScoreBook& m_scores;
    ICellView& m_cells;
    IGameView& m_view;
    IGameClock& m_clock;
    IPauseClock& m_pause;
    ISoundPlayer& m_sound;
    IRandomSource& m_random;
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
