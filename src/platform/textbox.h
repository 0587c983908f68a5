#pragma once

#include <QLineEdit>

namespace tessaly {

// A field's text read as a number (readNumber), as every text box reads its
// own; for texts that stand for a field's outside a window.
double fieldNumber(const QString &text);

// A one-line text box whose text can also be read as a number (readNumber).
// The number is worked out once per change of the text, not at every read,
// so a run that reads a field for every sample costs nothing extra.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(const QString &text = {}, QWidget *parent = nullptr);

    double number() const { return m_number; }

private:
    double m_number = 0;
};

} // namespace tessaly
