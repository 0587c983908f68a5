#include "platform/messagebox.h"

#include <QMessageBox>

namespace tessaly {

void showMessage(QWidget *parent, const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace tessaly
