// The high-score dialog over a private store: what the lists show, what a
// reset touches, and when the chime plays.

#include "ErrorTrap.h"
#include "GameSettings.h"
#include "ScoreTables.h"
#include "SettingsStore.h"
#include "TestSupport.h"
#include "basWave.h"
#include "frmScores.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

const QString App = QStringLiteral("Pexora");

class RecordingSound final : public ISoundPlayer {
public:
    explicit RecordingSound(const frmScores* form = nullptr) : m_form(form) {}
    void Watch(const frmScores* form) { m_form = form; }
    void PlayWaveResource(const QString& name) override {
        played << name;
        shownWhenPlayed << (m_form && m_form->Window() && m_form->Window()->isVisible());
    }
    QStringList played;
    QList<bool> shownWhenPlayed;

private:
    const frmScores* m_form;
};

void Seed(const QString& section, const QString& keyWord, int rank, const QString& name, const QString& score) {
    SaveSetting(App, section, QStringLiteral("Name %1").arg(rank), name);
    SaveSetting(App, section, keyWord + QStringLiteral(" %1").arg(rank), score);
}

QStringList Row(const QTreeWidget* list, int rank) {
    const QTreeWidgetItem* item = list->topLevelItem(rank - 1);
    return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList{};
}

QStringList BlankRow(int rank) { return {QString::number(rank) + QLatin1Char('.'), QString(), QString()}; }

// Runs action once ready() holds (or after many polls, so a modal loop can
// never be left hanging); the action must close what is modal.
void RunWhen(std::function<bool()> ready, std::function<void()> action, int pollsLeft = 2000) {
    QTimer::singleShot(1, qApp, [=] {
        if (ready() || pollsLeft == 0) {
            action();
        } else {
            RunWhen(ready, action, pollsLeft - 1);
        }
    });
}

}  // namespace

class TestFrmScores : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScopedStore> store;

    void SeedAllFour() {
        Seed(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1, QStringLiteral("Ann"), QStringLiteral("16"));
        Seed(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, 1, QStringLiteral("Ann"), QStringLiteral("95"));
        Seed(ScoreTables::LargeBoardSets, ScoreTables::SetsKey, 1, QStringLiteral("Bob"), QStringLiteral("41"));
        Seed(ScoreTables::LargeBoardTimes, ScoreTables::TimeKey, 1, QStringLiteral("Bob"), QStringLiteral("300"));
        SaveSetting(App, QStringLiteral("Game Settings"), QStringLiteral("Tile Count"), QStringLiteral("60"));
    }

    // Shows the dialog modally and closes it with OK once until() holds.
    static void ShowAndClose(frmScores& form, std::function<bool()> until = [] { return true; }) {
        RunWhen([&form, until] { return form.Window() && form.Window()->isVisible() && until(); },
                [&form] {
                    if (auto* window = qobject_cast<ScoresWindow*>(form.Window())) window->cmdOK->click();
                });
        form.Show(nullptr);
    }

private slots:
    void init() {
        store = std::make_unique<ScopedStore>();
        GameSettings.TileCount = 30;
        gblnPlaySound = true;
    }
    void cleanup() { store.reset(); }

    void opensOnTheTabOfTheCurrentBoardSize_data() {
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("tab");
        QTest::newRow("small board") << 30 << 0;
        QTest::newRow("large board") << 60 << 1;
    }
    void opensOnTheTabOfTheCurrentBoardSize() {
        QFETCH(int, tileCount);
        QFETCH(int, tab);
        GameSettings.TileCount = static_cast<qint16>(tileCount);
        RecordingSound sound;
        frmScores form(sound);
        int shownTab = -1;
        RunWhen([&] { return form.Window() && form.Window()->isVisible(); },
                [&] {
                    auto* window = qobject_cast<ScoresWindow*>(form.Window());
                    if (!window) return;
                    shownTab = window->tabScores->currentIndex();
                    window->close();
                });
        form.Show(nullptr);
        QCOMPARE(shownTab, tab);
        QVERIFY(form.Window() == nullptr);
    }

    void listsShowStoredRowsAsStoredAndBlankRanks() {
        Seed(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1, QStringLiteral("Ann"), QStringLiteral("12"));
        Seed(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 2, QStringLiteral("Cy"), QStringLiteral("007"));
        Seed(ScoreTables::LargeBoardTimes, ScoreTables::TimeKey, 1, QStringLiteral("Bob"), QStringLiteral("99"));
        RecordingSound sound;
        frmScores form(sound);
        ScoresWindow* window = form.Load(nullptr);

        QCOMPARE(Row(window->lvwSmallBoardSets, 1), QStringList({"1.", "Ann", "12"}));
        QCOMPARE(Row(window->lvwSmallBoardSets, 2), QStringList({"2.", "Cy", "007"}));
        for (int rank = 3; rank <= 5; ++rank) QCOMPARE(Row(window->lvwSmallBoardSets, rank), BlankRow(rank));
        QCOMPARE(Row(window->lvwLargeBoardTimes, 1), QStringList({"1.", "Bob", "99"}));
        for (QTreeWidget* list : {window->lvwSmallBoardTimes, window->lvwLargeBoardSets}) {
            QCOMPARE(list->topLevelItemCount(), 5);
            for (int rank = 1; rank <= 5; ++rank) QCOMPARE(Row(list, rank), BlankRow(rank));
        }

        // Headings, and the score column kept to the right.
        QCOMPARE(window->lvwSmallBoardSets->headerItem()->text(2), QStringLiteral("Sets"));
        QCOMPARE(window->lvwLargeBoardSets->headerItem()->text(2), QStringLiteral("Sets"));
        QCOMPARE(window->lvwSmallBoardTimes->headerItem()->text(2), QStringLiteral("Seconds"));
        QCOMPARE(window->lvwLargeBoardTimes->headerItem()->text(1), QStringLiteral("Name"));
        QVERIFY(window->lvwSmallBoardSets->topLevelItem(0)->textAlignment(2) & Qt::AlignRight);
        QVERIFY(window->lvwSmallBoardSets->topLevelItem(4)->textAlignment(2) & Qt::AlignRight);
    }

    void namesThatLookLikeMarkupShowLiterally() {
        Seed(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, 1, QStringLiteral("<img src=x>"), QStringLiteral("5"));
        Seed(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, 2, QStringLiteral("&lt;"), QStringLiteral("6"));
        Seed(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, 3, QStringLiteral("<b>Bob</b>"), QStringLiteral("7"));
        RecordingSound sound;
        frmScores form(sound);
        ScoresWindow* window = form.Load(nullptr);
        QCOMPARE(Row(window->lvwSmallBoardTimes, 1).at(1), QStringLiteral("<img src=x>"));
        QCOMPARE(Row(window->lvwSmallBoardTimes, 2).at(1), QStringLiteral("&lt;"));
        QCOMPARE(Row(window->lvwSmallBoardTimes, 3).at(1), QStringLiteral("<b>Bob</b>"));
        for (QLabel* label : window->findChildren<QLabel*>())
            QVERIFY(label->textFormat() == Qt::PlainText || label->text().isEmpty());
    }

    void resetOfOneBoardSizeLeavesTheOtherUntouched_data() {
        QTest::addColumn<int>("tileCount");
        QTest::newRow("small board") << 30;
        QTest::newRow("large board") << 60;
    }
    void resetOfOneBoardSizeLeavesTheOtherUntouched() {
        QFETCH(int, tileCount);
        const bool small = tileCount == 30;
        SeedAllFour();
        GameSettings.TileCount = static_cast<qint16>(tileCount);
        RecordingSound sound;
        frmScores form(sound);
        QStringList asked;
        form.ConfirmResetOverride = [&](const QString& title, const QString& text) {
            asked << title << text;
            return true;
        };
        ScoresWindow* window = form.Load(nullptr);
        window->cmdReset->click();

        QCOMPARE(asked, QStringList({"Reset Scores", small ? "Are you sure you want to reset all Small Board scores?"
                                                           : "Are you sure you want to reset all Large Board scores?"}));
        QCOMPARE(sound.played, QStringList({"FLUSH"}));

        QTreeWidget* resetSets = small ? window->lvwSmallBoardSets : window->lvwLargeBoardSets;
        QTreeWidget* resetTimes = small ? window->lvwSmallBoardTimes : window->lvwLargeBoardTimes;
        QTreeWidget* keptSets = small ? window->lvwLargeBoardSets : window->lvwSmallBoardSets;
        QTreeWidget* keptTimes = small ? window->lvwLargeBoardTimes : window->lvwSmallBoardTimes;
        for (QTreeWidget* list : {resetSets, resetTimes}) {
            QCOMPARE(list->topLevelItemCount(), 5);
            for (int rank = 1; rank <= 5; ++rank) QCOMPARE(Row(list, rank), BlankRow(rank));
        }
        QCOMPARE(Row(keptSets, 1).at(2), small ? QStringLiteral("41") : QStringLiteral("16"));
        QCOMPARE(Row(keptTimes, 1).at(2), small ? QStringLiteral("300") : QStringLiteral("95"));

        const QString goneSets = ScoreTables::SetsSection(tileCount);
        const QString goneTimes = ScoreTables::TimesSection(tileCount);
        const int other = small ? 60 : 30;
        QCOMPARE(GetSetting(App, goneSets, QStringLiteral("Name 1")), QString());
        QCOMPARE(GetSetting(App, goneTimes, QStringLiteral("Name 1")), QString());
        QCOMPARE(GetSetting(App, ScoreTables::SetsSection(other), QStringLiteral("Sets 1")),
                 small ? QStringLiteral("41") : QStringLiteral("16"));
        QCOMPARE(GetSetting(App, ScoreTables::TimesSection(other), QStringLiteral("Time 1")),
                 small ? QStringLiteral("300") : QStringLiteral("95"));
        QCOMPARE(GetSetting(App, QStringLiteral("Game Settings"), QStringLiteral("Tile Count")), QStringLiteral("60"));

        // A second reset of tables that are already gone is silent.
        ErrorRecorder errors;
        window->cmdReset->click();
        QCOMPARE(errors.count(), 0);
    }

    void resetAnsweredNoChangesNothingAndPlaysNothing() {
        SeedAllFour();
        RecordingSound sound;
        frmScores form(sound);
        ScoresWindow* window = form.Load(nullptr);
        window->show();

        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        RunWhen([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
                [&] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (!box) return;
                    icon = box->icon();
                    title = box->windowTitle();
                    text = box->text();
                    buttons = box->standardButtons();
                    defaultButton = box->defaultButton() ? box->standardButton(box->defaultButton())
                                                         : QMessageBox::NoButton;
                    box->button(QMessageBox::No)->click();
                });
        window->cmdReset->click();

        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(title, QStringLiteral("Reset Scores"));
        QCOMPARE(text, QStringLiteral("Are you sure you want to reset all Small Board scores?"));
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
        QCOMPARE(defaultButton, QMessageBox::Yes);

        QVERIFY(sound.played.isEmpty());
        QCOMPARE(Row(window->lvwSmallBoardSets, 1), QStringList({"1.", "Ann", "16"}));
        QCOMPARE(Row(window->lvwSmallBoardTimes, 1), QStringList({"1.", "Ann", "95"}));
        QCOMPARE(GetSetting(App, ScoreTables::SmallBoardSets, QStringLiteral("Sets 1")), QStringLiteral("16"));
        QCOMPARE(GetSetting(App, ScoreTables::SmallBoardTimes, QStringLiteral("Time 1")), QStringLiteral("95"));
    }

    void chimePlaysOnceAfterTheDialogIsUp() {
        RecordingSound sound;
        frmScores form(sound);
        sound.Watch(&form);
        form.blnNewHighScore = true;
        ShowAndClose(form, [&] { return !sound.played.isEmpty(); });
        QCOMPARE(sound.played, QStringList({"CHIMES"}));
        QCOMPARE(sound.shownWhenPlayed, QList<bool>({true}));
        QVERIFY(!form.blnNewHighScore);

        // Activated again, in a later showing or the same one: no second chime.
        ShowAndClose(form);
        ScoresWindow* window = form.Load(nullptr);
        window->show();
        form.Form_Activate();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window, &activate);
        QCOMPARE(sound.played, QStringList({"CHIMES"}));
    }

    void chimeWaitsWhileSoundsAreOffAndNeverPlaysFromTheMenu() {
        RecordingSound sound;
        frmScores form(sound);
        ShowAndClose(form);  // opened from the menu
        QVERIFY(sound.played.isEmpty());

        gblnPlaySound = false;
        form.blnNewHighScore = true;
        ShowAndClose(form);
        QVERIFY(sound.played.isEmpty());
        QVERIFY(form.blnNewHighScore);  // kept for a later activation with sounds on

        gblnPlaySound = true;
        ShowAndClose(form, [&] { return !sound.played.isEmpty(); });
        QCOMPARE(sound.played, QStringList({"CHIMES"}));
        QVERIFY(!form.blnNewHighScore);
    }

    void eachShowingReadsTheTablesAfresh() {
        RecordingSound sound;
        frmScores form(sound);
        // The game end's order: whatever is loaded goes, the flag is set, the dialog shows.
        form.Load(nullptr);
        form.Unload();
        QVERIFY(form.Window() == nullptr);
        QVERIFY(SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("Dee"), 18));

        QStringList firstRow;
        RunWhen([&] { return form.Window() && form.Window()->isVisible(); },
                [&] {
                    auto* window = qobject_cast<ScoresWindow*>(form.Window());
                    if (!window) return;
                    firstRow = Row(window->lvwSmallBoardSets, 1);
                    window->cmdOK->click();
                });
        form.Show(nullptr);
        QCOMPARE(firstRow, QStringList({"1.", "Dee", "18"}));
        QVERIFY(form.Window() == nullptr);

        QVERIFY(SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("Eve"), 17));
        RunWhen([&] { return form.Window() && form.Window()->isVisible(); },
                [&] {
                    auto* window = qobject_cast<ScoresWindow*>(form.Window());
                    if (!window) return;
                    firstRow = Row(window->lvwSmallBoardSets, 1);
                    window->close();
                });
        form.Show(nullptr);
        QCOMPARE(firstRow, QStringList({"1.", "Eve", "17"}));
    }

    // Run with PEXORA_SCREENSHOT_DIR set (under a real display) to refresh docs/.
    void screenshotWithEntries() {
        const QString dir = qEnvironmentVariable("PEXORA_SCREENSHOT_DIR");
        if (dir.isEmpty()) QSKIP("PEXORA_SCREENSHOT_DIR not set");
        const QList<QPair<QString, int>> sets{{"Ann", 16}, {"Bob", 17}, {"Cy", 19}, {"Dee", 22}, {"Eve", 25}};
        const QList<QPair<QString, int>> times{{"Bob", 58}, {"Ann", 64}, {"Cy", 97}};
        for (const auto& [name, score] : sets) SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, name, score);
        for (const auto& [name, score] : times) SaveScore(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, name, score);
        RecordingSound sound;
        frmScores form(sound);
        ScoresWindow* window = form.Load(nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->grab().save(dir + QStringLiteral("/high-scores.png")));
    }
};

QTEST_MAIN(TestFrmScores)
#include "test_frmScores.moc"
