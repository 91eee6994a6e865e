// With no usable sound driver the game stays silent: no report, nothing on
// stderr, and no wait.

#include "TestSupport.h"
#include "basWave.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

class WaveNoDeviceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("SDL_AUDIODRIVER", "no-such-sound-driver"); }
    void everySoundIsSkippedAtOnceWithoutAWord();
};

void WaveNoDeviceTest::everySoundIsSkippedAtOnceWithoutAWord() {
    ErrorRecorder recorder;
    std::fflush(stderr);
    const int saved = dup(2);
    FILE* capture = std::tmpfile();
    dup2(fileno(capture), 2);
    QElapsedTimer timer;
    timer.start();
    for (const char* name : {"FLUSH", "SHUTDOWN", "START", "CHIMES", "FLIP", "ZAP"}) PlayWaveResource(name);
    const double elapsed = timer.nsecsElapsed() / 1e9;
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    const long printed = std::ftell(capture);
    std::fclose(capture);
    QCOMPARE(recorder.count(), 0);
    QCOMPARE(printed, 0L);
    QVERIFY2(elapsed < 0.2, qPrintable(QString::number(elapsed)));  // the sounds together last 9 s
}

QTEST_MAIN(WaveNoDeviceTest)
#include "test_wave_nodevice.moc"
