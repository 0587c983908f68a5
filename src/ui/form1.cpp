#include "ui/form1.h"

#include "engine/generationrun.h"
#include "platform/messagebox.h"
#include "platform/picturebox.h"
#include "platform/picturefile.h"
#include "platform/textbox.h"
#include "tessalyresources.h"
#include "platform/applicationlook.h"
#include "ui/droppedfile.h"
#include "ui/errormessage.h"
#include "ui/windowsizerule.h"

#include <QCloseEvent>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

#include <optional>

namespace tessaly {

namespace {

// The tolerance fields by colour index, as they stand in the panel: green,
// blue and red on the upper row, orange, yellow and white on the lower one.
// White's field keeps the plain text-box background.
struct ToleranceFieldLayout
{
    int left;
    int top;
    const char *text;
    std::optional<QRgb> backColor;
};

const ToleranceFieldLayout ToleranceFields[6] = {
    {160, 36, "111", qRgb(255, 128, 0)}, // 0 orange
    {200, 36, "190", qRgb(255, 255, 0)}, // 1 yellow
    {240, 16, "220", qRgb(255, 0, 0)},   // 2 red
    {160, 16, "220", qRgb(0, 255, 0)},   // 3 green
    {200, 16, "260", qRgb(0, 0, 255)},   // 4 blue
    {240, 36, "250", std::nullopt},      // 5 white
};

constexpr int ToleranceFieldWidth = 41;
constexpr int ToleranceFieldHeight = 21;

// The window's caption, also the title of its messages other than errors.
const char *const Caption = "Tessaly V0.2";

// The credit line under the tolerance fields.
const char *const Credit = "魔方马赛克";

template <typename Control>
Control *placed(Control *control, const QString &name, const QRect &geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry, const QString &caption)
{
    auto *label = placed(new QLabel(caption, parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Label1's caption is 宽, seven blanks, 高: the blanks are meant to carry 高
// over Text2 as 宽 stands over Text1. Blanks are narrow in CJK fonts, so the
// label spaces its characters out until 高 starts where Text2 does.
void alignHeadingOver(QLabel *heading, const QWidget *secondField)
{
    const QString caption = heading->text();
    const QString beforeSecond = caption.left(caption.lastIndexOf(QLatin1Char(' ')) + 1);
    const qreal wanted = secondField->x() - heading->x();
    const qreal natural = QFontMetricsF(heading->font()).horizontalAdvance(beforeSecond);
    if (beforeSecond.isEmpty() || natural >= wanted)
        return;
    QFont font = heading->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, (wanted - natural) / qreal(beforeSecond.size()));
    heading->setFont(font);
}

TextBox *makeTextBox(QWidget *parent, const QString &name, const QRect &geometry,
                     const QString &text, Qt::Alignment alignment)
{
    auto *textBox = placed(new TextBox(text, parent), name, geometry);
    textBox->setAlignment(alignment | Qt::AlignVCenter);
    // Only the source picture takes drops; a field would take dragged text.
    textBox->setAcceptDrops(false);
    return textBox;
}

// No button is a default button, so Enter in a field clicks nothing.
QPushButton *makeButton(QWidget *parent, const QString &name, const QRect &geometry,
                        const QString &caption)
{
    auto *button = placed(new QPushButton(caption, parent), name, geometry);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

Form1::Form1(std::chrono::microseconds yieldInterval)
    : m_pump(yieldInterval)
    , m_host(*this, m_pump)
    , m_saveLocation(appPath(), SaveLocation::userPicturesFolder())
{
    setWindowTitle(QString::fromLatin1(Caption));
    setWindowIcon(QIcon(QString::fromLatin1(Resources::Icon)));
    resize(StartClientSize);

    createControls();
    setUpTabOrder();
    connectHandlers();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    Picture2 = placed(new PictureBox(this), QStringLiteral("Picture2"), QRect(0, 0, CanvasSide, CanvasSide));
    Picture2->setBackColor(canvasBackColor());

    Frame1 = placed(new QGroupBox(this), QStringLiteral("Frame1"), QRect(444, 0, 293, 93));
    createPanelControls();

    Picture1 = placed(new PictureBox(this), QStringLiteral("Picture1"), QRect(444, 96, 212, 187));
    Picture1->setAutoSize(true);
    Picture1->setManualDropMode(true);
    Picture1->setPicture(Resources::samplePicture());
}

void Form1::createPanelControls()
{
    Label1 = makeLabel(Frame1, QStringLiteral("Label1"), QRect(8, 16, 105, 13),
                       QStringLiteral("宽       高"));
    Text1 = makeTextBox(Frame1, QStringLiteral("Text1"), QRect(8, 32, 49, 21),
                        QStringLiteral("99"), Qt::AlignLeft);
    Text2 = makeTextBox(Frame1, QStringLiteral("Text2"), QRect(60, 32, 53, 21),
                        QStringLiteral("99"), Qt::AlignLeft);
    alignHeadingOver(Label1, Text2);

    // The label reaches under the first column of tolerance fields; made
    // before them, it stays beneath.
    Label2 = makeLabel(Frame1, QStringLiteral("Label2"), QRect(132, 20, 37, 33),
                       QStringLiteral("阙值"));
    for (std::size_t index = 0; index < Text3.size(); ++index) {
        const ToleranceFieldLayout &field = ToleranceFields[index];
        Text3[index] = makeTextBox(
            Frame1, QStringLiteral("Text3(%1)").arg(index),
            QRect(field.left, field.top, ToleranceFieldWidth, ToleranceFieldHeight),
            QString::fromLatin1(field.text), Qt::AlignHCenter);
        if (field.backColor) {
            QPalette colours = Text3[index]->palette();
            const QColor back(*field.backColor);
            colours.setColor(QPalette::Base, back);
            // Dark text would vanish on the blue field.
            if (qGray(back.rgb()) < 64)
                colours.setColor(QPalette::Text, Qt::white);
            Text3[index]->setPalette(colours);
        }
    }

    Command2 = makeButton(Frame1, QStringLiteral("Command2"), QRect(8, 64, 49, 21),
                          QStringLiteral("生成"));
    Command1 = makeButton(Frame1, QStringLiteral("Command1"), QRect(60, 64, 53, 21),
                          QStringLiteral("保存"));
    Command3 = makeButton(Frame1, QStringLiteral("Command3"), QRect(120, 64, 49, 21),
                          QStringLiteral("退出"));
    Label3 = makeLabel(Frame1, QStringLiteral("Label3"), QRect(208, 68, 73, 17),
                       QString::fromUtf8(Credit));
}

// Tab leads from white's tolerance field backwards through the colours,
// then Generate, the counts (rows first) and the other two buttons. The
// picture boxes, the panel and the labels take no focus.
void Form1::setUpTabOrder()
{
    const std::array<QWidget *, 11> order = {
        Text3[5], Text3[4], Text3[3], Text3[2], Text3[1], Text3[0],
        Command2, Text2,    Text1,    Command1, Command3,
    };
    for (std::size_t at = 1; at < order.size(); ++at)
        QWidget::setTabOrder(order[at - 1], order[at]);
    order.front()->setFocus();
}

void Form1::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Picture1, &PictureBox::oleDragDrop, this, &Form1::Picture1_OLEDragDrop);
}

void Form1::Form_Load()
{
    for (std::size_t index = 0; index < Palette.size(); ++index)
        Palette[index] = StandardPalette[index];
}

void Form1::Command1_Click()
{
    const SaveLocation::Outcome saved = m_saveLocation.save(Picture2->image());
    const QString path = QDir::toNativeSeparators(saved.path);
    if (!saved.error.isEmpty())
        showErrorMessage(this, QStringLiteral("保存失败\n%1\n%2").arg(path, saved.error));
    else if (saved.announce)
        showMessage(this, QStringLiteral("m.BMP 已保存到\n%1").arg(path), QString::fromLatin1(Caption));
}

void Form1::Command2_Click()
{
    generateMosaic(m_host, Palette, ScaleDivisor);
}

void Form1::Command3_Click()
{
    close();
}

void Form1::Picture1_OLEDragDrop(const QMimeData *data)
{
    const std::optional<QString> path = data ? firstDroppedFile(*data) : std::nullopt;
    if (!path)
        return;

    const LoadedPicture loaded = loadPicture(*path, Picture1->backColor());
    if (loaded.image.isNull()) {
        Picture1->cls();
        showErrorMessage(this, QStringLiteral("不支持的图片格式"));
        return;
    }
    Picture1->setPicture(loaded.image);
    resize(clientSizeShowing(Picture1->size()));
}

void Form1::Form_QueryUnload(QCloseEvent *event)
{
    m_closed = true;
    event->accept();
}

void Form1::setSaveFolder(const QString &folder)
{
    m_saveLocation.setProgramFolder(folder);
}

void Form1::setPicturesFolder(const QString &folder)
{
    m_saveLocation.setPicturesFolder(folder);
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload(event);
}

} // namespace tessaly
