#pragma once
// What the options dialog asks of the main window: the player's choices as
// they stand, and the steps that follow when a tab is applied.

#include "SettingsTypes.h"

class IOptionsHost {
public:
    virtual ~IOptionsHost() = default;
    // The choices the dialog opens with.
    virtual const PlayerChoices& Choices() const = 0;
    // The choices with one tab applied; the tab's own step follows.
    virtual void SetChoices(const PlayerChoices& choices) = 0;
    virtual void StartNewGame() = 0;
    virtual void SetBoardSize() = 0;
    virtual void ChangeTileColor() = 0;
    // Shows the toolbar's "Sounds" button pressed or released.
    virtual void SetSoundsButtonPressed(bool pressed) = 0;
};
