#include "studio/paletteeditor.h"

#include "guide/photopalette.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
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
        row.colour->setToolTip(tr("Pick the colour the sticker has"));
        row.name = new QLineEdit;
        grid->addWidget(row.used, sticker + 1, 0);
        grid->addWidget(row.colour, sticker + 1, 1);
        grid->addWidget(row.name, sticker + 1, 2);
        connect(row.colour, &QPushButton::clicked, this, [this, sticker] { pickColour(sticker); });
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton *importButton = buttons->addButton(tr("Import…"), QDialogButtonBox::ActionRole);
    QPushButton *exportButton = buttons->addButton(tr("Export…"), QDialogButtonBox::ActionRole);
    connect(importButton, &QPushButton::clicked, this, &PaletteEditor::importFile);
    connect(exportButton, &QPushButton::clicked, this, &PaletteEditor::exportFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &PaletteEditor::acceptIfValid);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
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
}

void PaletteEditor::showColour(int sticker)
{
    Row &row = m_rows[std::size_t(sticker)];
    const QColor colour(row.value.r, row.value.g, row.value.b);
    row.colour->setText(colour.name(QColor::HexRgb).toUpper());
    row.colour->setStyleSheet(QStringLiteral("background-color: %1; color: %2")
                                  .arg(colour.name(), colour.lightness() > 128 ? QStringLiteral("black")
                                                                               : QStringLiteral("white")));
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
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Palette"), {}, tr("Palette files (*.txt *.palette)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray text = QByteArray::fromStdString(pattern::paletteText(palette()));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        QMessageBox::warning(this, tr("Export Palette"), tr("Cannot write %1: %2").arg(path, file.errorString()));
}

void PaletteEditor::acceptIfValid()
{
    if (palette().colours.size() < 2) {
        QMessageBox::warning(this, tr("Sticker Colours"), tr("A pattern needs at least two colours."));
        return;
    }
    accept();
}

} // namespace tessaly::studio
