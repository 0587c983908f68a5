#pragma once

#include <QString>

class QWidget;

namespace tessaly {

// A modal message box with the prompt, one OK button, no icon and the title;
// returns once the user has dismissed it.
void showMessage(QWidget *parent, const QString &prompt, const QString &title);

} // namespace tessaly
