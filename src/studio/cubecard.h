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

private:
    class FaceDrawing;
    FaceDrawing *m_drawing = nullptr;
    QLabel *m_text = nullptr;
};

// The colour's name as the builder says it ("white", ...), translated.
QString spokenColourName(cube::Colour colour);

} // namespace tessaly::studio
