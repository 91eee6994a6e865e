#pragma once
// The drawings behind the game's pictures, each made on a large canvas and
// reduced afterwards.

#include "ImageFiles.h"

#include <QImage>
#include <QPainter>
#include <QList>
#include <QString>
#include <QStringList>

// One line of media/catalogue/pictures.tsv.
struct PictureEntry {
    QString prefix;
    int number = 0;
    QString name;
    QString kind;    // "emoji", "coin", "shape" or "draw"
    QString source;  // the emoji text, or what to draw
};

QList<PictureEntry> ReadPictureTable(const QString& path, QString* error);

// A 128 x 128 (or larger, for emoji) ARGB drawing of the picture; problem
// is set when a glyph is missing from its font or the kind is unknown.
QImage RenderPicture(const PictureEntry& entry, QString* problem);

// Scales a drawing to size x size. With crop the drawing's visible part is
// fitted into the square (one pixel margin); without, the whole canvas is.
QImage FitPicture(const QImage& big, int size, bool crop);

// A pale picture (mostly white or light grey) would vanish on the white tile
// face: it gets a grey outline, one pixel wide on the 32 x 32 icon and as
// much wider as a larger picture is.
bool IsPale(const QImage& picture);
void AddOutline(QImage& picture, int width);
bool OutlineIfPale(QImage& picture);  // IsPale, then a one-pixel outline; returns whether it outlined

QImage DrawAboutFrame(int n);   // 128 x 128, a tile turning over in five steps
QImage DrawProgramIcon();       // 128 x 128
// The same drawing on any painter whose user space is 128 x 128 (scale the
// painter for other sizes, or paint into a vector file).
void PaintProgramIcon(QPainter& p);

IndexedPicture HandPointer();   // 32 x 32, 1 bit, index finger raised, tip at the top left
QImage HandPointerArt();        // the same pointer at 128 x 128, its steps smoothed (Scale2x twice)

QStringList ToolbarKeys();                      // "New" .. "Exit", in toolbar order
QImage DrawToolbarPicture(const QString& key);  // 16 x 15, standard palette, light grey around
