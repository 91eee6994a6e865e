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

namespace {

const QStringList kColours{"BLUE", "GREEN", "PURPLE", "RED", "YELLOW"};
const QStringList kPrefixes{"ANIMAL", "BUILDING", "BUSINESS", "COMMUN",  "COMPUTER", "CURRENCY",
                            "FLAG",   "FOOD",     "HARDWARE", "HOUSE",   "MUSIC",    "PLANT",
                            "SCIENCE", "SHAPE",   "SIGN",     "SPORT",   "TRANSPORT"};
const QSet<QString> kTwoImageIcons{"SHAPE7", "SHAPE8", "SHAPE14", "SHAPE24"};

QByteArray rawResource(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// One image of an icon file, as its directory entry and header tell it.
struct IconImage {
    int width, height, bitCount, paletteEntries, headerHeight;
    bool maskHasTransparent;
};

QList<IconImage> parseIco(const QByteArray& b) {
    QList<IconImage> images;
    if (b.size() < 6 || u16(b, 0) != 0 || u16(b, 2) != 1) return images;
    const int count = u16(b, 4);
    for (int i = 0; i < count; ++i) {
        const int e = 6 + 16 * i;
        const int w = quint8(b[e]), h = quint8(b[e + 1]);
        const int offset = int(u32(b, e + 12));
        const int bpp = u16(b, offset + 14);
        const int palette = bpp <= 8 ? 1 << bpp : 0;
        const int xorRow = ((w * bpp + 31) / 32) * 4, andRow = ((w + 31) / 32) * 4;
        const int maskAt = offset + 40 + 4 * palette + xorRow * h;
        bool transparent = false;
        for (int k = 0; k < andRow * h && maskAt + k < b.size(); ++k) transparent |= b[maskAt + k] != 0;
        const bool complete = maskAt + andRow * h <= b.size() && int(u32(b, e + 8)) == 40 + 4 * palette + (xorRow + andRow) * h;
        images.append({w, h, complete ? bpp : -1, palette, int(u32(b, offset + 8)), transparent});
    }
    return images;
}

}  // namespace

class MediaResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void tileFramesAre60x60With16ColoursAndLightGreyOutside();
    void flipFramesShowTheBackTurningAndTheWhiteFace();
    void shrinkFramesGetSmallerTowardsTheCentre();
    void everyTilePictureIsA32x32IconWith16ColoursAndAMask();
    void fourShapesAlsoHoldA16x16ImageButLoadAs32x32();
    void aboutIconsAre32x32With16Colours();
    void picturesNumberedZeroOrThirtyOneDoNotExist();
    void missingResourceIsReportedOnceAsError326();
    void resourceNamesAreNotCaseSensitiveButMustBeWords();
    void soundsHaveTheirRateBitsAndLength_data();
    void soundsHaveTheirRateBitsAndLength();
    void onlyTheWaveTypeHoldsSounds();
    void everyPictureHasADistinctName();
    void windowPicturesHaveTheirSizesAndTransparency();
    void handPointerIsMonochromeWithHotSpotAtTopLeft();
};

void MediaResourcesTest::tileFramesAre60x60With16ColoursAndLightGreyOutside() {
    for (const QString& colour : kColours) {
        for (const QString kind : {"FLIP", "SHRINK"}) {
            for (int n = 1; n <= (kind == "FLIP" ? 6 : 5); ++n) {
                const QString name = colour + kind + QString::number(n);
                const QByteArray b = rawResource(":/pexora/bitmaps/" + name + ".bmp");
                QVERIFY2(b.startsWith("BM") && b.size() > 118, qPrintable(name));
                QCOMPARE(u32(b, 18), 60u);                 // width
                QCOMPARE(u32(b, 22), 60u);                 // height
                QCOMPARE(u16(b, 28), quint16(4));          // bits per pixel
                QCOMPARE(u32(b, 30), 0u);                  // uncompressed
                QCOMPARE(u32(b, 10), 14u + 40u + 16u * 4u);  // a 16-colour palette before the pixels
                const QImage img = LoadResPicture(name, PictureKind::Bitmap).toImage();
                QCOMPARE(img.size(), QSize(60, 60));
                QCOMPARE(QColor(img.pixel(0, 0)), QColor(192, 192, 192));
                QCOMPARE(QColor(img.pixel(59, 59)), QColor(192, 192, 192));
            }
        }
    }
}

void MediaResourcesTest::flipFramesShowTheBackTurningAndTheWhiteFace() {
    const QList<QPair<QColor, QColor>> shades{{QColor(0, 255, 255), QColor(0, 0, 255)},
                                              {QColor(0, 255, 0), QColor(0, 128, 0)},
                                              {QColor(255, 0, 255), QColor(128, 0, 128)},
                                              {QColor(255, 0, 0), QColor(128, 0, 0)},
                                              {QColor(255, 255, 0), QColor(128, 128, 0)}};
    for (int c = 0; c < kColours.size(); ++c) {
        const QImage back = LoadResPicture(kColours[c] + "FLIP1", PictureKind::Bitmap).toImage();
        QCOMPARE(QColor(back.pixel(33, 3)), shades[c].first);   // the face of the back
        QCOMPARE(QColor(back.pixel(3, 30)), shades[c].second);  // the shaded left edge
        QCOMPARE(QColor(back.pixel(30, 56)), shades[c].second); // the shaded bottom edge
        QCOMPARE(QColor(back.pixel(0, 30)), QColor(Qt::black)); // the outline
        const QImage face = LoadResPicture(kColours[c] + "FLIP6", PictureKind::Bitmap).toImage();
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                const bool white = x >= 8 && x <= 58 && y >= 1 && y <= 51;
                if (white != (QColor(face.pixel(x, y)) == QColor(Qt::white)))
                    QFAIL(qPrintable(QString("%1FLIP6 pixel %2,%3").arg(kColours[c]).arg(x).arg(y)));
            }
        QCOMPARE(QColor(face.pixel(7, 20)), QColor(Qt::black));
        QCOMPARE(QColor(face.pixel(3, 30)), shades[c].first);
        QCOMPARE(QColor(face.pixel(30, 56)), shades[c].second);
        // Flips 2 to 5 turn the tile: each narrower than the one before.
        int previous = 61;
        for (int n = 1; n <= 5; ++n) {
            const QImage img = LoadResPicture(kColours[c] + "FLIP" + QString::number(n), PictureKind::Bitmap).toImage();
            int width = 0;
            for (int x = 0; x < 60; ++x) width += QColor(img.pixel(x, 26)) != QColor(192, 192, 192);
            QVERIFY2(width < previous && width > 0, qPrintable(kColours[c] + QString::number(n)));
            previous = width;
        }
        QVERIFY(previous <= 4);  // edge-on
    }
}

void MediaResourcesTest::shrinkFramesGetSmallerTowardsTheCentre() {
    for (const QString& colour : kColours) {
        int previous = 60 * 60;
        for (int n = 1; n <= 5; ++n) {
            const QImage img = LoadResPicture(colour + "SHRINK" + QString::number(n), PictureKind::Bitmap).toImage();
            int area = 0;
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 60; ++x) area += QColor(img.pixel(x, y)) != QColor(192, 192, 192);
            QVERIFY2(area > 0 && area < previous, qPrintable(colour + QString::number(n)));
            QVERIFY(QColor(img.pixel(29, 29)) != QColor(192, 192, 192));  // still around the centre
            previous = area;
        }
        QVERIFY(previous < 60);  // almost nothing
    }
}

void MediaResourcesTest::everyTilePictureIsA32x32IconWith16ColoursAndAMask() {
    int checked = 0;
    for (const QString& prefix : kPrefixes) {
        for (int n = 1; n <= 30; ++n) {
            const QString name = prefix + QString::number(n);
            const QList<IconImage> images = parseIco(rawResource(":/pexora/icons/" + name + ".ico"));
            QCOMPARE(images.size(), kTwoImageIcons.contains(name) ? 2 : 1);
            const IconImage& big = images.last();
            QCOMPARE(big.width, 32);
            QCOMPARE(big.height, 32);
            QCOMPARE(big.headerHeight, 64);  // image and mask
            QCOMPARE(big.bitCount, 4);
            QCOMPARE(big.paletteEntries, 16);
            QVERIFY2(big.maskHasTransparent, qPrintable(name + " has no transparent pixel"));
            const QImage img = LoadResPicture(name, PictureKind::Icon).toImage();
            QCOMPARE(img.size(), QSize(32, 32));
            QVERIFY(img.hasAlphaChannel());
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);  // the corners show the tile face through
            ++checked;
        }
    }
    QCOMPARE(checked, 510);
}

void MediaResourcesTest::fourShapesAlsoHoldA16x16ImageButLoadAs32x32() {
    for (const QString& name : kTwoImageIcons) {
        const QList<IconImage> images = parseIco(rawResource(":/pexora/icons/" + name + ".ico"));
        QCOMPARE(images.size(), 2);
        QCOMPARE(images[0].width, 16);  // stored first: the loader must choose by size
        QCOMPARE(images[0].bitCount, 4);
        QCOMPARE(LoadResPicture(name, PictureKind::Icon).size(), QSize(32, 32));
    }
}

void MediaResourcesTest::aboutIconsAre32x32With16Colours() {
    QSet<QByteArray> distinct;
    for (int n = 1; n <= 5; ++n) {
        const QByteArray b = rawResource(":/pexora/icons/ABOUT" + QByteArray::number(n) + ".ico");
        const QList<IconImage> images = parseIco(b);
        QCOMPARE(images.size(), 1);
        QCOMPARE(images[0].width, 32);
        QCOMPARE(images[0].bitCount, 4);
        QCOMPARE(LoadResPicture("ABOUT" + QString::number(n), PictureKind::Icon).size(), QSize(32, 32));
        distinct.insert(b);
    }
    QCOMPARE(distinct.size(), 5);  // five different steps of the animation
}

void MediaResourcesTest::picturesNumberedZeroOrThirtyOneDoNotExist() {
    for (const QString& prefix : kPrefixes + QStringList{"ABOUT"}) {
        for (const QString& name : {prefix + "0", prefix + "31", prefix + "01"}) {
            bool threw = false;
            try {
                LoadResPicture(name, PictureKind::Icon);
            } catch (const RuntimeError& e) {
                threw = e.Number == ErrorNumbers::ResourceNotFound;
            }
            QVERIFY2(threw, qPrintable(name));
        }
    }
    QVERIFY_THROWS_EXCEPTION(RuntimeError, LoadResPicture("BLUEFLIP7", PictureKind::Bitmap));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, LoadResPicture("BLUESHRINK0", PictureKind::Bitmap));
    // A picture asked for as the wrong kind is not there either.
    QVERIFY_THROWS_EXCEPTION(RuntimeError, LoadResPicture("ANIMAL1", PictureKind::Bitmap));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, LoadResPicture("BLUEFLIP1", PictureKind::Icon));
}

void MediaResourcesTest::missingResourceIsReportedOnceAsError326() {
    ErrorRecorder recorder;
    const bool ok = Trap([] { LoadResPicture("TRANSPORT31", PictureKind::Icon); });
    QVERIFY(!ok);
    QCOMPARE(recorder.count(), 1);
    QCOMPARE(recorder.reports[0].first, 326);
    QVERIFY(recorder.reports[0].second.contains("TRANSPORT31"));
    QCOMPARE(LoadResPicture("TRANSPORT30", PictureKind::Icon).size(), QSize(32, 32));
}

void MediaResourcesTest::resourceNamesAreNotCaseSensitiveButMustBeWords() {
    QCOMPARE(LoadResPicture("greenflip1", PictureKind::Bitmap).size(), QSize(60, 60));
    QCOMPARE(LoadResData("zap", "wave"), LoadResData("ZAP", "WAVE"));
    for (const QString& bad : {QString(), QString("../icons/ANIMAL1"), QString("ANIMAL1.ico"), QString("ANIMAL 1"),
                               QString("/pexora/icons/ANIMAL1"), QString(1000, 'A')}) {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, LoadResPicture(bad, PictureKind::Icon));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, LoadResData(bad, "WAVE"));
    }
}

void MediaResourcesTest::soundsHaveTheirRateBitsAndLength_data() {
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

void MediaResourcesTest::soundsHaveTheirRateBitsAndLength() {
    QFETCH(QString, name);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(double, seconds);
    const QByteArray b = LoadResData(name, "WAVE");
    QVERIFY(b.size() >= 44);
    QCOMPARE(b.left(4), QByteArray("RIFF"));
    QCOMPARE(qint64(u32(b, 4)) + 8, qint64(b.size()));
    QCOMPARE(b.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(u32(b, 16), 16u);
    QCOMPARE(u16(b, 20), quint16(1));  // PCM
    QCOMPARE(u16(b, 22), quint16(1));  // mono
    QCOMPARE(int(u32(b, 24)), rate);
    QCOMPARE(int(u32(b, 28)), rate * bits / 8);
    QCOMPARE(int(u16(b, 32)), bits / 8);
    QCOMPARE(int(u16(b, 34)), bits);
    QCOMPARE(b.mid(36, 4), QByteArray("data"));
    const qint64 frames = u32(b, 40) / (bits / 8);
    QVERIFY(44 + qint64(u32(b, 40)) <= b.size());
    QVERIFY2(std::abs(frames - seconds * rate) <= 1.0, qPrintable(QString::number(frames)));
    // Audible, but quiet enough to be heard a thousand times.
    const QByteArray data = b.mid(44, int(u32(b, 40)));
    double peak = 0;
    for (qint64 i = 0; i < frames; ++i) {
        const double v = bits == 8 ? (quint8(data[i]) - 128) / 128.0 : qFromLittleEndian<qint16>(data.constData() + 2 * i) / 32768.0;
        peak = std::max(peak, std::abs(v));
    }
    QVERIFY2(peak > 0.05 && peak < 0.6, qPrintable(QString::number(peak)));
}

void MediaResourcesTest::onlyTheWaveTypeHoldsSounds() {
    QVERIFY(!LoadResData("FLIP", "WAVE").isEmpty());
    QVERIFY_THROWS_EXCEPTION(RuntimeError, LoadResData("FLIP", "BITMAP"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, LoadResData("ANIMAL1", "WAVE"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, LoadResData("BEEP", "WAVE"));
}

void MediaResourcesTest::everyPictureHasADistinctName() {
    QCOMPARE(PictureName("ANIMAL", 1), QString("Elephant"));
    for (const QString& prefix : kPrefixes) {
        QSet<QString> names;
        for (int n = 1; n <= 30; ++n) {
            const QString name = PictureName(prefix, n);
            QVERIFY2(!name.isEmpty(), qPrintable(prefix + QString::number(n)));
            names.insert(name.toLower());
        }
        QCOMPARE(names.size(), 30);
        QVERIFY(PictureName(prefix, 0).isEmpty());
        QVERIFY(PictureName(prefix, 31).isEmpty());
    }
    QVERIFY(PictureName("ABOUT", 1).isEmpty());
    QVERIFY(PictureName("", 1).isEmpty());
}

void MediaResourcesTest::windowPicturesHaveTheirSizesAndTransparency() {
    QVERIFY(ProgramIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(parseIco(rawResource(":/pexora/window/program.ico")).value(0).bitCount, 4);
    QCOMPARE(TrophyPicture().size(), QSize(32, 32));
    QCOMPARE(parseIco(rawResource(":/pexora/window/trophy.ico")).value(0).bitCount, 4);
    QSet<QByteArray> distinct;
    for (const QString key : {"New", "Scores", "Boards", "Colors", "Images", "Levels", "Players", "Sounds", "About", "Exit"}) {
        const QImage img = ToolbarPicture(key).toImage();
        QCOMPARE(img.size(), QSize(16, 15));
        bool seeThrough = false, drawn = false;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb c = img.pixel(x, y);
                seeThrough |= qAlpha(c) == 0;
                drawn |= qAlpha(c) == 255;
                QVERIFY(qAlpha(c) == 0 || (c & 0xffffff) != 0xc0c0c0);  // no light grey left
            }
        QVERIFY2(seeThrough && drawn, qPrintable(key));
        distinct.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())));
    }
    QCOMPARE(distinct.size(), 10);
    QVERIFY(ToolbarPicture("new").isNull());  // keys are compared exactly
    QVERIFY(ToolbarPicture("Help").isNull());
}

void MediaResourcesTest::handPointerIsMonochromeWithHotSpotAtTopLeft() {
    const QList<IconImage> images = parseIco(rawResource(":/pexora/window/hand.ico"));
    QCOMPARE(images.size(), 1);
    QCOMPARE(images[0].width, 32);
    QCOMPARE(images[0].bitCount, 1);
    const QCursor cursor = HandCursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(0, 0));
    const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_Mono);
    QCOMPARE(mask.size(), QSize(32, 32));
    // The finger tip is drawn at the hot spot; the far corner is see-through.
    QVERIFY(mask.pixelIndex(0, 0) != mask.pixelIndex(31, 31));
}

QTEST_MAIN(MediaResourcesTest)
#include "test_media_resources.moc"
