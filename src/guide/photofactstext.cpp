#include "guide/photofactstext.h"

#include "guide/photooptionvalues.h"

namespace tessaly {

namespace {

QString signedNumber(int value)
{
    return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}

} // namespace

QString hexText(pattern::Srgb8 colour)
{
    return QString::fromStdString(pattern::hexOf(colour));
}

QString wallText(pattern::WallSize wall)
{
    return QStringLiteral("%1 x %2 cubes").arg(wall.columns).arg(wall.rows);
}

QStringList adjustmentTexts(const pattern::Adjustments &adjustments)
{
    QStringList texts;
    const std::pair<const char *, int> values[] = {{"brightness", adjustments.brightness},
                                                   {"contrast", adjustments.contrast},
                                                   {"saturation", adjustments.saturation}};
    for (const auto &[name, value] : values) {
        if (value != 0)
            texts << QStringLiteral("%1 %2").arg(QLatin1String(name), signedNumber(value));
    }
    if (adjustments.autoLevels)
        texts << QStringLiteral("auto-levels");
    return texts;
}

QString methodText(const PhotoFacts &facts)
{
    QString text = methodName(facts.method);
    if (facts.method != pattern::Method::Optimised)
        return text;
    text += QStringLiteral(", turn weight %1").arg(facts.turnWeight);
    if (facts.maxTurns)
        text += QStringLiteral(", at most %1 turns a cube").arg(*facts.maxTurns);
    return text;
}

QString likenessText(double likeness)
{
    return QStringLiteral("%1 (lower is better)").arg(likeness, 0, 'f', 2);
}

} // namespace tessaly
