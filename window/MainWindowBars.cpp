#include "MainWindow.h"

#include "ErrorTrap.h"
#include "ShownName.h"
#include "Resources.h"
#include "Twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

// The window's bars: the menus, the toolbar and the status bar.

namespace {

// Twips of the bars.
constexpr int ToolbarBand = 400;  // leaves the 100-twip gap above the first row
constexpr int StatusBarHeight = 375;
constexpr int Panel1MinWidth = 1440;
constexpr int Panel2Width = 1600;
constexpr int Panel3Width = 1200;

// Each pixel of a 32-bit picture copied into a block of ratio x ratio: what
// a fast scaling by a whole number gives, for much less work.
QImage Blocks(const QImage& picture, int ratio) {
    const int width = picture.width() * ratio;
    const int height = picture.height() * ratio;
    QImage large(width, height, picture.format());
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(y / ratio));
        auto* to = reinterpret_cast<QRgb*>(large.scanLine(y));
        for (int x = 0; x < width; ++x) to[x] = from[x / ratio];
    }
    return large;
}

// The toolbar pictures are 16 x 15: on a dense screen each pixel becomes a
// block of pixels instead of a blur.
QIcon CrispIcon(const QPixmap& picture) {
    QIcon icon(picture);
    if (picture.isNull()) return icon;
    const QImage small = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int ratio : {2, 3}) {
        QPixmap large = QPixmap::fromImage(Blocks(small, ratio));
        large.setDevicePixelRatio(ratio);
        icon.addPixmap(large);
    }
    return icon;
}

}  // namespace

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto item = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };

    m_gameMenu = bar->addMenu(tr("&Game"));
    m_gameMenu->setObjectName(QStringLiteral("mnuGame"));
    m_newGameAction = item(m_gameMenu, "mnuGameNew", tr("&New"));
    m_newGameAction->setShortcut(QKeySequence(Qt::Key_F2));
    m_gameMenu->addSeparator()->setObjectName(QStringLiteral("mnuGameSep1"));
    m_highScoresAction = item(m_gameMenu, "mnuGameHighScores", tr("&High Scores..."));
    m_gameMenu->addSeparator()->setObjectName(QStringLiteral("mnuGameSep2"));
    m_exitAction = item(m_gameMenu, "mnuGameExit", tr("E&xit"));
    connect(m_newGameAction, &QAction::triggered, this, [this] { Command([this] { OnGameNew(); }); });
    connect(m_highScoresAction, &QAction::triggered, this, [this] { Command([this] { OnGameHighScores(); }); });
    connect(m_exitAction, &QAction::triggered, this, [this] { Command([this] { OnGameExit(); }); });

    m_optionsMenu = bar->addMenu(tr("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("mnuOptions"));
    const std::array<QString, 6> optionCaptions{tr("&Boards"), tr("&Colors"),
                                                tr("&Images"), tr("&Levels"),
                                                tr("&Players"), tr("&Sounds")};
    for (int i = 0; i < 6; ++i) {
        m_optionActions[i] = item(m_optionsMenu, "mnuOption", optionCaptions[i]);
        m_optionActions[i]->setData(i);
        connect(m_optionActions[i], &QAction::triggered, this, [this, i] { Command([this, i] { OnOption(i); }); });
    }

    m_viewMenu = bar->addMenu(tr("&View"));
    m_viewMenu->setObjectName(QStringLiteral("mnuView"));
    m_statusBarAction = item(m_viewMenu, "mnuViewStatusBar", tr("&Status Bar"));
    m_toolbarAction = item(m_viewMenu, "mnuViewToolbar", tr("&Toolbar"));
    for (QAction* toggle : {m_statusBarAction, m_toolbarAction}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(m_statusBarAction, &QAction::triggered, this, [this] { Command([this] { OnViewStatusBar(); }); });
    connect(m_toolbarAction, &QAction::triggered, this, [this] { Command([this] { OnViewToolbar(); }); });

    m_helpMenu = bar->addMenu(tr("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    m_contentsAction = item(m_helpMenu, "mnuHelpContents", tr("&Contents"));
    m_contentsAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_indexAction = item(m_helpMenu, "mnuHelpIndex", tr("&Index"));
    m_licenseAction = item(m_helpMenu, "mnuHelpLicense", tr("&License Agreement"));
    m_helpMenu->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    m_aboutAction = item(m_helpMenu, "mnuHelpAbout", tr("&About Pexora..."));
    connect(m_contentsAction, &QAction::triggered, this, [this] { Command([this] { OnHelpContents(); }); });
    connect(m_indexAction, &QAction::triggered, this, [this] { Command([this] { OnHelpIndex(); }); });
    connect(m_licenseAction, &QAction::triggered, this, [this] { Command([this] { OnHelpLicense(); }); });
    connect(m_aboutAction, &QAction::triggered, this, [this] { Command([this] { OnHelpAbout(); }); });
}

void MainWindow::BuildToolbar() {
    // The toolbar lies in the client area's top band, so the board is laid out
    // from the top of the client area whether the toolbar is shown or not.
    m_toolbar = new QToolBar(m_client);
    m_toolbar->setObjectName(QStringLiteral("tlbMain"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(16, 15));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolbar->setFixedHeight(TwipsToPixels(ToolbarBand));
    m_toolbar->move(0, 0);
    // Left to right; a button without a key is a separator.
    struct Button {
        const char* key;
        const char* toolTip;
        void (MainWindow::*command)() noexcept;
    };
    const std::array<Button, 12> buttons{{
        {"New", QT_TRANSLATE_NOOP("MainWindow", "Start New Game"), &MainWindow::OnGameNew},
        {"Scores", QT_TRANSLATE_NOOP("MainWindow", "Display High Scores"), &MainWindow::OnGameHighScores},
        {nullptr, nullptr, nullptr},
        {"Boards", QT_TRANSLATE_NOOP("MainWindow", "Change Board Size"), &MainWindow::OnBoardsButton},
        {"Colors", QT_TRANSLATE_NOOP("MainWindow", "Change Tile Color"), &MainWindow::OnColorsButton},
        {"Images", QT_TRANSLATE_NOOP("MainWindow", "Change Image Category"), &MainWindow::OnImagesButton},
        {"Levels", QT_TRANSLATE_NOOP("MainWindow", "Change Level of Difficulty"), &MainWindow::OnLevelsButton},
        {"Players", QT_TRANSLATE_NOOP("MainWindow", "Change Players"), &MainWindow::OnPlayersButton},
        {"Sounds", QT_TRANSLATE_NOOP("MainWindow", "Toggle Sounds"), &MainWindow::OnSoundsButton},
        {nullptr, nullptr, nullptr},
        {"About", QT_TRANSLATE_NOOP("MainWindow", "Display Program Information"), &MainWindow::OnHelpAbout},
        {"Exit", QT_TRANSLATE_NOOP("MainWindow", "Exit Game"), &MainWindow::OnGameExit},
    }};
    for (const Button& def : buttons) {
        if (def.key == nullptr) {
            m_toolbar->addSeparator();
            continue;
        }
        const QString key = QLatin1String(def.key);
        QPixmap picture;
        Trap([&] { picture = ToolbarPicture(key); });
        QAction* button = m_toolbar->addAction(CrispIcon(picture), QString());
        button->setObjectName(QStringLiteral("tlbMain") + key);
        const QString tip = tr(def.toolTip);
        button->setToolTip(tip);
        // The buttons carry no caption: a screen reader says the tip.
        if (QWidget* widget = m_toolbar->widgetForAction(button))
            widget->setAccessibleName(tip);
        if (key == QLatin1String("Sounds")) button->setCheckable(true);
        connect(button, &QAction::triggered, this, [this, command = def.command] { Command([this, command] { (this->*command)(); }); });
    }
}

void MainWindow::BuildStatusBar() {
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("stbMain"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setFixedHeight(TwipsToPixels(StatusBarHeight));
    const std::array<QString, 3> initialTexts{ShownName(DefaultPlayerName(1)), SetsFlippedText(0), TimeText(0)};
    const std::array<QString, 3> descriptions{
        tr("The player whose turn it is"),
        tr("Sets flipped by the player, or the player's matches in a two-player game"),
        tr("Seconds since the first tile of a one-player game was turned")};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(initialTexts[i], m_statusBar);
        panel->setObjectName(QStringLiteral("stbMainPanel%1").arg(i + 1));
        // Names come from the player: never read them as markup.
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAccessibleDescription(descriptions[i]);
        m_panels[i] = panel;
        SetStatusPanel(i + 1, initialTexts[i]);
    }
    // Panel 1 takes what the others leave; its text never widens the window.
    m_panels[0]->setMinimumWidth(TwipsToPixels(Panel1MinWidth));
    m_panels[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_panels[1]->setFixedWidth(TwipsToPixels(Panel2Width));
    m_panels[2]->setFixedWidth(TwipsToPixels(Panel3Width));
    m_statusBar->addWidget(m_panels[0], 1);
    m_statusBar->addWidget(m_panels[1]);
    m_statusBar->addWidget(m_panels[2]);
    setStatusBar(m_statusBar);
}
