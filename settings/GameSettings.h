#pragma once
// The program-wide options, the sound switch and the player table, with
// the routines that move them between memory and the settings store.

#include <QString>
#include <QtGlobal>

#include <array>

struct GameSettingsRecord {
    QString Images;          // picture-category prefix, e.g. "ANIMAL"
    qint16 Level = 0;        // 2 or 3 tiles to a set
    qint16 PlayerCount = 0;  // 1 or 2
    QString TileColor;       // "BLUE", "GREEN", "PURPLE", "RED" or "YELLOW"
    qint16 TileCount = 0;    // 30 (small board) or 60 (large board)
};

struct PlayerInfo {
    qint16 intMatches = 0;
    qint32 lngSetsFlipped = 0;
    QString strName;
};

inline constexpr int MaxPlayers = 2;

// Indexed 1 To 2, like the rest of the rule book: gudtPlayers(1), gudtPlayers(2).
class PlayerTable {
public:
    PlayerInfo& operator()(int player);
    const PlayerInfo& operator()(int player) const;

private:
    std::array<PlayerInfo, MaxPlayers> m_players{};
};

extern GameSettingsRecord GameSettings;
extern bool gblnPlaySound;
extern PlayerTable gudtPlayers;

// Reads "Game Settings" from the store; every value that is missing or not
// accepted takes its default. A store failure is reported, and the options
// not yet read also take their defaults.
void LoadSettings() noexcept;

// Writes every key of "Game Settings" in the stored order.
void SaveSettings() noexcept;
