#pragma once

#include <QImage>
#include <QSize>

namespace tessaly::bench {

// A Format_RGB32 picture that gives the classifier every kind of work: the
// hue runs round the colour wheel from left to right at full saturation along
// the top row, and every column fades towards mid grey downwards.
QImage makeHueGradient(QSize size);

} // namespace tessaly::bench
