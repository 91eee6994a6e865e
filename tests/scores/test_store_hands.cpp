// The store as a player's hand or a stranger leaves it: a line edited by
// hand above the score tables, a lock planted or held by another game.
#include "ErrorTrap.h"
#include "GameSettings.h"
#include "ScoreTables.h"
#include "SettingsStore.h"
#include "StoreFile.h"
#include "StoreText.h"
#include "StoreUnsaved.h"
#include "TestSupport.h"

#include <QtTest>

#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

class StoreHandsTest : public QObject {
    Q_OBJECT

private slots:
    // A quote or a backslash a player left in any line (a comment, a section
    // line, a value) hides nothing below it: the tables are read and saved,
    // and the file as the player left it is kept once as ".damaged".
    void aHandEditedLineHidesNoTableAndIsKeptAsItWas_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("quote in a # comment") << QByteArray("# Ann's \"lucky board");
        QTest::newRow("quote in a section line") << QByteArray("[Notes \"old]");
        QTest::newRow("quote left open in a value") << QByteArray("Tile%20Color=\"RED");
        QTest::newRow("backslash at the end of a value") << QByteArray("Tile%20Color=RED\\");
        QTest::newRow("section line never closed") << QByteArray("[Notes");
    }
    void aHandEditedLineHidesNoTableAndIsKeptAsItWas() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        QFETCH(QByteArray, line);
        ScopedStore store;
        const QByteArray file = "[Game%20Settings]\nTile%20Count=60\n" + line + "\n[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\n";
        store.writeRaw(file);
        ErrorRecorder errors;
        chosen = settings.Load();
        settings.Save(chosen);
        QVERIFY(SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("Bob"), 21));
        QCOMPARE(errors.count(), 0);
        QCOMPARE(chosen.options.TileCount, qint16(60));
        QCOMPARE(GetSetting(App, QStringLiteral("Small Board Sets"), QStringLiteral("Name 1")), QStringLiteral("Ann"));
        QCOMPARE(GetSetting(App, QStringLiteral("Small Board Sets"), QStringLiteral("Sets 2")), QStringLiteral("21"));
        QCOMPARE(ReadFile(store.iniPath() + QStringLiteral(".damaged")), file);
    }

    // Whatever is planted at a lock's name is set aside, not waited on; a lock
    // another game holds is not waited for either: the result is kept, every
    // read shows it, and nothing is written until the lock is free.
    void aPlantedLockIsSetAsideAndAHeldOneKeepsTheResultForLater_data() {
        QTest::addColumn<QString>("planted");
        for (const char* kind : {"pipe", "link to the zero device", "garbage file"}) QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void aPlantedLockIsSetAsideAndAHeldOneKeepsTheResultForLater() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        QFETCH(QString, planted);
        ScopedStore store;
        store.writeRaw("[Game%20Settings]\nPlayer%201=Ann\n");
        for (const QString& lock : {store.iniPath() + QStringLiteral(".lock"), store.iniPath() + QStringLiteral(".scores.lock")}) {
            const QByteArray name = QFile::encodeName(lock);
            if (planted == QLatin1String("pipe")) QVERIFY(::mkfifo(name.constData(), 0600) == 0);
            if (planted.startsWith(QLatin1String("link"))) QVERIFY(::symlink("/dev/zero", name.constData()) == 0);
            if (planted.startsWith(QLatin1String("garbage"))) QVERIFY(!WriteFile(lock, "99999\nhost\n").isEmpty());
        }
        ErrorRecorder errors;
        chosen = settings.Load();
        chosen.Name(1) = QStringLiteral("Bea");
        settings.Save(chosen);
        QVERIFY(SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("Bea"), 17));
        QCOMPARE(errors.count(), 0);
        QCOMPARE(GetSetting(App, Section, QStringLiteral("Player 1")), QStringLiteral("Bea"));
        QVERIFY(QFileInfo::exists(store.iniPath() + QStringLiteral(".lock.aside")));
        // Another game holds the scores' lock for a while.
        const int held = ::open(QFile::encodeName(store.iniPath() + QStringLiteral(".scores.lock")).constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        QByteArray whileHeld;
        std::thread other([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            whileHeld = store.readRaw();
            ::close(held);
        });
        QVERIFY(SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("Cy"), 16));
        const bool keptAtOnce = QFile::exists(store.iniPath() + QStringLiteral(".unsaved"));
        other.join();
        QVERIFY(keptAtOnce);
        QVERIFY(!whileHeld.isEmpty() && !whileHeld.contains("Cy"));
        QCOMPARE(GetSetting(App, QStringLiteral("Small Board Sets"), QStringLiteral("Name 1")), QStringLiteral("Cy"));
        QVERIFY(TryWriteUnsavedChanges(App));
        QVERIFY(store.readRaw().contains("Name%201=Cy\nSets%201=16"));
        // The same planted where kept changes go holds none: a game end never waits for it.
        const QByteArray kept = QFile::encodeName(store.iniPath() + QStringLiteral(".unsaved"));
        if (planted == QLatin1String("pipe")) QVERIFY(::mkfifo(kept.constData(), 0600) == 0);
        if (planted.startsWith(QLatin1String("link"))) QVERIFY(::symlink("/dev/zero", kept.constData()) == 0);
        if (planted.startsWith(QLatin1String("garbage"))) QVERIFY(!WriteFile(QFile::decodeName(kept), "99999\nhost\n").isEmpty());
        QVERIFY(TryWriteUnsavedChanges(App));
    }

    // A reset beside a result another game is recording under the results'
    // lock: the reset is kept and made before that result is ranked, so the
    // old entries never come back over it, and the result stays.
    void aResetBesideAnotherGamesResultNeverBringsTheOldEntriesBack() {
        ScopedStore store;
        store.writeRaw("[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\n[Small%20Board%20Times]\nName%201=Ann\nTime%201=90\n");
        QVERIFY(!WriteFile(store.iniPath() + QStringLiteral(".scores.lock"), QByteArray()).isEmpty());
        const int held = ::open(QFile::encodeName(store.iniPath() + QStringLiteral(".scores.lock")).constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        std::thread other([&] {
            // Once the reset is kept.
            for (int n = 0; n < 1000 && !QFile::exists(store.iniPath() + QStringLiteral(".unsaved")); ++n)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            ChangeSettings(App, [](StoreContents& contents) {
                return RankResult(contents, ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("Bo"), 19);
            });
            ::close(held);
        });
        struct AnswerYes final : IScoreResetUi {
            bool ConfirmReset(const QString&, const QString&) override { return true; }
            void ClearScoreList(const QString&) noexcept override {}
        } ui;
        RecordingSound sound;
        ErrorRecorder errors;
        ResetBoardScores(30, ui, sound, false);
        other.join();
        QCOMPARE(errors.count(), 0);
        QVERIFY(TryWriteUnsavedChanges(App));
        const QByteArray after = store.readRaw();
        QVERIFY2(!after.contains("Ann") && after.contains("Name%201=Bo\nSets%201=19"), after.constData());
    }
    // Another game keeps its result (it does so without the lock) while a
    // save is making the kept ones: the save forgets only what it made, so
    // no result is lost and none enters twice.
    void aResultKeptDuringASaveIsNeitherLostNorEnteredTwice() {
        ScopedStore store;
        store.writeRaw("[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\n");
        const auto result = [](const char* name, int sets) {
            UnsavedChange change;
            change.kind = UnsavedChange::Kind::Result;
            change.section = ScoreTables::SmallBoardSets;
            change.scoreKey = ScoreTables::SetsKey;
            change.name = QString::fromLatin1(name);
            change.score = sets;
            return change;
        };
        KeepUnsaved(store.iniPath(), result("Bo", 19));
        StoreContents saving = ParseStore(store.readRaw());
        StoreBytes made;
        QVERIFY(ApplyUnsaved(store.iniPath(), saving, &made));
        KeepUnsaved(store.iniPath(), result("Cy", 18));  // meanwhile
        store.writeRaw(saving.toBytes());
        ForgetUnsaved(store.iniPath(), made);
        QVERIFY(TryWriteUnsavedChanges(App));
        QCOMPARE(store.readRaw(), QByteArray("[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\nName%202=Cy\nSets%202=18\nName%203=Bo\nSets%203=19\n"));
    }

    // Another game holds the store's lock and never lets go (stopped, or
    // `flock Pexora.ini.lock sleep 60`): the game end does not wait for it,
    // shows no error, and the dialog's reads show the result;
    // the result and the options saved meanwhile are kept, and the next
    // start, the lock free, writes them.
    void aLockHeldElsewhereKeepsTheResultsAndOptionsForTheNextStart() {
        ChoicesStore settings;  // the options as a game loads and saves them
        PlayerChoices chosen;
        ScopedStore store;
        store.writeRaw("[Game%20Settings]\nPlayer%201=Ann\n[Small%20Board%20Sets]\nName%201=Ann\nSets%201=17\n");
        chosen = settings.Load();
        const int held = ::open(QFile::encodeName(store.iniPath() + QStringLiteral(".lock")).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        const QByteArray before = store.readRaw();
        ErrorRecorder errors;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(SaveScore(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, QStringLiteral("Bea"), 16));
        QVERIFY(SaveScore(ScoreTables::SmallBoardTimes, ScoreTables::TimeKey, QStringLiteral("Bea"), 80));
        QVERIFY2(clock.elapsed() < PlayLockWaitMs / 2, qPrintable(QString::number(clock.elapsed())));
        chosen.Name(1) = QStringLiteral("Cy");
        settings.Save(chosen);
        QCOMPARE(errors.count(), 0);
        QCOMPARE(store.readRaw(), before);
        QCOMPARE(ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 1).Name, QStringLiteral("Bea"));
        QCOMPARE(ReadScoreRow(ScoreTables::SmallBoardSets, ScoreTables::SetsKey, 2).Name, QStringLiteral("Ann"));
        ::close(held);
        chosen = settings.Load();  // the next start
        QCOMPARE(errors.count(), 0);
        QVERIFY(!QFile::exists(store.iniPath() + QStringLiteral(".unsaved")));
        const QByteArray after = store.readRaw();
        QVERIFY2(after.contains("Player%201=Cy") && after.contains("[Small%20Board%20Sets]\nName%201=Bea\nSets%201=16\nName%202=Ann") &&
                     after.contains("[Small%20Board%20Times]\nName%201=Bea\nTime%201=80"),
                 after.constData());
    }
};

QTEST_GUILESS_MAIN(StoreHandsTest)
#include "test_store_hands.moc"
