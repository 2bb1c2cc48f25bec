#pragma once

#include <QRect>
#include <cmath>

namespace trelvin {

// The layout is given in twips (1/1440 inch). At 96 dots per inch 15 twips
// make one pixel; Qt's device-independent pixels keep that physical size on
// screens of any density.
inline int twipsToPixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace trelvin
