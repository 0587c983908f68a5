// Exit and close requests: the window closes, never refused, also in the
// middle of a run, which then ends without touching it; the event loop of
// the program ends with status 0.

#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "ui/form1.h"
#include "ui/support/formtestfixture.h"
#include "ui/support/modalwatcher.h"
#include "ui/support/windowtesting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace tessaly;
using namespace tessaly::test;

namespace {

enum class CloseBy { ExitButton, WindowSystem, CloseCall };

void requestClose(Form1 &form, CloseBy how)
{
    switch (how) {
    case CloseBy::ExitButton:
        QTest::mouseClick(form.Command3, Qt::LeftButton);
        break;
    case CloseBy::WindowSystem:
        form.windowHandle()->close();
        break;
    case CloseBy::CloseCall:
        form.close();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(CloseBy)

class Form1CloseTest : public FormTestFixture
{
    Q_OBJECT

private slots:
    void closeIsNeverRefused_data();
    void closeIsNeverRefused();
    void closeDuringARunEndsItWithoutTouchingTheWindow_data();
    void closeDuringARunEndsItWithoutTouchingTheWindow();
    void closeDuringARunEndsTheEventLoopWithStatusZero_data();
    void closeDuringARunEndsTheEventLoopWithStatusZero();

private:
    static void addCloseRows();
};

void Form1CloseTest::addCloseRows()
{
    QTest::addColumn<CloseBy>("how");
    QTest::newRow("Exit") << CloseBy::ExitButton;
    QTest::newRow("close box") << CloseBy::WindowSystem;
    QTest::newRow("close()") << CloseBy::CloseCall;
}

void Form1CloseTest::closeIsNeverRefused_data()
{
    addCloseRows();
}

void Form1CloseTest::closeIsNeverRefused()
{
    QFETCH(CloseBy, how);
    QVERIFY(!m_form->isClosed());

    requestClose(*m_form, how);

    QVERIFY(m_form->isClosed());
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_watcher->boxes().isEmpty());
    // A close request that arrives once more is accepted as well.
    QCloseEvent again;
    again.ignore();
    QCoreApplication::sendEvent(m_form.get(), &again);
    QVERIFY(again.isAccepted());
}

void Form1CloseTest::closeDuringARunEndsItWithoutTouchingTheWindow_data()
{
    addCloseRows();
}

void Form1CloseTest::closeDuringARunEndsItWithoutTouchingTheWindow()
{
    QFETCH(CloseBy, how);
    QImage canvasAtClose;
    ActionInYield closeInRun([this] { return cellDrawn(0, 0); },
                             [&] {
                                 requestClose(*m_form, how);
                                 canvasAtClose = m_form->Picture2->image();
                             });

    QTest::mouseClick(m_form->Command2, Qt::LeftButton);

    QVERIFY(closeInRun.hasRun());
    QVERIFY(m_form->isClosed());
    QVERIFY(!m_form->isVisible());
    // The run drew nothing more and left the count fields as they were.
    QCOMPARE(m_form->Picture2->image(), canvasAtClose);
    QVERIFY(!m_form->Text1->isEnabled());
    QVERIFY(!m_form->Text2->isEnabled());
    QVERIFY(m_watcher->boxes().isEmpty());
}

void Form1CloseTest::closeDuringARunEndsTheEventLoopWithStatusZero_data()
{
    addCloseRows();
}

// As main() runs the program: the run is started from the event loop, the
// window closed inside one of its yields; the loop must then end by itself.
void Form1CloseTest::closeDuringARunEndsTheEventLoopWithStatusZero()
{
    QFETCH(CloseBy, how);
    QVERIFY(QApplication::quitOnLastWindowClosed());
    ActionInYield closeInRun([this] { return cellDrawn(0, 0); },
                             [&] { requestClose(*m_form, how); });
    QTimer::singleShot(0, m_form->Command2, [this] { m_form->Command2->click(); });
    // Should the loop not end, this ends it with a status the test refuses.
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, qApp, [] { QCoreApplication::exit(3); });
    stuck.start(60000);

    const int status = QApplication::exec();

    QCOMPARE(status, 0);
    QVERIFY(closeInRun.hasRun());
    QVERIFY(m_form->isClosed());
}

QTEST_MAIN(Form1CloseTest)
#include "form1close_qtest.moc"
