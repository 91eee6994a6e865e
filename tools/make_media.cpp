// Draws every picture of the game and writes it under media/:
//   bitmaps/<COLOUR>FLIP1..6.bmp, <COLOUR>SHRINK1..5.bmp  the tile frames
//   icons/<PREFIX>1..30.ico, ABOUT1..5.ico                 the tile pictures
//   window/...                                             icon, pointer, toolbar, trophy
//   hires/<NAME>.png                                       128 x 128 true-colour art of every
//                                                          picture, ABOUT1..5, HAND, TROPHY, PROGRAM
// and, with --sheet FILE, a contact sheet of all of them read back from the
// written files. Run with QT_QPA_PLATFORM=offscreen. The output depends only
// on this program, media/catalogue/pictures.tsv and the installed fonts, so a
// second run rewrites nothing.

#include "ImageFiles.h"
#include "Pictures.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {

int gFailures = 0;

void fail(const QString& message) {
    std::fprintf(stderr, "make_media: %s\n", qPrintable(message));
    ++gFailures;
}

void write(const QString& path, const QByteArray& bytes) {
    if (!WriteFileIfChanged(path, bytes)) fail(QStringLiteral("cannot write %1").arg(path));
}

// The high-resolution art for dense screens: the same drawing as the icon,
// fitted into 128 x 128, kept in true colour with its alpha channel.
constexpr int kHiRes = 128;

void writeHiRes(const QString& dir, const QString& name, const QImage& art) {
    if (art.size() != QSize(kHiRes, kHiRes) || !art.hasAlphaChannel()) fail(name + QStringLiteral(": art is not 128 x 128 with alpha"));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!art.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG", 0)) fail(QStringLiteral("cannot encode %1").arg(name));
    write(dir + QStringLiteral("/hires/%1.png").arg(name), bytes);
}

// ---------------------------------------------------------------- tile frames

struct TileColour {
    const char* word;
    QRgb light;
    QRgb dark;
};

const TileColour kColours[] = {
    {"BLUE", qRgb(0, 255, 255), qRgb(0, 0, 255)},
    {"GREEN", qRgb(0, 255, 0), qRgb(0, 128, 0)},
    {"PURPLE", qRgb(255, 0, 255), qRgb(128, 0, 128)},
    {"RED", qRgb(255, 0, 0), qRgb(128, 0, 0)},
    {"YELLOW", qRgb(255, 255, 0), qRgb(128, 128, 0)},
};

const QRgb kGrey = qRgb(192, 192, 192);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// A tile seen from the front: its face [fl..fr] x [ft..fb] (outline
// included) and its thickness showing at the left and bottom, dx pixels
// across and dy down. Face pixels inside the outline get `face`, the left
// side `left`, the bottom side `bottom`; the outline and the edges between
// the parts are black; everything else is left as it is.
struct TileShape {
    int fl, ft, fr, fb, dx, dy;
};

void drawTile(QImage& img, const TileShape& t, QRgb face, QRgb left, QRgb bottom, QRgb inset = 0) {
    const int w = img.width(), h = img.height();
    auto inFace = [&](int x, int y) { return x >= t.fl && x <= t.fr && y >= t.ft && y <= t.fb; };
    auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return false;
        for (int s = 0; s <= t.dy; ++s) {
            const int sx = t.dy ? (s * t.dx + t.dy / 2) / t.dy : 0;
            if (inFace(x + sx, y - s)) return true;
        }
        return false;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!inside(x, y)) continue;
            QRgb c;
            const bool border = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (border) {
                c = kBlack;
            } else if (inFace(x, y)) {
                const bool faceEdge = x == t.fl || x == t.fr || y == t.ft || y == t.fb;
                c = faceEdge ? kBlack : face;
                // A thin inset frame on the back of the tile.
                if (!faceEdge && inset && t.fr - t.fl > 12) {
                    const int m = std::max(3, (t.fr - t.fl) / 8);
                    const bool onInset = (x == t.fl + m || x == t.fr - m) && y >= t.ft + m && y <= t.fb - m;
                    const bool onInsetH = (y == t.ft + m || y == t.fb - m) && x >= t.fl + m && x <= t.fr - m;
                    if (onInset || onInsetH) c = inset;
                }
            } else if (x < t.fl && y > t.fb) {
                // The lower left corner: the edge between the two sides runs diagonally.
                const int ax = (t.fl - x) * t.dy, ay = (y - t.fb) * std::max(1, t.dx);
                c = ax == ay ? kBlack : (ax > ay ? left : bottom);
            } else {
                c = x < t.fl ? left : bottom;
            }
            img.setPixel(x, y, c);
        }
    }
}

QImage greyFrame() {
    QImage img(60, 60, QImage::Format_RGB32);
    img.fill(kGrey);
    return img;
}

// The full tile: face 7..59 x 0..52, so the white of the turned tile lies at
// pixels 8..58 across and 1..51 down; thickness 7 to the left and below.
constexpr TileShape kFullTile{7, 0, 59, 52, 7, 7};

TileShape narrowed(double scale) {
    const int full = kFullTile.fr - kFullTile.fl + 1;
    const int width = std::max(3, int(std::lround(full * scale)));
    const int centre = (kFullTile.fl + kFullTile.fr + 1) / 2;
    TileShape t = kFullTile;
    t.fl = centre - width / 2;
    t.fr = t.fl + width - 1;
    t.dx = int(std::lround(kFullTile.dx * scale));
    return t;
}

TileShape shrunk(double scale) {
    const int face = std::max(2, int(std::lround(53 * scale)));
    const int depth = int(std::lround(7 * scale));
    const int box = face + depth;
    const int left = (60 - box) / 2, top = (60 - box) / 2;
    return TileShape{left + depth, top, left + depth + face - 1, top + face - 1, depth, depth};
}

void makeFrames(const QString& dir) {
    for (const auto& colour : kColours) {
        const QString word = QString::fromLatin1(colour.word);
        auto save = [&](const QString& name, const QImage& img) {
            IndexedPicture p;
            if (!ToExactPalette(img, StandardPalette(), p)) fail(name + QStringLiteral(": colour outside the palette"));
            write(dir + QStringLiteral("/bitmaps/%1.bmp").arg(name), EncodeBmp(p));
        };
        // Flip 1 the back; 2..4 the back turning away, narrower each time; 5 edge-on; 6 the face.
        const double turn[] = {1.0, 0.72, 0.46, 0.22, 0.0};
        for (int n = 1; n <= 5; ++n) {
            QImage img = greyFrame();
            if (n < 5)
                drawTile(img, narrowed(turn[n - 1]), colour.light, colour.dark, colour.dark, n == 1 ? colour.dark : 0);
            else
                drawTile(img, narrowed(0.0), colour.dark, colour.dark, colour.dark);
            save(word + QStringLiteral("FLIP%1").arg(n), img);
        }
        QImage faceUp = greyFrame();
        drawTile(faceUp, kFullTile, kWhite, colour.light, colour.dark);
        save(word + QStringLiteral("FLIP6"), faceUp);
        // Shrink 1..5: the turned tile shrinking to its centre.
        const double shrink[] = {0.8, 0.6, 0.4, 0.22, 0.07};
        for (int n = 1; n <= 5; ++n) {
            QImage img = greyFrame();
            drawTile(img, shrunk(shrink[n - 1]), kWhite, colour.light, colour.dark);
            save(word + QStringLiteral("SHRINK%1").arg(n), img);
        }
    }
}

// ------------------------------------------------------------ tile pictures

void makePictures(const QString& dir, const QList<PictureEntry>& entries, bool verbose) {
    for (const auto& e : entries) {
        QString problem;
        const QImage big = RenderPicture(e, &problem);
        if (!problem.isEmpty()) fail(QStringLiteral("%1%2: %3").arg(e.prefix).arg(e.number).arg(problem));
        QList<IndexedPicture> images;
        const bool crop = e.kind != QLatin1String("shape");
        QImage picture = FitPicture(big, 32, crop);
        QImage art = FitPicture(big, kHiRes, crop);
        if (OutlineIfPale(picture)) {
            AddOutline(art, kHiRes / 32);
            if (verbose) std::printf("outlined %s%d %s\n", qPrintable(e.prefix), e.number, qPrintable(e.name));
        }
        writeHiRes(dir, e.prefix + QString::number(e.number), art);
        // Four shapes also carry a 16 x 16 image, stored first: the game
        // must pick the 32 x 32 one by its size.
        if (e.prefix == QLatin1String("SHAPE") && (e.number == 7 || e.number == 8 || e.number == 14 || e.number == 24))
            images.append(QuantiseIcon(FitPicture(big, 16, false)));
        images.append(QuantiseIcon(picture));
        write(dir + QStringLiteral("/icons/%1%2.ico").arg(e.prefix).arg(e.number), EncodeIco(images));
    }
}

// ------------------------------------------------------- window pictures

void makeWindowPictures(const QString& dir) {
    for (int n = 1; n <= 5; ++n) {
        write(dir + QStringLiteral("/icons/ABOUT%1.ico").arg(n), EncodeIco({QuantiseIcon(FitPicture(DrawAboutFrame(n), 32, false))}));
        writeHiRes(dir, QStringLiteral("ABOUT%1").arg(n), FitPicture(DrawAboutFrame(n), kHiRes, false));
    }
    write(dir + QStringLiteral("/window/program.ico"), EncodeIco({QuantiseIcon(FitPicture(DrawProgramIcon(), 32, false))}));
    writeHiRes(dir, QStringLiteral("PROGRAM"), FitPicture(DrawProgramIcon(), kHiRes, false));
    QString problem;
    const QImage trophy = RenderPicture(PictureEntry{QStringLiteral("TROPHY"), 0, QStringLiteral("Trophy"), QStringLiteral("emoji"), QStringLiteral("🏆")}, &problem);
    if (!problem.isEmpty()) fail(problem);
    write(dir + QStringLiteral("/window/trophy.ico"), EncodeIco({QuantiseIcon(FitPicture(trophy, 32, true))}));
    writeHiRes(dir, QStringLiteral("TROPHY"), FitPicture(trophy, kHiRes, true));
    write(dir + QStringLiteral("/window/hand.ico"), EncodeIco({HandPointer()}));
    writeHiRes(dir, QStringLiteral("HAND"), HandPointerArt());
    for (const QString& key : ToolbarKeys()) {
        const QImage img = DrawToolbarPicture(key);
        IndexedPicture p;
        if (img.size() != QSize(16, 15) || !ToExactPalette(img, StandardPalette(), p))
            fail(QStringLiteral("toolbar %1: wrong size or colour outside the palette").arg(key));
        write(dir + QStringLiteral("/window/toolbar-%1.bmp").arg(key.toLower()), EncodeBmp(p));
    }
}

// ------------------------------------------------------------ contact sheet

QImage readBack(const QString& path, int size) {
    QImageReader reader(path);
    QImage best;
    for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToNextImage()) break;
        const QImage img = reader.read();
        if (img.width() == size || best.isNull()) best = img;
    }
    if (best.isNull()) fail(QStringLiteral("cannot read back %1").arg(path));
    return best;
}

void makeSheet(const QString& dir, const QList<PictureEntry>& entries, const QString& sheetPath) {
    const int zoom = 2, cell = 62 * zoom, label = 150;
    const int rows = 17 + 5 + 1;  // categories, frames per colour, window pictures
    QImage sheet(label + 30 * cell, rows * cell + 10, QImage::Format_RGB32);
    sheet.fill(kGrey);
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(18);
    p.setFont(font);
    p.setPen(Qt::black);
    const QImage face = readBack(dir + QStringLiteral("/bitmaps/BLUEFLIP6.bmp"), 60);
    int row = 0;
    QString prefix;
    for (const auto& e : entries) {
        if (e.prefix != prefix) {
            if (!prefix.isEmpty()) ++row;
            prefix = e.prefix;
            p.drawText(QRect(4, row * cell, label - 8, cell), Qt::AlignVCenter, prefix);
        }
        const QPoint at(label + (e.number - 1) * cell, row * cell + 2);
        p.drawImage(QRect(at, QSize(60 * zoom, 60 * zoom)), face);
        const QImage pic = readBack(dir + QStringLiteral("/icons/%1%2.ico").arg(e.prefix).arg(e.number), 32);
        p.drawImage(QRect(at + QPoint(17 * zoom, 12 * zoom), QSize(32 * zoom, 32 * zoom)), pic);
    }
    for (const auto& colour : kColours) {
        ++row;
        const QString word = QString::fromLatin1(colour.word);
        p.drawText(QRect(4, row * cell, label - 8, cell), Qt::AlignVCenter, word);
        int col = 0;
        for (const QString& kind : {QStringLiteral("FLIP"), QStringLiteral("SHRINK")})
            for (int n = 1; n <= (kind == QLatin1String("FLIP") ? 6 : 5); ++n)
                p.drawImage(QRect(label + (col++) * cell, row * cell + 2, 60 * zoom, 60 * zoom),
                            readBack(dir + QStringLiteral("/bitmaps/%1%2%3.bmp").arg(word, kind).arg(n), 60));
    }
    ++row;
    p.drawText(QRect(4, row * cell, label - 8, cell), Qt::AlignVCenter, QStringLiteral("WINDOW"));
    int col = 0;
    auto put = [&](const QImage& img) {
        p.drawImage(QRect(label + (col++) * cell, row * cell + 2, img.width() * zoom, img.height() * zoom), img);
    };
    for (int n = 1; n <= 5; ++n) put(readBack(dir + QStringLiteral("/icons/ABOUT%1.ico").arg(n), 32));
    put(readBack(dir + QStringLiteral("/window/program.ico"), 32));
    put(readBack(dir + QStringLiteral("/window/trophy.ico"), 32));
    put(readBack(dir + QStringLiteral("/window/hand.ico"), 32));
    for (const QString& key : ToolbarKeys()) put(readBack(dir + QStringLiteral("/window/toolbar-%1.bmp").arg(key.toLower()), 16));
    for (const int n : {7, 8, 14, 24}) put(readBack(dir + QStringLiteral("/icons/SHAPE%1.ico").arg(n), 16));
    p.end();
    if (!sheet.save(sheetPath, "PNG")) fail(QStringLiteral("cannot write %1").arg(sheetPath));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the game's pictures into the media folder."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("media"), QStringLiteral("the media folder of the source tree"));
    QCommandLineOption sheetOption(QStringLiteral("sheet"), QStringLiteral("also write a contact sheet PNG"), QStringLiteral("file"));
    parser.addOption(sheetOption);
    QCommandLineOption verboseOption(QStringLiteral("verbose"), QStringLiteral("tell which pictures were outlined"));
    parser.addOption(verboseOption);
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);
    const QString dir = parser.positionalArguments().first();

    if (QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf")) < 0)
        fail(QStringLiteral("Noto Color Emoji is not installed (Debian package fonts-noto-color-emoji)"));
    QString error;
    const QList<PictureEntry> entries = ReadPictureTable(dir + QStringLiteral("/catalogue/pictures.tsv"), &error);
    if (!error.isEmpty()) fail(error);

    for (const char* sub : {"bitmaps", "icons", "window", "hires"}) QDir(dir).mkpath(QString::fromLatin1(sub));
    makeFrames(dir);
    makePictures(dir, entries, parser.isSet(verboseOption));
    makeWindowPictures(dir);
    if (parser.isSet(sheetOption)) makeSheet(dir, entries, parser.value(sheetOption));
    return gFailures ? 1 : 0;
}
