#include "pattern/opponentcolour.h"

#include "pattern/matrix3.h"

#include <array>

namespace tessaly::pattern {

namespace {

using Matrix = Matrix3;

// XYZ to Zhang and Wandell's opponent channels.
constexpr Matrix XyzToRawOpponent = {{{0.2787336, 0.7218031, -0.1065520},
                                      {-0.4487736, 0.2898056, -0.0771569},
                                      {0.0859513, -0.5899859, 0.5011089}}};

// D65 white, as CIELAB takes it.
constexpr std::array<double, 3> White = {0.95047, 1.0, 1.08883};

constexpr std::array<double, 3> rawOpponentOfWhite()
{
    std::array<double, 3> result{};
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 3; ++k)
            result[row] += XyzToRawOpponent[row][k] * White[k];
    return result;
}

// Subtracts from each chromatic channel the share white's luminance puts in
// it, so a grey of any lightness has no chroma.
constexpr Matrix neutralised()
{
    constexpr std::array<double, 3> white = rawOpponentOfWhite();
    constexpr Matrix removeLuminance = {{{1, 0, 0}, {-white[1] / white[0], 1, 0}, {-white[2] / white[0], 0, 1}}};
    return product(removeLuminance, XyzToRawOpponent);
}

constexpr Matrix XyzToOpponent = neutralised();
constexpr Matrix OpponentToXyz = inverse(XyzToOpponent);

} // namespace

OpponentColour opponentOf(const Xyz &xyz)
{
    const auto &m = XyzToOpponent;
    return {m[0][0] * xyz.x + m[0][1] * xyz.y + m[0][2] * xyz.z,
            m[1][0] * xyz.x + m[1][1] * xyz.y + m[1][2] * xyz.z,
            m[2][0] * xyz.x + m[2][1] * xyz.y + m[2][2] * xyz.z};
}

OpponentColour opponentOf(LinearRgb colour)
{
    return opponentOf(xyzOf(colour));
}

Xyz xyzOf(const OpponentColour &colour)
{
    const auto &m = OpponentToXyz;
    return {m[0][0] * colour.luminance + m[0][1] * colour.redGreen + m[0][2] * colour.blueYellow,
            m[1][0] * colour.luminance + m[1][1] * colour.redGreen + m[1][2] * colour.blueYellow,
            m[2][0] * colour.luminance + m[2][1] * colour.redGreen + m[2][2] * colour.blueYellow};
}

LinearRgb linearOf(const OpponentColour &colour)
{
    return linearOf(xyzOf(colour));
}

OpponentGrid opponentOf(const LinearGrid &colours)
{
    OpponentGrid opponents(colours.width(), colours.height());
    for (std::size_t i = 0; i < colours.size(); ++i)
        opponents.values()[i] = opponentOf(colours.values()[i]);
    return opponents;
}

} // namespace tessaly::pattern
