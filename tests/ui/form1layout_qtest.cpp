// The window as it starts: its controls, their places, texts, colours and
// tab order, and what keys and resizing leave alone.

#include "engine/palette.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "tessalyresources.h"
#include "platform/applicationlook.h"
#include "ui/form1.h"
#include "ui/support/formtestfixture.h"
#include "ui/support/modalwatcher.h"
#include "ui/support/mosaicmodel.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

using namespace tessaly;
using namespace tessaly::test;

class Form1LayoutTest : public FormTestFixture
{
    Q_OBJECT

private slots:
    void windowStartsWithCaptionSizeAndIcon();
    void controlStandsInPlace_data();
    void controlStandsInPlace();
    void membersAreTheNamedControls();
    void toleranceFieldShowsItsColour_data();
    void toleranceFieldShowsItsColour();
    void countFieldsAreLeftAligned();
    void countHeadingsStandOverTheirFields();
    void canvasIsBlankInControlFaceColour();
    void sourceShowsTheSamplePicture();
    void captionsFitTheirControlsInTheChineseFont();
    void loadFillsThePaletteAndLeavesTheScaleDivisor();
    void onlyFieldsAndButtonsTakeFocus();
    void tabLeadsThroughFieldsAndButtons();
    void shiftTabLeadsBackwards();
    void keyStartsNothing_data();
    void keyStartsNothing();
    void resizingLeavesControlsInPlace();

private:
    QList<QWidget *> allControls() const;
};

QList<QWidget *> Form1LayoutTest::allControls() const
{
    return m_form->findChildren<QWidget *>(QString(), Qt::FindChildrenRecursively);
}

void Form1LayoutTest::windowStartsWithCaptionSizeAndIcon()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Tessaly V0.2"));
    QCOMPARE(m_form->size(), QSize(739, 447));
    QVERIFY(m_form->isWindow());
    const QPixmap icon = m_form->windowIcon().pixmap(16, 16);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.toImage().convertToFormat(QImage::Format_ARGB32),
             QImage(QString::fromLatin1(Resources::Icon)).convertToFormat(QImage::Format_ARGB32));
}

void Form1LayoutTest::controlStandsInPlace_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    const QString window;
    const QString frame = QStringLiteral("Frame1");
    QTest::newRow("Picture2") << window << "tessaly::PictureBox" << QRect(0, 0, 441, 441) << "";
    QTest::newRow("Frame1") << window << "QGroupBox" << QRect(444, 0, 293, 93) << "";
    QTest::newRow("Picture1") << window << "tessaly::PictureBox" << QRect(444, 96, 212, 187) << "";
    QTest::newRow("Label1") << frame << "QLabel" << QRect(8, 16, 105, 13)
                            << QStringLiteral("宽       高");
    QTest::newRow("Text1") << frame << "tessaly::TextBox" << QRect(8, 32, 49, 21) << "99";
    QTest::newRow("Text2") << frame << "tessaly::TextBox" << QRect(60, 32, 53, 21) << "99";
    QTest::newRow("Label2") << frame << "QLabel" << QRect(132, 20, 37, 33) << QStringLiteral("阙值");
    QTest::newRow("Text3(3)") << frame << "tessaly::TextBox" << QRect(160, 16, 41, 21) << "220";
    QTest::newRow("Text3(4)") << frame << "tessaly::TextBox" << QRect(200, 16, 41, 21) << "260";
    QTest::newRow("Text3(2)") << frame << "tessaly::TextBox" << QRect(240, 16, 41, 21) << "220";
    QTest::newRow("Text3(0)") << frame << "tessaly::TextBox" << QRect(160, 36, 41, 21) << "111";
    QTest::newRow("Text3(1)") << frame << "tessaly::TextBox" << QRect(200, 36, 41, 21) << "190";
    QTest::newRow("Text3(5)") << frame << "tessaly::TextBox" << QRect(240, 36, 41, 21) << "250";
    QTest::newRow("Command2") << frame << "QPushButton" << QRect(8, 64, 49, 21)
                              << QStringLiteral("生成");
    QTest::newRow("Command1") << frame << "QPushButton" << QRect(60, 64, 53, 21)
                              << QStringLiteral("保存");
    QTest::newRow("Command3") << frame << "QPushButton" << QRect(120, 64, 49, 21)
                              << QStringLiteral("退出");
    QTest::newRow("Label3") << frame << "QLabel" << QRect(208, 68, 73, 17) << "*";
}

void Form1LayoutTest::controlStandsInPlace()
{
    QFETCH(QString, container);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const auto *control = m_form->findChild<QWidget *>(name);
    QVERIFY(control);
    QVERIFY(control->inherits(kind.toLatin1()));
    QCOMPARE(control->parentWidget(), container.isEmpty() ? m_form.get()
                                                          : m_form->findChild<QWidget *>(container));
    QCOMPARE(control->geometry(), geometry);
    QVERIFY(control->isVisible());

    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        if (text == QLatin1String("*")) // the credit: any one line of text
            QVERIFY(!label->text().isEmpty() && !label->text().contains(QLatin1Char('\n')));
        else
            QCOMPARE(label->text(), text);
    } else if (const auto *field = qobject_cast<const QLineEdit *>(control)) {
        QCOMPARE(field->text(), text);
        QVERIFY(field->isEnabled());
    } else if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        QCOMPARE(button->text(), text);
        QVERIFY(!button->autoDefault());
        QVERIFY(!button->isDefault());
    } else if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
        QVERIFY(frame->title().isEmpty());
    }
}

void Form1LayoutTest::membersAreTheNamedControls()
{
    const std::pair<QWidget *, const char *> members[] = {
        {m_form->Picture1, "Picture1"}, {m_form->Picture2, "Picture2"},
        {m_form->Frame1, "Frame1"},     {m_form->Label1, "Label1"},
        {m_form->Label2, "Label2"},     {m_form->Label3, "Label3"},
        {m_form->Text1, "Text1"},       {m_form->Text2, "Text2"},
        {m_form->Command1, "Command1"}, {m_form->Command2, "Command2"},
        {m_form->Command3, "Command3"},
    };
    for (const auto &[member, name] : members)
        QCOMPARE(member->objectName(), QString::fromLatin1(name));
    for (std::size_t index = 0; index < m_form->Text3.size(); ++index)
        QCOMPARE(m_form->Text3[index]->objectName(), QStringLiteral("Text3(%1)").arg(index));
    QCOMPARE(m_form->Command2->text(), QStringLiteral("生成"));
    QCOMPARE(m_form->Command1->text(), QStringLiteral("保存"));
    QCOMPARE(m_form->Command3->text(), QStringLiteral("退出"));
}

void Form1LayoutTest::toleranceFieldShowsItsColour_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("backColor"); // invalid: the plain text-box background

    QTest::newRow("0 orange") << 0 << QColor(255, 128, 0);
    QTest::newRow("1 yellow") << 1 << QColor(255, 255, 0);
    QTest::newRow("2 red") << 2 << QColor(255, 0, 0);
    QTest::newRow("3 green") << 3 << QColor(0, 255, 0);
    QTest::newRow("4 blue") << 4 << QColor(0, 0, 255);
    QTest::newRow("5 white, plain") << 5 << QColor();
}

void Form1LayoutTest::toleranceFieldShowsItsColour()
{
    QFETCH(int, index);
    QFETCH(QColor, backColor);

    TextBox *field = m_form->Text3.at(std::size_t(index));
    const QColor plain = QApplication::palette(field).color(QPalette::Base);
    const QColor expected = backColor.isValid() ? backColor : plain;
    QCOMPARE(field->palette().color(QPalette::Base), expected);
    QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // On screen: the field's left margin, clear of frame and digits.
    const QImage shown = field->grab().toImage();
    QCOMPARE(QColor(shown.pixel(4, shown.height() / 2)), expected);

    // The digits stand out from the field's colour.
    const int textGray = qGray(field->palette().color(QPalette::Text).rgb());
    QVERIFY2(std::abs(textGray - qGray(expected.rgb())) >= 80, qPrintable(QString::number(textGray)));
}

void Form1LayoutTest::countHeadingsStandOverTheirFields()
{
    // 宽 starts over Text1; the blanks carry 高 to where Text2 starts.
    const QString caption = m_form->Label1->text();
    QCOMPARE(caption, QStringLiteral("宽       高"));
    const QFontMetricsF metrics(m_form->Label1->font());
    const qreal secondAt = m_form->Label1->x() + metrics.horizontalAdvance(caption.left(8));
    QVERIFY2(std::abs(secondAt - m_form->Text2->x()) <= 1.0, qPrintable(QString::number(secondAt)));
    QVERIFY(metrics.horizontalAdvance(caption) <= m_form->Label1->width());
}

void Form1LayoutTest::countFieldsAreLeftAligned()
{
    for (TextBox *field : {m_form->Text1, m_form->Text2}) {
        QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(field->palette().color(QPalette::Base),
                 QApplication::palette(field).color(QPalette::Base));
    }
}

void Form1LayoutTest::canvasIsBlankInControlFaceColour()
{
    const QColor face = m_form->palette().color(QPalette::Button);
    QCOMPARE(m_form->Picture2->backColor(), face);
    QCOMPARE(m_form->Picture2->image().size(), QSize(CanvasSide, CanvasSide));
    QVERIFY(isFilledWith(m_form->Picture2->image(), face));
    QCOMPARE(m_form->Picture2->scaleWidth(), 437.0);
    QCOMPARE(m_form->Picture2->scaleHeight(), 437.0);
}

void Form1LayoutTest::sourceShowsTheSamplePicture()
{
    const QImage sample = QImage(QString::fromLatin1(Resources::SamplePicture))
                              .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(sample.size(), QSize(208, 183));
    QCOMPARE(m_form->Picture1->size(), QSize(212, 187));
    QCOMPARE(m_form->Picture1->scaleWidth(), 208.0);
    QCOMPARE(m_form->Picture1->scaleHeight(), 183.0);
    QCOMPARE(firstDifference(m_form->Picture1->image(), sample), QString());
    QVERIFY(m_form->Picture1->acceptDrops());
}

void Form1LayoutTest::captionsFitTheirControlsInTheChineseFont()
{
    const QString family = m_form->font().family();
    QVERIFY2(family == QLatin1String(CjkFontFamilies[0]) || family == QLatin1String(CjkFontFamilies[1]),
             qPrintable(family));
    for (QLabel *label : {m_form->Label1, m_form->Label2, m_form->Label3}) {
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->objectName()));
        QVERIFY(metrics.inFont(label->text().back()));
    }
    for (QPushButton *button : {m_form->Command1, m_form->Command2, m_form->Command3}) {
        const QFontMetrics metrics(button->font());
        QVERIFY(metrics.horizontalAdvance(button->text()) + 8 <= button->width());
        QVERIFY(metrics.height() <= button->height());
        for (QChar character : button->text())
            QVERIFY(metrics.inFont(character));
    }
}

void Form1LayoutTest::loadFillsThePaletteAndLeavesTheScaleDivisor()
{
    QCOMPARE(m_form->Palette, StandardPalette);
    QCOMPARE(m_form->ScaleDivisor, std::int16_t(0));
}

void Form1LayoutTest::onlyFieldsAndButtonsTakeFocus()
{
    for (QWidget *control : allControls()) {
        const bool takesFocus = control->focusPolicy() & Qt::TabFocus;
        const bool isFieldOrButton = control->inherits("QLineEdit") || control->inherits("QPushButton");
        QVERIFY2(takesFocus == isFieldOrButton, qPrintable(control->objectName()));
    }
}

void Form1LayoutTest::tabLeadsThroughFieldsAndButtons()
{
    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    const QList<QWidget *> order = {
        m_form->Text3[5], m_form->Text3[4], m_form->Text3[3], m_form->Text3[2],
        m_form->Text3[1], m_form->Text3[0], m_form->Command2, m_form->Text2,
        m_form->Text1,    m_form->Command1, m_form->Command3, m_form->Text3[5],
    };
    QCOMPARE(QApplication::focusWidget(), order.front());
    for (qsizetype step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() == order[step],
                 qPrintable(QStringLiteral("step %1: %2").arg(step).arg(
                     QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                 : QStringLiteral("none"))));
    }
}

void Form1LayoutTest::shiftTabLeadsBackwards()
{
    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    const QList<QWidget *> order = {
        m_form->Text3[5], m_form->Command3, m_form->Command1, m_form->Text1,
        m_form->Text2,    m_form->Command2, m_form->Text3[0], m_form->Text3[1],
        m_form->Text3[2], m_form->Text3[3], m_form->Text3[4], m_form->Text3[5],
    };
    QCOMPARE(QApplication::focusWidget(), order.front());
    for (qsizetype step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY2(QApplication::focusWidget() == order[step], qPrintable(QString::number(step)));
    }
}

void Form1LayoutTest::keyStartsNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");

    for (const char *field : {"Text1", "Text2", "Text3(0)", "Text3(1)", "Text3(2)", "Text3(3)",
                              "Text3(4)", "Text3(5)"}) {
        QTest::addRow("Enter in %s", field) << field << int(Qt::Key_Return);
        QTest::addRow("keypad Enter in %s", field) << field << int(Qt::Key_Enter);
        QTest::addRow("Escape in %s", field) << field << int(Qt::Key_Escape);
    }
    for (const char *button : {"Command1", "Command2", "Command3"}) {
        QTest::addRow("Enter on %s", button) << button << int(Qt::Key_Return);
        QTest::addRow("Escape on %s", button) << button << int(Qt::Key_Escape);
    }
    QTest::newRow("Escape on the window") << "" << int(Qt::Key_Escape);
}

void Form1LayoutTest::keyStartsNothing()
{
    QFETCH(QString, target);
    QFETCH(int, key);

    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QWidget *receiver = target.isEmpty() ? m_form.get() : m_form->findChild<QWidget *>(target);
    QVERIFY(receiver);
    receiver->setFocus();
    const QImage canvasBefore = m_form->Picture2->image();

    QTest::keyClick(receiver, Qt::Key(key));
    QTest::qWait(20);

    QVERIFY(m_form->isVisible());
    QVERIFY(!m_form->isClosed());
    QCOMPARE(m_form->Picture2->image(), canvasBefore); // no run cleared or drew it
    QVERIFY(m_watcher->boxes().isEmpty());
    QVERIFY(!QFile::exists(QDir(folder().path()).filePath(QStringLiteral("m.BMP"))));
}

void Form1LayoutTest::resizingLeavesControlsInPlace()
{
    QHash<QWidget *, QRect> placesBefore;
    for (QWidget *control : allControls())
        placesBefore.insert(control, control->geometry());

    m_form->resize(1200, 900);
    QTRY_COMPARE(m_form->size(), QSize(1200, 900));
    for (QWidget *control : allControls())
        QCOMPARE(control->geometry(), placesBefore.value(control));

    m_form->showMaximized();
    QTest::qWait(20);
    for (QWidget *control : allControls())
        QCOMPARE(control->geometry(), placesBefore.value(control));
}

QTEST_MAIN(Form1LayoutTest)
#include "form1layout_qtest.moc"
