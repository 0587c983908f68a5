#pragma once

namespace tessaly::cube {

// An integer vector in the cube's frame as it is held: x to the right, y up,
// z towards the builder (out of the front face). Cubie positions have
// coordinates in {-1, 0, 1}; face normals are unit axis vectors.
struct Vec3 {
    int x = 0;
    int y = 0;
    int z = 0;

    friend constexpr bool operator==(Vec3, Vec3) = default;
    friend constexpr Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend constexpr Vec3 operator-(Vec3 a) { return {-a.x, -a.y, -a.z}; }
    friend constexpr Vec3 operator*(int k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
};

constexpr int dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

constexpr Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Turns v a quarter turn clockwise as seen from the tip of the unit axis
// looking back at the origin (Rodrigues' formula for -90 degrees).
constexpr Vec3 quarterTurnClockwise(Vec3 v, Vec3 axis)
{
    return -cross(axis, v) + dot(axis, v) * axis;
}

} // namespace tessaly::cube
