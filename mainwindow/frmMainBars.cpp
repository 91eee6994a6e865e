#include "frmMain.h"

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

struct ToolbarButtonDef {
    const char* key;
    const char* toolTip;
};

// Left to right; a null key is a separator.
constexpr std::array<ToolbarButtonDef, 12> ToolbarButtons{{
    {"New", QT_TRANSLATE_NOOP("frmMain", "Start New Game")},
    {"Scores", QT_TRANSLATE_NOOP("frmMain", "Display High Scores")},
    {nullptr, nullptr},
    {"Boards", QT_TRANSLATE_NOOP("frmMain", "Change Board Size")},
    {"Colors", QT_TRANSLATE_NOOP("frmMain", "Change Tile Color")},
    {"Images", QT_TRANSLATE_NOOP("frmMain", "Change Image Category")},
    {"Levels", QT_TRANSLATE_NOOP("frmMain", "Change Level of Difficulty")},
    {"Players", QT_TRANSLATE_NOOP("frmMain", "Change Players")},
    {"Sounds", QT_TRANSLATE_NOOP("frmMain", "Toggle Sounds")},
    {nullptr, nullptr},
    {"About", QT_TRANSLATE_NOOP("frmMain", "Display Program Information")},
    {"Exit", QT_TRANSLATE_NOOP("frmMain", "Exit Game")},
}};

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

void frmMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto item = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };

    mnuGame = bar->addMenu(tr("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuGameNew = item(mnuGame, "mnuGameNew", tr("&New"));
    mnuGameNew->setShortcut(QKeySequence(Qt::Key_F2));
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuGameSep1"));
    mnuGameHighScores = item(mnuGame, "mnuGameHighScores", tr("&High Scores..."));
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuGameSep2"));
    mnuGameExit = item(mnuGame, "mnuGameExit", tr("E&xit"));
    connect(mnuGameNew, &QAction::triggered, this, [this] { Command([this] { mnuGameNew_Click(); }); });
    connect(mnuGameHighScores, &QAction::triggered, this, [this] { Command([this] { mnuGameHighScores_Click(); }); });
    connect(mnuGameExit, &QAction::triggered, this, [this] { Command([this] { mnuGameExit_Click(); }); });

    mnuOptions = bar->addMenu(tr("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    const std::array<QString, 6> optionCaptions{tr("&Boards"), tr("&Colors"),
                                                tr("&Images"), tr("&Levels"),
                                                tr("&Players"), tr("&Sounds")};
    for (int i = 0; i < 6; ++i) {
        mnuOption[i] = item(mnuOptions, "mnuOption", optionCaptions[i]);
        mnuOption[i]->setData(i);
        connect(mnuOption[i], &QAction::triggered, this, [this, i] { Command([this, i] { mnuOption_Click(i); }); });
    }

    mnuView = bar->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewStatusBar = item(mnuView, "mnuViewStatusBar", tr("&Status Bar"));
    mnuViewToolbar = item(mnuView, "mnuViewToolbar", tr("&Toolbar"));
    for (QAction* toggle : {mnuViewStatusBar, mnuViewToolbar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(mnuViewStatusBar, &QAction::triggered, this, [this] { Command([this] { mnuViewStatusBar_Click(); }); });
    connect(mnuViewToolbar, &QAction::triggered, this, [this] { Command([this] { mnuViewToolbar_Click(); }); });

    mnuHelp = bar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = item(mnuHelp, "mnuHelpContents", tr("&Contents"));
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpIndex = item(mnuHelp, "mnuHelpIndex", tr("&Index"));
    mnuHelpLicense = item(mnuHelp, "mnuHelpLicense", tr("&License Agreement"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", tr("&About Pexora..."));
    connect(mnuHelpContents, &QAction::triggered, this, [this] { Command([this] { mnuHelpContents_Click(); }); });
    connect(mnuHelpIndex, &QAction::triggered, this, [this] { Command([this] { mnuHelpIndex_Click(); }); });
    connect(mnuHelpLicense, &QAction::triggered, this, [this] { Command([this] { mnuHelpLicense_Click(); }); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { Command([this] { mnuHelpAbout_Click(); }); });
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
        const QString tip = tr(def.toolTip);
        button->setToolTip(tip);
        // The buttons carry no caption: a screen reader says the tip.
        if (QWidget* widget = tlbMain->widgetForAction(button))
            widget->setAccessibleName(tip);
        if (key == QLatin1String("Sounds")) button->setCheckable(true);
    }
    connect(tlbMain, &QToolBar::actionTriggered, this,
            [this](QAction* button) { Command([this, key = button->data().toString()] { tlbMain_ButtonClick(key); }); });
}

void frmMain::BuildStatusBar() {
    stbMain = new QStatusBar(this);
    stbMain->setObjectName(QStringLiteral("stbMain"));
    stbMain->setSizeGripEnabled(false);
    stbMain->setFixedHeight(TwipsToPixels(StatusBarHeight));
    const std::array<QString, 3> initialTexts{ShownName(DefaultPlayerName(1)), SetsFlippedText(0), TimeText(0)};
    const std::array<QString, 3> descriptions{
        tr("The player whose turn it is"),
        tr("Sets flipped by the player, or the player's matches in a two-player game"),
        tr("Seconds since the first tile of a one-player game was turned")};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(initialTexts[i], stbMain);
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
    stbMain->addWidget(m_panels[0], 1);
    stbMain->addWidget(m_panels[1]);
    stbMain->addWidget(m_panels[2]);
    setStatusBar(stbMain);
}
