#pragma once
// A player's name as the player sees it. The store keeps the default names
// "Player 1" and "Player 2" as they are in every language; they are shown in
// the player's language for as long as they are unchanged. A name the player
// typed is never translated.

#include <QString>

// A default name in the player's language ("Spieler 1"); any other name as it is.
QString TranslatedName(const QString& name);

// The stored default name whose translation text is, for the name box of
// player (1 or 2); text itself when it is not that translation.
QString StoredName(const QString& text, int player);

// A name as shown beside other text (status bar, messages, announcements,
// score lists): translated when it is a default, then on one line and set
// apart from the text around it (DisplayName).
QString ShownName(const QString& name);
