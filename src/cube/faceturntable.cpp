#include "cube/faceturntable.h"

#include "cube/faceturnsymmetry.h"

#include <memory>
#include <stdexcept>

namespace tessaly::cube {

namespace {

constexpr std::uint8_t Unfilled = 0xff;

// What a colour on a place adds to the index of a face's image under each
// symmetry, so that an image's index is nine additions.
using IndexTerms = std::array<std::array<std::array<std::uint32_t, ColourCount>, 9>, FaceTurnSymmetryCount>;

IndexTerms makeImageIndexTerms()
{
    std::array<std::uint32_t, 9> placeValue;
    placeValue[0] = 1;
    for (int place = 1; place < 9; ++place)
        placeValue[place] = placeValue[place - 1] * ColourCount;

    IndexTerms terms;
    for (int s = 0; s < FaceTurnSymmetryCount; ++s) {
        const FaceTurnSymmetry &symmetry = faceTurnSymmetries()[s];
        for (int place = 0; place < 9; ++place) {
            const std::uint32_t imagePlaceValue = placeValue[symmetry.placeImage[place]];
            for (int colour = 0; colour < ColourCount; ++colour)
                terms[s][place][colour] = std::uint32_t(symmetry.colourImage[colour]) * imagePlaceValue;
        }
    }
    return terms;
}

// Goes through the faces by increasing index; at the first face of each class
// not yet filled, asks `valueOf(index)` for the class's value and writes it
// at every face of the class. `table` holds ColouringCount entries, all
// Unfilled.
template <typename ValueOf>
void fillByClass(std::vector<std::uint8_t> &table, ValueOf valueOf)
{
    const auto terms = std::make_unique<const IndexTerms>(makeImageIndexTerms());
    for (std::uint32_t index = 0; index < FaceTurnTable::ColouringCount; ++index) {
        if (table[index] != Unfilled)
            continue;
        const std::uint8_t value = valueOf(index);
        const std::array<Colour, 9> face = FaceTurnTable::faceAt(index);
        for (const auto &symmetryTerms : *terms) {
            std::uint32_t image = 0;
            for (int place = 0; place < 9; ++place)
                image += symmetryTerms[place][int(face[place])];
            table[image] = value;
        }
    }
}

} // namespace

FaceTurnTable::FaceTurnTable(std::span<const std::uint8_t> classTurns)
    : turns_(ColouringCount, Unfilled)
{
    std::size_t next = 0;
    fillByClass(turns_, [&](std::uint32_t) {
        if (next == classTurns.size())
            throw std::invalid_argument("fewer turn counts than face classes");
        if (classTurns[next] >= Unfilled)
            throw std::invalid_argument("a face class's turn count is out of range");
        return classTurns[next++];
    });
    if (next != classTurns.size())
        throw std::invalid_argument("more turn counts than face classes");
    for (std::uint32_t index = 0; index < ColouringCount; ++index) {
        if (turns_[index] <= CheapTurns)
            cheapFaces_.push_back(index);
    }
}

std::array<Colour, 9> FaceTurnTable::faceAt(std::uint32_t index)
{
    std::array<Colour, 9> face;
    for (Colour &colour : face) {
        colour = Colour(index % ColourCount);
        index /= ColourCount;
    }
    return face;
}

std::vector<std::uint32_t> FaceTurnTable::classRepresentatives()
{
    std::vector<std::uint32_t> representatives;
    std::vector<std::uint8_t> filled(ColouringCount, Unfilled);
    fillByClass(filled, [&](std::uint32_t index) {
        representatives.push_back(index);
        return std::uint8_t(0);
    });
    return representatives;
}

} // namespace tessaly::cube
