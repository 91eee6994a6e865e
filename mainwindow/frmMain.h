#pragma once
// The main window: the board, the menus and toolbar, the status bar and the
// game clock. Every rule lives in GameEngine; the window mirrors the cells on
// screen, forwards clicks, ticks and commands, and shows the end of a game.

#include "BoardInterfaces.h"
#include "GameEngine.h"
#include "OptionsHost.h"
#include "frmAbout.h"
#include "frmScores.h"

#include <QCursor>
#include <QMainWindow>
#include <QPixmap>

#include <array>

class BoardFocusFrame;
class BoardImage;
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

    // --- tmrGame as the rule book starts and stops it.
    void SetEnabled(bool enabled) override;
    bool IsEnabled() const override;

    // --- Commands. The toolbar has one handler for all its buttons.
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

    // --- What the window is made of, for whoever needs to look at it.
    GameEngine& Engine() { return m_engine; }
    frmScores& Scores() { return m_scores; }
    frmAbout& About() { return m_about; }
    BoardImage* imgTile(int k) const;  // k = 1..60
    BoardImage* imgPic(int k) const;
    const QPixmap& FlipHolder(int n) const;    // imgFlip(n), n = 1..6
    const QPixmap& ShrinkHolder(int n) const;  // imgShrink(n), n = 1..5
    QWidget* ClientArea() const { return m_client; }  // below the menu bar, toolbar band included
    QAction* ToolbarButton(const QString& key) const;
    QLabel* StatusPanel(int panel) const;  // 1..3
    bool ActivatedOnce() const { return m_activatedOnce; }
    // The cell the board's keyboard focus is on (0: none, the board is empty),
    // and the ring that shows it.
    int FocusedCell() const { return m_focusCell; }
    BoardFocusFrame* FocusFrame() const { return m_focusFrame; }
    // Whether cell k is in play: on the board and not yet removed.
    bool CellInPlay(int k) const;

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

signals:
    // News for a player who cannot see the board (a change of turn, the end
    // of a game), as it is given to assistive technology.
    void Announced(const QString& text);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void BuildBoard();
    BoardImage* NewTile(int k);
    BoardImage* NewPicture(int k);

    void Form_Load() noexcept;
    void Form_Activate() noexcept;
    void Form_Unload() noexcept;
    void LoadImageArrays() noexcept;
    void FitWindow();
    void CenterWindow();
    BoardImage* CheckedTile(int cell) const;
    BoardImage* CheckedPicture(int cell) const;

    // Keyboard play and what assistive technology is told.
    void CellClicked(int index);
    void StepFocus(int from, int key);
    void FocusCell(int k);
    void ShowFocusFrame();
    void UpdateCellName(int k);
    void CellLeftPlay(int k);
    void Announce(const QString& text);

    ISoundPlayer& m_sound;
    GameEngine m_engine;
    frmScores m_scores;
    frmAbout m_about;

    QWidget* m_client = nullptr;
    std::array<QLabel*, 3> m_panels{};
    // Index 0 unused, so the cells and frames keep their numbers.
    std::array<BoardImage*, BoardCells + 1> m_tiles{};
    std::array<BoardImage*, BoardCells + 1> m_pictures{};
    std::array<QPixmap, 7> imgFlip{};
    std::array<QPixmap, 6> imgShrink{};
    BoardFocusFrame* m_focusFrame = nullptr;
    int m_focusCell = 0;

    // The grid the window is sized for; only a valid board size changes it.
    int m_columns = 6;
    int m_rows = 5;
    bool m_activatedOnce = false;
    bool m_closing = false;
    QCursor m_handCursor;
    bool m_shownOnce = false;
};
