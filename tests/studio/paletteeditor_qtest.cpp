#include "studio/paletteeditor.h"
#include "studio/readabletextcolour.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tessaly;
using namespace tessaly::studio;

namespace {

QPushButton *colourButton(PaletteEditor &editor, char letter)
{
    return editor.findChild<QPushButton *>(QStringLiteral("colour") + QLatin1Char(letter));
}

QPushButton *okButton(PaletteEditor &editor)
{
    return editor.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
}

// Clicks the sticker's colour button and answers the colour dialog with picked.
void pickColour(PaletteEditor &editor, char letter, const QColor &picked)
{
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget())) {
            dialog->setCurrentColor(picked);
            dialog->accept();
        }
    });
    answer.start(20);
    QTest::mouseClick(colourButton(editor, letter), Qt::LeftButton);
}

} // namespace

class PaletteEditorTest : public QObject
{
    Q_OBJECT

private slots:
    // A colour another used sticker has is flagged as soon as it is picked,
    // and OK cannot pass it on: a palette file with it would not read back.
    void refusesAColourAnotherStickerHas_data()
    {
        QTest::addColumn<char>("letter");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("clash"); // the letters named, empty when none
        QTest::newRow("red made white") << 'R' << "#ffffff" << "W and R are both #FFFFFF";
        QTest::newRow("white made red") << 'W' << "#b71234" << "W and R are both #B71234";
        QTest::newRow("green made yellow") << 'G' << "#ffd500" << "Y and G are both #FFD500";
        QTest::newRow("red made a colour of its own") << 'R' << "#123456" << "";
    }

    void refusesAColourAnotherStickerHas()
    {
        QFETCH(char, letter);
        QFETCH(QString, picked);
        QFETCH(QString, clash);
        PaletteEditor editor(pattern::standardPalette());
        pickColour(editor, letter, QColor(picked));
        const auto *warning = editor.findChild<QLabel *>(QStringLiteral("colourClash"));
        QCOMPARE(colourButton(editor, letter)->text(), picked.toUpper());
        QCOMPARE(warning->isVisibleTo(&editor), !clash.isEmpty());
        QCOMPARE(warning->text().left(clash.size()), clash);
        QCOMPARE(okButton(editor)->isEnabled(), clash.isEmpty());
        QTest::mouseClick(okButton(editor), Qt::LeftButton);
        QCOMPARE(editor.result() == QDialog::Accepted, clash.isEmpty());
    }

    // A sticker left out keeps a colour; taking it back in when another
    // sticker has that colour meanwhile is refused the same way.
    void refusesTakingBackAStickerWhoseColourIsTaken()
    {
        pattern::StickerPalette palette = pattern::standardPalette();
        std::erase_if(palette.colours, [](const auto &colour) { return colour.sticker == pattern::Sticker::White; });
        for (pattern::PaletteColour &colour : palette.colours)
            if (colour.sticker == pattern::Sticker::Red)
                colour.colour = {255, 255, 255};
        PaletteEditor editor(palette);
        QCheckBox *white = editor.findChildren<QCheckBox *>().first();
        QCOMPARE(white->text(), QStringLiteral("W"));
        QVERIFY(okButton(editor)->isEnabled());
        white->setChecked(true);
        QVERIFY(!okButton(editor)->isEnabled());
        white->setChecked(false);
        QVERIFY(okButton(editor)->isEnabled());
        QCOMPARE(editor.palette(), palette);
    }

    // The swatch is the sticker's very colour, not a shade drawn from it.
    void drawsTheSwatchInItsColour()
    {
        PaletteEditor editor(pattern::standardPalette());
        const QImage swatch = colourButton(editor, 'R')->grab().toImage();
        QCOMPARE(QColor(swatch.pixel(3, swatch.height() / 2)), QColor(0xB7, 0x12, 0x34));
    }

    // Black or white by the WCAG contrast of each with the colour; they
    // contrast alike at a relative luminance of about 0.179, between the
    // greys #757575 (0.178) and #767676 (0.181).
    void writesReadableTextOnASwatch_data()
    {
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("text");
        QTest::newRow("white") << "#ffffff" << "#000000";
        QTest::newRow("yellow") << "#ffd500" << "#000000";
        QTest::newRow("orange") << "#ff5800" << "#000000";
        QTest::newRow("red") << "#b71234" << "#ffffff";
        QTest::newRow("blue") << "#0046ad" << "#ffffff";
        QTest::newRow("grey just light") << "#767676" << "#000000";
        QTest::newRow("grey just dark") << "#757575" << "#ffffff";
    }

    void writesReadableTextOnASwatch()
    {
        QFETCH(QString, background);
        QFETCH(QString, text);
        QCOMPARE(readableTextColour(QColor(background)).name(), text);
    }
};

QTEST_MAIN(PaletteEditorTest)
#include "paletteeditor_qtest.moc"
