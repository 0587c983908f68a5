// The likeness score on the cases of its Python reference implementation:
// small pictures, a sticker grid for each, and the scores it computes.

#include "pattern/arearesample.h"
#include "pattern/likeness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>

using namespace tessaly::pattern;

namespace {

// The picture as the reference reads it: alpha over white in sRGB values,
// then rounded to bytes, as the pattern's intake stores it.
SrgbPicture srgbPictureOf(const QImage &image)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    SrgbPicture picture{rgba.width(), rgba.height(), {}};
    picture.rgb.reserve(std::size_t(picture.width) * std::size_t(picture.height) * 3);
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar *pixel = rgba.constScanLine(y);
        for (int x = 0; x < rgba.width(); ++x, pixel += 4) {
            const double alpha = pixel[3] / 255.0;
            for (int channel = 0; channel < 3; ++channel)
                picture.rgb.push_back(std::uint8_t(std::lround(pixel[channel] * alpha + 255.0 * (1.0 - alpha))));
        }
    }
    return picture;
}

// One line of letters a row, top row first.
StickerGrid stickersOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    StickerGrid stickers(int(lines.first().size()), int(lines.size()));
    for (int y = 0; y < stickers.height(); ++y) {
        for (int x = 0; x < stickers.width(); ++x)
            stickers.at(x, y) = stickerFromLetter(lines[y].at(x)).value();
    }
    return stickers;
}

// The sticker colours the reference scores with when given no palette.
StickerPalette referenceColours()
{
    StickerPalette palette;
    palette.colours = {{Sticker::White, {0xFF, 0xFF, 0xFF}, "white"}, {Sticker::Yellow, {0xFF, 0xD5, 0x00}, "yellow"},
                       {Sticker::Red, {0xB7, 0x12, 0x34}, "red"},     {Sticker::Orange, {0xFF, 0x58, 0x00}, "orange"},
                       {Sticker::Blue, {0x00, 0x46, 0xAD}, "blue"},   {Sticker::Green, {0x00, 0x9B, 0x48}, "green"}};
    return palette;
}

double relativeError(double got, double expected)
{
    return std::abs(got - expected) / std::abs(expected);
}

} // namespace

class LikenessCasesTest : public QObject
{
    Q_OBJECT

private slots:
    void matchesReference_data();
    void matchesReference();
};

void LikenessCasesTest::matchesReference_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<double>("sde");
    QTest::addColumn<double>("de");
    QTest::addColumn<double>("ssim");

    const QString expectedPath = QFINDTESTDATA("data/likeness/expected.json");
    QFile expected(expectedPath);
    QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(expectedPath));
    const QDir folder = QFileInfo(expectedPath).dir();
    const QJsonArray cases = QJsonDocument::fromJson(expected.readAll()).array();
    QVERIFY(!cases.isEmpty());
    for (const QJsonValue &value : cases) {
        const QJsonObject scores = value.toObject();
        const QString picture = scores[QStringLiteral("picture")].toString();
        QTest::newRow(qPrintable(picture)) << folder.filePath(picture)
                                           << folder.filePath(scores[QStringLiteral("grid")].toString())
                                           << scores[QStringLiteral("sde")].toDouble()
                                           << scores[QStringLiteral("de")].toDouble()
                                           << scores[QStringLiteral("ssim")].toDouble();
    }
}

void LikenessCasesTest::matchesReference()
{
    QFETCH(QString, picture);
    QFETCH(QString, grid);
    QFETCH(double, sde);
    QFETCH(double, de);
    QFETCH(double, ssim);

    const QImage image(picture);
    QVERIFY2(!image.isNull(), qPrintable(picture));
    const StickerGrid stickers = stickersOf(grid);
    QVERIFY2(!stickers.isEmpty(), qPrintable(grid));

    const SrgbPicture source = srgbPictureOf(image);
    const SourceRegion whole{0, 0, double(source.width), double(source.height)};
    const LinearGrid target = areaAverage(source, whole, stickers.width(), stickers.height());
    const Likeness got = likeness(target, stickers, referenceColours());
    qInfo("relative errors: sde %.2g, de %.2g, ssim %.2g", relativeError(got.sde, sde), relativeError(got.de, de),
          relativeError(got.ssim, ssim));

    // The reference composites a translucent picture over white without
    // rounding to bytes; that rounding alone moves a score by up to 0.2 %.
    const double tolerance = image.hasAlphaChannel() ? 5e-3 : 1e-4;
    QVERIFY(relativeError(got.sde, sde) <= tolerance);
    QVERIFY(relativeError(got.de, de) <= tolerance);
    QVERIFY(relativeError(got.ssim, ssim) <= tolerance);
}

QTEST_GUILESS_MAIN(LikenessCasesTest)
#include "likenesscases_qtest.moc"
