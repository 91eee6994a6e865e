// PlayWaveResource through SDL's "disk" audio driver, which writes what it
// plays to a file at the pace of a real device: the bytes must be the
// sound's samples in full, and the call must last as long as the sound.

#include "ErrorTrap.h"
#include "Resources.h"
#include "TestSupport.h"
#include "basWave.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <SDL.h>
#include <unistd.h>

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
    if (SDL_BuildAudioCVT(&cvt, w.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB, 1, w.rate, AUDIO_S16SYS, 1, 22050) <= 0) {
        return w.samples;
    }
    QByteArray out = w.samples;
    cvt.len = int(out.size());
    out.resize(out.size() * cvt.len_mult);
    cvt.buf = reinterpret_cast<Uint8*>(out.data());
    SDL_ConvertAudio(&cvt);
    out.resize(cvt.len_cvt);
    return out;
}

WaveInfo parse(const QByteArray& b) {
    WaveInfo w;
    w.rate = int(qFromLittleEndian<quint32>(b.constData() + 24));
    w.bits = qFromLittleEndian<quint16>(b.constData() + 34);
    w.samples = b.mid(44, int(qFromLittleEndian<quint32>(b.constData() + 40)));
    return w;
}

// The device buffer the player asks for, in seconds.
double bufferSeconds(int rate) { return (rate <= 11025 ? 256.0 : 512.0) / rate; }

// Captures what is written to stderr (file descriptor 2) meanwhile.
class StderrCapture {
public:
    StderrCapture() {
        fflush(stderr);
        m_saved = dup(2);
        m_file = std::tmpfile();
        dup2(fileno(m_file), 2);
    }
    QByteArray finish() {
        fflush(stderr);
        dup2(m_saved, 2);
        close(m_saved);
        QByteArray text;
        std::rewind(m_file);
        char buf[512];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, m_file)) > 0) text.append(buf, qsizetype(n));
        std::fclose(m_file);
        return text;
    }

private:
    int m_saved = -1;
    FILE* m_file = nullptr;
};

}  // namespace

class WavePlaybackTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;
    QString nextOutput() {
        // The disk device names its file when it opens.
        CloseSoundDevices();
        const QString path = m_dir.filePath(QString("played-%1.raw").arg(++m_files));
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path));
        return path;
    }
    static QByteArray readAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase();
    void soundIsPlayedInFullAndTheCallLastsItsLength_data();
    void soundIsPlayedInFullAndTheCallLastsItsLength();
    void twoCallsInARowPlayTwoFullSounds();
    void flagsDoNotChangeThatTheCallWaits();
    void missingSoundIsReportedOnceAndNothingPlays();
    void unplayableDataIsSkippedQuicklyAndSilently_data();
    void unplayableDataIsSkippedQuicklyAndSilently();
};

void WavePlaybackTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    qputenv("SDL_AUDIODRIVER", "disk");
}

void WavePlaybackTest::soundIsPlayedInFullAndTheCallLastsItsLength_data() {
    QTest::addColumn<QString>("name");
    for (const char* n : {"FLIP", "ZAP", "START", "CHIMES", "SHUTDOWN", "FLUSH"}) QTest::newRow(n) << QString(n);
}

void WavePlaybackTest::soundIsPlayedInFullAndTheCallLastsItsLength() {
    QFETCH(QString, name);
    const WaveInfo wave = parse(LoadResData(name, "WAVE"));
    const QString output = nextOutput();
    ErrorRecorder recorder;
    QElapsedTimer timer;
    timer.start();
    PlayWaveResource(name);
    const double elapsed = timer.nsecsElapsed() / 1e9;
    QCOMPARE(recorder.count(), 0);
    // The device wrote the sound's own samples, every one of them, in order.
    CloseSoundDevices();
    const QByteArray played = readAll(output);
    QVERIFY2(played.contains(deviceSamples(wave)), qPrintable(QString("%1 of %2 bytes written").arg(played.size()).arg(wave.samples.size())));
    // It blocked for the sound, and not much beyond the device's last buffer.
    QVERIFY2(elapsed >= wave.seconds() - 0.002, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed <= wave.seconds() + 2 * bufferSeconds(wave.rate) + 0.15, qPrintable(QString::number(elapsed)));
    qInfo("%s: %.3f s for a sound of %.3f s", qPrintable(name), elapsed, wave.seconds());
}

void WavePlaybackTest::twoCallsInARowPlayTwoFullSounds() {
    const WaveInfo zap = parse(LoadResData("ZAP", "WAVE"));
    const WaveInfo flip = parse(LoadResData("FLIP", "WAVE"));
    QElapsedTimer timer;
    timer.start();
    const QString first = nextOutput();
    PlayWaveResource("ZAP");
    const QString second = nextOutput();
    PlayWaveResource("FLIP");
    const double elapsed = timer.nsecsElapsed() / 1e9;
    CloseSoundDevices();
    QVERIFY(readAll(first).contains(deviceSamples(zap)));
    QVERIFY(readAll(second).contains(deviceSamples(flip)));
    QVERIFY(elapsed >= zap.seconds() + flip.seconds() - 0.002);
    // The same sound twice: played twice, one after the other.
    timer.restart();
    const QString third = nextOutput();
    PlayWaveResource("FLIP");
    const QString fourth = nextOutput();
    PlayWaveResource("FLIP");
    QVERIFY(timer.nsecsElapsed() / 1e9 >= 2 * flip.seconds() - 0.002);
    CloseSoundDevices();
    QVERIFY(readAll(third).contains(flip.samples));
    QVERIFY(readAll(fourth).contains(flip.samples));
    // Without a pause between them, one device plays both: the second sound
    // follows the first, neither cut short.
    const QString both = nextOutput();
    PlayWaveResource("FLIP");
    PlayWaveResource("ZAP");
    CloseSoundDevices();
    const QByteArray played = readAll(both);
    const qsizetype flipAt = played.indexOf(flip.samples);
    QVERIFY(flipAt >= 0);
    QVERIFY(played.indexOf(deviceSamples(zap), flipAt + flip.samples.size()) >= 0);
}

void WavePlaybackTest::flagsDoNotChangeThatTheCallWaits() {
    const WaveInfo zap = parse(LoadResData("ZAP", "WAVE"));
    for (const quint32 flags : {0u, SoundFlags::Async, SoundFlags::NoDefault, 6u, 0xffffffffu}) {
        const QString output = nextOutput();
        QElapsedTimer timer;
        timer.start();
        PlayWaveResource("ZAP", flags);
        QVERIFY2(timer.nsecsElapsed() / 1e9 >= zap.seconds() - 0.002, qPrintable(QString::number(flags)));
        CloseSoundDevices();
        QVERIFY(readAll(output).contains(deviceSamples(zap)));
    }
}

void WavePlaybackTest::missingSoundIsReportedOnceAndNothingPlays() {
    const QString output = nextOutput();
    ErrorRecorder recorder;
    PlayWaveResource("BEEP");
    QCOMPARE(recorder.count(), 1);
    QCOMPARE(recorder.reports[0].first, ErrorNumbers::ResourceNotFound);
    QVERIFY(!QFile::exists(output));
}

void WavePlaybackTest::unplayableDataIsSkippedQuicklyAndSilently_data() {
    QTest::addColumn<QByteArray>("image");
    const QByteArray good = LoadResData("ZAP", "WAVE");
    QByteArray emptyData = good.left(44);
    qToLittleEndian<quint32>(0, emptyData.data() + 40);
    qToLittleEndian<quint32>(36, emptyData.data() + 4);
    QByteArray badFormat = good;
    qToLittleEndian<quint16>(0x55, badFormat.data() + 20);  // compressed, not PCM
    QByteArray noChannels = good;
    qToLittleEndian<quint16>(0, noChannels.data() + 22);
    QByteArray hugeLength = good.left(44);
    qToLittleEndian<quint32>(0x7ffffff0, hugeLength.data() + 40);
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("not a wave") << QByteArray("this is not a sound at all, just some words");
    QTest::newRow("header cut short") << good.left(30);
    QTest::newRow("empty data chunk") << emptyData;
    QTest::newRow("compressed format") << badFormat;
    QTest::newRow("no channels") << noChannels;
    QTest::newRow("data chunk longer than the file") << hugeLength;
}

void WavePlaybackTest::unplayableDataIsSkippedQuicklyAndSilently() {
    QFETCH(QByteArray, image);
    nextOutput();
    ErrorRecorder recorder;
    StderrCapture capture;
    QElapsedTimer timer;
    timer.start();
    PlayWaveImage(image);
    const double elapsed = timer.nsecsElapsed() / 1e9;
    const QByteArray printed = capture.finish();
    QCOMPARE(recorder.count(), 0);
    QCOMPARE(printed, QByteArray());
    QVERIFY2(elapsed < 0.1, qPrintable(QString::number(elapsed)));
}

QTEST_MAIN(WavePlaybackTest)
#include "test_wave_playback.moc"
