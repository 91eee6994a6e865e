// The options dialog against a recording main window: which tab gets
// applied when, what the follow-ups are, and that nothing else happens.

#include "ErrorTrap.h"
#include "OptionsHosts.h"
#include "OptionsHost.h"
#include "TestSupport.h"
#include "OptionsDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

// Records the main window's follow-ups, a trailing "*" marking one made under
// the busy pointer; can be told to fail one of them.
const QStringList NewBoard{"StartNewGame*", "SetBoardSize*"};

// Every setting the dialog can change: images, level, players, colour, tiles, sound, names.
QStringList Settings(const PlayerChoices& c) {
    return {c.options.Images, QString::number(c.options.Level), QString::number(c.options.PlayerCount),
            c.options.TileColor, QString::number(c.options.TileCount), c.playSound ? "on" : "off",
            c.Name(1), c.Name(2)};
}
const QString Odd = QStringLiteral("<img src=x>&lt;");  // a name that must stay literal

// A name box as the player sees it: enabled white, or disabled light grey
// with its name drawn in the darker grey of disabled text.
const QString OnWhite = QStringLiteral("enabled #ffffff");
const QString OffGrey = QStringLiteral("disabled #c0c0c0 name grey 128");
QString Look(QLineEdit* box) {
    QString look = (box->isEnabled() ? "enabled " : "disabled ") + box->palette().color(QPalette::Base).name();
    if (box->isEnabled()) return look;
    // The darkest pixel inside the frame is the name's (to the nearest 16
    // levels of grey: smoothing may leave no pixel at the full colour).
    const QImage image = box->grab().toImage();
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x)
            if (qGray(image.pixel(x, y)) < qGray(darkest)) darkest = image.pixel(x, y);
    return look + QStringLiteral(" name grey %1").arg(qRound(qGray(darkest) / 16.0) * 16);
}

}  // namespace

class TestFrmOptions : public QObject {
    Q_OBJECT

private:
    RecordingHost host;

    std::unique_ptr<OptionsDialog> Open(int tab) {
        auto dialog = std::make_unique<OptionsDialog>(host, nullptr);
        Tab(*dialog, tab);
        return dialog;
    }
    static void Tab(const OptionsDialog& d, int tab) { Named<QTabWidget>(d, "tabOptions")->setCurrentIndex(tab); }

private slots:
    void init() {
        // Nothing at its default, so a Default can be told from a no-op.
        host = RecordingHost();
        host.choices.options = {QStringLiteral("MUSIC"), 3, 1, QStringLiteral("RED"), 60};
        host.choices.playSound = false;
        host.choices.Name(1) = QStringLiteral("Ann");
        host.choices.Name(2) = Odd;
    }

    void cleanup() { QVERIFY(QApplication::overrideCursor() == nullptr); }

    void switchingTabsAppliesOnlyAPendingTabThatWasLeft() {
        auto dialog = Open(OptionsDialog::TabBoards);
        Named<QRadioButton>(*dialog, "optBoards", 1)->click();
        QVERIFY(Named<QPushButton>(*dialog, "cmdApply")->isEnabled());
        QVERIFY(host.calls.isEmpty());
        Tab(*dialog, OptionsDialog::TabColors);
        QCOMPARE(host.calls, NewBoard);
        QVERIFY(!Named<QPushButton>(*dialog, "cmdApply")->isEnabled());

        Tab(*dialog, OptionsDialog::TabPlayers);  // nothing pending
        QTest::keyClicks(Named<QLineEdit>(*dialog, "txtPlayer", 1), QStringLiteral("e"));  // an edit is pending too
        QVERIFY(Named<QPushButton>(*dialog, "cmdApply")->isEnabled());
        QCOMPARE(host.calls, NewBoard);
        QCOMPARE(Settings(host.choices), QStringList({"MUSIC", "3", "1", "RED", "30", "off", "Ann", Odd}));
        Tab(*dialog, OptionsDialog::TabLevels);
        QCOMPARE(host.calls, NewBoard + QStringList{"StartNewGame"});
        QCOMPARE(Settings(host.choices), QStringList({"MUSIC", "3", "1", "RED", "30", "off", "Anne", Odd}));
        Named<QRadioButton>(*dialog, "optLevels", 1)->click();  // Apply applies the tab it is on, and nothing is pending after it
        Named<QPushButton>(*dialog, "cmdApply")->click();
        QVERIFY(!Named<QPushButton>(*dialog, "cmdApply")->isEnabled() && host.choices.options.Level == 2);
    }

    // From OK, Ctrl+Shift+Tab turns back a page; Tab then stops at the page's group on the option selected ("Music").
    void ctrlTabTurnsThePageFromTheButtonsAndTabEntersAGroupOnItsSelectedOption() {
        auto dialog = Open(OptionsDialog::TabLevels);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optImages11"));
    }

    // The Colors tab is applied by leaving it, then "Flags" is clicked on the Images tab (or not).
    void closingAppliesOrDropsOnlyThePendingTab_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("pending");
        QTest::newRow("Cancel") << "Cancel" << true;
        QTest::newRow("close control") << "close" << true;
        QTest::newRow("OK") << "OK" << true;
        QTest::newRow("OK, nothing pending") << "OK" << false;
    }
    void closingAppliesOrDropsOnlyThePendingTab() {
        QFETCH(QString, how);
        QFETCH(bool, pending);
        auto dialog = Open(OptionsDialog::TabColors);
        dialog->show();
        Named<QRadioButton>(*dialog, "optColors", 2)->click();  // "Green"
        Tab(*dialog, OptionsDialog::TabImages);
        if (pending) Named<QRadioButton>(*dialog, "optImages", 7)->click();
        if (how == "Cancel") Named<QPushButton>(*dialog, "cmdCancel")->click();
        if (how == "OK") Named<QPushButton>(*dialog, "cmdOk")->click();
        if (how == "close") QVERIFY(dialog->close());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(how == "OK" ? QDialog::Accepted : QDialog::Rejected));
        const bool applied = how == "OK" && pending;
        QCOMPARE(Settings(host.choices), QStringList({applied ? "FLAG" : "MUSIC", "3", "1", "GREEN", "60", "off", "Ann", Odd}));
        QCOMPARE(host.calls, QStringList({"ChangeTileColor", "StartNewGame"}).mid(0, applied ? 2 : 1));
    }

    void defaultResetsAndAppliesOnlyTheSelectedTabEachTimeItIsClicked_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("settings");  // from MUSIC 3 2 RED 60 off Ann Odd
        using L = QStringList;
        QTest::newRow("boards") << 0 << NewBoard << L{"MUSIC", "3", "2", "RED", "30", "off", "Ann", Odd};
        QTest::newRow("colors") << 1 << L{"ChangeTileColor"} << L{"MUSIC", "3", "2", "BLUE", "60", "off", "Ann", Odd};
        QTest::newRow("images") << 2 << L{"StartNewGame"} << L{"ANIMAL", "3", "2", "RED", "60", "off", "Ann", Odd};
        QTest::newRow("levels") << 3 << L{"StartNewGame"} << L{"MUSIC", "2", "2", "RED", "60", "off", "Ann", Odd};
        QTest::newRow("players") << 4 << L{"StartNewGame"}
                                 << L{"MUSIC", "3", "1", "RED", "60", "off", "Player 1", "Player 2"};
        QTest::newRow("sounds") << 5 << L{"SoundsPressed"} << L{"MUSIC", "3", "2", "RED", "60", "on", "Ann", Odd};
    }
    void defaultResetsAndAppliesOnlyTheSelectedTabEachTimeItIsClicked() {
        QFETCH(int, tab);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, settings);
        host.choices.options.PlayerCount = 2;
        auto dialog = Open(tab);
        Named<QPushButton>(*dialog, "cmdDefault")->click();
        QCOMPARE(Settings(host.choices), settings);
        QCOMPARE(host.calls, calls);
        QVERIFY(!Named<QPushButton>(*dialog, "cmdApply")->isEnabled());
        QCOMPARE(Look(Named<QLineEdit>(*dialog, "txtPlayer", 1)), OnWhite);
        QCOMPARE(Look(Named<QLineEdit>(*dialog, "txtPlayer", 2)), tab == OptionsDialog::TabPlayers ? OffGrey : OnWhite);  // loaded: 2 players
        Tab(*dialog, tab == 0 ? 1 : 0);  // applied already: nothing more
        QCOMPARE(host.calls, calls);
        Tab(*dialog, tab);
        Named<QPushButton>(*dialog, "cmdDefault")->click();  // at the default already: the follow-ups run again
        QCOMPARE(host.calls, calls + calls);
    }

};

QTEST_MAIN(TestFrmOptions)
#include "test_options_dialog.moc"
