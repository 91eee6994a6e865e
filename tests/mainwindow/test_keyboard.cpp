// Playing with the keyboard: the board holds the focus from start-up, the
// arrow keys move it over the cells in play only, Space and Enter click the
// focused cell under every rule of a mouse click, and the focus ring stays
// in the board's margin, clear of every tile and picture.

#include <QtTest>

#include "BoardFocus.h"
#include "BoardImage.h"
#include "GameSettings.h"
#include "MainWindowTestKit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QToolBar>

#include <set>

namespace {

// With a generator that always draws 0, the small board at match 2 pairs
// cell k with cell k + 15 (k = 1..15), and no two of cells 1..15 match.
void Press(frmMain& w, Qt::Key key) {
    QTest::keyClick(w.focusWidget() != nullptr ? w.focusWidget() : static_cast<QWidget*>(&w), key);
}

// Moves the focus down the columns until it reaches cell k.
bool WalkTo(frmMain& w, int k) {
    for (int n = 0; n < 61 && w.FocusedCell() != k; ++n) Press(w, Qt::Key_Down);
    return w.FocusedCell() == k;
}

void ClickWithKey(frmMain& w, int k, Qt::Key key = Qt::Key_Space) {
    w.imgTile(k)->setFocus();
    QTest::keyClick(w.imgTile(k), key);
}

bool RingClearOfEveryImage(const frmMain& w) {
    const QRegion ring = w.FocusFrame()->Ring();
    for (int k = 1; k <= BoardCells; ++k) {
        if (w.imgTile(k)->isVisible() && ring.intersects(w.imgTile(k)->geometry())) return false;
        if (w.imgPic(k)->isVisible() && ring.intersects(w.imgPic(k)->geometry())) return false;
    }
    return !(w.tlbMain->isVisible() && ring.intersects(w.tlbMain->geometry()));
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void arrowKeysFollowRowsAndColumnsAndWrap_data() {
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        // Small board, 6 columns of 5: cell 26 is the top of the last column.
        QTest::newRow("right along a row") << 30 << 1 << int(Qt::Key_Right) << 6;
        QTest::newRow("right past a row's end") << 30 << 26 << int(Qt::Key_Right) << 2;
        QTest::newRow("right from the last cell") << 30 << 30 << int(Qt::Key_Right) << 1;
        QTest::newRow("left along a row") << 30 << 12 << int(Qt::Key_Left) << 7;
        QTest::newRow("left past a row's start") << 30 << 2 << int(Qt::Key_Left) << 26;
        QTest::newRow("left from the first cell") << 30 << 1 << int(Qt::Key_Left) << 30;
        QTest::newRow("down a column") << 30 << 1 << int(Qt::Key_Down) << 2;
        QTest::newRow("down past a column's foot") << 30 << 5 << int(Qt::Key_Down) << 6;
        QTest::newRow("down from the last cell") << 30 << 30 << int(Qt::Key_Down) << 1;
        QTest::newRow("up past a column's top") << 30 << 6 << int(Qt::Key_Up) << 5;
        QTest::newRow("up from the first cell") << 30 << 1 << int(Qt::Key_Up) << 30;
        QTest::newRow("home") << 30 << 17 << int(Qt::Key_Home) << 1;
        QTest::newRow("end") << 30 << 17 << int(Qt::Key_End) << 30;
        // Large board, 10 columns of 6.
        QTest::newRow("large right along a row") << 60 << 1 << int(Qt::Key_Right) << 7;
        QTest::newRow("large right past a row's end") << 60 << 55 << int(Qt::Key_Right) << 2;
        QTest::newRow("large down past a column's foot") << 60 << 6 << int(Qt::Key_Down) << 7;
        QTest::newRow("large left from the first cell") << 60 << 1 << int(Qt::Key_Left) << 60;
    }

    void arrowKeysFollowRowsAndColumnsAndWrap() {
        QFETCH(int, tileCount);
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", tileCount == 30 ? "30" : "60"}});
        ClickWithKey(w, from, Qt::Key(key));
        QCOMPARE(w.FocusedCell(), to);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.imgTile(to)));
        QCOMPARE(w.Engine().mintTilesUp, qint16(0));  // moving the focus clicks nothing
    }

    void focusPassesOverRemovedCellsWhichTakeNoKey() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Level", "2"}});
        // Take cells 1, 16, 7 and 22 off the board with two matches.
        for (int k : {1, 16, 7, 22}) ClickWithKey(w, k);
        QCOMPARE(w.Engine().mintMatches, qint16(2));
        QVERIFY(!w.CellInPlay(1) && !w.CellInPlay(16) && !w.CellInPlay(7) && !w.CellInPlay(22));
        QCOMPARE(w.FocusedCell(), 23);  // the focus left the removed cell for the next one in play

        // Even told to, a removed tile takes neither the focus nor a key; nor does one off the board.
        w.imgTile(16)->setFocus();
        QVERIFY(!w.imgTile(16)->hasFocus());
        for (int k : {16, 45}) QTest::keyClick(w.imgTile(k), Qt::Key_Space);
        QCOMPARE(w.Engine().mintTilesUp, qint16(0));
        QVERIFY(!w.Engine().Cell(16).FaceVisible);

        // Over a gap: the row of cell 1 goes 21 -> 16 (removed) -> 11 leftwards...
        ClickWithKey(w, 11, Qt::Key_Left);
        QCOMPARE(w.FocusedCell(), 6);
        Press(w, Qt::Key_Left);
        QCOMPARE(w.FocusedCell(), 30);  // 1 is gone: round to the end of the last row
        ClickWithKey(w, 6, Qt::Key_Down);
        QCOMPARE(w.FocusedCell(), 8);  // 7 is gone

        // Each key, pressed again and again, goes round every cell in play once.
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            std::set<int> seen;
            const int start = w.FocusedCell();
            for (int n = 0; n < 26; ++n) {
                Press(w, key);
                QVERIFY2(w.CellInPlay(w.FocusedCell()), qPrintable(QString::number(w.FocusedCell())));
                seen.insert(w.FocusedCell());
            }
            QCOMPARE(int(seen.size()), 26);
            QCOMPARE(w.FocusedCell(), start);
        }
        QCOMPARE(h.errors.count(), 0);
    }

    void smallBoardFocusNeverReachesTheLargeBoardsCells() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "60"}});
        ClickWithKey(w, 45, Qt::Key_Right);
        // The board shrinks under a focus on cell 51: the new game brings it back.
        GameSettings.TileCount = 30;
        w.StartNewGame();
        w.SetBoardSize();
        QVERIFY(w.FocusedCell() >= 1 && w.FocusedCell() <= 30);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.imgTile(w.FocusedCell())));
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_End}) {
            for (int n = 0; n < 31; ++n) {
                Press(w, key);
                QVERIFY(w.FocusedCell() >= 1 && w.FocusedCell() <= 30);
            }
        }
    }

    void spaceAndEnterAreClicksThatObeyTheRules() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Player Count", "1"}, {"Sounds", "True"}});
        h.sound.played.clear();
        QStringList said;
        connect(&w, &frmMain::Announced, this, [&](const QString& text) { said.append(text); });
        GameEngine& e = w.Engine();

        Press(w, Qt::Key_Space);
        QCOMPARE(e.mintTilesUp, qint16(1));
        QCOMPARE(e.mintTile1, qint16(1));
        QVERIFY(e.Cell(1).FaceVisible);
        QVERIFY(w.IsEnabled());  // the clock starts with the first click, as with the mouse
        QCOMPARE(h.sound.played, QStringList{"FLIP"});

        // The face-up first tile: a second click on it is ignored, by any key.
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            Press(w, key);
            QCOMPARE(e.mintTilesUp, qint16(1));
            QCOMPARE(gudtPlayers(1).lngSetsFlipped, 0);
        }
        QCOMPARE(h.sound.played, QStringList{"FLIP"});

        // A key held down clicks once only.
        Press(w, Qt::Key_Down);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(w.imgTile(2), &repeat);
        QCOMPARE(e.mintTilesUp, qint16(1));

        // Enter on cell 2 completes a set that does not match; one player keeps the turn, unannounced.
        Press(w, Qt::Key_Return);
        QCOMPARE(e.mintTilesUp, qint16(2));
        QCOMPARE(e.mintTile2, qint16(2));
        QCOMPARE(gudtPlayers(1).lngSetsFlipped, 1);
        QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("Sets Flipped: 1"));
        QVERIFY(said.isEmpty());

        // The next click, on the shown tile 2, keeps it up and turns 1 down.
        Press(w, Qt::Key_Enter);
        QCOMPARE(e.mintTilesUp, qint16(1));
        QCOMPARE(e.mintTile1, qint16(2));
        QVERIFY(!e.Cell(1).FaceVisible && e.Cell(2).FaceVisible);

        // A key with a modifier is no click.
        QTest::keyClick(w.imgTile(2), Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(e.mintTilesUp, qint16(1));
        QCOMPARE(h.errors.count(), 0);
    }

    void ringSurroundsTheFocusedTileWithoutTouchingIt() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "60"}});
        // Wherever the focus is, with the toolbar shown or hidden, the ring lies
        // round its tile and clear of every image and of the toolbar.
        for (bool toolbar : {true, false}) {
            if (w.mnuViewToolbar->isChecked() != toolbar) w.mnuViewToolbar->trigger();
            for (int k = 1; k <= 60; ++k) {
                w.imgTile(k)->setFocus();
                QVERIFY(w.FocusFrame()->IsShown());
                QCOMPARE(w.FocusFrame()->Outer(), w.imgTile(k)->geometry().adjusted(-3, -3, 3, 3));
                QVERIFY2(RingClearOfEveryImage(w), qPrintable(QString::number(k)));
            }
        }

        // On screen: the tile and its picture look the same with and without the
        // ring, and the ring is drawn in black on the board.
        ClickWithKey(w, 8);  // cell 8 face up, so its picture shows
        QVERIFY(w.imgPic(8)->isVisible());
        const QRect tile = w.imgTile(8)->geometry();
        const QImage focused = w.ClientArea()->grab().toImage();
        w.imgTile(9)->setFocus();
        const QImage unfocused = w.ClientArea()->grab().toImage();
        const qreal dpr = focused.devicePixelRatio();
        const QRect deviceTile(tile.topLeft() * dpr, tile.size() * dpr);
        QCOMPARE(focused.copy(deviceTile), unfocused.copy(deviceTile));
        const QPoint ringPixel = (tile.topLeft() - QPoint(2, 2)) * dpr;
        QCOMPARE(QColor(focused.pixel(ringPixel)), QColor(Qt::black));
        QVERIFY(QColor(unfocused.pixel(ringPixel)) != QColor(Qt::black));

        // No ring while the window has not the focus, and back with it.
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!w.isActiveWindow());
        QVERIFY(!w.FocusFrame()->IsShown());
        other.hide();
        w.activateWindow();
        QTRY_VERIFY(w.FocusFrame()->IsShown());
        QCOMPARE(w.FocusedCell(), 9);
    }

    void wholeGamePlayedWithTheKeysFromStartUpToAnEmptyBoard() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Player Count", "1"}, {"Player 1", "Kim"}});
        // The board holds the focus from start-up; Tab finds nothing else to stop on.
        QCOMPARE(w.FocusedCell(), 1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.imgTile(1)));
        QVERIFY(w.FocusFrame()->IsShown());
        QTest::keyClick(w.imgTile(1), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.imgTile(1)));

        ModalWatcher closeScores([](QWidget* modal) { modal->close(); });
        for (int k = 1; k <= 15; ++k) {
            QVERIFY(WalkTo(w, k));
            Press(w, Qt::Key_Space);
            QVERIFY(WalkTo(w, k + 15));
            Press(w, Qt::Key_Enter);
            QCOMPARE(w.Engine().mintMatches, qint16(k));
            if (k < 15) QVERIFY(w.CellInPlay(w.FocusedCell()) && w.FocusFrame()->IsShown());
        }
        QTRY_COMPARE(closeScores.seen, 1);
        QCOMPARE(gudtPlayers(1).lngSetsFlipped, 15);
        QCOMPARE(w.StatusPanel(2)->text(), QStringLiteral("Sets Flipped: 15"));
        QVERIFY(!w.IsEnabled());

        // The board is empty: no cell has the focus and no ring shows.
        QCOMPARE(w.FocusedCell(), 0);
        QVERIFY(!w.FocusFrame()->IsShown());
        QVERIFY(qobject_cast<BoardImage*>(QApplication::focusWidget()) == nullptr);
        Press(w, Qt::Key_Right);
        Press(w, Qt::Key_Space);
        QCOMPARE(w.FocusedCell(), 0);

        // F2 deals again, and the keys take up the new game at its first cell.
        w.activateWindow();
        QTRY_VERIFY(w.isActiveWindow());
        QTest::keyClick(&w, Qt::Key_F2);
        QCOMPARE(w.FocusedCell(), 1);
        QTRY_VERIFY(w.FocusFrame()->IsShown());
        Press(w, Qt::Key_Space);
        QCOMPARE(w.Engine().mintTilesUp, qint16(1));
        QCOMPARE(h.errors.count(), 0);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
