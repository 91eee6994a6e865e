// Reads every embedded picture, frame and sound back and checks it is what
// the game's windows expect: names, kinds, sizes, colour depth, masks and the
// sound formats. Links only pexora_media, so it also proves the resources
// reach a program through the static library.

#include "ErrorTrap.h"
#include "Resources.h"
#include "TestSupport.h"

#include <QBitmap>
#include <QFile>
#include <QSet>
#include <QtEndian>
#include <QtTest>

#include <functional>

namespace {

const QStringList kPrefixes{"ANIMAL", "BUILDING", "BUSINESS", "COMMUN", "COMPUTER", "CURRENCY", "FLAG",  "FOOD",     "HARDWARE",
                            "HOUSE",  "MUSIC",    "PLANT",    "SCIENCE", "SHAPE",   "SIGN",     "SPORT", "TRANSPORT"};
const QColor kGrey(192, 192, 192);

QByteArray rawResource(const QString& path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }
quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// One image of an icon file, as its directory entry and header tell it;
// bitCount is -1 when the sizes of image and mask do not add up.
struct IconImage { int width, height, bitCount, paletteEntries, headerHeight; bool maskHasTransparent; };

QList<IconImage> parseIco(const QByteArray& b) {
    QList<IconImage> images;
    if (b.size() < 6 || u16(b, 0) != 0 || u16(b, 2) != 1) return images;
    for (int i = 0; i < u16(b, 4); ++i) {
        const int e = 6 + 16 * i, w = quint8(b[e]), h = quint8(b[e + 1]), offset = int(u32(b, e + 12));
        const int bpp = u16(b, offset + 14), palette = u32(b, offset + 32) ? int(u32(b, offset + 32)) : bpp <= 8 ? 1 << bpp : 0;
        const int xorRow = ((w * bpp + 31) / 32) * 4, andRow = ((w + 31) / 32) * 4;
        const int maskAt = offset + 40 + 4 * palette + xorRow * h;
        bool transparent = false;
        for (int k = 0; k < andRow * h && maskAt + k < b.size(); ++k) transparent |= b[maskAt + k] != 0;
        const bool complete = maskAt + andRow * h <= b.size() && int(u32(b, e + 8)) == 40 + 4 * palette + (xorRow + andRow) * h;
        images.append({w, h, complete ? bpp : -1, palette, int(u32(b, offset + 8)), transparent});
    }
    return images;
}

QImage frame(const QString& name) { return LoadResPicture(name, PictureKind::Bitmap).toImage(); }
int drawnPixels(const QImage& img, int row = -1) {
    int count = 0;
    for (int y = row < 0 ? 0 : row; y <= (row < 0 ? 59 : row); ++y)
        for (int x = 0; x < 60; ++x) count += QColor(img.pixel(x, y)) != kGrey;
    return count;
}

// The error number a call raises, 0 if none.
int raised(const std::function<void()>& call) { try { call(); } catch (const RuntimeError& e) { return e.Number; } return 0; }

}  // namespace

class MediaResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void tileFramesHaveTheirColoursShapesAndFormat_data() {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("shade");
        QTest::newRow("BLUE") << "BLUE" << QColor(0, 255, 255) << QColor(0, 0, 255);
        QTest::newRow("GREEN") << "GREEN" << QColor(0, 255, 0) << QColor(0, 128, 0);
        QTest::newRow("PURPLE") << "PURPLE" << QColor(255, 0, 255) << QColor(128, 0, 128);
        QTest::newRow("RED") << "RED" << QColor(255, 0, 0) << QColor(128, 0, 0);
        QTest::newRow("YELLOW") << "YELLOW" << QColor(255, 255, 0) << QColor(128, 128, 0);
    }
    void tileFramesHaveTheirColoursShapesAndFormat() {
        QFETCH(QString, colour);
        QFETCH(QColor, face);
        QFETCH(QColor, shade);
        int previousWidth = 61, previousArea = 3600;
        for (int n = 1; n <= 11; ++n) {
            const QString name = colour + (n <= 6 ? QStringLiteral("FLIP%1").arg(n) : QStringLiteral("SHRINK%1").arg(n - 6));
            const QByteArray b = rawResource(":/pexora/bitmaps/" + name + ".bmp");
            QVERIFY2(b.startsWith("BM") && b.size() > 118, qPrintable(name));
            // 60 x 60, 4 bits per pixel, uncompressed, a 16-colour palette before the pixels.
            QCOMPARE((QList<quint32>{u32(b, 18), u32(b, 22), u16(b, 28), u32(b, 30), u32(b, 10)}),
                     (QList<quint32>{60, 60, 4, 0, 14 + 40 + 16 * 4}));
            const QImage img = frame(name);
            QCOMPARE(img.size(), QSize(60, 60));
            QCOMPARE(QColor(img.pixel(0, 0)), kGrey);
            QCOMPARE(QColor(img.pixel(59, 59)), kGrey);
            if (n <= 5) {  // the back turning, each narrower; edge-on at 5
                const int width = drawnPixels(img, 26);
                QVERIFY2(width > 0 && width < previousWidth && (n < 5 || width <= 4), qPrintable(name));
                previousWidth = width;
            } else if (n >= 7) {  // the face shrinking to its centre, almost nothing at 5
                const int area = drawnPixels(img);
                QVERIFY2(area > 0 && area < previousArea && (n < 11 || area < 60), qPrintable(name));
                QVERIFY(QColor(img.pixel(29, 29)) != kGrey);
                previousArea = area;
            }
        }
        const QImage back = frame(colour + "FLIP1");
        QCOMPARE(QColor(back.pixel(33, 3)), face);
        QCOMPARE(QColor(back.pixel(3, 30)), shade);   // the shaded left edge
        QCOMPARE(QColor(back.pixel(30, 56)), shade);  // the shaded bottom edge
        QCOMPARE(QColor(back.pixel(0, 30)), QColor(Qt::black));
        const QImage up = frame(colour + "FLIP6");
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                if ((x >= 8 && x <= 58 && y >= 1 && y <= 51) != (QColor(up.pixel(x, y)) == QColor(Qt::white)))
                    QFAIL(qPrintable(QStringLiteral("%1FLIP6 pixel %2,%3").arg(colour).arg(x).arg(y)));
        QCOMPARE(QColor(up.pixel(7, 20)), QColor(Qt::black));
        QCOMPARE(QColor(up.pixel(3, 30)), face);
        QCOMPARE(QColor(up.pixel(30, 56)), shade);
    }

    // ... and each carries a name of its own within its category, for screen readers.
    void everyPictureIsA32x32IconWith16ColoursAMaskAndAName() {
        const QSet<QString> twoImages{"SHAPE7", "SHAPE8", "SHAPE14", "SHAPE24"};
        QStringList names;
        QSet<QString> spoken;
        for (const QString& prefix : kPrefixes) {
            for (int n = 1; n <= 30; ++n) {
                names << prefix + QString::number(n);
                spoken.insert(prefix + ':' + PictureName(prefix, n).toLower());
            }
            QVERIFY(PictureName(prefix, 0).isEmpty() && PictureName(prefix, 31).isEmpty());
            QVERIFY2(!spoken.contains(prefix + ':'), qPrintable(prefix));
        }
        QCOMPARE(spoken.size(), 510);
        for (int n = 1; n <= 5; ++n) names << QStringLiteral("ABOUT%1").arg(n);
        QSet<QByteArray> aboutFrames;
        for (const QString& name : names) {
            const QByteArray file = rawResource(":/pexora/icons/" + name + ".ico");
            const QList<IconImage> images = parseIco(file);
            QVERIFY2(images.size() == (twoImages.contains(name) ? 2 : 1), qPrintable(name));
            if (images.size() == 2)  // the 16 x 16 image is stored first: the loader must choose by size
                QVERIFY2(images[0].width == 16 && images[0].height == 16 && images[0].bitCount == 4, qPrintable(name));
            const IconImage& big = images.last();
            QVERIFY2(big.width == 32 && big.height == 32 && big.headerHeight == 64, qPrintable(name));  // image and mask
            QVERIFY2(big.bitCount == 4 && big.paletteEntries == 16, qPrintable(name));
            const QImage img = LoadResPicture(name, PictureKind::Icon).toImage();
            QCOMPARE(img.size(), QSize(32, 32));
            if (name.startsWith("ABOUT")) {
                aboutFrames.insert(file);
                continue;
            }
            QVERIFY2(big.maskHasTransparent, qPrintable(name + " has no transparent pixel"));
            QVERIFY(img.hasAlphaChannel());
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);  // the corners show the tile face through
        }
        QCOMPARE(aboutFrames.size(), 5);  // five different steps of the animation
    }

    void onlyExistingNamesAndKindsLoad() {
        const auto icon = [](const QString& name) { return raised([&] { LoadResPicture(name, PictureKind::Icon); }); };
        const auto wave = [](const QString& name, const char* type) { return raised([&] { LoadResData(name, type); }); };
        for (const QString& prefix : kPrefixes + QStringList{"ABOUT"})
            for (const QString& name : {prefix + "0", prefix + "31", prefix + "01"})
                QVERIFY2(icon(name) == ErrorNumbers::ResourceNotFound, qPrintable(name));
        for (const char* name : {"BLUEFLIP7", "BLUESHRINK0", "ANIMAL1"})  // the last is an icon, not a bitmap
            QVERIFY(raised([&] { LoadResPicture(name, PictureKind::Bitmap); }) != 0);
        QVERIFY(icon("BLUEFLIP1") && wave("FLIP", "BITMAP") && wave("ANIMAL1", "WAVE") && wave("BEEP", "WAVE"));
        // Names are not case-sensitive, but they are words, never paths.
        QCOMPARE(LoadResPicture("greenflip1", PictureKind::Bitmap).size(), QSize(60, 60));
        QCOMPARE(LoadResData("zap", "wave"), LoadResData("ZAP", "WAVE"));
        for (const QString& bad : {QString(), QString("../icons/ANIMAL1"), QString("ANIMAL1.ico"), QString("ANIMAL 1"),
                                   QString("/pexora/icons/ANIMAL1"), QString(1000, 'A')})
            QVERIFY2(icon(bad) && wave(bad, "WAVE"), qPrintable(bad));
        // Through the error trap a missing picture is reported once, with its name.
        ErrorRecorder recorder;
        QVERIFY(!Trap([] { LoadResPicture("TRANSPORT31", PictureKind::Icon); }));
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.reports[0].first, 326);
        QVERIFY(recorder.reports[0].second.contains("TRANSPORT31"));
    }

    void soundsHaveTheirRateBitsAndLength_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("seconds");
        QTest::newRow("CHIMES") << "CHIMES" << 22050 << 16 << 1.69;
        QTest::newRow("FLIP") << "FLIP" << 22050 << 16 << 0.05;
        QTest::newRow("FLUSH") << "FLUSH" << 22050 << 8 << 2.07;
        QTest::newRow("SHUTDOWN") << "SHUTDOWN" << 22050 << 8 << 1.94;
        QTest::newRow("START") << "START" << 22050 << 8 << 1.48;
        QTest::newRow("ZAP") << "ZAP" << 11025 << 8 << 0.16;
    }
    void soundsHaveTheirRateBitsAndLength() {
        QFETCH(QString, name);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(double, seconds);
        const QByteArray b = LoadResData(name, "WAVE");
        QVERIFY(b.size() >= 44);
        QCOMPARE(b.left(4) + b.mid(8, 8) + b.mid(36, 4), QByteArray("RIFFWAVEfmt data"));
        QCOMPARE(qint64(u32(b, 4)) + 8, qint64(b.size()));
        // fmt chunk size, PCM, mono, rate, bytes per second, block align, bits
        QCOMPARE((QList<int>{int(u32(b, 16)), u16(b, 20), u16(b, 22), int(u32(b, 24)), int(u32(b, 28)), u16(b, 32), u16(b, 34)}),
                 (QList<int>{16, 1, 1, rate, rate * bits / 8, bits / 8, bits}));
        const qint64 frames = u32(b, 40) / (bits / 8);
        QVERIFY(44 + qint64(u32(b, 40)) <= b.size());
        QVERIFY2(std::abs(frames - seconds * rate) <= 1.0, qPrintable(QString::number(frames)));
        // Audible, but quiet enough to be heard a thousand times.
        double peak = 0;
        for (qint64 i = 0; i < frames; ++i)
            peak = std::max(peak, std::abs(bits == 8 ? (quint8(b[44 + i]) - 128) / 128.0
                                                     : qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i) / 32768.0));
        QVERIFY2(peak > 0.05 && peak < 0.6, qPrintable(QString::number(peak)));
    }

    void windowPicturesHaveTheirSizesAndTransparency() {
        QVERIFY(ProgramIcon().availableSizes().contains(QSize(32, 32)));
        QCOMPARE(TrophyPicture().size(), QSize(32, 32));
        for (const char* file : {"program", "trophy"})
            QCOMPARE(parseIco(rawResource(QStringLiteral(":/pexora/window/%1.ico").arg(file))).value(0).bitCount, 4);
        QList<QImage> distinct;
        for (const QString key : {"New", "Scores", "Boards", "Colors", "Images", "Levels", "Players", "Sounds", "About", "Exit"}) {
            const QImage img = ToolbarPicture(key).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(img.size(), QSize(16, 15));
            QSet<int> alphas;
            for (int y = 0; y < 15; ++y)
                for (int x = 0; x < 16; ++x) {
                    alphas.insert(qAlpha(img.pixel(x, y)));
                    QVERIFY(qAlpha(img.pixel(x, y)) == 0 || (img.pixel(x, y) & 0xffffff) != 0xc0c0c0);  // no light grey left
                }
            QVERIFY2(alphas.contains(0) && alphas.contains(255), qPrintable(key));
            QVERIFY2(!distinct.contains(img), qPrintable(key));
            distinct << img;
        }
        QVERIFY(ToolbarPicture("new").isNull() && ToolbarPicture("Help").isNull());  // keys are compared exactly

        // The hand pointer: monochrome, hot spot at the finger tip in the top-left corner.
        const QList<IconImage> hand = parseIco(rawResource(":/pexora/window/hand.ico"));
        QVERIFY(hand.size() == 1 && hand[0].width == 32 && hand[0].bitCount == 1);
        QCOMPARE(HandCursor().shape(), Qt::BitmapCursor);
        QCOMPARE(HandCursor().hotSpot(), QPoint(0, 0));
        const QImage mask = HandCursor().mask().toImage().convertToFormat(QImage::Format_Mono);
        QCOMPARE(mask.size(), QSize(32, 32));
        QVERIFY(mask.pixelIndex(0, 0) != mask.pixelIndex(31, 31));
    }
};

QTEST_MAIN(MediaResourcesTest)
#include "test_media_resources.moc"
