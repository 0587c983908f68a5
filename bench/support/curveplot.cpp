#include "support/curveplot.h"

#include "pattern/patternrecipe.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessaly::bench {

namespace {

// The page: its size, and the margins that leave room for the axes' labels.
constexpr int PlotWidth = 1000;
constexpr int PlotHeight = 680;
constexpr int LeftMargin = 90;
constexpr int RightMargin = 40;
constexpr int TopMargin = 60;
constexpr int BottomMargin = 80;
constexpr int MarkerRadius = 5;
const QColor LineColour(30, 90, 200);
const QColor PointColour(200, 60, 30);

// One axis: its range, rounded out to whole steps of 1, 2 or 5 times a
// power of ten, about five to ten of them.
struct Axis
{
    double low = 0;
    double high = 1;
    double step = 0.1;

    static Axis around(double least, double most, bool fromZero)
    {
        if (fromZero)
            least = 0;
        if (most <= least)
            most = least + 1;
        const double rough = (most - least) / 6;
        const double power = std::pow(10.0, std::floor(std::log10(rough)));
        double step = power;
        for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
            step = factor * power;
            if (step >= rough)
                break;
        }
        return {std::floor(least / step) * step, std::ceil(most / step) * step, step};
    }
};

class CurvePainter
{
public:
    CurvePainter(QImage &image, Axis along, Axis up)
        : m_painter(&image), m_along(along), m_up(up)
    {
        m_painter.setRenderHint(QPainter::Antialiasing);
    }

    QPointF at(const ScoreTurns &point) const
    {
        const double x = (point.turnsPerCube - m_along.low) / (m_along.high - m_along.low);
        const double y = (point.score - m_up.low) / (m_up.high - m_up.low);
        return {LeftMargin + x * plotWidth(), TopMargin + (1 - y) * plotHeight()};
    }

    void drawAxes(const QString &title)
    {
        m_painter.setPen(Qt::black);
        QFont font = m_painter.font();
        font.setPixelSize(14);
        m_painter.setFont(font);
        const QRectF area(LeftMargin, TopMargin, plotWidth(), plotHeight());
        for (double x = m_along.low; x <= m_along.high + m_along.step / 2; x += m_along.step) {
            const double left = at({m_up.low, x}).x();
            m_painter.setPen(QColor(225, 225, 225));
            m_painter.drawLine(QPointF(left, area.top()), QPointF(left, area.bottom()));
            m_painter.setPen(Qt::black);
            m_painter.drawText(QRectF(left - 40, area.bottom() + 6, 80, 20), Qt::AlignHCenter | Qt::AlignTop,
                               QString::number(x, 'g', 4));
        }
        for (double y = m_up.low; y <= m_up.high + m_up.step / 2; y += m_up.step) {
            const double top = at({y, m_along.low}).y();
            m_painter.setPen(QColor(225, 225, 225));
            m_painter.drawLine(QPointF(area.left(), top), QPointF(area.right(), top));
            m_painter.setPen(Qt::black);
            m_painter.drawText(QRectF(0, top - 10, LeftMargin - 8, 20), Qt::AlignRight | Qt::AlignVCenter,
                               QString::number(y, 'g', 4));
        }
        m_painter.drawRect(area);
        m_painter.drawText(QRectF(LeftMargin, PlotHeight - 36, plotWidth(), 24), Qt::AlignCenter,
                           QStringLiteral("mean optimal turns per cube (fewer is easier to build)"));
        m_painter.save();
        m_painter.translate(18, TopMargin + plotHeight() / 2);
        m_painter.rotate(-90);
        m_painter.drawText(QRectF(-plotHeight() / 2, -10, plotHeight(), 24), Qt::AlignCenter,
                           QStringLiteral("likeness score (lower is better)"));
        m_painter.restore();
        font.setPixelSize(17);
        m_painter.setFont(font);
        m_painter.drawText(QRectF(0, 12, PlotWidth, 30), Qt::AlignCenter, title);
        font.setPixelSize(13);
        m_painter.setFont(font);
    }

    void drawLine(const std::vector<QPointF> &points)
    {
        if (points.size() < 2)
            return;
        QPainterPath path(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            path.lineTo(points[i]);
        m_painter.setPen(QPen(LineColour, 2));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPath(path);
    }

    void drawMarker(QPointF centre, const QColor &colour)
    {
        m_painter.setPen(QPen(colour.darker(130), 1));
        m_painter.setBrush(colour);
        m_painter.drawEllipse(centre, MarkerRadius, MarkerRadius);
        m_taken.push_back(QRectF(centre - QPointF(MarkerRadius, MarkerRadius), QSizeF(2, 2) * MarkerRadius));
    }

    // The label beside its point where it covers no label or marker drawn
    // before: right above, right below, left above, left below, else the first.
    void drawLabel(QPointF centre, const QColor &colour, const QString &label)
    {
        const QSizeF size = QFontMetricsF(m_painter.font()).size(0, label);
        const double gap = MarkerRadius + 2;
        const QPointF corners[] = {
            {centre.x() + gap, centre.y() - gap - size.height()},
            {centre.x() + gap, centre.y() + gap},
            {centre.x() - gap - size.width(), centre.y() - gap - size.height()},
            {centre.x() - gap - size.width(), centre.y() + gap},
        };
        QRectF place(corners[0], size);
        for (const QPointF &corner : corners) {
            const QRectF candidate(corner, size);
            if (std::none_of(m_taken.begin(), m_taken.end(),
                             [&](const QRectF &taken) { return taken.intersects(candidate); })) {
                place = candidate;
                break;
            }
        }
        m_taken.push_back(place);
        m_painter.setPen(colour.darker(150));
        m_painter.drawText(place, Qt::AlignLeft | Qt::AlignTop, label);
    }

private:
    static double plotWidth() { return PlotWidth - LeftMargin - RightMargin; }
    static double plotHeight() { return PlotHeight - TopMargin - BottomMargin; }

    QPainter m_painter;
    Axis m_along;
    Axis m_up;
    std::vector<QRectF> m_taken; // the labels and markers drawn so far
};

QString weightLabel(const CurveRow &row)
{
    if (row.turnWeight == 0)
        return QStringLiteral("w0 (optimum)");
    if (row.turnWeight == pattern::DefaultTurnWeight)
        return QString::fromStdString(row.label) + QStringLiteral(" (default)");
    return QString::fromStdString(row.label);
}

} // namespace

QImage drawCurvePlot(const ScoreTurnsCurve &curve)
{
    double leastScore = 1e300;
    double mostScore = 0;
    double mostTurns = 0;
    for (const CurveRow &row : curve.rows) {
        if (row.mean) {
            leastScore = std::min(leastScore, row.mean->score);
            mostScore = std::max(mostScore, row.mean->score);
            mostTurns = std::max(mostTurns, row.mean->turnsPerCube);
        }
    }
    if (mostScore == 0)
        leastScore = 0;

    QImage image(PlotWidth, PlotHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    CurvePainter painter(image, Axis::around(0, mostTurns, true), Axis::around(leastScore, mostScore, false));
    painter.drawAxes(QStringLiteral("Likeness score against turns per cube: mean over %1 photographs at 1,600 cubes")
                         .arg(curve.photos.size()));

    std::vector<QPointF> line;
    for (const CurveRow &row : curve.rows) {
        if (row.onWeightLine && row.mean)
            line.push_back(painter.at(*row.mean));
    }
    painter.drawLine(line);
    // Every marker first, so that no label covers one.
    for (const CurveRow &row : curve.rows) {
        if (row.mean)
            painter.drawMarker(painter.at(*row.mean), row.onWeightLine ? LineColour : PointColour);
    }
    for (const CurveRow &row : curve.rows) {
        if (!row.mean)
            continue;
        if (row.onWeightLine)
            painter.drawLabel(painter.at(*row.mean), LineColour, weightLabel(row));
        else
            painter.drawLabel(painter.at(*row.mean), PointColour, QString::fromStdString(row.label));
    }
    return image;
}

} // namespace tessaly::bench
