#pragma once

#include "guide/guidefields.h"

#include <QSize>
#include <QString>

#include <string_view>

namespace tessaly {

// The window's message for a run that refused or stopped, followed by what
// went wrong in English with the numbers involved, e.g.
// "宽高数值超过图片大小: 300 columns > picture width 208".
QString explainRefusal(std::string_view message, QSize picture, const GuideFields &fields);

} // namespace tessaly
