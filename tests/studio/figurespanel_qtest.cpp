#include "studio/figurespanel.h"

#include <QLabel>
#include <QTest>

using namespace tessaly;
using namespace tessaly::studio;

class FiguresPanelTest : public QObject
{
    Q_OBJECT

private slots:
    // The colours' counts come under a heading that says they are stickers,
    // with their total: nine a cube.
    void countsTheColoursAsStickers()
    {
        PatternFigures figures;
        figures.cubes = 2;
        figures.stickers[std::size_t(pattern::Sticker::White)] = 10;
        figures.stickers[std::size_t(pattern::Sticker::Red)] = 8;
        FiguresPanel panel;
        panel.showFigures(figures, pattern::standardPalette(), 1.0);
        QStringList shown;
        for (const QLabel *label : panel.findChildren<QLabel *>())
            if (!label->isHidden() && !label->text().isEmpty())
                shown << label->text();
        const QStringList firstRows{QStringLiteral("Cubes"),    QStringLiteral("2"),     QStringLiteral("Stickers"),
                                    QStringLiteral("18"),       QStringLiteral("white"), QStringLiteral("10")};
        QCOMPARE(shown.mid(0, firstRows.size()), firstRows);
    }
};

QTEST_MAIN(FiguresPanelTest)
#include "figurespanel_qtest.moc"
