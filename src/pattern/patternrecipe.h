#pragma once

#include "pattern/palette.h"

#include <optional>

namespace tessaly::pattern {

// How the picture is fitted to the wall's aspect.
enum class Fit {
    Crop,    // the largest centred region of the wall's aspect
    Pad,     // the whole picture, centred, white around it
    Stretch, // the whole picture, stretched to the wall
};

// How cells are matched to sticker colours.
enum class Method {
    Optimised, // minimises the likeness score
    Nearest,   // the nearest colour by CIEDE2000
    Ordered,   // Bayer 8 x 8 ordered dithering in CIELAB
    Diffusion, // serpentine Floyd-Steinberg error diffusion
    Atkinson,  // Atkinson error diffusion
    Exact,     // a sticker map read as it is
};

// A wall's size in cubes; it has 3 x columns by 3 x rows cells.
struct WallSize
{
    int columns = 0;
    int rows = 0;

    int cellColumns() const { return 3 * columns; }
    int cellRows() const { return 3 * rows; }
    long long cubes() const { return (long long)columns * rows; }
    bool operator==(const WallSize &) const = default;
};

// An exact region of the picture, in picture pixels.
struct CropRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const CropRect &) const = default;
};

// Changes to the picture's cells before they are matched; each -100 to 100,
// 0 leaving the picture as it is.
struct Adjustments
{
    int brightness = 0;
    int contrast = 0;
    int saturation = 0;
    bool autoLevels = false; // stretch lightness to the palette's range

    bool isIdentity() const { return brightness == 0 && contrast == 0 && saturation == 0 && !autoLevels; }
    bool operator==(const Adjustments &) const = default;
};

// How much the optimised method gives for one turn less: the likeness
// score's sum over the cells may grow by this much per turn saved. Chosen
// from measurements on photographs (see the pattern benchmark): it keeps
// about 40 % of the turns of a dither and looks as good from afar.
inline constexpr double DefaultTurnWeight = 5.0;

// The most turns any cube may take, when a limit is asked for.
inline constexpr int MostTurnsAnyFace = 9;

// The whole recipe of a photo pattern: with the same picture, the same
// recipe always gives the same pattern.
struct PatternRecipe
{
    WallSize wall;
    Fit fit = Fit::Crop;
    std::optional<CropRect> crop; // when set, the region framed instead of the whole picture
    Adjustments adjustments;
    StickerPalette palette = standardPalette();
    Method method = Method::Optimised;
    // The optimised method only: what a turn is worth against the score's
    // sum over the cells (0: the likeness alone), and a limit on every cube.
    double turnWeight = DefaultTurnWeight;
    std::optional<int> maxTurns;

    bool operator==(const PatternRecipe &) const = default;
};

} // namespace tessaly::pattern
