#include "ui/errormessage.h"

#include "platform/messagebox.h"

namespace tessaly {

void showErrorMessage(QWidget *parent, const QString &prompt)
{
    showMessage(parent, prompt, QStringLiteral("错误"));
}

} // namespace tessaly
