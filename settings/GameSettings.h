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

// Writes the keys of "Game Settings" this game changed since it read them,
// and every key that was missing or not accepted at load, in the stored
// order, into the store as it stands at the save: another game's changes
// to the other keys stay.
void SaveSettings() noexcept;
