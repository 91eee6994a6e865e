#pragma once
// The dialogs' face: a compact sans-serif at 8.25 points, the size their
// controls were laid out for. Should the texts still not fit (a wide font on
// this machine), the size steps down a quarter point at a time, to 6.5 at
// the least, until they do.

#include <QFont>
#include <QGuiApplication>

#include <algorithm>

// useAndCheck(face) gives the dialog the face and says whether everything fits.
template <class UseAndCheck>
void FitDialogFont(UseAndCheck&& useAndCheck) {
    QFont face = QGuiApplication::font();
    face.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"), QGuiApplication::font().family()});
    face.setPointSizeF(8.25);
    constexpr qreal smallest = 6.5;
    while (!useAndCheck(face) && face.pointSizeF() > smallest)
        face.setPointSizeF(std::max(smallest, face.pointSizeF() - 0.25));
}
