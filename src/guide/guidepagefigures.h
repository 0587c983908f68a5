#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

#include <cstdint>

class QPainter;

namespace tessaly {

struct GuidePageContext;

// The texts of the guide's figures: "12,345", "3–7" (or "3" for one), and a
// build time as builders plan it ("2 h 35 min").
QString countText(std::int64_t value);
QString spanText(int first, int last);
QString timeText(double seconds);

// Rows of "label   value" down a page, under headings.
class FigureColumn
{
public:
    static constexpr qreal LineHeight = 15;

    FigureColumn(QPainter &painter, const GuidePageContext &context, QPointF topLeft, qreal width);

    void heading(const QString &text);
    // The label in grey at the left (after the swatch, if any), the value
    // at the right.
    void row(const QString &label, const QString &value, const QColor *swatch = nullptr);
    void gap() { m_at.ry() += LineHeight / 2; }
    qreal bottom() const { return m_at.y(); }

private:
    QPainter &m_painter;
    const GuidePageContext &m_context;
    QPointF m_at;
    qreal m_width;
};

} // namespace tessaly
