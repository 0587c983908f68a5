#include "cube/stickertuplespace.h"

#include "cube/cubestate.h"
#include "cube/facelet.h"

#include <algorithm>
#include <limits>

namespace tessaly::cube {

namespace {

constexpr int LocalCount = 24; // 8 corners x 3 or 12 edges x 2 sticker places
constexpr std::uint32_t NoState = std::numeric_limits<std::uint32_t>::max();

constexpr std::size_t directIndex(int a, int b, int c, int d)
{
    return ((std::size_t(a) * LocalCount + std::size_t(b)) * LocalCount + std::size_t(c)) * LocalCount
        + std::size_t(d);
}

} // namespace

StickerTupleSpace::StickerTupleSpace(Kind kind)
{
    const int cubieSize = kind == Kind::Corner ? 3 : 2;
    frontPlaces_ = kind == Kind::Corner ? std::array{0, 2, 6, 8} : std::array{1, 3, 5, 7};

    // Number this kind's 54-place stickers 0..23 and note their cubies.
    std::array<int, FaceletCount> localOf;
    localOf.fill(-1);
    std::vector<Vec3> cubieOfLocal;
    std::vector<Face> faceOfLocal;
    for (int index = 0; index < FaceletCount; ++index) {
        const Facelet facelet = faceletAt(index);
        if (cubieKind(facelet) == cubieSize) {
            localOf[index] = int(cubieOfLocal.size());
            cubieOfLocal.push_back(facelet.position);
            faceOfLocal.push_back(faceWithNormal(facelet.normal));
        }
    }

    std::array<std::array<std::uint8_t, LocalCount>, MoveCount> localTurns;
    for (int move = 0; move < MoveCount; ++move) {
        for (int index = 0; index < FaceletCount; ++index) {
            if (localOf[index] >= 0)
                localTurns[move][localOf[index]] = std::uint8_t(localOf[turnPermutations()[move][index]]);
        }
    }

    // Dense numbers for the tuples whose four stickers sit on four cubies.
    std::vector<int> cubieOf;
    for (const Vec3 position : cubieOfLocal) {
        cubieOf.push_back(int(std::find(cubieOfLocal.begin(), cubieOfLocal.end(), position)
                              - cubieOfLocal.begin()));
    }
    using Stickers = std::array<std::uint8_t, Tracked>; // kind-local sticker places
    std::vector<Stickers> stickers;
    std::vector<std::uint32_t> stateOf(directIndex(LocalCount, 0, 0, 0), NoState);
    const auto add = [&](int a, int b, int c, int d) {
        stateOf[directIndex(a, b, c, d)] = std::uint32_t(stickers.size());
        stickers.push_back({std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d)});
    };
    for (int a = 0; a < LocalCount; ++a)
        for (int b = 0; b < LocalCount; ++b) {
            if (cubieOf[b] == cubieOf[a])
                continue;
            for (int c = 0; c < LocalCount; ++c) {
                if (cubieOf[c] == cubieOf[a] || cubieOf[c] == cubieOf[b])
                    continue;
                for (int d = 0; d < LocalCount; ++d) {
                    if (cubieOf[d] != cubieOf[a] && cubieOf[d] != cubieOf[b] && cubieOf[d] != cubieOf[c])
                        add(a, b, c, d);
                }
            }
        }

    facesCodes_.reserve(stickers.size());
    for (const Stickers &s : stickers) {
        int code = 0;
        for (int i = Tracked - 1; i >= 0; --i)
            code = code * FaceCount + int(faceOfLocal[s[i]]);
        facesCodes_.push_back(std::uint16_t(code));
    }

    successors_.resize(stickers.size() * MoveCount);
    for (std::size_t state = 0; state < stickers.size(); ++state) {
        const Stickers &s = stickers[state];
        for (int move = 0; move < MoveCount; ++move) {
            const auto &turn = localTurns[move];
            successors_[state * MoveCount + std::size_t(move)] =
                stateOf[directIndex(turn[s[0]], turn[s[1]], turn[s[2]], turn[s[3]])];
        }
    }

    start_ = stateOf[directIndex(localOf[frontFacelet(frontPlaces_[0])], localOf[frontFacelet(frontPlaces_[1])],
                                 localOf[frontFacelet(frontPlaces_[2])], localOf[frontFacelet(frontPlaces_[3])])];
}

} // namespace tessaly::cube
