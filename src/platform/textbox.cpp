#include "platform/textbox.h"

#include "platform/numbers.h"

#include <string_view>

namespace tessaly {

namespace {

double numberOf(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return readNumber(std::string_view(utf8.constData(), size_t(utf8.size())));
}

} // namespace

TextBox::TextBox(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
    , m_number(numberOf(text))
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString &newText) {
        m_number = numberOf(newText);
    });
}

} // namespace tessaly
