#include "engine/elasticcatenary.h"

#include <cmath>

namespace engine {

namespace {

/// The quantities of a segment that every formula shares.
struct SegmentEnds
{
    double V0, V1;  ///< downward tension component at start and end
    double T0, T1;  ///< tension at start and end
    bool sameSign;  ///< V0 and V1 on one side of the lowest point
};

SegmentEnds endsOf(double H, double V, double s, double w)
{
    const double V1 = V - w * s;
    return {V, V1, std::hypot(H, V), std::hypot(H, V1), V * V1 > 0};
}

/// asinh(V0/H) − asinh(V1/H). When both lie on one side of the lowest point
/// the difference is taken as one asinh of (a² − b²)/(a·√(1+b²) + b·√(1+a²)),
/// with a − b = w·s/H given exactly.
double asinhDifference(double H, const SegmentEnds &e, double ws)
{
    if (!e.sameSign)
        return std::asinh(e.V0 / H) - std::asinh(e.V1 / H);
    const double sign = e.V0 > 0 ? 1 : -1;
    const double a = sign * e.V0 / H, b = sign * e.V1 / H;
    // a·√(1+b²) + b·√(1+a²) with √(1+a²) = T0/H.
    const double denominator = a * (e.T1 / H) + b * (e.T0 / H);
    return sign * std::asinh((sign * ws / H) * (a + b) / denominator);
}

/// (V0/T0 − V1/T1)/w, the slope-term difference, without dividing a small
/// difference by a small w.
double slopeTermOverW(double H, const SegmentEnds &e, double s, double w)
{
    if (!e.sameSign)
        return (e.V0 / e.T0 - e.V1 / e.T1) / w;
    // V0·T1 − V1·T0 = H²·(V0² − V1²)/(V0·T1 + V1·T0), and V0 − V1 = w·s.
    return H * H * s * (e.V0 + e.V1) / ((e.V0 * e.T1 + e.V1 * e.T0) * e.T0 * e.T1);
}

} // namespace

CatenaryProjection elasticCatenary(double H, double V, double s, double w, double EA)
{
    const SegmentEnds e = endsOf(H, V, s, w);
    const double ws = w * s;
    const double D = asinhDifference(H, e, ws);
    // (T0 − T1)/w = s·(V0 + V1)/(T0 + T1).
    const double rootsOverW = s * (e.V0 + e.V1) / (e.T0 + e.T1);
    const double slopeTerm = slopeTermOverW(H, e, s, w);

    CatenaryProjection p;
    p.dx = H * s / EA + (H / w) * D;
    p.dy = (e.V0 * s - ws * s / 2) / EA + rootsOverW;
    // (H/w)·(1/T0 − 1/T1) = −H·s·(V0 + V1)/((T0 + T1)·T0·T1), the same for both.
    const double cross = -H * s * (e.V0 + e.V1) / ((e.T0 + e.T1) * e.T0 * e.T1);
    p.dxdV = cross;
    p.dydH = cross;
    p.dydV = s / EA + slopeTerm;
    p.dxdH = s / EA + D / w - slopeTerm;
    p.dxds = H / e.T1 + H / EA;
    p.dyds = e.V1 / e.T1 + e.V1 / EA;
    return p;
}

double catenaryStretchedLength(double H, double V, double s, double w, double EA)
{
    const SegmentEnds e = endsOf(H, V, s, w);
    // ∫T ds = [V0·T0 − V1·T1 + H²·(asinh(V0/H) − asinh(V1/H))]/(2w).
    double productsOverW;
    if (e.sameSign)
        productsOverW = s * (e.V0 + e.V1) * (H * H + e.V0 * e.V0 + e.V1 * e.V1) / (e.V0 * e.T0 + e.V1 * e.T1);
    else
        productsOverW = (e.V0 * e.T0 - e.V1 * e.T1) / w;
    const double tensionIntegral = (productsOverW + H * H * asinhDifference(H, e, w * s) / w) / 2;
    return s + tensionIntegral / EA;
}

} // namespace engine
