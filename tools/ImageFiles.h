#pragma once
// Writers for the game's picture files: 4-bit uncompressed BMP, and ICO
// with 1- or 4-bit images and their AND masks. Both are written byte by
// byte here so the files are exactly what we want (no library decides the
// palette or drops the mask), and so running the generator again gives the
// same bytes.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QVector>

// A paletted picture: up to 16 colours (or 2), one index per pixel, and for
// icons a mask (true = transparent).
struct IndexedPicture {
    int width = 0;
    int height = 0;
    QVector<QRgb> palette;       // 2 or 16 entries are written; missing ones are black
    QVector<quint8> pixels;      // row-major, top row first
    QVector<bool> transparent;   // empty for a bitmap; else one flag per pixel
    int bitsPerPixel = 4;        // 1 or 4
};

// The classic 16-colour display palette. Every colour of the tile frames
// is one of these.
const QVector<QRgb>& StandardPalette();

// Maps every pixel of an image to the exact palette colour it has; any other
// colour is an error (returns false) so a drawing mistake cannot slip in.
bool ToExactPalette(const QImage& image, const QVector<QRgb>& palette, IndexedPicture& out);

// Reduces an image with alpha to 16 colours chosen for it (black among them);
// pixels with alpha below 128 become transparent, the others are first laid
// over white, the colour of the tile face they are shown on.
IndexedPicture QuantiseIcon(const QImage& image);

// Same, but with a fixed palette (nearest colour, no dithering).
IndexedPicture QuantiseToPalette(const QImage& image, const QVector<QRgb>& palette);

QByteArray EncodeBmp(const IndexedPicture& picture);
QByteArray EncodeIco(const QList<IndexedPicture>& images);

bool WriteFileIfChanged(const QString& path, const QByteArray& bytes);
