#pragma once

#include "pattern/palette.h"
#include "studio/patternfigures.h"

#include <QWidget>

#include <optional>

class QLabel;

namespace tessaly::studio {

// The wall's figures: cubes, stickers of each colour, turns and likeness.
class FiguresPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FiguresPanel(QWidget *parent = nullptr);

    // likeness: the score (lower is better); empty while it is being worked out.
    void showFigures(const PatternFigures &figures, const pattern::StickerPalette &palette, std::optional<double> likeness);
    void clear();

private:
    QLabel *m_text = nullptr;
};

} // namespace tessaly::studio
