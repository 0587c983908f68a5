#pragma once

#include <QString>

namespace tessaly {

struct GuidePageContext;

// How to go through the guide's pages, in Chinese and in English, a line
// each: recipes first when there are any, then blocks in the plan's order,
// panel by panel when the wall is cut into panels.
QString buildOrderHowTo(const GuidePageContext &context);

} // namespace tessaly
