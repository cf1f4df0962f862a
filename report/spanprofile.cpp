#include "report/spanprofile.h"

#include "engine/beamanalysis.h"
#include "engine/calculationerror.h"
#include "engine/calculationresult.h"
#include "engine/units.h"

#include <cmath>

namespace report {

namespace {

/// Points per segment: enough for a smooth curve at any page scale.
constexpr int stepsPerSegment = 24;

} // namespace

SpanProfile spanProfile(const engine::CalculationResult &result, int state, int column)
{
    const engine::SpanData &span = result.span;
    const engine::StateResult &loads = result.states.at(std::size_t(state));
    const double H = result.stateEquation.at(std::size_t(column))[engine::rowH];  // N per sub-conductor
    if (!(H > 0))
        throw engine::CalculationError(engine::CalculationError::Kind::Arithmetic, "水平拉力不大于0,无法绘制跨线示意图.");

    const double L = span.spanLength;
    const double h = std::abs(double(span.heightDifference));
    SpanProfile profile;
    profile.attachmentA = {0, span.structureBHigher ? 0.0 : h};
    profile.attachmentB = {L, span.structureBHigher ? h : 0.0};
    const auto chord = [&](double x) { return profile.attachmentA.y() + (profile.attachmentB.y() - profile.attachmentA.y()) * x / L; };
    // M in kgf·m per sub-conductor, H in N: the drop is M·g/H metres.
    const auto drop = [&](double moment) { return moment * engine::newtonPerKgf / H; };

    double x = 0;
    double moment = 0;
    profile.curve.push_back(profile.attachmentA);
    for (const engine::Segment &segment : loads.segments) {
        const double length = segment.length;
        if (!(length > 0))
            continue;
        // Shear falls linearly from Qz to Qy over the segment under its uniform load.
        const double q = (double(segment.shearLeft) - segment.shearRight) / length;
        for (int step = 1; step <= stepsPerSegment; ++step) {
            const double t = length * step / stepsPerSegment;
            const double m = moment + segment.shearLeft * t - q * t * t / 2;
            const QPointF point(x + t, chord(x + t) - drop(m));
            profile.curve.push_back(point);
            if (chord(x + t) - point.y() > profile.sag) {
                profile.sag = chord(x + t) - point.y();
                profile.sagPoint = point;
            }
        }
        x += length;
        moment += segment.moment;
    }
    profile.lowest = profile.curve.front();
    for (const QPointF &point : profile.curve)
        if (point.y() < profile.lowest.y())
            profile.lowest = point;

    const auto onCurve = [&](double at) {
        QPointF nearest = profile.curve.front();
        for (const QPointF &point : profile.curve)
            if (std::abs(point.x() - at) < std::abs(nearest.x() - at))
                nearest = point;
        return nearest;
    };
    profile.stringAEnd = onCurve(span.stringAProjection);
    const bool withStringB = !(state == engine::marking && span.markingNoStringB);
    profile.stringBStart = onCurve(withStringB ? L - span.stringBProjection : L);

    if (loads.leadLoad[engine::leadPA] > 0)
        profile.marks.push_back({QStringLiteral("PA"), profile.stringAEnd});
    const std::array<float, 4> leads = engine::BeamAnalysis(span).leadPositions();
    for (int i = 0; i < 4; ++i)
        if (loads.leadLoad[std::size_t(engine::leadP1 + i)] > 0)
            profile.marks.push_back({QStringLiteral("P%1").arg(i + 1), onCurve(leads[std::size_t(i)])});
    if (loads.leadLoad[engine::leadPB] > 0)
        profile.marks.push_back({QStringLiteral("PB"), profile.stringBStart});
    if (engine::isMaintenanceState(state))
        profile.marks.push_back({QStringLiteral("W"), onCurve(span.maintenancePointX)});
    return profile;
}

} // namespace report
