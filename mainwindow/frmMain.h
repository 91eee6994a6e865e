#pragma once
// The main window: the menus and toolbar, the status bar, the game clock,
// the commands and the life of the window. Every rule lives in GameEngine;
// the board (GameBoard) mirrors the cells on screen, and the window forwards
// ticks and commands and shows the end of a game.

#include "BoardInterfaces.h"
#include "GameEngine.h"
#include "OptionsHost.h"
#include "Announcer.h"
#include "frmAbout.h"
#include "frmScores.h"

#include <QMainWindow>

#include <array>

class GameBoard;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;

class frmMain final : public QMainWindow, public IBoardView, public IGameClock, public IOptionsHost {
    Q_OBJECT
public:
    // Builds the window and runs its loading steps: caption, settings, the
    // "Sounds" button, the board cells, the board size and the first deal.
    frmMain(ISoundPlayer& sound, IPauseClock& pause, IRandomSource& random, IScoreBook& scoreBook,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // --- Called by the options dialog (and by the window itself).
    void StartNewGame() noexcept override;
    void SetBoardSize() noexcept override;
    void ChangeTileColor() noexcept override;
    void SetSoundsButtonPressed(bool pressed) override;
    // Lays the cells out for TileCount, below the toolbar when it is shown.
    void PositionImages() noexcept;

    // --- The board as the rule book drives it.
    void LoadFlipFrames() noexcept override;
    void LoadShrinkFrames() noexcept override;
    void SetTilePicture(int cell, TilePicture picture) override;
    void SetTileEnabled(int cell, bool enabled) override;
    void SetTileVisible(int cell, bool visible) override;
    void RedrawTile(int cell) override;
    void LoadFacePicture(int cell, const QString& resourceName) override;
    void SetFaceVisible(int cell, bool visible) override;
    void SetFaceEnabled(int cell, bool enabled) override;
    void RedrawFace(int cell) override;
    void SetStatusPanel(int panel, const QString& text) override;
    void ShowNewHighScore() override;
    void ShowGameOverMessage(const QString& text) override;
    void TurnChanged(int player) override;
    void GameOver(const QString& summary) override;
    void TileTurnedUp(int cell) override;
    void SetEnded(bool match, int cell) override;
    void SetTurnedBack(bool whole) override;

    // --- tmrGame as the rule book starts and stops it.
    void SetEnabled(bool enabled) override;
    bool IsEnabled() const override;

    // --- The parts of the window that are windows or rules of their own.
    GameEngine& Engine() { return m_engine; }
    frmScores& Scores() { return m_scores; }
    frmAbout& About() { return m_about; }
    // News for a player who cannot see the board.
    Announcer& News() { return *m_news; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // frmMainBars.cpp
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();

    void BuildBoard();
    void Form_Load() noexcept;
    void Form_Activate() noexcept;
    void Form_Unload() noexcept;
    void FitWindow();
    void CenterWindow();
    void Announce(const QString& text);

    // Commands. The toolbar has one handler for all its buttons.
    void tlbMain_ButtonClick(const QString& key) noexcept;
    void mnuGameNew_Click() noexcept;
    void mnuGameHighScores_Click() noexcept;
    void mnuGameExit_Click() noexcept;
    void mnuOption_Click(int index) noexcept;
    void mnuViewStatusBar_Click() noexcept;
    void mnuViewToolbar_Click() noexcept;
    void mnuHelpContents_Click() noexcept;
    void mnuHelpIndex_Click() noexcept;
    void mnuHelpLicense_Click() noexcept;
    void mnuHelpAbout_Click() noexcept;

    ISoundPlayer& m_sound;
    GameEngine m_engine;
    frmScores m_scores;
    frmAbout m_about;
    GameBoard* m_board = nullptr;
    Announcer* m_news = nullptr;

    QMenu* mnuGame = nullptr;
    QAction* mnuGameNew = nullptr;
    QAction* mnuGameHighScores = nullptr;
    QAction* mnuGameExit = nullptr;
    QMenu* mnuOptions = nullptr;
    std::array<QAction*, 6> mnuOption{};
    QMenu* mnuView = nullptr;
    QAction* mnuViewStatusBar = nullptr;
    QAction* mnuViewToolbar = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpIndex = nullptr;
    QAction* mnuHelpLicense = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QToolBar* tlbMain = nullptr;
    QStatusBar* stbMain = nullptr;
    QTimer* tmrGame = nullptr;
    QWidget* m_client = nullptr;  // below the menu bar, toolbar band included
    std::array<QLabel*, 3> m_panels{};

    bool m_activatedOnce = false;
    bool m_closing = false;
    bool m_shownOnce = false;
};
