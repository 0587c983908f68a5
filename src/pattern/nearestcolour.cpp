#include "pattern/nearestcolour.h"

#include "pattern/palettelab.h"

namespace tessaly::pattern {

StickerGrid nearestColour(const LinearGrid &target, const StickerPalette &palette)
{
    const PaletteLab lab(palette);
    StickerGrid stickers(target.width(), target.height());
    for (std::size_t cell = 0; cell < target.size(); ++cell)
        stickers.values()[cell] = lab.entry(lab.nearest(labOf(target.values()[cell]))).sticker;
    return stickers;
}

} // namespace tessaly::pattern
