#include "ui/support/modalwatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace tessaly::test {

ModalWatcher::ModalWatcher()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::dismissActiveModal);
    m_timer.start();
}

void ModalWatcher::dismissActiveModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (!box) {
        m_boxes.append({modal->windowTitle(), QString(), 0});
        modal->close();
        return;
    }
    m_boxes.append({box->windowTitle(), box->text(), int(box->buttons().size())});
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->reject();
}

} // namespace tessaly::test
