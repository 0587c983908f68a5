#include "cube/faceturntable.h"
#include "cube/shippedfaceturntable.h"
#include "pattern/turnaccount.h"
#include "support/testpalettes.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

namespace tessaly::pattern {
namespace {

using cube::FaceTurnTable;

constexpr int Width = 9;  // three cubes across
constexpr int Height = 6; // two down

// The palette in another order than the cube's colours, so that a palette
// index is never mistaken for a colour number.
StickerPalette shuffledPalette()
{
    return test::paletteOf({{Sticker::Blue, {0, 70, 173}},
                            {Sticker::White, {255, 255, 255}},
                            {Sticker::Green, {0, 155, 72}},
                            {Sticker::Red, {183, 18, 52}},
                            {Sticker::Orange, {255, 88, 0}},
                            {Sticker::Yellow, {255, 213, 0}}});
}

// The cube colour of a palette colour, through its letter.
cube::Colour cubeColour(const StickerPalette &palette, int paletteIndex)
{
    const char letter = stickerLetter(palette.colours[std::size_t(paletteIndex)].sticker);
    return cube::Colour(std::string_view("WYROBG").find(letter));
}

// The table index of the cube with top left cell (left, top), read from the
// cells as the table reads a face.
std::uint32_t faceIndexOf(const StickerPalette &palette, const std::vector<std::uint8_t> &cells, int left, int top)
{
    std::array<cube::Colour, 9> face;
    for (int place = 0; place < 9; ++place)
        face[std::size_t(place)] =
            cubeColour(palette, cells[std::size_t(top + place / 3) * Width + std::size_t(left + place % 3)]);
    return FaceTurnTable::indexOf(face);
}

std::vector<std::uint8_t> randomCells(std::mt19937 &random)
{
    std::vector<std::uint8_t> cells(Width * Height);
    for (std::uint8_t &cell : cells)
        cell = std::uint8_t(random() % 6);
    return cells;
}

// Through hundreds of single-cell changes, every cube's face stays the one
// its cells show, and each predicted change of cost is the one that follows.
TEST(TurnAccountTest, FollowsEveryCellChange)
{
    const FaceTurnTable &table = cube::faceTurnTable();
    const StickerPalette palette = shuffledPalette();
    constexpr double Weight = 2.5;
    std::mt19937 random(7);
    std::vector<std::uint8_t> cells = randomCells(random);
    TurnAccount account(table, palette, Weight, std::nullopt, cells, Width);
    ASSERT_EQ(account.cubes(), 6u);

    const auto costOf = [&](int left, int top) { return Weight * table.turns(faceIndexOf(palette, cells, left, top)); };
    for (int change = 0; change < 400; ++change) {
        const int x = int(random() % Width), y = int(random() % Height);
        const int left = x / 3 * 3, top = y / 3 * 3;
        std::uint8_t &cell = cells[std::size_t(y) * Width + std::size_t(x)];
        const int from = cell, to = int(random() % 6);
        const double before = costOf(left, top);
        const float predicted = account.change(x, y, from, to);
        cell = std::uint8_t(to);
        account.setCell(x, y, from, to);

        ASSERT_EQ(account.faceAt(x, y), faceIndexOf(palette, cells, left, top)) << "change " << change;
        ASSERT_NEAR(predicted, costOf(left, top) - before, 1e-4) << "change " << change;
    }

    double total = 0;
    for (int top = 0; top < Height; top += 3)
        for (int left = 0; left < Width; left += 3)
            total += costOf(left, top);
    EXPECT_NEAR(account.totalCost(), total, 1e-3);
}

TEST(TurnAccountTest, ReadsAWholeFaceAsItsCells)
{
    const StickerPalette palette = shuffledPalette();
    std::mt19937 random(11);
    std::vector<std::uint8_t> cells = randomCells(random);
    const TurnAccount account(cube::faceTurnTable(), palette, 1, std::nullopt, cells, Width);
    for (int top = 0; top < Height; top += 3) {
        for (int left = 0; left < Width; left += 3) {
            FaceCells face;
            for (int place = 0; place < 9; ++place)
                face[std::size_t(place)] = cells[std::size_t(top + place / 3) * Width + std::size_t(left + place % 3)];
            EXPECT_EQ(account.faceOf(face), faceIndexOf(palette, cells, left, top));
            EXPECT_EQ(account.faceAt(left + 2, top + 1), account.faceOf(face));
        }
    }
}

// Within the limit a face costs its weighted turns; each turn over it costs
// more than all nine cells of a cube could ever gain in likeness (about a
// hundred each at the most).
TEST(TurnAccountTest, MakesTurnsOverTheLimitDearerThanAnyLikeness)
{
    const FaceTurnTable &table = cube::faceTurnTable();
    const std::vector<std::uint8_t> cells(Width * Height, 0);
    const TurnAccount account(table, shuffledPalette(), 3, 2, cells, Width);
    std::mt19937 random(5);
    int overLimit = 0;
    for (int sample = 0; sample < 2000; ++sample) {
        const std::uint32_t face = std::uint32_t(random() % 10'077'696);
        const int turns = table.turns(face);
        if (turns <= 2) {
            EXPECT_FLOAT_EQ(account.cost(face), 3.0f * float(turns)) << face;
        } else {
            ++overLimit;
            EXPECT_GT(account.cost(face) - 3.0f * float(turns), 900.0f * float(turns - 2)) << face;
        }
    }
    EXPECT_GT(overLimit, 1000); // most faces take more than two turns
}

// With green and orange left out, the cheap faces are exactly the table's
// cheap faces without those colours, in palette indices.
TEST(TurnAccountTest, OffersOnlyCheapFacesInThePalettesColours)
{
    const FaceTurnTable &table = cube::faceTurnTable();
    const StickerPalette palette = test::paletteOf({{Sticker::Yellow, {255, 213, 0}},
                                                    {Sticker::White, {255, 255, 255}},
                                                    {Sticker::Blue, {0, 70, 173}},
                                                    {Sticker::Red, {183, 18, 52}}});
    const TurnAccount account(table, palette, 1, std::nullopt, std::vector<std::uint8_t>(Width * Height, 0), Width);

    std::size_t withoutGreenOrOrange = 0;
    for (const std::uint32_t index : table.cheapFaces()) {
        const auto face = FaceTurnTable::faceAt(index);
        withoutGreenOrOrange += std::none_of(face.begin(), face.end(), [](cube::Colour colour) {
            return colour == cube::Colour::Green || colour == cube::Colour::Orange;
        });
    }
    EXPECT_EQ(account.lowTurnFaces().size(), withoutGreenOrOrange);
    for (const LowTurnFace &face : account.lowTurnFaces()) {
        EXPECT_LE(table.turns(face.index), FaceTurnTable::CheapTurns);
        std::array<cube::Colour, 9> colours;
        for (int place = 0; place < 9; ++place) {
            ASSERT_GE(face.cells[std::size_t(place)], 0);
            ASSERT_LT(face.cells[std::size_t(place)], 4);
            colours[std::size_t(place)] = cubeColour(palette, face.cells[std::size_t(place)]);
        }
        EXPECT_EQ(FaceTurnTable::indexOf(colours), face.index);
    }
}

} // namespace
} // namespace tessaly::pattern
