#pragma once

class QApplication;
class QColor;

namespace tessaly {

// The families tried, in order, for the window's font: they show the
// Chinese captions. The first one installed is used.
inline constexpr const char *CjkFontFamilies[] = {"WenQuanYi Micro Hei", "Noto Sans CJK SC"};

// Pixel size of the window's font: the captions fit the 13 to 21 pixel
// high fields, labels and buttons.
inline constexpr int FontPixelSize = 12;

// Gives the application the look its window is laid out for: the Fusion
// style, the same on every desktop, and a font that shows Chinese at the
// size of the controls. Call once, before the window is made.
void applyApplicationLook(QApplication &app);

// The back colour of the window's picture boxes, and so of a cleared
// canvas: the button colour of the application look. Valid once
// applyApplicationLook has run.
QColor canvasBackColor();

} // namespace tessaly
