// A long run of sounds through the real SDL player (SDL's "dummy" driver,
// which takes the samples in real time and plays them nowhere) hands back
// what each sound took: the heap in use after some hundreds of short sounds,
// played back to back and with the device closed between them as a quiet
// game closes it, is what it was after the first few.

#include "Sound.h"

#include <QtEndian>
#include <QtTest>

#include <cstddef>
#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator keeps the heap; this is how it counts what is in use.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

// Bytes the program holds from the allocator right now.
qint64 HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 heap = mallinfo2();
    return qint64(heap.uordblks + heap.hblkhd);
#endif
}

// A RIFF WAVE image of 20 ms of a square tone in the format of the game's
// shortest sound (11025 Hz, 8-bit, mono), which the player converts.
QByteArray ShortTone() {
    constexpr int rate = 11025;
    constexpr int samples = rate / 50;
    QByteArray b(44 + samples, '\0');
    char* p = b.data();
    memcpy(p, "RIFF", 4);
    qToLittleEndian<quint32>(quint32(b.size() - 8), p + 4);
    memcpy(p + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, p + 16);
    qToLittleEndian<quint16>(1, p + 20);  // PCM
    qToLittleEndian<quint16>(1, p + 22);  // mono
    qToLittleEndian<quint32>(rate, p + 24);
    qToLittleEndian<quint32>(rate, p + 28);
    qToLittleEndian<quint16>(1, p + 32);
    qToLittleEndian<quint16>(8, p + 34);
    memcpy(p + 36, "data", 4);
    qToLittleEndian<quint32>(samples, p + 40);
    for (int i = 0; i < samples; ++i) p[44 + i] = char(i % 20 < 10 ? 0xa0 : 0x60);
    return b;
}

}  // namespace

class WaveMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    void soundsPlayedForLongLeaveTheHeapAsItWas_data() {
        QTest::addColumn<bool>("closeBetween");
        QTest::newRow("device kept open") << false;
        QTest::newRow("device closed after each sound") << true;
    }
    void soundsPlayedForLongLeaveTheHeapAsItWas() {
        QFETCH(bool, closeBetween);
        const QByteArray tone = ShortTone();
        auto play = [&](int times) {
            for (int i = 0; i < times; ++i) {
                SoundPlayer::PlayImage(tone);
                if (closeBetween) CloseSoundDevices();
            }
        };
        play(10);  // what the first sounds start once (SDL, its driver, the resources)
        const qint64 before = HeapInUse();
        play(300);
        const qint64 grown = HeapInUse() - before;
        CloseSoundDevices();
        // The tone is 220 bytes and 440 once converted: a copy kept for each
        // sound would be 66 kB at least.
        QVERIFY2(grown < 16 * 1024, qPrintable(QStringLiteral("%1 bytes more after 300 sounds").arg(grown)));
    }
};

QTEST_GUILESS_MAIN(WaveMemoryTest)
#include "test_wave_memory.moc"
