// Feeds arbitrary bytes through the picture intake path as a dropped file:
// the bytes are written to a file and loaded with loadPicture, exactly as a
// drop loads the first dropped path. The first byte picks the file's suffix
// (see picturesuffixes.h), the rest is the file's content.
//
// Qt and its decoders are system libraries without coverage instrumentation,
// so libFuzzer sees little more than loadPicture's own branches. Each load's
// outcome (the format Qt recognises in the content, the suffix, the reason of
// a failure or the size class of a picture) is therefore also reported as a
// feature of its own, which keeps inputs that reach different decoders and
// different failures in the corpus.
//
// Whatever the bytes, the load either fails with a reason and a null image,
// or gives a Format_RGB32 picture of at most MaxPicturePixels pixels and no
// reason; it never crashes.

#include "picturesuffixes.h"
#include "platform/picturefile.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// The picture box's grey, so that composited transparency shows.
const QColor BackColor(212, 208, 200);

void require(bool holds, const char *rule, const tessaly::LoadedPicture &loaded)
{
    if (holds)
        return;
    std::fprintf(stderr,
                 "pictureintake_fuzzer: %s\n"
                 "  image: %d x %d, format %d, null %d\n  error: \"%s\"\n",
                 rule, loaded.image.width(), loaded.image.height(), int(loaded.image.format()),
                 int(loaded.image.isNull()), qPrintable(loaded.error));
    std::abort();
}

// Counters that libFuzzer treats like coverage; it clears them before each
// input.
__attribute__((used, section("__libfuzzer_extra_counters"))) std::uint8_t outcomeCounters[4096];

// Size class of a side: 0 for 1 pixel, then one class per power of two.
int sizeClass(int pixels)
{
    return std::bit_width(unsigned(pixels));
}

void markOutcome(const QString &path, std::string_view suffix, const tessaly::LoadedPicture &loaded)
{
    // Numbers in a reason (sizes, offsets) would make every input look new.
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    QString outcome = QString::fromLatin1(QImageReader::imageFormat(path)) + QLatin1Char('|')
        + QString::fromLatin1(suffix.data(), qsizetype(suffix.size())) + QLatin1Char('|');
    if (loaded.error.isEmpty()) {
        outcome += QStringLiteral("%1x%2")
                       .arg(sizeClass(loaded.image.width()))
                       .arg(sizeClass(loaded.image.height()));
    } else {
        outcome += QString(loaded.error).replace(digits, QStringLiteral("#"));
    }
    ++outcomeCounters[qHash(outcome) % sizeof outcomeCounters];
}

// Qt's image readers warn about every damaged file; at thousands of files a
// second that is only noise. Fatal messages still end the process.
void dropRoutineMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Where the input files are written; removed when the process ends normally.
const QTemporaryDir &inputFolder()
{
    static const QTemporaryDir folder;
    return folder;
}

std::string_view suffixOf(const std::uint8_t *data, std::size_t size)
{
    return tessaly::fuzz::suffixForSelector(size > 0 ? data[0] : 0);
}

QString writeInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view suffix = suffixOf(data, size);
    QString name = QStringLiteral("dropped");
    if (!suffix.empty())
        name += QLatin1Char('.') + QString::fromLatin1(suffix.data(), qsizetype(suffix.size()));
    const QString path = QDir(inputFolder().path()).filePath(name);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "pictureintake_fuzzer: cannot write %s\n", qPrintable(path));
        std::abort();
    }
    if (size > 1)
        file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropRoutineMessages);
    // The application lives as long as the process: libFuzzer ends it with
    // exit(), and tearing Qt down during static destruction is no part of
    // what is fuzzed here.
    static QGuiApplication *const application = new QGuiApplication(*argc, *argv);
    (void)application;
    if (!inputFolder().isValid()) {
        std::fprintf(stderr, "pictureintake_fuzzer: no temporary folder\n");
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = writeInput(data, size);
    const tessaly::LoadedPicture loaded = tessaly::loadPicture(path, BackColor);
    markOutcome(path, suffixOf(data, size), loaded);

    if (!loaded.error.isEmpty()) {
        require(loaded.image.isNull(), "a failed load returned an image", loaded);
        return 0;
    }
    require(!loaded.image.isNull(), "a load without an error returned no image", loaded);
    require(loaded.image.format() == QImage::Format_RGB32, "the image is not Format_RGB32", loaded);
    require(qint64(loaded.image.width()) * loaded.image.height() <= tessaly::MaxPicturePixels,
            "the image has more than MaxPicturePixels pixels", loaded);
    return 0;
}
