#pragma once
// The one place where the roll's twips become Qt's device-independent
// pixels (15 twips to a pixel); Qt scales those by the screen's device pixel
// ratio.

#include <QColor>
#include <QRect>
#include <QRectF>

#include "editor/roll_geometry.h"

namespace ruvo::gui {

inline double toPixels(int twips) { return twips / static_cast<double>(kTwipsPerPixel); }
inline int toTwips(int pixels) { return pixels * kTwipsPerPixel; }
inline QRect twipRect(int left, int top, int width, int height) {
  return QRect(qRound(toPixels(left)), qRound(toPixels(top)), qRound(toPixels(width)), qRound(toPixels(height)));
}
// A settings colour: red + 256 * green + 65536 * blue.
inline QColor settingsColour(int32_t value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace ruvo::gui
