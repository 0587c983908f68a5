#include "cube/cubestate.h"
#include "cube/facesolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string_view>

namespace tessaly::cube {
namespace {

// "GGY.GY..Y": colour letters in reading order, '.' for a free place.
FaceTarget faceFromText(std::string_view text)
{
    FaceTarget face;
    for (int place = 0; place < 9; ++place) {
        const auto colour = std::string_view("WYROBG").find(text[place]);
        if (colour != std::string_view::npos)
            face[place] = Colour(colour);
    }
    return face;
}

FaceTarget faceShownAfter(Grip grip, std::string_view moves)
{
    const auto front = frontFaceAfter(grip, *parseMoves(moves));
    FaceTarget face;
    std::copy(front.begin(), front.end(), face.begin());
    return face;
}

bool shows(const std::array<Colour, 9> &front, const FaceTarget &face)
{
    for (int place = 0; place < 9; ++place) {
        if (face[place] && *face[place] != front[place])
            return false;
    }
    return true;
}

std::vector<Grip> gripsFor(const FaceTarget &face)
{
    std::vector<Grip> grips;
    for (const Grip grip : allGrips()) {
        if (!face[4] || grip.front == *face[4])
            grips.push_back(grip);
    }
    return grips;
}

// The least length up to maxLength of any turn sequence that shows the face
// with one of its grips, by trying them all (but two turns of one face in a
// row, which are one turn or none).
std::optional<int> leastLengthByTrying(const FaceTarget &face, int maxLength)
{
    std::vector<std::array<Colour, FaceCount>> gripColours;
    for (const Grip grip : gripsFor(face)) {
        std::array<Colour, FaceCount> colours;
        for (int f = 0; f < FaceCount; ++f)
            colours[f] = colourOnFace(grip, Face(f));
        gripColours.push_back(colours);
    }
    std::optional<int> least;
    const auto visit = [&](const auto &self, const CubeState &state, int length, int lastFace) -> void {
        std::array<int, 9> solvedFaces;
        for (int place = 0; place < 9; ++place)
            solvedFaces[place] = int(faceWithNormal(faceletAt(state.originOf(frontFacelet(place))).normal));
        for (const auto &colours : gripColours) {
            std::array<Colour, 9> front;
            for (int place = 0; place < 9; ++place)
                front[place] = colours[solvedFaces[place]];
            if (shows(front, face) && (!least || length < *least))
                least = length;
        }
        if (length == maxLength || (least && *least <= length + 1))
            return;
        for (int index = 0; index < MoveCount; ++index) {
            if (index / 3 == lastFace)
                continue;
            CubeState next = state;
            next.apply(Move{std::uint8_t(index)});
            self(self, next, length + 1, index / 3);
        }
    };
    visit(visit, CubeState(), 0, -1);
    return least;
}

class FaceSolverTest : public testing::Test {
protected:
    static void SetUpTestSuite() { solver_ = new FaceSolver; }
    static void TearDownTestSuite()
    {
        delete solver_;
        solver_ = nullptr;
    }

    // Checks everything a solution promises but least length.
    static void expectValid(const FaceTarget &face, const FaceSolution &solution)
    {
        const auto grips = gripsFor(face);
        EXPECT_NE(std::find(grips.begin(), grips.end(), solution.grip), grips.end());
        EXPECT_TRUE(shows(frontFaceAfter(solution.grip, solution.moves), face)) << formatMoves(solution.moves);
        for (std::size_t i = 1; i < solution.moves.size(); ++i) {
            const Face before = solution.moves[i - 1].face();
            const Face after = solution.moves[i].face();
            EXPECT_NE(before, after) << formatMoves(solution.moves);
            EXPECT_FALSE(after == oppositeFace(before) && after < before) << formatMoves(solution.moves);
        }
    }

    // Valid, and nothing one turn shorter does it.
    static void expectLeast(const FaceTarget &face, const FaceSolution &solution)
    {
        expectValid(face, solution);
        const int length = int(solution.moves.size());
        if (length > 0) {
            EXPECT_EQ(leastLengthByTrying(face, length - 1), std::nullopt) << formatMoves(solution.moves);
        }
    }

    static FaceSolver *solver_;
};

FaceSolver *FaceSolverTest::solver_ = nullptr;

constexpr Grip Standard{Colour::Green, Colour::White};

TEST_F(FaceSolverTest, OneColourFaceNeedsNoTurn)
{
    // The first grip with that colour in front.
    const std::pair<const char *, Grip> cases[] = {{"GGGGGGGGG", Standard},
                                                   {"RRRRRRRRR", {Colour::Red, Colour::White}},
                                                   {"WWWWWWWWW", {Colour::White, Colour::Red}},
                                                   {"....Y....", {Colour::Yellow, Colour::Red}}};
    for (const auto &[text, grip] : cases) {
        const FaceSolution solution = solver_->solve(faceFromText(text));
        EXPECT_TRUE(solution.moves.empty()) << text;
        EXPECT_EQ(solution.grip, grip) << text;
    }
}

TEST_F(FaceSolverTest, FreeFacesNeedNoTurn)
{
    const FaceSolution allFree = solver_->solve(FaceTarget{});
    EXPECT_TRUE(allFree.moves.empty());
    EXPECT_EQ(allFree.grip, Standard);

    // A free centre lets the red front of the first red grip show it.
    const FaceSolution freeCentre = solver_->solve(faceFromText("RRRR.RRRR"));
    EXPECT_TRUE(freeCentre.moves.empty());
    EXPECT_EQ(freeCentre.grip, (Grip{Colour::Red, Colour::White}));
}

struct KnownCase {
    const char *made; // turned from the standard hold
    int least;
};

class FaceSolverKnownTest : public FaceSolverTest, public testing::WithParamInterface<KnownCase> {};

TEST_P(FaceSolverKnownTest, FindsTheLeastLength)
{
    const auto [made, least] = GetParam();
    const FaceTarget face = faceShownAfter(Standard, made);
    const FaceSolution solution = solver_->solve(face);
    EXPECT_EQ(int(solution.moves.size()), least) << made;
    expectLeast(face, solution);
}

INSTANTIATE_TEST_SUITE_P(MadeBySequences, FaceSolverKnownTest,
                         testing::Values(KnownCase{"R", 1}, KnownCase{"U2", 1}, KnownCase{"R U", 2},
                                         KnownCase{"R U F", 2}, KnownCase{"R U R'", 3},
                                         KnownCase{"L2 D R'", 3}));

TEST_F(FaceSolverTest, SingleTurnFacesTakeTheStandardHold)
{
    // Green-front grips with yellow on top do it too (R' for the first), but
    // the standard hold comes first.
    for (const char *made : {"R", "U2"}) {
        const FaceSolution solution = solver_->solve(faceShownAfter(Standard, made));
        EXPECT_EQ(solution.grip, Standard);
        EXPECT_EQ(formatMoves(solution.moves), made);
    }
}

class FaceSolverTableTest : public FaceSolverTest, public testing::WithParamInterface<const char *> {};

TEST_P(FaceSolverTableTest, SolutionShowsTheFace)
{
    const FaceTarget face = faceFromText(GetParam());
    const FaceSolution solution = solver_->solve(face);
    expectValid(face, solution);
    if (solution.moves.size() <= 4)
        expectLeast(face, solution);
}

INSTANTIATE_TEST_SUITE_P(Patterns, FaceSolverTableTest,
                         testing::Values("WYWYWYWYW", "RGBOWYRGB", "GGGGBGGGG", "YOYOGOYOY", ".W.W.W.W.",
                                         "B.......B", "WWWWWWWWY", "ROROROROR"));

TEST_F(FaceSolverTest, ShortRandomFacesAreLeast)
{
    // Faces made by up to five random turns from a random grip, some places
    // freed: the solver may find shorter, never longer, and nothing shorter.
    std::mt19937 random(20240611);
    for (int sample = 0; sample < 8; ++sample) {
        const Grip grip = allGrips()[random() % 24];
        std::vector<Move> made(1 + random() % 5);
        for (Move &move : made)
            move = Move{std::uint8_t(random() % MoveCount)};
        const auto front = frontFaceAfter(grip, made);
        FaceTarget face;
        for (int place = 0; place < 9; ++place) {
            if (random() % 6 != 0)
                face[place] = front[place];
        }
        const FaceSolution solution = solver_->solve(face);
        EXPECT_LE(solution.moves.size(), made.size()) << formatMoves(made);
        expectLeast(face, solution);
    }
}

TEST_F(FaceSolverTest, RandomFacesAreAllMade)
{
    std::mt19937 random(7);
    for (int sample = 0; sample < 6; ++sample) {
        FaceTarget face;
        for (auto &place : face)
            place = Colour(random() % ColourCount);
        expectValid(face, solver_->solve(face));
    }
}

// Faces in three colours, some places free, each distinct face given twice.
std::vector<FaceTarget> facesWithRepeats()
{
    constexpr Colour palette[] = {Colour::White, Colour::Red, Colour::Green};
    std::mt19937 random(3);
    std::vector<FaceTarget> faces;
    for (int i = 0; i < 16; ++i) {
        FaceTarget face;
        for (auto &place : face) {
            if (random() % 8 != 0)
                place = palette[random() % 3];
        }
        faces.push_back(face);
        faces.push_back(faces[random() % faces.size()]);
    }
    return faces;
}

TEST_F(FaceSolverTest, SolveFacesGivesTheSameOnAnyThreadCount)
{
    const std::vector<FaceTarget> faces = facesWithRepeats();
    std::vector<std::pair<std::size_t, std::size_t>> calls;
    const auto one = solveFaces(*solver_, faces, 1, [&](std::size_t done, std::size_t total) {
        calls.emplace_back(done, total);
        return true;
    });
    const auto two = solveFaces(*solver_, faces, 2);
    ASSERT_TRUE(one);
    ASSERT_TRUE(two);
    ASSERT_EQ(one->size(), faces.size());
    EXPECT_TRUE(*one == *two);
    // In input order: each shows its own face, and a repeated face repeats
    // its solution.
    for (std::size_t i = 0; i < faces.size(); ++i) {
        EXPECT_TRUE(shows(frontFaceAfter((*one)[i].grip, (*one)[i].moves), faces[i])) << i;
        for (std::size_t j = 0; j < i; ++j) {
            if (faces[j] == faces[i]) {
                EXPECT_TRUE((*one)[j] == (*one)[i]) << j << " " << i;
            }
        }
    }

    std::vector<FaceTarget> distinct = faces;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), std::pair(distinct.size(), distinct.size()));
    EXPECT_TRUE(std::is_sorted(calls.begin(), calls.end()));
}

TEST_F(FaceSolverTest, SolveFacesStopsWhenProgressSaysSo)
{
    std::mt19937 random(11);
    std::vector<FaceTarget> faces(400);
    for (FaceTarget &face : faces) {
        for (auto &place : face)
            place = Colour(random() % ColourCount);
    }
    int calls = 0;
    const auto solutions = solveFaces(*solver_, faces, 2, [&](std::size_t, std::size_t) {
        ++calls;
        return false;
    });
    EXPECT_EQ(solutions, std::nullopt);
    EXPECT_EQ(calls, 1);
}

TEST_F(FaceSolverTest, SolveFacesOfNothingIsNothing)
{
    std::vector<std::pair<std::size_t, std::size_t>> calls;
    const auto solutions = solveFaces(*solver_, {}, 0, [&](std::size_t done, std::size_t total) {
        calls.emplace_back(done, total);
        return true;
    });
    ASSERT_TRUE(solutions);
    EXPECT_TRUE(solutions->empty());
    EXPECT_EQ(calls, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 0}}));
}

} // namespace
} // namespace tessaly::cube
