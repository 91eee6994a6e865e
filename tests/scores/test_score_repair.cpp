// Score tables a hand edit damaged or left with a hole: every legible entry
// keeps both its halves, and a recording leaves the table distinct and in
// order, its section holding exactly the entries it lists.
#include "ScoreTables.h"
#include "SettingsStore.h"
#include "TestSupport.h"

#include <QSettings>
#include <QtTest>

class ScoreRepairTest : public QObject {
    Q_OBJECT

private slots:
    void aDamagedOrHoledTableRecordsDistinctEntriesInOrder_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("after");  // ranks 1 to 5, "name score", "" for a blank rank
        QTest::newRow("a backslash ends a score")
            << QByteArray("Name%201=Ann\nTime%201=5\nName%202=Bob\nTime%202=10\\\nName%203=Cy\nTime%203=200\n") << 29
            << QStringList{"Ann 5", "Bob 10", "New 29", "Cy 200", ""};
        QTest::newRow("a quote left open in a name")
            << QByteArray("Name%201=Ann\nTime%201=5\nName%202=\"Bob\nTime%202=10\nName%203=Cy\nTime%203=200\n") << 29
            << QStringList{"Ann 5", "Bob 10", "New 29", "Cy 200", ""};
        QTest::newRow("a backslash after an open quote, CR LF lines")
            << QByteArray("Name%201=Ann\r\nTime%201=5\r\nName%202=\"Bob\\\r\nTime%202=10\r\n") << 3
            << QStringList{"New 3", "Ann 5", "Bob 10", "", ""};
        // Rank 3 taken out by hand: the entry of rank 4 moves up into it and
        // its old keys go, instead of showing it twice; no empty place stays
        // between entries.
        QTest::newRow("rank 3 removed")
            << QByteArray("Name%201=Ann\nTime%201=10\nName%202=Bob\nTime%202=20\nName%204=Cy\nTime%204=30\n") << 40
            << QStringList{"Ann 10", "Bob 20", "Cy 30", "New 40", ""};
    }
    void aDamagedOrHoledTableRecordsDistinctEntriesInOrder() {
        QFETCH(QByteArray, table);
        QFETCH(int, result);
        QFETCH(QStringList, after);
        ScopedStore store;
        const QByteArray file = "[Game%20Settings]\nTile%20Count=30\n[Small%20Board%20Times]\n" + table;
        store.writeRaw(file);
        ErrorRecorder errors;
        QVERIFY(SaveScore(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, QStringLiteral("New"), result));
        QCOMPARE(errors.count(), 0);
        QStringList rows, keys;
        for (int r = 1; r <= ScoreTables::Places; ++r) {
            const ScoreRow row = ReadScoreRow(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, r);
            rows << (row.Name.isEmpty() ? QString() : row.Name + ' ' + row.Score);
            if (!row.Name.isEmpty()) keys << QStringLiteral("Name %1").arg(r) << QStringLiteral("Time %1").arg(r);
        }
        QCOMPARE(rows, after);
        QSettings written(store.iniPath(), QSettings::IniFormat);
        written.beginGroup(ScoreTables::SmallBoardTimes);
        QStringList stored = written.childKeys();
        std::sort(stored.begin(), stored.end());
        std::sort(keys.begin(), keys.end());
        QCOMPARE(stored, keys);
        QCOMPARE(GetSetting(App, Section, QStringLiteral("Tile Count")), QStringLiteral("30"));
        const QString damaged = store.iniPath() + QStringLiteral(".damaged");
        QVERIFY(!QFile::exists(damaged) || ReadFile(damaged) == file);
    }
};

QTEST_GUILESS_MAIN(ScoreRepairTest)
#include "test_score_repair.moc"
