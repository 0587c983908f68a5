// The installed program as a user meets it: exit statuses of a real
// process, no progress bar when standard error is not a terminal, no
// warning of Qt's about a runtime folder, and Ctrl+C in the middle of a
// long guide leaving no file behind.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QString Program = QStringLiteral(TESSALY_GUIDE_PROGRAM);

} // namespace

class GuideProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void exitStatus_data();
    void exitStatus();
    void ctrlCLeavesNoFile();
};

void GuideProcessTest::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("version") << QStringList{"--version"} << 0;
    QTest::newRow("summary") << QStringList{"-q"} << 0;
    QTest::newRow("bad option") << QStringList{"--nonsense"} << 1;
    QTest::newRow("refused counts") << QStringList{"-c", "1000"} << 2;
}

void GuideProcessTest::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QProcess guide;
    // As in a root shell or a container: no runtime folder, about which Qt
    // would warn.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    guide.setProcessEnvironment(environment);
    guide.start(Program, arguments);
    QVERIFY(guide.waitForFinished(60000));
    QCOMPARE(guide.exitStatus(), QProcess::NormalExit);
    QCOMPARE(guide.exitCode(), status);
    const QByteArray errors = guide.readAllStandardError();
    QVERIFY(!errors.contains('\r'));
    QVERIFY2(!errors.contains("QStandardPaths"), errors.constData());
}

void GuideProcessTest::ctrlCLeavesNoFile()
{
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("wide.png"));
    QImage wide(1800, 900, QImage::Format_RGB32);
    for (int y = 0; y < wide.height(); ++y)
        for (int x = 0; x < wide.width(); ++x)
            wide.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, ((x ^ y) * 3) % 256));
    QVERIFY(wide.save(picture));

    // Thousands of pages: the guide is still being written when Ctrl+C comes.
    QProcess guide;
    guide.start(Program, {QStringLiteral("-c"), QStringLiteral("1800"), QStringLiteral("-r"), QStringLiteral("900"),
                          QStringLiteral("--csv"), folder.filePath(QStringLiteral("wall.csv")),
                          QStringLiteral("--pdf"), folder.filePath(QStringLiteral("wall.pdf")), picture});
    QVERIFY(guide.waitForStarted());
    // Its outputs are open from the start (as unnamed files where the system
    // has them); let the work get well under way.
    QTest::qWait(3000);
    QCOMPARE(guide.state(), QProcess::Running);
    ::kill(pid_t(guide.processId()), SIGINT);
    QVERIFY(guide.waitForFinished(30000));
    QCOMPARE(guide.exitCode(), 130);
    QVERIFY(guide.readAllStandardError().contains("interrupted"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("wide.png")});
}

QTEST_MAIN(GuideProcessTest)
#include "guideprocess_qtest.moc"
