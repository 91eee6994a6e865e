#pragma once
// The resource catalogue: pictures, frames and sounds by name and kind,
// loaded on demand at each use; only the table of picture names is read
// once and kept. Beside the 32 x 32 icons every picture has a true-colour
// art of 128 x 128 for dense screens, read only there.

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

enum class PictureKind { Bitmap, Icon };

// Loads the bitmap (tile frames) or icon (tile pictures, "ABOUT1".."ABOUT5")
// named name; from an icon the 32 x 32 image. Throws RuntimeError
// (ResourceNotFound) when there is no such resource.
QPixmap LoadResPicture(const QString& name, PictureKind kind);
// Throws as LoadResPicture does when there is no such resource, without
// reading it: for pictures read when first shown.
void RequireResPicture(const QString& name, PictureKind kind);

// The 128 x 128 true-colour art with alpha of a tile picture, "ABOUT1".."ABOUT5",
// "HAND", "TROPHY" or "PROGRAM". Throws RuntimeError (ResourceNotFound) when
// there is none.
QImage LoadHiResPicture(const QString& name);

// A picture to be shown 32 x 32 (logical pixels) on a screen of the given
// device pixel ratio: at 1 (or less) the icon itself; above 1 the art
// smoothly scaled to the device pixels, its ratio set. Throws as above.
QPixmap ScreenPicture(const QString& name, qreal devicePixelRatio);


// The bytes of a resource of a custom type, e.g. LoadResData("FLIP", "WAVE").
// Throws RuntimeError (ResourceNotFound) when there is no such resource.
QByteArray LoadResData(const QString& name, const QString& type);

// Pictures kept with the windows. Where a device pixel ratio is asked for, a
// ratio above 1 gives the picture drawn from the true-colour art.
// With withArt false, only what a ratio of 1 shows: no art is read, for a
// window that adds the art once it has been shown.
QIcon ProgramIcon(bool withArt = true);      // the 32 x 32, 16-colour program icon (and the art on a dense screen)
// Index finger raised, hot spot (0, 0): a full-colour pointer (a bitmap and
// mask pointer shows as nothing on some Wayland desktops); for the
// application's device pixel ratio.
QCursor HandCursor(bool withArt = true);
QPixmap ToolbarPicture(const QString& key);  // 16 x 15, light grey transparent; keys "New".."Exit"
QPixmap TrophyPicture(qreal devicePixelRatio = 1);  // the high-score dialog's golden cup, 32 x 32 logical

// Our own decoders of palette pictures (1, 4 or 8 bits, uncompressed): a BMP
// file, and from an ICO file its image of the wanted width, else its first.
// A null image for anything else, which Qt's readers are left to read.
QImage DecodePaletteBmp(const QByteArray& data);
QImage DecodePaletteIco(const QByteArray& data, int wantedWidth);

// A human name for picture number (1..30) of a category prefix, e.g.
// PictureName("ANIMAL", 1) == "Elephant", in the player's language. Empty for an unknown picture.
QString PictureName(const QString& categoryPrefix, int number);
