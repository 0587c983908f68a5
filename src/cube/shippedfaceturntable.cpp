#include "cube/shippedfaceturntable.h"

#include <algorithm>
#include <string_view>

namespace tessaly::cube {

namespace {

constexpr std::string_view ClassTurnDigits =
#include "cube/faceclassturns.inc"
    ;

static_assert(std::ranges::all_of(ClassTurnDigits, [](char c) { return c >= '0' && c <= '9'; }),
              "faceclassturns.inc holds one decimal digit a class");

} // namespace

std::vector<std::uint8_t> shippedFaceClassTurns()
{
    std::vector<std::uint8_t> turns;
    turns.reserve(ClassTurnDigits.size());
    for (const char digit : ClassTurnDigits)
        turns.push_back(std::uint8_t(digit - '0'));
    return turns;
}

const FaceTurnTable &faceTurnTable()
{
    // Immutable and the same for everyone: one copy a process is enough.
    static const FaceTurnTable table(shippedFaceClassTurns());
    return table;
}

} // namespace tessaly::cube
