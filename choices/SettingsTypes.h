#pragma once
// What the player chooses (the options, the sound switch and the names) as
// one value, and the player table of a game, without the store behind them.

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

    bool operator==(const GameSettingsRecord&) const = default;
};

struct PlayerInfo {
    qint16 Matches = 0;
    qint32 SetsFlipped = 0;
    QString Name;
};

inline constexpr int MaxPlayers = 2;

// A player's default name as it is stored, in every language: "Player 1".
inline QString DefaultPlayerName(int player) { return QStringLiteral("Player %1").arg(player); }

// Everything the player chooses, as one value: loaded and saved whole by the
// settings library, owned by the program's entry point and handed down.
struct PlayerChoices {
    GameSettingsRecord options;
    bool playSound = false;
    std::array<QString, MaxPlayers> names;  // players 1 and 2, as stored

    // Player 1 or 2's name as stored.
    QString& Name(int player) {
        if (player < 1 || player > MaxPlayers) throw SubscriptOutOfRange();
        return names[static_cast<std::size_t>(player - 1)];
    }
    const QString& Name(int player) const { return const_cast<PlayerChoices&>(*this).Name(player); }

    bool operator==(const PlayerChoices&) const = default;
};

// The players of one game, indexed 1 and 2 like the cells: players(1), players(2).
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
