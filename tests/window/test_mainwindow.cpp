// The main window through its widgets: start-up and closing and their
// order, the menus and toolbar and the dialogs they open, the keyboard and
// what assistive technology is told, and whole games clicked through.

// Clicks go through the window, so they reach whichever image lies on top.
#define QTEST_QPA_MOUSE_HANDLING
#include <QtTest>

#include "BoardFocus.h"
#include "BoardImage.h"
#include "MainWindowTestKit.h"
#include "ScoreTables.h"
#include "StoreFile.h"
#include "OptionsDialog.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The middle of the tile: under the picture when the tile is face up.
void ClickCell(MainWindow& w, int k) { QTest::mouseClick(Tile(w, k), Qt::LeftButton); }

// Items as captions, "-" for a separator.
QStringList Captions(const QList<QAction*>& items) {
    QStringList out;
    for (const QAction* item : items) out.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return out;
}

// The item a command runs from: "Options N" is the Options menu's item N,
// "Game" and "Help" the dialog items of those menus; anything else a toolbar key.
QAction* Command(const MainWindow& w, const QString& command) {
    if (command.startsWith(QLatin1String("Options "))) return Option(w, command.mid(8).toInt());
    if (command == QLatin1String("Game")) return Item(w, "mnuGameHighScores");
    if (command == QLatin1String("Help")) return Item(w, "mnuHelpAbout");
    return Item(w, QStringLiteral("tlbMain") + command);
}

// With a generator that always draws 0, the small board at match 2 pairs
// cell k with cell k + 15 (k = 1..15), and no two of cells 1..15 match.
void Press(MainWindow& w, Qt::Key key) {
    QTest::keyClick(w.focusWidget() != nullptr ? w.focusWidget() : static_cast<QWidget*>(&w), key);
}

// Moves the focus down the columns until it reaches cell k.
bool WalkTo(MainWindow& w, int k) {
    for (int n = 0; n < 61 && FocusedCell(w) != k; ++n) Press(w, Qt::Key_Down);
    return FocusedCell(w) == k;
}

bool InPlay(MainWindow& w, int k) { return k >= 1 && k <= w.Choices().options.TileCount && w.Engine().Cell(k).TileEnabled; }

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void closingSavesSettingsThenPlaysShutdownThenUnloadsTheOthers_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("sounds");
        QTest::newRow("close box") << QStringLiteral("close box") << true;
        QTest::newRow("Game > Exit") << QStringLiteral("menu") << true;
        QTest::newRow("toolbar Exit") << QStringLiteral("toolbar") << true;
        QTest::newRow("close box, sounds off") << QStringLiteral("close box") << false;
    }

    void closingSavesSettingsThenPlaysShutdownThenUnloadsTheOthers() {
        QFETCH(QString, way);
        QFETCH(bool, sounds);
        MainWindowHarness h;
        MainWindow& w = h.open({{"Sounds", sounds ? "True" : "False"}, {"Tile Color", "BLUE"}});
        QApplication::processEvents();

        QStringList closed;  // the other windows, in the order they close
        QList<QDialog*> others{new QDialog(&w), new QDialog(&w)};
        for (QDialog* other : others) {
            connect(other, &QDialog::finished, this, [&closed, &others, other] { closed.append(QString::number(others.indexOf(other))); });
            other->show();
        }
        h.choices.options.TileColor = QStringLiteral("GREEN");  // changed in memory only
        QString storedAtShutdown;
        qsizetype closedAtShutdown = -1;
        h.sound.onPlay = [&](const QString& name) {
            if (name != QLatin1String("SHUTDOWN")) return;
            storedAtShutdown = StoredOption("Tile Color");
            closedAtShutdown = closed.size();
        };
        if (way == QLatin1String("close box"))
            w.close();
        else
            (way == QLatin1String("menu") ? Item(w, "mnuGameExit") : Item(w, "tlbMainExit"))->trigger();

        QVERIFY(!w.isVisible());
        QCOMPARE(StoredOption("Tile Color"), QStringLiteral("GREEN"));
        QCOMPARE(closed, (QStringList{"1", "0"}));  // most recent first
        QVERIFY(!others[0]->isVisible() && !others[1]->isVisible());
        if (sounds) {
            QCOMPARE(storedAtShutdown, QStringLiteral("GREEN"));
            QCOMPARE(closedAtShutdown, 0);
            QCOMPARE(h.sound.played.last(), QStringLiteral("SHUTDOWN"));
        } else {
            QVERIFY(h.sound.played.isEmpty());
        }
        // A second close (the harness closes again) runs nothing twice.
        w.close();
        QCOMPARE(h.sound.played.count(QStringLiteral("SHUTDOWN")), sounds ? 1 : 0);
    }

    void onePlayerGameClickedThroughEndsInTheHighScoreTables() {
        const QString name = QStringLiteral("<b>Bob</b> & Jo");
        MainWindowHarness h;
        MainWindow& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Player Count", "1"},
                             {"Player 1", "<b>Bob</b> & Jo"}, {"Sounds", "True"}});
        QApplication::processEvents();
        h.sound.played.clear();
        QStringList said;
        connect(&w.News(), &Announcer::Announced, this, [&](const QString& text) { said.append(text); });

        // The name is shown and read as plain text.
        QCOMPARE(Panel(w, 1)->text(), name);
        QCOMPARE(Panel(w, 1)->textFormat(), Qt::PlainText);
        QCOMPARE(AccessibleName(Panel(w, 1)), QStringLiteral("Player: ") + name);

        bool scoresShown = false;
        QStringList saidWhenShown;
        ModalWatcher closeScores([&](QWidget* modal) {
            scoresShown = modal == w.Scores().Window();
            saidWhenShown = said;
            modal->close();
        });
        for (int k = 1; k <= 15; ++k) {
            ClickCell(w, k);
            ClickCell(w, k + 15);
            if (k == 1) QVERIFY(w.IsEnabled());  // the clock runs from the first click
        }
        QTRY_COMPARE(closeScores.seen, 1);
        QVERIFY(scoresShown);
        const QString seconds = QString::number(w.Engine().Turn().seconds);
        // The end is said before the tables show.
        QCOMPARE(saidWhenShown.last(), "The board is clear. Sets turned: 15, seconds: " + seconds + '.');

        // The board is clear, the clock stopped and the results are in the store.
        QCOMPARE(w.Engine().Turn().matches, qint16(15));
        QVERIFY(!w.IsEnabled());
        QCOMPARE(AccessibleName(Panel(w, 2)), QStringLiteral("Sets Flipped: 15"));
        const ScoreRow sets = ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1);
        const ScoreRow time = ReadScoreRow(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, 1);
        QCOMPARE(sets.Name + '|' + sets.Score + '|' + time.Name + '|' + time.Score, name + "|15|" + name + '|' + seconds);
        QCOMPARE(h.errors.count(), 0);
    }

    void twoPlayerGameEndsWithTwoPlainLines() {
        MainWindowHarness h;
        MainWindow& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Player Count", "2"}, {"Player 1", "Ann"},
                             {"Player 2", "<i>Bo</i>"}});
        QStringList said;
        connect(&w.News(), &Announcer::Announced, this, [&](const QString& text) { said.append(text); });
        QString shown;  // the box's title, icon, buttons, text format and text
        QStringList saidBeforeTheBox;
        ModalWatcher closeMessage([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                shown = QStringLiteral("%1|%2|%3|%4|%5").arg(box->windowTitle()).arg(int(box->icon())).arg(box->standardButtons().toInt())
                            .arg(int(box->textFormat())).arg(box->text());
            saidBeforeTheBox = said;
            modal->close();
        });
        // Ann misses, the turn passes and is announced, and Bo clears the board.
        ClickCell(w, 1);
        ClickCell(w, 2);
        QCOMPARE(Panel(w, 1)->text(), QStringLiteral("<i>Bo</i>"));
        QCOMPARE(Panel(w, 3)->text(), QString());
        // Each tile is said with the picture its name shows, then the end of the set and the turn.
        const QString picture1 = AccessibleName(Tile(w, 1)).section(QStringLiteral(", "), 3);
        QCOMPARE(said, (QStringList{"Face up, " + picture1 + ".", "Face up, " + AccessibleName(Tile(w, 2)).section(QStringLiteral(", "), 3) + ".", "No match.", "<i>Bo</i> to play."}));
        QCOMPARE(AccessibleName(Named<QStatusBar>(w, "stbMain")), QStringLiteral("<i>Bo</i> to play."));  // the latest news, for whoever asks
        said.clear();
        for (int k = 1; k <= 15; ++k) {
            ClickCell(w, k);
            ClickCell(w, k + 15);
        }
        QTRY_COMPARE(closeMessage.seen, 1);
        QCOMPARE(shown, QStringLiteral("Game Over|%1|%2|%3|0 matches for Ann\n15 matches for <i>Bo</i>")
                            .arg(int(QMessageBox::Information)).arg(int(QMessageBox::Ok)).arg(int(Qt::PlainText)));
        // Cell 1 again turns the rest of the missed set down; matches keep the
        // turn and say the picture and the score; the end is said last, before the box shows.
        QCOMPARE(said.first(), QStringLiteral("The rest of the set is turned face down."));
        QCOMPARE(said.at(2), "A match: " + picture1 + ". Matches for <i>Bo</i>: 1.");
        QCOMPARE(saidBeforeTheBox.last(), QStringLiteral("Game over. 0 matches for Ann. 15 matches for <i>Bo</i>."));
        QCOMPARE(ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1).Name, QString());
        // A new game gives the turn back to Ann, and says so.
        w.StartNewGame();
        QCOMPARE(said.last(), QStringLiteral("Ann to play."));
    }

    // A command that comes while the last set is being removed waits for the
    // end of the game and the window it opens: the table of the board just
    // played shows first, then the command runs.
    void aCommandDuringTheLastRemovalRunsAfterTheGameEndsAndItsWindowCloses_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("players");
        for (const char* board : {"30", "60"}) {
            QTest::addRow("F2 on %s", board) << "F2" << board << "1";
            QTest::addRow("options, Large, on %s", board) << "options" << board << "1";
            QTest::addRow("close on %s", board) << "close" << board << "1";
        }
        QTest::addRow("close, two players") << "close" << "30" << "2";
    }
    void aCommandDuringTheLastRemovalRunsAfterTheGameEndsAndItsWindowCloses() {
        QFETCH(QString, command);
        QFETCH(QString, board);
        QFETCH(QString, players);
        MainWindowHarness h;
        MainWindow& w = h.open({{"Tile Count", qPrintable(board)}, {"Level", "2"}, {"Player Count", qPrintable(players)}});
        GameEngine& e = w.Engine();
        const int sets = e.SetsInPlay();
        bool sent = false;
        h.pause.onPause = [&] {
            if (sent || e.Turn().matches != sets) return;
            sent = true;  // inside the removal of the last set
            if (command == "F2") QTest::keyClick(&w, Qt::Key_F2);
            if (command == "options") Option(w, 0)->trigger();
            if (command == "close") w.close();
        };
        QStringList seen;  // each modal window as it opens, with the state of the game then
        ModalWatcher watcher([&](QWidget* modal) {
            QString what = modal == w.Scores().Window() ? QStringLiteral("scores") : QStringLiteral("options");
            if (qobject_cast<QMessageBox*>(modal)) what = QStringLiteral("box");
            if (auto* tabs = modal->findChild<QTabWidget*>()) what += QStringLiteral(" tab %1").arg(tabs->currentIndex());
            seen << QStringLiteral("%1, matches %2, shown %3").arg(what).arg(e.Turn().matches).arg(w.isVisible());
            if (qobject_cast<OptionsDialog*>(modal) != nullptr) {
                Named<QRadioButton>(*modal, "optBoards", 2)->click();
                Named<QPushButton>(*modal, "cmdOk")->click();
            } else {
                modal->close();
            }
        }, ModalWatcher::Watch::Each);
        for (int k = 1; k <= e.Options().TileCount && !sent; ++k) {
            const QString tag = e.Cell(k).Tag;
            for (int j = k; j <= e.Options().TileCount && !sent; ++j)
                if (e.Cell(j).Tag == tag && e.Cell(j).TileEnabled && !e.Cell(j).FaceVisible) ClickCell(w, j);
        }
        QVERIFY(sent);
        const QString table = QStringLiteral("tab %1").arg(board == "30" ? 0 : 1);
        const QString end = players == "1" ? "scores " + table : QStringLiteral("box");
        QString after;
        if (command == "F2") {
            // Dealt once the tables are closed, the clock still.
            QCOMPARE(seen, QStringList{end + QStringLiteral(", matches %1, shown 1").arg(sets)});
            QCOMPARE(e.Turn().matches, qint16(0));
            QVERIFY(!w.IsEnabled());
            QCOMPARE(e.Turn().seconds, 0);
        } else if (command == "options") {
            QTRY_COMPARE(seen.size(), 2);
            QCOMPARE(seen, (QStringList{end + QStringLiteral(", matches %1, shown 1").arg(sets), "options tab 0, matches " + QString::number(sets) + ", shown 1"}));
            QCOMPARE(e.Options().TileCount, qint16(60));
            QCOMPARE(e.Turn().matches, qint16(0));
        } else {
            // Closed after the window the end opened, the result stored.
            QCOMPARE(seen, QStringList{end + QStringLiteral(", matches %1, shown 1").arg(sets)});
            QVERIFY(!w.isVisible());
            if (players == "1")
                QCOMPARE(ReadScoreRow(board == "30" ? ScoreTables::SmallBoardSets : ScoreTables::LargeBoardSets, ScoreTables::SetsKey, 1).Score,
                         QString::number(sets));
        }
        QCOMPARE(h.errors.count(), 0);
    }

    // Another game holds the store at the end of a record game: the click
    // returns at once, and the window paints and answers under a busy pointer
    // while the result waits for the lock; a command meanwhile is held. The
    // tables show once the result is written, or kept for later at the
    // bound; then the command runs. A close (an end signal's) ends the wait.
    void aResultWaitingForAnotherGamesLockLeavesTheWindowAnswering_data() {
        QTest::addColumn<bool>("letGo");
        QTest::addColumn<bool>("close");
        QTest::newRow("let go") << true << false;
        QTest::newRow("held past the bound") << false << false;
        QTest::newRow("closed meanwhile") << false << true;
    }
    void aResultWaitingForAnotherGamesLockLeavesTheWindowAnswering() {
        QFETCH(bool, letGo);
        QFETCH(bool, close);
        MainWindowHarness h;
        MainWindow& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Player Count", "1"}, {"Player 1", "Ann"}});
        int lock = ::open(QFile::encodeName(h.store.iniPath() + QStringLiteral(".lock")).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX) == 0);
        const QByteArray before = h.store.readRaw();
        QString shown;
        QElapsedTimer waited;
        ModalWatcher closeScores([&](QWidget* modal) {
            shown = QStringLiteral("%1 %2 the bound, written: %3, shows %4")
                        .arg(modal == w.Scores().Window() ? "scores" : "other", waited.elapsed() >= PlayLockWaitMs ? "after" : "before",
                             h.store.readRaw().contains("Name%201=Ann\nSets%201=15") ? "yes" : "no")
                        .arg(ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1).Name);
            modal->close();
        });
        for (int k = 1; k <= 15; ++k) {
            ClickCell(w, k);
            if (k == 15) waited.start();
            ClickCell(w, k + 15);
        }
        // Not even the closing save's wait.
        QVERIFY2(waited.elapsed() < EndingLockWaitMs / 2, qPrintable(QString::number(waited.elapsed())));
        QVERIFY(QGuiApplication::overrideCursor() != nullptr && QGuiApplication::overrideCursor()->shape() == Qt::BusyCursor);
        QTest::keyClick(&w, Qt::Key_F2);  // held until the tables close
        QTest::qWait(300);
        QCOMPARE(closeScores.seen, 0);
        QCOMPARE(w.Engine().Turn().matches, qint16(15));
        QCOMPARE(h.store.readRaw(), before);
        if (close) {
            w.close();
            QVERIFY(!w.isVisible());
            QCOMPARE(closeScores.seen, 0);
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
            QVERIFY(QFile::exists(h.store.iniPath() + QStringLiteral(".unsaved")));
            ::close(lock);
            return;
        }
        if (letGo) {
            ::close(lock);
            lock = -1;
        }
        QTRY_COMPARE_WITH_TIMEOUT(closeScores.seen, 1, PlayLockWaitMs * 3);
        QCOMPARE(shown, letGo ? QStringLiteral("scores before the bound, written: yes, shows Ann")
                              : QStringLiteral("scores after the bound, written: no, shows Ann"));
        QTRY_COMPARE(w.Engine().Turn().matches, qint16(0));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(QFile::exists(h.store.iniPath() + QStringLiteral(".unsaved")), !letGo);
        if (lock >= 0) ::close(lock);
        QCOMPARE(h.errors.count(), 0);
    }

    // Left to run, the game clock never shows more seconds than have passed
    // (however late a loaded machine lets it tick).
    void theGameClockNeverRunsAheadOfTheWallClock() {
        MainWindowHarness h;
        MainWindow& w = h.open();
        QElapsedTimer wall;
        wall.start();
        ClickCell(w, 1);  // the clock starts with the first click
        QTest::qWait(2300);
        const qint64 passed = wall.elapsed();
        const int shown = Panel(w, 3)->text().section(QLatin1Char(' '), -1).toInt();
        QVERIFY2(shown <= passed / 1000, qPrintable(QStringLiteral("%1 s shown after %2 ms").arg(shown).arg(passed)));
    }

    // The sound switch takes effect in the game being played, from the toolbar
    // and from the options dialog alike, and the close keeps it.
    void theSoundSwitchTakesEffectAtOnceWhereverItIsThrown() {
        MainWindowHarness h;
        MainWindow& w = h.open({{"Sounds", "True"}});
        auto flipsAfterClick = [&](int k) {
            h.sound.played.clear();
            ClickCell(w, k);
            return h.sound.played.count(QStringLiteral("FLIP"));
        };
        QCOMPARE(flipsAfterClick(1), 1);
        Item(w, "tlbMainSounds")->trigger();
        QCOMPARE(flipsAfterClick(2), 0);
        ModalWatcher soundsOn([](QWidget* d) {
            Named<QRadioButton>(*d, "optSounds", 1)->click();
            Named<QPushButton>(*d, "cmdOk")->click();
        });
        Option(w, 5)->trigger();
        QCOMPARE(soundsOn.seen, 1);
        QVERIFY(Item(w, "tlbMainSounds")->isChecked());
        QCOMPARE(flipsAfterClick(3), 1);
        Item(w, "tlbMainSounds")->trigger();
        w.close();
        QCOMPARE(StoredOption("Sounds"), QStringLiteral("False"));
    }

    void menusAndToolbarCarryTheirCaptionsKeysAndTips() {
        MainWindowHarness h;
        MainWindow& w = h.make();
        QCOMPARE(Captions(w.menuBar()->actions()), (QStringList{"&Game", "&Options", "&View", "&Help"}));
        QCOMPARE(Captions(Named<QMenu>(w, "mnuGame")->actions()), (QStringList{"&New", "-", "&High Scores...", "-", "E&xit"}));
        QCOMPARE(Captions(Named<QMenu>(w, "mnuOptions")->actions()),
                 (QStringList{"&Boards", "&Colors", "&Images", "&Levels", "&Players", "&Sounds"}));
        QCOMPARE(Captions(Named<QMenu>(w, "mnuView")->actions()), (QStringList{"&Status Bar", "&Toolbar"}));
        QCOMPARE(Captions(Named<QMenu>(w, "mnuHelp")->actions()),
                 (QStringList{"&Contents", "&Index", "&License Agreement", "-", "&About Pexora..."}));
        QCOMPARE(Item(w, "mnuGameNew")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(Item(w, "mnuHelpContents")->shortcut(), QKeySequence(Qt::Key_F1));
        for (QAction* toggle : {Item(w, "mnuViewStatusBar"), Item(w, "mnuViewToolbar")}) QVERIFY(toggle->isCheckable() && toggle->isChecked());

        // The toolbar's buttons are pictures without captions, told apart by
        // their tips, which a screen reader reads; only "Sounds" stays pressed.
        QStringList tips;
        for (QAction* button : Named<QToolBar>(w, "tlbMain")->actions()) {
            if (button->isSeparator()) continue;
            QVERIFY(button->text().isEmpty() && !button->icon().isNull() && !button->toolTip().isEmpty());
            QCOMPARE(AccessibleName(Named<QToolBar>(w, "tlbMain")->widgetForAction(button)), button->toolTip());
            QCOMPARE(button->isCheckable(), button->objectName() == QLatin1String("tlbMainSounds"));
            tips.append(button->toolTip());
        }
        QCOMPARE(QSet<QString>(tips.begin(), tips.end()).size(), 10);
    }

    // The rule book's facts in words: the status bar and the news a screen
    // reader is given.
    void theFactsOfTheGameAreWordedInTheStatusBarAndTheNews() {
        MainWindowHarness h;
        MainWindow& w = h.make();
        QStringList said;
        connect(&w.News(), &Announcer::Announced, this, [&](const QString& text) { said.append(text); });
        auto panels = [&] { return Panel(w, 1)->text() + '|' + Panel(w, 2)->text() + '|' + Panel(w, 3)->text(); };
        w.StatusChanged({1, 1, QStringLiteral("Player 1"), 7, 0, 42});
        QCOMPARE(panels(), QStringLiteral("Player 1|Sets Flipped: 7|Time: 42"));
        QCOMPARE(AccessibleName(Panel(w, 1)), QStringLiteral("Player: Player 1"));
        w.SecondsChanged(99999);
        QCOMPARE(Panel(w, 3)->text(), QStringLiteral("Time: 99999"));
        const QString name = QStringLiteral("%1 \u05D0");  // set apart, and never filled in
        w.StatusChanged({2, 2, name, 3, 2, 0});
        QCOMPARE(panels(), QChar(0x2068) + name + QChar(0x2069) + QStringLiteral("|Matches: 2|"));
        w.TurnPassed(1, QStringLiteral("Ann"));
        w.GameOver({1, {QStringLiteral("Ann"), QStringLiteral("Bob")}, {15, 0}, 31, 120});
        // A name emptied in the options is shown empty and said as the player's label.
        w.StatusChanged({2, 2, QString(), 3, 2, 0});
        QCOMPARE(Panel(w, 1)->text(), QString());
        w.TurnPassed(2, QString());
        QCOMPARE(said, (QStringList{"Ann to play.", "The board is clear. Sets turned: 31, seconds: 120.", "Player 2 to play."}));
    }

    // The window has the size of its board with both bars; hiding a bar
    // makes it shorter by the bar's height, and a new board size while a bar
    // is hidden gives the full size all the same, the bar's height left
    // blank below the board.
    void theWindowKeepsItsBoardSizeWhateverBarsAreHidden() {
        MainWindowHarness h;
        MainWindow& w = h.open({{"Tile Count", "30"}});
        QAction* toolbar = Item(w, "mnuViewToolbar");
        QAction* statusBar = Item(w, "mnuViewStatusBar");
        const int band = Named<QToolBar>(w, "tlbMain")->height();
        const int status = Named<QStatusBar>(w, "stbMain")->height();
        QCOMPARE(QSize(band, status), QSize(27, 25));
        const QSize small = w.size();
        auto boardSize = [&](int tileCount) {
            h.choices.options.TileCount = static_cast<qint16>(tileCount);
            w.StartNewGame();
            w.SetBoardSize();
        };
        boardSize(60);
        const QSize large = w.size();
        QCOMPARE(large - small, QSize(267, 67));  // four columns and a row more
        // The cells only the large board has are made in their places.
        // Cell 60 is the sixth row's last, a column's pitch (within a pixel of rounding) right of 54.
        QCOMPARE(Tile(w, 60)->y(), Tile(w, 6)->y());
        QVERIFY(qAbs(Tile(w, 60)->x() - Tile(w, 54)->x() - (Tile(w, 7)->x() - Tile(w, 1)->x())) <= 1);
        QCOMPARE(Pic(w, 60)->pos() - Tile(w, 60)->pos(), Pic(w, 1)->pos() - Tile(w, 1)->pos());
        toolbar->trigger();
        QTRY_COMPARE(w.size(), large - QSize(0, band));
        QCOMPARE(Tile(w, 1)->y(), 7);  // the board moves up into the toolbar's band
        boardSize(30);
        QTRY_COMPARE(w.size(), small);
        QCOMPARE(Tile(w, 1)->y(), 7);
        toolbar->trigger();
        QTRY_COMPARE(w.size(), small + QSize(0, band));
        QCOMPARE(Tile(w, 1)->y(), 33);
        statusBar->trigger();
        QTRY_COMPARE(w.size(), small + QSize(0, band - status));
        QCOMPARE(Tile(w, 1)->y(), 33);  // the status bar moves nothing
        boardSize(30);
        QTRY_COMPARE(w.size(), small);
        statusBar->trigger();
        QTRY_COMPARE(w.size(), small + QSize(0, status));
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
        MainWindow& w = h.open();

        bool expected = false;
        int shownTab = -1;
        QWidget* owner = nullptr;
        ModalWatcher watcher([&](QWidget* modal) {
            if (dialog == QLatin1String("options"))
                expected = qobject_cast<OptionsDialog*>(modal) != nullptr;
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
        QVERIFY(w.findChildren<OptionsDialog*>().isEmpty());
        QCOMPARE(h.errors.count(), 0);
    }

    void arrowKeysFollowRowsAndColumnsAndWrap_data() {
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        // Small board, 6 columns of 5: cell 26 is the top of the last column.
        QTest::newRow("right along a row") << 30 << 1 << int(Qt::Key_Right) << 6;
        QTest::newRow("right past a row's end") << 30 << 26 << int(Qt::Key_Right) << 2;
        QTest::newRow("left from the first cell") << 30 << 1 << int(Qt::Key_Left) << 30;
        QTest::newRow("down past a column's foot") << 30 << 5 << int(Qt::Key_Down) << 6;
        QTest::newRow("up past a column's top") << 30 << 6 << int(Qt::Key_Up) << 5;
        QTest::newRow("home") << 30 << 17 << int(Qt::Key_Home) << 1;
        QTest::newRow("end") << 30 << 17 << int(Qt::Key_End) << 30;
        // Large board, 10 columns of 6.
        QTest::newRow("large right past a row's end") << 60 << 55 << int(Qt::Key_Right) << 2;
        QTest::newRow("large left from the first cell") << 60 << 1 << int(Qt::Key_Left) << 60;
    }

    void arrowKeysFollowRowsAndColumnsAndWrap() {
        QFETCH(int, tileCount);
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        MainWindowHarness h;
        MainWindow& w = h.open({{"Tile Count", tileCount == 30 ? "30" : "60"}});
        Tile(w, from)->setFocus();
        QTest::keyClick(Tile(w, from), Qt::Key(key));
        QCOMPARE(FocusedCell(w), to);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Tile(w, to)));
        QCOMPARE(w.Engine().Turn().tilesUp, qint16(0));  // moving the focus clicks nothing
    }

    void wholeGamePlayedWithTheKeysFromStartUpToAnEmptyBoard() {
        MainWindowHarness h;
        MainWindow& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Player Count", "1"}, {"Player 1", "Kim"}});
        // The board holds the focus from start-up; Tab finds nothing else to stop on.
        QCOMPARE(FocusedCell(w), 1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Tile(w, 1)));
        QVERIFY(Named<BoardFocusFrame>(w, "BoardFocusFrame")->IsShown());
        QTest::keyClick(Tile(w, 1), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Tile(w, 1)));

        ModalWatcher closeScores([](QWidget* modal) { modal->close(); });
        for (int k = 1; k <= 15; ++k) {
            QVERIFY(WalkTo(w, k));
            Press(w, Qt::Key_Space);
            QVERIFY(WalkTo(w, k + 15));
            Press(w, Qt::Key_Enter);
            QCOMPARE(w.Engine().Turn().matches, qint16(k));
            if (k < 15) QVERIFY(InPlay(w, FocusedCell(w)) && Named<BoardFocusFrame>(w, "BoardFocusFrame")->IsShown());
        }
        QTRY_COMPARE(closeScores.seen, 1);
        QCOMPARE(w.Engine().Player(1).SetsFlipped, 15);
        QCOMPARE(Panel(w, 2)->text(), QStringLiteral("Sets Flipped: 15"));
        QVERIFY(!w.IsEnabled());

        // The board is empty: no cell has the focus and no ring shows.
        QCOMPARE(FocusedCell(w), 0);
        QVERIFY(!Named<BoardFocusFrame>(w, "BoardFocusFrame")->IsShown());
        QVERIFY(qobject_cast<BoardImage*>(QApplication::focusWidget()) == nullptr);
        Press(w, Qt::Key_Right);
        Press(w, Qt::Key_Space);
        QCOMPARE(FocusedCell(w), 0);

        // F2 deals again, and the keys take up the new game at its first cell.
        w.activateWindow();
        QTRY_VERIFY(w.isActiveWindow());
        QTest::keyClick(&w, Qt::Key_F2);
        QCOMPARE(FocusedCell(w), 1);
        QTRY_VERIFY(Named<BoardFocusFrame>(w, "BoardFocusFrame")->IsShown());
        Press(w, Qt::Key_Space);
        QCOMPARE(w.Engine().Turn().tilesUp, qint16(1));
        QCOMPARE(h.errors.count(), 0);
    }

    void cellNameSaysPlaceAndEveryState() {
        MainWindowHarness h;
        MainWindow& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Images", "ANIMAL"}});
        auto iface = [&](QWidget* image) { return QAccessible::queryAccessibleInterface(image); };
        auto expectNames = [&](const QList<std::pair<int, const char*>>& expected) {
            for (const auto& [k, name] : expected) QCOMPARE(AccessibleName(Tile(w, k)), QString::fromUtf8(name));
        };
        // Small board, 6 columns of 5: cell 7 is the second row of the second column.
        expectNames({{1, "Row 1, column 1, face down"}, {7, "Row 2, column 2, face down"},
                     {30, "Row 5, column 6, face down"}});
        QVERIFY(!w.findChild<QWidget*>(QStringLiteral("imgTile31")));  // made when a board first needs it
        QCOMPARE(iface(Tile(w, 1))->role(), QAccessible::Button);
        QVERIFY(Pic(w, 1)->accessibleName().isEmpty());  // nothing tells what lies under a face-down tile

        // The known deal puts the rabbit (picture 14) on cells 1 and 16.
        QTest::mouseClick(Tile(w, 1), Qt::LeftButton);
        expectNames({{1, "Row 1, column 1, face up, Rabbit"}});
        QCOMPARE(AccessibleName(Pic(w, 1)), QStringLiteral("Rabbit"));
        QCOMPARE(iface(Pic(w, 1))->role(), QAccessible::Graphic);
        QVERIFY(iface(Tile(w, 1))->state().focused);
        QTest::mouseClick(Tile(w, 16), Qt::LeftButton);
        expectNames({{1, "Row 1, column 1, removed"}, {16, "Row 1, column 4, removed"}});
        QVERIFY(iface(Tile(w, 16))->state().disabled);

        // A mismatch stays face up and says so; turned down again, it says that.
        QTest::mouseClick(Tile(w, 2), Qt::LeftButton);
        QTest::mouseClick(Tile(w, 3), Qt::LeftButton);
        expectNames({{2, "Row 2, column 1, face up, Flamingo"}, {3, "Row 3, column 1, face up, Elephant"}});
        QTest::mouseClick(Tile(w, 4), Qt::LeftButton);
        expectNames({{2, "Row 2, column 1, face down"}, {3, "Row 3, column 1, face down"}});
        QVERIFY(Pic(w, 3)->accessibleName().isEmpty());

        // A new game on the large board: every cell is on it, named on its grid.
        h.choices.options.TileCount = 60;
        w.StartNewGame();
        w.SetBoardSize();
        expectNames({{16, "Row 4, column 3, face down"}, {60, "Row 6, column 10, face down"}});
        h.choices.options.TileCount = 30;
        w.StartNewGame();
        w.SetBoardSize();
        expectNames({{7, "Row 2, column 2, face down"}, {31, "Out of play"}});
        QCOMPARE(h.errors.count(), 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
