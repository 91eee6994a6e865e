#include "ImageFiles.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

void put16(QByteArray& b, quint16 v) {
    b.append(char(v & 0xff));
    b.append(char(v >> 8));
}
void put32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
}

int rowBytes(int width, int bpp) { return ((width * bpp + 31) / 32) * 4; }

// BITMAPINFOHEADER, palette and pixel rows (bottom-up) of one picture;
// an icon's header counts the mask rows in its height.
QByteArray dib(const IndexedPicture& p, bool withMask) {
    QByteArray b;
    const int colours = 1 << p.bitsPerPixel;
    const int xorRow = rowBytes(p.width, p.bitsPerPixel);
    const int andRow = rowBytes(p.width, 1);
    const quint32 imageSize = quint32(xorRow * p.height + (withMask ? andRow * p.height : 0));
    put32(b, 40);
    put32(b, quint32(p.width));
    put32(b, quint32(withMask ? 2 * p.height : p.height));
    put16(b, 1);
    put16(b, quint16(p.bitsPerPixel));
    put32(b, 0);  // BI_RGB, uncompressed
    put32(b, imageSize);
    put32(b, withMask ? 0 : 3780);  // 96 dots per inch for a bitmap
    put32(b, withMask ? 0 : 3780);
    put32(b, withMask ? 0 : quint32(colours));
    put32(b, 0);
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < p.palette.size() ? p.palette[i] : qRgb(0, 0, 0);
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
    for (int y = p.height - 1; y >= 0; --y) {
        QByteArray row(xorRow, '\0');
        for (int x = 0; x < p.width; ++x) {
            const int idx = p.pixels[y * p.width + x];
            if (p.bitsPerPixel == 4)
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? idx << 4 : idx));
            else if (idx)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        b.append(row);
    }
    if (withMask) {
        for (int y = p.height - 1; y >= 0; --y) {
            QByteArray row(andRow, '\0');
            for (int x = 0; x < p.width; ++x)
                if (p.transparent[y * p.width + x]) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            b.append(row);
        }
    }
    return b;
}

int distance2(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    // Weighted a little towards green, as the eye is.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int nearest(QRgb c, const QVector<QRgb>& palette) {
    int best = 0, bestD = INT32_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int d = distance2(c, palette[i]);
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

// Opaque colours of the image laid over white, transparency by alpha.
void flatten(const QImage& src, QVector<QRgb>& colours, QVector<bool>& transparent) {
    const QImage img = src.convertToFormat(QImage::Format_ARGB32);
    colours.resize(img.width() * img.height());
    transparent.resize(img.width() * img.height());
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = line[x];
            const int a = qAlpha(c);
            const int i = y * img.width() + x;
            transparent[i] = a < 128;
            auto over = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
            colours[i] = transparent[i] ? qRgb(0, 0, 0) : qRgb(over(qRed(c)), over(qGreen(c)), over(qBlue(c)));
        }
    }
}

// Median cut over the opaque colours, then a few rounds of k-means.
QVector<QRgb> choosePalette(const QVector<QRgb>& colours, const QVector<bool>& transparent, int count) {
    QVector<QRgb> opaque;
    for (int i = 0; i < colours.size(); ++i)
        if (!transparent[i]) opaque.append(colours[i]);
    QVector<QRgb> palette;
    if (opaque.isEmpty()) return palette;
    QList<QVector<QRgb>> boxes{opaque};
    while (boxes.size() < count) {
        // Split the box with the widest channel range (ties: the larger box).
        int bestBox = -1, bestRange = 0, bestChannel = 0;
        for (int b = 0; b < boxes.size(); ++b) {
            if (boxes[b].size() < 2) continue;
            std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
            for (QRgb c : boxes[b]) {
                const std::array<int, 3> v{qRed(c), qGreen(c), qBlue(c)};
                for (int k = 0; k < 3; ++k) {
                    lo[k] = std::min(lo[k], v[k]);
                    hi[k] = std::max(hi[k], v[k]);
                }
            }
            for (int k = 0; k < 3; ++k) {
                const int range = (hi[k] - lo[k]) * (k == 1 ? 4 : 3);
                if (range > bestRange || (range == bestRange && bestBox >= 0 && boxes[b].size() > boxes[bestBox].size())) {
                    bestRange = range;
                    bestBox = b;
                    bestChannel = k;
                }
            }
        }
        if (bestBox < 0 || bestRange == 0) break;
        QVector<QRgb> box = boxes.takeAt(bestBox);
        auto key = [bestChannel](QRgb c) { return bestChannel == 0 ? qRed(c) : bestChannel == 1 ? qGreen(c) : qBlue(c); };
        std::stable_sort(box.begin(), box.end(), [&](QRgb a, QRgb b) { return key(a) < key(b); });
        const int half = int(box.size() / 2);
        boxes.append(box.mid(0, half));
        boxes.append(box.mid(half));
    }
    for (const auto& box : boxes) {
        qint64 r = 0, g = 0, b = 0;
        for (QRgb c : box) {
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        const qint64 n = box.size();
        palette.append(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n)));
    }
    for (int round = 0; round < 6; ++round) {
        QVector<qint64> sr(palette.size()), sg(palette.size()), sb(palette.size()), sn(palette.size());
        for (QRgb c : opaque) {
            const int k = nearest(c, palette);
            sr[k] += qRed(c);
            sg[k] += qGreen(c);
            sb[k] += qBlue(c);
            ++sn[k];
        }
        for (int k = 0; k < palette.size(); ++k)
            if (sn[k]) palette[k] = qRgb(int((sr[k] + sn[k] / 2) / sn[k]), int((sg[k] + sn[k] / 2) / sn[k]), int((sb[k] + sn[k] / 2) / sn[k]));
    }
    return palette;
}

}  // namespace

const QVector<QRgb>& StandardPalette() {
    static const QVector<QRgb> palette{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return palette;
}

bool ToExactPalette(const QImage& image, const QVector<QRgb>& palette, IndexedPicture& out) {
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    out = IndexedPicture{};
    out.width = img.width();
    out.height = img.height();
    out.palette = palette;
    out.bitsPerPixel = 4;
    out.pixels.resize(img.width() * img.height());
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) | 0xff000000u;
            const int idx = int(palette.indexOf(c));
            if (idx < 0) return false;
            out.pixels[y * img.width() + x] = quint8(idx);
        }
    }
    return true;
}

IndexedPicture QuantiseIcon(const QImage& image) {
    QVector<QRgb> colours;
    QVector<bool> transparent;
    flatten(image, colours, transparent);
    QVector<QRgb> palette{qRgb(0, 0, 0)};
    palette += choosePalette(colours, transparent, 15);
    IndexedPicture p;
    p.width = image.width();
    p.height = image.height();
    p.transparent = transparent;
    p.pixels.resize(colours.size());
    for (int i = 0; i < colours.size(); ++i) p.pixels[i] = transparent[i] ? 0 : quint8(nearest(colours[i], palette));
    p.palette = palette;
    p.palette.resize(16);
    return p;
}

IndexedPicture QuantiseToPalette(const QImage& image, const QVector<QRgb>& palette) {
    QVector<QRgb> colours;
    QVector<bool> transparent;
    flatten(image, colours, transparent);
    IndexedPicture p;
    p.width = image.width();
    p.height = image.height();
    p.palette = palette;
    p.transparent = transparent;
    p.pixels.resize(colours.size());
    for (int i = 0; i < colours.size(); ++i) p.pixels[i] = transparent[i] ? 0 : quint8(nearest(colours[i], palette));
    return p;
}

QByteArray EncodeBmp(const IndexedPicture& picture) {
    const QByteArray body = dib(picture, false);
    const quint32 paletteBytes = quint32(4 << picture.bitsPerPixel);
    QByteArray b;
    b.append("BM");
    put32(b, quint32(14 + body.size()));
    put16(b, 0);
    put16(b, 0);
    put32(b, 14 + 40 + paletteBytes);
    b.append(body);
    return b;
}

QByteArray EncodeIco(const QList<IndexedPicture>& images) {
    QByteArray head, data;
    put16(head, 0);
    put16(head, 1);  // icon
    put16(head, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (const auto& p : images) {
        const QByteArray body = dib(p, true);
        head.append(char(p.width >= 256 ? 0 : p.width));
        head.append(char(p.height >= 256 ? 0 : p.height));
        head.append(char(p.bitsPerPixel == 4 ? 16 : 2));
        head.append(char(0));
        put16(head, 1);
        put16(head, quint16(p.bitsPerPixel));
        put32(head, quint32(body.size()));
        put32(head, offset);
        offset += quint32(body.size());
        data.append(body);
    }
    return head + data;
}

bool WriteFileIfChanged(const QString& path, const QByteArray& bytes) {
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes) return true;
    old.close();
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(bytes);
    return f.commit();
}
