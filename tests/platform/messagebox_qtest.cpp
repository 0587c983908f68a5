#include "platform/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

class MessageBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void showsPromptAndTitleWithOneOkButton_data();
    void showsPromptAndTitleWithOneOkButton();
    void isModalToItsParentWindow();
};

namespace {

// What the box looked like while it was shown.
struct SeenBox
{
    bool found = false;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    int buttonCount = 0;
    QMessageBox::Icon icon = QMessageBox::Information;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget *parentWindow = nullptr;
};

// Waits, from inside the box's own event loop, for the modal box, records
// it and clicks OK. Gives up after a few seconds and closes whatever is
// modal, so a missing box fails the test rather than hanging it.
void inspectAndDismissModalBox(SeenBox &seen)
{
    auto *poll = new QTimer;
    auto attempts = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, attempts, &seen] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box && box->isVisible()) {
            seen.found = true;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.buttons = box->standardButtons();
            seen.buttonCount = int(box->buttons().size());
            seen.icon = box->icon();
            seen.modality = box->windowModality();
            seen.parentWindow = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        } else if (++*attempts < 500) {
            return;
        } else if (modal) {
            modal->close();
        }
        poll->deleteLater();
    });
    poll->start(10);
}

} // namespace

void MessageBoxTest::showsPromptAndTitleWithOneOkButton_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");

    QTest::newRow("size refused") << "宽高数值超过图片大小" << "错误";
    QTest::newRow("bad picture") << "不支持的图片格式" << "错误";
    QTest::newRow("latin") << "Something went wrong" << "Notice";
}

void MessageBoxTest::showsPromptAndTitleWithOneOkButton()
{
    QFETCH(QString, prompt);
    QFETCH(QString, title);

    SeenBox seen;
    inspectAndDismissModalBox(seen);
    tessaly::showMessage(nullptr, prompt, title);

    QVERIFY(seen.found);
    QCOMPARE(seen.text, prompt);
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.buttonCount, 1);
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QVERIFY(seen.modality != Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
}

void MessageBoxTest::isModalToItsParentWindow()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    SeenBox seen;
    inspectAndDismissModalBox(seen);
    tessaly::showMessage(&window, "宽高数值超过图片大小", "错误");

    QVERIFY(seen.found);
    QCOMPARE(seen.parentWindow, &window);
    QVERIFY(seen.modality != Qt::NonModal);
}

QTEST_MAIN(MessageBoxTest)
#include "messagebox_qtest.moc"
