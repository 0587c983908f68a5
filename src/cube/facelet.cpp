#include "cube/facelet.h"

namespace tessaly::cube {

namespace {

// The reading directions on each face as its viewer sees it.
struct FaceView {
    Vec3 right;
    Vec3 down;
};

constexpr FaceView faceView(Face face)
{
    switch (face) {
    case Face::Up: return {{1, 0, 0}, {0, 0, 1}};
    case Face::Down: return {{1, 0, 0}, {0, 0, -1}};
    case Face::Left: return {{0, 0, 1}, {0, -1, 0}};
    case Face::Right: return {{0, 0, -1}, {0, -1, 0}};
    case Face::Front: return {{1, 0, 0}, {0, -1, 0}};
    case Face::Back: return {{-1, 0, 0}, {0, -1, 0}};
    }
    return {};
}

} // namespace

Facelet faceletAt(int index)
{
    const Face face = Face(index / 9);
    const int row = index % 9 / 3;
    const int column = index % 3;
    const FaceView view = faceView(face);
    const Vec3 normal = faceNormal(face);
    return {normal + (column - 1) * view.right + (row - 1) * view.down, normal};
}

int faceletIndex(const Facelet &facelet)
{
    for (int index = 0; index < FaceletCount; ++index) {
        const Facelet candidate = faceletAt(index);
        if (candidate.position == facelet.position && candidate.normal == facelet.normal)
            return index;
    }
    return -1;
}

int cubieKind(const Facelet &facelet)
{
    const Vec3 p = facelet.position;
    return (p.x != 0) + (p.y != 0) + (p.z != 0);
}

} // namespace tessaly::cube
