// The sound player through SDL's "disk" audio driver, which writes what it
// plays to a file at the pace of a real device: the bytes must be the
// sound's samples in full, and the call must last as long as the sound.

#include "ErrorTrap.h"
#include "Resources.h"
#include "TestSupport.h"
#include "Sound.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <SDL.h>

#include <functional>

namespace {

struct WaveInfo {
    int rate = 0, bits = 0;
    QByteArray samples;
    double seconds() const { return double(samples.size()) / (rate * bits / 8); }
};

// What the device is given for a wave: every sound is played in one
// format, 22050 Hz, 16-bit, mono, converted by SDL where it differs.
QByteArray deviceSamples(const WaveInfo& w) {
    if (w.rate == 22050 && w.bits == 16) return w.samples;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, w.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB, 1, w.rate, AUDIO_S16SYS, 1, 22050) <= 0) return w.samples;
    QByteArray out = w.samples;
    cvt.len = int(out.size());
    out.resize(out.size() * cvt.len_mult);
    cvt.buf = reinterpret_cast<Uint8*>(out.data());
    SDL_ConvertAudio(&cvt);
    out.resize(cvt.len_cvt);
    return out;
}

WaveInfo wave(const char* name) {
    const QByteArray b = LoadResData(name, "WAVE");
    return {int(qFromLittleEndian<quint32>(b.constData() + 24)), qFromLittleEndian<quint16>(b.constData() + 34),
            b.mid(44, int(qFromLittleEndian<quint32>(b.constData() + 40)))};
}



double secondsFor(const std::function<void()>& call) {
    QElapsedTimer timer;
    timer.start();
    call();
    return timer.nsecsElapsed() / 1e9;
}

// A copy of image, cut to size bytes when size is given, with a 2- or 4-byte value written at at.
QByteArray patched(const QByteArray& image, int size, int at, quint32 value, int width) {
    QByteArray b = size ? image.left(size) : image;
    if (width == 2) qToLittleEndian<quint16>(quint16(value), b.data() + at);
    else qToLittleEndian<quint32>(value, b.data() + at);
    return b;
}

}  // namespace

class WavePlaybackTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;
    // Closes the device, which the disk driver names its file by when it opens.
    QString nextOutput() {
        CloseSoundDevices();
        const QString path = m_dir.filePath(QString("played-%1.raw").arg(++m_files));
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path));
        return path;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        qputenv("SDL_AUDIODRIVER", "disk");
    }

    void soundIsPlayedInFullAndTheCallWaitsForIt_data() {
        QTest::addColumn<QByteArray>("name");
        for (const char* n : {"FLIP", "ZAP", "START", "CHIMES", "SHUTDOWN", "FLUSH"}) QTest::newRow(n) << QByteArray(n);
    }
    void soundIsPlayedInFullAndTheCallWaitsForIt() {
        QFETCH(QByteArray, name);
        const WaveInfo w = wave(name);
        const QString output = nextOutput();
        ErrorRecorder recorder;
        const double elapsed = secondsFor(
            [&] { SoundPlayer().PlayWaveResource(QString::fromLatin1(name)); });
        QCOMPARE(recorder.count(), 0);
        // The device wrote the sound's own samples, every one of them, in order.
        CloseSoundDevices();
        const QByteArray played = ReadFile(output);
        QVERIFY2(played.contains(deviceSamples(w)), qPrintable(QString("%1 of %2 bytes written").arg(played.size()).arg(w.samples.size())));
        // It blocked for the whole sound (how long beyond it is measured in bench/).
        QVERIFY2(elapsed >= w.seconds() - 0.002, qPrintable(QString::number(elapsed)));
    }

    void missingSoundIsReportedOnceAndNothingPlays() {
        const QString output = nextOutput();
        ErrorRecorder recorder;
        SoundPlayer().PlayWaveResource("BEEP");
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.reports[0].first, ErrorNumbers::ResourceNotFound);
        QVERIFY(!QFile::exists(output));
    }

    void unplayableDataIsSkippedSilently_data() {
        QTest::addColumn<QByteArray>("image");
        const QByteArray good = LoadResData("ZAP", "WAVE");
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("not a wave") << QByteArray("this is not a sound at all, just some words");
        QTest::newRow("header cut short") << good.left(30);
        QTest::newRow("empty data chunk") << patched(patched(good, 44, 40, 0, 4), 0, 4, 36, 4);
        QTest::newRow("compressed format") << patched(good, 0, 20, 0x55, 2);
        QTest::newRow("no channels") << patched(good, 0, 22, 0, 2);
        QTest::newRow("data chunk longer than the file") << patched(good, 44, 40, 0x7ffffff0, 4);
    }
    void unplayableDataIsSkippedSilently() {
        QFETCH(QByteArray, image);
        const QString output = nextOutput();
        ErrorRecorder recorder;
        SoundPlayer::PlayImage(image);
        QCOMPARE(recorder.count(), 0);
        CloseSoundDevices();
        QVERIFY(ReadFile(output).isEmpty());  // nothing reached the device
    }
};

QTEST_MAIN(WavePlaybackTest)
#include "test_wave_playback.moc"
