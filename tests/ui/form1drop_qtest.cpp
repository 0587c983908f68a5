// Pictures dropped on the source picture: what is loaded, how the window
// takes its size from it, what is refused and reported, and drops that
// arrive in the middle of a run.

#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "ui/form1.h"
#include "ui/support/formtestfixture.h"
#include "ui/support/modalwatcher.h"
#include "ui/support/mosaicmodel.h"
#include "ui/support/testfiles.h"
#include "ui/support/windowtesting.h"

#include <QBuffer>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

using namespace tessaly;
using namespace tessaly::test;

class Form1DropTest : public FormTestFixture
{
    Q_OBJECT

private slots:
    void onlyTheFirstOfThreeFilesIsLoaded();
    void dropThroughTheWindowLoadsThePicture();
    void firstFileNotAPictureIsReportedAndTheSecondNeverTried();
    void dropWithoutFilesChangesNothing_data();
    void dropWithoutFilesChangesNothing();
    void unloadableFileIsReported_data();
    void unloadableFileIsReported();
    void windowTakesItsSizeFromThePicture_data();
    void windowTakesItsSizeFromThePicture();
    void smallPictureBringsTheWindowBackToItsStartSize();
    void transparentPixelsShowTheBackColour();
    void otherPlacesRefuseTheDrag_data();
    void otherPlacesRefuseTheDrag();
    void dropDuringARunIsSampledFromThenOn();
    void widerPictureDroppedDuringARun();

private:
    QPoint centreOf(QWidget *control) const
    {
        return control->mapTo(m_form.get(), control->rect().center());
    }
    // The picture and window as they stand, to see that a drop left both.
    struct Snapshot
    {
        QImage picture;
        QSize boxSize;
        QSize windowSize;
    };
    Snapshot snapshot() const
    {
        return {m_form->Picture1->image(), m_form->Picture1->size(), m_form->size()};
    }
    void verifyUnchangedSince(const Snapshot &before) const;
};

void Form1DropTest::verifyUnchangedSince(const Snapshot &before) const
{
    QCOMPARE(firstDifference(m_form->Picture1->image(), before.picture), QString());
    QCOMPARE(m_form->Picture1->size(), before.boxSize);
    QCOMPARE(m_form->size(), before.windowSize);
}

void Form1DropTest::onlyTheFirstOfThreeFilesIsLoaded()
{
    const QImage first = solidPicture(QSize(300, 200), Qt::red);
    const auto drag = fileDrag({
        writePicture(folder(), QStringLiteral("first.png"), first),
        writePicture(folder(), QStringLiteral("second.png"), solidPicture(QSize(50, 60), Qt::green)),
        writePicture(folder(), QStringLiteral("third.bmp"), solidPicture(QSize(70, 80), Qt::blue)),
    });

    m_form->Picture1_OLEDragDrop(drag.get());

    QVERIFY(m_watcher->boxes().isEmpty());
    QCOMPARE(m_form->Picture1->size(), QSize(304, 204));
    QCOMPARE(m_form->Picture1->pos(), QPoint(444, 96));
    QCOMPARE(firstDifference(m_form->Picture1->image(), first), QString());
    QCOMPARE(m_form->size(), QSize(755, 447));
}

void Form1DropTest::dropThroughTheWindowLoadsThePicture()
{
    const QImage picture = solidPicture(QSize(120, 90), QColor(10, 20, 30));
    const auto drag = fileDrag({writePicture(folder(), QStringLiteral("dropped.png"), picture)});

    QVERIFY(dragAndDrop(*m_form, centreOf(m_form->Picture1), *drag));

    QVERIFY(m_watcher->boxes().isEmpty());
    QCOMPARE(firstDifference(m_form->Picture1->image(), picture), QString());
    QCOMPARE(m_form->Picture1->size(), QSize(124, 94));
    QCOMPARE(m_form->size(), QSize(739, 447));
}

void Form1DropTest::firstFileNotAPictureIsReportedAndTheSecondNeverTried()
{
    const Snapshot before = snapshot();
    const auto drag = fileDrag({
        writeFile(folder(), QStringLiteral("notes.txt"), "not a picture\n"),
        writePicture(folder(), QStringLiteral("picture.png"), solidPicture(QSize(30, 30), Qt::red)),
    });

    QVERIFY(dragAndDrop(*m_form, centreOf(m_form->Picture1), *drag));

    QCOMPARE(m_watcher->boxes().size(), 1);
    const ModalWatcher::Box &box = m_watcher->boxes().front();
    QCOMPARE(box.title, QStringLiteral("错误"));
    QCOMPARE(box.text, QStringLiteral("不支持的图片格式"));
    QCOMPARE(box.buttonCount, 1);
    verifyUnchangedSince(before);
}

void Form1DropTest::dropWithoutFilesChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");

    const QString picture = writePicture(folder(), QStringLiteral("as-text.png"),
                                         solidPicture(QSize(30, 30), Qt::red));
    QTest::newRow("plain text") << QStringLiteral("some words") << QString();
    QTest::newRow("a picture's path as text") << picture << QString();
    QTest::newRow("a web link") << QString() << QStringLiteral("https://example.org/a.png");
    QTest::newRow("nothing at all") << QString() << QString();
}

void Form1DropTest::dropWithoutFilesChangesNothing()
{
    QFETCH(QString, text);
    QFETCH(QString, url);

    QMimeData data;
    if (!text.isEmpty())
        data.setText(text);
    if (!url.isEmpty())
        data.setUrls({QUrl(url)});
    const Snapshot before = snapshot();

    dragAndDrop(*m_form, centreOf(m_form->Picture1), data);
    m_form->Picture1_OLEDragDrop(&data);

    QVERIFY(m_watcher->boxes().isEmpty());
    verifyUnchangedSince(before);
}

void Form1DropTest::unloadableFileIsReported_data()
{
    QTest::addColumn<QString>("path");

    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        solidPicture(QSize(64, 64), Qt::blue).save(&buffer, "PNG");
    }
    QTest::newRow("text file") << writeFile(folder(), QStringLiteral("readme.txt"), "hello\n");
    QTest::newRow("truncated PNG") << writeFile(folder(), QStringLiteral("cut.png"), png.left(png.size() / 2));
    QTest::newRow("zero-byte file") << writeFile(folder(), QStringLiteral("empty.png"), QByteArray());
    QDir(folder().path()).mkdir(QStringLiteral("folder.png"));
    QTest::newRow("folder") << folder().filePath(QStringLiteral("folder.png"));
    QTest::newRow("vanished file") << folder().filePath(QStringLiteral("gone.png"));
    // 20000 x 20000 declared in the header, no pixels behind it.
    QTest::newRow("huge declared size")
        << writeFile(folder(), QStringLiteral("huge.ppm"), "P6\n20000 20000\n255\n");
}

void Form1DropTest::unloadableFileIsReported()
{
    QFETCH(QString, path);

    // Drawing on the source picture is what the failure path erases.
    const QImage picture = m_form->Picture1->image();
    m_form->Picture1->fillBox(0, 0, 9, 9, 0x00FF00);
    const Snapshot before = snapshot();
    const auto drag = fileDrag({path});

    m_form->Picture1_OLEDragDrop(drag.get());

    QCOMPARE(m_watcher->boxes().size(), 1);
    QCOMPARE(m_watcher->boxes().front().title, QStringLiteral("错误"));
    QCOMPARE(m_watcher->boxes().front().text, QStringLiteral("不支持的图片格式"));
    QCOMPARE(m_form->Picture1->size(), before.boxSize);
    QCOMPARE(m_form->size(), before.windowSize);
    // The drawing is gone, the picture is still the one shown before.
    QCOMPARE(firstDifference(m_form->Picture1->image(), picture), QString());
    QVERIFY(!m_form->isClosed());
}

void Form1DropTest::windowTakesItsSizeFromThePicture_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QSize>("clientSize");

    // Picture1's outer size is the picture's plus 4; the window shows it
    // whole beside the canvas (W + 451) and under the panel (H + 100), and
    // is never smaller than at start.
    QTest::newRow("box 288 wide: start width") << QSize(284, 100) << QSize(739, 447);
    QTest::newRow("box 289 wide: one pixel wider") << QSize(285, 100) << QSize(740, 447);
    QTest::newRow("box 347 high: start height") << QSize(100, 343) << QSize(739, 447);
    QTest::newRow("box 348 high: one pixel higher") << QSize(100, 344) << QSize(739, 448);
    QTest::newRow("large both ways") << QSize(600, 500) << QSize(1055, 604);
    QTest::newRow("one pixel") << QSize(1, 1) << QSize(739, 447);
}

void Form1DropTest::windowTakesItsSizeFromThePicture()
{
    QFETCH(QSize, pictureSize);
    QFETCH(QSize, clientSize);

    // Made larger by hand first: the drop sets the size, it does not only grow it.
    m_form->resize(1300, 1000);
    const auto drag = fileDrag({writePicture(folder(), QStringLiteral("sized.png"),
                                             solidPicture(pictureSize, Qt::darkCyan))});

    m_form->Picture1_OLEDragDrop(drag.get());

    QVERIFY(m_watcher->boxes().isEmpty());
    QCOMPARE(m_form->Picture1->size(), pictureSize + QSize(4, 4));
    QCOMPARE(m_form->size(), clientSize);
    QCOMPARE(m_form->Picture2->geometry(), QRect(0, 0, 441, 441));
}

void Form1DropTest::smallPictureBringsTheWindowBackToItsStartSize()
{
    const auto big = fileDrag({writePicture(folder(), QStringLiteral("big.png"),
                                            solidPicture(QSize(900, 700), Qt::yellow))});
    const auto small = fileDrag({writePicture(folder(), QStringLiteral("small.png"),
                                              solidPicture(QSize(208, 183), Qt::magenta))});

    m_form->Picture1_OLEDragDrop(big.get());
    QCOMPARE(m_form->size(), QSize(904 + 451, 704 + 100));
    m_form->Picture1_OLEDragDrop(small.get());
    QCOMPARE(m_form->size(), QSize(739, 447));
    QCOMPARE(m_form->Picture1->size(), QSize(212, 187));
    // The same file again gives the same result.
    m_form->Picture1_OLEDragDrop(small.get());
    QCOMPARE(m_form->size(), QSize(739, 447));
    QVERIFY(m_watcher->boxes().isEmpty());
}

void Form1DropTest::transparentPixelsShowTheBackColour()
{
    QImage picture(QSize(40, 20), QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 20; x < 40; ++x)
            picture.setPixel(x, y, qRgba(0, 0, 255, 255));
    const auto drag = fileDrag({writePicture(folder(), QStringLiteral("alpha.png"), picture)});

    m_form->Picture1_OLEDragDrop(drag.get());

    const QColor back = m_form->Picture1->backColor();
    QCOMPARE(m_form->Picture1->point(5, 5), Color(back.red() + 256 * back.green() + 65536 * back.blue()));
    QCOMPARE(m_form->Picture1->point(30, 5), Color(0xFF0000)); // blue, in Color's byte order
}

void Form1DropTest::otherPlacesRefuseTheDrag_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QPoint>("offset"); // from the control's top-left corner
    QTest::addColumn<bool>("accepted");

    QTest::newRow("Picture1") << "Picture1" << QPoint(50, 50) << true;
    for (const char *control : {"Picture2", "Text1", "Text2", "Text3(0)", "Text3(5)", "Command1",
                                "Command2", "Command3", "Label1", "Label3"})
        QTest::newRow(control) << control << QPoint(5, 5) << false;
    QTest::newRow("Frame1, between its fields") << "Frame1" << QPoint(120, 45) << false;
    QTest::newRow("the window, under the source") << "" << QPoint(700, 420) << false;
    QTest::newRow("the window, beside the source") << "" << QPoint(690, 150) << false;
}

void Form1DropTest::otherPlacesRefuseTheDrag()
{
    QFETCH(QString, place);
    QFETCH(QPoint, offset);
    QFETCH(bool, accepted);

    QWidget *control = place.isEmpty() ? m_form.get() : m_form->findChild<QWidget *>(place);
    QVERIFY(control);
    const QPoint at = control->mapTo(m_form.get(), offset);
    QCOMPARE(m_form->childAt(at) ? m_form->childAt(at) : m_form.get(), control);
    const auto drag = fileDrag({writePicture(folder(), QStringLiteral("refused.png"),
                                             solidPicture(QSize(60, 50), Qt::red))});
    const Snapshot before = snapshot();

    QCOMPARE(dragEnterAccepted(*m_form, at, *drag), accepted);
    if (!accepted) {
        QVERIFY(!dragAndDrop(*m_form, at, *drag));
        verifyUnchangedSince(before);
        const auto *field = qobject_cast<QLineEdit *>(control);
        QVERIFY(!field || !field->text().contains(QLatin1String("refused")));
    }
    QVERIFY(m_watcher->boxes().isEmpty());
}

void Form1DropTest::dropDuringARunIsSampledFromThenOn()
{
    // Same size as the sample, pure blue: every cell sampled from it is blue.
    const QImage blue = solidPicture(QSize(208, 183), QColor(0, 0, 255));
    const auto drag = fileDrag({writePicture(folder(), QStringLiteral("blue.png"), blue)});
    const QImage sample = m_form->Picture1->image();
    bool shownAtOnce = false;
    ActionInYield dropInRun([this] { return cellDrawn(0, 0); },
                            [&] {
                                dragAndDrop(*m_form, centreOf(m_form->Picture1), *drag);
                                shownAtOnce = firstDifference(m_form->Picture1->image(), blue).isEmpty();
                            });

    QTest::mouseClick(m_form->Command2, Qt::LeftButton);

    QVERIFY(dropInRun.hasRun());
    QVERIFY(shownAtOnce);
    QVERIFY(m_watcher->boxes().isEmpty());
    const QImage canvas = m_form->Picture2->image();
    QCOMPARE(cellPixel(canvas, 0, 0), cellColorFor(sample.pixel(0, 0)) & RGB_MASK);
    for (int i = 0; i < 104; ++i)
        QCOMPARE(cellPixel(canvas, i, 91), QRgb(0x0000FF));
    QVERIFY(m_form->Text1->isEnabled());
}

void Form1DropTest::widerPictureDroppedDuringARun()
{
    const QImage wide = solidPicture(QSize(400, 300), QColor(0, 0, 255));
    const auto drag = fileDrag({writePicture(folder(), QStringLiteral("wide.png"), wide)});
    ActionInYield dropInRun([this] { return cellDrawn(0, 1); },
                            [&] { m_form->Picture1_OLEDragDrop(drag.get()); });

    QTest::mouseClick(m_form->Command2, Qt::LeftButton);

    QVERIFY(dropInRun.hasRun());
    QCOMPARE(m_form->Picture1->size(), QSize(404, 304));
    QCOMPARE(m_form->size(), QSize(855, 447));
    // Later rows span the new width: 400 / 99 gives a step of 4 and columns
    // at x = 0 to 400, the last beyond the picture's edge.
    const QImage canvas = m_form->Picture2->image();
    for (int i = 0; i < 100; ++i)
        QCOMPARE(cellPixel(canvas, i, 91), QRgb(0x0000FF));
    QCOMPARE(cellPixel(canvas, 100, 91), QRgb(0xFFFFFF));
    QVERIFY(m_form->Text1->isEnabled());
    QVERIFY(m_watcher->boxes().isEmpty());
}

QTEST_MAIN(Form1DropTest)
#include "form1drop_qtest.moc"
