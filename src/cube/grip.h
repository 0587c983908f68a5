#pragma once

#include "cube/colour.h"
#include "cube/face.h"

#include <array>

namespace tessaly::cube {

// How the builder holds the solved cube before the first turn: the colour
// facing them and the colour on top.
struct Grip {
    Colour front = Colour::Green;
    Colour top = Colour::White;

    friend constexpr bool operator==(Grip, Grip) = default;
};

// True when the top colour is neither the front colour nor its opposite.
bool isValid(Grip grip);

// The 24 grips: fronts in the order Green, Red, Blue, Orange, White, Yellow;
// for each, tops in the order White, Yellow, Red, Orange, Blue, Green without
// the two that cannot be on top. The first is the standard hold (front Green,
// top White).
const std::array<Grip, 24> &allGrips();

// The colour of the given face of the solved cube held with a valid grip.
Colour colourOnFace(Grip grip, Face face);

} // namespace tessaly::cube
