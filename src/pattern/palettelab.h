#pragma once

#include "pattern/colourscience.h"
#include "pattern/fastciede2000.h"
#include "pattern/palette.h"
#include "pattern/sticker.h"

#include <vector>

namespace tessaly::pattern {

// A palette's colours in the forms matching works with, worked out once:
// CIELAB to choose a colour, linear light to average and diffuse.
class PaletteLab
{
public:
    struct Entry
    {
        Sticker sticker = Sticker::White;
        Lab lab;
        LinearRgb linear;
    };

    // The palette's colours in its order.
    explicit PaletteLab(const StickerPalette &palette);

    int size() const { return int(m_entries.size()); }
    const Entry &entry(int index) const { return m_entries[std::size_t(index)]; }
    const std::vector<Entry> &entries() const { return m_entries; }
    // The entry's CIELAB with its chroma.
    const ChromaLab &prepared(int index) const { return m_prepared[std::size_t(index)]; }

    // The CIEDE2000 difference between colour and the entry at index.
    double distance(const Lab &colour, int index) const;

    // The index of the entry nearest to colour by CIEDE2000; of equally near
    // entries the earlier. The palette must not be empty.
    int nearest(const Lab &colour) const;

private:
    std::vector<Entry> m_entries;
    std::vector<ChromaLab> m_prepared; // the entries' Lab made ready to compare
};

} // namespace tessaly::pattern
