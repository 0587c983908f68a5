// Generate through the window: the mosaic on the canvas, the count fields
// during a run, and what happens inside a run's yields.

#include "engine/palette.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "ui/form1.h"
#include "ui/support/formtestfixture.h"
#include "ui/support/modalwatcher.h"
#include "ui/support/mosaicmodel.h"
#include "ui/support/testfiles.h"
#include "ui/support/windowtesting.h"

#include <QPushButton>
#include <QTest>

using namespace tessaly;
using namespace tessaly::test;

namespace {

// Colours as cellPixel() gives them, without alpha.
constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Black = 0x000000;
constexpr QRgb Red = 0xFF0000;
constexpr QRgb Orange = 0xFF8000;

// The defaults on the built-in picture: steps of 2, 105 x 92 cells.
const MosaicGrid DefaultGrid{2, 2, 105, 92};

} // namespace

class Form1GenerateTest : public FormTestFixture
{
    Q_OBJECT

private slots:
    void defaultsDrawTheWholeMosaicWithoutAMessage();
    void countFieldsAreDisabledOnlyWhileARunLasts();
    void secondGenerateInsideAYieldRunsNested();
    void toleranceEditedDuringARunAppliesFromALaterSample();
    void countsBeyondThePictureAreReportedInTheWindow();
};

void Form1GenerateTest::defaultsDrawTheWholeMosaicWithoutAMessage()
{
    const QImage source = m_form->Picture1->image();
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);

    QVERIFY(m_watcher->boxes().isEmpty());
    QCOMPARE(m_form->ScaleDivisor, std::int16_t(1));
    const QImage canvas = m_form->Picture2->image();
    QCOMPARE(firstDifference(canvas, expectedMosaic(source, DefaultGrid, faceColor())), QString());

    // Anchors that need no model: the column sampled beyond the picture's
    // right edge is white, so is the light grey margin at the top left, the
    // last frame is black, and nothing lies past cell (104, 91).
    for (int j = 0; j < DefaultGrid.rows; ++j)
        QCOMPARE(cellPixel(canvas, 104, j), White);
    QCOMPARE(cellPixel(canvas, 0, 0), White);
    for (int offset = 0; offset <= 12; ++offset) {
        QCOMPARE(canvas.pixel(404 + offset, 356) & RGB_MASK, Black);
        QCOMPARE(canvas.pixel(404 + offset, 368) & RGB_MASK, Black);
        QCOMPARE(canvas.pixel(404, 356 + offset) & RGB_MASK, Black);
        QCOMPARE(canvas.pixel(416, 356 + offset) & RGB_MASK, Black);
    }
    const QRgb face = faceColor().rgb() & RGB_MASK;
    QCOMPARE(canvas.pixel(428, 200) & RGB_MASK, face);
    QCOMPARE(canvas.pixel(200, 376) & RGB_MASK, face);

    QVERIFY(m_form->Text1->isEnabled());
    QVERIFY(m_form->Text2->isEnabled());
}

void Form1GenerateTest::countFieldsAreDisabledOnlyWhileARunLasts()
{
    QList<bool> enabledInRun;
    ActionInYield probe([this] { return cellDrawn(0, 0); },
                        [&] {
                            enabledInRun = {m_form->Text1->isEnabled(), m_form->Text2->isEnabled()};
                            for (QWidget *other : {static_cast<QWidget *>(m_form->Command1),
                                                   static_cast<QWidget *>(m_form->Command2),
                                                   static_cast<QWidget *>(m_form->Command3),
                                                   static_cast<QWidget *>(m_form->Picture1)})
                                enabledInRun.append(other->isEnabled());
                            for (TextBox *field : m_form->Text3)
                                enabledInRun.append(field->isEnabled());
                        });
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);

    QVERIFY(probe.hasRun());
    QCOMPARE(enabledInRun.mid(0, 2), QList<bool>({false, false}));
    QVERIFY(!enabledInRun.mid(2).contains(false));
    QVERIFY(m_form->Text1->isEnabled());
    QVERIFY(m_form->Text2->isEnabled());
}

void Form1GenerateTest::secondGenerateInsideAYieldRunsNested()
{
    const QImage expected = expectedMosaic(m_form->Picture1->image(), DefaultGrid, faceColor());
    bool lastCellDrawnBeforeNested = true;
    QString nestedResult = QStringLiteral("not run");
    bool fieldsEnabledAfterNested = false;

    ActionInYield nested([this] { return cellDrawn(0, 0); },
                         [&] {
                             lastCellDrawnBeforeNested = cellDrawn(104, 91);
                             QTest::mouseClick(m_form->Command2, Qt::LeftButton);
                             nestedResult = firstDifference(m_form->Picture2->image(), expected);
                             fieldsEnabledAfterNested = m_form->Text1->isEnabled();
                         });
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);

    QVERIFY(nested.hasRun());
    QVERIFY(!lastCellDrawnBeforeNested);   // the first run was under way
    QCOMPARE(nestedResult, QString());     // the nested run drew it all
    QVERIFY(fieldsEnabledAfterNested);
    // The first run went on over the nested run's mosaic, cell for cell.
    QCOMPARE(firstDifference(m_form->Picture2->image(), expected), QString());
    QVERIFY(m_form->Text1->isEnabled());
    QVERIFY(m_watcher->boxes().isEmpty());
}

void Form1GenerateTest::toleranceEditedDuringARunAppliesFromALaterSample()
{
    // A red picture: red until orange's tolerance reaches red (128 apart).
    m_form->Picture1->setPicture(solidPicture(QSize(100, 100), QColor(Red)));
    ActionInYield widenOrange([this] { return cellDrawn(0, 0); },
                              [this] { m_form->Text3[0]->setText(QStringLiteral("200")); });
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    QVERIFY(widenOrange.hasRun());

    // Steps of 1 over 100 pixels: cells 0 to 99 lie inside the picture.
    const QImage canvas = m_form->Picture2->image();
    int redCells = 0;
    int orangeCells = 0;
    for (int j = 0; j < 100; ++j) {
        for (int i = 0; i < 100; ++i) {
            const QRgb cell = cellPixel(canvas, i, j);
            if (cell == Red) {
                QVERIFY2(orangeCells == 0, qPrintable(QStringLiteral("red after orange at %1, %2").arg(i).arg(j)));
                ++redCells;
            } else {
                QCOMPARE(cell, Orange);
                ++orangeCells;
            }
        }
    }
    QVERIFY(redCells > 0);
    QVERIFY(orangeCells > 0);
    QVERIFY(m_watcher->boxes().isEmpty());
}

void Form1GenerateTest::countsBeyondThePictureAreReportedInTheWindow()
{
    m_form->Text1->setText(QStringLiteral("209"));
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);

    QCOMPARE(m_watcher->boxes().size(), 1);
    QCOMPARE(m_watcher->boxes().front().title, QStringLiteral("错误"));
    QCOMPARE(m_watcher->boxes().front().text, QStringLiteral("宽高数值超过图片大小"));
    QCOMPARE(m_watcher->boxes().front().buttonCount, 1);
    QVERIFY(isFilledWith(m_form->Picture2->image(), faceColor()));
    QVERIFY(m_form->Text1->isEnabled());
    QVERIFY(m_form->Text2->isEnabled());
}

QTEST_MAIN(Form1GenerateTest)
#include "form1generate_qtest.moc"
