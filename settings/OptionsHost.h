#pragma once
// What the options dialog calls back into the main window when a tab is applied.

class IOptionsHost {
public:
    virtual ~IOptionsHost() = default;
    virtual void StartNewGame() = 0;
    virtual void SetBoardSize() = 0;
    virtual void ChangeTileColor() = 0;
    // Shows the toolbar's "Sounds" button pressed or released.
    virtual void SetSoundsButtonPressed(bool pressed) = 0;
};
