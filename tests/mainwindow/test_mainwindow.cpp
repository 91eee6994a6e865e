// The main window on screen: where the cells lie, which frame each shows,
// what start-up and closing do and in which order, the clock, and whole games
// clicked through the real widgets.

// Clicks go through the window, so they reach whichever image lies on top.
#define QTEST_QPA_MOUSE_HANDLING
#include <QtTest>

#include "BoardImage.h"
#include "GameSettings.h"
#include "MainWindowTestKit.h"
#include "Resources.h"
#include "ScoreTables.h"

#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QToolBar>

namespace {

// Which frame a tile body shows, by the holder its picture was copied from.
QString FrameOf(const frmMain& w, int k) {
    const QPixmap& shown = w.imgTile(k)->Picture();
    if (shown.isNull()) return QStringLiteral("empty");
    for (int n = 1; n <= 6; ++n)
        if (shown.cacheKey() == w.FlipHolder(n).cacheKey()) return QStringLiteral("F%1").arg(n);
    for (int n = 1; n <= 5; ++n)
        if (shown.cacheKey() == w.ShrinkHolder(n).cacheKey()) return QStringLiteral("S%1").arg(n);
    return QStringLiteral("?");
}

bool SamePicture(const QPixmap& a, const QPixmap& b) {
    return !a.isNull() && !b.isNull() && a.toImage().convertToFormat(QImage::Format_ARGB32) ==
                                             b.toImage().convertToFormat(QImage::Format_ARGB32);
}

QPixmap Bitmap(const QString& name) { return LoadResPicture(name, PictureKind::Bitmap); }

// The middle of the tile: under the picture when the tile is face up.
void ClickCell(frmMain& w, int k) { QTest::mouseClick(w.imgTile(k), Qt::LeftButton); }

// Records the frame a tile shows each time it is painted.
class PaintLog : public QObject {
public:
    PaintLog(const frmMain& w, int k) : m_window(w), m_cell(k) { w.imgTile(k)->installEventFilter(this); }
    QStringList frames;
    // The frames in the order they reached the screen, repeats folded.
    QStringList distinct() const {
        QStringList out;
        for (const QString& f : frames)
            if (out.isEmpty() || out.last() != f) out.append(f);
        return out;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) frames.append(FrameOf(m_window, m_cell));
        return false;
    }

private:
    const frmMain& m_window;
    int m_cell;
};

// Sleeps without running the event loop, as the real pause does, but ten
// times as long, so that clock ticks fall due during an animation.
class SlowPause final : public IPauseClock {
public:
    void Pause(double seconds) override { QThread::msleep(static_cast<unsigned long>(seconds * 10000)); }
};

// Posts a click on a widget, as input given during an animation waits in the queue.
void PostClick(QWidget* target) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0), global = target->mapToGlobal(at);
    for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton}, {QEvent::MouseButtonRelease, Qt::NoButton}})
        QCoreApplication::postEvent(target, new QMouseEvent(type, at, global, Qt::LeftButton, buttons, Qt::NoModifier));
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void boardAndWindowSitInTwipsWithEachBarShownOrHidden_data() {
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<bool>("toolbar");
        QTest::addColumn<bool>("statusBar");
        for (int count : {30, 60})
            for (bool toolbar : {true, false})
                for (bool status : {true, false})
                    QTest::addRow("%d tiles, toolbar %s, status bar %s", count, toolbar ? "shown" : "hidden",
                                  status ? "shown" : "hidden")
                        << count << toolbar << status;
    }

    void boardAndWindowSitInTwipsWithEachBarShownOrHidden() {
        QFETCH(int, tileCount);
        QFETCH(bool, toolbar);
        QFETCH(bool, statusBar);
        // The board's edge cases, in twips from the client area's top-left, with the toolbar shown.
        static const struct { int count, cell; bool picture; int left, top; } edges[] = {
            {30, 1, false, 100, 500},  {30, 5, false, 100, 4500},  {30, 6, false, 1100, 500},
            {30, 30, false, 5100, 4500}, {30, 1, true, 360, 680},   {60, 1, false, 100, 500},
            {60, 6, false, 100, 5500}, {60, 7, false, 1100, 500},  {60, 60, false, 9100, 5500},
            {60, 60, true, 9360, 5680}};

        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", tileCount == 30 ? "30" : "60"}});
        const int fullHeight = w.height(), toolbarHeight = w.tlbMain->height(), statusHeight = w.stbMain->height();
        QVERIFY(toolbarHeight <= TwipsToPixels(400));
        QVERIFY(w.tlbMain->geometry().bottom() < w.imgTile(1)->y());
        if (!toolbar) w.mnuViewToolbar->trigger();
        if (!statusBar) w.mnuViewStatusBar->trigger();
        QApplication::processEvents();

        // Each toggle ticks its item, shows or hides its bar, and changes the height by that bar's.
        QCOMPARE((QList<bool>{w.mnuViewToolbar->isChecked(), w.tlbMain->isVisible(), w.mnuViewStatusBar->isChecked(),
                              w.stbMain->isVisible()}),
                 (QList<bool>{toolbar, toolbar, statusBar, statusBar}));
        QCOMPARE(w.height(), fullHeight - (toolbar ? 0 : toolbarHeight) - (statusBar ? 0 : statusHeight));

        // The board lifts by the toolbar band when the toolbar is hidden, and only then.
        for (const auto& e : edges) {
            if (e.count != tileCount) continue;
            QWidget* image = e.picture ? static_cast<QWidget*>(w.imgPic(e.cell)) : w.imgTile(e.cell);
            QCOMPARE(image->pos(), TwipsPx(e.left, e.top - (toolbar ? 0 : 400)));
        }
        // Measured from right under the menu bar; 100 twips round the board; nothing more in the window.
        const QWidget* client = w.ClientArea();
        const QRect lastTile = w.imgTile(tileCount)->geometry();
        QCOMPARE(client->mapTo(&w, QPoint(0, 0)).y(), w.menuBar()->geometry().bottom() + 1);
        QCOMPARE(client->width(), lastTile.right() + 1 + TwipsToPixels(100));
        QCOMPARE(client->height(), lastTile.bottom() + 1 + TwipsToPixels(100));
        QCOMPARE(w.width(), client->width());
        QCOMPARE(w.height(), w.menuBar()->height() + client->height() + (statusBar ? statusHeight : 0));
        if (statusBar) QCOMPARE(w.stbMain->geometry().top(), client->mapTo(&w, QPoint(0, client->height())).y());

        // Every picture lies in front of its tile body, also after the re-layouts.
        const QObjectList order = client->children();
        for (int k = 1; k <= tileCount; ++k)
            QVERIFY2(order.indexOf(w.imgPic(k)) > order.indexOf(w.imgTile(k)), qPrintable(QString::number(k)));

        if (!toolbar) w.mnuViewToolbar->trigger();
        if (!statusBar) w.mnuViewStatusBar->trigger();
        QCOMPARE(w.height(), fullHeight);
        QCOMPARE(w.imgTile(1)->pos(), TwipsPx(100, 500));
        QCOMPARE(h.errors.count(), 0);
    }

    void boardSizeChangeWithBarsHiddenFitsTheWindowToTheNewBoard() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Player Count", "1"}});
        auto newBoard = [&](int count) {  // as the options dialog applies a new board size
            GameSettings.TileCount = qint16(count);
            w.StartNewGame();
            w.SetBoardSize();
            QApplication::processEvents();
        };
        w.mnuViewToolbar->trigger();
        w.mnuViewStatusBar->trigger();
        newBoard(60);
        QCOMPARE(w.imgTile(60)->pos(), TwipsPx(9100, 5100));
        QCOMPARE(w.ClientArea()->height(), w.imgTile(60)->geometry().bottom() + 1 + TwipsToPixels(100));
        QCOMPARE(w.height(), w.menuBar()->height() + w.ClientArea()->height());

        // The hidden status bar's panels are still written.
        w.Engine().TileClicked(1);
        w.Engine().TileClicked(2);
        QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("Sets Flipped: 1"));

        // Showing a bar again makes the window taller by exactly that bar.
        const int before = w.height();
        w.mnuViewStatusBar->trigger();
        QCOMPARE(w.height(), before + w.stbMain->height());
        QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("Sets Flipped: 1"));
        w.mnuViewToolbar->trigger();
        QCOMPARE(w.height(), before + w.stbMain->height() + w.tlbMain->height());
        QCOMPARE(w.imgTile(60)->pos(), TwipsPx(9100, 5500));

        // Back to the small board: the window shrinks to it and cells 31..60 leave the board.
        newBoard(30);
        QCOMPARE(w.ClientArea()->width(), w.imgTile(30)->geometry().right() + 1 + TwipsToPixels(100));
        for (int k = 31; k <= 60; ++k) QVERIFY(!w.imgTile(k)->isVisible() && !w.imgTile(k)->isEnabled());

        // The bars' state is not stored: closed with both hidden, the next start shows both.
        w.mnuViewToolbar->trigger();
        w.mnuViewStatusBar->trigger();
        w.close();
        frmMain& again = h.open();
        QVERIFY(again.mnuViewToolbar->isChecked() && again.tlbMain->isVisible());
        QVERIFY(again.mnuViewStatusBar->isChecked() && again.stbMain->isVisible());
        QCOMPARE(again.imgTile(1)->pos(), TwipsPx(100, 500));
    }

    void tilesShowTheFrameOfTheirStateAlsoAfterAColourChange() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Level", "2"}});
        // The holders carry the colour's frames.
        for (int n = 1; n <= 6; ++n) {
            QVERIFY(SamePicture(w.FlipHolder(n), Bitmap(QStringLiteral("BLUEFLIP%1").arg(n))));
            if (n <= 5) QVERIFY(SamePicture(w.ShrinkHolder(n), Bitmap(QStringLiteral("BLUESHRINK%1").arg(n))));
        }
        // Face down after the deal; beyond the small board nothing.
        for (int k = 1; k <= 60; ++k) {
            QCOMPARE(w.imgTile(k)->isVisible(), k <= 30);
            QCOMPARE(w.imgTile(k)->isEnabled(), k <= 30);
            QVERIFY(!w.imgPic(k)->isVisible());
            if (k <= 30) QCOMPARE(FrameOf(w, k), QStringLiteral("F1"));
        }
        // Face up: the turned-over tile with its picture (cell 2 holds picture 30) in front.
        ClickCell(w, 2);
        QCOMPARE(FrameOf(w, 2), QStringLiteral("F6"));
        QVERIFY(w.imgPic(2)->isVisible());
        QVERIFY(SamePicture(w.imgPic(2)->Picture(), LoadResPicture(QStringLiteral("ANIMAL30"), PictureKind::Icon)));
        // Removed: empty, disabled, no picture; the cell stays where it was.
        ClickCell(w, 17);
        for (int k : {2, 17}) {
            QCOMPARE(FrameOf(w, k), QStringLiteral("empty"));
            QVERIFY(w.imgTile(k)->isVisible());
            QVERIFY(!w.imgTile(k)->isEnabled() && !w.imgPic(k)->isEnabled() && !w.imgPic(k)->isVisible());
        }

        // A colour change: face-down tiles take the new back, the face-up pair the
        // new face ground under the same pictures, removed cells stay empty.
        ClickCell(w, 3);
        ClickCell(w, 4);  // a mismatch: both stay face up
        const qint64 picture3 = w.imgPic(3)->Picture().cacheKey();
        GameSettings.TileColor = QStringLiteral("RED");
        w.ChangeTileColor();
        const QPixmap redBack = Bitmap(QStringLiteral("REDFLIP1")), redUp = Bitmap(QStringLiteral("REDFLIP6"));
        for (int k = 1; k <= 30; ++k) {
            const QByteArray at = QByteArray::number(k);
            if (k == 2 || k == 17) {
                QCOMPARE(FrameOf(w, k), QStringLiteral("empty"));
                QVERIFY2(!w.imgPic(k)->isVisible(), at);
            } else {
                QVERIFY2(SamePicture(w.imgTile(k)->Picture(), k == 3 || k == 4 ? redUp : redBack), at);
                QCOMPARE(w.imgPic(k)->isVisible(), k == 3 || k == 4);
            }
        }
        QCOMPARE(w.imgPic(3)->Picture().cacheKey(), picture3);
        for (int k = 31; k <= 60; ++k) QVERIFY(w.imgTile(k)->Picture().isNull() && !w.imgTile(k)->isVisible());
        // The next deal keeps the new colour.
        w.StartNewGame();
        QVERIFY(SamePicture(w.imgTile(1)->Picture(), redBack));
        QCOMPARE(h.errors.count(), 0);
    }

    void everyFlipAndShrinkFrameReachesTheScreen() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Level", "2"}});
        QApplication::processEvents();
        const QStringList up{"F2", "F3", "F4", "F5", "F6"}, shrink{"S1", "S2", "S3", "S4", "S5"};

        PaintLog first(w, 1);
        ClickCell(w, 1);
        QCOMPARE(first.distinct().mid(0, 5), up);

        PaintLog removed(w, 1);
        PaintLog partner(w, 16);
        ClickCell(w, 16);
        QApplication::processEvents();
        QCOMPARE(partner.distinct().mid(0, 5), up);
        QCOMPARE(removed.distinct().mid(0, 5), shrink);
        QCOMPARE(partner.distinct().mid(5, 5), shrink);

        // Turning a mismatched pair down shows the flip frames backwards.
        ClickCell(w, 2);
        ClickCell(w, 3);
        PaintLog down(w, 3);
        ClickCell(w, 2);  // 2 stays up as the first of the next set; 3 turns down
        QCOMPARE(down.distinct().mid(0, 5), (QStringList{"F5", "F4", "F3", "F2", "F1"}));
    }

    void clicksDuringAnAnimationAreTakenAfterItAgainstItsResult() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Sounds", "True"}});
        QApplication::processEvents();
        h.sound.played.clear();

        // While tile 1 turns up, the player clicks its partner and then tile 1 itself;
        // the clicks wait in the queue until the animation and its sound are over.
        bool posted = false;
        h.sound.onPlay = [&](const QString& name) {
            if (name == QLatin1String("FLIP") && !posted) {
                posted = true;
                PostClick(w.imgTile(16));
                PostClick(w.imgPic(1));
            }
        };
        w.Engine().TileClicked(1);  // as the click on tile 1 does, without running the queue after it
        QCOMPARE(w.Engine().mintTilesUp, qint16(1));
        QCOMPARE(w.Engine().mintMatches, qint16(0));

        QApplication::processEvents();
        // The partner completed the pair; the click on the removed tile 1 did nothing.
        QCOMPARE(w.Engine().mintMatches, qint16(1));
        QCOMPARE(w.Engine().mintTilesUp, qint16(0));
        QCOMPARE(h.sound.played, (QStringList{"FLIP", "FLIP", "ZAP"}));
        QCOMPARE(gudtPlayers(1).lngSetsFlipped, 1);

        // A click on the place of a removed cell, where its picture was, does nothing.
        ClickCell(w, 16);
        QTest::mouseClick(w.ClientArea(), Qt::LeftButton, {}, w.imgPic(16)->geometry().center());
        QCOMPARE(w.Engine().mintTilesUp, qint16(0));
        QCOMPARE(h.sound.played.size(), 3);
    }

    void startPlaysOnceAfterTheFirstPaintAndNeverIfSoundsWereOff_data() {
        QTest::addColumn<bool>("sounds");
        QTest::newRow("sounds on") << true;
        QTest::newRow("sounds off") << false;
    }
    void startPlaysOnceAfterTheFirstPaintAndNeverIfSoundsWereOff() {
        QFETCH(bool, sounds);
        MainWindowHarness h;
        StoreOption("Sounds", sounds ? QStringLiteral("True") : QStringLiteral("False"));
        frmMain& w = h.make();
        QVERIFY(h.sound.played.isEmpty());  // loading plays nothing
        PaintLog painted(w, 1);
        qsizetype paintsAtStart = -1;
        h.sound.onPlay = [&](const QString& name) {
            if (name == QLatin1String("START")) paintsAtStart = painted.frames.size();
        };
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.ActivatedOnce());
        QCOMPARE(h.sound.played, sounds ? QStringList{"START"} : QStringList());
        if (sounds) QVERIFY(paintsAtStart > 0);

        // A fixed, centred, light grey window titled "Pexora", with the program icon.
        QCOMPARE(w.windowTitle(), QStringLiteral("Pexora"));
        QVERIFY(w.minimumSize() == w.maximumSize() && !w.windowIcon().isNull());
        QCOMPARE(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                 Qt::WindowMinimizeButtonHint);
        QCOMPARE(w.ClientArea()->palette().color(QPalette::Window), QColor(192, 192, 192));
        const QPoint offCentre = w.frameGeometry().center() - w.screen()->geometry().center();
        QVERIFY(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1);

        // Later activations play no START, even with the sounds switched on since.
        if (!sounds) w.ToolbarButton(QStringLiteral("Sounds"))->trigger();
        QVERIFY(gblnPlaySound);
        QDialog dialog(&w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.close();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(h.sound.played.count(QStringLiteral("START")), sounds ? 1 : 0);
    }

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
        frmMain& w = h.open({{"Sounds", sounds ? "True" : "False"}, {"Tile Color", "BLUE"}});
        QApplication::processEvents();

        QStringList closed;  // the other windows, in the order they close
        QList<QDialog*> others{new QDialog(&w), new QDialog(&w)};
        for (QDialog* other : others) {
            connect(other, &QDialog::finished, this, [&closed, &others, other] { closed.append(QString::number(others.indexOf(other))); });
            other->show();
        }
        GameSettings.TileColor = QStringLiteral("GREEN");  // changed in memory only
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
            (way == QLatin1String("menu") ? w.mnuGameExit : w.ToolbarButton(QStringLiteral("Exit")))->trigger();

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

    void clockIsNotRestartedWhenRunningAndTakesADueTickOnceAfterAnAnimation() {
        ScopedStore store;
        ErrorRecorder errors;
        StoreOption("Tile Count", QStringLiteral("30"));
        StoreOption("Player Count", QStringLiteral("1"));
        StoreOption("Sounds", QStringLiteral("False"));
        RecordingSound sound;
        SlowPause pause;  // a flip now takes at least half a second
        ScriptedRandom random;
        StoreScoreBook book;
        frmMain w(sound, pause, random, book);
        QCOMPARE(w.tmrGame->interval(), 1000);
        QCOMPARE(w.tmrGame->timerType(), Qt::PreciseTimer);
        QVERIFY(!w.IsEnabled());

        w.SetEnabled(true);
        QTest::qWait(60);
        w.SetEnabled(true);
        QVERIFY(w.tmrGame->remainingTime() <= 960);  // a restart would have put the whole second back
        QVERIFY(w.IsEnabled());
        w.SetEnabled(false);
        QVERIFY(!w.tmrGame->isActive());

        w.tmrGame->setInterval(200);  // so at least two ticks fall due during one flip
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.Engine().TileClicked(1);  // starts the clock, then flips without handling events
        QVERIFY(w.IsEnabled());
        QCOMPARE(w.Engine().mlngSeconds, 0);
        QApplication::processEvents();
        QCOMPARE(w.Engine().mlngSeconds, 1);
        QCOMPARE(w.StatusPanel(3)->text(), QStringLiteral("Time: 1"));
        w.close();
        QCOMPARE(errors.count(), 0);
    }

    void onePlayerGameClickedThroughEndsInTheHighScoreTables() {
        const QString name = QStringLiteral("<b>Bob</b> & Jo");
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Player Count", "1"},
                             {"Player 1", "<b>Bob</b> & Jo"}, {"Sounds", "True"}});
        QApplication::processEvents();
        h.sound.played.clear();
        QStringList said;
        connect(&w, &frmMain::Announced, this, [&](const QString& text) { said.append(text); });

        // The name is shown and read as plain text.
        QCOMPARE(w.StatusPanel(1)->text(), name);
        QCOMPARE(w.StatusPanel(1)->textFormat(), Qt::PlainText);
        QCOMPARE(AccessibleName(w.StatusPanel(1)), QStringLiteral("Player: ") + name);
        QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("Sets Flipped: 0"));
        QCOMPARE(w.StatusPanel(3)->text(), QStringLiteral("Time: 0"));

        bool flagWhenShown = false;
        QStringList saidWhenShown;
        ModalWatcher closeScores([&](QWidget* modal) {
            flagWhenShown = modal == w.Scores().Window() && w.Scores().blnNewHighScore;
            saidWhenShown = said;
            modal->close();
        });
        for (int k = 1; k <= 15; ++k) {
            ClickCell(w, k);
            ClickCell(w, k + 15);
            if (k == 1) QVERIFY(w.IsEnabled());  // the clock runs from the first click
        }
        QTRY_COMPARE(closeScores.seen, 1);
        QVERIFY(flagWhenShown);
        const QString seconds = QString::number(w.Engine().mlngSeconds);
        QCOMPARE(saidWhenShown, QStringList{"Game over. Sets Flipped: 15, Time: " + seconds + "."});

        // The board is clear, the clock stopped and the results are in the store.
        QCOMPARE(w.Engine().mintMatches, qint16(15));
        QVERIFY(!w.IsEnabled());
        for (int k = 1; k <= 30; ++k) QVERIFY(w.imgTile(k)->Picture().isNull() && !w.imgTile(k)->isEnabled());
        QCOMPARE(AccessibleName(w.StatusPanel(2)), QStringLiteral("Sets Flipped: 15"));
        QCOMPARE(h.sound.played.count(QStringLiteral("FLIP")), 30);
        QCOMPARE(h.sound.played.count(QStringLiteral("ZAP")), 15);
        const ScoreRow sets = ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1);
        const ScoreRow time = ReadScoreRow(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, 1);
        QCOMPARE(sets.Name, name);
        QCOMPARE(sets.Score, QStringLiteral("15"));
        QCOMPARE(time.Name, name);
        QCOMPARE(time.Score, seconds);
        QCOMPARE(ReadScoreRow(ScoreTables::LargeBoardSets, ScoreTables::SetsKey, 1).Name, QString());
        QCOMPARE(h.errors.count(), 0);
    }

    void twoPlayerGameEndsWithTwoPlainLines() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Player Count", "2"}, {"Player 1", "Ann"},
                             {"Player 2", "<i>Bo</i>"}});
        QStringList said;
        connect(&w, &frmMain::Announced, this, [&](const QString& text) { said.append(text); });
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
        QCOMPARE(w.StatusPanel(1)->text(), QStringLiteral("<i>Bo</i>"));
        QCOMPARE(w.StatusPanel(3)->text(), QString());
        QCOMPARE(said, QStringList{"<i>Bo</i> to play"});
        QCOMPARE(AccessibleName(w.stbMain), QStringLiteral("<i>Bo</i> to play"));  // the latest news, for whoever asks
        for (int k = 1; k <= 15; ++k) {
            ClickCell(w, k);
            ClickCell(w, k + 15);
        }
        QTRY_COMPARE(closeMessage.seen, 1);
        QCOMPARE(shown, QStringLiteral("Game Over|%1|%2|%3|0 matches for Ann\n15 matches for <i>Bo</i>")
                            .arg(int(QMessageBox::Information)).arg(int(QMessageBox::Ok)).arg(int(Qt::PlainText)));
        // Matches keep the turn: only the end is said next, before the box shows.
        QCOMPARE(saidBeforeTheBox,
                 (QStringList{"<i>Bo</i> to play", "Game over. 0 matches for Ann. 15 matches for <i>Bo</i>."}));
        QCOMPARE(ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1).Name, QString());
        // A new game gives the turn back to Ann, and says so.
        w.StartNewGame();
        QCOMPARE(said.last(), QStringLiteral("Ann to play"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
