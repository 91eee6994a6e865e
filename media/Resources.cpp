#include "Resources.h"

#include "ErrorTrap.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QResource>
#include <QTextStream>

namespace {

// Resource names are upper-case ASCII words with a number; anything else
// cannot name a resource (and never reaches the file system).
bool IsResourceName(const QString& name) {
    if (name.isEmpty() || name.size() > 40) return false;
    for (const QChar c : name)
        if (!((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))) return false;
    return true;
}

[[noreturn]] void ThrowNotFound(const QString& name) {
    throw RuntimeError(ErrorNumbers::ResourceNotFound, QCoreApplication::translate("Resources", "Resource with identifier '%1' not found").arg(name));
}

// The resource file of a name; resource names are not case-sensitive.
QString ResourcePath(const QString& name, const char* folder, const char* extension) {
    const QString upper = name.toUpper();
    if (!IsResourceName(upper)) ThrowNotFound(name);
    const QString path = QStringLiteral(":/pexora/%1/%2.%3").arg(QLatin1String(folder), upper, QLatin1String(extension));
    // Looked up in the resource tree alone (a file check would also build
    // a file engine and its metadata for each of the deal's sixty names).
    if (!QResource(path).isValid()) ThrowNotFound(name);
    return path;
}

// Our pictures are palette bitmaps (1, 4 or 8 bits, uncompressed), in BMP
// files or as the images of ICO files. They are decoded here directly: the
// general image readers cost more than the pictures themselves, and a deal
// loads sixty of them. Anything else goes to Qt's readers.
class LittleEndian {
public:
    explicit LittleEndian(const QByteArray& data) : m_data(data) {}
    bool has(qsizetype at, qsizetype n) const { return at >= 0 && n >= 0 && at <= m_data.size() - n; }
    quint32 u8(qsizetype at) const { return quint8(m_data[at]); }
    quint32 u16(qsizetype at) const { return u8(at) | u8(at + 1) << 8; }
    quint32 u32(qsizetype at) const { return u16(at) | u16(at + 2) << 16; }
    const uchar* at(qsizetype at) const { return reinterpret_cast<const uchar*>(m_data.constData()) + at; }

private:
    const QByteArray& m_data;
};

// A device-independent bitmap whose header starts at headerAt. In an icon
// the header's height counts the colour rows and the mask rows below them,
// and a set mask bit makes the pixel transparent.
QImage DecodePaletteDib(const QByteArray& data, qsizetype headerAt, qsizetype pixelsAt, bool icon) {
    const LittleEndian in(data);
    if (!in.has(headerAt, 40)) return {};
    const qsizetype headerSize = in.u32(headerAt);
    const int width = qint32(in.u32(headerAt + 4));
    const int signedHeight = qint32(in.u32(headerAt + 8));
    const int bits = int(in.u16(headerAt + 14));
    const quint32 compression = in.u32(headerAt + 16);
    const quint32 used = in.u32(headerAt + 32);
    // An icon's image header is the 40-byte one: Qt's reader takes it as
    // that whatever its size field says, so an icon that says otherwise is
    // left to it rather than decoded with its colours read from elsewhere.
    if (headerSize < 40 || (icon && headerSize != 40) || compression != 0 || (bits != 1 && bits != 4 && bits != 8)) return {};
    const bool bottomUp = signedHeight > 0;
    // An icon's rows go bottom-up: Qt's reader takes them so whatever the
    // sign of the height, so an icon that says top-down is left to it.
    if (icon && !bottomUp) return {};
    // In 64 bits: the height may be the one int whose negation is none.
    const qint64 rows = (bottomUp ? qint64(signedHeight) : -qint64(signedHeight)) / (icon ? 2 : 1);
    if (width <= 0 || width > 256 || rows <= 0 || rows > 256) return {};
    const int height = int(rows);
    // A palette shorter than the depth leaves pixel values without a colour,
    // which Qt's readers give one of their own (black in a bitmap, clear in
    // an icon): such a picture is left to them, as is one that is longer.
    const quint32 colours = 1u << bits;
    if (used != 0 && used != colours) return {};
    const qsizetype paletteAt = headerAt + headerSize;
    if (!in.has(paletteAt, qsizetype(colours) * 4)) return {};
    QRgb palette[256];
    for (quint32 i = 0; i < 256; ++i) {
        const qsizetype e = paletteAt + qsizetype(i) * 4;
        palette[i] = i < colours ? qRgb(int(in.u8(e + 2)), int(in.u8(e + 1)), int(in.u8(e))) : qRgb(0, 0, 0);
    }
    const qsizetype paletteEnd = paletteAt + qsizetype(colours) * 4;
    if (pixelsAt < 0) pixelsAt = paletteEnd;
    // Pixels said to start inside the headers or the palette are taken by
    // Qt's reader from just after the palette: such a file is left to it.
    if (pixelsAt < paletteEnd) return {};
    const qsizetype stride = ((qsizetype(width) * bits + 31) / 32) * 4;
    const qsizetype maskStride = ((qsizetype(width) + 31) / 32) * 4;
    const qsizetype maskAt = pixelsAt + stride * height;
    if (!in.has(pixelsAt, stride * height) || (icon && !in.has(maskAt, maskStride * height))) return {};
    QImage image(width, height, icon ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int valueMask = (1 << bits) - 1;
    for (int y = 0; y < height; ++y) {
        const int row = bottomUp ? height - 1 - y : y;
        const uchar* colour = in.at(pixelsAt + stride * row);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        // A pixel's value starts at bit x * bits of its row, counted from the
        // most significant bit of the first byte; so does its mask bit, at x.
        for (int x = 0; x < width; ++x) {
            const int bit = x * bits;
            out[x] = palette[(colour[bit >> 3] >> (8 - bits - (bit & 7))) & valueMask];
        }
        if (!icon) continue;
        const uchar* mask = in.at(maskAt + maskStride * row);
        for (int x = 0; x < width; ++x)
            if ((mask[x >> 3] >> (7 - (x & 7))) & 1) out[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

}  // namespace

QImage DecodePaletteBmp(const QByteArray& data) {
    const LittleEndian in(data);
    if (!in.has(0, 14) || data[0] != 'B' || data[1] != 'M') return {};
    return DecodePaletteDib(data, 14, qsizetype(in.u32(10)), false);
}

QImage DecodePaletteIco(const QByteArray& data, int wantedWidth) {
    const LittleEndian in(data);
    if (!in.has(0, 6) || in.u16(0) != 0 || in.u16(2) != 1) return {};
    const int count = int(in.u16(4));
    int chosen = -1;
    for (int i = 0; i < count && in.has(6 + 16 * qsizetype(i), 16); ++i) {
        const int width = int(in.u8(6 + 16 * i)) == 0 ? 256 : int(in.u8(6 + 16 * i));
        if (chosen < 0 || (width == wantedWidth)) chosen = i;
        if (width == wantedWidth) break;
    }
    if (chosen < 0) return {};
    return DecodePaletteDib(data, qsizetype(in.u32(6 + 16 * chosen + 12)), -1, true);
}

namespace {

// Reads the image of the given width from a file that may hold several
// (the images of an icon come in the order they are stored), or the first.
QImage ReadImage(const QString& path, const char* format, int wantedWidth) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray data = file.readAll();
        QImage decoded = qstrcmp(format, "ico") == 0 ? DecodePaletteIco(data, wantedWidth) : DecodePaletteBmp(data);
        if (!decoded.isNull()) return decoded;
    }
    QImageReader reader(path, format);
    QImage chosen;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToNextImage()) break;
        QImage image = reader.read();
        if (image.isNull()) continue;
        if (chosen.isNull() || (image.width() == wantedWidth && chosen.width() != wantedWidth)) chosen = std::move(image);
    }
    return chosen;
}

QPixmap LoadImageResource(const QString& path, const char* format, int wantedWidth, const QString& name) {
    const QImage image = ReadImage(path, format, wantedWidth);
    if (image.isNull())
        throw RuntimeError(ErrorNumbers::InvalidResourceFormat, QCoreApplication::translate("Resources", "Invalid resource format: '%1'").arg(name));
    return QPixmap::fromImage(image);
}

QImage WindowImage(const QString& file, const char* format, int wantedWidth) {
    return ReadImage(QStringLiteral(":/pexora/window/") + file, format, wantedWidth);
}

// The art scaled to the device pixels of a 32 x 32 picture on a dense screen.
QPixmap ArtForScreen(const QString& name, qreal devicePixelRatio) {
    const int side = qRound(32 * devicePixelRatio);
    QPixmap scaled = QPixmap::fromImage(LoadHiResPicture(name).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

qreal ApplicationPixelRatio() { return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0; }

}  // namespace

QPixmap LoadResPicture(const QString& name, PictureKind kind) {
    if (kind == PictureKind::Bitmap) return LoadImageResource(ResourcePath(name, "bitmaps", "bmp"), "bmp", 60, name);
    return LoadImageResource(ResourcePath(name, "icons", "ico"), "ico", 32, name);
}

void RequireResPicture(const QString& name, PictureKind kind) {
    (void)(kind == PictureKind::Bitmap ? ResourcePath(name, "bitmaps", "bmp") : ResourcePath(name, "icons", "ico"));
}

QImage LoadHiResPicture(const QString& name) {
    QImageReader reader(ResourcePath(name, "hires", "png"), "png");
    const QImage art = reader.read();
    if (art.isNull())
        throw RuntimeError(ErrorNumbers::InvalidResourceFormat, QCoreApplication::translate("Resources", "Invalid resource format: '%1'").arg(name));
    return art;
}

QPixmap ScreenPicture(const QString& name, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1) return LoadResPicture(name, PictureKind::Icon);
    return ArtForScreen(name, devicePixelRatio);
}


QByteArray LoadResData(const QString& name, const QString& type) {
    if (type.compare(QLatin1String("WAVE"), Qt::CaseInsensitive) != 0) ThrowNotFound(name);
    QFile file(ResourcePath(name, "sounds", "wav"));
    if (!file.open(QIODevice::ReadOnly)) ThrowNotFound(name);
    return file.readAll();
}

QIcon ProgramIcon(bool withArt) {
    const QImage image = WindowImage(QStringLiteral("program.ico"), "ico", 32);
    QIcon icon = image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
    if (withArt && ApplicationPixelRatio() > 1) {
        const QImage art = ReadImage(QStringLiteral(":/pexora/hires/PROGRAM.png"), "png", 128);
        if (!art.isNull()) icon.addPixmap(QPixmap::fromImage(art));
    }
    return icon;
}

QCursor HandCursor(bool withArt) {
    const qreal ratio = ApplicationPixelRatio();
    QPixmap hand;
    if (withArt && ratio > 1) {
        try {
            hand = ArtForScreen(QStringLiteral("HAND"), ratio);
        } catch (const RuntimeError&) {
        }
    }
    if (hand.isNull()) hand = QPixmap::fromImage(WindowImage(QStringLiteral("hand.ico"), "ico", 32).convertToFormat(QImage::Format_ARGB32));
    if (hand.isNull()) return QCursor(Qt::PointingHandCursor);
    // A colour pointer with alpha, not a bitmap and mask: Qt on Wayland makes
    // an empty image of those.
    return QCursor(hand, 0, 0);
}

QPixmap ToolbarPicture(const QString& key) {
    static const QStringList keys{QStringLiteral("New"),    QStringLiteral("Scores"), QStringLiteral("Boards"),
                                  QStringLiteral("Colors"), QStringLiteral("Images"), QStringLiteral("Levels"),
                                  QStringLiteral("Players"), QStringLiteral("Sounds"), QStringLiteral("About"),
                                  QStringLiteral("Exit")};
    if (!keys.contains(key)) return QPixmap();
    QImage image = WindowImage(QStringLiteral("toolbar-%1.bmp").arg(key.toLower()), "bmp", 16).convertToFormat(QImage::Format_ARGB32);
    // Light grey is the toolbar's see-through colour.
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00ffffffu) == (qRgb(192, 192, 192) & 0x00ffffffu)) line[x] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(image);
}

QPixmap TrophyPicture(qreal devicePixelRatio) {
    if (devicePixelRatio > 1) {
        try {
            return ArtForScreen(QStringLiteral("TROPHY"), devicePixelRatio);
        } catch (const RuntimeError&) {
        }
    }
    return QPixmap::fromImage(WindowImage(QStringLiteral("trophy.ico"), "ico", 32));
}

QString PictureName(const QString& categoryPrefix, int number) {
    // The one table of picture names, which the picture generator draws from too.
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> table;
        QFile file(QStringLiteral(":/pexora/catalogue/pictures.tsv"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return table;
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Utf8);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            if (line.startsWith(QLatin1Char('#'))) continue;
            const QStringList fields = line.split(QLatin1Char('\t'));
            if (fields.size() >= 3) table.insert(fields[0] + fields[1], fields[2]);
        }
        return table;
    }();
    if (number < 1 || number > 30) return QString();
    // Translated with the picture's resource name ("ANIMAL1") as disambiguation:
    // the same English name may be two things in two categories.
    const QString key = categoryPrefix + QString::number(number);
    const QString name = names.value(key);
    if (name.isEmpty()) return name;
    return QCoreApplication::translate("PictureName", name.toUtf8().constData(), key.toUtf8().constData());
}
