// The pictures are decoded by our own reader for palette bitmaps and icons;
// it must give exactly what Qt's general image readers give.
#include "Resources.h"
#include "TestSupport.h"

#include <QDirIterator>
#include <QImageReader>
#include <QtTest>

namespace {
QImage QtReads(const QString& path, const char* format, int width) {
    QImageReader reader(path, format);
    QImage chosen;
    for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToNextImage()) break;
        const QImage image = reader.read();
        if (!image.isNull() && (chosen.isNull() || image.width() == width)) chosen = image;
    }
    return chosen.convertToFormat(QImage::Format_ARGB32);
}
}  // namespace

class PictureDecodingTest : public QObject {
    Q_OBJECT
private slots:
    void everyFrameAndPictureDecodesAsQtReadsIt() {
        int compared = 0;
        for (const auto& [folder, format, kind, width] :
             {std::tuple{"bitmaps", "bmp", PictureKind::Bitmap, 60}, std::tuple{"icons", "ico", PictureKind::Icon, 32}}) {
            QDirIterator it(QStringLiteral(":/pexora/") + folder);
            while (it.hasNext()) {
                const QString path = it.next();
                const QString name = QFileInfo(path).completeBaseName();
                const QImage ours = LoadResPicture(name, kind).toImage().convertToFormat(QImage::Format_ARGB32);
                QVERIFY2(ours == QtReads(path, format, width), qPrintable(name));
                ++compared;
            }
        }
        QCOMPARE(compared, 55 + 515);
    }
};

QTEST_MAIN(PictureDecodingTest)
#include "test_picture_decoding.moc"
