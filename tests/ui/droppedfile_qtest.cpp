// Which path a drop hands to the loader: the first local file, in the drag
// source's order; none for text or links elsewhere.

#include "ui/droppedfile.h"

#include <QMimeData>
#include <QTest>
#include <QUrl>

using tessaly::firstDroppedFile;

class DroppedFileTest : public QObject
{
    Q_OBJECT

private slots:
    void firstLocalFileIsTaken_data();
    void firstLocalFileIsTaken();
};

void DroppedFileTest::firstLocalFileIsTaken_data()
{
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // empty: no file

    QTest::newRow("one file") << QStringList{"file:///pictures/a.png"} << "" << "/pictures/a.png";
    QTest::newRow("three files, first taken")
        << QStringList{"file:///p/c.png", "file:///p/a.png", "file:///p/b.png"} << "" << "/p/c.png";
    QTest::newRow("non-ASCII and blanks")
        << QStringList{"file:///tmp/%E5%9B%BE%20%E7%89%87.png"} << "" << QStringLiteral("/tmp/图 片.png");
    QTest::newRow("web link before a file")
        << QStringList{"https://example.org/x.png", "file:///p/d.png"} << "" << "/p/d.png";
    QTest::newRow("web link only") << QStringList{"https://example.org/x.png"} << "" << "";
    QTest::newRow("text only") << QStringList{} << "/p/a.png" << "";
    QTest::newRow("nothing") << QStringList{} << "" << "";
}

void DroppedFileTest::firstLocalFileIsTaken()
{
    QFETCH(QStringList, urls);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QMimeData data;
    QList<QUrl> list;
    for (const QString &url : urls)
        list.append(QUrl(url));
    if (!list.isEmpty())
        data.setUrls(list);
    if (!text.isEmpty())
        data.setText(text);

    const std::optional<QString> path = firstDroppedFile(data);
    QCOMPARE(path.has_value(), !expected.isEmpty());
    if (path)
        QCOMPARE(*path, expected);
}

QTEST_GUILESS_MAIN(DroppedFileTest)
#include "droppedfile_qtest.moc"
