#pragma once

#include "cube/face.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::cube {

inline constexpr int MoveCount = 18;

// One outer face turn: index = face * 3 + amount, faces in the order
// U, D, L, R, F, B and amounts 0 (clockwise quarter), 1 (half turn),
// 2 (anticlockwise quarter), clockwise as seen looking straight at the face.
struct Move {
    std::uint8_t index = 0;

    static constexpr Move of(Face face, int amount)
    {
        return Move{std::uint8_t(int(face) * 3 + amount)};
    }
    constexpr Face face() const { return Face(index / 3); }
    constexpr int amount() const { return index % 3; }
    // 1, 2 or 3 clockwise quarter turns.
    constexpr int quarterTurns() const { return amount() + 1; }
    // The turn that undoes this one.
    constexpr Move inverse() const { return of(face(), 2 - amount()); }

    friend constexpr bool operator==(Move, Move) = default;
};

// Singmaster notation separated by single spaces, e.g. "R U2 F'"; empty for
// no moves.
std::string formatMoves(std::span<const Move> moves);

// Reads what formatMoves writes: turns from U D L R F B, each optionally
// followed by 2 or ', separated by single spaces. The empty text is no moves.
// Anything else (other letters, slice or rotation moves, stray spaces) is
// refused with std::nullopt.
std::optional<std::vector<Move>> parseMoves(std::string_view text);

} // namespace tessaly::cube
