#include "support/guiderunner.h"

#include "guide/guideprogram.h"

#include <QTextStream>

namespace tessaly::test {

GuideResult runGuide(const QStringList &arguments, std::function<bool()> interrupted)
{
    GuideResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    GuideProgram program(out, err, {.progressOnTerminal = false, .interrupted = std::move(interrupted)});
    result.status = program.run(QStringList{QStringLiteral("tessaly-guide")} + arguments);
    return result;
}

} // namespace tessaly::test
