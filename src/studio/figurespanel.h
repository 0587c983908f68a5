#pragma once

#include "pattern/palette.h"
#include "studio/patternfigures.h"

#include <QWidget>

#include <optional>

class QGridLayout;
class QLabel;

namespace tessaly::studio {

// The wall's figures: cubes, stickers of each colour (each with a swatch
// outlined so that white shows on a light background), turns and likeness.
class FiguresPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FiguresPanel(QWidget *parent = nullptr);

    // likeness: the score (lower is better); empty while it is being worked out.
    void showFigures(const PatternFigures &figures, const pattern::StickerPalette &palette, std::optional<double> likeness);
    void clear();

private:
    void addRow(const QString &name, const QString &value, std::optional<pattern::Srgb8> swatch = std::nullopt);

    QGridLayout *m_rows = nullptr;
    QLabel *m_empty = nullptr;
};

} // namespace tessaly::studio
