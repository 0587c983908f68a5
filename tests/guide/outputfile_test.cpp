// How the guide writes its files: a regular file replaced only when whole,
// a pipe written into and left a pipe, and paths compared as the files they
// name.

#include "guide/outputfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>

namespace tessaly {
namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

TEST(OutputFileTest, ReplacesARegularFileOnlyOnCommit)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("guide.csv"));
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    OutputFile output(path);
    ASSERT_TRUE(output.open());
    output.device().write("new");
    EXPECT_EQ(contentsOf(path), "earlier");
    ASSERT_TRUE(output.commit());
    EXPECT_EQ(contentsOf(path), "new");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("guide.csv")});
}

TEST(OutputFileTest, WritesIntoAPipeAndLeavesItAPipe)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // The reading end, opened first without waiting, lets the writer open
    // the pipe at once; a writer that never writes into it leaves it empty.
    const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);

    OutputFile output(path);
    ASSERT_TRUE(output.open());
    output.device().write("column,row\n");
    ASSERT_TRUE(output.commit());
    std::array<char, 64> received{};
    const ssize_t count = ::read(reader, received.data(), received.size());
    ::close(reader);
    EXPECT_EQ(QByteArray(received.data(), int(std::max<ssize_t>(count, 0))), "column,row\n");

    struct stat status{};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST(FileIdentityTest, NamesOneFileOneWay)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const QString file = folder.filePath(QStringLiteral("a.png"));
    {
        QFile made(file);
        ASSERT_TRUE(made.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(file, folder.filePath(QStringLiteral("link.png"))));

    // An existing file, by itself, through "." and "..", and through a link.
    EXPECT_EQ(fileIdentity(folder.filePath(QStringLiteral("./a.png"))), fileIdentity(file));
    EXPECT_EQ(fileIdentity(folder.filePath(QStringLiteral("sub/../a.png"))), fileIdentity(file));
    EXPECT_EQ(fileIdentity(folder.filePath(QStringLiteral("link.png"))), fileIdentity(file));
    // A link to a file still to be made, and a link that goes round.
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("later.csv")), folder.filePath(QStringLiteral("soon.csv"))));
    EXPECT_EQ(fileIdentity(folder.filePath(QStringLiteral("soon.csv"))),
              fileIdentity(folder.filePath(QStringLiteral("later.csv"))));
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("round.csv")), folder.filePath(QStringLiteral("round.csv"))));
    EXPECT_FALSE(fileIdentity(folder.filePath(QStringLiteral("round.csv"))).isEmpty());
    // A file still to be made.
    EXPECT_EQ(fileIdentity(folder.filePath(QStringLiteral("sub/../new.csv"))),
              fileIdentity(folder.filePath(QStringLiteral("new.csv"))));
    EXPECT_NE(fileIdentity(folder.filePath(QStringLiteral("sub/new.csv"))),
              fileIdentity(folder.filePath(QStringLiteral("new.csv"))));
    // Relative to the working folder.
    EXPECT_EQ(fileIdentity(QStringLiteral("new.csv")), fileIdentity(QDir::current().filePath(QStringLiteral("new.csv"))));
}

} // namespace
} // namespace tessaly
