// The game on a machine without a sound device: every sound is skipped
// silently and a whole game is played; only a sound missing from the
// resources is still reported.
#include <QtTest>

#include "BoardImage.h"
#include "ReliabilityKit.h"
#include "Help.h"
#include "Sound.h"

using reliability::PlayToTheEnd;

class DegradedTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Before anything in this process touches SDL: a driver that does not exist.
        qputenv("SDL_AUDIODRIVER", "nosuchdriver");
    }

    void withNoSoundDeviceSoundsAreSkippedSilentlyAndAWholeGameIsPlayed() {
        ScopedStore store;
        ErrorRecorder errors;
        SoundPlayer player;
        for (const char* name : {"START", "FLIP", "ZAP", "CHIMES", "FLUSH", "SHUTDOWN"})
            player.PlayWaveResource(QLatin1String(name));
        QCOMPARE(errors.count(), 0);
        RecordingPause pause;
        ScriptedRandom random;
        StoreOption("Sounds", QStringLiteral("True"));
        StoredScoreTables book;
        PlayerChoices choices;
        ChoicesStore choiceStore;
        MainWindow w(choices, choiceStore, player, pause, random, book);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(choices.playSound);
        ModalWatcher closer([](QWidget* modal) { modal->close(); });
        PlayToTheEnd(w);
        QCOMPARE(w.Engine().Turn().matches, qint16(w.Engine().SetsInPlay()));
        QCOMPARE(closer.seen, 1);  // the new high score was shown and closed
        w.close();
        QCOMPARE(errors.count(), 0);
        // A missing sound is still the error report.
        player.PlayWaveResource(QStringLiteral("NOSUCHSOUND"));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.reports.first().first, ErrorNumbers::ResourceNotFound);
    }

};

QTEST_MAIN(DegradedTest)
#include "test_degraded.moc"
