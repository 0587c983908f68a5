#include "guide/guidepagefigures.h"

#include "guide/buildtime.h"
#include "guide/guidepagecontext.h"
#include "guide/guidepagestyle.h"

#include <QLocale>
#include <QPainter>

namespace tessaly {

QString countText(std::int64_t value)
{
    return QLocale(QLocale::English).toString(qlonglong(value));
}

QString spanText(int first, int last)
{
    return first == last ? QString::number(first) : QStringLiteral("%1–%2").arg(first).arg(last);
}

QString timeText(double seconds)
{
    return QString::fromStdString(formatBuildTime(seconds));
}

FigureColumn::FigureColumn(QPainter &painter, const GuidePageContext &context, QPointF topLeft, qreal width)
    : m_painter(painter)
    , m_context(context)
    , m_at(topLeft)
    , m_width(width)
{
}

void FigureColumn::heading(const QString &text)
{
    m_painter.setFont(m_context.fonts.text(PageLayout::TextFontSize + 2, true));
    m_painter.setPen(Qt::black);
    m_painter.drawText(QRectF(m_at, QSizeF(m_width, LineHeight + 2)), Qt::AlignLeft | Qt::AlignVCenter, text);
    m_at.ry() += LineHeight + 4;
}

void FigureColumn::row(const QString &label, const QString &value, const QColor *swatch)
{
    qreal labelLeft = m_at.x();
    if (swatch) {
        drawSwatch(m_painter, QRectF(labelLeft, m_at.y() + 3, 9, 9), *swatch);
        labelLeft += 14;
    }
    m_painter.setFont(m_context.fonts.text(PageLayout::SmallFontSize + 1));
    m_painter.setPen(RuleColour);
    m_painter.drawText(QRectF(labelLeft, m_at.y(), m_width, LineHeight), Qt::AlignLeft | Qt::AlignVCenter, label);
    m_painter.setFont(m_context.fonts.letters(PageLayout::TextFontSize));
    m_painter.setPen(Qt::black);
    m_painter.drawText(QRectF(m_at.x(), m_at.y(), m_width, LineHeight), Qt::AlignRight | Qt::AlignVCenter, value);
    m_at.ry() += LineHeight;
}

} // namespace tessaly
