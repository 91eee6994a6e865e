// The commands of the main window: the menu tree, the toolbar and its one
// handler, the sound switch, and the dialogs the commands open.

#include <QtTest>

#include "BoardImage.h"
#include "GameSettings.h"
#include "MainWindowTestKit.h"
#include "frmOptions.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>

namespace {

// Items as captions, "-" for a separator.
QStringList Captions(const QList<QAction*>& items) {
    QStringList out;
    for (const QAction* item : items) out.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return out;
}

// The item a command runs from: "Options N" is the Options menu's item N,
// "Game" and "Help" the dialog items of those menus; anything else a toolbar key.
QAction* Command(const frmMain& w, const QString& command) {
    if (command.startsWith(QLatin1String("Options "))) return w.mnuOption[command.mid(8).toInt()];
    if (command == QLatin1String("Game")) return w.mnuGameHighScores;
    if (command == QLatin1String("Help")) return w.mnuHelpAbout;
    return w.ToolbarButton(command);
}

}  // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void menusAndToolbarCarryTheirCaptionsKeysAndTips() {
        MainWindowHarness h;
        frmMain& w = h.make();
        QCOMPARE(Captions(w.menuBar()->actions()), (QStringList{"&Game", "&Options", "&View", "&Help"}));
        QCOMPARE(Captions(w.mnuGame->actions()), (QStringList{"&New", "-", "&High Scores...", "-", "E&xit"}));
        QCOMPARE(Captions(w.mnuOptions->actions()),
                 (QStringList{"&Boards", "&Colors", "&Images", "&Levels", "&Players", "&Sounds"}));
        QCOMPARE(Captions(w.mnuView->actions()), (QStringList{"&Status Bar", "&Toolbar"}));
        QCOMPARE(Captions(w.mnuHelp->actions()),
                 (QStringList{"&Contents", "&Index", "&License Agreement", "-", "&About Pexora..."}));
        QCOMPARE(w.mnuGameNew->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(w.mnuHelpContents->shortcut(), QKeySequence(Qt::Key_F1));
        for (QAction* toggle : {w.mnuViewStatusBar, w.mnuViewToolbar}) QVERIFY(toggle->isCheckable() && toggle->isChecked());

        // Twelve positions: keys and tooltips, pictures without captions, only "Sounds" a
        // check button; a screen reader reads each button by its tooltip.
        const QStringList keys{"New", "Scores", "", "Boards", "Colors", "Images",
                               "Levels", "Players", "Sounds", "", "About", "Exit"};
        const QStringList tips{"Start New Game", "Display High Scores", "", "Change Board Size",
                               "Change Tile Color", "Change Image Category", "Change Level of Difficulty",
                               "Change Players", "Toggle Sounds", "", "Display Program Information", "Exit Game"};
        const QList<QAction*> buttons = w.tlbMain->actions();
        QCOMPARE(buttons.size(), 12);
        for (int i = 0; i < 12; ++i) {
            QAction* button = buttons[i];
            QCOMPARE(button->isSeparator(), keys[i].isEmpty());
            if (keys[i].isEmpty()) continue;
            QCOMPARE(button->data().toString(), keys[i]);
            QCOMPARE(button->toolTip(), tips[i]);
            QVERIFY(button->text().isEmpty() && !button->icon().isNull());
            QCOMPARE(button->isCheckable(), keys[i] == QLatin1String("Sounds"));
            QCOMPARE(AccessibleName(w.tlbMain->widgetForAction(button)), tips[i]);
        }
        QCOMPARE(w.tlbMain->iconSize(), QSize(16, 15));
    }

    void soundsButtonFollowsTheSwitchAndTheOptionsSoundsTab_data() {
        QTest::addColumn<bool>("on");
        QTest::newRow("stored on") << true;
        QTest::newRow("stored off") << false;
    }

    void soundsButtonFollowsTheSwitchAndTheOptionsSoundsTab() {
        QFETCH(bool, on);
        MainWindowHarness h;
        frmMain& w = h.open({{"Sounds", on ? "True" : "False"}});
        QAction* button = w.ToolbarButton(QStringLiteral("Sounds"));
        QCOMPARE(gblnPlaySound, on);
        QCOMPARE(button->isChecked(), on);

        // The one handler compares keys exactly, case included: these do nothing.
        w.Engine().TileClicked(1);
        auto noDialog = std::make_unique<ModalWatcher>([](QWidget* modal) { modal->close(); });
        for (const char* key : {"sounds", "SOUNDS", "new", "Sounds ", "", "Exit2", "boards"})
            w.tlbMain_ButtonClick(QLatin1String(key));
        QCOMPARE(gblnPlaySound, on);
        QVERIFY(w.isVisible());
        QCOMPARE(w.Engine().mintTilesUp, qint16(1));

        // Each click switches at once, opens nothing and writes nothing.
        for (int i = 0; i < 3; ++i) {
            const bool before = gblnPlaySound;
            button->trigger();
            QCOMPARE(gblnPlaySound, !before);
            QCOMPARE(button->isChecked(), gblnPlaySound);
        }
        QTest::qWait(20);
        QCOMPARE(noDialog->seen, 0);
        noDialog.reset();
        QCOMPARE(StoredOption("Sounds"), on ? QStringLiteral("True") : QStringLiteral("False"));

        // The Sounds tab shows the switch as the button left it; choosing the other
        // option there and OK moves the button back.
        int tab = -1;
        bool shownOn = false, shownOff = false;
        ModalWatcher options([&](QWidget* modal) {
            auto* dialog = qobject_cast<frmOptions*>(modal);
            if (dialog == nullptr) {
                modal->close();
                return;
            }
            tab = dialog->tabOptions->currentIndex();
            shownOn = dialog->optSounds(1)->isChecked();
            shownOff = dialog->optSounds(2)->isChecked();
            dialog->optSounds(shownOn ? 2 : 1)->click();
            dialog->cmdOk->click();
        });
        w.mnuOption[5]->trigger();
        QCOMPARE(options.seen, 1);
        QCOMPARE(tab, int(frmOptions::TabSounds));
        QCOMPARE(shownOn, !on);
        QCOMPARE(shownOff, on);
        QCOMPARE(gblnPlaySound, on);
        QCOMPARE(button->isChecked(), on);
        QCOMPARE(h.errors.count(), 0);
    }

    void commandsOpenTheirDialogModallyOverTheWindow_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("tab");
        const QStringList tabs{"Boards", "Colors", "Images", "Levels", "Players", "Sounds"};
        for (int i = 0; i < 6; ++i)
            QTest::addRow("Options > %s", qPrintable(tabs[i])) << QStringLiteral("Options %1").arg(i) << "options" << i;
        for (int i = 0; i < 5; ++i) QTest::addRow("toolbar %s", qPrintable(tabs[i])) << tabs[i] << "options" << i;
        QTest::newRow("Game > High Scores...") << "Game" << "scores" << -1;
        QTest::newRow("toolbar Scores") << "Scores" << "scores" << -1;
        QTest::newRow("Help > About Pexora...") << "Help" << "about" << -1;
        QTest::newRow("toolbar About") << "About" << "about" << -1;
    }

    void commandsOpenTheirDialogModallyOverTheWindow() {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(int, tab);
        MainWindowHarness h;
        frmMain& w = h.open();

        bool expected = false;
        int shownTab = -1;
        QWidget* owner = nullptr;
        ModalWatcher watcher([&](QWidget* modal) {
            if (dialog == QLatin1String("options"))
                expected = qobject_cast<frmOptions*>(modal) != nullptr;
            else
                expected = modal == (dialog == QLatin1String("scores") ? static_cast<QWidget*>(w.Scores().Window())
                                                                       : static_cast<QWidget*>(w.About().Window()));
            owner = modal->parentWidget();
            if (auto* tabs = modal->findChild<QTabWidget*>()) shownTab = tabs->currentIndex();
            modal->close();
        });
        Command(w, command)->trigger();
        QCOMPARE(watcher.seen, 1);
        QVERIFY(expected);
        QCOMPARE(owner, static_cast<QWidget*>(&w));
        QVERIFY(w.isVisible());
        if (tab >= 0) QCOMPARE(shownTab, tab);
        // The options dialog is created at each opening and gone at each closing.
        QVERIFY(w.findChildren<frmOptions*>().isEmpty());
        QCOMPARE(h.errors.count(), 0);
    }

    void newGameDealsEvenInTheMiddleOfASet() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Player Count", "1"}});
        for (bool f2 : {true, false}) {
            w.Engine().TileClicked(1);
            QCOMPARE(w.Engine().mintTilesUp, qint16(1));
            QVERIFY(w.imgPic(1)->isVisible() && w.IsEnabled());
            if (f2)
                QTest::keyClick(&w, Qt::Key_F2);
            else
                w.ToolbarButton(QStringLiteral("New"))->trigger();
            QCOMPARE(w.Engine().mintTilesUp, qint16(0));
            QVERIFY2(!w.imgPic(1)->isVisible(), f2 ? "F2" : "toolbar New");
            QVERIFY(!w.IsEnabled());
            QCOMPARE(w.StatusPanel(3)->text(), QStringLiteral("Time: 0"));
        }
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
