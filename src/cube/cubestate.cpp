#include "cube/cubestate.h"

namespace tessaly::cube {

namespace {

FaceletPermutation clockwiseQuarterTurn(Face face)
{
    const Vec3 axis = faceNormal(face);
    FaceletPermutation turn;
    for (int index = 0; index < FaceletCount; ++index) {
        const Facelet facelet = faceletAt(index);
        if (dot(facelet.position, axis) == 1) {
            turn[index] = std::uint8_t(faceletIndex({quarterTurnClockwise(facelet.position, axis),
                                                     quarterTurnClockwise(facelet.normal, axis)}));
        } else {
            turn[index] = std::uint8_t(index);
        }
    }
    return turn;
}

// First `first`, then `second`.
FaceletPermutation then(const FaceletPermutation &first, const FaceletPermutation &second)
{
    FaceletPermutation both;
    for (int index = 0; index < FaceletCount; ++index)
        both[index] = second[first[index]];
    return both;
}

std::array<FaceletPermutation, MoveCount> makeTurnPermutations()
{
    std::array<FaceletPermutation, MoveCount> turns;
    for (int face = 0; face < FaceCount; ++face) {
        const FaceletPermutation quarter = clockwiseQuarterTurn(Face(face));
        const FaceletPermutation half = then(quarter, quarter);
        turns[Move::of(Face(face), 0).index] = quarter;
        turns[Move::of(Face(face), 1).index] = half;
        turns[Move::of(Face(face), 2).index] = then(half, quarter);
    }
    return turns;
}

} // namespace

const std::array<FaceletPermutation, MoveCount> &turnPermutations()
{
    static const std::array<FaceletPermutation, MoveCount> turns = makeTurnPermutations();
    return turns;
}

CubeState::CubeState()
{
    for (int index = 0; index < FaceletCount; ++index)
        origin_[index] = std::uint8_t(index);
}

void CubeState::apply(Move move)
{
    const FaceletPermutation &turn = turnPermutations()[move.index];
    std::array<std::uint8_t, FaceletCount> moved;
    for (int index = 0; index < FaceletCount; ++index)
        moved[turn[index]] = origin_[index];
    origin_ = moved;
}

void CubeState::apply(std::span<const Move> moves)
{
    for (const Move move : moves)
        apply(move);
}

std::array<Colour, 9> frontFaceAfter(Grip grip, std::span<const Move> moves)
{
    CubeState state;
    state.apply(moves);
    std::array<Colour, 9> front;
    for (int place = 0; place < 9; ++place) {
        const Facelet origin = faceletAt(state.originOf(frontFacelet(place)));
        front[place] = colourOnFace(grip, faceWithNormal(origin.normal));
    }
    return front;
}

} // namespace tessaly::cube
