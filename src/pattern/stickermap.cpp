#include "pattern/stickermap.h"

namespace tessaly::pattern {

namespace {

// "W #FFFFFF, Y #FFD500, ..."
std::string paletteListing(const StickerPalette &palette)
{
    std::string listing;
    for (const PaletteColour &colour : palette.colours) {
        if (!listing.empty())
            listing += ", ";
        listing += stickerLetter(colour.sticker);
        listing += ' ' + hexOf(colour.colour);
    }
    return listing;
}

// Why the palette cannot read a map; empty when it can.
std::string ambiguity(const StickerPalette &palette)
{
    const auto &colours = palette.colours;
    for (std::size_t one = 0; one < colours.size(); ++one) {
        for (std::size_t other = one + 1; other < colours.size(); ++other) {
            if (colours[one].colour == colours[other].colour && colours[one].sticker != colours[other].sticker)
                return std::string("the palette gives ") + stickerLetter(colours[one].sticker) + " and "
                     + stickerLetter(colours[other].sticker) + " the same colour " + hexOf(colours[one].colour)
                     + ", so a sticker map cannot tell them apart";
        }
    }
    return {};
}

const PaletteColour *colourOfPixel(const StickerPalette &palette, Srgb8 pixel)
{
    for (const PaletteColour &colour : palette.colours) {
        if (colour.colour == pixel)
            return &colour;
    }
    return nullptr;
}

// "pixel (12, 7), row 2 column 1 of cube (5, 3), is #123456, which is not ..."
std::string strayPixel(int x, int y, Srgb8 pixel, const StickerPalette &palette)
{
    return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + "), row " + std::to_string(y % 3 + 1)
         + " column " + std::to_string(x % 3 + 1) + " of cube (" + std::to_string(x / 3 + 1) + ", "
         + std::to_string(y / 3 + 1) + "), is " + hexOf(pixel) + ", which is not a colour of the palette ("
         + paletteListing(palette) + ")";
}

StickerMapReading refusal(std::string error)
{
    return {std::nullopt, std::move(error)};
}

} // namespace

StickerMapReading readStickerMap(const Grid<Srgb8> &pixels, const StickerPalette &palette)
{
    if (std::string reason = ambiguity(palette); !reason.empty())
        return refusal(std::move(reason));
    if (pixels.isEmpty())
        return refusal("the sticker map has no pixels");
    if (pixels.width() % 3 != 0 || pixels.height() % 3 != 0)
        return refusal("the sticker map is " + std::to_string(pixels.width()) + " x " + std::to_string(pixels.height())
                       + " pixels; its width and height must be multiples of 3, a pixel for each sticker"
                         " and 3 x 3 for each cube");

    StickerGrid stickers(pixels.width(), pixels.height());
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const PaletteColour *colour = colourOfPixel(palette, pixels.at(x, y));
            if (!colour)
                return refusal(strayPixel(x, y, pixels.at(x, y), palette));
            stickers.at(x, y) = colour->sticker;
        }
    }
    return {std::move(stickers), {}};
}

Grid<Srgb8> stickerMapPixels(const StickerGrid &stickers, const StickerPalette &palette)
{
    Grid<Srgb8> pixels(stickers.width(), stickers.height(), UnmatchedColour);
    for (std::size_t cell = 0; cell < stickers.size(); ++cell) {
        for (const PaletteColour &colour : palette.colours) {
            if (colour.sticker == stickers.values()[cell]) {
                pixels.values()[cell] = colour.colour;
                break;
            }
        }
    }
    return pixels;
}

} // namespace tessaly::pattern
