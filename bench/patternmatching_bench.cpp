// Speed of the pattern's classic matching methods on a wall of 4,000 cubes
// (180 x 200 cells) against the six cube colours: each should take well
// under 0.1 s.

#include "pattern/errordiffusion.h"
#include "pattern/nearestcolour.h"
#include "pattern/ordereddither.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace tessaly::pattern {
namespace {

StickerPalette cubeColours()
{
    StickerPalette palette;
    palette.colours = {{Sticker::White, {0xFF, 0xFF, 0xFF}, "white"}, {Sticker::Yellow, {0xFF, 0xD5, 0x00}, "yellow"},
                       {Sticker::Red, {0xB7, 0x12, 0x34}, "red"},     {Sticker::Orange, {0xFF, 0x58, 0x00}, "orange"},
                       {Sticker::Blue, {0x00, 0x46, 0xAD}, "blue"},   {Sticker::Green, {0x00, 0x9B, 0x48}, "green"}};
    return palette;
}

// Smooth hues and lightness with some grain, as a photograph's cells are.
LinearGrid photoLikeTarget()
{
    std::mt19937 random(11);
    std::normal_distribution<float> grain(0, 0.03f);
    LinearGrid target(180, 200);
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const float u = float(x) / float(target.width()), v = float(y) / float(target.height());
            const auto channel = [&](float value) { return std::clamp(value + grain(random), 0.0f, 1.0f); };
            target.at(x, y) = {channel(u * v), channel(0.5f + 0.5f * std::sin(6.0f * u)), channel(1.0f - v)};
        }
    }
    return target;
}

template <StickerGrid (*Match)(const LinearGrid &, const StickerPalette &)>
void BM_Match(benchmark::State &state)
{
    const LinearGrid target = photoLikeTarget();
    const StickerPalette palette = cubeColours();
    for (auto _ : state)
        benchmark::DoNotOptimize(Match(target, palette));
    state.counters["cells"] = double(target.size());
}
BENCHMARK(BM_Match<nearestColour>)->Name("Nearest")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Match<orderedDither>)->Name("Ordered")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Match<floydSteinberg>)->Name("FloydSteinberg")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Match<atkinson>)->Name("Atkinson")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly::pattern

BENCHMARK_MAIN();
