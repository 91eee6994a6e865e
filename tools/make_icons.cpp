// Draws the program icon for the desktop's hicolor icon theme and writes it
// under dist/icons/:
//   <N>x<N>/pexora.png   for N = 16, 22, 24, 32, 48, 64, 128, 256
//   scalable/pexora.svg
// from the same drawing as the window icon media/window/program.ico and its
// high-resolution art media/hires/PROGRAM.png. Every size is that drawing in
// true colour, painted at the size itself (so the small ones are not blurred
// reductions), and the SVG is the drawing as vectors. Run with
// QT_QPA_PLATFORM=offscreen; a second run rewrites nothing.

#include "Pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

int gFailures = 0;

void fail(const QString& message) {
    std::fprintf(stderr, "make_icons: %s\n", qPrintable(message));
    ++gFailures;
}

void write(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).path()) || !WriteFileIfChanged(path, bytes))
        fail(QStringLiteral("cannot write %1").arg(path));
}

QImage drawAt(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
    PaintProgramIcon(p);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QByteArray png(const QImage& img) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!img.save(&buffer, "PNG")) fail(QStringLiteral("cannot encode a PNG"));
    return bytes;
}

QByteArray svg() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(128, 128));
    generator.setViewBox(QRect(0, 0, 128, 128));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Pexora"));
    generator.setDescription(QStringLiteral("Two tiles, one face down and one face up showing a heart"));
    QPainter p(&generator);
    p.setRenderHint(QPainter::Antialiasing);
    PaintProgramIcon(p);
    p.end();
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: make_icons DIST_ICONS_DIR\n");
        return 2;
    }
    const QString dir = app.arguments().at(1);
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        write(QStringLiteral("%1/%2x%2/pexora.png").arg(dir).arg(size), png(drawAt(size)));
    }
    write(dir + QStringLiteral("/scalable/pexora.svg"), svg());
    return gFailures ? 1 : 0;
}
