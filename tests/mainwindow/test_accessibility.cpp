// What assistive technology is told: each cell's name (its place and state)
// kept in step with the game, the press action of a cell as a click under the
// rules, the status panels as plain text, the announcements of a change of
// turn and of a game's end, and the picture names listed in the help.

#include <QtTest>

#include "BoardImage.h"
#include "GameSettings.h"
#include "MainWindowTestKit.h"
#include "OptionCatalogue.h"
#include "Resources.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QToolBar>
#include <QStatusBar>
#include <QTextDocument>

namespace {

void ShowAndWait(frmMain& w) {
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

QString NameOf(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// Everything the window announces, in order.
struct Announcements {
    explicit Announcements(frmMain& w) {
        QObject::connect(&w, &frmMain::Announced, [this](const QString& text) { said.append(text); });
    }
    QStringList said;
};

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void cellNameSaysPlaceAndEveryState();
    void pressActionIsAClickUnderTheRules();
    void statusPanelsAreReadAsPlainText();
    void turnChangeAndGameEndAreAnnounced();
    void onePlayerGameAnnouncesNoTurnButItsEnd();
    void toolbarButtonsAreNamedByTheirTips();
    void helpListsEveryPictureNameOfEveryCategory();
};

void TestAccessibility::cellNameSaysPlaceAndEveryState() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Level", QStringLiteral("2"));
    StoreOption("Images", QStringLiteral("ANIMAL"));
    frmMain& w = h.make();
    ShowAndWait(w);

    // Small board, 6 columns of 5: cell 7 is the second row of the second column.
    QCOMPARE(NameOf(w.imgTile(1)), QStringLiteral("Row 1, column 1, face down"));
    QCOMPARE(NameOf(w.imgTile(7)), QStringLiteral("Row 2, column 2, face down"));
    QCOMPARE(NameOf(w.imgTile(30)), QStringLiteral("Row 5, column 6, face down"));
    QCOMPARE(NameOf(w.imgTile(31)), QStringLiteral("Out of play"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w.imgTile(1))->role(), QAccessible::Button);

    // Nothing tells what lies under a face-down tile.
    QVERIFY(w.imgPic(1)->accessibleName().isEmpty());

    // The known deal puts the rabbit (picture 14) on cells 1 and 16.
    QTest::mouseClick(w.imgTile(1), Qt::LeftButton);
    QCOMPARE(NameOf(w.imgTile(1)), QStringLiteral("Row 1, column 1, face up, Rabbit"));
    QCOMPARE(NameOf(w.imgPic(1)), QStringLiteral("Rabbit"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w.imgPic(1))->role(), QAccessible::Graphic);
    QVERIFY(QAccessible::queryAccessibleInterface(w.imgTile(1))->state().focused);

    QTest::mouseClick(w.imgTile(16), Qt::LeftButton);
    QCOMPARE(NameOf(w.imgTile(1)), QStringLiteral("Row 1, column 1, removed"));
    QCOMPARE(NameOf(w.imgTile(16)), QStringLiteral("Row 1, column 4, removed"));
    QVERIFY(QAccessible::queryAccessibleInterface(w.imgTile(16))->state().disabled);

    // A mismatch stays face up and says so; turned down again, it says that.
    QTest::mouseClick(w.imgTile(2), Qt::LeftButton);
    QTest::mouseClick(w.imgTile(3), Qt::LeftButton);
    QCOMPARE(NameOf(w.imgTile(2)), QStringLiteral("Row 2, column 1, face up, Flamingo"));
    QCOMPARE(NameOf(w.imgTile(3)), QStringLiteral("Row 3, column 1, face up, Elephant"));
    QTest::mouseClick(w.imgTile(4), Qt::LeftButton);
    QCOMPARE(NameOf(w.imgTile(2)), QStringLiteral("Row 2, column 1, face down"));
    QCOMPARE(NameOf(w.imgTile(3)), QStringLiteral("Row 3, column 1, face down"));
    QVERIFY(w.imgPic(3)->accessibleName().isEmpty());

    // A new game on the large board: every cell is on it, named on its grid.
    GameSettings.TileCount = 60;
    w.StartNewGame();
    w.SetBoardSize();
    QCOMPARE(NameOf(w.imgTile(16)), QStringLiteral("Row 4, column 3, face down"));
    QCOMPARE(NameOf(w.imgTile(60)), QStringLiteral("Row 6, column 10, face down"));
    QCOMPARE(h.errors.count(), 0);
}

void TestAccessibility::pressActionIsAClickUnderTheRules() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Level", QStringLiteral("3"));
    frmMain& w = h.make();
    ShowAndWait(w);
    GameEngine& e = w.Engine();
    auto press = [&](int k) {
        QAccessibleActionInterface* action = QAccessible::queryAccessibleInterface(w.imgTile(k))->actionInterface();
        QVERIFY(action != nullptr);
        action->doAction(QAccessibleActionInterface::pressAction());
    };
    QVERIFY(QAccessible::queryAccessibleInterface(w.imgTile(1))
                ->actionInterface()
                ->actionNames()
                .contains(QAccessibleActionInterface::pressAction()));

    press(1);
    QCOMPARE(e.mintTilesUp, qint16(1));
    press(2);
    QCOMPARE(e.mintTilesUp, qint16(2));
    // Match 3: either face-up tile of an unfinished triple is ignored.
    press(1);
    press(2);
    QCOMPARE(e.mintTilesUp, qint16(2));
    QCOMPARE(gudtPlayers(1).lngSetsFlipped, 0);
    press(3);
    QCOMPARE(e.mintTilesUp, qint16(3));
    QCOMPARE(gudtPlayers(1).lngSetsFlipped, 1);
    // A cell off the small board cannot be pressed.
    press(45);
    QCOMPARE(e.mintTilesUp, qint16(3));
    QVERIFY(!e.Cell(45).FaceVisible);
}

void TestAccessibility::statusPanelsAreReadAsPlainText() {
    MainWindowHarness h;
    StoreOption("Player Count", QStringLiteral("1"));
    StoreOption("Player 1", QStringLiteral("<b>Tom</b> & Jerry"));
    frmMain& w = h.make();
    ShowAndWait(w);

    // Neither markup nor an ampersand is taken for anything but text.
    QCOMPARE(NameOf(w.StatusPanel(1)), QStringLiteral("Player: <b>Tom</b> & Jerry"));
    QCOMPARE(NameOf(w.StatusPanel(2)), QStringLiteral("Sets Flipped: 0"));
    QCOMPARE(NameOf(w.StatusPanel(3)), QStringLiteral("Time: 0"));
    for (int p = 1; p <= 3; ++p)
        QVERIFY(!QAccessible::queryAccessibleInterface(w.StatusPanel(p))->text(QAccessible::Description).isEmpty());

    // The panels are read as they change.
    QTest::mouseClick(w.imgTile(1), Qt::LeftButton);
    QTest::mouseClick(w.imgTile(2), Qt::LeftButton);
    QCOMPARE(NameOf(w.StatusPanel(2)), QStringLiteral("Sets Flipped: 1"));
    w.Engine().GameClockTick();
    QCOMPARE(NameOf(w.StatusPanel(3)), QStringLiteral("Time: 1"));
}

void TestAccessibility::turnChangeAndGameEndAreAnnounced() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Level", QStringLiteral("2"));
    StoreOption("Player Count", QStringLiteral("2"));
    StoreOption("Player 1", QStringLiteral("Ann"));
    StoreOption("Player 2", QStringLiteral("<i>Bo</i>"));
    frmMain& w = h.make();
    ShowAndWait(w);
    Announcements sent(w);

    // Ann misses: the turn passes to Bo, and that is said.
    QTest::mouseClick(w.imgTile(1), Qt::LeftButton);
    QTest::mouseClick(w.imgTile(2), Qt::LeftButton);
    QCOMPARE(sent.said, QStringList{"<i>Bo</i> to play"});
    QCOMPARE(NameOf(w.StatusPanel(1)), QStringLiteral("Player: <i>Bo</i>"));
    // The status bar keeps the latest news for whoever asks.
    QCOMPARE(NameOf(w.stbMain), QStringLiteral("<i>Bo</i> to play"));

    // A match keeps the turn: nothing more is said until the board is clear,
    // and the end is said before the message box shows.
    QStringList saidBeforeTheBox;
    ModalWatcher closeMessage([&](QWidget* modal) {
        saidBeforeTheBox = sent.said;
        modal->close();
    });
    for (int k = 1; k <= 15; ++k) {
        QTest::mouseClick(w.imgTile(k), Qt::LeftButton);
        QTest::mouseClick(w.imgTile(k + 15), Qt::LeftButton);
    }
    QTRY_COMPARE(closeMessage.seen, 1);
    QCOMPARE(saidBeforeTheBox,
             (QStringList{"<i>Bo</i> to play", "Game over. 0 matches for Ann. 15 matches for <i>Bo</i>."}));

    // A new game gives the turn back to Ann, and says so.
    w.StartNewGame();
    QCOMPARE(sent.said.last(), QStringLiteral("Ann to play"));
}

void TestAccessibility::onePlayerGameAnnouncesNoTurnButItsEnd() {
    MainWindowHarness h;
    StoreOption("Tile Count", QStringLiteral("30"));
    StoreOption("Level", QStringLiteral("2"));
    StoreOption("Player Count", QStringLiteral("1"));
    frmMain& w = h.make();
    ShowAndWait(w);
    Announcements sent(w);

    ModalWatcher closeScores([](QWidget* modal) { modal->close(); });
    QTest::mouseClick(w.imgTile(1), Qt::LeftButton);
    QTest::mouseClick(w.imgTile(2), Qt::LeftButton);
    QVERIFY(sent.said.isEmpty());
    for (int k = 1; k <= 15; ++k) {
        QTest::mouseClick(w.imgTile(k), Qt::LeftButton);
        QTest::mouseClick(w.imgTile(k + 15), Qt::LeftButton);
    }
    QTRY_COMPARE(closeScores.seen, 1);
    const QString time = QString::number(w.Engine().mlngSeconds);
    QCOMPARE(sent.said,
             QStringList{"Game over. Sets Flipped: 16, Time: " + time + "."});
}

void TestAccessibility::toolbarButtonsAreNamedByTheirTips() {
    MainWindowHarness h;
    frmMain& w = h.make();
    for (const char* key : {"New", "Scores", "Boards", "Colors", "Images", "Levels", "Players", "Sounds", "About",
                            "Exit"}) {
        QAction* button = w.ToolbarButton(QLatin1String(key));
        QVERIFY(button != nullptr);
        QCOMPARE(NameOf(w.tlbMain->widgetForAction(button)), button->toolTip());
        QVERIFY(button->text().isEmpty());  // no caption shows beside the picture
    }
}

void TestAccessibility::helpListsEveryPictureNameOfEveryCategory() {
    // The names a screen reader says are the names the help lists, category
    // by category, and each list is in the help's contents.
    const QString help = qEnvironmentVariable("PEXORA_SOURCE_DIR") + QStringLiteral("/Help/");
    QFile contentsFile(help + QStringLiteral("Pexora.hhc"));
    QVERIFY(contentsFile.open(QIODevice::ReadOnly));
    const QString contents = QString::fromLatin1(contentsFile.readAll());
    int names = 0;
    for (const auto& category : Options::ImageCategories) {
        const QString prefix = QString::fromLatin1(category.stored.data(), qsizetype(category.stored.size()));
        const QString topic = QStringLiteral("html/pics_%1.htm").arg(prefix.toLower());
        QVERIFY2(contents.contains(topic), qPrintable(topic));
        QFile file(help + topic);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(topic));
        QTextDocument page;
        page.setHtml(QString::fromLatin1(file.readAll()));
        const QStringList lines = page.toPlainText().split(QLatin1Char('\n'));
        for (int n = 1; n <= 30; ++n) {
            const QString name = PictureName(prefix, n);
            QVERIFY(!name.isEmpty());
            QVERIFY2(lines.contains(name), qPrintable(prefix + QLatin1Char(' ') + name));
            ++names;
        }
    }
    QCOMPARE(names, 510);
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
