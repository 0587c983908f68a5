#include "studio/cubeinfo.h"

#include "cube/facesolver.h"
#include "guide/guidetwists.h"

namespace tessaly::studio {

CubeInfo cubeInfo(const pattern::StickerGrid &stickers, int column, int row, const cube::FaceSolver &solver)
{
    CubeInfo info;
    info.column = column + 1;
    info.row = row + 1;
    for (int place = 0; place < 9; ++place) {
        const pattern::Sticker sticker = stickers.at(3 * column + place % 3, 3 * row + place / 3);
        // An unmatched cell is a free place, as a black cell is in the guide.
        info.face[std::size_t(place)] = sticker == pattern::Sticker::Unmatched ? FaceMark::Black : FaceMark(std::uint8_t(sticker));
    }
    info.twists = twistsOf(solver.solve(faceTarget(info.face)));
    return info;
}

QString faceLetters(const CubeFace &face)
{
    QString letters;
    for (FaceMark mark : face)
        letters += QLatin1Char(faceMarkLetter(mark));
    return letters;
}

} // namespace tessaly::studio
