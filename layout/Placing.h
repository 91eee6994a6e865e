#pragma once
// Placing windows on their screen, and controls on the pages of a tab control.

#include "Twips.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

// Where a window wants to stand, moved just enough to stay within the
// available area of the screen that owner's window is on: the top-left
// corner to move it to.
inline QPoint KeptOnScreen(const QWidget& owner, QRect wanted) {
    if (const QScreen* screen = owner.window()->screen()) {
        const QRect area = screen->availableGeometry();
        wanted.moveLeft(std::clamp(wanted.left(), area.left(), std::max(area.left(), area.right() - wanted.width())));
        wanted.moveTop(std::clamp(wanted.top(), area.top(), std::max(area.top(), area.bottom() - wanted.height())));
    }
    return wanted.topLeft();
}

// A control on one of the pages of tabs, placed in twips measured from the
// tab control's corner: the pages start below the tab row, so the place is
// mapped onto the page (never left of it or above it). Right once the tab
// control has laid its pages out, which it does again as it is shown.
inline QRect TwipsOnTabPage(const QWidget& tabs, const QWidget& page, const QRect& twips) {
    const QPoint origin = page.mapTo(&tabs, QPoint(0, 0));
    const QRect rect = TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
    return {std::max(0, rect.x() - origin.x()), std::max(0, rect.y() - origin.y()), rect.width(), rect.height()};
}
