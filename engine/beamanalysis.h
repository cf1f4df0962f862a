#pragma once

#include "engine/calculationresult.h"
#include "engine/spandata.h"

#include <array>

namespace engine {

/**
 * The span as a simple beam of horizontal length L between structure A
 * (x = 0) and structure B (x = L): string A over [0, lA], the conductor over
 * [lA, L − lB], string B up to L. Per sub-conductor, kgf and metres.
 */
class BeamAnalysis
{
public:
    explicit BeamAnalysis(const SpanData &span);

    /// Absolute positions of P1..P4 from structure A (running sums of the
    /// relative distances; not projected).
    const std::array<float, 4> &leadPositions() const { return mLeadPositions; }

    /// The point list of a state: every drop-down lead that carries a load.
    void buildPointList(StateResult &state) const;

    /// Maintenance load W in the four maintenance states (kgf of the whole
    /// phase: 100/150 up to 330 kV, 200/350 above), each sub-conductor carrying
    /// W / bundle count.
    static float maintenanceLoad(int voltageLevel, int state);
    void addMaintenanceLoad(int state, StateResult &result) const;

    /// Adds W at x: onto PA or PB when x falls on a string, onto an entry at
    /// exactly x, or as a new entry in ascending order.
    void addPointLoad(StateResult &state, float x, float load) const;

    void computeReactions(StateResult &state) const;

    /// Adds a load-free point where the shear passes zero inside a conductor piece.
    void insertZeroShearPoint(StateResult &state) const;

    /// Segment table, M, M + M', D and the string moments.
    /// @throws CalculationError for a segment of zero or negative length
    void computeMoments(StateResult &state, int stateIndex) const;

    /// The whole beam of one state whose unit loads are computed: point list,
    /// the maintenance load of a maintenance state, reactions, the zero-shear
    /// point and the moments, in that order.
    void analyse(StateResult &state, int stateIndex) const;

private:
    const SpanData &mSpan;
    double mL;            ///< span
    double mStringA;      ///< lA, projected
    double mStringB;      ///< lB, projected
    float mConductorEnd;  ///< L − lB, where the conductor meets string B
    std::array<float, 4> mLeadPositions{};
};

} // namespace engine
