// What assistive technology is told about the board: each cell's name (its
// place and state) kept in step with the game, the press action of a cell as
// a click under the rules, and the picture names listed in the help. The
// status panels and the announcements are checked with the whole games.

#include <QtTest>

#include "BoardImage.h"
#include "GameSettings.h"
#include "MainWindowTestKit.h"
#include "OptionCatalogue.h"
#include "Resources.h"

#include <QAccessibleActionInterface>
#include <QFile>
#include <QTextDocument>

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void cellNameSaysPlaceAndEveryState() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Level", "2"}, {"Images", "ANIMAL"}});
        auto iface = [&](QWidget* image) { return QAccessible::queryAccessibleInterface(image); };
        auto expectNames = [&](const QList<std::pair<int, const char*>>& expected) {
            for (const auto& [k, name] : expected) QCOMPARE(AccessibleName(w.imgTile(k)), QString::fromUtf8(name));
        };
        // Small board, 6 columns of 5: cell 7 is the second row of the second column.
        expectNames({{1, "Row 1, column 1, face down"}, {7, "Row 2, column 2, face down"},
                     {30, "Row 5, column 6, face down"}, {31, "Out of play"}});
        QCOMPARE(iface(w.imgTile(1))->role(), QAccessible::Button);
        QVERIFY(w.imgPic(1)->accessibleName().isEmpty());  // nothing tells what lies under a face-down tile

        // The known deal puts the rabbit (picture 14) on cells 1 and 16.
        QTest::mouseClick(w.imgTile(1), Qt::LeftButton);
        expectNames({{1, "Row 1, column 1, face up, Rabbit"}});
        QCOMPARE(AccessibleName(w.imgPic(1)), QStringLiteral("Rabbit"));
        QCOMPARE(iface(w.imgPic(1))->role(), QAccessible::Graphic);
        QVERIFY(iface(w.imgTile(1))->state().focused);
        QTest::mouseClick(w.imgTile(16), Qt::LeftButton);
        expectNames({{1, "Row 1, column 1, removed"}, {16, "Row 1, column 4, removed"}});
        QVERIFY(iface(w.imgTile(16))->state().disabled);

        // A mismatch stays face up and says so; turned down again, it says that.
        QTest::mouseClick(w.imgTile(2), Qt::LeftButton);
        QTest::mouseClick(w.imgTile(3), Qt::LeftButton);
        expectNames({{2, "Row 2, column 1, face up, Flamingo"}, {3, "Row 3, column 1, face up, Elephant"}});
        QTest::mouseClick(w.imgTile(4), Qt::LeftButton);
        expectNames({{2, "Row 2, column 1, face down"}, {3, "Row 3, column 1, face down"}});
        QVERIFY(w.imgPic(3)->accessibleName().isEmpty());

        // A new game on the large board: every cell is on it, named on its grid.
        GameSettings.TileCount = 60;
        w.StartNewGame();
        w.SetBoardSize();
        expectNames({{16, "Row 4, column 3, face down"}, {60, "Row 6, column 10, face down"}});
        QCOMPARE(h.errors.count(), 0);
    }

    void pressActionIsAClickUnderTheRules() {
        MainWindowHarness h;
        frmMain& w = h.open({{"Tile Count", "30"}, {"Level", "3"}});
        GameEngine& e = w.Engine();
        QAccessibleActionInterface* first = QAccessible::queryAccessibleInterface(w.imgTile(1))->actionInterface();
        QVERIFY(first != nullptr && first->actionNames().contains(QAccessibleActionInterface::pressAction()));
        // Presses in turn, each followed by the number of tiles up and of sets flipped.
        const int steps[][3] = {{1, 1, 0}, {2, 2, 0}, {1, 2, 0}, {2, 2, 0}, {3, 3, 1}, {45, 3, 1}};
        for (const auto& [cell, up, sets] : steps) {
            QAccessibleActionInterface* action = QAccessible::queryAccessibleInterface(w.imgTile(cell))->actionInterface();
            QVERIFY(action != nullptr);
            action->doAction(QAccessibleActionInterface::pressAction());
            // Match 3: a face-up tile of an unfinished triple, or a cell off the board, takes no press.
            QCOMPARE(e.mintTilesUp, qint16(up));
            QCOMPARE(gudtPlayers(1).lngSetsFlipped, sets);
        }
        QVERIFY(!e.Cell(45).FaceVisible);
    }

    void helpListsEveryPictureNameOfEveryCategory() {
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
            for (int n = 1; n <= 30; ++n, ++names) {
                const QString name = PictureName(prefix, n);
                QVERIFY2(!name.isEmpty() && lines.contains(name), qPrintable(prefix + QLatin1Char(' ') + name));
            }
        }
        QCOMPARE(names, 510);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
