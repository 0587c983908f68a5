#pragma once

#include <QString>

#include <array>

namespace tessaly {

// The texts a guide's run reads, as the window's fields would hold them:
// Text1 (columns), Text2 (rows) and Text3(0) to Text3(5) (orange, yellow,
// red, green, blue, white).
struct GuideFields
{
    QString columns = QStringLiteral("99");
    QString rows = QStringLiteral("99");
    std::array<QString, 6> tolerances = {
        QStringLiteral("111"), QStringLiteral("190"), QStringLiteral("220"),
        QStringLiteral("220"), QStringLiteral("260"), QStringLiteral("250"),
    };
};

} // namespace tessaly
