#include "guide/refusalexplanation.h"

#include "engine/generationrun.h"
#include "platform/numbers.h"
#include "platform/textbox.h"

#include <QStringList>

namespace tessaly {

namespace {

const char *const ToleranceColours[6] = {"orange", "yellow", "red", "green", "blue", "white"};

QString shown(double value)
{
    return QString::number(value, 'g', 12);
}

// Why a count cannot set a sampling step over a picture side; empty when it can.
QString countProblem(const QString &what, const QString &text, int side)
{
    const double count = fieldNumber(text);
    const QString quoted = QStringLiteral("%1 \"%2\"").arg(what, text);
    if (count == 0)
        return QStringLiteral("%1 reads as 0").arg(quoted);
    if (!toInt16(count))
        return QStringLiteral("%1 is outside -32768 to 32767").arg(quoted);
    const auto step = toInt32(side / count);
    if (!step)
        return QStringLiteral("%1 gives a step %2 / %3 outside the 32-bit range")
            .arg(quoted, QString::number(side), shown(count));
    if (*step == 0)
        return QStringLiteral("%1 gives a step %2 / %3 that rounds to 0")
            .arg(quoted, QString::number(side), shown(count));
    return QString();
}

QStringList exceedingCounts(QSize picture, const GuideFields &fields)
{
    QStringList found;
    const double columns = fieldNumber(fields.columns);
    const double rows = fieldNumber(fields.rows);
    if (toSingle(columns) > float(picture.width()))
        found << QStringLiteral("%1 columns > picture width %2").arg(shown(columns)).arg(picture.width());
    if (toSingle(rows) > float(picture.height()))
        found << QStringLiteral("%1 rows > picture height %2").arg(shown(rows)).arg(picture.height());
    return found;
}

QStringList invalidCounts(QSize picture, const GuideFields &fields)
{
    QStringList found;
    for (const QString &problem : {countProblem(QStringLiteral("row count"), fields.rows, picture.height()),
                                   countProblem(QStringLiteral("column count"), fields.columns, picture.width())}) {
        if (!problem.isEmpty())
            found << problem;
    }
    return found;
}

QStringList invalidTolerances(const GuideFields &fields)
{
    QStringList found;
    for (std::size_t field = 0; field < fields.tolerances.size(); ++field) {
        if (!toInt32(fieldNumber(fields.tolerances[field])))
            found << QStringLiteral("%1 tolerance \"%2\" is outside the 32-bit range")
                         .arg(QLatin1String(ToleranceColours[field]), fields.tolerances[field]);
    }
    return found;
}

} // namespace

QString explainRefusal(std::string_view message, QSize picture, const GuideFields &fields)
{
    QStringList details;
    if (message == RunMessage::CountsExceedPicture)
        details = exceedingCounts(picture, fields);
    else if (message == RunMessage::CountsInvalid)
        details = invalidCounts(picture, fields);
    else if (message == RunMessage::ToleranceInvalid)
        details = invalidTolerances(fields);

    QString explained = QString::fromUtf8(message.data(), qsizetype(message.size()));
    if (!details.isEmpty())
        explained += QStringLiteral(": ") + details.join(QStringLiteral("; "));
    return explained;
}

} // namespace tessaly
