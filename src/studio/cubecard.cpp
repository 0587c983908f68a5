#include "studio/cubecard.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace tessaly::studio {

class CubeCard::FaceDrawing : public QWidget
{
public:
    FaceDrawing() { setFixedSize(120, 120); }

    void setFace(const std::optional<CubeFace> &face, const pattern::StickerPalette &palette)
    {
        m_face = face;
        m_palette = palette;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_face)
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), Qt::black);
        const double cell = width() / 3.0;
        for (int place = 0; place < 9; ++place) {
            const FaceMark mark = (*m_face)[std::size_t(place)];
            const pattern::Srgb8 colour = pattern::displayColour(
                m_palette, markColour(mark) ? pattern::stickerOf(*markColour(mark)) : pattern::Sticker::Unmatched);
            painter.setBrush(QColor(colour.r, colour.g, colour.b));
            painter.setPen(Qt::NoPen);
            painter.drawRoundedRect(QRectF((place % 3) * cell + 3, (place / 3) * cell + 3, cell - 6, cell - 6), 5, 5);
        }
    }

private:
    std::optional<CubeFace> m_face;
    pattern::StickerPalette m_palette;
};

QString spokenColourName(cube::Colour colour)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("tessaly::studio::CubeCard", "white"),  QT_TRANSLATE_NOOP("tessaly::studio::CubeCard", "yellow"),
        QT_TRANSLATE_NOOP("tessaly::studio::CubeCard", "red"),    QT_TRANSLATE_NOOP("tessaly::studio::CubeCard", "orange"),
        QT_TRANSLATE_NOOP("tessaly::studio::CubeCard", "blue"),   QT_TRANSLATE_NOOP("tessaly::studio::CubeCard", "green"),
    };
    return QCoreApplication::translate("tessaly::studio::CubeCard", names[int(colour)]);
}

CubeCard::CubeCard(QWidget *parent)
    : QWidget(parent)
    , m_drawing(new FaceDrawing)
    , m_text(new QLabel)
{
    m_text->setObjectName(QStringLiteral("cubeText"));
    m_text->setWordWrap(true);
    // Wrapped to the dock's width, never widening it: the wall beside it
    // would jump sideways with each cube shown.
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_drawing, 0, Qt::AlignHCenter);
    layout->addWidget(m_text);
    layout->addStretch();
    clear();
}

void CubeCard::showCube(const CubeInfo &cube, const pattern::StickerPalette &palette)
{
    m_cube = cube;
    m_drawing->setFace(cube.face, palette);
    m_drawing->show();
    const CubeTwists &twists = cube.twists;
    m_text->setText(tr("<b>Cube %1, %2</b> (column, row from the top left)<br>"
                       "Face: <tt>%3</tt><br>"
                       "Hold: %4 in front, %5 on top<br>"
                       "Turns: %6<br>"
                       "Moves: <tt>%7</tt>")
                        .arg(cube.column)
                        .arg(cube.row)
                        .arg(faceLetters(cube.face), spokenColourName(twists.front), spokenColourName(twists.top))
                        .arg(twists.turns)
                        .arg(twists.moves.empty() ? tr("none") : QString::fromStdString(twists.moves)));
}

void CubeCard::clear()
{
    m_cube.reset();
    // No empty square above the hint before a cube is clicked.
    m_drawing->setFace(std::nullopt, {});
    m_drawing->hide();
    m_text->setText(tr("Click a cube on the wall to see its card."));
}

} // namespace tessaly::studio
