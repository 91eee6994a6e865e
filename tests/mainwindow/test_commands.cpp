// The commands of the main window: the menu tree, the toolbar and its one
// handler, the sound switch, the view toggles, and the dialogs they open.

#include <QtTest>

#include "BoardImage.h"
#include "GameSettings.h"
#include "MainWindowTestKit.h"
#include "frmOptions.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

namespace {

// A menu's items as captions, "-" for a separator.
QStringList Captions(const QMenu* menu) {
    QStringList out;
    for (const QAction* item : menu->actions()) out.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return out;
}

void ShowAndWait(frmMain& w) {
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

QString Plain(QString caption) { return caption.remove(QLatin1Char('&')); }

}  // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void menuTreeHasItsCaptionsShortcutsAndChecks();
    void toolbarHasTwelvePositionsInOrder();
    void soundsButtonIsPressedExactlyWhileSoundsAreOn_data();
    void soundsButtonIsPressedExactlyWhileSoundsAreOn();
    void soundsButtonChangeShowsInTheOptionsDialog();
    void toolbarHandlerIgnoresKeysThatDoNotMatchExactly();
    void optionsCommandsOpenTheDialogOnTheirTab_data();
    void optionsCommandsOpenTheDialogOnTheirTab();
    void hidingTheStatusBarShrinksTheWindowAndLeavesTheBoard();
    void hidingTheToolbarShrinksTheWindowAndLiftsTheBoard();
    void bothBarsShowAtEveryStart();
    void newGameDealsEvenInTheMiddleOfASet();
    void highScoresAndAboutOpenModallyOverTheWindow_data();
    void highScoresAndAboutOpenModallyOverTheWindow();
};

void TestCommands::menuTreeHasItsCaptionsShortcutsAndChecks() {
    MainWindowHarness h;
    frmMain& w = h.make();

    QStringList menus;
    for (const QAction* item : w.menuBar()->actions()) menus.append(item->text());
    QCOMPARE(menus, (QStringList{"&Game", "&Options", "&View", "&Help"}));
    QCOMPARE(Captions(w.mnuGame), (QStringList{"&New", "-", "&High Scores...", "-", "E&xit"}));
    QCOMPARE(Captions(w.mnuOptions),
             (QStringList{"&Boards", "&Colors", "&Images", "&Levels", "&Players", "&Sounds"}));
    QCOMPARE(Captions(w.mnuView), (QStringList{"&Status Bar", "&Toolbar"}));
    QCOMPARE(Captions(w.mnuHelp),
             (QStringList{"&Contents", "&Index", "&License Agreement", "-", "&About Pexora..."}));

    QCOMPARE(w.mnuGameNew->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(w.mnuHelpContents->shortcut(), QKeySequence(Qt::Key_F1));
    for (QAction* toggle : {w.mnuViewStatusBar, w.mnuViewToolbar}) {
        QVERIFY(toggle->isCheckable());
        QVERIFY(toggle->isChecked());
    }
    for (int i = 0; i < 6; ++i) QCOMPARE(w.mnuOption[i]->data().toInt(), i);
}

void TestCommands::toolbarHasTwelvePositionsInOrder() {
    MainWindowHarness h;
    frmMain& w = h.make();
    const QList<QAction*> buttons = w.tlbMain->actions();
    QCOMPARE(buttons.size(), 12);

    const QStringList keys{"New", "Scores", "", "Boards", "Colors", "Images",
                           "Levels", "Players", "Sounds", "", "About", "Exit"};
    const QStringList tips{"Start New Game", "Display High Scores", "", "Change Board Size",
                           "Change Tile Color", "Change Image Category", "Change Level of Difficulty",
                           "Change Players", "Toggle Sounds", "", "Display Program Information", "Exit Game"};
    for (int i = 0; i < 12; ++i) {
        QAction* button = buttons[i];
        if (keys[i].isEmpty()) {
            QVERIFY2(button->isSeparator(), qPrintable(QString::number(i + 1)));
            continue;
        }
        QCOMPARE(button->data().toString(), keys[i]);
        QCOMPARE(button->toolTip(), tips[i]);
        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->isCheckable(), keys[i] == QLatin1String("Sounds"));
    }
    QCOMPARE(w.tlbMain->iconSize(), QSize(16, 15));
}

void TestCommands::soundsButtonIsPressedExactlyWhileSoundsAreOn_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("stored on") << QStringLiteral("True");
    QTest::newRow("stored off") << QStringLiteral("False");
}

void TestCommands::soundsButtonIsPressedExactlyWhileSoundsAreOn() {
    QFETCH(QString, stored);
    MainWindowHarness h;
    StoreOption("Sounds", stored);
    frmMain& w = h.make();
    QAction* button = w.ToolbarButton(QStringLiteral("Sounds"));
    QCOMPARE(button->isChecked(), gblnPlaySound);
    QCOMPARE(gblnPlaySound, stored == QLatin1String("True"));

    // Each click switches at once, opens nothing and writes nothing.
    ModalWatcher noDialog([](QWidget* modal) { modal->close(); });
    for (int i = 0; i < 3; ++i) {
        const bool before = gblnPlaySound;
        button->trigger();
        QCOMPARE(gblnPlaySound, !before);
        QCOMPARE(button->isChecked(), gblnPlaySound);
    }
    QTest::qWait(20);
    QCOMPARE(noDialog.seen, 0);
    QCOMPARE(StoredOption("Sounds"), stored);

    // The options dialog's Sounds tab sets the button through the window.
    w.SetSoundsButtonPressed(false);
    QVERIFY(!button->isChecked());
    w.SetSoundsButtonPressed(true);
    QVERIFY(button->isChecked());
}

void TestCommands::soundsButtonChangeShowsInTheOptionsDialog() {
    MainWindowHarness h;
    StoreOption("Sounds", QStringLiteral("True"));
    frmMain& w = h.make();
    ShowAndWait(w);
    w.ToolbarButton(QStringLiteral("Sounds"))->trigger();
    QVERIFY(!gblnPlaySound);

    int tab = -1;
    bool offChecked = false;
    ModalWatcher watcher([&](QWidget* modal) {
        if (auto* tabs = modal->findChild<QTabWidget*>()) tab = tabs->currentIndex();
        for (QRadioButton* option : modal->findChildren<QRadioButton*>())
            if (Plain(option->text()) == QLatin1String("Off")) offChecked = option->isChecked();
        modal->close();
    });
    w.mnuOption[5]->trigger();
    QCOMPARE(watcher.seen, 1);
    QCOMPARE(tab, 5);
    QVERIFY(offChecked);
    QVERIFY(!gblnPlaySound);
}

void TestCommands::toolbarHandlerIgnoresKeysThatDoNotMatchExactly() {
    MainWindowHarness h;
    StoreOption("Sounds", QStringLiteral("True"));
    frmMain& w = h.make();
    ShowAndWait(w);
    w.Engine().TileClicked(1);
    QCOMPARE(w.Engine().mintTilesUp, qint16(1));

    ModalWatcher noDialog([](QWidget* modal) { modal->close(); });
    for (const char* key : {"sounds", "SOUNDS", "new", "Sounds ", "", "Exit2", "boards"})
        w.tlbMain_ButtonClick(QLatin1String(key));
    QTest::qWait(20);
    QCOMPARE(noDialog.seen, 0);
    QVERIFY(gblnPlaySound);
    QVERIFY(w.isVisible());
    QCOMPARE(w.Engine().mintTilesUp, qint16(1));
    QCOMPARE(h.errors.count(), 0);
}

void TestCommands::optionsCommandsOpenTheDialogOnTheirTab_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("tab");
    const QStringList menuNames{"Boards", "Colors", "Images", "Levels", "Players", "Sounds"};
    for (int i = 0; i < 6; ++i)
        QTest::addRow("Options > %s", qPrintable(menuNames[i])) << QStringLiteral("menu %1").arg(i) << i;
    for (int i = 0; i < 5; ++i)
        QTest::addRow("toolbar %s", qPrintable(menuNames[i])) << menuNames[i] << i;
}

void TestCommands::optionsCommandsOpenTheDialogOnTheirTab() {
    QFETCH(QString, command);
    QFETCH(int, tab);
    MainWindowHarness h;
    frmMain& w = h.make();
    ShowAndWait(w);

    int shownTab = -1;
    QWidget* owner = nullptr;
    bool isOptions = false;
    ModalWatcher watcher([&](QWidget* modal) {
        isOptions = qobject_cast<frmOptions*>(modal) != nullptr;
        owner = modal->parentWidget();
        if (auto* tabs = modal->findChild<QTabWidget*>()) shownTab = tabs->currentIndex();
        modal->close();
    });
    if (command.startsWith(QLatin1String("menu ")))
        w.mnuOption[command.mid(5).toInt()]->trigger();
    else
        w.ToolbarButton(command)->trigger();
    QCOMPARE(watcher.seen, 1);
    QVERIFY(isOptions);
    QCOMPARE(owner, static_cast<QWidget*>(&w));
    QCOMPARE(shownTab, tab);
    // Created at each opening and gone at each closing.
    QVERIFY(w.findChildren<frmOptions*>().isEmpty());
}

void TestCommands::hidingTheStatusBarShrinksTheWindowAndLeavesTheBoard() {
    MainWindowHarness h;
    StoreOption("Player Count", QStringLiteral("1"));
    frmMain& w = h.make();
    ShowAndWait(w);
    const int fullHeight = w.height();
    const int barHeight = w.stbMain->height();
    const QPoint tile = w.imgTile(5)->pos();

    w.mnuViewStatusBar->trigger();
    QVERIFY(!w.mnuViewStatusBar->isChecked());
    QVERIFY(!w.stbMain->isVisible());
    QCOMPARE(w.height(), fullHeight - barHeight);
    QCOMPARE(w.imgTile(5)->pos(), tile);

    // The panels are still written while the bar is hidden.
    w.Engine().TileClicked(1);
    w.Engine().TileClicked(2);
    QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("Sets Flipped: 1"));

    w.mnuViewStatusBar->trigger();
    QVERIFY(w.mnuViewStatusBar->isChecked());
    QVERIFY(w.stbMain->isVisible());
    QCOMPARE(w.height(), fullHeight);
    QCOMPARE(w.imgTile(5)->pos(), tile);
    QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("Sets Flipped: 1"));
}

void TestCommands::hidingTheToolbarShrinksTheWindowAndLiftsTheBoard() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("60"));
    frmMain& w = h.make();
    ShowAndWait(w);
    const int fullHeight = w.height();
    const int barHeight = w.tlbMain->height();
    QCOMPARE(w.imgTile(1)->pos(), TwipsPx(100, 500));

    w.mnuViewToolbar->trigger();
    QVERIFY(!w.mnuViewToolbar->isChecked());
    QVERIFY(!w.tlbMain->isVisible());
    QCOMPARE(w.height(), fullHeight - barHeight);
    QCOMPARE(w.imgTile(1)->pos(), TwipsPx(100, 100));
    QCOMPARE(w.imgPic(60)->pos(), TwipsPx(9360, 5280));

    w.mnuViewToolbar->trigger();
    QVERIFY(w.tlbMain->isVisible());
    QCOMPARE(w.height(), fullHeight);
    QCOMPARE(w.imgTile(1)->pos(), TwipsPx(100, 500));
    QCOMPARE(w.imgPic(60)->pos(), TwipsPx(9360, 5680));
}

void TestCommands::bothBarsShowAtEveryStart() {
    MainWindowHarness h;
    frmMain& w = h.make();
    ShowAndWait(w);
    w.mnuViewToolbar->trigger();
    w.mnuViewStatusBar->trigger();
    w.close();

    frmMain again(h.sound, h.pause, h.random);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QVERIFY(again.mnuViewToolbar->isChecked() && again.tlbMain->isVisible());
    QVERIFY(again.mnuViewStatusBar->isChecked() && again.stbMain->isVisible());
    QCOMPARE(again.imgTile(1)->pos(), TwipsPx(100, 500));
    again.close();
}

void TestCommands::newGameDealsEvenInTheMiddleOfASet() {
    MainWindowHarness h;
    StoreOption("Player Count", QStringLiteral("1"));
    frmMain& w = h.make();
    ShowAndWait(w);

    for (const char* way : {"F2", "toolbar"}) {
        w.Engine().TileClicked(1);
        QCOMPARE(w.Engine().mintTilesUp, qint16(1));
        QVERIFY(w.imgPic(1)->isVisible());
        QVERIFY(w.IsEnabled());
        if (QByteArray(way) == "F2")
            QTest::keyClick(&w, Qt::Key_F2);
        else
            w.ToolbarButton(QStringLiteral("New"))->trigger();
        QCOMPARE(w.Engine().mintTilesUp, qint16(0));
        QVERIFY2(!w.imgPic(1)->isVisible(), way);
        QVERIFY(!w.IsEnabled());
        QCOMPARE(w.StatusPanel(3)->text(), QStringLiteral("Time: 0"));
    }
}

void TestCommands::highScoresAndAboutOpenModallyOverTheWindow_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("Game > High Scores...") << QStringLiteral("menu scores");
    QTest::newRow("toolbar Scores") << QStringLiteral("Scores");
    QTest::newRow("Help > About Pexora...") << QStringLiteral("menu about");
    QTest::newRow("toolbar About") << QStringLiteral("About");
}

void TestCommands::highScoresAndAboutOpenModallyOverTheWindow() {
    QFETCH(QString, command);
    MainWindowHarness h;
    frmMain& w = h.make();
    ShowAndWait(w);

    const bool scores = command.contains(QLatin1String("cores"));
    bool expectedWindow = false;
    QWidget* owner = nullptr;
    ModalWatcher watcher([&](QWidget* modal) {
        expectedWindow = modal == (scores ? static_cast<QWidget*>(w.Scores().Window())
                                          : static_cast<QWidget*>(w.About().Window()));
        owner = modal->parentWidget();
        modal->close();
    });
    if (command == QLatin1String("menu scores"))
        w.mnuGameHighScores->trigger();
    else if (command == QLatin1String("menu about"))
        w.mnuHelpAbout->trigger();
    else
        w.ToolbarButton(command)->trigger();
    QCOMPARE(watcher.seen, 1);
    QVERIFY(expectedWindow);
    QCOMPARE(owner, static_cast<QWidget*>(&w));
    QVERIFY(w.isVisible());
    QCOMPARE(h.errors.count(), 0);
}

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
