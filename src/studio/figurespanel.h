#pragma once

#include "guide/buildtime.h"
#include "pattern/palette.h"
#include "studio/patternfigures.h"

#include <QWidget>

#include <optional>

class QGridLayout;
class QLabel;

namespace tessaly::studio {

// The wall's figures: cubes, stickers in all and of each colour (each
// with a swatch outlined so that white shows on a light background), turns,
// the build time at the builders' pace, and likeness.
class FiguresPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FiguresPanel(QWidget *parent = nullptr);

    // likeness: the score (lower is better); empty while it is being worked out.
    void showFigures(const PatternFigures &figures, const pattern::StickerPalette &palette, std::optional<double> likeness);
    // The pace the build time is reckoned at; the figures shown follow it.
    void setPace(const BuildPace &pace);
    void clear();

private:
    struct Shown
    {
        PatternFigures figures;
        pattern::StickerPalette palette;
        std::optional<double> likeness;
    };

    void showRows();
    void clearRows();
    // A build time to the nearest minute, in the window's language.
    static QString timeText(double seconds);
    void addRow(const QString &name, const QString &value, std::optional<pattern::Srgb8> swatch = std::nullopt);

    std::optional<Shown> m_shown;
    BuildPace m_pace;

    QGridLayout *m_rows = nullptr;
    QLabel *m_empty = nullptr;
};

} // namespace tessaly::studio
