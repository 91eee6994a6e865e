// Ranking results into the five-place tables (a reset is tested with the dialog).
#include "GameSettings.h"
#include "ScoreTables.h"
#include "SettingsStore.h"
#include "TestSupport.h"

#include <QtTest>

namespace {
const QString Sets = QStringLiteral("Small Board Sets");

// The table as "name=score" rows for ranks 1..5, blank ranks as "".
QStringList Table(const QString& section, const QString& word) {
    QStringList rows;
    for (int r = 1; r <= 5; ++r) {
        const ScoreRow row = ReadScoreRow(section, word, r);
        rows << (row.Name.isEmpty() ? QString() : row.Name + "=" + row.Score);
    }
    return rows;
}

void Fill(const QString& section, const QString& word, const QList<int>& scores) {
    for (int r = 1; r <= scores.size(); ++r)
        SeedScoreRow(section, word, r, QStringLiteral("P%1").arg(r), QString::number(scores[r - 1]));
}

}  // namespace

class ScoreTablesTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstResultTakesRankOneAndWritesOnlyItsTwoKeys() {
        ScopedStore store;
        QVERIFY(SaveScore(Sets, "Sets", "Ann", 20));
        QCOMPARE(Table(Sets, "Sets"), (QStringList{"Ann=20", "", "", "", ""}));
        QSettings raw(store.iniPath(), QSettings::IniFormat);
        raw.beginGroup(Sets);
        QCOMPARE(raw.childKeys(), (QStringList{"Name 1", "Sets 1"}));
    }

    void aResultIsCarriedUpToItsPlaceAndTiesKeepTheEarlierEntryAbove_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("entered");
        QTest::addColumn<QStringList>("table");
        QTest::newRow("between ranks 2 and 3") << 25 << true << QStringList{"P1=10", "P2=20", "New=25", "P3=30", "P4=40"};
        QTest::newRow("equal to rank 2") << 20 << true << QStringList{"P1=10", "P2=20", "New=20", "P3=30", "P4=40"};
        QTest::newRow("equal to rank 5") << 50 << false << QStringList{"P1=10", "P2=20", "P3=30", "P4=40", "P5=50"};
        QTest::newRow("best of all") << 1 << true << QStringList{"New=1", "P1=10", "P2=20", "P3=30", "P4=40"};
        QTest::newRow("negative scores compare signed") << -5 << true << QStringList{"New=-5", "P1=10", "P2=20", "P3=30", "P4=40"};
    }
    void aResultIsCarriedUpToItsPlaceAndTiesKeepTheEarlierEntryAbove() {
        QFETCH(int, score);
        QFETCH(bool, entered);
        QFETCH(QStringList, table);
        ScopedStore store;
        Fill(Sets, "Sets", {10, 20, 30, 40, 50});
        const QByteArray before = store.readRaw();
        QCOMPARE(SaveScore(Sets, "Sets", "New", score), entered);
        QCOMPARE(Table(Sets, "Sets"), table);
        if (!entered) QCOMPARE(store.readRaw(), before);  // nothing written
    }

    void theClockCapNeverEntersEvenAnEmptyTable() {
        ScopedStore store;
        QVERIFY(!SaveScore("Small Board Times", "Time", "Ann", 99999));
        QVERIFY(!QFile::exists(store.iniPath()));
        QVERIFY(SaveScore("Small Board Times", "Time", "Ann", 99998));
    }

    // A score no game wrote is an empty place: the entries below move up,
    // the result enters, and the file as it was is kept in a copy first.
    void aStoredScoreThatIsNotANumberIsAnEmptyPlaceKeptInACopy_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("words") << "twenty";
        QTest::newRow("past 32 bits") << "99999999999";
        QTest::newRow("not finite") << "1e999";
    }
    void aStoredScoreThatIsNotANumberIsAnEmptyPlaceKeptInACopy() {
        QFETCH(QString, stored);
        ScopedStore store;
        Fill(Sets, "Sets", {10, 20, 30, 40, 50});
        SaveSetting(App, Sets, "Sets 2", stored);
        const QByteArray before = store.readRaw();
        ErrorRecorder errors;
        QVERIFY(SaveScore(Sets, "Sets", "Ann", 25));
        QVERIFY(SaveScore(Sets, "Sets", "Bob", 45));
        QCOMPARE(errors.count(), 0);
        QCOMPARE(Table(Sets, "Sets"), (QStringList{"P1=10", "Ann=25", "P3=30", "P4=40", "Bob=45"}));
        QCOMPARE(ReadFile(store.iniPath() + QStringLiteral(".damaged")), before);
    }

    // A hand-edited name holding a lone surrogate keeps its result, stored
    // with U+FFFD in its place, through every later save.
    void aNameWithALoneSurrogateKeepsItsResult() {
        ScopedStore store;
        store.writeRaw("[Small%20Board%20Sets]\nName%201=\\xd800\nSets%201=10\n");
        QVERIFY(SaveScore(Sets, "Sets", QStringLiteral("Ann") + QChar(0xD83D), 20));
        QVERIFY(SaveScore(Sets, "Sets", "Bob", 30));
        QCOMPARE(Table(Sets, "Sets"), (QStringList{"\uFFFD=10", "Ann\uFFFD=20", "Bob=30", "", ""}));
    }
};

QTEST_GUILESS_MAIN(ScoreTablesTest)
#include "test_score_tables.moc"
