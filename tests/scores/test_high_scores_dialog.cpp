// The high-score dialog over a private store: what the lists show, what a
// reset touches.

#include "GameSettings.h"
#include "ScoreTables.h"
#include "SettingsStore.h"
#include "StoreFile.h"
#include "StoreText.h"
#include "TestSupport.h"
#include "HighScoresDialog.h"
#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
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

// A list's rows as "rank|name|score", one after the other.
QString Rows(const QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        rows << row->text(0) + '|' + row->text(1) + '|' + row->text(2);
    }
    return rows.join(' ');
}
// The given rows, then bare ranks up to the fifth.
QString Ranks(QStringList rows) {
    for (int rank = static_cast<int>(rows.size()) + 1; rank <= ScoreTables::Places; ++rank)
        rows << QStringLiteral("%1.||").arg(rank);
    return rows.join(' ');
}

// Each list's rows, then each table's first score in the store: small sets, small times, large sets, large times.
QStringList Tables(const ScoresWindow* w) {
    using namespace ScoreTables;
    const auto rows = [w](const char* list) { return Rows(Named<QTreeWidget>(*w, list)); };
    return {rows("lvwSmallBoardSets"), rows("lvwSmallBoardTimes"), rows("lvwLargeBoardSets"), rows("lvwLargeBoardTimes"),
            GetSetting(App, SmallBoardSets, "Sets 1"), GetSetting(App, SmallBoardTimes, "Time 1"),
            GetSetting(App, LargeBoardSets, "Sets 1"), GetSetting(App, LargeBoardTimes, "Time 1")};
}


}  // namespace

class TestFrmScores : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScopedStore> store;
    RecordingSound sound;
    PlayerChoices chosen;  // the owner's choices the dialog reads

    void SeedAllFour() {
        SeedScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1, QStringLiteral("Ann"), QStringLiteral("16"));
        SeedScoreRow(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, 1, QStringLiteral("Ann"), QStringLiteral("95"));
        SeedScoreRow(ScoreTables::LargeBoardSets, ScoreTables::SetsKey, 1, QStringLiteral("Bob"), QStringLiteral("41"));
        SeedScoreRow(ScoreTables::LargeBoardTimes, ScoreTables::TimeKey, 1, QStringLiteral("Bob"), QStringLiteral("300"));
        SaveSetting(App, Section, QStringLiteral("Tile Count"), QStringLiteral("60"));
    }

private slots:
    void initTestCase() { QuietOffscreenPlatform(); }
    void init() {
        store = std::make_unique<ScopedStore>();
        sound = RecordingSound();
        chosen = PlayerChoices();
        chosen.options.TileCount = 30;
        chosen.playSound = true;
    }
    void cleanup() { store.reset(); }

    void listsShowStoredRowsLiterallyUnderTheirHeadingsWithBlankRanks() {
        using namespace ScoreTables;
        SeedScoreRow(SmallBoardSets, SetsKey, 1, QStringLiteral("Ann"), QStringLiteral("12"));
        SeedScoreRow(SmallBoardSets, SetsKey, 2, QStringLiteral("<b>Cy</b>"), QStringLiteral("007"));
        SeedScoreRow(SmallBoardSets, SetsKey, 3, QStringLiteral("\u202EBo\nJo"), QStringLiteral("30"));  // one line, set apart
        SeedScoreRow(LargeBoardTimes, TimeKey, 1, QStringLiteral("<img src=x>"), QStringLiteral("99"));
        SeedScoreRow(LargeBoardTimes, TimeKey, 2, QStringLiteral("&lt;"), QStringLiteral("100"));
        HighScoresDialog form(sound, chosen);
        ScoresWindow* w = form.Load(nullptr);
        QCOMPARE(Tables(w).mid(0, 4), QStringList({Ranks({"1.|Ann|12", "2.|<b>Cy</b>|007", "3.|\u2068\u202EBo Jo\u2069|30"}), Ranks({}), Ranks({}),
                                                   Ranks({"1.|<img src=x>|99", "2.|&lt;|100"})}));
        QCOMPARE(Named<QTreeWidget>(*w, "lvwLargeBoardTimes")->headerItem()->text(2), QStringLiteral("Seconds"));
        for (const QLabel* label : w->findChildren<QLabel*>())
            QVERIFY(label->textFormat() == Qt::PlainText || label->text().isEmpty());
        for (int i = 0; i < 4; ++i) {  // each heading fits its box (1140 or 1665 twips)
            const QLabel* label = Named<QLabel>(*w, "lblLabels", i);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= qRound((i % 2 == 0 ? 1140 : 1665) / 15.0),
                     qPrintable(label->text()));
        }
    }

    // The real question is answered; its title, text, icon, buttons and default are the same for every answer.
    void resetOfOneBoardSizeLeavesTheOtherUntouchedAndNoChangesNothing_data() {
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("tables");
        const QString none = Ranks({});
        const QStringList all{Ranks({"1.|Ann|16"}), Ranks({"1.|Ann|95"}), Ranks({"1.|Bob|41"}), Ranks({"1.|Bob|300"})};
        QTest::newRow("small board") << 30 << true << QStringList{none, none, all[2], all[3], "", "", "41", "300"};
        QTest::newRow("large board") << 60 << true << QStringList{all[0], all[1], none, none, "16", "95", "", ""};
        QTest::newRow("answered No") << 30 << false << all + QStringList{"16", "95", "41", "300"};
    }
    void resetOfOneBoardSizeLeavesTheOtherUntouchedAndNoChangesNothing() {
        QFETCH(int, tileCount);
        QFETCH(bool, yes);
        QFETCH(QStringList, tables);
        SeedAllFour();
        chosen.options.TileCount = static_cast<qint16>(tileCount);
        HighScoresDialog form(sound, chosen);
        ScoresWindow* w = form.Load(nullptr);
        w->show();
        QString asked;
        ModalWatcher answer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return;
            const bool yesNoYesDefault = box->standardButtons() == (QMessageBox::Yes | QMessageBox::No) &&
                                         box->defaultButton() == box->button(QMessageBox::Yes);
            asked = box->windowTitle() + '|' + box->text() + (box->icon() == QMessageBox::Question ? "" : " (no ?)") +
                    (yesNoYesDefault ? "" : " (not Yes/No with Yes the default)");
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        Named<QPushButton>(*w, "cmdReset")->click();
        QCOMPARE(asked, QStringLiteral("Reset Scores|Are you sure you want to reset all %1 Board scores?")
                            .arg(tileCount == 30 ? "Small" : "Large"));
        QCOMPARE(sound.played, yes ? QStringList{"FLUSH"} : QStringList());
        QCOMPARE(Tables(w), tables);
        QCOMPARE(GetSetting(App, QStringLiteral("Game Settings"), QStringLiteral("Tile Count")), QStringLiteral("60"));

        ErrorRecorder errors;
        ModalWatcher answerYes([](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) box->button(QMessageBox::Yes)->click();
        });
        Named<QPushButton>(*w, "cmdReset")->click();  // a reset of tables that are gone already is silent
        QCOMPARE(errors.count(), 0);
    }

    // A store of many keys froze the game while every value read read and
    // parsed the whole file again: loading the options, a game's end (both
    // results), the dialog and a reset each read and parse it once, and
    // the dialog right after a game's end not at all.
    void eachStoreOperationReadsAndParsesTheFileOnce() {
        QByteArray many = "[Game%20Settings]\nTile%20Count=60\nPlayer%201=Ann\n\n[Small%20Board%20Sets]\nName%201=Bob\nSets%201=20\n\n[Notes]\n";
        for (int i = 0; i < 2000; ++i) many += "a=\n";
        store->writeRaw(many);
        const auto counted = [](const std::function<void()>& operation) {
            const quint64 reads = StoreReadCount(), parses = StoreParseCount();
            operation();
            return QStringLiteral("%1 read, %2 parsed").arg(StoreReadCount() - reads).arg(StoreParseCount() - parses);
        };
        const QString once = QStringLiteral("1 read, 1 parsed");
        ChoicesStore settings;
        PlayerChoices loaded;
        QCOMPARE(counted([&] { loaded = settings.Load(); }), once);
        QCOMPARE(loaded.Name(1) + ' ' + QString::number(loaded.options.TileCount), QStringLiteral("Ann 60"));
        chosen = loaded;
        StoredScoreTables book;
        QCOMPARE(counted([&] {
                     QVERIFY(book.OfferScore(ScoreKind::Sets, 30, QStringLiteral("Cy"), 12));
                     QVERIFY(book.OfferScore(ScoreKind::Times, 30, QStringLiteral("Cy"), 80));
                 }),
                 once);
        HighScoresDialog form(sound, chosen);
        ScoresWindow* shown = nullptr;
        QCOMPARE(counted([&] { shown = form.Load(nullptr); }), QStringLiteral("0 read, 0 parsed"));
        QCOMPARE(Tables(shown).mid(0, 2), QStringList({Ranks({"1.|Cy|12", "2.|Bob|20"}), Ranks({"1.|Cy|80"})}));

        // Another game's save: the next dialog reads the file it left.
        store->writeRaw(store->readRaw().replace("Name%201=Cy", "Name%201=Di"));
        chosen.options.TileCount = 30;  // the small board's tab, reset below
        HighScoresDialog again(sound, chosen);
        ScoresWindow* w = nullptr;
        QCOMPARE(counted([&] { w = again.Load(nullptr); }), once);
        QCOMPARE(Rows(Named<QTreeWidget>(*w, "lvwSmallBoardSets")), Ranks({"1.|Di|12", "2.|Bob|20"}));
        ModalWatcher answerYes([](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(counted([&] { Named<QPushButton>(*w, "cmdReset")->click(); }), once);
        QVERIFY(GetSetting(App, ScoreTables::SmallBoardSets, QStringLiteral("Name 1")).isNull());
        QCOMPARE(ReadFile(store->iniPath()).count("a=\n"), 2000);
    }
};

QTEST_MAIN(TestFrmScores)
#include "test_high_scores_dialog.moc"
