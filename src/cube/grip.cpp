#include "cube/grip.h"

namespace tessaly::cube {

namespace {

// Where each colour points when the cube is held the standard way: white up,
// green to the front, red to the right.
constexpr Vec3 standardDirection(Colour colour)
{
    constexpr Vec3 directions[ColourCount] = {
        {0, 1, 0}, {0, -1, 0}, {1, 0, 0}, {-1, 0, 0}, {0, 0, -1}, {0, 0, 1}};
    return directions[std::uint8_t(colour)];
}

constexpr Colour colourInDirection(Vec3 direction)
{
    for (int colour = 0; colour < ColourCount; ++colour) {
        if (standardDirection(Colour(colour)) == direction)
            return Colour(colour);
    }
    return Colour::White; // not reached for a unit axis vector
}

std::array<Grip, 24> makeAllGrips()
{
    constexpr Colour fronts[] = {Colour::Green, Colour::Red, Colour::Blue,
                                 Colour::Orange, Colour::White, Colour::Yellow};
    std::array<Grip, 24> grips;
    int next = 0;
    for (const Colour front : fronts) {
        for (int top = 0; top < ColourCount; ++top) {
            const Grip grip{front, Colour(top)};
            if (isValid(grip))
                grips[next++] = grip;
        }
    }
    return grips;
}

} // namespace

bool isValid(Grip grip)
{
    return grip.top != grip.front && grip.top != opposite(grip.front);
}

const std::array<Grip, 24> &allGrips()
{
    static const std::array<Grip, 24> grips = makeAllGrips();
    return grips;
}

Colour colourOnFace(Grip grip, Face face)
{
    // Turning the cube keeps cross products, so in the standard frame the
    // right-hand colour points along top x front, as red = white x green.
    const Vec3 front = standardDirection(grip.front);
    const Vec3 up = standardDirection(grip.top);
    const Vec3 right = cross(up, front);
    switch (face) {
    case Face::Up: return grip.top;
    case Face::Down: return opposite(grip.top);
    case Face::Front: return grip.front;
    case Face::Back: return opposite(grip.front);
    case Face::Right: return colourInDirection(right);
    case Face::Left: return colourInDirection(-right);
    }
    return grip.front;
}

} // namespace tessaly::cube
