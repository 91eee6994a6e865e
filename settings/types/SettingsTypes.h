#pragma once
// The option record and the player table, without the store behind them:
// what the rule book reads and writes.

#include "ErrorTrap.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>

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

// A player's default name as it is stored, in every language: "Player 1".
inline QString DefaultPlayerName(int player) { return QStringLiteral("Player %1").arg(player); }

// Indexed 1 To 2, like the rest of the rule book: gudtPlayers(1), gudtPlayers(2).
class PlayerTable {
public:
    PlayerInfo& operator()(int player) {
        if (player < 1 || player > MaxPlayers) throw SubscriptOutOfRange();
        return m_players[static_cast<std::size_t>(player - 1)];
    }
    const PlayerInfo& operator()(int player) const { return const_cast<PlayerTable&>(*this)(player); }

private:
    std::array<PlayerInfo, MaxPlayers> m_players{};
};
