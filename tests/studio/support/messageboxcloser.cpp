#include "support/messageboxcloser.h"

#include <QApplication>
#include <QMessageBox>

namespace tessaly::test {

MessageBoxCloser::MessageBoxCloser()
{
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            m_told = box->text();
            box->accept();
        }
    });
    m_timer.start(20);
}

} // namespace tessaly::test
