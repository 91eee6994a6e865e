#pragma once
// The options dialog: six tabs, each applied on its own.

#include "SettingsTypes.h"

#include <QDialog>

#include <array>
#include <vector>

class IOptionsHost;
class QButtonGroup;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// A control array indexed from 1, the way the dialog's option buttons and
// name boxes are numbered: m_boards(1) is "Small", m_nameBoxes(2) player 2.
template <class Control>
class ControlArray {
public:
    Control* operator()(int index) const { return m_controls.at(static_cast<size_t>(index - 1)); }
    int Count() const { return static_cast<int>(m_controls.size()); }
    void Add(Control* control) { m_controls.push_back(control); }

private:
    std::vector<Control*> m_controls;
};

// One exclusive group of option buttons.
class OptionButtons : public ControlArray<QRadioButton> {
public:
    QButtonGroup* Group = nullptr;
    // Index (1..Count) of the selected button, 0 when none is selected.
    int Selected() const;
    // Selects button index. Like every change of selection it counts as a
    // change of the tab; the loading and Default undo that themselves.
    void Select(int index) const;
    // Tab and Shift+Tab stop at the group once, on its selected button (the
    // first when none is); the arrow keys move within the group.
    void KeepTabStopOnSelected() const;
};

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Tab indexes of m_tabs.
    enum Tab { TabBoards = 0, TabColors, TabImages, TabLevels, TabPlayers, TabSounds, TabCount };

    OptionsDialog(IOptionsHost& host, QWidget* owner);
    ~OptionsDialog() override;

    // Creates the dialog afresh, loads it from the host's choices,
    // selects tab (0..5) and shows it modally over owner; the dialog is
    // destroyed when it closes.
    static void ShowOptions(IOptionsHost& host, QWidget* owner, int tab);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Each control carries its name as its object name ("cmdApply", "tabOptions",
    // "fraOptions5"); an element of an array adds its index ("optBoards2", "txtPlayer1").
    QPushButton* m_okButton = nullptr;
    QPushButton* m_defaultButton = nullptr;
    QPushButton* m_applyButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QTabWidget* m_tabs = nullptr;
    // Indexed by frame number; the Levels tab holds frame 5, Players 3, Sounds 4.
    std::array<QFrame*, 6> m_frames{};
    OptionButtons m_boards;
    OptionButtons m_colors;
    OptionButtons m_images;
    OptionButtons m_levels;
    OptionButtons m_players;
    OptionButtons m_sounds;
    ControlArray<QLineEdit> m_nameBoxes;

    void BuildControls();
    void MakeTabKeysDialogWide();
    void LabelForAssistiveTechnology();
    void NameControls();
    void PlaceFramesOnTabs();
    void FitFontToCaptions();

    void LoadBoards();
    void LoadColors();
    void LoadImages();
    void LoadLevels();
    void LoadPlayers();
    void LoadSounds();

    void ApplyBoards();
    void ApplyColors();
    void ApplyImages();
    void ApplyLevels();
    void ApplyPlayers();
    void ApplySounds();
    void ApplyTab(int tab);

    void SetNameBoxEnabled(int player, bool enabled);

    void OnOptionClicked(const OptionButtons& group);
    void OnNameEdited();
    void OnPlayersClicked();
    void OnTabChanged(int newTab);
    void OnApply();
    void OnOk();
    void OnCancel();
    void OnDefault();

    IOptionsHost& m_host;
    // The player's choices as this dialog edits them; each applied tab hands them back.
    PlayerChoices m_choices;
    int m_previousTab = 0;
};
