#include "platform/applicationlook.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QStyleFactory>

namespace tessaly {

void applyApplicationLook(QApplication &app)
{
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);

    QFont font = app.font();
    const QStringList installed = QFontDatabase::families();
    for (const char *family : CjkFontFamilies) {
        if (installed.contains(QLatin1String(family))) {
            font.setFamily(QLatin1String(family));
            break;
        }
    }
    font.setPixelSize(FontPixelSize);
    app.setFont(font);
}

QColor canvasBackColor()
{
    return QApplication::palette().color(QPalette::Button);
}

} // namespace tessaly
