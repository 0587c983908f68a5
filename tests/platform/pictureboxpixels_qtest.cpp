// Drawing on a picture box's pixels directly, as a generation run does.

#include "platform/picturebox.h"
#include "support/countingbox.h"

#include <QTest>

using tessaly::Color;
using tessaly::PictureBox;
using tessaly::test::CountingBox;
using tessaly::rgbColor;

namespace {

const QColor Back(212, 208, 200);
const Color Red = rgbColor(255, 0, 0);

} // namespace

class PictureBoxPixelsTest : public QObject
{
    Q_OBJECT

private slots:
    void pixelsHaveTheInteriorsSizeAndColours();
    void drawingOnThePixelsReachesTheScreen();
    void drawingOnThePixelsLeavesCopiesAlone();
    void paintingDrawsOnlyTheExposedPart();
};

void PictureBoxPixelsTest::pixelsHaveTheInteriorsSizeAndColours()
{
    PictureBox box;
    box.setBackColor(Back);
    box.resize(30, 20); // the image follows the interior only when used
    box.fillBox(3, 4, 3, 4, Red);
    const tessaly::PixelView pixels = box.pixels();
    QCOMPARE(pixels.width, 26);
    QCOMPARE(pixels.height, 16);
    QCOMPARE(pixels.point(3, 4), Red);
    QCOMPARE(pixels.point(0, 0), rgbColor(212, 208, 200));
    QCOMPARE(pixels.point(26, 0), -1);
}

void PictureBoxPixelsTest::drawingOnThePixelsReachesTheScreen()
{
    CountingBox box;
    box.setBackColor(Back);
    box.setFixedSize(44, 44);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTRY_VERIFY(box.paints > 0);
    const int paintsBefore = box.paints;

    box.drawingPixels().fillBox(10, 10, 19, 19, Red);
    QTRY_VERIFY(box.paints > paintsBefore);
    QCOMPARE(box.grab().toImage().pixel(2 + 15, 2 + 15), qRgb(255, 0, 0));
}

void PictureBoxPixelsTest::drawingOnThePixelsLeavesCopiesAlone()
{
    PictureBox box;
    box.setBackColor(Back);
    box.setFixedSize(24, 24);
    const QImage before = box.image();
    const QImage expected = before.copy();
    box.drawingPixels().drawBox(0, 0, 19, 19, Red);
    QCOMPARE(before, expected);
    QCOMPARE(box.point(0, 5), Red);
}

void PictureBoxPixelsTest::paintingDrawsOnlyTheExposedPart()
{
    PictureBox box;
    box.setBackColor(Back);
    box.setFixedSize(44, 44);
    box.fillBox(10, 10, 12, 12, Red);

    // Widget pixels 10..17 hold interior pixels 8..15: the red square sits at
    // widget 12..14.
    QImage target(44, 44, QImage::Format_RGB32);
    target.fill(Qt::magenta);
    // The region lands at the target offset: kept at (10, 10), pixels match.
    box.render(&target, QPoint(10, 10), QRegion(10, 10, 8, 8), QWidget::RenderFlags());
    QCOMPARE(target.pixel(12, 12), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(14, 14), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(15, 15), Back.rgb());
    QCOMPARE(target.pixel(10, 10), Back.rgb());
    QCOMPARE(target.pixel(9, 12), QColor(Qt::magenta).rgb());
    QCOMPARE(target.pixel(18, 12), QColor(Qt::magenta).rgb());
}

QTEST_MAIN(PictureBoxPixelsTest)
#include "pictureboxpixels_qtest.moc"
