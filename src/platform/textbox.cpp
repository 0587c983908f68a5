#include "platform/textbox.h"

#include "platform/numbers.h"

#include <string_view>

namespace tessaly {

double fieldNumber(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return readNumber(std::string_view(utf8.constData(), size_t(utf8.size())));
}

TextBox::TextBox(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
    , m_number(fieldNumber(text))
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString &newText) {
        m_number = fieldNumber(newText);
    });
}

} // namespace tessaly
