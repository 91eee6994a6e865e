#include "frmMain.h"

#include "BoardAccessible.h"
#include "BoardFocus.h"
#include "BoardImage.h"
#include "ErrorTrap.h"
#include "FrameExtents.h"
#include "GameSettings.h"
#include "Resources.h"
#include "Twips.h"
#include "basHelp.h"
#include "frmOptions.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

// Twips of the board: the first column's tile and picture, the first row's
// with and without the toolbar, and the pitch of the grid.
constexpr int TileLeft = 100;
constexpr int TileTopBelowToolbar = 500;
constexpr int TileTopNoToolbar = 100;
constexpr int PictureLeft = 360;
constexpr int PictureTopBelowToolbar = 680;
constexpr int PictureTopNoToolbar = 280;
constexpr int Pitch = 1000;
constexpr int Margin = 100;           // left and right of the board, and below its last row
constexpr int TileSize = 900;         // the 60 x 60 tile bitmap
constexpr int PictureSize = 480;      // the 32 x 32 picture icon
constexpr int ToolbarBand = 400;      // leaves the 100-twip gap above the first row
constexpr int StatusBarHeight = 375;
constexpr int Panel1MinWidth = 1440;
constexpr int Panel2Width = 1600;
constexpr int Panel3Width = 1200;

constexpr int SubscriptOutOfRange = 9;

const QColor LightGrey(192, 192, 192);

struct Grid {
    int columns = 0;
    int rows = 0;
};

Grid GridFor(int tileCount) {
    if (tileCount == 30) return {6, 5};
    if (tileCount == 60) return {10, 6};
    return {};
}

struct ToolbarButtonDef {
    const char* key;
    const char* toolTip;
};

// Left to right; a null key is a separator.
constexpr std::array<ToolbarButtonDef, 12> ToolbarButtons{{
    {"New", "Start New Game"},
    {"Scores", "Display High Scores"},
    {nullptr, nullptr},
    {"Boards", "Change Board Size"},
    {"Colors", "Change Tile Color"},
    {"Images", "Change Image Category"},
    {"Levels", "Change Level of Difficulty"},
    {"Players", "Change Players"},
    {"Sounds", "Toggle Sounds"},
    {nullptr, nullptr},
    {"About", "Display Program Information"},
    {"Exit", "Exit Game"},
}};

// The toolbar pictures are 16 x 15: on a dense screen each pixel becomes a
// block of pixels instead of a blur.
QIcon CrispIcon(const QPixmap& picture) {
    QIcon icon(picture);
    if (picture.isNull()) return icon;
    for (int ratio : {2, 3}) {
        QPixmap large = picture.scaled(picture.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        large.setDevicePixelRatio(ratio);
        icon.addPixmap(large);
    }
    return icon;
}

// A message box shows a carriage return as nothing at all: make it a line break.
QString WithLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(13), QChar(10));
    return text;
}

}  // namespace

frmMain::frmMain(ISoundPlayer& sound, IPauseClock& pause, IRandomSource& random, QWidget* parent)
    : QMainWindow(parent),
      m_sound(sound),
      m_engine(*this, *this, pause, sound, random),
      m_scores(sound) {
    // The window as designed: fixed border, minimise but no maximise, light grey.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, LightGrey);
    setPalette(pal);
    Trap([&] { setWindowIcon(ProgramIcon()); });
    InstallBoardAccessibility();

    BuildBoard();
    BuildMenus();
    BuildStatusBar();

    tmrGame = new QTimer(this);
    tmrGame->setObjectName(QStringLiteral("tmrGame"));
    tmrGame->setInterval(1000);
    // The coarse timer may fire several per cent early; the clock counts seconds.
    tmrGame->setTimerType(Qt::PreciseTimer);
    connect(tmrGame, &QTimer::timeout, this, [this] { m_engine.GameClockTick(); });

    // The window is exactly as large as its board and bars.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

frmMain::~frmMain() {
    // The cells outlive this part of the window while it is taken apart:
    // nothing they report may reach it any more.
    for (BoardImage* image : m_tiles)
        if (image != nullptr) disconnect(image, nullptr, this, nullptr);
    for (BoardImage* image : m_pictures)
        if (image != nullptr) disconnect(image, nullptr, this, nullptr);
}

// ---------------------------------------------------------------- building the window

void frmMain::BuildBoard() {
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    BuildToolbar();

    // Element 1 of each image array is built with the window, with the hand
    // pointer; LoadImageArrays adds the rest, which copy it.
    Trap([&] { m_handCursor = HandCursor(); });
    m_tiles[1] = NewTile(1);
    m_pictures[1] = NewPicture(1);
    m_focusFrame = new BoardFocusFrame(m_client);
}

BoardImage* frmMain::NewTile(int k) {
    auto* tile =
        new BoardImage(k, QSize(TwipsToPixels(TileSize), TwipsToPixels(TileSize)), BoardImage::Kind::Tile, m_client);
    tile->setObjectName(QStringLiteral("imgTile%1").arg(k));
    tile->setCursor(m_handCursor);
    connect(tile, &BoardImage::Click, this, [this](int index) { CellClicked(index); });
    connect(tile, &BoardImage::StepRequested, this, [this](int index, int key) { StepFocus(index, key); });
    connect(tile, &BoardImage::FocusChanged, this, [this](int index, bool focused) {
        // However the focus came (a key, a click, the window activated again).
        if (focused && CellInPlay(index)) m_focusCell = index;
        ShowFocusFrame();
    });
    return tile;
}

BoardImage* frmMain::NewPicture(int k) {
    auto* picture = new BoardImage(k, QSize(TwipsToPixels(PictureSize), TwipsToPixels(PictureSize)),
                                   BoardImage::Kind::Face, m_client);
    picture->setObjectName(QStringLiteral("imgPic%1").arg(k));
    picture->setCursor(m_handCursor);
    connect(picture, &BoardImage::Click, this, [this](int index) { CellClicked(index); });
    return picture;
}

void frmMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };

    mnuGame = bar->addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuGameNew = item(mnuGame, "mnuGameNew", QStringLiteral("&New"));
    mnuGameNew->setShortcut(QKeySequence(Qt::Key_F2));
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuGameSep1"));
    mnuGameHighScores = item(mnuGame, "mnuGameHighScores", QStringLiteral("&High Scores..."));
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuGameSep2"));
    mnuGameExit = item(mnuGame, "mnuGameExit", QStringLiteral("E&xit"));
    connect(mnuGameNew, &QAction::triggered, this, [this] { mnuGameNew_Click(); });
    connect(mnuGameHighScores, &QAction::triggered, this, [this] { mnuGameHighScores_Click(); });
    connect(mnuGameExit, &QAction::triggered, this, [this] { mnuGameExit_Click(); });

    mnuOptions = bar->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    const std::array<QString, 6> optionCaptions{QStringLiteral("&Boards"), QStringLiteral("&Colors"),
                                                QStringLiteral("&Images"), QStringLiteral("&Levels"),
                                                QStringLiteral("&Players"), QStringLiteral("&Sounds")};
    for (int i = 0; i < 6; ++i) {
        mnuOption[i] = item(mnuOptions, "mnuOption", optionCaptions[i]);
        mnuOption[i]->setData(i);
        connect(mnuOption[i], &QAction::triggered, this, [this, i] { mnuOption_Click(i); });
    }

    mnuView = bar->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewStatusBar = item(mnuView, "mnuViewStatusBar", QStringLiteral("&Status Bar"));
    mnuViewToolbar = item(mnuView, "mnuViewToolbar", QStringLiteral("&Toolbar"));
    for (QAction* toggle : {mnuViewStatusBar, mnuViewToolbar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(mnuViewStatusBar, &QAction::triggered, this, [this] { mnuViewStatusBar_Click(); });
    connect(mnuViewToolbar, &QAction::triggered, this, [this] { mnuViewToolbar_Click(); });

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = item(mnuHelp, "mnuHelpContents", QStringLiteral("&Contents"));
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpIndex = item(mnuHelp, "mnuHelpIndex", QStringLiteral("&Index"));
    mnuHelpLicense = item(mnuHelp, "mnuHelpLicense", QStringLiteral("&License Agreement"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", QStringLiteral("&About Pexora..."));
    connect(mnuHelpContents, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(mnuHelpIndex, &QAction::triggered, this, [this] { mnuHelpIndex_Click(); });
    connect(mnuHelpLicense, &QAction::triggered, this, [this] { mnuHelpLicense_Click(); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
}

void frmMain::BuildToolbar() {
    // The toolbar lies in the client area's top band, so the board is laid out
    // from the top of the client area whether the toolbar is shown or not.
    tlbMain = new QToolBar(m_client);
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setMovable(false);
    tlbMain->setFloatable(false);
    tlbMain->setIconSize(QSize(16, 15));
    tlbMain->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tlbMain->setFixedHeight(TwipsToPixels(ToolbarBand));
    tlbMain->move(0, 0);
    for (const ToolbarButtonDef& def : ToolbarButtons) {
        if (def.key == nullptr) {
            tlbMain->addSeparator();
            continue;
        }
        const QString key = QLatin1String(def.key);
        QPixmap picture;
        Trap([&] { picture = ToolbarPicture(key); });
        QAction* button = tlbMain->addAction(CrispIcon(picture), QString());
        button->setObjectName(QStringLiteral("tlbMain") + key);
        button->setData(key);
        button->setToolTip(QLatin1String(def.toolTip));
        // The buttons carry no caption: a screen reader says the tip.
        if (QWidget* widget = tlbMain->widgetForAction(button))
            widget->setAccessibleName(QLatin1String(def.toolTip));
        if (key == QLatin1String("Sounds")) button->setCheckable(true);
    }
    connect(tlbMain, &QToolBar::actionTriggered, this,
            [this](QAction* button) { tlbMain_ButtonClick(button->data().toString()); });
}

void frmMain::BuildStatusBar() {
    stbMain = new QStatusBar(this);
    stbMain->setObjectName(QStringLiteral("stbMain"));
    stbMain->setSizeGripEnabled(false);
    stbMain->setFixedHeight(TwipsToPixels(StatusBarHeight));
    const std::array<QString, 3> designTexts{QStringLiteral("Player 1"), QStringLiteral("Sets Flipped: 0"),
                                             QStringLiteral("Time: 0")};
    const std::array<QString, 3> descriptions{
        QStringLiteral("The player whose turn it is"),
        QStringLiteral("Sets flipped by the player, or the player's matches in a two-player game"),
        QStringLiteral("Seconds since the first tile of a one-player game was turned")};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(designTexts[i], stbMain);
        panel->setObjectName(QStringLiteral("stbMainPanel%1").arg(i + 1));
        // Names come from the player: never read them as markup.
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAccessibleDescription(descriptions[i]);
        m_panels[i] = panel;
        SetStatusPanel(i + 1, designTexts[i]);
    }
    // Panel 1 takes what the others leave; its text never widens the window.
    m_panels[0]->setMinimumWidth(TwipsToPixels(Panel1MinWidth));
    m_panels[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_panels[1]->setFixedWidth(TwipsToPixels(Panel2Width));
    m_panels[2]->setFixedWidth(TwipsToPixels(Panel3Width));
    stbMain->addWidget(m_panels[0], 1);
    stbMain->addWidget(m_panels[1]);
    stbMain->addWidget(m_panels[2]);
    setStatusBar(stbMain);
}

// ---------------------------------------------------------------- life of the window

void frmMain::Form_Load() noexcept {
    Trap([&] {
        setWindowTitle(QStringLiteral("Pexora"));
        LoadSettings();
        SetSoundsButtonPressed(gblnPlaySound);
        LoadImageArrays();
        SetBoardSize();
        StartNewGame();
    });
}

bool frmMain::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return handled;
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The frame the platform adds is known once the window exists: centre
    // the whole window, frame included, before it first appears.
    if (!m_shownOnce && !event->spontaneous()) {
        m_shownOnce = true;
        CenterWindow();
    }
}

void frmMain::Form_Activate() noexcept {
    Trap([&] {
        if (m_activatedOnce) return;
        // Noted before the sound, so an activation that arrives while the
        // window paints cannot play it a second time.
        m_activatedOnce = true;
        if (gblnPlaySound) {
            QCoreApplication::processEvents();
            m_sound.PlayWaveResource(QStringLiteral("START"));
        }
    });
}

void frmMain::closeEvent(QCloseEvent* event) {
    // The close cannot be cancelled, and its steps run once.
    event->accept();
    if (m_closing) return;
    m_closing = true;
    Form_Unload();
}

void frmMain::Form_Unload() noexcept {
    Trap([&] {
        SaveSettings();
        if (gblnPlaySound) m_sound.PlayWaveResource(QStringLiteral("SHUTDOWN"));
        // The other windows were all opened over this one: unload them, the
        // most recently loaded first.
        QList<QWidget*> windows;
        for (QObject* child : children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget != nullptr && widget->isWindow()) windows.append(widget);
        }
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            QWidget* window = *it;
            if (window == m_scores.Window()) {
                m_scores.Unload();
            } else {
                window->close();
            }
        }
    });
}

// ---------------------------------------------------------------- board layout

void frmMain::LoadImageArrays() noexcept {
    Trap([&] {
        m_tiles[1]->hide();
        m_pictures[1]->hide();
        for (int k = 2; k <= BoardCells; ++k) {
            m_tiles[k] = NewTile(k);
            m_tiles[k]->hide();
            m_pictures[k] = NewPicture(k);
            m_pictures[k]->hide();
        }
    });
}

void frmMain::SetBoardSize() noexcept {
    Trap([&] {
        const Grid grid = GridFor(GameSettings.TileCount);
        if (grid.columns > 0) {
            m_columns = grid.columns;
            m_rows = grid.rows;
        }
        PositionImages();
        FitWindow();
        CenterWindow();
    });
}

void frmMain::PositionImages() noexcept {
    Trap([&] {
        const Grid grid = GridFor(GameSettings.TileCount);
        const bool toolbar = mnuViewToolbar->isChecked();
        const int tileTop = toolbar ? TileTopBelowToolbar : TileTopNoToolbar;
        const int pictureTop = toolbar ? PictureTopBelowToolbar : PictureTopNoToolbar;
        m_tiles[1]->move(TwipsToPixels(TileLeft), TwipsToPixels(tileTop));
        m_pictures[1]->move(TwipsToPixels(PictureLeft), TwipsToPixels(pictureTop));
        // Numbered down each column, then across. Each place is rounded from
        // its own twips, so no rounding adds up across the board.
        int k = 1;
        for (int c = 0; c < grid.columns; ++c) {
            for (int r = 0; r < grid.rows; ++r) {
                if (k > BoardCells) return;
                m_tiles[k]->move(TwipsToPixels(TileLeft + Pitch * c), TwipsToPixels(tileTop + Pitch * r));
                m_pictures[k]->move(TwipsToPixels(PictureLeft + Pitch * c), TwipsToPixels(pictureTop + Pitch * r));
                m_pictures[k]->raise();
                ++k;
            }
        }
        ShowFocusFrame();
    });
}

void frmMain::FitWindow() {
    // The client area holds the board with a margin to its left, right and
    // below its last row, under the toolbar's band when the toolbar is shown;
    // the menu bar and the status bar (when shown) come on top of that. Showing
    // or hiding a bar therefore grows or shrinks the window by its height.
    const int lastLeft = TwipsToPixels(TileLeft + Pitch * (m_columns - 1));
    const int lastTop = TwipsToPixels(TileTopNoToolbar + Pitch * (m_rows - 1));
    const int width = lastLeft + TwipsToPixels(TileSize) + TwipsToPixels(Margin);
    int height = lastTop + TwipsToPixels(TileSize) + TwipsToPixels(Margin);
    if (mnuViewToolbar->isChecked()) height += tlbMain->height();
    m_client->setFixedSize(width, height);
    tlbMain->setFixedWidth(width);
    layout()->invalidate();
    layout()->activate();
}

void frmMain::CenterWindow() {
    // A Wayland compositor places windows itself; a client cannot.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    QScreen* screen = this->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    auto centred = [&](const QSize& outer) {
        return QPoint(area.x() + qRound((area.width() - outer.width()) / 2.0),
                      area.y() + qRound((area.height() - outer.height()) / 2.0));
    };
    // Before its first showing the window has no frame yet: the window
    // manager says which one it will give, and the window itself is placed
    // inside it.
    if (frameGeometry().size() == size() && testAttribute(Qt::WA_WState_Created)) {
        const QMargins frame = AnnouncedFrameExtents(this);
        if (!frame.isNull()) {
            const QPoint corner = centred(QRect(QPoint(), size()).marginsAdded(frame).size());
            setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
            return;
        }
    }
    move(centred(frameGeometry().size()));
}

// ---------------------------------------------------------------- the game

void frmMain::StartNewGame() noexcept {
    m_engine.StartNewGame();
    // The focus stays where it was if that cell is still on the board.
    Trap([&] {
        const Grid grid = GridFor(GameSettings.TileCount);
        FocusCell(CellInPlay(m_focusCell) ? m_focusCell
                                          : StepToCell(0, BoardStep::First, grid.columns, grid.rows,
                                                       [this](int k) { return CellInPlay(k); }));
    });
}

void frmMain::ChangeTileColor() noexcept { m_engine.ChangeTileColor(); }

void frmMain::SetSoundsButtonPressed(bool pressed) {
    if (QAction* button = ToolbarButton(QStringLiteral("Sounds"))) button->setChecked(pressed);
}

void frmMain::LoadFlipFrames() noexcept {
    Trap([&] {
        for (int n = 1; n <= 6; ++n)
            imgFlip[n] = LoadResPicture(GameSettings.TileColor + QStringLiteral("FLIP") + QString::number(n),
                                        PictureKind::Bitmap);
    });
}

void frmMain::LoadShrinkFrames() noexcept {
    Trap([&] {
        for (int n = 1; n <= 5; ++n)
            imgShrink[n] = LoadResPicture(GameSettings.TileColor + QStringLiteral("SHRINK") + QString::number(n),
                                          PictureKind::Bitmap);
    });
}

BoardImage* frmMain::CheckedTile(int cell) const {
    if (cell < 1 || cell > BoardCells || m_tiles[cell] == nullptr)
        throw RuntimeError(SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return m_tiles[cell];
}

BoardImage* frmMain::CheckedPicture(int cell) const {
    if (cell < 1 || cell > BoardCells || m_pictures[cell] == nullptr)
        throw RuntimeError(SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    return m_pictures[cell];
}

void frmMain::SetTilePicture(int cell, TilePicture picture) {
    BoardImage* tile = CheckedTile(cell);
    const int n = static_cast<int>(picture);
    if (picture == TilePicture::Empty) {
        tile->SetPicture(QPixmap());
    } else if (n >= 1 && n <= 6) {
        tile->SetPicture(imgFlip[n]);
    } else if (n >= 11 && n <= 15) {
        tile->SetPicture(imgShrink[n - 10]);
    } else {
        throw RuntimeError(ErrorNumbers::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"));
    }
}

void frmMain::SetTileEnabled(int cell, bool enabled) {
    CheckedTile(cell)->setEnabled(enabled);
    UpdateCellName(cell);
    if (!enabled) CellLeftPlay(cell);
}

void frmMain::SetTileVisible(int cell, bool visible) {
    CheckedTile(cell)->setVisible(visible);
    UpdateCellName(cell);
}
// Painted at once: the animations wait without running the event loop, so a
// scheduled update would only show their last frame.
void frmMain::RedrawTile(int cell) { CheckedTile(cell)->repaint(); }

void frmMain::LoadFacePicture(int cell, const QString& resourceName) {
    BoardImage* picture = CheckedPicture(cell);
    picture->SetPicture(LoadResPicture(resourceName, PictureKind::Icon));
    UpdateCellName(cell);
}

void frmMain::SetFaceVisible(int cell, bool visible) {
    BoardImage* picture = CheckedPicture(cell);
    picture->setVisible(visible);
    if (visible) picture->raise();
    UpdateCellName(cell);
}

void frmMain::SetFaceEnabled(int cell, bool enabled) { CheckedPicture(cell)->setEnabled(enabled); }
void frmMain::RedrawFace(int cell) { CheckedPicture(cell)->repaint(); }

void frmMain::SetStatusPanel(int panel, const QString& text) {
    if (panel < 1 || panel > 3) throw RuntimeError(SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    QLabel* label = m_panels[panel - 1];
    label->setText(text);
    // Said as it is shown: a name is never taken for markup or access keys.
    const QString spoken = panel == 1 ? QStringLiteral("Player: ") + text : text;
    if (label->accessibleName() != spoken) label->setAccessibleName(spoken);
    if (panel == 1 && m_engine.mintPlayer != m_announcedPlayer) {
        m_announcedPlayer = m_engine.mintPlayer;
        if (GameSettings.PlayerCount != 1) Announce(text + QStringLiteral(" to play"));
    }
}

void frmMain::ShowNewHighScore() {
    m_scores.Unload();
    QCoreApplication::processEvents();
    m_scores.blnNewHighScore = true;
    m_scores.Show(this);
}

void frmMain::ShowGameOverMessage(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Game Over"), WithLineBreaks(text), QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void frmMain::SetEnabled(bool enabled) {
    if (!enabled) {
        tmrGame->stop();
    } else if (!tmrGame->isActive()) {
        // Starting a running clock would restart its second.
        tmrGame->start();
    }
}

bool frmMain::IsEnabled() const { return tmrGame->isActive(); }

// ---------------------------------------------------------------- keyboard and assistive technology

bool frmMain::CellInPlay(int k) const {
    const Grid grid = GridFor(GameSettings.TileCount);
    return k >= 1 && k <= grid.columns * grid.rows && k <= BoardCells && m_engine.Cell(k).TileEnabled;
}

void frmMain::CellClicked(int index) {
    // The focus follows the mouse too, so the keys go on from the last click.
    if (CellInPlay(index)) FocusCell(index);
    m_engine.TileClicked(static_cast<qint16>(index));
}

void frmMain::StepFocus(int from, int key) {
    Trap([&] {
        BoardStep step{};
        if (!StepForKey(key, step)) return;
        const Grid grid = GridFor(GameSettings.TileCount);
        const int to = StepToCell(from, step, grid.columns, grid.rows, [this](int k) { return CellInPlay(k); });
        if (to != 0) FocusCell(to);
    });
}

void frmMain::FocusCell(int k) {
    m_focusCell = k;
    if (k >= 1 && k <= BoardCells && m_tiles[k] != nullptr) {
        m_tiles[k]->setFocus(Qt::OtherFocusReason);
    } else if (qobject_cast<BoardImage*>(focusWidget()) != nullptr) {
        focusWidget()->clearFocus();
    }
    ShowFocusFrame();
}

void frmMain::ShowFocusFrame() {
    if (m_focusFrame == nullptr) return;
    const int k = m_focusCell;
    BoardImage* tile = (k >= 1 && k <= BoardCells) ? m_tiles[k] : nullptr;
    if (tile != nullptr && tile->hasFocus() && CellInPlay(k)) {
        m_focusFrame->Surround(tile->geometry());
    } else {
        m_focusFrame->Hide();
    }
}

void frmMain::UpdateCellName(int k) {
    if (k < 1 || k > BoardCells || m_tiles[k] == nullptr) return;
    const Grid grid = GridFor(GameSettings.TileCount);
    const BoardCell& cell = m_engine.Cell(k);
    QString name;
    QString pictureName;
    if (k > grid.columns * grid.rows) {
        name = QStringLiteral("Out of play");
    } else {
        // Only a face that shows is named (the name table is read at the first).
        if (cell.FaceVisible && cell.TileEnabled) {
            pictureName = PictureName(GameSettings.Images, cell.Tag.toInt());
            if (pictureName.isEmpty()) pictureName = QStringLiteral("Picture ") + cell.Tag;
        }
        name = QStringLiteral("Row %1, column %2, ").arg((k - 1) % grid.rows + 1).arg((k - 1) / grid.rows + 1);
        if (!cell.TileEnabled) {
            name += QStringLiteral("removed");
        } else if (cell.FaceVisible) {
            name += QStringLiteral("face up, ") + pictureName;
        } else {
            name += QStringLiteral("face down");
        }
    }
    // A picture is named only while it can be seen: the names of face-down
    // tiles would give the game away.
    const QString faceName = cell.FaceVisible && cell.TileEnabled ? pictureName : QString();
    // Only a real change is announced to assistive technology.
    if (m_tiles[k]->accessibleName() != name) m_tiles[k]->setAccessibleName(name);
    if (m_pictures[k] != nullptr && m_pictures[k]->accessibleName() != faceName)
        m_pictures[k]->setAccessibleName(faceName);
}

void frmMain::CellLeftPlay(int k) {
    const Grid grid = GridFor(GameSettings.TileCount);
    auto inPlay = [this](int cell) { return CellInPlay(cell); };
    const int next = StepToCell(k, BoardStep::Down, grid.columns, grid.rows, inPlay);
    if (k == m_focusCell || !CellInPlay(m_focusCell)) FocusCell(next);
    // A cell of the board taken out of play by the last match: the game is over.
    if (k <= grid.columns * grid.rows && next == 0) {
        QString text = QStringLiteral("Game over.");
        if (GameSettings.PlayerCount == 1) {
            text += QStringLiteral(" ") + m_panels[1]->text() + QStringLiteral(", ") + m_panels[2]->text() +
                    QStringLiteral(".");
        } else {
            for (int p = 1; p <= 2; ++p)
                text += QStringLiteral(" ") + QString::number(gudtPlayers(p).intMatches) +
                        QStringLiteral(" matches for ") + gudtPlayers(p).strName + QStringLiteral(".");
        }
        Announce(text);
    }
}

void frmMain::Announce(const QString& text) {
    // The status bar carries the news: its name changes, and an alert asks
    // a screen reader to say it now.
    stbMain->setAccessibleName(text);
    QAccessibleEvent alert(stbMain, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    emit Announced(text);
}

// ---------------------------------------------------------------- commands

void frmMain::tlbMain_ButtonClick(const QString& key) noexcept {
    Trap([&] {
        if (key == QLatin1String("New")) {
            mnuGameNew_Click();
        } else if (key == QLatin1String("Scores")) {
            mnuGameHighScores_Click();
        } else if (key == QLatin1String("Boards")) {
            frmOptions::ShowOptions(*this, this, 0);
        } else if (key == QLatin1String("Colors")) {
            frmOptions::ShowOptions(*this, this, 1);
        } else if (key == QLatin1String("Images")) {
            frmOptions::ShowOptions(*this, this, 2);
        } else if (key == QLatin1String("Levels")) {
            frmOptions::ShowOptions(*this, this, 3);
        } else if (key == QLatin1String("Players")) {
            frmOptions::ShowOptions(*this, this, 4);
        } else if (key == QLatin1String("Sounds")) {
            // Only the switch: it is stored when the program closes.
            gblnPlaySound = !gblnPlaySound;
            SetSoundsButtonPressed(gblnPlaySound);
        } else if (key == QLatin1String("About")) {
            mnuHelpAbout_Click();
        } else if (key == QLatin1String("Exit")) {
            mnuGameExit_Click();
        }
    });
}

void frmMain::mnuGameNew_Click() noexcept {
    Trap([&] { StartNewGame(); });
}

void frmMain::mnuGameHighScores_Click() noexcept {
    Trap([&] { m_scores.Show(this); });
}

void frmMain::mnuGameExit_Click() noexcept {
    Trap([&] { close(); });
}

void frmMain::mnuOption_Click(int index) noexcept {
    Trap([&] { frmOptions::ShowOptions(*this, this, index); });
}

void frmMain::mnuViewStatusBar_Click() noexcept {
    // The item's check mark has already changed: it says whether the bar shows now.
    Trap([&] {
        stbMain->setVisible(mnuViewStatusBar->isChecked());
        FitWindow();
    });
}

void frmMain::mnuViewToolbar_Click() noexcept {
    Trap([&] {
        tlbMain->setVisible(mnuViewToolbar->isChecked());
        FitWindow();
        PositionImages();
    });
}

void frmMain::mnuHelpContents_Click() noexcept {
    Trap([&] { ShowHelpContents(this, basHelp::HelpFile()); });
}

void frmMain::mnuHelpIndex_Click() noexcept {
    Trap([&] { ShowHelpIndex(this, basHelp::HelpFile()); });
}

void frmMain::mnuHelpLicense_Click() noexcept {
    Trap([&] { ShowHelpTopic(this, basHelp::HelpFile(), QStringLiteral("License.htm")); });
}

void frmMain::mnuHelpAbout_Click() noexcept {
    Trap([&] { m_about.Show(this); });
}

// ---------------------------------------------------------------- for onlookers

BoardImage* frmMain::imgTile(int k) const { return (k >= 1 && k <= BoardCells) ? m_tiles[k] : nullptr; }
BoardImage* frmMain::imgPic(int k) const { return (k >= 1 && k <= BoardCells) ? m_pictures[k] : nullptr; }

const QPixmap& frmMain::FlipHolder(int n) const {
    static const QPixmap none;
    return (n >= 1 && n <= 6) ? imgFlip[n] : none;
}

const QPixmap& frmMain::ShrinkHolder(int n) const {
    static const QPixmap none;
    return (n >= 1 && n <= 5) ? imgShrink[n] : none;
}

QAction* frmMain::ToolbarButton(const QString& key) const {
    if (tlbMain == nullptr) return nullptr;
    for (QAction* button : tlbMain->actions())
        if (!button->isSeparator() && button->data().toString() == key) return button;
    return nullptr;
}

QLabel* frmMain::StatusPanel(int panel) const { return (panel >= 1 && panel <= 3) ? m_panels[panel - 1] : nullptr; }
