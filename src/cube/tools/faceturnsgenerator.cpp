// Solves one face of every class of fully coloured front faces and writes
// their turn counts as the string literal the cube library compiles in:
//
//     faceturnsgenerator src/cube/faceclassturns.inc [threads]
//
// Run it again whenever the solver or the face symmetries change. Prints the
// class count, how many faces need each number of turns, and the time taken.
// Exit status 1 for bad arguments, 2 when a count needs more than one digit
// or the file cannot be written.

#include "cube/faceturncounts.h"
#include "cube/faceturnsymmetry.h"
#include "cube/faceturntable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string_view>

namespace {

using namespace tessaly::cube;

constexpr std::size_t DigitsPerLine = 100;
constexpr int MostTurns = 9; // one decimal digit a class

bool writeDigits(const char *path, const std::vector<std::uint8_t> &classTurns)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "// Written by faceturnsgenerator: the least turn count of each class of\n"
           "// fully coloured front faces, one digit a class, in the order\n"
           "// FaceTurnTable takes them.\n";
    for (std::size_t start = 0; start < classTurns.size(); start += DigitsPerLine) {
        out << '"';
        for (std::size_t i = start; i < std::min(start + DigitsPerLine, classTurns.size()); ++i)
            out << char('0' + classTurns[i]);
        out << "\"\n";
    }
    out.close();
    return bool(out);
}

void printDistribution(const char *title, const std::array<std::size_t, MostTurns + 1> &counts)
{
    std::printf("%s:", title);
    for (int turns = 0; turns <= MostTurns; ++turns) {
        if (counts[turns] != 0)
            std::printf(" %d:%zu", turns, counts[turns]);
    }
    std::printf("\n");
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: faceturnsgenerator OUTPUT.inc [threads]\n");
        return 1;
    }
    unsigned threads = 0; // all cores
    if (argc == 3) {
        const std::string_view text = argv[2];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), threads);
        if (error != std::errc() || end != text.data() + text.size()) {
            std::fprintf(stderr, "faceturnsgenerator: not a thread count: %s\n", argv[2]);
            return 1;
        }
    }

    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::uint32_t> representatives = FaceTurnTable::classRepresentatives();
    std::printf("%zu classes under %d symmetries\n", representatives.size(), FaceTurnSymmetryCount);

    const FaceSolver solver;
    int lastPercent = -1;
    const auto showProgress = [&](std::size_t done, std::size_t total) {
        const int percent = int(done * 100 / std::max<std::size_t>(total, 1));
        if (percent != lastPercent)
            std::fprintf(stderr, "\r%3d%%", lastPercent = percent);
        return true;
    };
    const auto classTurns = solveFaceTurnCounts(solver, representatives, threads, showProgress);
    std::fprintf(stderr, "\n");
    std::printf("solved in %.1f s\n", secondsSince(start));

    std::array<std::size_t, MostTurns + 1> classesByTurns{};
    for (const std::uint8_t turns : *classTurns) {
        if (turns > MostTurns) {
            std::fprintf(stderr, "faceturnsgenerator: a class needs %d turns, more than a digit holds\n",
                         int(turns));
            return 2;
        }
        ++classesByTurns[turns];
    }
    const FaceTurnTable table(*classTurns);
    std::array<std::size_t, MostTurns + 1> facesByTurns{};
    for (std::uint32_t index = 0; index < FaceTurnTable::ColouringCount; ++index)
        ++facesByTurns[table.turns(index)];
    printDistribution("classes by turns", classesByTurns);
    printDistribution("faces by turns", facesByTurns);

    if (!writeDigits(argv[1], *classTurns)) {
        std::fprintf(stderr, "faceturnsgenerator: cannot write %s\n", argv[1]);
        return 2;
    }
    return 0;
}
