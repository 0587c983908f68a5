#pragma once

#include "pattern/palette.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tessaly::studio {

// Edits a sticker palette: for each of W Y R O B G whether the builder's
// cubes have it, its colour (picked) and its name; palette files are
// imported and exported as parsePalette and paletteText read and write them.
class PaletteEditor : public QDialog
{
    Q_OBJECT

public:
    explicit PaletteEditor(const pattern::StickerPalette &palette, QWidget *parent = nullptr);

    // The palette as edited; at least two colours (OK is refused otherwise).
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
    void importFile();
    void exportFile();
    void acceptIfValid();

    std::array<Row, pattern::StickerColourCount> m_rows;
};

} // namespace tessaly::studio
