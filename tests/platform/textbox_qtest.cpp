#include "platform/textbox.h"

#include <QTest>

using tessaly::TextBox;

class TextBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void numberOfTheStartText_data();
    void numberOfTheStartText();
    void numberFollowsSetText_data();
    void numberFollowsSetText();
    void numberFollowsTyping();
    void numberFollowsClear();
};

void TextBoxTest::numberOfTheStartText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");

    QTest::newRow("count") << "99" << 99.0;
    QTest::newRow("tolerance") << "220" << 220.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("not a number") << "宽高" << 0.0;
    QTest::newRow("blanks dropped") << " 1 2 " << 12.0;
    QTest::newRow("hexadecimal") << "&HFF" << 255.0;
    QTest::newRow("leading part") << "-12.5e1abc" << -125.0;
}

void TextBoxTest::numberOfTheStartText()
{
    QFETCH(QString, text);
    QFETCH(double, number);

    const TextBox box(text);
    QCOMPARE(box.text(), text);
    QCOMPARE(box.number(), number);
}

void TextBoxTest::numberFollowsSetText_data()
{
    numberOfTheStartText_data();
}

void TextBoxTest::numberFollowsSetText()
{
    QFETCH(QString, text);
    QFETCH(double, number);

    TextBox box("7");
    box.setText(text);
    QCOMPARE(box.number(), number);
}

void TextBoxTest::numberFollowsTyping()
{
    TextBox box("1");
    box.show();
    box.setFocus();
    box.end(false);
    QTest::keyClicks(&box, "04");
    QCOMPARE(box.number(), 104.0);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.number(), 10.0);
}

void TextBoxTest::numberFollowsClear()
{
    TextBox box("42");
    box.clear();
    QCOMPARE(box.number(), 0.0);
}

QTEST_MAIN(TextBoxTest)
#include "textbox_qtest.moc"
