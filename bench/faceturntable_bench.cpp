// Speed and memory of the face turn table: building it from the shipped
// class counts, and looking faces up by index and by colours (random faces,
// fixed seed, spread over the whole table as a pattern optimiser's would
// be). Ends with the peak resident size.

#include "cube/faceturntable.h"
#include "cube/shippedfaceturntable.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <random>

namespace tessaly::cube {
namespace {

constexpr unsigned Seed = 20240611;
constexpr std::size_t LookupCount = 1 << 20;

std::vector<std::uint32_t> randomIndices()
{
    std::mt19937 random(Seed);
    std::vector<std::uint32_t> indices(LookupCount);
    for (std::uint32_t &index : indices)
        index = random() % FaceTurnTable::ColouringCount;
    return indices;
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void BM_BuildFromShippedCounts(benchmark::State &state)
{
    for (auto _ : state) {
        const FaceTurnTable table(shippedFaceClassTurns());
        benchmark::DoNotOptimize(&table);
    }
    state.counters["table_MB"] = double(FaceTurnTable::ColouringCount) / (1024.0 * 1024.0);
}
BENCHMARK(BM_BuildFromShippedCounts)->Unit(benchmark::kMillisecond);

void BM_LookUpByIndex(benchmark::State &state)
{
    const FaceTurnTable &table = faceTurnTable();
    const std::vector<std::uint32_t> indices = randomIndices();
    for (auto _ : state) {
        int total = 0;
        for (const std::uint32_t index : indices)
            total += table.turns(index);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(indices.size()));
}
BENCHMARK(BM_LookUpByIndex)->Unit(benchmark::kMillisecond);

void BM_LookUpByFace(benchmark::State &state)
{
    const FaceTurnTable &table = faceTurnTable();
    std::vector<std::array<Colour, 9>> faces;
    faces.reserve(LookupCount);
    for (const std::uint32_t index : randomIndices())
        faces.push_back(FaceTurnTable::faceAt(index));
    for (auto _ : state) {
        int total = 0;
        for (const auto &face : faces)
            total += table.turns(face);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(faces.size()));
}
BENCHMARK(BM_LookUpByFace)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly::cube

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("peak resident size: %.1f MB\n", tessaly::cube::peakResidentMegabytes());
    return 0;
}
