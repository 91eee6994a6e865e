#pragma once
// The program-wide options, the sound switch and the player table, with
// the routines that move them between memory and the settings store.

#include "SettingsTypes.h"

extern GameSettingsRecord GameSettings;
extern bool gblnPlaySound;
extern PlayerTable gudtPlayers;

// Reads "Game Settings" from the store; every value that is missing or not
// accepted takes its default. A store failure is reported, and the options
// not yet read also take their defaults.
void LoadSettings() noexcept;

// Writes every key of "Game Settings" in the stored order.
void SaveSettings() noexcept;
