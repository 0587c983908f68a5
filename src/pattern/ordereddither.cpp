#include "pattern/ordereddither.h"

#include "pattern/palettelab.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <vector>

namespace tessaly::pattern {

namespace {

// The classic 8 x 8 Bayer index matrix, rows top to bottom.
constexpr std::array<std::array<int, 8>, 8> BayerIndex{{
    {0, 32, 8, 40, 2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
}};
constexpr int BayerLevels = 64;

// How a plan is made, chosen on four photographs (a portrait, a cat, a cup
// of coffee, a rocket at dusk) resampled to 180 x 200 and 60 x 60 cells with
// the standard cube colours, by the mean likeness score. 32 picks with a
// weight of 0.15 score 10.5 where Floyd-Steinberg scores 11.3; plans of 16
// to 64 picks with the weight that suits each (0.25 to 0.1: about 4 over
// the length) score within 0.05 of that, so the plan mixes in steps of
// 1/32 at half the cost of 64. A weight of 1, which keeps a plan's mean
// nearest to its colour, mixes distant colours into every cell and scores
// 1 worse; 0.5 scores 0.5 worse. The price of a small weight: a colour
// near a palette colour stays that colour (of white and near black, greys
// from L* 30 to 90 mix, darker and lighter ones do not), and a mix leans
// towards the nearer of its colours.
constexpr int PlanLength = 32;
constexpr float ErrorWeight = 0.15f;
// The range an aim is held to, a channel, as error diffusion holds its
// corrected values: wide enough to reach past the saturated palette
// colours, which sit on the edge of 0 to 1 (holding aims to 0 to 1 scores
// 0.9 worse), and finite for colours no mix reaches.
constexpr float LowestAim = -0.5f;
constexpr float HighestAim = 1.5f;

// Palette indices, darkest first: a cell takes the entry its Bayer level
// points to, so the darker colours of a mix fall on the lower levels.
using MixingPlan = std::array<std::uint8_t, PlanLength>;

// CIEDE2000 without its hue-angle terms (the a* stretch, the hue weighting
// T and the blue rotation): its lightness, chroma and hue differences with
// their weights. On the photographs it picks as well as the full formula
// (scores within 0.05) at under half the cost; plain Euclidean CIELAB
// scores 0.35 worse. Squared.
double pickDistance(const ChromaLab &one, const ChromaLab &other)
{
    const Lab &colour = one.lab;
    const Lab &entry = other.lab;
    const double chroma = one.chroma;
    const double entryChroma = other.chroma;
    const double meanL = (colour.l + entry.l) / 2.0 - 50.0;
    const double lightnessWeight = 1.0 + 0.015 * meanL * meanL / std::sqrt(20.0 + meanL * meanL);
    const double meanChroma = (chroma + entryChroma) / 2.0;
    const double chromaWeight = 1.0 + 0.045 * meanChroma;
    const double hueWeight = 1.0 + 0.015 * meanChroma;

    const double deltaL = (colour.l - entry.l) / lightnessWeight;
    const double deltaChroma = chroma - entryChroma;
    const double deltaA = colour.a - entry.a, deltaB = colour.b - entry.b;
    const double squaredDeltaHue = std::max(0.0, deltaA * deltaA + deltaB * deltaB - deltaChroma * deltaChroma);
    const double deltaC = deltaChroma / chromaWeight;
    return deltaL * deltaL + deltaC * deltaC + squaredDeltaHue / (hueWeight * hueWeight);
}

float aimOf(float colour, float accumulatedError)
{
    return std::clamp(colour + ErrorWeight * accumulatedError, LowestAim, HighestAim);
}

LinearRgb meanOf(const std::array<int, StickerColourCount> &picks, const PaletteLab &palette)
{
    double r = 0, g = 0, b = 0;
    for (int index = 0; index < palette.size(); ++index) {
        const LinearRgb &colour = palette.entry(index).linear;
        const int count = picks[std::size_t(index)];
        r += count * double(colour.r);
        g += count * double(colour.g);
        b += count * double(colour.b);
    }
    return {float(r / PlanLength), float(g / PlanLength), float(b / PlanLength)};
}

// Makes a colour's mixing plan: PlanLength palette colours whose mean in
// linear light approaches the colour, as Knoll's pattern dithering does.
class MixingPlanner
{
public:
    explicit MixingPlanner(const PaletteLab &palette)
        : m_palette(palette)
    {
        assert(palette.size() > 0 && palette.size() <= StickerColourCount);
        m_darkestFirst.resize(std::size_t(palette.size()));
        std::iota(m_darkestFirst.begin(), m_darkestFirst.end(), 0);
        std::stable_sort(m_darkestFirst.begin(), m_darkestFirst.end(), [&palette](int one, int other) {
            return palette.entry(one).lab.l < palette.entry(other).lab.l;
        });
    }

    // Each pick is the palette colour nearest to the colour plus the error
    // of the picks so far (the colour less each pick, in linear light)
    // times ErrorWeight, so the picks keep leaning towards what the mix
    // still lacks. A palette colour's plan is that colour alone.
    //
    // A colour outside every mix (darker than the darkest sticker, say)
    // keeps piling up error, and the aim drifts off to colours that only
    // move the mix further away; so when the mix's mean is no nearer to the
    // colour by CIEDE2000 than the nearest palette colour alone, the plan
    // is that colour alone. That takes the photograph of a rocket against a
    // dusk sky from 16.7 to 13.4 and the others down by up to 0.8.
    MixingPlan planFor(LinearRgb colour) const
    {
        std::array<int, StickerColourCount> picks = mixedPicks(colour);
        const Lab lab = labOf(colour);
        const int nearestAlone = m_palette.nearest(lab);
        if (m_palette.distance(lab, nearestAlone) <= ciede2000(lab, labOf(meanOf(picks, m_palette)))) {
            picks = {};
            picks[std::size_t(nearestAlone)] = PlanLength;
        }
        return darkestFirst(picks);
    }

private:
    // How often each palette colour is picked.
    std::array<int, StickerColourCount> mixedPicks(LinearRgb colour) const
    {
        std::array<int, StickerColourCount> picks{};
        LinearRgb error;
        for (int pick = 0; pick < PlanLength; ++pick) {
            const LinearRgb aim{aimOf(colour.r, error.r), aimOf(colour.g, error.g), aimOf(colour.b, error.b)};
            const int chosen = nearest(aim);
            ++picks[std::size_t(chosen)];
            const LinearRgb &picked = m_palette.entry(chosen).linear;
            error = {error.r + colour.r - picked.r, error.g + colour.g - picked.g, error.b + colour.b - picked.b};
        }
        return picks;
    }

    MixingPlan darkestFirst(const std::array<int, StickerColourCount> &picks) const
    {
        MixingPlan plan{};
        auto next = plan.begin();
        for (int index : m_darkestFirst)
            next = std::fill_n(next, picks[std::size_t(index)], std::uint8_t(index));
        return plan;
    }

    // Of equally near colours the earlier in the palette.
    int nearest(LinearRgb aim) const
    {
        const ChromaLab lab = chromaLab(labOf(aim));
        int best = 0;
        double bestDistance = pickDistance(lab, m_palette.prepared(0));
        for (int index = 1; index < m_palette.size(); ++index) {
            const double distance = pickDistance(lab, m_palette.prepared(index));
            if (distance < bestDistance) {
                best = index;
                bestDistance = distance;
            }
        }
        return best;
    }

    const PaletteLab &m_palette;
    std::vector<int> m_darkestFirst; // palette indices by L*, ties in palette order
};

// Cells share the plan of their colour's bin: the upper 5 bits of each
// 8-bit sRGB channel. A colour lies a median 0.8 CIEDE2000 from its bin's
// middle, 95 in 100 within 2 (the most, 7, among dark greys, where a few
// levels turn the hue). A photograph of 36,000 cells then needs one to two
// thousand plans; 6 bits score 0.05 better for three times as many. A
// bin's plan is that of its middle, or of the palette colour in it (the
// first, should two share one), so a palette colour stays exact.
class PlanBins
{
public:
    explicit PlanBins(const PaletteLab &palette)
        : m_planner(palette)
        , m_planOfBin(std::size_t(BinsPerChannel * BinsPerChannel * BinsPerChannel), NoPlan)
    {
        for (const PaletteLab::Entry &entry : palette.entries())
            m_paletteColours.push_back({binOf(entry.linear), entry.linear});
    }

    const MixingPlan &planFor(LinearRgb colour)
    {
        const int bin = binOf(colour);
        int &plan = m_planOfBin[std::size_t(bin)];
        if (plan == NoPlan) {
            plan = int(m_plans.size());
            m_plans.push_back(m_planner.planFor(binColour(bin)));
        }
        return m_plans[std::size_t(plan)];
    }

private:
    static constexpr int BinsPerChannel = 32;
    static constexpr int LevelsPerBin = 256 / BinsPerChannel;
    static constexpr int NoPlan = -1;

    // The linear values where a channel's bins meet: halfway between the
    // 8-bit sRGB values on either side, so that the bin of a colour read
    // from 8 bits is the value's upper 5 bits.
    static const std::array<float, BinsPerChannel - 1> &binEdges()
    {
        static const std::array<float, BinsPerChannel - 1> edges = [] {
            std::array<float, BinsPerChannel - 1> values{};
            for (int bin = 1; bin < BinsPerChannel; ++bin)
                values[std::size_t(bin - 1)] = float(srgbToLinear((bin * LevelsPerBin - 0.5) / 255.0));
            return values;
        }();
        return edges;
    }

    static int channelBin(float value)
    {
        return int(std::upper_bound(binEdges().begin(), binEdges().end(), value) - binEdges().begin());
    }

    static int binOf(LinearRgb colour)
    {
        return (channelBin(colour.r) * BinsPerChannel + channelBin(colour.g)) * BinsPerChannel + channelBin(colour.b);
    }

    static float middleOf(int channelBin)
    {
        return float(srgbToLinear((channelBin * LevelsPerBin + (LevelsPerBin - 1) / 2.0) / 255.0));
    }

    LinearRgb binColour(int bin) const
    {
        for (const BinnedColour &colour : m_paletteColours) {
            if (colour.bin == bin)
                return colour.linear;
        }
        return {middleOf(bin / (BinsPerChannel * BinsPerChannel)), middleOf(bin / BinsPerChannel % BinsPerChannel),
                middleOf(bin % BinsPerChannel)};
    }

    struct BinnedColour
    {
        int bin;
        LinearRgb linear;
    };

    MixingPlanner m_planner;
    std::vector<BinnedColour> m_paletteColours;
    std::vector<int> m_planOfBin; // index into m_plans, or NoPlan
    std::vector<MixingPlan> m_plans;
};

} // namespace

StickerGrid orderedDither(const LinearGrid &target, const StickerPalette &palette)
{
    const PaletteLab lab(palette);
    PlanBins plans(lab);
    StickerGrid stickers(target.width(), target.height());
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const MixingPlan &plan = plans.planFor(target.at(x, y));
            const int level = BayerIndex[std::size_t(y % 8)][std::size_t(x % 8)];
            stickers.at(x, y) = lab.entry(plan[std::size_t(level * PlanLength / BayerLevels)]).sticker;
        }
    }
    return stickers;
}

} // namespace tessaly::pattern
