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

// With a generator that always draws 0, the small board at match 2 carries
// the pictures 14, 30, 1, 2, ..., 13 on cells 1..15 and again on 16..30.
QString KnownTag(int cell) {
    static const int first[15] = {14, 30, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    return QString::number(first[(cell - 1) % 15]);
}

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

void ClickCell(frmMain& w, int k) {
    // The middle of the tile: under the picture when the tile is face up.
    QTest::mouseClick(w.imgTile(k), Qt::LeftButton);
}

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
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    const QPointF global = target->mapToGlobal(at);
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                        Qt::NoButton, Qt::NoModifier));
}

void ShowAndWait(frmMain& w) {
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void cellsSitAtTheirPlacesInTwips_data();
    void cellsSitAtTheirPlacesInTwips();
    void clientAreaFitsTheBoardAndTheBarsShown_data();
    void clientAreaFitsTheBoardAndTheBarsShown();
    void boardSizeChangeWithBarsHiddenLeavesNoBlankBand();
    void windowIsFixedCentredGreyAndTitledPexora();
    void tilesShowTheFrameOfTheirState();
    void colourChangeRepaintsFaceDownAndFaceUpTilesOnly();
    void missingFramesAreReportedAndTheBoardPlaysOn();
    void everyFlipAndShrinkFrameReachesTheScreen();
    void clicksDuringAnAnimationAreTakenAfterItAgainstItsResult();
    void startPlaysOnceAfterTheWindowHasPainted();
    void startNeverPlaysWhenSoundsWereOffAtFirstActivation();
    void closingSavesSettingsBeforeTheShutdownSound_data();
    void closingSavesSettingsBeforeTheShutdownSound();
    void closingWithSoundsOffPlaysNothing();
    void closingUnloadsOtherWindowsMostRecentFirst();
    void startingARunningClockLeavesItRunning();
    void ticksDueDuringAnAnimationAreTakenOnceAfterIt();
    void onePlayerGameClickedThroughEndsInTheHighScoreTables();
    void twoPlayerGameEndsWithTwoPlainLines();
};

void TestMainWindow::cellsSitAtTheirPlacesInTwips_data() {
    QTest::addColumn<int>("tileCount");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");  // with the toolbar shown

    QTest::newRow("small tile 1") << 30 << false << 1 << 100 << 500;
    QTest::newRow("small tile 5, bottom of column 1") << 30 << false << 5 << 100 << 4500;
    QTest::newRow("small tile 6, top of column 2") << 30 << false << 6 << 1100 << 500;
    QTest::newRow("small tile 30") << 30 << false << 30 << 5100 << 4500;
    QTest::newRow("small picture 1") << 30 << true << 1 << 360 << 680;
    QTest::newRow("large tile 1") << 60 << false << 1 << 100 << 500;
    QTest::newRow("large tile 6, bottom of column 1") << 60 << false << 6 << 100 << 5500;
    QTest::newRow("large tile 7, top of column 2") << 60 << false << 7 << 1100 << 500;
    QTest::newRow("large tile 60") << 60 << false << 60 << 9100 << 5500;
    QTest::newRow("large picture 60") << 60 << true << 60 << 9360 << 5680;
}

void TestMainWindow::cellsSitAtTheirPlacesInTwips() {
    QFETCH(int, tileCount);
    QFETCH(bool, picture);
    QFETCH(int, cell);
    QFETCH(int, left);
    QFETCH(int, top);

    MainWindowHarness h;
    StoreOption("Tile Count", QString::number(tileCount));
    frmMain& w = h.make();
    ShowAndWait(w);
    auto image = [&] { return picture ? static_cast<QWidget*>(w.imgPic(cell)) : w.imgTile(cell); };

    // Measured from the top-left of the client area, right under the menu bar.
    QCOMPARE(w.ClientArea()->mapTo(&w, QPoint(0, 0)).y(), w.menuBar()->geometry().bottom() + 1);
    QCOMPARE(image()->pos(), TwipsPx(left, top));

    w.mnuViewToolbar->trigger();
    QCOMPARE(image()->pos(), TwipsPx(left, top - 400));
    w.mnuViewToolbar->trigger();
    QCOMPARE(image()->pos(), TwipsPx(left, top));

    // Every picture lies in front of its tile body, also after the re-layouts.
    const QObjectList order = w.ClientArea()->children();
    for (int k = 1; k <= tileCount; ++k)
        QVERIFY2(order.indexOf(w.imgPic(k)) > order.indexOf(w.imgTile(k)), qPrintable(QString::number(k)));
    QCOMPARE(h.errors.count(), 0);
}

void TestMainWindow::clientAreaFitsTheBoardAndTheBarsShown_data() {
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

void TestMainWindow::clientAreaFitsTheBoardAndTheBarsShown() {
    QFETCH(int, tileCount);
    QFETCH(bool, toolbar);
    QFETCH(bool, statusBar);

    MainWindowHarness h;
    StoreOption("Tile Count", QString::number(tileCount));
    frmMain& w = h.make();
    ShowAndWait(w);
    if (!toolbar) w.mnuViewToolbar->trigger();
    if (!statusBar) w.mnuViewStatusBar->trigger();
    QApplication::processEvents();

    const QRect lastTile = w.imgTile(tileCount)->geometry();
    const QWidget* client = w.ClientArea();
    const int margin = TwipsToPixels(100);
    QCOMPARE(w.imgTile(1)->x(), margin);
    QCOMPARE(client->width(), lastTile.right() + 1 + margin);
    QCOMPARE(client->height(), lastTile.bottom() + 1 + margin);
    // The window holds the menu bar, the client area and the status bar shown, nothing more.
    const int expectedHeight =
        w.menuBar()->height() + client->height() + (statusBar ? w.stbMain->height() : 0);
    QCOMPARE(w.height(), expectedHeight);
    QCOMPARE(w.width(), client->width());
    if (statusBar) QCOMPARE(w.stbMain->geometry().top(), client->mapTo(&w, QPoint(0, client->height())).y());
    if (toolbar) {
        QVERIFY(w.tlbMain->height() <= TwipsToPixels(400));
        QVERIFY(w.tlbMain->geometry().bottom() < w.imgTile(1)->y());
    }
}

void TestMainWindow::boardSizeChangeWithBarsHiddenLeavesNoBlankBand() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    frmMain& w = h.make();
    ShowAndWait(w);
    w.mnuViewToolbar->trigger();
    w.mnuViewStatusBar->trigger();

    // As the options dialog applies a new board size.
    GameSettings.TileCount = 60;
    w.StartNewGame();
    w.SetBoardSize();
    QApplication::processEvents();

    const int margin = TwipsToPixels(100);
    QCOMPARE(w.imgTile(60)->pos(), TwipsPx(9100, 5100));
    QCOMPARE(w.ClientArea()->height(), w.imgTile(60)->geometry().bottom() + 1 + margin);
    QCOMPARE(w.height(), w.menuBar()->height() + w.ClientArea()->height());

    // Showing a bar again makes the window taller by exactly that bar.
    const int before = w.height();
    w.mnuViewStatusBar->trigger();
    QCOMPARE(w.height(), before + w.stbMain->height());
    w.mnuViewToolbar->trigger();
    QCOMPARE(w.height(), before + w.stbMain->height() + w.tlbMain->height());
    QCOMPARE(w.imgTile(60)->pos(), TwipsPx(9100, 5500));

    // Back to the small board: the window shrinks to it and cells 31..60 leave the board.
    GameSettings.TileCount = 30;
    w.StartNewGame();
    w.SetBoardSize();
    QCOMPARE(w.ClientArea()->width(), w.imgTile(30)->geometry().right() + 1 + margin);
    for (int k = 31; k <= 60; ++k) QVERIFY(!w.imgTile(k)->isVisible() && !w.imgTile(k)->isEnabled());
}

void TestMainWindow::windowIsFixedCentredGreyAndTitledPexora() {
    MainWindowHarness h;
    frmMain& w = h.make();
    ShowAndWait(w);
    QCOMPARE(w.windowTitle(), QStringLiteral("Pexora"));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.ClientArea()->palette().color(QPalette::Window), QColor(192, 192, 192));
    QVERIFY(!w.windowIcon().isNull());
    const QPoint screenCentre = w.screen()->geometry().center();
    QVERIFY(qAbs(w.frameGeometry().center().x() - screenCentre.x()) <= 1);
    QVERIFY(qAbs(w.frameGeometry().center().y() - screenCentre.y()) <= 1);
    // Playing leaves the caption alone.
    ClickCell(w, 1);
    QCOMPARE(w.windowTitle(), QStringLiteral("Pexora"));
}

void TestMainWindow::tilesShowTheFrameOfTheirState() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Level", QStringLiteral("2"));
    frmMain& w = h.make();
    ShowAndWait(w);

    // The holders carry the colour's frames.
    for (int n = 1; n <= 6; ++n)
        QVERIFY(SamePicture(w.FlipHolder(n), LoadResPicture(QStringLiteral("BLUEFLIP%1").arg(n), PictureKind::Bitmap)));
    for (int n = 1; n <= 5; ++n)
        QVERIFY(SamePicture(w.ShrinkHolder(n),
                            LoadResPicture(QStringLiteral("BLUESHRINK%1").arg(n), PictureKind::Bitmap)));

    // Face down after the deal; beyond the small board nothing.
    for (int k = 1; k <= 30; ++k) {
        QCOMPARE(FrameOf(w, k), QStringLiteral("F1"));
        QVERIFY(w.imgTile(k)->isVisible() && w.imgTile(k)->isEnabled());
        QVERIFY(!w.imgPic(k)->isVisible());
        QCOMPARE(w.Engine().Cell(k).Tag, KnownTag(k));
    }
    for (int k = 31; k <= 60; ++k) QVERIFY(!w.imgTile(k)->isVisible() && !w.imgPic(k)->isVisible());

    // Face up: the turned-over tile with its picture in front.
    ClickCell(w, 2);
    QCOMPARE(FrameOf(w, 2), QStringLiteral("F6"));
    QVERIFY(w.imgPic(2)->isVisible());
    QVERIFY(SamePicture(w.imgPic(2)->Picture(), LoadResPicture(QStringLiteral("ANIMAL30"), PictureKind::Icon)));

    // Removed: empty, disabled, no picture; the cell stays where it was.
    ClickCell(w, 17);
    for (int k : {2, 17}) {
        QCOMPARE(FrameOf(w, k), QStringLiteral("empty"));
        QVERIFY(w.imgTile(k)->isVisible());
        QVERIFY(!w.imgTile(k)->isEnabled() && !w.imgPic(k)->isEnabled());
        QVERIFY(!w.imgPic(k)->isVisible());
    }
    QCOMPARE(h.errors.count(), 0);
}

void TestMainWindow::colourChangeRepaintsFaceDownAndFaceUpTilesOnly() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Level", QStringLiteral("2"));
    frmMain& w = h.make();
    ShowAndWait(w);
    ClickCell(w, 1);
    ClickCell(w, 16);  // a match: cells 1 and 16 leave the board
    ClickCell(w, 2);
    ClickCell(w, 3);   // a mismatch: both stay face up
    const QPixmap picture2 = w.imgPic(2)->Picture();

    GameSettings.TileColor = QStringLiteral("RED");
    w.ChangeTileColor();

    const QPixmap redBack = LoadResPicture(QStringLiteral("REDFLIP1"), PictureKind::Bitmap);
    const QPixmap redUp = LoadResPicture(QStringLiteral("REDFLIP6"), PictureKind::Bitmap);
    for (int k = 1; k <= 30; ++k) {
        if (k == 1 || k == 16) {
            QCOMPARE(FrameOf(w, k), QStringLiteral("empty"));
            QVERIFY(!w.imgPic(k)->isVisible());
        } else if (k == 2 || k == 3) {
            QVERIFY2(SamePicture(w.imgTile(k)->Picture(), redUp), qPrintable(QString::number(k)));
            QVERIFY(w.imgPic(k)->isVisible());
        } else {
            QVERIFY2(SamePicture(w.imgTile(k)->Picture(), redBack), qPrintable(QString::number(k)));
        }
    }
    QCOMPARE(w.imgPic(2)->Picture().cacheKey(), picture2.cacheKey());
    for (int k = 31; k <= 60; ++k) QVERIFY(w.imgTile(k)->Picture().isNull() && !w.imgTile(k)->isVisible());

    // The next deal keeps the new colour.
    w.StartNewGame();
    QVERIFY(SamePicture(w.imgTile(1)->Picture(), redBack));
}

void TestMainWindow::missingFramesAreReportedAndTheBoardPlaysOn() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    frmMain& w = h.make();
    ShowAndWait(w);
    const qint64 back = w.FlipHolder(1).cacheKey();

    // A colour with no frames: each frame set reports once and keeps what it had.
    GameSettings.TileColor = QStringLiteral("MAUVE");
    w.ChangeTileColor();
    QCOMPARE(h.errors.count(), 2);
    QCOMPARE(h.errors.reports.first().first, ErrorNumbers::ResourceNotFound);
    QCOMPARE(w.FlipHolder(1).cacheKey(), back);
    QCOMPARE(FrameOf(w, 1), QStringLiteral("F1"));

    ClickCell(w, 1);
    QCOMPARE(FrameOf(w, 1), QStringLiteral("F6"));
    QVERIFY(w.imgPic(1)->isVisible());
}

void TestMainWindow::everyFlipAndShrinkFrameReachesTheScreen() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Level", QStringLiteral("2"));
    frmMain& w = h.make();
    ShowAndWait(w);
    QApplication::processEvents();

    PaintLog up(w, 1);
    ClickCell(w, 1);
    QCOMPARE(up.distinct().mid(0, 5), (QStringList{"F2", "F3", "F4", "F5", "F6"}));

    PaintLog removed(w, 1);
    PaintLog partner(w, 16);
    ClickCell(w, 16);
    QApplication::processEvents();
    QCOMPARE(partner.distinct().mid(0, 5), (QStringList{"F2", "F3", "F4", "F5", "F6"}));
    const QStringList shrink{"S1", "S2", "S3", "S4", "S5"};
    QCOMPARE(removed.distinct().mid(0, 5), shrink);
    QCOMPARE(partner.distinct().mid(5, 5), shrink);

    // Turning a mismatched pair down shows the flip frames backwards.
    ClickCell(w, 2);
    ClickCell(w, 3);
    PaintLog down(w, 3);
    ClickCell(w, 2);  // 2 stays up as the first of the next set; 3 turns down
    QCOMPARE(down.distinct().mid(0, 5), (QStringList{"F5", "F4", "F3", "F2", "F1"}));
}

void TestMainWindow::clicksDuringAnAnimationAreTakenAfterItAgainstItsResult() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Level", QStringLiteral("2"));
    StoreOption("Sounds", QStringLiteral("True"));
    frmMain& w = h.make();
    ShowAndWait(w);
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
    // Nothing of the queued clicks has been handled inside the first one.
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

void TestMainWindow::startPlaysOnceAfterTheWindowHasPainted() {
    MainWindowHarness h;
    StoreOption("Sounds", QStringLiteral("True"));
    frmMain& w = h.make();
    QVERIFY(h.sound.played.isEmpty());  // loading plays nothing

    int paints = 0;
    struct PaintCounter : QObject {
        int* count;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++*count;
            return false;
        }
    } counter;
    counter.count = &paints;
    w.ClientArea()->installEventFilter(&counter);
    int paintsAtStart = -1;
    h.sound.onPlay = [&](const QString& name) {
        if (name == QLatin1String("START")) paintsAtStart = paints;
    };

    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(h.sound.played, QStringList{"START"});
    QVERIFY(paintsAtStart > 0);
    QVERIFY(w.ActivatedOnce());

    // A dialog closing re-activates the window without a second START.
    QDialog dialog(&w);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.close();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(h.sound.played, QStringList{"START"});
}

void TestMainWindow::startNeverPlaysWhenSoundsWereOffAtFirstActivation() {
    MainWindowHarness h;
    StoreOption("Sounds", QStringLiteral("False"));
    frmMain& w = h.make();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(w.ActivatedOnce());
    QVERIFY(h.sound.played.isEmpty());

    w.ToolbarButton(QStringLiteral("Sounds"))->trigger();
    QVERIFY(gblnPlaySound);
    QDialog dialog(&w);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.close();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(!h.sound.played.contains(QStringLiteral("START")));
}

void TestMainWindow::closingSavesSettingsBeforeTheShutdownSound_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("close box") << QStringLiteral("close box");
    QTest::newRow("Game > Exit") << QStringLiteral("menu");
    QTest::newRow("toolbar Exit") << QStringLiteral("toolbar");
}

void TestMainWindow::closingSavesSettingsBeforeTheShutdownSound() {
    QFETCH(QString, way);
    MainWindowHarness h;
    StoreOption("Sounds", QStringLiteral("True"));
    StoreOption("Tile Color", QStringLiteral("BLUE"));
    frmMain& w = h.make();
    ShowAndWait(w);
    QApplication::processEvents();

    GameSettings.TileColor = QStringLiteral("GREEN");  // changed in memory only
    QString storedAtShutdown;
    h.sound.onPlay = [&](const QString& name) {
        if (name == QLatin1String("SHUTDOWN")) storedAtShutdown = StoredOption("Tile Color");
    };
    if (way == QLatin1String("close box")) {
        w.close();
    } else if (way == QLatin1String("menu")) {
        w.mnuGameExit->trigger();
    } else {
        w.ToolbarButton(QStringLiteral("Exit"))->trigger();
    }
    QVERIFY(!w.isVisible());
    QCOMPARE(storedAtShutdown, QStringLiteral("GREEN"));
    QCOMPARE(h.sound.played.last(), QStringLiteral("SHUTDOWN"));
    QCOMPARE(h.sound.played.count(QStringLiteral("SHUTDOWN")), 1);

    // A second close (the harness closes again) runs nothing twice.
    w.close();
    QCOMPARE(h.sound.played.count(QStringLiteral("SHUTDOWN")), 1);
}

void TestMainWindow::closingWithSoundsOffPlaysNothing() {
    MainWindowHarness h;
    StoreOption("Sounds", QStringLiteral("False"));
    frmMain& w = h.make();
    ShowAndWait(w);
    w.ToolbarButton(QStringLiteral("Sounds"))->trigger();  // on ...
    w.ToolbarButton(QStringLiteral("Sounds"))->trigger();  // ... and off again
    w.close();
    QVERIFY(h.sound.played.isEmpty());
    QCOMPARE(StoredOption("Sounds"), QStringLiteral("False"));
}

void TestMainWindow::closingUnloadsOtherWindowsMostRecentFirst() {
    MainWindowHarness h;
    StoreOption("Sounds", QStringLiteral("False"));
    frmMain& w = h.make();
    ShowAndWait(w);

    QStringList closed;
    struct CloseLog : QObject {
        QStringList* log;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Close) log->append(o->objectName());
            return false;
        }
    } filter;
    filter.log = &closed;
    auto* first = new QDialog(&w);
    first->setObjectName(QStringLiteral("first"));
    auto* second = new QDialog(&w);
    second->setObjectName(QStringLiteral("second"));
    for (QDialog* d : {first, second}) {
        d->installEventFilter(&filter);
        d->show();
    }
    w.close();
    QCOMPARE(closed, (QStringList{"second", "first"}));
    QVERIFY(!first->isVisible() && !second->isVisible());
}

void TestMainWindow::startingARunningClockLeavesItRunning() {
    MainWindowHarness h;
    frmMain& w = h.make();
    QCOMPARE(w.tmrGame->interval(), 1000);
    QCOMPARE(w.tmrGame->timerType(), Qt::PreciseTimer);
    QVERIFY(!w.IsEnabled());

    w.SetEnabled(true);
    QTest::qWait(60);
    w.SetEnabled(true);
    // Restarting would have put the whole second back on the clock.
    QVERIFY(w.tmrGame->remainingTime() <= 960);
    QVERIFY(w.IsEnabled());
    w.SetEnabled(false);
    QVERIFY(!w.tmrGame->isActive());
}

void TestMainWindow::ticksDueDuringAnAnimationAreTakenOnceAfterIt() {
    ScopedStore store;
    ErrorRecorder errors;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Player Count", QStringLiteral("1"));
    StoreOption("Sounds", QStringLiteral("False"));
    SoundRecorder sound;
    SlowPause pause;  // a flip now takes at least half a second
    FixedRandom random;
    frmMain w(sound, pause, random);
    w.tmrGame->setInterval(200);  // so at least two ticks fall due during one flip
    ShowAndWait(w);

    w.Engine().TileClicked(1);  // starts the clock, then flips without handling events
    QVERIFY(w.IsEnabled());
    QCOMPARE(w.Engine().mlngSeconds, 0);
    QApplication::processEvents();
    QCOMPARE(w.Engine().mlngSeconds, 1);
    QCOMPARE(w.StatusPanel(3)->text(), QStringLiteral("Time: 1"));
    w.close();
    QCOMPARE(errors.count(), 0);
}

void TestMainWindow::onePlayerGameClickedThroughEndsInTheHighScoreTables() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Level", QStringLiteral("2"));
    StoreOption("Player Count", QStringLiteral("1"));
    StoreOption("Player 1", QStringLiteral("<b>Bob</b>"));
    StoreOption("Sounds", QStringLiteral("True"));
    frmMain& w = h.make();
    ShowAndWait(w);
    QApplication::processEvents();
    h.sound.played.clear();

    QCOMPARE(w.StatusPanel(1)->text(), QStringLiteral("<b>Bob</b>"));
    QCOMPARE(w.StatusPanel(1)->textFormat(), Qt::PlainText);
    QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("Sets Flipped: 0"));
    QCOMPARE(w.StatusPanel(3)->text(), QStringLiteral("Time: 0"));

    bool flagWhenShown = false;
    ModalWatcher closeScores([&](QWidget* modal) {
        flagWhenShown = modal == w.Scores().Window() && w.Scores().blnNewHighScore;
        modal->close();
    });
    for (int k = 1; k <= 15; ++k) {
        ClickCell(w, k);
        ClickCell(w, k + 15);
        if (k == 1) QVERIFY(w.IsEnabled());  // the clock runs from the first click
    }
    QTRY_COMPARE(closeScores.seen, 1);
    QVERIFY(flagWhenShown);

    // The board is clear, the clock stopped and the results are in the store.
    QCOMPARE(w.Engine().mintMatches, qint16(15));
    QVERIFY(!w.IsEnabled());
    for (int k = 1; k <= 30; ++k) QVERIFY(w.imgTile(k)->Picture().isNull() && !w.imgTile(k)->isEnabled());
    QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("Sets Flipped: 15"));
    QCOMPARE(h.sound.played.count(QStringLiteral("FLIP")), 30);
    QCOMPARE(h.sound.played.count(QStringLiteral("ZAP")), 15);
    const ScoreRow sets = ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1);
    QCOMPARE(sets.Name, QStringLiteral("<b>Bob</b>"));
    QCOMPARE(sets.Score, QStringLiteral("15"));
    const ScoreRow time = ReadScoreRow(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, 1);
    QCOMPARE(time.Name, QStringLiteral("<b>Bob</b>"));
    QCOMPARE(time.Score, QString::number(w.Engine().mlngSeconds));
    QCOMPARE(ReadScoreRow(ScoreTables::LargeBoardSets, ScoreTables::SetsKey, 1).Name, QString());
    QCOMPARE(h.errors.count(), 0);
}

void TestMainWindow::twoPlayerGameEndsWithTwoPlainLines() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Level", QStringLiteral("2"));
    StoreOption("Player Count", QStringLiteral("2"));
    StoreOption("Player 1", QStringLiteral("Ann"));
    StoreOption("Player 2", QStringLiteral("<i>Bo</i>"));
    frmMain& w = h.make();
    ShowAndWait(w);

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    ModalWatcher closeMessage([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            format = box->textFormat();
            buttons = box->standardButtons();
        }
        modal->close();
    });
    // Ann misses, the turn passes, and Bo clears the board.
    ClickCell(w, 1);
    ClickCell(w, 2);
    QCOMPARE(w.StatusPanel(1)->text(), QStringLiteral("<i>Bo</i>"));
    QCOMPARE(w.StatusPanel(3)->text(), QString());
    for (int k = 1; k <= 15; ++k) {
        ClickCell(w, k);
        ClickCell(w, k + 15);
    }
    QTRY_COMPARE(closeMessage.seen, 1);
    QCOMPARE(title, QStringLiteral("Game Over"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(text, QStringLiteral("0 matches for Ann\n15 matches for <i>Bo</i>"));
    QCOMPARE(ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1).Name, QString());
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
