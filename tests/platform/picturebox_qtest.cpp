#include "platform/picturebox.h"
#include "support/countingbox.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using tessaly::Color;
using tessaly::PictureBox;
using tessaly::test::CountingBox;
using tessaly::rgbColor;

namespace {

const QColor Back(212, 208, 200);
const Color Red = rgbColor(255, 0, 0);

// Pixel (x, y) has red x, green y and blue 9, wrapping at 256.
QImage coordinatePicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, 9));
    return picture;
}

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class PictureBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void autoSizeTakesThePictureSizePlusTheBorder_data();
    void autoSizeTakesThePictureSizePlusTheBorder();
    void autoSizeSwitchedOnLaterFitsThePicture();
    void fixedBoxImageFollowsTheInterior();
    void fixedBoxCutsOrSurroundsItsPicture();
    void interiorStartsInsideASunkenTwoPixelBorder();
    void pointReadsTheImage_data();
    void pointReadsTheImage();
    void drawingGoesIntoTheImageAtOnce();
    void clsGoesBackToThePicture();
    void backColourClearsTheBox();
    void screenFollowsTheImage();
    void screenFollowsOnAFrameDeadlineNotPerDrawing();
    void paintingDoesNotHoldOnToTheImage();
    void copiesOfTheImageKeepTheirPixels();
    void acceptsNoDropsByDefault();
    void manualDropModeAcceptsAnyDragAndHandsOverTheDrop_data();
    void manualDropModeAcceptsAnyDragAndHandsOverTheDrop();
};

void PictureBoxTest::autoSizeTakesThePictureSizePlusTheBorder_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QSize>("outerSize");

    QTest::newRow("sample picture") << QSize(208, 183) << QSize(212, 187);
    QTest::newRow("one pixel") << QSize(1, 1) << QSize(5, 5);
    QTest::newRow("wide") << QSize(600, 20) << QSize(604, 24);
    QTest::newRow("tall") << QSize(30, 700) << QSize(34, 704);
}

void PictureBoxTest::autoSizeTakesThePictureSizePlusTheBorder()
{
    QFETCH(QSize, pictureSize);
    QFETCH(QSize, outerSize);

    // Hidden, so only setPicture() itself can have resized the box.
    PictureBox box;
    box.setAutoSize(true);
    box.setPicture(coordinatePicture(pictureSize));

    QCOMPARE(box.size(), outerSize);
    QCOMPARE(box.scaleWidth(), double(pictureSize.width()));
    QCOMPARE(box.scaleHeight(), double(pictureSize.height()));
    QCOMPARE(box.image(), coordinatePicture(pictureSize));

    box.setPicture(coordinatePicture(QSize(2, 3)));
    QCOMPARE(box.size(), QSize(6, 7));
}

void PictureBoxTest::autoSizeSwitchedOnLaterFitsThePicture()
{
    PictureBox box;
    box.resize(100, 100);
    box.setPicture(coordinatePicture(QSize(10, 20)));
    QCOMPARE(box.size(), QSize(100, 100));

    box.setAutoSize(true);
    QCOMPARE(box.size(), QSize(14, 24));
}

void PictureBoxTest::fixedBoxImageFollowsTheInterior()
{
    PictureBox box;
    box.setBackColor(Back);
    box.setFixedSize(441, 441);
    QCOMPARE(box.scaleWidth(), 437.0);
    QCOMPARE(box.scaleHeight(), 437.0);
    QCOMPARE(box.image(), filled(QSize(437, 437), Back));

    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.image().size(), QSize(437, 437));

    box.fillBox(0, 0, 9, 9, Red);
    box.setFixedSize(21, 21);
    QCOMPARE(box.image().size(), QSize(17, 17));
    QCOMPARE(box.point(9, 9), Red);
    QCOMPARE(box.point(17, 0), -1);
}

void PictureBoxTest::fixedBoxCutsOrSurroundsItsPicture()
{
    PictureBox box;
    box.setBackColor(Back);
    box.resize(20, 20);
    box.setPicture(coordinatePicture(QSize(30, 10)));

    QCOMPARE(box.size(), QSize(20, 20));
    const QImage image = box.image();
    QCOMPARE(image.size(), QSize(16, 16));
    QCOMPARE(image.copy(0, 0, 16, 10), coordinatePicture(QSize(16, 10)));
    QCOMPARE(image.copy(0, 10, 16, 6), filled(QSize(16, 6), Back));
}

void PictureBoxTest::interiorStartsInsideASunkenTwoPixelBorder()
{
    PictureBox box;
    box.setAutoSize(true);
    box.setPicture(filled(QSize(3, 3), QColor(255, 0, 255)));
    const QImage screen = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(screen.size(), QSize(7, 7));

    // Interior: exactly the picture, from (2, 2).
    for (int y = 2; y < 5; ++y)
        for (int x = 2; x < 5; ++x)
            QCOMPARE(screen.pixel(x, y), qRgb(255, 0, 255));

    // Outer ring dark above and left, light below and right; inner ring
    // darker above and left, lighter below and right.
    const QRgb outerShadow = screen.pixel(0, 3);
    const QRgb outerLight = screen.pixel(6, 3);
    const QRgb innerShadow = screen.pixel(1, 3);
    const QRgb innerLight = screen.pixel(5, 3);
    QCOMPARE(screen.pixel(3, 0), outerShadow);
    QCOMPARE(screen.pixel(0, 0), outerShadow);
    QCOMPARE(screen.pixel(3, 6), outerLight);
    QCOMPARE(screen.pixel(6, 6), outerLight);
    QCOMPARE(screen.pixel(3, 1), innerShadow);
    QCOMPARE(screen.pixel(3, 5), innerLight);
    QVERIFY(qGray(innerShadow) < qGray(outerShadow));
    QVERIFY(qGray(outerShadow) < qGray(innerLight));
    QVERIFY(qGray(innerLight) < qGray(outerLight));
}

void PictureBoxTest::pointReadsTheImage_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<Color>("colour");

    QTest::newRow("origin") << 0.f << 0.f << rgbColor(0, 0, 9);
    QTest::newRow("far corner") << 207.f << 182.f << rgbColor(207, 182, 9);
    QTest::newRow("fraction") << 5.75f << 3.5f << rgbColor(5, 3, 9);
    QTest::newRow("right edge") << 208.f << 0.f << -1;
    QTest::newRow("bottom edge") << 0.f << 183.f << -1;
    QTest::newRow("left") << -1.f << 0.f << -1;
}

void PictureBoxTest::pointReadsTheImage()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(Color, colour);

    PictureBox box;
    box.setAutoSize(true);
    box.setPicture(coordinatePicture(QSize(208, 183)));
    QCOMPARE(box.point(x, y), colour);
}

void PictureBoxTest::drawingGoesIntoTheImageAtOnce()
{
    PictureBox box;
    box.setBackColor(Back);
    box.setFixedSize(441, 441);
    box.fillBox(8, 8, 11, 11, Red);
    box.drawBox(8, 8, 20, 20, 0);

    const QImage image = box.image();
    QCOMPARE(image.pixel(9, 9), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(20, 14), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(12, 12), Back.rgb());
    QCOMPARE(box.point(11, 11), Red);
}

void PictureBoxTest::clsGoesBackToThePicture()
{
    PictureBox box;
    box.setAutoSize(true);
    box.setPicture(coordinatePicture(QSize(40, 30)));
    box.fillBox(0, 0, 39, 29, Red);
    box.cls();
    QCOMPARE(box.image(), coordinatePicture(QSize(40, 30)));
}

void PictureBoxTest::backColourClearsTheBox()
{
    PictureBox box;
    box.setFixedSize(24, 14);
    box.fillBox(0, 0, 5, 5, Red);
    box.setBackColor(QColor(0, 128, 0));
    QCOMPARE(box.backColor(), QColor(0, 128, 0));
    QCOMPARE(box.image(), filled(QSize(20, 10), QColor(0, 128, 0)));

    box.fillBox(0, 0, 5, 5, Red);
    box.cls();
    QCOMPARE(box.image(), filled(QSize(20, 10), QColor(0, 128, 0)));
}

void PictureBoxTest::screenFollowsTheImage()
{
    CountingBox box;
    box.setBackColor(Back);
    box.setFixedSize(44, 44);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTRY_VERIFY(box.paints > 0);
    const int paintsBefore = box.paints;

    box.fillBox(10, 10, 19, 19, Red);
    QTRY_VERIFY(box.paints > paintsBefore);
    // What the paint put on the screen is what grab() renders now.
    QCOMPARE(box.grab().toImage().pixel(2 + 15, 2 + 15), qRgb(255, 0, 0));
}

void PictureBoxTest::screenFollowsOnAFrameDeadlineNotPerDrawing()
{
    CountingBox box;
    box.setFixedSize(441, 441);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::qWait(50);
    box.paints = 0;

    // Events are handled after every drawing, as a generation run does; a
    // repaint per drawing would paint every time.
    QElapsedTimer clock;
    clock.start();
    constexpr int Drawings = 400;
    for (int i = 0; i < Drawings; ++i) {
        box.fillBox(float(i % 100), float(i / 100), float(i % 100), float(i / 100), Red);
        QCoreApplication::processEvents();
    }
    const qint64 elapsedMs = clock.elapsed();

    QVERIFY2(box.paints <= elapsedMs / 12 + 2,
             qPrintable(QString("%1 paints in %2 ms").arg(box.paints).arg(elapsedMs)));
    QTRY_VERIFY(box.paints > 0);
}

void PictureBoxTest::paintingDoesNotHoldOnToTheImage()
{
    PictureBox box;
    box.setFixedSize(441, 441);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.fillBox(0, 0, 0, 0, Red);
    box.repaint();

    // Had the paint kept a copy, the next drawing would have to copy all
    // the pixels to a new buffer.
    const uchar *const pixels = box.image().constBits();
    box.fillBox(1, 1, 1, 1, Red);
    box.repaint();
    box.fillBox(2, 2, 2, 2, Red);
    QTest::qWait(40);
    box.fillBox(3, 3, 3, 3, Red);
    QCOMPARE(box.image().constBits(), pixels);
}

void PictureBoxTest::copiesOfTheImageKeepTheirPixels()
{
    PictureBox box;
    box.setBackColor(Back);
    box.setFixedSize(24, 24);
    const QImage before = box.image();
    box.fillBox(0, 0, 19, 19, Red);
    QCOMPARE(before, filled(QSize(20, 20), Back));
    QCOMPARE(box.point(5, 5), Red);
}

void PictureBoxTest::acceptsNoDropsByDefault()
{
    PictureBox box;
    QVERIFY(!box.acceptDrops());

    int drops = 0;
    connect(&box, &PictureBox::oleDragDrop, &box, [&drops] { ++drops; });
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/picture.png")});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &drop);
    QVERIFY(!drop.isAccepted());
    QCOMPARE(drops, 0);
}

void PictureBoxTest::manualDropModeAcceptsAnyDragAndHandsOverTheDrop_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("text");

    QTest::newRow("one file") << QList<QUrl>{QUrl::fromLocalFile("/tmp/a.png")} << QString();
    QTest::newRow("three files") << QList<QUrl>{QUrl::fromLocalFile("/tmp/a.png"), QUrl::fromLocalFile("/tmp/b.jpg"),
                                                QUrl::fromLocalFile("/tmp/c.bmp")}
                                 << QString();
    QTest::newRow("text only") << QList<QUrl>{} << "some text";
    QTest::newRow("nothing") << QList<QUrl>{} << QString();
}

void PictureBoxTest::manualDropModeAcceptsAnyDragAndHandsOverTheDrop()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, text);

    PictureBox box;
    box.setManualDropMode(true);
    QVERIFY(box.acceptDrops());

    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);

    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);

    QDragMoveEvent move(QPoint(7, 7), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &move);
    QVERIFY(move.isAccepted());

    QList<const QMimeData *> handedOver;
    connect(&box, &PictureBox::oleDragDrop, &box,
            [&handedOver](const QMimeData *dropped) { handedOver.append(dropped); });
    QDropEvent drop(QPointF(7, 7), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(handedOver, QList<const QMimeData *>{&data});
    QCOMPARE(handedOver.first()->urls(), urls);
}

QTEST_MAIN(PictureBoxTest)
#include "picturebox_qtest.moc"
