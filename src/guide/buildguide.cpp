#include "guide/buildguide.h"

#include <algorithm>
#include <cctype>

namespace tessaly {

std::optional<CubeFace> faceFromLetters(std::string_view letters)
{
    constexpr std::string_view Letters = "WYROBGK-";
    if (letters.size() != CubeFace().size())
        return std::nullopt;
    CubeFace face{};
    for (std::size_t place = 0; place < face.size(); ++place) {
        const char letter = char(std::toupper(static_cast<unsigned char>(letters[place])));
        const std::size_t mark = Letters.find(letter);
        if (mark == std::string_view::npos)
            return std::nullopt;
        face[place] = FaceMark(mark);
    }
    return face;
}

bool GuideCube::isPartial() const
{
    return std::ranges::find(face, FaceMark::Outside) != face.end();
}

bool GuideCube::hasBlack() const
{
    return std::ranges::find(face, FaceMark::Black) != face.end();
}

} // namespace tessaly
