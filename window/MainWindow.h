#pragma once
// The main window: the menus and toolbar, the status bar, the game clock,
// the commands and the life of the window. Every rule lives in GameEngine;
// the board (GameBoard) draws the cells, and the window puts the facts of
// the game into the sentences the player reads and hears.

#include "BoardInterfaces.h"
#include "FrameExtents.h"
#include "GameSettings.h"
#include "GameEngine.h"
#include "OptionsHost.h"
#include "UnsavedWriter.h"
#include "Announcer.h"
#include "AboutDialog.h"
#include "HighScoresDialog.h"

#include <QMainWindow>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class GameBoard;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;

class MainWindow final : public QMainWindow, public IGameView, public IGameClock, public IOptionsHost {
    Q_OBJECT
public:
    // Builds the window and runs its loading steps: caption, the player's
    // choices (loaded from store into choices, which the caller owns), the
    // "Sounds" button, the board cells, the board size and the first deal.
    MainWindow(PlayerChoices& choices, ChoicesStore& store, ISoundPlayer& sound, IPauseClock& pause,
            IRandomSource& random, IScoreBook& scoreBook, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- Called by the options dialog (and by the window itself).
    const PlayerChoices& Choices() const override;
    void SetChoices(const PlayerChoices& choices) override;
    void StartNewGame() noexcept override;
    void SetBoardSize() noexcept override;
    void ChangeTileColor() noexcept override;
    void SetSoundsButtonPressed(bool pressed) override;
    // Lays the cells out for TileCount, below the toolbar when it is shown.
    void PositionImages() noexcept;

    // --- The facts of the game, put into words.
    void StatusChanged(const GameStatus& status) override;
    void SecondsChanged(qint32 seconds) override;
    void TurnPassed(int player, const QString& storedName) override;
    void GameOver(const GameResult& result) override;
    void NewHighScore() override;
    void TileTurned(int cell, const QString& tag, bool up) override;
    void SetEnded(bool match, const QList<int>& cells) override;
    void SetTurnedBack(const QList<int>& cells) override;

    // --- m_gameTimer as the rule book starts and stops it.
    void SetEnabled(bool enabled) override;
    bool IsEnabled() const override;

    // --- The parts of the window that are windows or rules of their own.
    GameEngine& Engine() { return *m_engine; }
    HighScoresDialog& Scores() { return m_scores; }
    AboutDialog& About() { return m_about; }
    // News for a player who cannot see the board.
    Announcer& News() { return *m_news; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // MainWindowBars.cpp
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();

    void BuildBoard();

    // A game call is a click played out, or a deal, with the windows it
    // opens (the high-score dialog, "Game Over", an error box). A command
    // of the player's that comes meanwhile runs once it is over, in order.
    void Command(std::function<void()> command);
    template <class Call>
    void GameCall(Call&& call);
    void EndGameCall();
    // Runs next once the changes another game's lock kept out of the store
    // are written or left for later, as part of the game call: the window
    // answers meanwhile, under a busy pointer, and holds the player's commands.
    void AfterStoreWrites(std::function<void()> next);
    void EndStoreWait(bool carryOn);
    // Holds back a close that comes during a game call; false when none runs.
    bool CloseAfterGameCall();
    void OnLoad() noexcept;
    void OnActivate() noexcept;
    void ShowDenseScreenArt() noexcept;
    void OnUnload() noexcept;
    void FitWindow();
    void CenterWindow();
    void Announce(const QString& text);
    // Status bar panel 1..3, and its name for assistive technology.
    void SetStatusPanel(int panel, const QString& text);
    // The counted sentences, each made here only.
    static QString SetsFlippedText(qint32 sets);
    static QString TimeText(qint32 seconds);
    static QString MatchesText(qint16 matches);
    static QString MatchesForText(qint16 matches, const QString& storedName);

    // Commands: the menu items, and the toolbar buttons that are no item's.
    void OnGameNew() noexcept;
    void OnGameHighScores() noexcept;
    void OnGameExit() noexcept;
    void OnOption(int index) noexcept;
    void OnViewStatusBar() noexcept;
    void OnViewToolbar() noexcept;
    void OnHelpContents() noexcept;
    void OnHelpIndex() noexcept;
    void OnHelpLicense() noexcept;
    void OnHelpAbout() noexcept;
    void OnBoardsButton() noexcept;
    void OnColorsButton() noexcept;
    void OnImagesButton() noexcept;
    void OnLevelsButton() noexcept;
    void OnPlayersButton() noexcept;
    void OnSoundsButton() noexcept;

    PlayerChoices& m_choices;
    ChoicesStore& m_store;
    ISoundPlayer& m_sound;
    HighScoresDialog m_scores;
    AboutDialog m_about;
    GameBoard* m_board = nullptr;
    Announcer* m_news = nullptr;
    // A match waits for the status that follows it, to be said with its score.
    QString m_matchNews;
    // The one-player result, said again as the high-score dialog opens.
    QString m_resultNews;
    // Made once the board it draws on exists.
    std::optional<GameEngine> m_engine;

    QMenu* m_gameMenu = nullptr;
    QAction* m_newGameAction = nullptr;
    QAction* m_highScoresAction = nullptr;
    QAction* m_exitAction = nullptr;
    QMenu* m_optionsMenu = nullptr;
    std::array<QAction*, 6> m_optionActions{};
    QMenu* m_viewMenu = nullptr;
    QAction* m_statusBarAction = nullptr;
    QAction* m_toolbarAction = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_contentsAction = nullptr;
    QAction* m_indexAction = nullptr;
    QAction* m_licenseAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QToolBar* m_toolbar = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QTimer* m_gameTimer = nullptr;
    QWidget* m_client = nullptr;  // below the menu bar, toolbar band included
    std::array<QLabel*, 3> m_panels{};
    AnnouncedFrameExtents m_frame;  // asked for as the window is made

    // Below the board: the height of the bars that were hidden at the last
    // change of board size.
    int m_blankBand = 0;
    int m_gameCalls = 0;
    UnsavedWriter m_unsaved;
    std::function<void()> m_afterStoreWrites;
    std::deque<std::function<void()>> m_waiting;
    bool m_closeWaiting = false;
    std::unique_ptr<BlockedCloseRequests> m_blockedCloses;  // X11 only
    bool m_activatedOnce = false;
    bool m_closing = false;
    bool m_shownOnce = false;
    bool m_paintedOnce = false;
};
