#pragma once

#include "pattern/palette.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly::studio {

// Edits a sticker palette: for each of W Y R O B G whether the builder's
// cubes have it, its colour (picked) and its name; palette files are
// imported and exported as parsePalette and paletteText read and write them.
// Two used stickers of one colour are refused as palette files refuse them:
// a warning says which, and OK and Export stay disabled until it is mended.
class PaletteEditor : public QDialog
{
    Q_OBJECT

public:
    explicit PaletteEditor(const pattern::StickerPalette &palette, QWidget *parent = nullptr);

    // The palette as edited; at least two colours (OK is refused otherwise),
    // no two of one colour once accepted.
    pattern::StickerPalette palette() const;

private:
    struct Row
    {
        QCheckBox *used = nullptr;
        QPushButton *colour = nullptr;
        QLineEdit *name = nullptr;
        pattern::Srgb8 value;
    };

    void show(const pattern::StickerPalette &palette);
    void pickColour(int sticker);
    void showColour(int sticker);
    // Why the used stickers cannot be a palette (two share a colour), or
    // empty; shown and enforced by checkColours.
    QString colourClash() const;
    void checkColours();
    void importFile();
    void exportFile();
    void acceptIfValid();

    std::array<Row, pattern::StickerColourCount> m_rows;
    QLabel *m_clash = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_export = nullptr;
};

} // namespace tessaly::studio
