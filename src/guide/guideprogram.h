#pragma once

#include "guide/guideoptions.h"

#include <QStringList>

#include <functional>

class QTextStream;

namespace tessaly {

struct BuildGuide;

// The work of tessaly-guide: reads the command line, makes the mosaic and
// writes what was asked for. Messages go to err, the summary and --help to
// out. Files are written under temporary names beside them and renamed
// when complete, so a failure or an interruption leaves no partial file.
class GuideProgram
{
public:
    // Exit statuses.
    static constexpr int Success = 0;
    static constexpr int UsageError = 1;
    static constexpr int Failure = 2;
    static constexpr int Interrupted = 130;

    struct Environment
    {
        bool progressOnTerminal = false; // err is a terminal: show a progress bar
        std::function<bool()> interrupted; // the user asked to stop (Ctrl+C)
    };

    GuideProgram(QTextStream &out, QTextStream &err, Environment environment);

    // Runs one command (arguments with the program name first); returns its
    // exit status.
    int run(const QStringList &arguments);

private:
    int runGuide(const GuideOptions &options);
    int runFace(const GuideOptions &options);
    int fail(const QString &message, int status = Failure);
    int failWriting(const QString &path, const QString &reason);
    int failInterrupted();
    bool interrupted() const;

    QTextStream &m_out;
    QTextStream &m_err;
    Environment m_environment;
};

} // namespace tessaly
