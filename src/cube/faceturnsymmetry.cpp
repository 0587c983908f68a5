#include "cube/faceturnsymmetry.h"

#include "cube/frontsymmetry.h"
#include "cube/grip.h"

#include <utility>

namespace tessaly::cube {

namespace {

using Relabelling = std::array<Colour, ColourCount>;

// The face on which the standard hold shows `colour`.
Face faceShowing(Colour colour)
{
    const Grip standard = allGrips()[0];
    for (int face = 0; face < FaceCount; ++face) {
        if (colourOnFace(standard, Face(face)) == colour)
            return Face(face);
    }
    return Face::Front; // not reached: every colour is on some face
}

// Holding the solved cube with `grip` instead of the standard way shows
// another colour on each face: a rotation of the colour scheme. The 24 grips
// give the 24 rotations.
Relabelling regripped(Grip grip)
{
    Relabelling relabelling;
    for (int colour = 0; colour < ColourCount; ++colour)
        relabelling[colour] = colourOnFace(grip, faceShowing(Colour(colour)));
    return relabelling;
}

// Composes a rotation of the colour scheme with its mirror through the plane
// between the left and right faces of the standard hold, which swaps red and
// orange: the result is a mirror of the scheme.
Relabelling mirrored(const Relabelling &relabelling)
{
    Relabelling mirror = relabelling;
    std::swap(mirror[int(Colour::Red)], mirror[int(Colour::Orange)]);
    return mirror;
}

// A mirror does not keep the handedness of right, up and front.
bool isMirror(const FrontSymmetry &symmetry)
{
    const Vec3 right = faceNormal(symmetry.faceImage[int(Face::Right)]);
    const Vec3 up = faceNormal(symmetry.faceImage[int(Face::Up)]);
    return cross(right, up) != faceNormal(symmetry.faceImage[int(Face::Front)]);
}

std::array<FaceTurnSymmetry, FaceTurnSymmetryCount> makeFaceTurnSymmetries()
{
    std::array<FaceTurnSymmetry, FaceTurnSymmetryCount> symmetries;
    int next = 0;
    for (const FrontSymmetry &front : frontSymmetries()) {
        for (const Grip grip : allGrips()) {
            const Relabelling rotation = regripped(grip);
            symmetries[next++] = {front.frontPlaceImage, isMirror(front) ? mirrored(rotation) : rotation};
        }
    }
    return symmetries;
}

} // namespace

const std::array<FaceTurnSymmetry, FaceTurnSymmetryCount> &faceTurnSymmetries()
{
    static const std::array<FaceTurnSymmetry, FaceTurnSymmetryCount> symmetries = makeFaceTurnSymmetries();
    return symmetries;
}

std::array<Colour, 9> imageOf(const FaceTurnSymmetry &symmetry, const std::array<Colour, 9> &face)
{
    std::array<Colour, 9> image;
    for (int place = 0; place < 9; ++place)
        image[symmetry.placeImage[place]] = symmetry.colourImage[int(face[place])];
    return image;
}

} // namespace tessaly::cube
