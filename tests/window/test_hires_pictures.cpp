// The true-colour art that dense screens show: there for every picture, of
// the right kind, recognisably the picture of its own icon, and what a face
// draws above a device pixel ratio of 1 (at 1 the icon, unchanged), on its
// own and on the board as a deal leaves it.

#include "BoardImage.h"
#include "ErrorTrap.h"
#include "GameBoard.h"
#include "Resources.h"
#include "TestSupport.h"

#include <QPainter>
#include <QtTest>

namespace {

const QStringList kPrefixes{"ANIMAL", "BUILDING", "BUSINESS", "COMMUN", "COMPUTER", "CURRENCY", "FLAG",  "FOOD",     "HARDWARE",
                            "HOUSE",  "MUSIC",    "PLANT",    "SCIENCE", "SHAPE",   "SIGN",     "SPORT", "TRANSPORT"};

// An image of size x size on the white tile face: what a face shows.
QImage OnWhite(const QImage& picture, int size, Qt::TransformationMode mode) {
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, picture.scaled(size, size, Qt::IgnoreAspectRatio, mode));
    return out;
}

// Mean colour difference per pixel (0..765), over the pixels opaque in mask.
double Difference(const QImage& a, const QImage& b, const QImage& mask) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (qAlpha(mask.pixel(x, y)) < 128) continue;
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            ++count;
        }
    return count ? sum / count : 765;
}

QImage Icon(const QString& name) { return LoadResPicture(name, PictureKind::Icon).toImage().convertToFormat(QImage::Format_ARGB32); }

}  // namespace

class HiResPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void everyPictureHasTrueColourArtOfItsOwnIcon() {
        for (const QString& prefix : kPrefixes) {
            QList<QImage> icons, reduced;
            for (int n = 1; n <= 30; ++n) {
                const QString name = prefix + QString::number(n);
                const QImage art = LoadHiResPicture(name);
                QVERIFY2(art.format() == QImage::Format_ARGB32 && art.width() >= 128 && art.width() == art.height(), qPrintable(name));
                icons << Icon(name);
                reduced << OnWhite(art, 32, Qt::SmoothTransformation);
            }
            for (int i = 0; i < 30; ++i)
                for (int j = 0; j < 30; ++j)
                    QVERIFY2(i == j || Difference(reduced[i], icons[i], icons[i]) < Difference(reduced[i], icons[j], icons[j]),
                             qPrintable(QStringLiteral("%1%2 is nearer to %1%3").arg(prefix).arg(i + 1).arg(j + 1)));
        }
        for (const char* name : {"ABOUT1", "ABOUT2", "ABOUT3", "ABOUT4", "ABOUT5", "HAND", "TROPHY", "PROGRAM"})
            QVERIFY2(LoadHiResPicture(name).format() == QImage::Format_ARGB32 && LoadHiResPicture(name).width() >= 128, name);
        // A colour pointer with alpha (a bitmap and mask pointer is empty on Wayland), the finger tip at the top left.
        QVERIFY(HandCursor().pixmap().hasAlphaChannel() && HandCursor().hotSpot() == QPoint(0, 0));
    }

    // A face rendered at ratio 2 or 1.5 shows the art smoothly scaled, far
    // nearer to it than to the icon enlarged; at 1 exactly the icon.
    void faceDrawsTheArtOnADenseScreen() {
        BoardImage face(1, QSize(32, 32), BoardImage::Kind::Face, nullptr);
        for (const char* name : {"ANIMAL1", "SHAPE9", "CURRENCY11"}) {
            face.SetPicture(LoadResPicture(name, PictureKind::Icon), name);
            for (const qreal ratio : {1.0, 1.5, 2.0}) {
                const int side = qRound(32 * ratio);
                QImage drawn(side, side, QImage::Format_ARGB32);
                drawn.setDevicePixelRatio(ratio);
                drawn.fill(Qt::white);
                face.render(&drawn);
                drawn.setDevicePixelRatio(1);
                const QImage enlarged = OnWhite(Icon(name), side, Qt::FastTransformation);
                if (ratio == 1) {
                    QCOMPARE(drawn, enlarged);
                    continue;
                }
                const double toArt = Difference(drawn, OnWhite(LoadHiResPicture(name), side, Qt::SmoothTransformation), drawn);
                QVERIFY2(toArt < 2 && toArt * 5 < Difference(drawn, enlarged, drawn), name);
            }
        }
    }

    // The board's own faces after a deal: the art at ratio 2, the icon at 1,
    // whenever the board reads them. A picture missing from the catalogue is
    // reported with the deal and leaves its face blank; so is a missing frame
    // with the load of a colour.
    void boardFacesDrawTheArtOnADenseScreenAndReportAMissingPictureWithTheDeal() {
        QWidget area;
        const GameSettingsRecord options{QStringLiteral("SHAPE"), 2, 1, QStringLiteral("BLUE"), 30};
        GameBoard board(&area, options);
        board.LoadImageArrays();
        board.LoadFacePicture(3, QStringLiteral("SHAPE"), QStringLiteral("9"));
        board.SetFaceVisible(3, true);
        auto* face = Named<BoardImage>(area, QStringLiteral("imgPic3"));
        auto drawn = [&](qreal ratio) {
            const int side = qRound(32 * ratio);
            QImage out(side, side, QImage::Format_ARGB32);
            out.setDevicePixelRatio(ratio);
            out.fill(Qt::white);
            face->render(&out);
            out.setDevicePixelRatio(1);
            return out;
        };
        const QImage dense = drawn(2);
        const double toArt = Difference(dense, OnWhite(LoadHiResPicture("SHAPE9"), 64, Qt::SmoothTransformation), dense);
        QVERIFY2(toArt < 2 && toArt * 5 < Difference(dense, OnWhite(Icon("SHAPE9"), 64, Qt::FastTransformation), dense),
                 qPrintable(QString::number(toArt)));
        QCOMPARE(drawn(1), OnWhite(Icon("SHAPE9"), 32, Qt::FastTransformation));
        QCOMPARE(face->Picture().toImage().convertToFormat(QImage::Format_ARGB32), Icon("SHAPE9"));

        QVERIFY_THROWS_EXCEPTION(RuntimeError, board.LoadFacePicture(3, QStringLiteral("SHAPE"), QStringLiteral("99")));
        QVERIFY(face->Picture().isNull());
        const QImage blank = drawn(2);
        QVERIFY(blank.pixel(32, 32) == qRgb(255, 255, 255) && blank.pixel(10, 50) == qRgb(255, 255, 255));

        ErrorRecorder recorder;
        board.LoadFlipFrames(QStringLiteral("BLUE"));
        QCOMPARE(recorder.count(), 0);
        board.LoadFlipFrames(QStringLiteral("GREY"));
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.reports[0].first, ErrorNumbers::ResourceNotFound);

        // A cell made after the dense screen's hand pointer came (once the
        // window was painted) takes that pointer, not the first one.
        board.SetHandCursor(QCursor(QPixmap(16, 16), 3, 5));
        board.SetFaceVisible(45, true);
        QCOMPARE(Named<BoardImage>(area, QStringLiteral("imgTile45"))->cursor().hotSpot(), QPoint(3, 5));
    }
};

QTEST_MAIN(HiResPicturesTest)
#include "test_hires_pictures.moc"
