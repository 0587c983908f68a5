// Speed and memory of the optimal face solver on random faces (every place a
// random colour, fixed seed): building the solver's tables, milliseconds per
// distinct face on one and two threads with the distance tables built on the
// way ("Cold") and already built ("Warm"), and 10,000 faces from nothing,
// with the distribution of their lengths. Ends with the peak resident size.

#include "cube/facesolver.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

namespace tessaly::cube {
namespace {

constexpr unsigned Seed = 20240611;

std::vector<FaceTarget> randomFaces(std::size_t count)
{
    std::mt19937 random(Seed);
    std::vector<FaceTarget> faces(count);
    for (FaceTarget &face : faces) {
        for (auto &place : face)
            place = Colour(random() % ColourCount);
    }
    return faces;
}

std::size_t distinctCount(std::vector<FaceTarget> faces)
{
    std::sort(faces.begin(), faces.end());
    return std::size_t(std::unique(faces.begin(), faces.end()) - faces.begin());
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_BuildTables(benchmark::State &state)
{
    for (auto _ : state) {
        FaceSolver solver;
        benchmark::DoNotOptimize(&solver);
    }
}
BENCHMARK(BM_BuildTables)->Unit(benchmark::kMillisecond);

// Arguments: faces, threads, whether the distance tables are built first.
void BM_SolveFaces(benchmark::State &state)
{
    const std::vector<FaceTarget> faces = randomFaces(std::size_t(state.range(0)));
    const auto threads = unsigned(state.range(1));
    const bool warm = state.range(2) != 0;
    const double distinct = double(distinctCount(faces));

    std::optional<FaceSolver> warmSolver;
    if (warm) {
        warmSolver.emplace();
        solveFaces(*warmSolver, faces, 0);
    }
    double seconds = 0;
    for (auto _ : state) {
        std::optional<FaceSolver> coldSolver;
        if (!warm)
            coldSolver.emplace(); // table building is measured on its own
        const FaceSolver &solver = warm ? *warmSolver : *coldSolver;
        const auto start = std::chrono::steady_clock::now();
        const auto solutions = solveFaces(solver, faces, threads);
        const double elapsed = secondsSince(start);
        seconds += elapsed;
        state.SetIterationTime(elapsed);
        benchmark::DoNotOptimize(solutions);
    }
    state.counters["ms_per_face"] = seconds * 1000.0 / double(state.iterations()) / distinct;
    state.SetLabel(warm ? "Warm" : "Cold");
}
BENCHMARK(BM_SolveFaces)
    ->ArgNames({"faces", "threads", "warm"})
    ->Args({2000, 1, 0})
    ->Args({2000, 2, 0})
    ->Args({2000, 1, 1})
    ->Args({2000, 2, 1})
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

// 10,000 faces on both cores from a solver not yet built, tables and all.
void BM_TenThousandFaces(benchmark::State &state)
{
    const std::vector<FaceTarget> faces = randomFaces(10'000);
    std::array<int, 16> lengths{};
    std::size_t tables = 0;
    for (auto _ : state) {
        const FaceSolver solver;
        const auto solutions = solveFaces(solver, faces, 2);
        tables = solver.distanceTableCount();
        state.PauseTiming();
        lengths.fill(0);
        for (const FaceSolution &solution : *solutions)
            ++lengths[std::min(solution.moves.size(), lengths.size() - 1)];
        state.ResumeTiming();
    }

    double total = 0;
    std::string distribution;
    for (std::size_t length = 0; length < lengths.size(); ++length) {
        total += double(length) * lengths[length];
        if (lengths[length] != 0)
            distribution += std::to_string(length) + ":" + std::to_string(lengths[length]) + " ";
    }
    state.counters["mean_turns"] = total / double(faces.size());
    state.counters["distinct"] = double(distinctCount(faces));
    state.counters["tables"] = double(tables);
    state.SetLabel("turns " + distribution);
}
BENCHMARK(BM_TenThousandFaces)->Iterations(1)->Unit(benchmark::kMillisecond);

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
