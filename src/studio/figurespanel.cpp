#include "studio/figurespanel.h"

#include "studio/cubecard.h"

#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace tessaly::studio {

FiguresPanel::FiguresPanel(QWidget *parent)
    : QWidget(parent)
    , m_text(new QLabel)
{
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addStretch();
    clear();
}

void FiguresPanel::showFigures(const PatternFigures &figures, const pattern::StickerPalette &palette,
                               std::optional<double> likeness)
{
    const QLocale locale;
    QString rows = tr("<tr><td>Cubes</td><td align=right>%1</td></tr>").arg(locale.toString(figures.cubes));
    for (int sticker = 0; sticker <= pattern::StickerColourCount; ++sticker) {
        const long long count = figures.stickers[std::size_t(sticker)];
        const bool isColour = sticker < pattern::StickerColourCount;
        if (isColour && !palette.contains(pattern::Sticker(sticker)) && count == 0)
            continue;
        if (!isColour && count == 0)
            continue;
        const pattern::Srgb8 colour = pattern::displayColour(palette, pattern::Sticker(sticker));
        const QString name = isColour ? spokenColourName(cube::Colour(sticker)) : tr("no colour");
        rows += QStringLiteral("<tr><td><span style=\"color:%1\">■</span> %2</td><td align=right>%3</td></tr>")
                    .arg(QColor(colour.r, colour.g, colour.b).name(), name, locale.toString(count));
    }
    rows += tr("<tr><td>Total turns</td><td align=right>%1</td></tr>").arg(locale.toString(figures.totalTurns));
    const std::optional<double> average = figures.averageTurns();
    rows += tr("<tr><td>Turns a cube</td><td align=right>%1</td></tr>")
                .arg(average ? locale.toString(*average, 'f', 2) : QStringLiteral("–"));
    rows += tr("<tr><td>Likeness (lower is better)</td><td align=right>%1</td></tr>")
                .arg(likeness ? locale.toString(*likeness, 'f', 2) : QStringLiteral("…"));
    m_text->setText(QStringLiteral("<table width=100%>%1</table>").arg(rows));
}

void FiguresPanel::clear()
{
    m_text->setText(tr("No pattern yet."));
}

} // namespace tessaly::studio
