// The guide's --bmp gives the very bytes of the window's Save after a
// Generate with the same picture and field texts.

#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "support/guiderunner.h"
#include "platform/applicationlook.h"
#include "ui/form1.h"

#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace tessaly;
using namespace tessaly::test;

namespace {

// A picture with something of every cube colour, greys and a soft gradient,
// so classification and frames are exercised everywhere.
QImage testPicture(int width, int height, bool transparent)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int hue = (x * 360 / width + y * 90 / height) % 360;
            const int alpha = transparent && (x + y) % 7 == 0 ? 0 : 255;
            picture.setPixelColor(x, y, QColor::fromHsv(hue, 255 - (y * 255 / height) / 2, 255, alpha));
        }
    }
    return picture;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class GuideBmpTest : public QObject
{
    Q_OBJECT

private slots:
    void matchesWindowSave_data();
    void matchesWindowSave();
};

void GuideBmpTest::matchesWindowSave_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("rows");

    // An empty format: the built-in sample picture, as the window starts.
    QTest::newRow("sample, divisor 1") << QString() << QSize() << "99" << "99";
    QTest::newRow("sample, divisor 2") << QString() << QSize() << "104" << "92";
    QTest::newRow("sample, divisor 3") << QString() << QSize() << "208" << "183";
    QTest::newRow("png with alpha, divisor 1") << "png" << QSize(120, 90) << "40" << "30";
    QTest::newRow("jpeg, divisor 2") << "jpg" << QSize(300, 200) << "150" << "60";
    QTest::newRow("bmp wide, divisor 4") << "bmp" << QSize(1000, 40) << "350" << "20";
    QTest::newRow("tiff tall, divisor 1") << "tiff" << QSize(30, 400) << "10" << "99";
    QTest::newRow("tiny ppm") << "ppm" << QSize(3, 2) << "3" << "2";
}

void GuideBmpTest::matchesWindowSave()
{
    QFETCH(QString, format);
    QFETCH(QSize, size);
    QFETCH(QString, columns);
    QFETCH(QString, rows);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QString picturePath;
    if (!format.isEmpty()) {
        picturePath = folder.filePath(QStringLiteral("picture.") + format);
        QVERIFY(testPicture(size.width(), size.height(), format == QLatin1String("png")).save(picturePath));
    }

    Form1 window;
    window.setSaveFolder(folder.path());
    if (!picturePath.isEmpty()) {
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(picturePath)});
        window.Picture1_OLEDragDrop(&dropped);
    }
    window.Text1->setText(columns);
    window.Text2->setText(rows);
    window.Command2_Click();
    window.Command1_Click();
    const QByteArray saved = fileBytes(folder.filePath(QStringLiteral("m.BMP")));
    QVERIFY(!saved.isEmpty());

    const QString guideBmp = folder.filePath(QStringLiteral("guide.bmp"));
    QStringList arguments{QStringLiteral("--bmp"), guideBmp, QStringLiteral("-c"), columns, QStringLiteral("-r"), rows};
    if (!picturePath.isEmpty())
        arguments << picturePath;
    const GuideResult result = runGuide(arguments);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    QVERIFY(fileBytes(guideBmp) == saved);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyApplicationLook(app);
    GuideBmpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "guidebmp_qtest.moc"
