#include "cube/frontsymmetry.h"

#include "cube/cubestate.h"
#include "cube/facelet.h"

namespace tessaly::cube {

namespace {

// A linear map keeping z: x and y swapped or not, then negated or not.
struct PlaneMap {
    bool swap;
    int signX;
    int signY;

    Vec3 operator()(Vec3 v) const
    {
        return swap ? Vec3{signX * v.y, signY * v.x, v.z} : Vec3{signX * v.x, signY * v.y, v.z};
    }
};

FrontSymmetry makeSymmetry(PlaneMap map)
{
    FrontSymmetry symmetry;
    for (int face = 0; face < FaceCount; ++face)
        symmetry.faceImage[face] = faceWithNormal(map(faceNormal(Face(face))));

    FaceletPermutation image;
    FaceletPermutation preimage;
    for (int index = 0; index < FaceletCount; ++index) {
        const Facelet facelet = faceletAt(index);
        image[index] = std::uint8_t(faceletIndex({map(facelet.position), map(facelet.normal)}));
        preimage[image[index]] = std::uint8_t(index);
    }
    for (int place = 0; place < 9; ++place)
        symmetry.frontPlaceImage[place] = std::uint8_t(image[frontFacelet(place)] - frontFacelet(0));

    const auto &turns = turnPermutations();
    for (int move = 0; move < MoveCount; ++move) {
        FaceletPermutation conjugate;
        for (int index = 0; index < FaceletCount; ++index)
            conjugate[index] = image[turns[move][preimage[index]]];
        for (int candidate = 0; candidate < MoveCount; ++candidate) {
            if (turns[candidate] == conjugate)
                symmetry.moveImage[move] = std::uint8_t(candidate);
        }
    }
    return symmetry;
}

std::array<FrontSymmetry, FrontSymmetryCount> makeFrontSymmetries()
{
    std::array<FrontSymmetry, FrontSymmetryCount> symmetries;
    int next = 0;
    for (const bool swap : {false, true})
        for (const int signX : {1, -1})
            for (const int signY : {1, -1})
                symmetries[next++] = makeSymmetry({swap, signX, signY});
    return symmetries;
}

} // namespace

const std::array<FrontSymmetry, FrontSymmetryCount> &frontSymmetries()
{
    static const std::array<FrontSymmetry, FrontSymmetryCount> symmetries = makeFrontSymmetries();
    return symmetries;
}

} // namespace tessaly::cube
