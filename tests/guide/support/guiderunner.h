#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tessaly::test {

// One tessaly-guide command run in this process, as the program runs it.
struct GuideResult
{
    int status = -1;
    QString out;
    QString err;
};

GuideResult runGuide(const QStringList &arguments, std::function<bool()> interrupted = {});

} // namespace tessaly::test
