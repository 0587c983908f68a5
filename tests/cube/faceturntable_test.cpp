#include "cube/faceturncounts.h"
#include "cube/faceturnsymmetry.h"
#include "cube/faceturntable.h"
#include "cube/shippedfaceturntable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <stdexcept>
#include <string_view>

namespace tessaly::cube {
namespace {

using Face = std::array<Colour, 9>;

// "WWWWRWWWW": colour letters in reading order.
Face faceFromText(std::string_view text)
{
    Face face;
    for (int place = 0; place < 9; ++place)
        face[place] = Colour(std::string_view("WYROBG").find(text[place]));
    return face;
}

std::vector<Face> randomFaces(std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<Face> faces(count);
    for (Face &face : faces) {
        for (Colour &colour : face)
            colour = Colour(random() % ColourCount);
    }
    return faces;
}

struct IndexCase {
    const char *face;
    std::uint32_t index;
};

class FaceTurnTableIndexTest : public testing::TestWithParam<IndexCase> {};

TEST_P(FaceTurnTableIndexTest, ReadsPlacesAsBaseSixDigitsTopLeftFirst)
{
    const auto [text, index] = GetParam();
    EXPECT_EQ(FaceTurnTable::indexOf(faceFromText(text)), index) << text;
    EXPECT_EQ(FaceTurnTable::faceAt(index), faceFromText(text)) << text;
    std::uint32_t shares = 0;
    for (int place = 0; place < 9; ++place)
        shares += FaceTurnTable::placeShare(place, faceFromText(text)[place]);
    EXPECT_EQ(shares, index) << text;
}

constexpr std::uint32_t PlaceValue4 = 6 * 6 * 6 * 6;
constexpr std::uint32_t PlaceValue8 = PlaceValue4 * PlaceValue4;

INSTANTIATE_TEST_SUITE_P(HandWorked, FaceTurnTableIndexTest,
                         testing::Values(IndexCase{"WWWWWWWWW", 0}, IndexCase{"RWWWWWWWW", 2},
                                         IndexCase{"WOWWWWWWW", 3 * 6}, IndexCase{"WWWWBWWWW", 4 * PlaceValue4},
                                         IndexCase{"WWWWWWWWY", PlaceValue8},
                                         IndexCase{"YGWWWWWWY", 1 + 5 * 6 + PlaceValue8},
                                         IndexCase{"GGGGGGGGG", 6 * PlaceValue8 - 1}));

TEST(FaceTurnSymmetryTest, ClassesAreCountedAsBurnsideCountsOrbits)
{
    // Burnside: the number of orbits is the mean number of faces a symmetry
    // fixes; a face is fixed when along every cycle of places the colour
    // comes back to itself after the cycle's length of relabellings.
    const auto &symmetries = faceTurnSymmetries();
    std::size_t fixedFaces = 0;
    for (const FaceTurnSymmetry &symmetry : symmetries) {
        std::size_t fixed = 1;
        std::array<bool, 9> seen{};
        for (int start = 0; start < 9; ++start) {
            int length = 0;
            for (int place = start; !seen[place]; place = symmetry.placeImage[place], ++length)
                seen[place] = true;
            if (length == 0)
                continue;
            std::size_t coloursBack = 0;
            for (int colour = 0; colour < ColourCount; ++colour) {
                Colour image = Colour(colour);
                for (int step = 0; step < length; ++step)
                    image = symmetry.colourImage[int(image)];
                coloursBack += image == Colour(colour);
            }
            fixed *= coloursBack;
        }
        fixedFaces += fixed;
    }
    ASSERT_EQ(fixedFaces % symmetries.size(), 0u);

    const std::vector<std::uint32_t> representatives = FaceTurnTable::classRepresentatives();
    EXPECT_EQ(representatives.size(), fixedFaces / symmetries.size());
    // Each is the least face of its class.
    for (const std::uint32_t index : representatives) {
        const Face face = FaceTurnTable::faceAt(index);
        for (const FaceTurnSymmetry &symmetry : symmetries)
            ASSERT_GE(FaceTurnTable::indexOf(imageOf(symmetry, face)), index) << index;
    }
}

TEST(FaceTurnTableTest, RefusesCountsThatDoNotFitTheClasses)
{
    std::vector<std::uint8_t> counts = shippedFaceClassTurns();
    counts.pop_back();
    EXPECT_THROW(FaceTurnTable{counts}, std::invalid_argument);
    counts.push_back(0);
    counts.push_back(0);
    EXPECT_THROW(FaceTurnTable{counts}, std::invalid_argument);
    counts.pop_back();
    counts.back() = 255;
    EXPECT_THROW(FaceTurnTable{counts}, std::invalid_argument);
}

TEST(FaceTurnTableTest, OnlySolidFacesNeedNoTurnAndOneTurnMakesOneHundredTwenty)
{
    // One turn of a side layer recolours one edge row or column of a solid
    // front, in any of the five other colours (which depends on the grip):
    // 6 fronts x 4 edges x 5 colours.
    const FaceTurnTable &table = faceTurnTable();
    std::array<int, 2> fewTurns{};
    for (std::uint32_t index = 0; index < FaceTurnTable::ColouringCount; ++index) {
        if (table.turns(index) < 2)
            ++fewTurns[table.turns(index)];
    }
    EXPECT_EQ(fewTurns, (std::array<int, 2>{6, 120}));
    for (int colour = 0; colour < ColourCount; ++colour) {
        Face solid;
        solid.fill(Colour(colour));
        EXPECT_EQ(table.turns(solid), 0) << colourName(Colour(colour));
    }
}

TEST(FaceTurnTableTest, ListsExactlyTheCheapFacesInOrder)
{
    const FaceTurnTable &table = faceTurnTable();
    std::vector<std::uint32_t> cheap;
    for (std::uint32_t index = 0; index < FaceTurnTable::ColouringCount; ++index) {
        if (table.turns(index) <= FaceTurnTable::CheapTurns)
            cheap.push_back(index);
    }
    EXPECT_EQ(table.cheapFaces(), cheap);
    EXPECT_GT(cheap.size(), 6u + 120u); // beyond the faces of no turn and of one
}

// The shipped table against the solver, face by face.
class FaceTurnTableSolverTest : public testing::Test {
protected:
    static void SetUpTestSuite() { solver_ = std::make_unique<FaceSolver>(); }
    static void TearDownTestSuite() { solver_.reset(); }

    static std::vector<std::uint8_t> solverTurns(const std::vector<Face> &faces)
    {
        std::vector<std::uint32_t> indices;
        for (const Face &face : faces)
            indices.push_back(FaceTurnTable::indexOf(face));
        return *solveFaceTurnCounts(*solver_, indices, 2);
    }

    static void expectTableAgrees(const std::vector<Face> &faces)
    {
        const std::vector<std::uint8_t> turns = solverTurns(faces);
        for (std::size_t i = 0; i < faces.size(); ++i)
            EXPECT_EQ(faceTurnTable().turns(faces[i]), turns[i]) << FaceTurnTable::indexOf(faces[i]);
    }

    static inline std::unique_ptr<FaceSolver> solver_;
};

TEST_F(FaceTurnTableSolverTest, SymmetriesKeepTheCountButPlainMirrorsDoNot)
{
    for (const Face &face : randomFaces(4, 5)) {
        std::vector<Face> images;
        for (const FaceTurnSymmetry &symmetry : faceTurnSymmetries())
            images.push_back(imageOf(symmetry, face));
        const std::vector<std::uint8_t> turns = solverTurns(images);
        EXPECT_EQ(std::set(turns.begin(), turns.end()).size(), 1u) << FaceTurnTable::indexOf(face);
    }

    // Mirrored left to right, or red and orange swapped, alone: some of a
    // few random faces change their count.
    int placesMirrorChanges = 0;
    int coloursMirrorChanges = 0;
    for (const Face &face : randomFaces(12, 6)) {
        Face placesMirrored = face;
        for (int row = 0; row < 3; ++row)
            std::swap(placesMirrored[row * 3], placesMirrored[row * 3 + 2]);
        Face coloursMirrored = face;
        for (Colour &colour : coloursMirrored)
            colour = colour == Colour::Red ? Colour::Orange : colour == Colour::Orange ? Colour::Red : colour;
        const std::vector<std::uint8_t> turns = solverTurns({face, placesMirrored, coloursMirrored});
        placesMirrorChanges += turns[1] != turns[0];
        coloursMirrorChanges += turns[2] != turns[0];
    }
    EXPECT_GT(placesMirrorChanges, 0);
    EXPECT_GT(coloursMirrorChanges, 0);
}

TEST_F(FaceTurnTableSolverTest, AgreesOnRandomFaces)
{
    expectTableAgrees(randomFaces(3000, 20240611));
}

TEST_F(FaceTurnTableSolverTest, AgreesOnEveryTwentyFifthClass)
{
    // Classes of very symmetric faces are rare among random faces.
    const std::vector<std::uint32_t> representatives = FaceTurnTable::classRepresentatives();
    std::vector<Face> faces;
    for (std::size_t i = 0; i < representatives.size(); i += 25)
        faces.push_back(FaceTurnTable::faceAt(representatives[i]));
    expectTableAgrees(faces);
}

class FaceTurnTableOneOffTest : public FaceTurnTableSolverTest, public testing::WithParamInterface<Colour> {};

TEST_P(FaceTurnTableOneOffTest, AgreesOnSolidFacesWithOneStickerOff)
{
    std::vector<Face> faces;
    for (int place = 0; place < 9; ++place) {
        for (int other = 0; other < ColourCount; ++other) {
            if (Colour(other) == GetParam())
                continue;
            Face face;
            face.fill(GetParam());
            face[place] = Colour(other);
            faces.push_back(face);
        }
    }
    ASSERT_EQ(faces.size(), 45u);
    expectTableAgrees(faces);
}

INSTANTIATE_TEST_SUITE_P(EachColour, FaceTurnTableOneOffTest,
                         testing::Values(Colour::White, Colour::Yellow, Colour::Red, Colour::Orange,
                                         Colour::Blue, Colour::Green),
                         [](const auto &info) { return std::string(colourName(info.param)); });

} // namespace
} // namespace tessaly::cube
