#include "pattern/likenessoptimiser.h"

#include "cube/faceturntable.h"
#include "pattern/blurinfluence.h"
#include "pattern/fastlab.h"
#include "pattern/likeness.h"
#include "pattern/localmetric.h"
#include "pattern/opponentblur.h"
#include "pattern/opponentcolour.h"
#include "pattern/parallelitems.h"
#include "pattern/turnaccount.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace tessaly::pattern {

namespace {

using fastlab::Float4;
using fastlab::labCurve;
using fastlab::labCurve4;
using fastlab::load;
using fastlab::splat;
using fastlab::squareRoot4;
using fastlab::WhiteX;
using fastlab::WhiteZ;

constexpr int Reach = BlurReach;

// Cells that changed in a pass: one cell, or a cube's nine (inclusive).
struct CellBox
{
    int left;
    int top;
    int right;
    int bottom;
};

// What changing a cell from one palette colour to another does to the XYZ
// of a blurred cell: the luminance channel's share times its weight there,
// plus the chromatic channels' share times theirs.
struct Step
{
    std::array<float, 3> luminance;
    std::array<float, 3> chroma;
};

// The search: the pattern, the blurred mosaic of every cell in XYZ, the
// blurred picture in Lab, and a local metric that turns their Lab
// difference into about their CIEDE2000 difference. Moves are proposed by
// the metric, which is fast, and taken only when the true CIEDE2000 of
// every cell they reach says they lower the score.
//
// Cells are stored with a border of Reach empty cells on every side, so a
// window never needs clipping: an empty cell has a zero metric and counts
// nothing.
class LikenessSearch
{
public:
    LikenessSearch(const LinearGrid &target, const StickerPalette &palette, const StickerGrid &start,
                   const LikenessOptimiserSettings &settings, unsigned threads)
        : m_width(target.width())
        , m_height(target.height())
        , m_stride(m_width + 2 * Reach + 1)
        , m_palette(palette)
        , m_luminanceRows(opponentKernels()[0], m_height)
        , m_luminanceColumns(opponentKernels()[0], m_width)
        , m_chromaRows(opponentKernels()[1], m_height)
        , m_chromaColumns(opponentKernels()[1], m_width)
    {
        for (const PaletteColour &colour : palette.colours)
            m_paletteOpponents.push_back(opponentOf(linearOf(colour.colour)));

        for (std::size_t from = 0; from < m_paletteOpponents.size(); ++from)
            for (std::size_t to = 0; to < m_paletteOpponents.size(); ++to)
                m_steps[from][to] = step(int(from), int(to));
        m_choice.resize(target.size());
        StickerGrid startInPalette(m_width, m_height);
        for (std::size_t cell = 0; cell < target.size(); ++cell) {
            m_choice[cell] = std::uint8_t(paletteIndex(start.values()[cell]));
            startInPalette.values()[cell] = palette.colours[m_choice[cell]].sticker;
        }
        const Grid<Lab> seenPicture = seenLab(target);
        const OpponentGrid seenMosaic = blurOpponents(opponentOf(mosaicColours(startInPalette, palette)));

        const std::size_t padded = std::size_t(m_stride) * std::size_t(m_height + 2 * Reach);
        for (std::vector<float> *values : {&m_x, &m_y, &m_z, &m_pictureL, &m_pictureA, &m_pictureB, &m_cost, &m_exactCost})
            values->assign(padded, 0.0f);
        for (std::vector<float> &entry : m_metric)
            entry.assign(padded, 0.0f);
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                const std::size_t at = slot(x, y);
                const Lab &seen = seenPicture.at(x, y);
                m_pictureL[at] = float(seen.l);
                m_pictureA[at] = float(seen.a);
                m_pictureB[at] = float(seen.b);
                const Xyz mosaicXyz = xyzOf(seenMosaic.at(x, y));
                m_x[at] = float(mosaicXyz.x);
                m_y[at] = float(mosaicXyz.y);
                m_z[at] = float(mosaicXyz.z);
                m_exactCost[at] = fastlab::ciede2000(pictureLab(at), mosaicLab(at));
            }
        }
        m_dirty.assign(target.size(), 1);
        m_moved.assign(target.size(), 1);
        renewMetrics(threads);
        if (settings.turnTable && m_width % 3 == 0 && m_height % 3 == 0)
            m_turns = std::make_unique<TurnAccount>(*settings.turnTable, palette, settings.turnWeight,
                                                    settings.maxTurns, m_choice, m_width);
    }

    // What the search lowers: the sum of the true CIEDE2000 between the
    // blurred picture and the blurred mosaic over the cells, plus the
    // weighted turns of the cubes.
    double objective() const
    {
        double sum = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                sum += m_exactCost[slot(x, y)];
        return m_turns ? sum + m_turns->totalCost() : sum;
    }

    // Cubes over the turn limit when no single sticker could bring them
    // under it: each becomes one colour, its most frequent one (no turns).
    void enforceTurnLimit()
    {
        if (!m_turns || !m_turns->maxTurns())
            return;
        const int cubeColumns = m_width / 3;
        for (std::size_t cube = 0; cube < m_turns->cubes(); ++cube) {
            if (m_turns->turns(cube) <= *m_turns->maxTurns())
                continue;
            const int left = int(cube) % cubeColumns * 3;
            const int top = int(cube) / cubeColumns * 3;
            std::array<int, 6> counts{};
            for (int place = 0; place < 9; ++place)
                ++counts[m_choice[cellIndex(left + place % 3, top + place / 3)]];
            const int colour = int(std::max_element(counts.begin(), counts.begin() + m_paletteOpponents.size()) - counts.begin());
            for (int place = 0; place < 9; ++place) {
                const int x = left + place % 3, y = top + place / 3;
                const int current = m_choice[cellIndex(x, y)];
                if (current != colour)
                    makeMove(x, y, current, colour);
            }
        }
    }

    // Takes the local metric of the cells whose mosaic changed at the middle
    // between the blurred picture and the blurred mosaic, where CIEDE2000
    // measures their difference.
    void renewMetrics(unsigned threads)
    {
        inParallel(threads, m_height, [&](int y) {
            for (int x = 0; x < m_width; ++x) {
                if (!m_moved[cellIndex(x, y)])
                    continue;
                const std::size_t at = slot(x, y);
                const Lab mosaic = mosaicLab(at);
                const Lab picture = pictureLab(at);
                const LocalMetric metric = localMetric(
                    {(picture.l + mosaic.l) / 2, (picture.a + mosaic.a) / 2, (picture.b + mosaic.b) / 2});
                for (std::size_t entry = 0; entry < metric.size(); ++entry)
                    m_metric[entry][at] = metric[entry];
                m_cost[at] = difference(metric, float(mosaic.l - picture.l), float(mosaic.a - picture.a),
                                        float(mosaic.b - picture.b));
                m_exactCost[at] = fastlab::ciede2000(picture, mosaic);
            }
        });
        std::fill(m_moved.begin(), m_moved.end(), 0);
    }

    // One pass over the cells that may gain. A cell's colours are proposed
    // in the order the metric favours them; the first that truly lowers the
    // score is taken. The rows are cut into bands wider than two reaches, so
    // that the even bands, and then the odd ones, can be worked on at the
    // same time without touching each other's cells; each band goes in
    // reading order. The result is the same on any number of threads.
    // After each band the calling thread works, carryOn hears how many of
    // the pass's bands are done; when it says no, the pass stops at the next
    // band. Returns how many cells changed, or empty when stopped.
    std::optional<long long> sweep(unsigned threads, const std::function<bool(int done, int total)> &carryOn)
    {
        const int bands = (m_height + BandRows - 1) / BandRows;
        std::vector<std::vector<CellBox>> changed{std::size_t(bands)};
        const std::thread::id caller = std::this_thread::get_id();
        std::atomic<int> bandsDone = 0;
        std::atomic<bool> stopped = false;
        for (int parity = 0; parity < 2 && !stopped; ++parity) {
            std::vector<int> work;
            for (int band = parity; band < bands; band += 2)
                work.push_back(band);
            inParallel(threads, int(work.size()), [&](int item) {
                if (stopped)
                    return;
                const int band = work[std::size_t(item)];
                const int bottom = std::min(m_height, (band + 1) * BandRows);
                for (int y = band * BandRows; y < bottom; ++y) {
                    for (int x = 0; x < m_width; ++x) {
                        if (m_dirty[cellIndex(x, y)] && improve(x, y))
                            changed[std::size_t(band)].push_back({x, y, x, y});
                    }
                }
                if (m_turns) {
                    for (int top = band * BandRows; top < bottom; top += 3)
                        for (int left = 0; left < m_width; left += 3)
                            if (improveCube(left, top))
                                changed[std::size_t(band)].push_back({left, top, left + 2, top + 2});
                }
                const int done = ++bandsDone;
                if (carryOn && std::this_thread::get_id() == caller && !carryOn(done, bands))
                    stopped = true;
            });
        }
        if (stopped)
            return std::nullopt;

        std::fill(m_dirty.begin(), m_dirty.end(), 0);
        long long changes = 0;
        for (const auto &band : changed) {
            for (const CellBox &box : band)
                markAround(box);
            changes += (long long)band.size();
        }
        return changes;
    }

    StickerGrid pattern() const
    {
        StickerGrid stickers(m_width, m_height);
        for (std::size_t cell = 0; cell < m_choice.size(); ++cell)
            stickers.values()[cell] = m_palette.colours[m_choice[cell]].sticker;
        return stickers;
    }

private:
    // A change smaller than this is noise of the float sums, not a gain.
    static constexpr float MinimumGain = 1e-3f;
    // How many of a cell's proposed colours are judged by the true score.
    static constexpr int MaxVerified = 2;
    // Below this chromatic weight (and outside the luminance blur) a cell's
    // true difference is followed by the metric until its next renewal.
    static constexpr float SlightWeight = 5e-3f;
    // Proposals leave out window rows whose chromatic weight is below this:
    // they change a proposal's gain by little, and the true check sees them.
    static constexpr float SlightRowWeight = 5e-3f;
    // Rows of a band: more than twice the reach apart, bands of one parity
    // never read or write the same cell.
    // A whole number of cube rows, so that a cube lies in one band.
    static constexpr int BandRows = 18;
    static_assert(BandRows > 2 * Reach + 2 && BandRows % 3 == 0);
    // How many whole-face candidates of a cube are judged by the true score:
    // a second one, tried when the first fails, gains about 0.1 % for a
    // quarter more time.
    static constexpr int CubeCandidates = 1;
    // A cube at this many turns or fewer is left to single stickers: a new
    // face could save it little.
    static constexpr int CheapFaceTurns = cube::FaceTurnTable::CheapTurns;

    std::size_t cellIndex(int x, int y) const { return std::size_t(y) * std::size_t(m_width) + std::size_t(x); }
    std::size_t slot(int x, int y) const
    {
        return std::size_t(y + Reach) * std::size_t(m_stride) + std::size_t(x + Reach);
    }

    int paletteIndex(Sticker sticker) const
    {
        for (std::size_t index = 0; index < m_palette.colours.size(); ++index) {
            if (m_palette.colours[index].sticker == sticker)
                return int(index);
        }
        return 0; // a sticker the palette lacks starts as its first colour
    }

    Lab pictureLab(std::size_t at) const { return {m_pictureL[at], m_pictureA[at], m_pictureB[at]}; }
    Lab mosaicLab(std::size_t at) const { return fastlab::labOf(Xyz{m_x[at], m_y[at], m_z[at]}); }

    Step step(int from, int to) const
    {
        const OpponentColour &a = m_paletteOpponents[std::size_t(from)];
        const OpponentColour &b = m_paletteOpponents[std::size_t(to)];
        const Xyz luminance = xyzOf(OpponentColour{b.luminance - a.luminance, 0, 0});
        const Xyz chroma = xyzOf(OpponentColour{0, b.redGreen - a.redGreen, b.blueYellow - a.blueYellow});
        return {{float(luminance.x), float(luminance.y), float(luminance.z)},
                {float(chroma.x), float(chroma.y), float(chroma.z)}};
    }

    bool improve(int x, int y)
    {
        const int current = m_choice[cellIndex(x, y)];
        std::array<float, 6> turnGain{};
        std::array<float, 6> proposed{};
        for (int candidate = 0; candidate < int(m_paletteOpponents.size()); ++candidate) {
            if (candidate == current)
                continue;
            turnGain[std::size_t(candidate)] = m_turns ? m_turns->change(x, y, current, candidate) : 0.0f;
            proposed[std::size_t(candidate)] = proposedGain(x, y, m_steps[std::size_t(current)][std::size_t(candidate)]) + turnGain[std::size_t(candidate)];
        }
        for (int verified = 0; verified < MaxVerified; ++verified) {
            const auto best = std::min_element(proposed.begin(), proposed.begin() + m_paletteOpponents.size());
            if (*best >= -MinimumGain)
                return false;
            const int candidate = int(best - proposed.begin());
            *best = 0.0f;
            if (trueGain(x, y, m_steps[std::size_t(current)][std::size_t(candidate)], false) + turnGain[std::size_t(candidate)] < -MinimumGain) {
                makeMove(x, y, current, candidate);
                return true;
            }
        }
        return false;
    }

    // Tries to give the cube whose top left cell is (left, top) a whole new
    // face: one with few turns, or its face with one colour merged into
    // another. Candidates are ranked by the first-order change of the
    // metric's sum plus their turns; the best few are judged by the true
    // score of every cell they reach, and the first that lowers the whole is
    // taken. Returns whether the face changed.
    bool improveCube(int left, int top)
    {
        if (!cubeIsDirty(left, top) || m_turns->turnsAt(left, top) <= CheapFaceTurns)
            return false;
        const int colours = int(m_paletteOpponents.size());
        FaceCells current;
        for (int place = 0; place < 9; ++place)
            current[std::size_t(place)] = m_choice[cellIndex(left + place % 3, top + place / 3)];
        const std::array<std::array<float, 6>, 9> firstOrder = firstOrderGains(left, top, current);
        const float currentTurns = m_turns->cost(m_turns->faceAt(left, top));

        std::array<std::pair<float, FaceCells>, CubeCandidates> best;
        best.fill({0.0f, current});
        const auto consider = [&](const FaceCells &candidate, std::uint32_t candidateFace) {
            float gain = m_turns->cost(candidateFace) - currentTurns;
            for (int place = 0; place < 9; ++place)
                gain += firstOrder[std::size_t(place)][std::size_t(candidate[std::size_t(place)])];
            if (gain >= best.back().first)
                return;
            best.back() = {gain, candidate};
            std::sort(best.begin(), best.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        };
        for (const LowTurnFace &low : m_turns->lowTurnFaces()) {
            if (low.cells != current)
                consider(low.cells, low.index);
        }
        for (int from = 0; from < colours; ++from) {
            if (std::find(current.begin(), current.end(), from) == current.end())
                continue;
            for (int to = 0; to < colours; ++to) {
                if (to == from)
                    continue;
                FaceCells candidate = current;
                std::replace(candidate.begin(), candidate.end(), from, to);
                consider(candidate, m_turns->faceOf(candidate));
            }
        }

        for (const auto &[gain, candidate] : best) {
            if (gain >= -MinimumGain)
                break;
            const std::uint32_t candidateFace = m_turns->faceOf(candidate);
            if (cubeTrueGain(left, top, current, candidate, false) + m_turns->cost(candidateFace) - currentTurns < -MinimumGain) {
                cubeTrueGain(left, top, current, candidate, true);
                for (int place = 0; place < 9; ++place)
                    m_choice[cellIndex(left + place % 3, top + place / 3)] = std::uint8_t(candidate[std::size_t(place)]);
                m_turns->setFaceAt(left, top, candidateFace);
                return true;
            }
        }
        return false;
    }

    bool cubeIsDirty(int left, int top) const
    {
        for (int place = 0; place < 9; ++place)
            if (m_dirty[cellIndex(left + place % 3, top + place / 3)])
                return true;
        return false;
    }

    // For each cell of the cube and each palette colour, the first-order
    // change of the metric's sum if that cell alone took that colour: the
    // gradient of every reached cell's difference, blurred back to the cell.
    std::array<std::array<float, 6>, 9> firstOrderGains(int left, int top, const FaceCells &current) const
    {
        constexpr int Side = 2 * Reach + 3;
        std::array<std::array<float, 3>, Side * Side> gradients{};
        for (int ty = std::max(0, top - Reach); ty <= std::min(m_height - 1, top + 2 + Reach); ++ty)
            for (int tx = std::max(0, left - Reach); tx <= std::min(m_width - 1, left + 2 + Reach); ++tx)
                gradients[std::size_t((ty - top + Reach) * Side + (tx - left + Reach))] = costGradient(slot(tx, ty));
        std::array<std::array<float, 6>, 9> gains{};
        for (int place = 0; place < 9; ++place) {
            const int x = left + place % 3, y = top + place / 3;
            std::array<float, 3> luminancePull{}, chromaPull{};
            const float *luminanceRow = m_luminanceRows.weights(y);
            const float *chromaRow = m_chromaRows.weights(y);
            const float *luminanceColumn = m_luminanceColumns.weights(x);
            const float *chromaColumn = m_chromaColumns.weights(x);
            for (int ty = std::max(0, y - Reach); ty <= std::min(m_height - 1, y + Reach); ++ty) {
                for (int tx = std::max(0, x - Reach); tx <= std::min(m_width - 1, x + Reach); ++tx) {
                    const std::array<float, 3> &gradient = gradients[std::size_t((ty - top + Reach) * Side + (tx - left + Reach))];
                    const float wl = luminanceRow[ty - y + Reach] * luminanceColumn[tx - x + Reach];
                    const float wc = chromaRow[ty - y + Reach] * chromaColumn[tx - x + Reach];
                    for (std::size_t axis = 0; axis < 3; ++axis) {
                        luminancePull[axis] += wl * gradient[axis];
                        chromaPull[axis] += wc * gradient[axis];
                    }
                }
            }
            const int from = current[std::size_t(place)];
            for (int to = 0; to < int(m_paletteOpponents.size()); ++to) {
                if (to == from)
                    continue;
                const Step &move = m_steps[std::size_t(from)][std::size_t(to)];
                float gain = 0;
                for (std::size_t axis = 0; axis < 3; ++axis)
                    gain += move.luminance[axis] * luminancePull[axis] + move.chroma[axis] * chromaPull[axis];
                gains[std::size_t(place)][std::size_t(to)] = gain;
            }
        }
        return gains;
    }

    // How a cell's metric difference changes with its blurred mosaic's XYZ.
    std::array<float, 3> costGradient(std::size_t at) const
    {
        if (m_cost[at] <= 1e-6f)
            return {0, 0, 0};
        const float x = m_x[at] / WhiteX, y = m_y[at], z = m_z[at] / WhiteZ;
        const float fx = labCurve(x), fy = labCurve(y), fz = labCurve(z);
        const float dl = 116.0f * fy - 16.0f - m_pictureL[at];
        const float da = 500.0f * (fx - fy) - m_pictureA[at];
        const float db = 200.0f * (fy - fz) - m_pictureB[at];
        const auto &m = m_metric;
        const float gl = (m[0][at] * dl + m[1][at] * da + m[2][at] * db) / m_cost[at];
        const float ga = (m[1][at] * dl + m[3][at] * da + m[4][at] * db) / m_cost[at];
        const float gb = (m[2][at] * dl + m[4][at] * da + m[5][at] * db) / m_cost[at];
        const auto slope = [](float t, float f) { return t > 0.008856f ? 1.0f / (3.0f * f * f) : 7.787f; };
        return {500.0f * ga * slope(x, fx) / WhiteX, (116.0f * gl - 500.0f * ga + 200.0f * gb) * slope(y, fy),
                -200.0f * gb * slope(z, fz) / WhiteZ};
    }

    // The change of the true score's sum when the cube's cells change from
    // `from` to `to` together; with apply, the change is made to the mosaic.
    float cubeTrueGain(int left, int top, const FaceCells &from, const FaceCells &to, bool apply)
    {
        double gain = 0;
        for (int ty = std::max(0, top - Reach); ty <= std::min(m_height - 1, top + 2 + Reach); ++ty) {
            for (int tx = std::max(0, left - Reach); tx <= std::min(m_width - 1, left + 2 + Reach); ++tx) {
                std::array<float, 3> change{};
                for (int place = 0; place < 9; ++place) {
                    const int x = left + place % 3, y = top + place / 3;
                    if (from[std::size_t(place)] == to[std::size_t(place)] || std::abs(tx - x) > Reach || std::abs(ty - y) > Reach)
                        continue;
                    const Step &move = m_steps[std::size_t(from[std::size_t(place)])][std::size_t(to[std::size_t(place)])];
                    const float wl = m_luminanceRows.weights(y)[ty - y + Reach] * m_luminanceColumns.weights(x)[tx - x + Reach];
                    const float wc = m_chromaRows.weights(y)[ty - y + Reach] * m_chromaColumns.weights(x)[tx - x + Reach];
                    for (std::size_t axis = 0; axis < 3; ++axis)
                        change[axis] += wl * move.luminance[axis] + wc * move.chroma[axis];
                }
                gain += moveCell(slot(tx, ty), change, true, apply);
            }
        }
        return float(gain);
    }


    void makeMove(int x, int y, int from, int to)
    {
        trueGain(x, y, m_steps[std::size_t(from)][std::size_t(to)], true);
        m_choice[cellIndex(x, y)] = std::uint8_t(to);
        if (m_turns)
            m_turns->setCell(x, y, from, to);
    }

    // Cells whose best colour may have changed after the cells in the box
    // changed, and whose metric is stale: those the changed cells' blur
    // reaches.
    void markAround(const CellBox &box)
    {
        for (int ty = std::max(0, box.top - Reach); ty <= std::min(m_height - 1, box.bottom + Reach); ++ty) {
            for (int tx = std::max(0, box.left - Reach); tx <= std::min(m_width - 1, box.right + Reach); ++tx) {
                m_dirty[cellIndex(tx, ty)] = 1;
                m_moved[cellIndex(tx, ty)] = 1;
            }
        }
    }

    // The change of the summed metric differences when cell (x, y) changes
    // by `step`: four cells of a window row at a time, without a branch.
    float proposedGain(int x, int y, const Step &step) const
    {
        const float *luminanceRow = m_luminanceRows.weights(y);
        const float *chromaRow = m_chromaRows.weights(y);
        const float *luminanceColumn = m_luminanceColumns.weights(x);
        const float *chromaColumn = m_chromaColumns.weights(x);
        Float4 gain = splat(0.0f);
        for (int row = 0; row < BlurWindow; ++row) {
            const float luminanceWeight = luminanceRow[row];
            const float chromaWeight = chromaRow[row];
            if (luminanceWeight == 0.0f && chromaWeight < SlightRowWeight)
                continue;
            const std::size_t first = slot(x - Reach, y - Reach + row);
            for (int i = 0; i < BlurLanes; i += 4) {
                const std::size_t at = first + std::size_t(i);
                const Float4 wl = luminanceWeight * load(luminanceColumn + i);
                const Float4 wc = chromaWeight * load(chromaColumn + i);
                const Float4 fx = labCurve4((load(&m_x[at]) + wl * step.luminance[0] + wc * step.chroma[0]) * (1.0f / WhiteX));
                const Float4 fy = labCurve4(load(&m_y[at]) + wl * step.luminance[1] + wc * step.chroma[1]);
                const Float4 fz = labCurve4((load(&m_z[at]) + wl * step.luminance[2] + wc * step.chroma[2]) * (1.0f / WhiteZ));
                const Float4 dl = 116.0f * fy - 16.0f - load(&m_pictureL[at]);
                const Float4 da = 500.0f * (fx - fy) - load(&m_pictureA[at]);
                const Float4 db = 200.0f * (fy - fz) - load(&m_pictureB[at]);
                const Float4 q = load(&m_metric[0][at]) * dl * dl + load(&m_metric[3][at]) * da * da
                               + load(&m_metric[5][at]) * db * db
                               + 2.0f * (load(&m_metric[1][at]) * dl * da + load(&m_metric[2][at]) * dl * db
                                         + load(&m_metric[4][at]) * da * db);
                gain += squareRoot4(q) - load(&m_cost[at]);
            }
        }
        return gain[0] + gain[1] + gain[2] + gain[3];
    }

    // The change of the true score's sum when cell (x, y) changes by `step`;
    // with apply, the change is made.
    float trueGain(int x, int y, const Step &step, bool apply)
    {
        const float *luminanceRow = m_luminanceRows.weights(y);
        const float *chromaRow = m_chromaRows.weights(y);
        const float *luminanceColumn = m_luminanceColumns.weights(x);
        const float *chromaColumn = m_chromaColumns.weights(x);
        double gain = 0;
        for (int ty = std::max(0, y - Reach); ty <= std::min(m_height - 1, y + Reach); ++ty) {
            for (int tx = std::max(0, x - Reach); tx <= std::min(m_width - 1, x + Reach); ++tx) {
                const float wl = luminanceRow[ty - y + Reach] * luminanceColumn[tx - x + Reach];
                const float wc = chromaRow[ty - y + Reach] * chromaColumn[tx - x + Reach];
                const std::array<float, 3> change{wl * step.luminance[0] + wc * step.chroma[0],
                                                  wl * step.luminance[1] + wc * step.chroma[1],
                                                  wl * step.luminance[2] + wc * step.chroma[2]};
                gain += moveCell(slot(tx, ty), change, wl > 0.0f || wc >= SlightWeight, apply);
            }
        }
        return float(gain);
    }

    // The change of the true difference of the blurred cell at `at` when
    // its mosaic moves by `change` in XYZ; with apply, the move is made.
    // Where a move is slight the metric's own change stands in for the true
    // one, until the cell's metric is renewed.
    double moveCell(std::size_t at, const std::array<float, 3> &change, bool checkExactly, bool apply)
    {
        const Xyz moved{m_x[at] + change[0], m_y[at] + change[1], m_z[at] + change[2]};
        const Lab movedLab = fastlab::labOf(moved);
        const Lab picture = pictureLab(at);
        const float cost = difference({m_metric[0][at], m_metric[1][at], m_metric[2][at], m_metric[3][at],
                                       m_metric[4][at], m_metric[5][at]},
                                      float(movedLab.l - picture.l), float(movedLab.a - picture.a),
                                      float(movedLab.b - picture.b));
        const float exact = checkExactly ? fastlab::ciede2000(picture, movedLab) : m_exactCost[at] + (cost - m_cost[at]);
        const double gain = double(exact) - double(m_exactCost[at]);
        if (apply) {
            m_x[at] = float(moved.x);
            m_y[at] = float(moved.y);
            m_z[at] = float(moved.z);
            m_exactCost[at] = exact;
            m_cost[at] = cost;
        }
        return gain;
    }

    int m_width;
    int m_height;
    int m_stride; // padded row length
    const StickerPalette &m_palette;
    BlurInfluence m_luminanceRows;
    BlurInfluence m_luminanceColumns;
    BlurInfluence m_chromaRows;
    BlurInfluence m_chromaColumns;
    std::vector<OpponentColour> m_paletteOpponents;
    std::vector<std::uint8_t> m_choice; // palette index of each cell, unpadded
    std::vector<std::uint8_t> m_dirty; // may gain in the next pass, unpadded
    std::vector<std::uint8_t> m_moved; // blurred mosaic changed since the metric was taken, unpadded
    std::unique_ptr<TurnAccount> m_turns; // when the search counts turns
    std::array<std::array<Step, 6>, 6> m_steps{}; // by palette index, from and to
    // Per padded cell: the blurred mosaic, the blurred picture, the metric
    // between them, the difference it gives and the true difference.
    std::vector<float> m_x, m_y, m_z;
    std::vector<float> m_pictureL, m_pictureA, m_pictureB;
    std::array<std::vector<float>, 6> m_metric;
    std::vector<float> m_cost;
    std::vector<float> m_exactCost;
};

} // namespace

std::optional<StickerGrid> optimiseLikeness(const LinearGrid &target, const StickerPalette &palette,
                                            const StickerGrid &start, const LikenessOptimiserSettings &settings,
                                            const PatternProgress &progress)
{
    if (target.isEmpty() || palette.colours.size() < 2)
        return start;
    const unsigned threads = settings.threads != 0 ? settings.threads : std::max(1u, std::thread::hardware_concurrency());
    // Progress in steps of a pass, told after each band as well, so that a
    // large wall shows its progress and stops soon when told to.
    constexpr long long StepsAPass = 1000;
    const auto carryOn = [&](int pass, long long steps) {
        return !progress || progress(pass * StepsAPass + steps, settings.maxSweeps * StepsAPass);
    };
    LikenessSearch search(target, palette, start, settings, threads);
    double lastObjective = search.objective();
    for (int pass = 0; pass < settings.maxSweeps; ++pass) {
        if (!carryOn(pass, 0))
            return std::nullopt;
        const std::optional<long long> changes = search.sweep(threads, [&](int done, int total) {
            return carryOn(pass, StepsAPass * done / total);
        });
        if (!changes)
            return std::nullopt;
        const double objective = search.objective();
        if (*changes == 0 || objective > lastObjective * (1.0 - settings.minimumImprovement))
            break;
        lastObjective = objective;
        search.renewMetrics(threads);
    }
    search.enforceTurnLimit();
    if (!carryOn(settings.maxSweeps, 0))
        return std::nullopt;
    return search.pattern();
}

} // namespace tessaly::pattern
