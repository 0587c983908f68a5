#include "cube/move.h"

namespace tessaly::cube {

std::string formatMoves(std::span<const Move> moves)
{
    std::string text;
    for (const Move move : moves) {
        if (!text.empty())
            text += ' ';
        text += faceLetter(move.face());
        if (move.amount() == 1)
            text += '2';
        else if (move.amount() == 2)
            text += '\'';
    }
    return text;
}

namespace {

std::optional<Move> parseMove(std::string_view token)
{
    if (token.empty() || token.size() > 2)
        return std::nullopt;
    const std::string_view letters = "UDLRFB";
    const auto face = letters.find(token[0]);
    if (face == std::string_view::npos)
        return std::nullopt;
    int amount = 0;
    if (token.size() == 2) {
        if (token[1] == '2')
            amount = 1;
        else if (token[1] == '\'')
            amount = 2;
        else
            return std::nullopt;
    }
    return Move::of(Face(face), amount);
}

} // namespace

std::optional<std::vector<Move>> parseMoves(std::string_view text)
{
    std::vector<Move> moves;
    if (text.empty())
        return moves;
    while (true) {
        const auto space = text.find(' ');
        const auto move = parseMove(text.substr(0, space));
        if (!move)
            return std::nullopt;
        moves.push_back(*move);
        if (space == std::string_view::npos)
            return moves;
        text.remove_prefix(space + 1);
    }
}

} // namespace tessaly::cube
