#pragma once
// The frame an X11 window manager puts round a top-level window, known
// before the window is first mapped.

#include <QMargins>

class QWidget;

// Asks the window manager which frame it will give `window` (created, not
// yet shown) and waits briefly for the answer. Null margins when there is
// no X11 display, the window manager does not say, or the answer is late.
QMargins AnnouncedFrameExtents(QWidget* window);
