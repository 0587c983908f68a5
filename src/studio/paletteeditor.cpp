#include "studio/paletteeditor.h"

#include "guide/photopalette.h"
#include "studio/readabletextcolour.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace tessaly::studio {

PaletteEditor::PaletteEditor(const pattern::StickerPalette &palette, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Sticker Colours"));
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Sticker")), 0, 0);
    grid->addWidget(new QLabel(tr("Colour")), 0, 1);
    grid->addWidget(new QLabel(tr("Name")), 0, 2);
    for (int sticker = 0; sticker < pattern::StickerColourCount; ++sticker) {
        Row &row = m_rows[std::size_t(sticker)];
        row.used = new QCheckBox(QString(QLatin1Char(pattern::stickerLetter(pattern::Sticker(sticker)))));
        row.used->setToolTip(tr("Whether your cubes have this colour"));
        row.colour = new QPushButton;
        row.colour->setObjectName(QStringLiteral("colour") + row.used->text());
        row.colour->setToolTip(tr("Pick the colour the sticker has"));
        row.name = new QLineEdit;
        grid->addWidget(row.used, sticker + 1, 0);
        grid->addWidget(row.colour, sticker + 1, 1);
        grid->addWidget(row.name, sticker + 1, 2);
        connect(row.colour, &QPushButton::clicked, this, [this, sticker] { pickColour(sticker); });
        connect(row.used, &QCheckBox::toggled, this, &PaletteEditor::checkColours);
    }
    m_clash = new QLabel;
    m_clash->setObjectName(QStringLiteral("colourClash"));
    m_clash->setWordWrap(true);
    m_clash->setStyleSheet(QStringLiteral("color: #b00020"));
    m_clash->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton *importButton = buttons->addButton(tr("Import…"), QDialogButtonBox::ActionRole);
    m_export = buttons->addButton(tr("Export…"), QDialogButtonBox::ActionRole);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(importButton, &QPushButton::clicked, this, &PaletteEditor::importFile);
    connect(m_export, &QPushButton::clicked, this, &PaletteEditor::exportFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &PaletteEditor::acceptIfValid);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_clash);
    layout->addWidget(buttons);
    show(palette);
}

void PaletteEditor::show(const pattern::StickerPalette &palette)
{
    const pattern::StickerPalette standard = pattern::standardPalette();
    for (int sticker = 0; sticker < pattern::StickerColourCount; ++sticker) {
        Row &row = m_rows[std::size_t(sticker)];
        const pattern::PaletteColour *colour = palette.find(pattern::Sticker(sticker));
        const pattern::PaletteColour *fallback = standard.find(pattern::Sticker(sticker));
        row.used->setChecked(colour != nullptr);
        row.value = colour ? colour->colour : fallback->colour;
        row.name->setText(QString::fromStdString(colour ? colour->name : fallback->name));
        showColour(sticker);
    }
    checkColours();
}

void PaletteEditor::showColour(int sticker)
{
    Row &row = m_rows[std::size_t(sticker)];
    const QColor colour(row.value.r, row.value.g, row.value.b);
    row.colour->setText(colour.name(QColor::HexRgb).toUpper());
    // A border of its own makes the style draw the swatch flat, in the very
    // colour, rather than shading the button from it.
    row.colour->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                                             " padding: 4px 12px; }")
                                  .arg(colour.name(), readableTextColour(colour).name(),
                                       QWidget::palette().color(QPalette::Mid).name()));
}

QString PaletteEditor::colourClash() const
{
    for (std::size_t sticker = 0; sticker < m_rows.size(); ++sticker) {
        if (!m_rows[sticker].used->isChecked())
            continue;
        for (std::size_t earlier = 0; earlier < sticker; ++earlier) {
            if (m_rows[earlier].used->isChecked() && m_rows[earlier].value == m_rows[sticker].value)
                return tr("%1 and %2 are both %3, but two stickers cannot share a colour: change one or leave one "
                          "out.")
                    .arg(m_rows[earlier].used->text(), m_rows[sticker].used->text(),
                         QString::fromStdString(pattern::hexOf(m_rows[sticker].value)));
        }
    }
    return {};
}

void PaletteEditor::checkColours()
{
    const QString clash = colourClash();
    m_clash->setText(clash);
    m_clash->setVisible(!clash.isEmpty());
    m_ok->setEnabled(clash.isEmpty());
    m_export->setEnabled(clash.isEmpty());
}

void PaletteEditor::pickColour(int sticker)
{
    Row &row = m_rows[std::size_t(sticker)];
    const QColor picked = QColorDialog::getColor(QColor(row.value.r, row.value.g, row.value.b), this,
                                                 tr("Colour of %1").arg(row.used->text()));
    if (!picked.isValid())
        return;
    row.value = {std::uint8_t(picked.red()), std::uint8_t(picked.green()), std::uint8_t(picked.blue())};
    showColour(sticker);
    checkColours();
}

pattern::StickerPalette PaletteEditor::palette() const
{
    pattern::StickerPalette palette;
    for (int sticker = 0; sticker < pattern::StickerColourCount; ++sticker) {
        const Row &row = m_rows[std::size_t(sticker)];
        if (row.used->isChecked())
            palette.colours.push_back({pattern::Sticker(sticker), row.value, row.name->text().trimmed().toStdString()});
    }
    return palette;
}

void PaletteEditor::importFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Palette"), {}, tr("Palette files (*.txt *.palette);;All files (*)"));
    if (path.isEmpty())
        return;
    const pattern::PaletteReading reading = readPaletteFile(path);
    if (!reading.palette) {
        QMessageBox::warning(this, tr("Import Palette"),
                             tr("%1 is not a palette: %2").arg(path, QString::fromStdString(reading.error)));
        return;
    }
    show(*reading.palette);
}

void PaletteEditor::exportFile()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Export Palette"), {}, tr("Palette files (*.txt *.palette)"));
    if (path.isEmpty())
        return;
    // The Import dialog lists only palette files.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    QSaveFile file(path);
    const QByteArray text = QByteArray::fromStdString(pattern::paletteText(palette()));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        QMessageBox::warning(this, tr("Export Palette"), tr("Cannot write %1: %2").arg(path, file.errorString()));
}

void PaletteEditor::acceptIfValid()
{
    if (!colourClash().isEmpty())
        return; // OK is disabled meanwhile
    if (palette().colours.size() < 2) {
        QMessageBox::warning(this, tr("Sticker Colours"), tr("A pattern needs at least two colours."));
        return;
    }
    accept();
}

} // namespace tessaly::studio
