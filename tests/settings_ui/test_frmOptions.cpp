// The options dialog against a recording main window: which tab gets
// applied when, what the follow-ups are, and that nothing else happens.

#include "ErrorTrap.h"
#include "GameSettings.h"
#include "OptionsHost.h"
#include "TestSupport.h"
#include "frmOptions.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Records the main window's follow-ups; can be told to fail one of them.
class RecordingHost final : public IOptionsHost {
public:
    QStringList calls;
    QString failOn;
    QList<bool> busyDuringCall;

    void StartNewGame() override { Record(QStringLiteral("StartNewGame")); }
    void SetBoardSize() override { Record(QStringLiteral("SetBoardSize")); }
    void ChangeTileColor() override { Record(QStringLiteral("ChangeTileColor")); }
    void SetSoundsButtonPressed(bool pressed) override {
        Record(pressed ? QStringLiteral("SoundsPressed") : QStringLiteral("SoundsReleased"));
    }

private:
    void Record(const QString& call) {
        calls << call;
        const QCursor* cursor = QApplication::overrideCursor();
        busyDuringCall << (cursor && cursor->shape() == Qt::WaitCursor);
        if (call == failOn) throw RuntimeError(ErrorNumbers::ResourceNotFound, QStringLiteral("Resource not found"));
    }
};

struct Snapshot {
    QString Images;
    qint16 Level;
    qint16 PlayerCount;
    QString TileColor;
    qint16 TileCount;
    bool Sound;
    QString Name1;
    QString Name2;

    static Snapshot Now() {
        return {GameSettings.Images, GameSettings.Level, GameSettings.PlayerCount, GameSettings.TileColor,
                GameSettings.TileCount, gblnPlaySound, gudtPlayers(1).strName, gudtPlayers(2).strName};
    }
    bool operator==(const Snapshot&) const = default;
};

char* toString(const Snapshot& s) {
    return QTest::toString(QStringLiteral("Images=%1 Level=%2 Players=%3 Color=%4 Count=%5 Sound=%6 Names=[%7|%8]")
                               .arg(s.Images)
                               .arg(s.Level)
                               .arg(s.PlayerCount)
                               .arg(s.TileColor)
                               .arg(s.TileCount)
                               .arg(s.Sound)
                               .arg(s.Name1, s.Name2));
}

const QColor White(255, 255, 255);
const QColor LightGrey(192, 192, 192);

QColor BaseOf(const QLineEdit* box) { return box->palette().color(QPalette::Base); }

}  // namespace

class TestFrmOptions : public QObject {
    Q_OBJECT

private:
    RecordingHost host;
    Snapshot start{};

    std::unique_ptr<frmOptions> Open(int tab) {
        auto dialog = std::make_unique<frmOptions>(host, nullptr);
        dialog->tabOptions->setCurrentIndex(tab);
        return dialog;
    }

private slots:
    void init() {
        // Nothing at its default, so a Default can be told from a no-op.
        GameSettings = {QStringLiteral("MUSIC"), 3, 1, QStringLiteral("RED"), 60};
        gblnPlaySound = false;
        gudtPlayers(1).strName = QStringLiteral("Ann");
        gudtPlayers(2).strName = QStringLiteral("Bob");
        host = RecordingHost();
        start = Snapshot::Now();
    }

    void cleanup() { QVERIFY(QApplication::overrideCursor() == nullptr); }

    void loadingShowsTheSettingsInMemoryWithNothingPending_data() {
        QTest::addColumn<int>("players");
        QTest::newRow("one player") << 1;
        QTest::newRow("two players") << 2;
    }
    void loadingShowsTheSettingsInMemoryWithNothingPending() {
        QFETCH(int, players);
        GameSettings.PlayerCount = static_cast<qint16>(players);
        start = Snapshot::Now();
        frmOptions dialog(host, nullptr);

        QCOMPARE(dialog.optBoards.Selected(), 2);
        QCOMPARE(dialog.optColors(dialog.optColors.Selected())->text(), QStringLiteral("Red"));
        QCOMPARE(dialog.optImages(dialog.optImages.Selected())->text(), QStringLiteral("Music"));
        QCOMPARE(dialog.optLevels(dialog.optLevels.Selected())->text(), QStringLiteral("Match 3 Tiles"));
        QCOMPARE(dialog.optPlayers.Selected(), players);
        QCOMPARE(dialog.optSounds(dialog.optSounds.Selected())->text(), QStringLiteral("Off"));
        QCOMPARE(dialog.txtPlayer(1)->text(), QStringLiteral("Ann"));
        QCOMPARE(dialog.txtPlayer(2)->text(), QStringLiteral("Bob"));
        QVERIFY(dialog.txtPlayer(1)->isEnabled());
        QCOMPARE(BaseOf(dialog.txtPlayer(1)), White);
        QCOMPARE(dialog.txtPlayer(2)->isEnabled(), players == 2);
        QCOMPARE(BaseOf(dialog.txtPlayer(2)), players == 2 ? White : LightGrey);

        QVERIFY(!dialog.cmdApply->isEnabled());
        QVERIFY(host.calls.isEmpty());
        QCOMPARE(Snapshot::Now(), start);
    }

    void anyOptionClickOrNameEditMarksTheTabPendingWithoutApplying() {
        {
            auto dialog = Open(frmOptions::TabColors);
            dialog->optColors(4)->click();  // the colour already in use still counts
            QVERIFY(dialog->cmdApply->isEnabled());
        }
        {
            auto dialog = Open(frmOptions::TabPlayers);
            dialog->txtPlayer(1)->setFocus();
            QTest::keyClicks(dialog->txtPlayer(1), QStringLiteral("e"));
            QVERIFY(dialog->cmdApply->isEnabled());
        }
        QVERIFY(host.calls.isEmpty());
        QCOMPARE(Snapshot::Now(), start);
    }

    void switchingTabsAppliesTheTabThatWasLeft() {
        auto dialog = Open(frmOptions::TabBoards);
        dialog->optBoards(1)->click();
        dialog->tabOptions->setCurrentIndex(frmOptions::TabColors);
        QCOMPARE(GameSettings.TileCount, qint16(30));
        QCOMPARE(host.calls, QStringList({"StartNewGame", "SetBoardSize"}));
        QVERIFY(!dialog->cmdApply->isEnabled());

        // Nothing pending: moving on applies nothing.
        dialog->tabOptions->setCurrentIndex(frmOptions::TabImages);
        QCOMPARE(host.calls.size(), 2);

        dialog->optImages(7)->click();  // "Flags"
        dialog->tabOptions->setCurrentIndex(frmOptions::TabLevels);
        QCOMPARE(GameSettings.Images, QStringLiteral("FLAG"));
        QCOMPARE(host.calls, QStringList({"StartNewGame", "SetBoardSize", "StartNewGame"}));
        QCOMPARE(GameSettings.Level, qint16(3));
        QCOMPARE(GameSettings.TileColor, QStringLiteral("RED"));
    }

    void cancelDropsOnlyThePendingTab() {
        auto dialog = Open(frmOptions::TabColors);
        dialog->optColors(2)->click();  // "Green"
        dialog->tabOptions->setCurrentIndex(frmOptions::TabImages);
        dialog->optImages(7)->click();
        dialog->cmdCancel->click();

        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(GameSettings.TileColor, QStringLiteral("GREEN"));
        QCOMPARE(GameSettings.Images, QStringLiteral("MUSIC"));
        QCOMPARE(host.calls, QStringList({"ChangeTileColor"}));
    }

    void closeControlDropsThePendingTabLikeCancel() {
        auto dialog = Open(frmOptions::TabBoards);
        dialog->show();
        dialog->optBoards(1)->click();
        QVERIFY(dialog->close());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(host.calls.isEmpty());
        QCOMPARE(Snapshot::Now(), start);
    }

    void okAppliesThePendingTabEvenWhenTheValueIsBackWhereItWas() {
        auto dialog = Open(frmOptions::TabBoards);
        dialog->optBoards(1)->click();
        dialog->optBoards(2)->click();  // back to "Large", still pending
        dialog->cmdOk->click();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(GameSettings.TileCount, qint16(60));
        QCOMPARE(host.calls, QStringList({"StartNewGame", "SetBoardSize"}));
    }

    void okWithNothingPendingOnlyCloses() {
        auto dialog = Open(frmOptions::TabImages);
        dialog->show();
        dialog->cmdOk->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(host.calls.isEmpty());
        QCOMPARE(Snapshot::Now(), start);
    }

    void defaultResetsAndAppliesOnlyTheSelectedTab_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("boards") << int(frmOptions::TabBoards) << QStringList{"StartNewGame", "SetBoardSize"};
        QTest::newRow("colors") << int(frmOptions::TabColors) << QStringList{"ChangeTileColor"};
        QTest::newRow("images") << int(frmOptions::TabImages) << QStringList{"StartNewGame"};
        QTest::newRow("levels") << int(frmOptions::TabLevels) << QStringList{"StartNewGame"};
        QTest::newRow("players") << int(frmOptions::TabPlayers) << QStringList{"StartNewGame"};
        QTest::newRow("sounds") << int(frmOptions::TabSounds) << QStringList{"SoundsPressed"};
    }
    void defaultResetsAndAppliesOnlyTheSelectedTab() {
        QFETCH(int, tab);
        QFETCH(QStringList, calls);
        GameSettings.PlayerCount = 2;
        start = Snapshot::Now();
        auto dialog = Open(tab);
        dialog->cmdDefault->click();

        Snapshot expected = start;
        switch (tab) {
        case frmOptions::TabBoards: expected.TileCount = 30; break;
        case frmOptions::TabColors: expected.TileColor = QStringLiteral("BLUE"); break;
        case frmOptions::TabImages: expected.Images = QStringLiteral("ANIMAL"); break;
        case frmOptions::TabLevels: expected.Level = 2; break;
        case frmOptions::TabPlayers:
            expected.PlayerCount = 1;
            expected.Name1 = QStringLiteral("Player 1");
            expected.Name2 = QStringLiteral("Player 2");
            break;
        case frmOptions::TabSounds: expected.Sound = true; break;
        }
        QCOMPARE(Snapshot::Now(), expected);
        QCOMPARE(host.calls, calls);
        QVERIFY(!dialog->cmdApply->isEnabled());
        if (tab == frmOptions::TabPlayers) {
            QVERIFY(!dialog->txtPlayer(2)->isEnabled());
            QCOMPARE(BaseOf(dialog->txtPlayer(2)), LightGrey);
            QCOMPARE(BaseOf(dialog->txtPlayer(1)), White);
        }
        // Applied already: leaving the tab applies nothing more.
        dialog->tabOptions->setCurrentIndex(tab == 0 ? 1 : 0);
        QCOMPARE(host.calls, calls);
    }

    void defaultOnBoardsDealsAgainWhenTheBoardIsAlreadySmall() {
        GameSettings.TileCount = 30;
        auto dialog = Open(frmOptions::TabBoards);
        dialog->cmdDefault->click();
        QCOMPARE(host.calls, QStringList({"StartNewGame", "SetBoardSize"}));
    }

    void playersTabEnablesTheSecondNameBoxAndAppliesBothNames() {
        auto dialog = Open(frmOptions::TabPlayers);
        QLineEdit* box1 = dialog->txtPlayer(1);
        QLineEdit* box2 = dialog->txtPlayer(2);

        dialog->optPlayers(2)->click();
        QVERIFY(box2->isEnabled());
        QCOMPARE(BaseOf(box2), White);
        dialog->optPlayers(1)->click();
        QVERIFY(!box2->isEnabled());
        QCOMPARE(BaseOf(box2), LightGrey);
        QVERIFY(box1->isEnabled());
        QCOMPARE(BaseOf(box1), White);

        // The disabled box still names player 2; an emptied box gives an empty name.
        box2->setText(QStringLiteral("Zoe"));
        box1->clear();
        dialog->cmdApply->click();
        QCOMPARE(GameSettings.PlayerCount, qint16(1));
        QCOMPARE(gudtPlayers(1).strName, QString());
        QCOMPARE(gudtPlayers(2).strName, QStringLiteral("Zoe"));
        QCOMPARE(host.calls, QStringList({"StartNewGame"}));

        dialog->optPlayers(2)->click();
        dialog->cmdOk->click();
        QCOMPARE(GameSettings.PlayerCount, qint16(2));
        QCOMPARE(host.calls, QStringList({"StartNewGame", "StartNewGame"}));
    }

    void namesWithMarkupStayLiteralInTheNameBoxes() {
        gudtPlayers(1).strName = QStringLiteral("<img src=x>");
        gudtPlayers(2).strName = QStringLiteral("&lt;");
        auto dialog = Open(frmOptions::TabPlayers);
        QCOMPARE(dialog->txtPlayer(1)->text(), QStringLiteral("<img src=x>"));
        QCOMPARE(dialog->txtPlayer(2)->text(), QStringLiteral("&lt;"));
        dialog->optPlayers(1)->click();
        dialog->cmdOk->click();
        QCOMPARE(gudtPlayers(1).strName, QStringLiteral("<img src=x>"));
        QCOMPARE(gudtPlayers(2).strName, QStringLiteral("&lt;"));
    }

    void soundsTabDrivesTheToolbarSoundsButtonWithoutANewGame() {
        gblnPlaySound = true;
        auto dialog = Open(frmOptions::TabSounds);
        dialog->optSounds(2)->click();
        dialog->cmdApply->click();
        QVERIFY(!gblnPlaySound);
        QCOMPARE(host.calls, QStringList({"SoundsReleased"}));

        dialog->optSounds(1)->click();
        dialog->tabOptions->setCurrentIndex(frmOptions::TabBoards);
        QVERIFY(gblnPlaySound);
        QCOMPARE(host.calls, QStringList({"SoundsReleased", "SoundsPressed"}));
    }

    void busyPointerCoversTheBoardChangeAndIsRestoredWhenItFails() {
        {
            auto dialog = Open(frmOptions::TabBoards);
            dialog->optBoards(1)->click();
            dialog->cmdApply->click();
            QCOMPARE(host.busyDuringCall, QList<bool>({true, true}));
            QVERIFY(QApplication::overrideCursor() == nullptr);
        }
        init();
        ErrorRecorder errors;
        host.failOn = QStringLiteral("StartNewGame");
        auto dialog = Open(frmOptions::TabBoards);
        dialog->optBoards(1)->click();
        dialog->cmdApply->click();

        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.reports.first().first, ErrorNumbers::ResourceNotFound);
        QCOMPARE(GameSettings.TileCount, qint16(30));             // assigned before the failure
        QCOMPARE(host.calls, QStringList({"StartNewGame"}));       // the board was not resized
        QVERIFY(!dialog->cmdApply->isEnabled());                   // the Apply button went on
        QVERIFY(dialog->cmdDefault->isEnabled());

        // The same failure on the way out through a tab switch leaves the dialog working.
        dialog->optBoards(2)->click();
        dialog->tabOptions->setCurrentIndex(frmOptions::TabColors);
        QCOMPARE(errors.count(), 2);
        QCOMPARE(dialog->tabOptions->currentIndex(), int(frmOptions::TabColors));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void nameBoxesKeepNoMoreThanTheSettingsLoadAccepts() {
        ScopedStore store;
        auto dialog = Open(frmOptions::TabPlayers);
        dialog->optPlayers(2)->click();
        QLineEdit* box1 = dialog->txtPlayer(1);
        QLineEdit* box2 = dialog->txtPlayer(2);

        box1->clear();
        box1->setFocus();
        QTest::keyClicks(box1, QString(30, QLatin1Char('x')));
        QCOMPARE(box1->text(), QString(25, QLatin1Char('x')));

        // A character outside the basic plane is two units: it fits whole or not at all.
        box2->setText(QString(24, QLatin1Char('y')) + QStringLiteral("\U0001F600"));
        QCOMPARE(box2->text(), QString(24, QLatin1Char('y')));
        const QString fits = QString(23, QLatin1Char('z')) + QStringLiteral("\U0001F600");
        box1->setText(fits);
        QCOMPARE(box1->text(), fits);

        dialog->cmdOk->click();
        SaveSettings();
        gudtPlayers(1).strName.clear();
        gudtPlayers(2).strName.clear();
        LoadSettings();
        QCOMPARE(gudtPlayers(1).strName, fits);
        QCOMPARE(gudtPlayers(2).strName, QString(24, QLatin1Char('y')));
    }

    void showOptionsOpensOnTheTabWithoutApplyingAndDestroysTheDialog() {
        QWidget owner;
        owner.setGeometry(100, 100, 640, 480);
        owner.show();
        int shownTab = -1;
        bool applyEnabled = true;
        QString caption;
        QSize clientSize;
        QPoint ownerCentre = owner.frameGeometry().center();
        QPoint dialogCentre;
        QPointer<frmOptions> seen;
        QTimer::singleShot(0, this, [&] {
            seen = qobject_cast<frmOptions*>(QApplication::activeModalWidget());
            if (!seen) return;
            shownTab = seen->tabOptions->currentIndex();
            applyEnabled = seen->cmdApply->isEnabled();
            caption = seen->windowTitle();
            clientSize = seen->size();
            dialogCentre = seen->frameGeometry().center();
            seen->cmdCancel->click();
        });
        frmOptions::ShowOptions(host, &owner, frmOptions::TabSounds);

        QCOMPARE(shownTab, int(frmOptions::TabSounds));
        QVERIFY(!applyEnabled);
        QCOMPARE(caption, QStringLiteral("Options"));
        QCOMPARE(clientSize, QSize(354, 227));
        QVERIFY((dialogCentre - ownerCentre).manhattanLength() <= 4);
        QVERIFY(seen.isNull());  // destroyed on closing
        QVERIFY(host.calls.isEmpty());
    }

    void allSixTabsAndEveryCaptionShowWhole() {
        frmOptions dialog(host, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QTabBar* bar = dialog.tabOptions->tabBar();
        QCOMPARE(bar->count(), 6);
        QVERIFY(bar->tabRect(5).right() <= dialog.tabOptions->width());
        for (int tab = 0; tab < frmOptions::TabCount; ++tab) {
            dialog.tabOptions->setCurrentIndex(tab);
            QWidget* page = dialog.tabOptions->widget(tab);
            const auto frames = page->findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
            QCOMPARE(frames.size(), 1);
            QVERIFY2(page->rect().contains(frames.first()->geometry()), qPrintable(bar->tabText(tab)));
            for (QRadioButton* button : frames.first()->findChildren<QRadioButton*>()) {
                const int room = std::min(button->width(), frames.first()->width() - button->x());
                const int caption = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                    button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) +
                                    button->fontMetrics().horizontalAdvance(button->text());
                QVERIFY2(caption <= room, qPrintable(button->text()));
            }
        }
    }

    // Run with PEXORA_SCREENSHOT_DIR set (under a real display) to refresh docs/.
    void screenshotOfTheImagesTab() {
        const QString dir = qEnvironmentVariable("PEXORA_SCREENSHOT_DIR");
        if (dir.isEmpty()) QSKIP("PEXORA_SCREENSHOT_DIR not set");
        frmOptions dialog(host, nullptr);
        dialog.tabOptions->setCurrentIndex(frmOptions::TabImages);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.grab().save(dir + QStringLiteral("/options-dialog.png")));
    }
};

QTEST_MAIN(TestFrmOptions)
#include "test_frmOptions.moc"
