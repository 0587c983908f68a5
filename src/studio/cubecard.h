#pragma once

#include "pattern/palette.h"
#include "studio/cubeinfo.h"

#include <QWidget>

#include <optional>

class QLabel;

namespace tessaly::studio {

// The card of one cube: its face drawn in the palette's colours, its place,
// the grip and the twists, as the printed guide shows it.
class CubeCard : public QWidget
{
    Q_OBJECT

public:
    explicit CubeCard(QWidget *parent = nullptr);

    void showCube(const CubeInfo &cube, const pattern::StickerPalette &palette);
    void clear();
    // The cube shown; empty when the card is clear.
    const std::optional<CubeInfo> &cube() const { return m_cube; }

private:
    class FaceDrawing;
    FaceDrawing *m_drawing = nullptr;
    QLabel *m_text = nullptr;
    std::optional<CubeInfo> m_cube;
};

// The colour's name as the builder says it ("white", ...), translated.
QString spokenColourName(cube::Colour colour);

} // namespace tessaly::studio
