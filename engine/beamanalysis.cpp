#include "engine/beamanalysis.h"

#include "engine/calculationerror.h"

#include <algorithm>

namespace engine {

BeamAnalysis::BeamAnalysis(const SpanData &span)
    : mSpan(span)
    , mL(span.spanLength)
    , mStringA(span.stringAProjection)
    , mStringB(span.stringBProjection)
    , mConductorEnd(storeFloat(mL - mStringB, "导线终点位置"))
{
    double position = 0;
    for (int i = 0; i < 4; ++i) {
        position += span.leads[leadP1 + i].relativeDistance;
        mLeadPositions[i] = storeFloat(position, "引下线位置");
    }
}

void BeamAnalysis::buildPointList(StateResult &state) const
{
    state.points.clear();
    for (int i = 0; i < 4; ++i) {
        const float load = state.leadLoad[leadP1 + i];
        if (load > 0)
            state.points.push_back({load, mLeadPositions[i]});
    }
}

float BeamAnalysis::maintenanceLoad(int voltageLevel, int state)
{
    const bool threePhase = state == threePhaseHot || state == threePhaseCold;
    if (voltageLevel <= 330)
        return threePhase ? 100.0f : 150.0f;
    return threePhase ? 200.0f : 350.0f;
}

void BeamAnalysis::addMaintenanceLoad(int state, StateResult &result) const
{
    const double share = double(maintenanceLoad(mSpan.voltageLevel, state)) / mSpan.bundleCount;
    addPointLoad(result, mSpan.maintenancePointX, storeFloat(share, "检修荷载"));
}

void BeamAnalysis::addPointLoad(StateResult &state, float x, float load) const
{
    if (x <= mStringA) {
        state.leadLoad[leadPA] = storeFloat(double(state.leadLoad[leadPA]) + load, "跳线荷载");
        return;
    }
    if (x >= mConductorEnd) {
        state.leadLoad[leadPB] = storeFloat(double(state.leadLoad[leadPB]) + load, "跳线荷载");
        return;
    }
    auto &points = state.points;
    const auto at = std::find_if(points.begin(), points.end(), [x](const PointLoad &p) { return p.position == x; });
    if (at != points.end()) {
        at->load = storeFloat(double(at->load) + load, "集中荷载");
        return;
    }
    const auto after = std::find_if(points.begin(), points.end(), [x](const PointLoad &p) { return p.position > x; });
    points.insert(after, {load, x});
}

void BeamAnalysis::computeReactions(StateResult &state) const
{
    const double L = mL, lA = mStringA, lB = mStringB;
    const double Lc = mSpan.conductorSpan();
    const double q = state.conductorLoad;
    const double QA = state.stringALoad, QB = state.stringBLoad;
    const double PA = state.leadLoad[leadPA], PB = state.leadLoad[leadPB];

    double momentAboutB = (L - lA / 2) * QA + (lB / 2) * QB + q * Lc * (Lc / 2 + lB) + (L - lA) * PA + lB * PB;
    double momentAboutA = (lA / 2) * QA + (L - lB / 2) * QB + q * Lc * (Lc / 2 + lA) + lA * PA + (L - lB) * PB;
    for (const PointLoad &p : state.points) {
        momentAboutB += (L - p.position) * p.load;
        momentAboutA += double(p.position) * p.load;
    }
    state.reactionA = storeFloat(momentAboutB / L, "支座反力RA");
    state.reactionB = storeFloat(momentAboutA / L, "支座反力RB");
}

void BeamAnalysis::insertZeroShearPoint(StateResult &state) const
{
    const double q = state.conductorLoad;
    // Shear just right of the end of string A; walk along the conductor.
    double start = mStringA;
    double shear = double(state.reactionA) - state.stringALoad - state.leadLoad[leadPA];
    for (const PointLoad &p : state.points) {
        const double pieceLoad = (p.position - start) * q;
        if (shear > 0 && pieceLoad > shear) {
            addPointLoad(state, storeFloat(start + shear / q, "剪力零点"), 0.0f);
            return;
        }
        shear = shear - pieceLoad - p.load;
        start = p.position;
    }
    if ((mConductorEnd - start) * q > shear && shear > 0)
        addPointLoad(state, storeFloat(start + shear / q, "剪力零点"), 0.0f);
    // Otherwise the shear changes sign at a point load, inside a string, or not at all.
}

void BeamAnalysis::computeMoments(StateResult &state, int stateIndex) const
{
    const auto &points = state.points;
    const int e = int(points.size()) + 3;
    std::vector<Segment> segments(e);

    // Nodes: 0, lA, the list entries, L − lB, L.
    std::vector<float> nodes;
    nodes.reserve(e + 1);
    nodes.push_back(0.0f);
    nodes.push_back(mSpan.stringAProjection);
    for (const PointLoad &p : points)
        nodes.push_back(p.position);
    nodes.push_back(mConductorEnd);
    nodes.push_back(mSpan.spanLength);

    const double q = state.conductorLoad;
    for (int k = 0; k < e; ++k) {
        Segment &seg = segments[k];
        if (k == 0)
            seg.length = mSpan.stringAProjection;
        else if (k == e - 1)
            seg.length = mSpan.stringBProjection;
        else
            seg.length = storeFloat(double(nodes[k + 1]) - nodes[k], "分段长度");
        if (!(seg.length > 0))
            throw CalculationError(CalculationError::Kind::Arithmetic,
                                   std::string(loadStateLabel(stateIndex))
                                       + "状态的分段长度不大于0:引下线位置重合,或位于绝缘子串范围内,请检查引下线位置.");

        if (k == 0)
            seg.distributedLoad = state.stringALoad;
        else if (k == e - 1)
            seg.distributedLoad = state.stringBLoad;
        else
            seg.distributedLoad = storeFloat(seg.length * q, "分段荷载");

        if (k == 0)
            seg.pointLoad = std::max(state.leadLoad[leadPA], 0.0f);
        else if (k <= e - 3)
            seg.pointLoad = points[k - 1].load;
        else if (k == e - 2)
            seg.pointLoad = std::max(state.leadLoad[leadPB], 0.0f);
        else
            seg.pointLoad = 0.0f;
    }

    // Shear from A and, independently, from B.
    segments[0].shearLeft = state.reactionA;
    for (int k = 1; k < e; ++k)
        segments[k].shearLeft = storeFloat(double(segments[k - 1].shearLeft) - segments[k - 1].distributedLoad
                                               - segments[k - 1].pointLoad,
                                           "剪力");
    std::vector<float> fromB(e);
    fromB[e - 1] = state.reactionB;
    for (int k = e - 1; k >= 1; --k)
        fromB[k - 1] = storeFloat(double(fromB[k]) - segments[k].distributedLoad - segments[k - 1].pointLoad, "剪力");

    double positive = 0, rest = 0, loadFactor = 0;
    for (int k = 0; k < e; ++k) {
        Segment &seg = segments[k];
        seg.shearRight = -fromB[k];
        seg.moment = storeFloat((double(seg.shearLeft) + seg.shearRight) * seg.length * 0.5, "分段弯矩");
        (seg.moment > 0 ? positive : rest) += seg.moment;
        seg.momentTerm = storeFloat(double(seg.moment) * seg.moment / seg.length, "荷载因数");
        seg.loadTerm = storeFloat(double(seg.distributedLoad) * seg.distributedLoad * seg.length / 12, "荷载因数");
        seg.loadFactorTerm = storeFloat(double(seg.momentTerm) + seg.loadTerm, "荷载因数");
        loadFactor += seg.loadFactorTerm;
    }
    state.maxMoment = storeFloat(positive, "最大弯矩");
    state.momentCheck = storeFloat(positive + rest, "校验弯矩");
    state.loadFactor = storeFloat(loadFactor, "荷载因数");
    state.stringAMoment = segments.front().moment;
    state.stringBMoment = segments.back().moment;
    state.segments = std::move(segments);
}

void BeamAnalysis::analyse(StateResult &state, int stateIndex) const
{
    buildPointList(state);
    if (isMaintenanceState(stateIndex))
        addMaintenanceLoad(stateIndex, state);
    computeReactions(state);
    insertZeroShearPoint(state);
    computeMoments(state, stateIndex);
}

} // namespace engine
