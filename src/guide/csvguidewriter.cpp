#include "guide/csvguidewriter.h"

#include "guide/buildguide.h"

#include <QIODevice>

#include <string>

namespace tessaly {

namespace {

// Rows are gathered into chunks of about this size before each write.
constexpr std::size_t ChunkBytes = 1 << 16;

void appendRow(std::string &out, const GuideCube &cube)
{
    out += std::to_string(cube.column);
    out += ',';
    out += std::to_string(cube.row);
    out += ',';
    if (cube.twists) {
        out += cube::colourLetter(cube.twists->front);
        out += ',';
        out += cube::colourLetter(cube.twists->top);
        out += ',';
        out += std::to_string(cube.twists->turns);
        out += ',';
        out += cube.twists->moves; // letters, digits, apostrophes and spaces: no quoting needed
    } else {
        out += ",,,";
    }
    out += ',';
    for (const FaceMark mark : cube.face)
        out += faceMarkLetter(mark);
    out += '\n';
}

bool flush(std::string &chunk, QIODevice &device)
{
    const bool written = device.write(chunk.data(), qint64(chunk.size())) == qint64(chunk.size());
    chunk.clear();
    return written;
}

} // namespace

QString writeCsvGuide(const BuildGuide &guide, QIODevice &device)
{
    std::string chunk = "column,row,front,top,turns,moves,face\n";
    for (const GuideCube &cube : guide.cubes) {
        appendRow(chunk, cube);
        if (chunk.size() >= ChunkBytes && !flush(chunk, device))
            return device.errorString();
    }
    if (!flush(chunk, device))
        return device.errorString();
    return QString();
}

} // namespace tessaly
