#pragma once

#include <QString>

class QWidget;

namespace tessaly {

// The window's one kind of message: a modal box titled "错误" with the
// prompt and one OK button; returns once the user has dismissed it.
void showErrorMessage(QWidget *parent, const QString &prompt);

} // namespace tessaly
