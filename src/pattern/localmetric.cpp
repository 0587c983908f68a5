#include "pattern/localmetric.h"

namespace tessaly::pattern {

namespace {

// The squared CIEDE2000 difference between the colours half a unit either
// side of `at` along the direction (l, a, b).
double squaredRate(const Lab &at, double l, double a, double b)
{
    const Lab below{at.l - 0.5 * l, at.a - 0.5 * a, at.b - 0.5 * b};
    const Lab above{at.l + 0.5 * l, at.a + 0.5 * a, at.b + 0.5 * b};
    const double d = ciede2000(below, above);
    return d * d;
}

} // namespace

LocalMetric localMetric(const Lab &at)
{
    const double ll = squaredRate(at, 1, 0, 0);
    const double aa = squaredRate(at, 0, 1, 0);
    const double bb = squaredRate(at, 0, 0, 1);
    const double la = (squaredRate(at, 1, 1, 0) - ll - aa) / 2;
    const double lb = (squaredRate(at, 1, 0, 1) - ll - bb) / 2;
    const double ab = (squaredRate(at, 0, 1, 1) - aa - bb) / 2;
    return {float(ll), float(la), float(lb), float(aa), float(ab), float(bb)};
}

} // namespace tessaly::pattern
