#pragma once

#include "support/curvereport.h"

#include <QImage>

namespace tessaly::bench {

// The curve's means as a plot: the likeness score up against the turns per
// cube along, one line through the optimiser's turn weights (each point
// labelled with its weight; the weight 0 is the pure optimum), and the other
// methods as labelled points. Axes start at nice round values around what
// is shown. A plot without points when no mean was measured.
QImage drawCurvePlot(const ScoreTurnsCurve &curve);

} // namespace tessaly::bench
