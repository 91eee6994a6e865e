// The ways today's desktops reach the game besides a mouse: assistive
// technology choosing options, the session saving before a logout, and the
// focus ring of keyboard play that a mouse player never sees.

#include <QtTest>

#include "BoardFocus.h"
#include "BoardImage.h"
#include "GameSettings.h"
#include "OptionsHosts.h"
#include "MainWindowTestKit.h"
#include "OptionsHost.h"
#include "Desktop.h"
#include "Startup.h"
#include "OptionsDialog.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSessionManager>
#include <QTabWidget>

namespace {


// The groups of option buttons in tab order.
const QStringList Groups{"optBoards", "optColors", "optImages", "optLevels", "optPlayers", "optSounds"};

}  // namespace

class TestDesktopWays : public QObject {
    Q_OBJECT

private slots:
    // A screen reader selects a button by its "Toggle" action (no click at all)
    // or its "Press" action (a click): either way Apply lights up and OK
    // applies the choice, which the next opening shows.
    void everyOptionButtonChosenByAnAccessibleActionIsAppliedByOk_data() {
        QTest::addColumn<bool>("toggle");
        QTest::newRow("Toggle") << true;
        QTest::newRow("Press") << false;
    }
    void everyOptionButtonChosenByAnAccessibleActionIsAppliedByOk() {
        QFETCH(bool, toggle);
        ErrorRecorder errors;
        RecordingHost host;
        host.choices.options = {QStringLiteral("ANIMAL"), 2, 1, QStringLiteral("BLUE"), 30};
        host.choices.playSound = true;
        for (int tab = 0; tab < OptionsDialog::TabCount; ++tab) {
            const QString name = Groups[tab];
            const auto count = NamedArray<QRadioButton>(OptionsDialog(host, nullptr), name).size();
            for (int i = 1; i <= count; ++i) {
                const QString where = name + QString::number(i);
                {
                    OptionsDialog dialog(host, nullptr);
                    Named<QTabWidget>(dialog, "tabOptions")->setCurrentIndex(tab);
                    dialog.show();
                    QRadioButton* option = Named<QRadioButton>(dialog, name, i);
                    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(option);
                    QVERIFY2(button != nullptr && button->actionInterface() != nullptr, qPrintable(where));
                    if (option->isChecked()) {
                        QVERIFY2(!Named<QPushButton>(dialog, "cmdApply")->isEnabled(), qPrintable(where));
                        continue;  // already chosen: toggling cannot unselect it
                    }
                    QAccessibleActionInterface* actions = button->actionInterface();
                    actions->doAction(toggle ? QAccessibleActionInterface::toggleAction()
                                             : QAccessibleActionInterface::pressAction());
                    QTRY_VERIFY2(option->isChecked(), qPrintable(where));
                    QVERIFY2(Named<QPushButton>(dialog, "cmdApply")->isEnabled(), qPrintable(where));
                    if (name == "optPlayers") QCOMPARE(Named(dialog, "txtPlayer2")->isEnabled(), i == 2);
                    Named<QPushButton>(dialog, "cmdOk")->click();
                }
                OptionsDialog reopened(host, nullptr);
                QVERIFY2(Named<QRadioButton>(reopened, name, i)->isChecked(), qPrintable(where));
            }
        }
        QCOMPARE(errors.count(), 0);
    }

    // The session asks the program to save before it ends it: the settings in
    // memory reach the store then, and again at a later request.
    void theSessionsSaveRequestWritesTheSettings() {
        ScopedStore store;
        ErrorRecorder sinkBefore;  // gives back, at the end, the sink the test began with
        Startup::PrepareApplication();
        ErrorRecorder errors;
        auto* session = qApp->findChild<QSessionManager*>();
        QVERIFY(session != nullptr);
        ChoicesStore choiceStore;
        PlayerChoices choices = choiceStore.Load();
        QObject owner;
        Desktop::SaveAtSessionEnd(owner, [&] { choiceStore.Save(choices); });
        choices.options.TileCount = 60;
        choices.playSound = false;
        emit qApp->commitDataRequest(*session);
        QCOMPARE(StoredOption("Tile Count"), QStringLiteral("60"));
        QCOMPARE(StoredOption("Sounds"), QStringLiteral("False"));
        // The logout was cancelled and the player went on.
        choices.options.Level = 3;
        emit qApp->commitDataRequest(*session);
        QCOMPARE(StoredOption("Level"), QStringLiteral("3"));
        QCOMPARE(errors.count(), 0);
    }

    // The ring shows from the first key on the board (or Tab into it) to the
    // next mouse click there; the focus itself stays where it always was.
    void theFocusRingShowsWhileTheKeyboardIsInUse() {
        MainWindowHarness h;
        MainWindow& w = h.open({{"Tile Count", "30"}});
        BoardFocusFrame* ring = Named<BoardFocusFrame>(w, "BoardFocusFrame");
        QCOMPARE(FocusedCell(w), 1);
        QVERIFY(ring->IsShown() && !ring->IsDrawn());
        const QRgb board = Named(w, "ClientArea")->grab().toImage().pixel(ring->Outer().topLeft());

        for (Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_Home, Qt::Key_Down}) {
            QTest::keyClick(w.focusWidget(), key);
            QVERIFY(ring->IsDrawn());
            QCOMPARE(QColor(Named(w, "ClientArea")->grab().toImage().pixel(ring->Outer().topLeft())), QColor(Qt::black));
            QTest::mouseClick(Tile(w, 12), Qt::LeftButton);
            QVERIFY(!ring->IsDrawn());
            QCOMPARE(FocusedCell(w), 12);
            QCOMPARE(Named(w, "ClientArea")->grab().toImage().pixel(ring->Outer().topLeft()), board);
        }
        // Tab bringing the focus back from elsewhere counts as the keyboard.
        Tile(w, 12)->clearFocus();
        QTest::mouseClick(Tile(w, 12), Qt::LeftButton);
        Tile(w, 12)->clearFocus();
        Tile(w, 7)->setFocus(Qt::TabFocusReason);
        QVERIFY(ring->IsDrawn());
        QCOMPARE(h.errors.count(), 0);
    }
};

QTEST_MAIN(TestDesktopWays)
#include "test_desktop_ways.moc"
