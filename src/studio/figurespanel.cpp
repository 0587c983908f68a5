#include "studio/figurespanel.h"

#include "studio/cubecard.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>

namespace tessaly::studio {

namespace {

// A square of the colour with a grey outline, which shows also for white on
// a light background and for black on a dark one.
QPixmap swatchOf(pattern::Srgb8 colour, int side, qreal pixelRatio)
{
    QPixmap swatch(QSize(side, side) * pixelRatio);
    swatch.setDevicePixelRatio(pixelRatio);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.setBrush(QColor(colour.r, colour.g, colour.b));
    painter.drawRect(QRectF(0.5, 0.5, side - 1, side - 1));
    return swatch;
}

} // namespace

FiguresPanel::FiguresPanel(QWidget *parent)
    : QWidget(parent)
    , m_rows(new QGridLayout)
    , m_empty(new QLabel(tr("No pattern yet.")))
{
    m_rows->setColumnStretch(1, 1);
    m_rows->setVerticalSpacing(2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_empty);
    layout->addLayout(m_rows);
    layout->addStretch();
    clear();
}

void FiguresPanel::addRow(const QString &name, const QString &value, std::optional<pattern::Srgb8> swatch)
{
    const int row = m_rows->rowCount();
    if (swatch) {
        auto *square = new QLabel;
        const int side = fontMetrics().ascent() - 2;
        square->setPixmap(swatchOf(*swatch, side, devicePixelRatioF()));
        m_rows->addWidget(square, row, 0);
    }
    auto *nameLabel = new QLabel(name);
    auto *valueLabel = new QLabel(value);
    valueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_rows->addWidget(nameLabel, row, swatch ? 1 : 0, 1, swatch ? 1 : 2);
    m_rows->addWidget(valueLabel, row, 2);
}

void FiguresPanel::showFigures(const PatternFigures &figures, const pattern::StickerPalette &palette,
                               std::optional<double> likeness)
{
    m_shown = Shown{figures, palette, likeness};
    showRows();
}

void FiguresPanel::setPace(const BuildPace &pace)
{
    m_pace = pace;
    if (m_shown)
        showRows();
}

void FiguresPanel::showRows()
{
    clearRows();
    m_empty->hide();
    const auto &[figures, palette, likeness] = *m_shown;
    const QLocale locale;
    addRow(tr("Cubes"), locale.toString(figures.cubes));
    // The colours' counts are of stickers, nine a cube: under a heading of
    // their own so that "white 348" is not read as cubes.
    long long stickers = 0;
    for (const long long count : figures.stickers)
        stickers += count;
    addRow(tr("Stickers"), locale.toString(stickers));
    for (int sticker = 0; sticker <= pattern::StickerColourCount; ++sticker) {
        const long long count = figures.stickers[std::size_t(sticker)];
        const bool isColour = sticker < pattern::StickerColourCount;
        if (isColour && !palette.contains(pattern::Sticker(sticker)) && count == 0)
            continue;
        if (!isColour && count == 0)
            continue;
        const QString name = isColour ? spokenColourName(cube::Colour(sticker)) : tr("no colour");
        addRow(name, locale.toString(count), pattern::displayColour(palette, pattern::Sticker(sticker)));
    }
    addRow(tr("Total turns"), locale.toString(figures.totalTurns));
    const std::optional<double> average = figures.averageTurns();
    addRow(tr("Turns a cube"), average ? locale.toString(*average, 'f', 2) : QStringLiteral("–"));
    CubeWork work;
    work.cubes = figures.cubes;
    work.turns = figures.totalTurns;
    addRow(tr("Build time"), timeText(buildSeconds(work, m_pace)));
    addRow(tr("Likeness (lower is better)"), likeness ? locale.toString(*likeness, 'f', 2) : QStringLiteral("…"));
}

QString FiguresPanel::timeText(double seconds)
{
    const RoundedBuildTime time = roundBuildTime(seconds);
    if (time.underAMinute)
        return tr("< 1 min");
    if (time.hours == 0)
        return tr("%1 min").arg(time.minutes);
    const QString hours = QLocale().toString(time.hours); // "12,039"
    if (time.minutes == 0)
        return tr("%1 h").arg(hours);
    return tr("%1 h %2 min").arg(hours).arg(time.minutes);
}

void FiguresPanel::clear()
{
    m_shown.reset();
    clearRows();
}

void FiguresPanel::clearRows()
{
    while (QLayoutItem *item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_empty->show();
}

} // namespace tessaly::studio
