#pragma once
// Window geometry is worked out in twips, 1440 to the inch; on screen 15 twips
// make one device-independent pixel, rounded to the nearest whole pixel.

#include <QRect>

inline constexpr int TwipsPerPixel = 15;

// For the non-negative distances of the windows: rounds half a pixel up.
constexpr int TwipsToPixels(int twips) { return (2 * twips + TwipsPerPixel) / (2 * TwipsPerPixel); }

// A control's place and size, each rounded from its own twips.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}
