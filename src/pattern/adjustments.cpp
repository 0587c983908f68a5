#include "pattern/adjustments.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace tessaly::pattern {

namespace {

constexpr int AdjustmentLimit = 100;

// Percentiles closer than this make a flat picture, which auto-levels leaves alone.
constexpr double FlatLightnessRange = 0.01;

// L* -> scale * L* + offset.
struct LightnessMap
{
    double scale = 1;
    double offset = 0;

    double operator()(double lightness) const { return scale * lightness + offset; }
};

// The q-quantile of the values (0 <= q <= 1), interpolated linearly between
// the two nearest ranks. Reorders the values.
double quantile(std::vector<double> &values, double q)
{
    const double rank = q * double(values.size() - 1);
    const auto lower = std::size_t(std::floor(rank));
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(lower), values.end());
    const double below = values[lower];
    if (lower + 1 >= values.size())
        return below;
    const double above = *std::min_element(values.begin() + std::ptrdiff_t(lower) + 1, values.end());
    return below + (rank - double(lower)) * (above - below);
}

// The stretch taking the cells' 1st and 99th percentile L* to the palette's
// darkest and lightest; empty for a flat picture or an empty grid or palette.
std::optional<LightnessMap> levelsStretch(const std::vector<Lab> &cells, const StickerPalette &palette)
{
    if (cells.empty() || palette.colours.empty())
        return std::nullopt;
    std::vector<double> lightness;
    lightness.reserve(cells.size());
    for (const Lab &cell : cells)
        lightness.push_back(cell.l);
    const double dark = quantile(lightness, 0.01);
    const double light = quantile(lightness, 0.99);
    if (light - dark < FlatLightnessRange)
        return std::nullopt;

    std::vector<double> paletteLightness;
    for (const PaletteColour &colour : palette.colours)
        paletteLightness.push_back(labOf(linearOf(colour.colour)).l);
    const auto [darkest, lightest] = std::minmax_element(paletteLightness.begin(), paletteLightness.end());
    const double scale = (*lightest - *darkest) / (light - dark);
    return LightnessMap{scale, *darkest - scale * dark};
}

LinearRgb clamped(LinearRgb colour)
{
    const auto unit = [](float channel) { return std::clamp(channel, 0.0f, 1.0f); };
    return {unit(colour.r), unit(colour.g), unit(colour.b)};
}

std::string rangeError(const char *option, int value)
{
    if (value >= -AdjustmentLimit && value <= AdjustmentLimit)
        return {};
    return std::string(option) + " " + std::to_string(value) + " is outside -100 to 100";
}

} // namespace

void adjust(LinearGrid &cells, const Adjustments &adjustments, const StickerPalette &palette)
{
    if (adjustments.isIdentity())
        return;
    std::vector<Lab> lab;
    lab.reserve(cells.size());
    for (const LinearRgb &cell : cells.values())
        lab.push_back(labOf(cell));

    LightnessMap lightness;
    if (adjustments.autoLevels) {
        if (const std::optional<LightnessMap> stretch = levelsStretch(lab, palette))
            lightness = *stretch;
    }
    lightness.offset += adjustments.brightness / 2.0;
    const double contrast = 1 + adjustments.contrast / 100.0;
    lightness = {lightness.scale * contrast, 50 + (lightness.offset - 50) * contrast};
    const double saturation = 1 + adjustments.saturation / 100.0;
    if (lightness.scale == 1 && lightness.offset == 0 && saturation == 1)
        return; // a flat picture's auto-levels alone

    for (std::size_t i = 0; i < lab.size(); ++i) {
        const Lab adjusted{lightness(lab[i].l), lab[i].a * saturation, lab[i].b * saturation};
        cells.values()[i] = clamped(linearOf(adjusted));
    }
}

std::string checkAdjustments(const Adjustments &adjustments)
{
    for (const std::string &error : {rangeError("--brightness", adjustments.brightness),
                                     rangeError("--contrast", adjustments.contrast),
                                     rangeError("--saturation", adjustments.saturation)}) {
        if (!error.empty())
            return error;
    }
    return {};
}

} // namespace tessaly::pattern
