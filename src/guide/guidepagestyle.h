#pragma once

#include "cube/colour.h"
#include "guide/buildguide.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <array>

class QPainter;
class QRectF;

namespace tessaly {

// The look shared by every page of the build guide: colours, fonts, names,
// and the sticker and swatch every page draws the same way.

// The exact mosaic colours: a sticker on paper matches the cell on screen.
QColor cubeColourFill(cube::Colour colour);

// The colours a guide's stickers and swatches are drawn in: the window
// mosaic's own, or a photo pattern's palette.
struct StickerFills
{
    std::array<QColor, cube::ColourCount> colours; // by cube::Colour

    QColor of(cube::Colour colour) const { return colours[std::size_t(colour)]; }
    QColor of(FaceMark mark) const; // black for a black cell, white outside
};

// The fills of the window's mosaic (cubeColourFill), or of the cubes a
// photo pattern was made for.
StickerFills stickerFillsOf(const std::optional<PhotoFacts> &photo);

// "白 White": the Chinese name, then the English one.
QString cubeColourName(cube::Colour colour);

// Ink that reads on a fill in colour and also once printed in grey: white
// on dark fills (blue, red, black), black on light ones.
QColor inkOn(const QColor &fill);

// Thin rules and light fills.
inline const QColor RuleColour(90, 90, 90);
inline const QColor FaintColour(150, 150, 150);
inline const QColor AccentColour(220, 30, 110); // the block on the wall map
inline const QColor PanelColour(228, 228, 228);
inline const QColor PanelOutlineColour(0, 110, 170); // a panel's edge on maps of the wall

// The fonts of the guide, resolved once. Sizes are in points.
struct GuidePageFonts
{
    GuidePageFonts();

    QFont text(int size, bool bold = false) const;    // labels: Chinese and English
    QFont letters(int size, bool bold = true) const;  // sticker letters and numbers
    QFont moves(int size) const;                      // move sequences, monospace

private:
    QFont m_text;
    QFont m_letters;
    QFont m_moves;
};

// One place of a face: its colour with its letter, a black cell dark with a
// dashed inner ring (any colour will do), a place outside the mosaic hatched
// and empty.
void drawSticker(QPainter &painter, const QRectF &rect, FaceMark mark, const StickerFills &fills,
                 const GuidePageFonts &fonts, int letterSize);

// A small filled square with a rule round it.
void drawSwatch(QPainter &painter, const QRectF &rect, const QColor &fill);

} // namespace tessaly
