#include "Resources.h"

#include "ErrorTrap.h"

#include <QBitmap>
#include <QFile>
#include <QHash>
#include <QImageReader>
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
    throw RuntimeError(ErrorNumbers::ResourceNotFound, QStringLiteral("Resource with identifier '%1' not found").arg(name));
}

// The resource file of a name; resource names are not case-sensitive.
QString ResourcePath(const QString& name, const char* folder, const char* extension) {
    const QString upper = name.toUpper();
    if (!IsResourceName(upper)) ThrowNotFound(name);
    const QString path = QStringLiteral(":/pexora/%1/%2.%3").arg(QLatin1String(folder), upper, QLatin1String(extension));
    if (!QFile::exists(path)) ThrowNotFound(name);
    return path;
}

// Reads the image of the given width from a file that may hold several
// (the images of an icon come in the order they are stored), or the first.
QImage ReadImage(const QString& path, const char* format, int wantedWidth) {
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
        throw RuntimeError(ErrorNumbers::InvalidResourceFormat, QStringLiteral("Invalid resource format: '%1'").arg(name));
    return QPixmap::fromImage(image);
}

QImage WindowImage(const QString& file, const char* format, int wantedWidth) {
    return ReadImage(QStringLiteral(":/pexora/window/") + file, format, wantedWidth);
}

}  // namespace

QPixmap LoadResPicture(const QString& strName, PictureKind kind) {
    if (kind == PictureKind::Bitmap) return LoadImageResource(ResourcePath(strName, "bitmaps", "bmp"), "bmp", 60, strName);
    return LoadImageResource(ResourcePath(strName, "icons", "ico"), "ico", 32, strName);
}

QByteArray LoadResData(const QString& strName, const QString& strType) {
    if (strType.compare(QLatin1String("WAVE"), Qt::CaseInsensitive) != 0) ThrowNotFound(strName);
    QFile file(ResourcePath(strName, "sounds", "wav"));
    if (!file.open(QIODevice::ReadOnly)) ThrowNotFound(strName);
    return file.readAll();
}

QIcon ProgramIcon() {
    const QImage image = WindowImage(QStringLiteral("program.ico"), "ico", 32);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QCursor HandCursor() {
    const QImage hand = WindowImage(QStringLiteral("hand.ico"), "ico", 32).convertToFormat(QImage::Format_ARGB32);
    if (hand.isNull()) return QCursor(Qt::PointingHandCursor);
    // A two-colour pointer: bitmap 1 = black, mask 1 = drawn.
    QImage bits(hand.size(), QImage::Format_MonoLSB), mask(hand.size(), QImage::Format_MonoLSB);
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < hand.height(); ++y)
        for (int x = 0; x < hand.width(); ++x) {
            const QRgb c = hand.pixel(x, y);
            const bool drawn = qAlpha(c) >= 128;
            mask.setPixel(x, y, drawn ? 1 : 0);
            bits.setPixel(x, y, drawn && qGray(c) < 128 ? 1 : 0);
        }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), 0, 0);
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

QPixmap TrophyPicture() { return QPixmap::fromImage(WindowImage(QStringLiteral("trophy.ico"), "ico", 32)); }

QString PictureName(const QString& categoryPrefix, int number) {
    // The one table of picture names, which the picture generator draws from too.
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> table;
        QFile file(QStringLiteral(":/pexora/design/pictures.tsv"));
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
    return names.value(categoryPrefix + QString::number(number));
}
