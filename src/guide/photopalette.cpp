#include "guide/photopalette.h"

#include <QDir>
#include <QFile>

#include <string>

namespace tessaly {

namespace {

// A palette file is a few short lines; anything much larger is not one.
constexpr qint64 MaxPaletteFileBytes = 64 * 1024;

PhotoPalette refused(const QString &error)
{
    PhotoPalette refusal;
    refusal.error = error;
    return refusal;
}

} // namespace

pattern::PaletteReading readPaletteFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString().toStdString()};
    if (file.size() > MaxPaletteFileBytes)
        return {std::nullopt, "larger than " + std::to_string(MaxPaletteFileBytes) + " bytes: not a palette"};
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString().toStdString()};
    return pattern::parsePalette(std::string_view(text.constData(), std::size_t(text.size())));
}

std::array<pattern::Srgb8, cube::ColourCount> cubeColoursOf(const pattern::StickerPalette &palette)
{
    const pattern::StickerPalette standard = pattern::standardPalette();
    std::array<pattern::Srgb8, cube::ColourCount> colours{};
    for (int index = 0; index < cube::ColourCount; ++index) {
        const auto sticker = pattern::stickerOf(cube::Colour(index));
        const pattern::PaletteColour *own = palette.find(sticker);
        colours[std::size_t(index)] = own ? own->colour : standard.find(sticker)->colour;
    }
    return colours;
}

PhotoPalette choosePhotoPalette(const QString &nameOrFile, const QString &letters)
{
    const QString shown = QDir::toNativeSeparators(nameOrFile);
    pattern::PaletteReading chosen{pattern::builtInPalette(nameOrFile.toStdString()), {}};
    if (!chosen.palette) {
        chosen = readPaletteFile(nameOrFile);
        if (!chosen.palette)
            return refused(QStringLiteral("cannot use the palette \"%1\": %2")
                               .arg(shown, QString::fromStdString(chosen.error)));
    }

    PhotoPalette photo;
    photo.cubeColours = cubeColoursOf(*chosen.palette);
    if (letters.isEmpty()) {
        photo.palette = std::move(chosen.palette);
        return photo;
    }
    pattern::PaletteReading restricted = pattern::restrictPalette(*chosen.palette, letters.toStdString());
    if (!restricted.palette)
        return refused(QStringLiteral("cannot use the colours \"%1\" of the palette \"%2\": %3")
                           .arg(letters, shown, QString::fromStdString(restricted.error)));
    photo.palette = std::move(restricted.palette);
    return photo;
}

} // namespace tessaly
