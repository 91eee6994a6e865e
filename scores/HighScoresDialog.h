#pragma once
// The high-score dialog. The object lives for the run; its window is
// created at each showing, so the lists show the tables as stored then.

#include "ScoreTables.h"
#include "SettingsTypes.h"
#include "UnsavedWriter.h"

#include <QDialog>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class ISoundPlayer;
class QLabel;
class QMessageBox;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class HighScoresDialog;

// The window of the high-score dialog, alive from loading to closing.
class ScoresWindow final : public QDialog, public IScoreResetUi {
    Q_OBJECT
public:
    ScoresWindow(HighScoresDialog& form, QWidget* owner);

    // IScoreResetUi
    bool ConfirmReset(const QString& title, const QString& text) override;
    void ClearScoreList(const QString& section) noexcept override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Each control carries its name as its object name ("cmdReset",
    // "lvwSmallBoardSets"); a heading adds its index ("lblLabels0").
    QTabWidget* m_tabs = nullptr;
    std::array<QLabel*, 4> m_headings{};
    QTreeWidget* m_smallTimes = nullptr;
    QTreeWidget* m_smallSets = nullptr;
    QTreeWidget* m_largeTimes = nullptr;
    QTreeWidget* m_largeSets = nullptr;
    QPushButton* m_resetButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QLabel* m_image = nullptr;

    // The list that shows a table's section, or null.
    QTreeWidget* ListOf(const QString& section) const;
    // The "Reset Scores" question, built but not shown.
    static QMessageBox* MakeResetQuestion(const QString& title, const QString& text, QWidget* parent);

    void BuildControls();
    void NameControls();
    void PlaceControlsOnTabs();
    void FitFontToLists();
    void OnLoad();
    // stored: the store as read once for all four lists; none when it could not be read.
    void FillScoreList(QTreeWidget* list, const StoreContents* stored, const QString& section, const QString& key) noexcept;
    static QTreeWidgetItem* AddRankRow(QTreeWidget* list, int rank);
    void OnReset();
    void OnClose();

    HighScoresDialog& m_form;
    struct TabPlace {
        QWidget* control;
        QRect twips;  // measured from the tab control's corner
    };
    std::vector<TabPlace> m_tabPlaces;
};

class HighScoresDialog {
public:
    // The player's choices (the board size whose tab comes first, the sound
    // switch) are the owner's, read at each use.
    HighScoresDialog(ISoundPlayer& sound, const PlayerChoices& choices);
    ~HighScoresDialog();
    HighScoresDialog(const HighScoresDialog&) = delete;
    HighScoresDialog& operator=(const HighScoresDialog&) = delete;

    // Set by the game end before it shows the dialog after a new high score;
    // cleared by the activation that played the chime.
    bool newHighScore = false;

    // Creates the window, loads it, and shows it modally over owner;
    // returns when it is closed. A screen reader says spokenResult (the
    // result that entered the tables) as the window opens, after its title.
    void Show(QWidget* owner, const QString& spokenResult = QString());
    // Creates and loads the window without showing it, unless it is loaded.
    ScoresWindow* Load(QWidget* owner);
    // Closes the window if it is loaded.
    void Unload();
    // The window while it is loaded, else null.
    QDialog* Window() const;

    // Runs each time the window becomes active: greets a new high score with
    // "CHIMES" once, after the window has painted, when sounds are on.
    void OnActivate();

private:
    friend class ScoresWindow;
    ISoundPlayer& m_sound;
    const PlayerChoices& m_choices;
    // A reset another game's lock kept out is written once it lets go.
    UnsavedWriter m_unsaved;
    QPointer<ScoresWindow> m_window;
    bool m_activating = false;
};
