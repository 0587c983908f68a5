#include "pattern/palettelab.h"

#include "pattern/fastciede2000.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace tessaly::pattern {

PaletteLab::PaletteLab(const StickerPalette &palette)
{
    m_entries.reserve(palette.colours.size());
    m_prepared.reserve(palette.colours.size());
    for (const PaletteColour &colour : palette.colours) {
        const LinearRgb linear = linearOf(colour.colour);
        const Lab lab = labOf(linear);
        m_entries.push_back({colour.sticker, lab, linear});
        m_prepared.push_back(chromaLab(lab));
    }
}

double PaletteLab::distance(const Lab &colour, int index) const
{
    return std::sqrt(std::max(0.0, squaredCiede2000(chromaLab(colour), m_prepared[std::size_t(index)])));
}

int PaletteLab::nearest(const Lab &colour) const
{
    assert(!m_prepared.empty());
    const ChromaLab cell = chromaLab(colour);
    int best = 0;
    double bestDistance = squaredCiede2000(cell, m_prepared.front());
    for (int index = 1; index < size(); ++index) {
        const double distance = squaredCiede2000(cell, m_prepared[std::size_t(index)], bestDistance);
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace tessaly::pattern
