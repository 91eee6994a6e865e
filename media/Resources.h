#pragma once
// The resource catalogue: pictures, frames and sounds by name and kind,
// loaded on demand and never cached.

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

enum class PictureKind { Bitmap, Icon };

// Loads the bitmap (tile frames) or icon (tile pictures, "ABOUT1".."ABOUT5")
// named strName; from an icon the 32 x 32 image. Throws RuntimeError
// (ResourceNotFound) when there is no such resource.
QPixmap LoadResPicture(const QString& strName, PictureKind kind);

// The bytes of a resource of a custom type, e.g. LoadResData("FLIP", "WAVE").
// Throws RuntimeError (ResourceNotFound) when there is no such resource.
QByteArray LoadResData(const QString& strName, const QString& strType);

// Pictures kept with the windows.
QIcon ProgramIcon();                         // the 32 x 32, 16-colour program icon
QCursor HandCursor();                        // index finger raised, hot spot (0, 0)
QPixmap ToolbarPicture(const QString& key);  // 16 x 15, light grey transparent; keys "New".."Exit"
QPixmap TrophyPicture();                     // the high-score dialog's golden cup

// A human name for picture number (1..30) of a category prefix, e.g.
// PictureName("ANIMAL", 1) == "Elephant". Empty for an unknown picture.
QString PictureName(const QString& categoryPrefix, int number);
