#include "GameEngine.h"

#include "ErrorTrap.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <thread>
#include <utility>

namespace {

constexpr qint32 ClockLimit = 99999;

// Int(u * n + 1) for a draw u in [0, 1): a partner from 1..n.
int Partner(float u, int n) {
    const float x = u * static_cast<float>(n) + 1.0f;
    return std::clamp(static_cast<int>(std::floor(x)), 1, n);
}

}  // namespace

GameEngine::GameEngine(IScoreBook& scores, ICellView& cells, IGameView& view, IGameClock& clock, IPauseClock& pause,
                       ISoundPlayer& sound, IRandomSource& random)
    : m_scores(scores),
      m_cells(cells), m_view(view), m_clock(clock), m_pause(pause), m_sound(sound), m_random(random) {}

// Cells in play: the board size, kept inside the sixty cells that exist.
int GameEngine::BoardSize() const { return std::clamp<int>(m_options.TileCount, 0, BoardCells); }

const BoardCell& GameEngine::Cell(int k) const { return const_cast<GameEngine*>(this)->CellRef(k); }

BoardCell& GameEngine::CellRef(int k) {
    if (k < 1 || k > BoardCells) throw SubscriptOutOfRange();
    return m_board[static_cast<std::size_t>(k - 1)];
}

int GameEngine::SetsInPlay() const {
    return m_options.Level > 0 ? BoardSize() / m_options.Level : 0;
}

QList<int> GameEngine::SetCells() const {
    QList<int> cells{m_turn.tile1, m_turn.tile2};
    if (m_options.Level == 3) cells.append(m_turn.tile3);
    return cells;
}

void GameEngine::ShowTile(int k, TilePicture picture) {
    CellRef(k).TilePic = picture;
    m_cells.SetTilePicture(k, picture);
    m_cells.RedrawTile(k);
}

void GameEngine::StartNewGame(const PlayerChoices& choices) noexcept {
    Trap([&] {
        // This game's own copy: what the player chooses later waits for the next deal.
        m_options = choices.options;
        m_playSound = choices.playSound;
        for (int p = 1; p <= MaxPlayers; ++p) m_players(p).Name = choices.Name(p);
        for (int p = 1; p <= MaxPlayers; ++p) {
            m_players(p).Matches = 0;
            m_players(p).SetsFlipped = 0;
        }
        m_turn.tile1 = m_turn.tile2 = m_turn.tile3 = 0;
        m_turn.tilesUp = 0;
        m_turn.seconds = 0;
        m_turn.matches = 0;
        const bool turnChanged = m_turn.player != 1;
        m_turn.player = 1;
        m_clock.SetEnabled(false);
        UpdateStatusBar();
        if (turnChanged && m_options.PlayerCount != 1) m_view.TurnPassed(m_turn.player, m_players(m_turn.player).Name);
        m_cells.LoadFlipFrames(m_options.TileColor);
        m_cells.LoadShrinkFrames(m_options.TileColor);
        ResetTiles();
        DealTiles();
    });
}

void GameEngine::ResetTiles() noexcept {
    Trap([&] {
        const int n = BoardSize();
        for (int i = 1; i <= n; ++i) {
            BoardCell& cell = CellRef(i);
            cell.TilePic = TilePicture::Flip1;
            m_cells.SetTilePicture(i, TilePicture::Flip1);
            cell.TileEnabled = true;
            m_cells.SetTileEnabled(i, true);
            cell.TileVisible = true;
            m_cells.SetTileVisible(i, true);
        }
        if (n == 30) {
            for (int i = 31; i <= BoardCells; ++i) {
                BoardCell& cell = CellRef(i);
                cell.TileEnabled = false;
                m_cells.SetTileEnabled(i, false);
                cell.TileVisible = false;
                m_cells.SetTileVisible(i, false);
            }
        }
    });
}

void GameEngine::DealTiles() noexcept {
    Trap([&] {
        const int n = BoardSize();
        const int level = m_options.Level;
        if (level < 2) throw InvalidProcedureCall();
        const int m = n / level;
        auto tag = [&](int i) -> QString& { return CellRef(i).Tag; };
        // Only cells 1..30 are seeded: every category has thirty pictures.
        for (int i = 1; i <= 30; ++i) tag(i) = QString::number(i);
        m_random.Reseed();
        // First shuffle: over the thirty seeded cells.
        for (int i = 1; i <= 30; ++i) std::swap(tag(i), tag(Partner(m_random.Next(), 30)));
        // The first M tags are the pictures in play; L - 1 further copies follow.
        int next = m + 1;
        for (int copy = 1; copy < level; ++copy) {
            for (int j = 1; j <= m; ++j) tag(next++) = tag(j);
        }
        // Second shuffle: over the whole board, but the partner always comes
        // from the first block, so each later cell is exchanged exactly once.
        for (int i = 1; i <= n; ++i) std::swap(tag(i), tag(Partner(m_random.Next(), m)));
        // A face that cannot be loaded is reported once the deal is done: the
        // board is whole, that cell showing a blank face.
        std::exception_ptr unloaded;
        for (int i = 1; i <= n; ++i) {
            BoardCell& cell = CellRef(i);
            cell.FaceVisible = false;
            m_cells.SetFaceVisible(i, false);
            cell.TileEnabled = true;
            m_cells.SetTileEnabled(i, true);
            cell.FaceEnabled = true;
            m_cells.SetFaceEnabled(i, true);
            try {
                m_cells.LoadFacePicture(i, m_options.Images, cell.Tag);
            } catch (...) {
                if (!unloaded) unloaded = std::current_exception();
            }
        }
        if (n == 30) {
            for (int i = 31; i <= BoardCells; ++i) {
                BoardCell& cell = CellRef(i);
                cell.FaceEnabled = false;
                m_cells.SetFaceEnabled(i, false);
                cell.FaceVisible = false;
                m_cells.SetFaceVisible(i, false);
            }
        }
        if (unloaded) std::rethrow_exception(unloaded);
    });
}

void GameEngine::TileClicked(qint16 Index) noexcept {
    Trap([&] {
        // Cells out of play take no clicks: removed ones, and those beyond the board.
        if (Index < 1 || Index > BoardSize() || !Cell(Index).TileEnabled) return;
        if (m_options.PlayerCount == 1 && m_turn.seconds == 0) m_clock.SetEnabled(true);
        const int level = m_options.Level;
        switch (m_turn.tilesUp) {
        case 0:
            FlipTiles(Index, 0, 0, 0);
            m_turn.tile1 = Index;
            m_turn.tilesUp = 1;
            break;
        case 1:
            if (Index == m_turn.tile1) return;
            FlipTiles(Index, 0, 0, 0);
            m_turn.tile2 = Index;
            m_turn.tilesUp = 2;
            if (level == 2) ++m_players(m_turn.player).SetsFlipped;
            UpdateStatusBar();
            if (level == 2) EvaluateSet();
            break;
        case 2:
            if (level == 2) {
                // An unmatched pair is showing; this click starts the next set.
                if (Index != m_turn.tile1 && Index != m_turn.tile2) {
                    FlipTiles(Index, m_turn.tile1, m_turn.tile2, 0);
                    m_turn.tile1 = Index;
                } else if (Index == m_turn.tile1) {
                    FlipTiles(0, m_turn.tile2, 0, 0);
                } else {
                    FlipTiles(0, m_turn.tile1, 0, 0);
                    m_turn.tile1 = Index;
                }
                m_turn.tile2 = 0;
                m_turn.tilesUp = 1;
            } else {
                if (Index == m_turn.tile1 || Index == m_turn.tile2) return;
                FlipTiles(Index, 0, 0, 0);
                m_turn.tile3 = Index;
                m_turn.tilesUp = 3;
                ++m_players(m_turn.player).SetsFlipped;
                UpdateStatusBar();
                EvaluateSet();
            }
            break;
        case 3:
            // An unmatched triple is showing; this click starts the next set.
            if (Index != m_turn.tile1 && Index != m_turn.tile2 && Index != m_turn.tile3) {
                FlipTiles(Index, m_turn.tile1, m_turn.tile2, m_turn.tile3);
            } else if (Index == m_turn.tile1) {
                FlipTiles(0, m_turn.tile2, m_turn.tile3, 0);
            } else if (Index == m_turn.tile2) {
                FlipTiles(0, m_turn.tile1, m_turn.tile3, 0);
            } else {
                FlipTiles(0, m_turn.tile1, m_turn.tile2, 0);
            }
            m_turn.tile1 = Index;
            m_turn.tile2 = m_turn.tile3 = 0;
            m_turn.tilesUp = 1;
            break;
        default:
            break;
        }
    });
}

void GameEngine::EvaluateSet() noexcept {
    Trap([&] {
        const QString& first = Cell(m_turn.tile1).Tag;
        bool match = first == Cell(m_turn.tile2).Tag;
        if (m_options.Level == 3) match = match && Cell(m_turn.tile2).Tag == Cell(m_turn.tile3).Tag;
        m_view.SetEnded(match, SetCells());
        if (!match) {
            NextPlayer();
            return;
        }
        ++m_players(m_turn.player).Matches;
        ++m_turn.matches;
        UpdateStatusBar();
        if (m_playSound) m_sound.PlayWaveResource(QStringLiteral("ZAP"));
        RemoveSet(SetCells());
        m_turn.tile1 = m_turn.tile2 = m_turn.tile3 = 0;
        m_turn.tilesUp = 0;
        CheckGameOver();
    });
}

void GameEngine::NextPlayer() noexcept {
    Trap([&] {
        if (m_options.PlayerCount == 1) return;
        m_turn.player = m_turn.player == 1 ? 2 : 1;
        UpdateStatusBar();
        m_view.TurnPassed(m_turn.player, m_players(m_turn.player).Name);
    });
}

void GameEngine::CheckGameOver() noexcept {
    Trap([&] {
        if (m_options.Level <= 0 ||
            m_turn.matches < static_cast<double>(m_options.TileCount) / m_options.Level) {
            return;
        }
        GameResult result;
        result.playerCount = m_options.PlayerCount;
        for (int p = 1; p <= MaxPlayers; ++p) {
            result.storedNames[static_cast<std::size_t>(p - 1)] = m_players(p).Name;
            result.matches[static_cast<std::size_t>(p - 1)] = m_players(p).Matches;
        }
        result.setsFlipped = m_players(1).SetsFlipped;
        result.seconds = m_turn.seconds;
        m_view.GameOver(result);
        if (m_options.PlayerCount != 1) return;
        m_clock.SetEnabled(false);
        const PlayerInfo& player = m_players(1);
        // Both results are offered, even when the first entered its table.
        const bool sets = m_scores.OfferScore(ScoreKind::Sets, m_options.TileCount, player.Name, player.SetsFlipped);
        const bool times = m_scores.OfferScore(ScoreKind::Times, m_options.TileCount, player.Name, m_turn.seconds);
        if (sets || times) m_view.NewHighScore();
    });
}

void GameEngine::FlipTiles(qint16 Up, qint16 Down1, qint16 Down2, qint16 Down3) noexcept {
    Trap([&] {
        const std::array<qint16, 3> downs{Down1, Down2, Down3};
        for (qint16 d : downs) {
            if (d == 0) continue;
            CellRef(d).FaceVisible = false;
            m_cells.SetFaceVisible(d, false);
        }
        for (int f = 2; f <= 6; ++f) {
            if (Up != 0) ShowTile(Up, FlipFrame(f));
            for (qint16 d : downs) {
                if (d != 0) ShowTile(d, FlipFrame(7 - f));
            }
            m_pause.Pause(0.01);
        }
        QList<int> turnedBack;
        for (qint16 d : downs) {
            if (d == 0) continue;
            m_view.TileTurned(d, CellRef(d).Tag, false);
            turnedBack.append(d);
        }
        if (!turnedBack.isEmpty()) m_view.SetTurnedBack(turnedBack);
        if (Up != 0) {
            CellRef(Up).FaceVisible = true;
            m_cells.SetFaceVisible(Up, true);
            m_cells.RedrawFace(Up);
            m_view.TileTurned(Up, CellRef(Up).Tag, true);
        }
        if (m_playSound) m_sound.PlayWaveResource(QStringLiteral("FLIP"));
    });
}

void GameEngine::RemoveSet(const QList<int>& set) noexcept {
    Trap([&] {
        for (int c : set) {
            CellRef(c).TileEnabled = false;
            m_cells.SetTileEnabled(c, false);
        }
        for (int c : set) {
            CellRef(c).FaceEnabled = false;
            m_cells.SetFaceEnabled(c, false);
        }
        m_pause.Pause(0.05);
        for (int c : set) {
            CellRef(c).FaceVisible = false;
            m_cells.SetFaceVisible(c, false);
        }
        for (int f = 1; f <= 5; ++f) {
            for (int c : set) ShowTile(c, ShrinkFrame(f));
            m_pause.Pause(0.01);
        }
        for (int c : set) {
            CellRef(c).TilePic = TilePicture::Empty;
            m_cells.SetTilePicture(c, TilePicture::Empty);
        }
    });
}

void GameEngine::SetSoundsOn(bool on) noexcept { m_playSound = on; }

void GameEngine::ChangeTileColor(const QString& color) noexcept {
    Trap([&] {
        m_options.TileColor = color;
        m_cells.LoadFlipFrames(m_options.TileColor);
        m_cells.LoadShrinkFrames(m_options.TileColor);
        const int n = BoardSize();
        for (int k = 1; k <= n; ++k) {
            BoardCell& cell = CellRef(k);
            if (!cell.TileEnabled && cell.TilePic == TilePicture::Empty) continue;  // removed
            const TilePicture picture = cell.FaceVisible ? TilePicture::Flip6 : TilePicture::Flip1;
            cell.TilePic = picture;
            m_cells.SetTilePicture(k, picture);
        }
    });
}

void GameEngine::UpdateStatusBar() noexcept {
    Trap([&] {
        const PlayerInfo& player = m_players(m_turn.player);
        m_view.StatusChanged({m_options.PlayerCount, m_turn.player, player.Name, player.SetsFlipped,
                              player.Matches, m_turn.seconds});
    });
}

void GameEngine::GameClockTick() noexcept {
    Trap([&] {
        if (m_turn.seconds < ClockLimit) {
            ++m_turn.seconds;
            if (m_options.PlayerCount == 1) m_view.SecondsChanged(m_turn.seconds);
        } else {
            m_clock.SetEnabled(false);
        }
    });
}

ClockSeededRandom::ClockSeededRandom() { Reseed(); }

void ClockSeededRandom::Reseed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count() ^
                     std::chrono::steady_clock::now().time_since_epoch().count();
    m_generator.seed(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
}

float ClockSeededRandom::Next() {
    // 24 random bits scaled into [0, 1): exact in a float, and never 1.
    return static_cast<float>(m_generator() >> 8) * (1.0f / 16777216.0f);
}

void SteadyPauseClock::Pause(double seconds) {
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::duration_cast<clock::duration>(
                                             std::chrono::duration<double>(seconds));
    while (clock::now() < deadline) std::this_thread::sleep_until(deadline);
}
