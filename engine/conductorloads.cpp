#include "engine/conductorloads.h"

#include "engine/calculationerror.h"

#include <cmath>

namespace engine {

namespace {

/// Weight, ice and wind per metre of one stranded conductor in a wind of v m/s
/// with b mm of ice (kgf/m; d in mm, w in kgf/m).
struct ConductorUnitLoad
{
    double vertical;  ///< gv = w + gi
    double wind;      ///< gw
    double combined;  ///< g = √(gv² + gw²)
};

ConductorUnitLoad unitLoad(double d, double w, double v, double b)
{
    const double ice = iceWeightCoefficient * b * (b + d);
    const double vertical = w + ice;
    const double wind = conductorWindCoefficient * v * v * (d + 2 * b) * 0.001;
    return {vertical, wind, std::sqrt(vertical * vertical + wind * wind)};
}

int bundleCountOf(const SpanData &span)
{
    // Every load of the span is shared among the sub-conductors; a bundle of
    // fewer than one conductor has nothing to share it.
    if (span.bundleCount < 1)
        throw CalculationError(CalculationError::Kind::Arithmetic, "分裂根数应不小于1,无法计算.");
    return span.bundleCount;
}

} // namespace

void computeConductorLoad(const SpanData &span, int state, StateResult &result)
{
    const int N = bundleCountOf(span);
    const auto g = unitLoad(span.conductorDiameter, span.conductorUnitWeight, span.windSpeed[state],
                            span.iceOfState[state]);
    double phaseLoad = N * g.combined;
    if (N > 1 && span.subSpan > 0)
        phaseLoad += double(span.spacerWeight) / span.subSpan;
    result.conductorLoad = storeFloat(phaseLoad / span.cosGamma / N, "导线单位荷载");
    result.conductorWind = storeFloat(N * g.wind / span.cosGamma, "导线风荷载");
}

void computeStringLoad(const SpanData &span, StringSide side, int state, StateResult &result)
{
    const StringData &string = side == StringSide::A ? span.stringA : span.stringB;
    const bool iced = state == maxLoad;
    const double weight = iced ? string.icedWeight : string.weight;
    const double windArea = iced ? string.icedWindArea : string.windArea;
    const double v = span.windSpeed[state];
    const double wind = stringWindCoefficient * windArea * v * v;
    const double load = std::sqrt(wind * wind + weight * weight) / bundleCountOf(span);
    if (side == StringSide::A) {
        result.stringAWind = storeFloat(wind, "绝缘子串A风荷载");
        result.stringALoad = storeFloat(load, "绝缘子串A荷载");
    } else {
        result.stringBWind = storeFloat(wind, "绝缘子串B风荷载");
        result.stringBLoad = storeFloat(load, "绝缘子串B荷载");
    }
}

void computeLeadLoad(const SpanData &span, int state, int lead, StateResult &result)
{
    const LeadData &data = span.leads[lead];
    if (!data.present)
        return;
    const int N = bundleCountOf(span);
    const int n = data.bundleCount;
    const auto g = unitLoad(data.diameter, data.unitWeight, span.windSpeed[state], span.iceOfState[state]);
    const double spacerShare = (data.subSpan > 0 && n > 1) ? double(data.spacerWeight) / data.subSpan : 0.0;

    // A lead of no sub-conductor weighs nothing, its fittings included.
    double conductorPart = 0;
    double fittingPart = 0;
    if (n > 0) {
        conductorPart = (n * g.combined + spacerShare) * data.length;
        fittingPart = data.fittingWeight;
    }

    // In the marking state the conductor is measured before the parts that are
    // not yet connected hang on it, and the right jumper is never hung. The load
    // is built from the connected parts, so that a lead whose parts are all
    // disconnected weighs exactly 0 and never enters the point list.
    if (state == marking) {
        const bool isJumper = lead == leadPA || lead == leadPB;
        if ((!isJumper && span.markingLeadsDisconnected) || (isJumper && span.markingJumpersDisconnected))
            conductorPart = 0;
        if ((!isJumper && span.markingLeadFittingsDisconnected)
            || (lead == leadPA && span.markingLeftJumperFittingsDisconnected))
            fittingPart = 0;
        if (lead == leadPB)
            conductorPart = fittingPart = 0;
    }

    result.leadWind[lead] = storeFloat(n > 0 ? n * g.wind : 0.0, "引线风荷载");
    result.leadLoad[lead] = storeFloat((conductorPart + fittingPart) / N, "引线荷载");
}

void computeStateLoads(const SpanData &span, int state, StateResult &result)
{
    computeStringLoad(span, StringSide::A, state, result);
    computeStringLoad(span, StringSide::B, state, result);
    computeConductorLoad(span, state, result);
    for (int lead = 0; lead < leadCount; ++lead)
        computeLeadLoad(span, state, lead, result);
}

void applyMarkingWithoutStringB(const SpanData &span, StateResult &markingState)
{
    if (span.markingNoStringB)
        markingState.stringBLoad =
            storeFloat(double(markingState.conductorLoad) * span.stringBProjection, "绝缘子串B荷载");
}

} // namespace engine
