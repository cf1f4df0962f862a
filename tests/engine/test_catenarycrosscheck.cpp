// The exact chain of a span state: equilibrium of every node, symmetry and
// mirror image, and the cross-check of the design states beside the
// handbook's figures.
#include "support/spanfixture.h"

#include "engine/calculation.h"
#include "engine/calculationerror.h"
#include "engine/catenarycrosscheck.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace engine;
using testing_span::defaultSpan;

namespace {

struct Point
{
    double x, y;
};

/// Integrates the elastic catenary's equations along its unstressed length
/// (classical Runge–Kutta), independently of the closed form:
/// dx/ds = H/T + H/EA, dy/ds = V/T + V/EA, V = V0 − w·s.
Point integratePiece(double H, double V0, double length, double w, double EA)
{
    const int steps = 4000;
    const double h = length / steps;
    const auto slope = [&](double s) {
        const double V = V0 - w * s;
        const double T = std::hypot(H, V);
        return Point{H / T + H / EA, V / T + V / EA};
    };
    Point p{0, 0};
    for (int i = 0; i < steps; ++i) {
        const double s = i * h;
        const Point k1 = slope(s), k2 = slope(s + h / 2), k4 = slope(s + h);
        p.x += h / 6 * (k1.x + 4 * k2.x + k4.x);
        p.y += h / 6 * (k1.y + 4 * k2.y + k4.y);
    }
    return p;
}

double chainWeight(const ChainSpan &chain, double conductorLength)
{
    double total = chain.stringA.load + chain.stringB.load + chain.jumperA + chain.jumperB
                   + chain.unitLoad * conductorLength;
    for (const ChainPointLoad &p : chain.loads)
        total += p.load;
    return total;
}

/// The node loads in the order the chain meets them after string A.
std::vector<double> nodeLoads(const ChainSpan &chain)
{
    std::vector<double> loads{chain.jumperA};
    for (const ChainPointLoad &p : chain.loads)
        loads.push_back(p.load);
    loads.push_back(chain.jumperB);
    return loads;
}

ChainSpan reversed(const ChainSpan &chain)
{
    ChainSpan mirror = chain;
    mirror.drop = -chain.drop;
    std::swap(mirror.stringA, mirror.stringB);
    std::swap(mirror.jumperA, mirror.jumperB);
    mirror.loads.clear();
    for (auto p = chain.loads.rbegin(); p != chain.loads.rend(); ++p)
        mirror.loads.push_back({chain.span - p->x, p->load});
    return mirror;
}

/// The single-phase maintenance state of the default span: strings, both
/// jumpers, lead P1 and the maintenance load on the conductor.
ChainSpan maintenanceChain()
{
    const CalculationResult result = runCalculation(defaultSpan());
    return chainOfState(result.span, result.states[singlePhaseHot]);
}

} // namespace

TEST(CatenaryChain, EveryNodeOfASpanStateIsInEquilibrium)
{
    const ChainSpan chain = maintenanceChain();
    ASSERT_EQ(chain.loads.size(), 2u);  // P1 and the maintenance load
    const double length = 30.5;
    const ChainSolution solution = solveChain(chain, length, {7000, 5000});
    const double H = solution.H;
    const double tolerance = 1e-9 * H;
    const std::vector<double> loads = nodeLoads(chain);

    ASSERT_EQ(solution.pieces.size(), chain.loads.size() + 3);
    for (std::size_t k = 0; k < solution.pieces.size(); ++k) {
        const ChainPiece &piece = solution.pieces[k];
        const double dx = piece.x1 - piece.x0, dy = piece.y1 - piece.y0;
        if (piece.isString) {
            // A rigid link: its length, and moments about its first end from
            // its load at mid-length and the pull H, V1 at its other end.
            EXPECT_NEAR(std::hypot(dx, dy), piece.length, 1e-12);
            EXPECT_NEAR(H * dy - piece.V1 * dx - piece.load * dx / 2, 0, tolerance * piece.length);
        } else {
            const Point end = integratePiece(H, piece.V0, piece.length, chain.unitLoad, chain.axialStiffness);
            EXPECT_NEAR(dx, end.x, 1e-9 * chain.span) << k;
            EXPECT_NEAR(dy, end.y, 1e-9 * chain.span) << k;
        }
        EXPECT_NEAR(piece.V0 - piece.V1, piece.load, tolerance);
        if (k + 1 < solution.pieces.size()) {
            const ChainPiece &next = solution.pieces[k + 1];
            EXPECT_EQ(piece.x1, next.x0);
            EXPECT_EQ(piece.y1, next.y0);
            // Between string A and string B every node carries its load.
            EXPECT_NEAR(piece.V1 - next.V0, loads[k], tolerance) << k;
            if (k >= 1 && k <= chain.loads.size()) {
                EXPECT_NEAR(piece.x1, chain.loads[k - 1].x, 1e-12 * chain.span);
            }
        }
    }
    EXPECT_NEAR(solution.pieces.back().x1, chain.span, 1e-12 * chain.span);
    EXPECT_NEAR(solution.pieces.back().y1, chain.drop, 1e-12 * chain.span);
    // The reactions carry the whole weight.
    EXPECT_NEAR(solution.VA - solution.pieces.back().V1, chainWeight(chain, length), tolerance);
}

TEST(CatenaryChain, SymmetricSpanGivesSymmetricShape)
{
    ChainSpan chain;
    chain.span = 40;
    chain.stringA = chain.stringB = {3, 1600};
    chain.jumperA = chain.jumperB = 500;
    chain.loads = {{12, 800}, {28, 800}};
    chain.unitLoad = 45;
    chain.axialStiffness = 1.1e8;
    const double length = 34.3;
    const ChainSolution solution = solveChain(chain, length, {8000, 3000});
    EXPECT_NEAR(solution.VA, chainWeight(chain, length) / 2, 1e-9 * solution.H);
    const auto &pieces = solution.pieces;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const ChainPiece &mirror = pieces[pieces.size() - 1 - k];
        EXPECT_NEAR(pieces[k].x0 + mirror.x1, chain.span, 1e-10 * chain.span) << k;
        EXPECT_NEAR(pieces[k].y0, mirror.y1, 1e-10 * chain.span) << k;
        EXPECT_NEAR(pieces[k].length, mirror.length, 1e-10 * chain.span) << k;
    }
    // The sag lies at mid-span, where the chain is lowest.
    const ChainPiece &middle = pieces[pieces.size() / 2];
    EXPECT_GT(solution.sag, middle.y0);
}

TEST(CatenaryChain, ReversedSpanMirrorsTheSolution)
{
    const ChainSpan chain = maintenanceChain();
    const double length = 30.5;
    const ChainSolution forward = solveChain(chain, length, {7000, 5000});
    const ChainSolution backward = solveChain(reversed(chain), length, {7000, 3000});
    const double tolerance = 1e-9 * forward.H;
    EXPECT_NEAR(backward.H, forward.H, tolerance);
    EXPECT_NEAR(backward.VA, -forward.pieces.back().V1, tolerance);
    EXPECT_NEAR(backward.sag, forward.sag, 1e-9 * chain.span);
    EXPECT_NEAR(backward.stretchedLength, forward.stretchedLength, 1e-9 * chain.span);
    const std::size_t n = forward.pieces.size();
    for (std::size_t k = 0; k < n; ++k) {
        const ChainPiece &a = forward.pieces[k];
        const ChainPiece &b = backward.pieces[n - 1 - k];
        EXPECT_NEAR(a.x0, chain.span - b.x1, 1e-9 * chain.span) << k;
        EXPECT_NEAR(a.y0 - chain.drop, b.y1, 1e-9 * chain.span) << k;
    }
}

TEST(CatenaryCrossCheck, DefaultSpanIsSolvedInEveryLoadState)
{
    const CalculationResult result = runCalculation(defaultSpan());
    const CatenaryCrossCheck &check = result.catenary;
    // The conductor sags 2 m over some 30 m: a little longer than its chord
    // Lc / cos γ, by about the parabola's 8f²/(3·Lc) = 0.35 m.
    const double chord = result.span.conductorSpan() / result.span.cosGamma;
    EXPECT_GT(check.unstressedLength, chord + 0.2);
    EXPECT_LT(check.unstressedLength, chord + 0.5);
    for (int s = 0; s < loadStateCount; ++s) {
        const CatenaryStateCheck &state = check.states[s];
        ASSERT_TRUE(state.converged) << s << state.failure;
        EXPECT_TRUE(state.failure.empty());
        EXPECT_GT(state.iterations, 0);
        const StateEquationColumn &column = result.stateEquation[state.column];
        const double H = column[rowH], f = column[rowF];
        EXPECT_NEAR(state.tensionDifference, (H - state.tension) / state.tension * 100, 1e-3);
        EXPECT_NEAR(state.sagDifference, (f - state.sag) / state.sag * 100, 1e-3);
        // A short, heavy substation span: the handbook lies within a few per cent.
        EXPECT_LT(std::fabs(state.tensionDifference), 5) << s;
        EXPECT_LT(std::fabs(state.sagDifference), 5) << s;
    }
    // The reference state hangs at exactly the control sag.
    const CatenaryStateCheck &reference = check.states[result.referenceColumn];
    EXPECT_NEAR(reference.sag, result.span.controlSag, 1e-6);
    EXPECT_NEAR(reference.sagDifference, 0, 1e-4);
}

TEST(CatenaryCrossCheck, StringingStatesAreComparedWhereTheirTensionGoverns)
{
    // The stringing table of the default span runs from 40 to -10 degC; its
    // tension is largest in the cold, the ninth column of each block.
    const CalculationResult result = runCalculation(defaultSpan());
    const auto &installed = result.catenary.states[installation];
    const auto &marked = result.catenary.states[marking];
    EXPECT_EQ(installed.column, installationColumn + 8);
    EXPECT_EQ(marked.column, markingColumn + 8);
    EXPECT_EQ(result.stateEquation[marked.column][rowThetaM], -10.0f);
    for (int c = installationColumn; c < markingColumn; ++c)
        EXPECT_LE(result.stateEquation[c][rowH], result.stateEquation[installed.column][rowH]) << c;
    // Marking differs from installation by the missing jumper PB: at the same
    // temperature and on the same conductor it hangs slacker.
    ASSERT_GT(result.states[installation].leadLoad[leadPB], 0);
    EXPECT_LT(marked.tension, installed.tension);
}

TEST(CatenaryCrossCheck, LargestDifferencesKeepTheirSignAndState)
{
    CatenaryCrossCheck check;
    EXPECT_FALSE(largestCatenaryDifferences(check));  // nothing solved is no 0 %
    const auto solved = [&check](int state, float dH, float df) {
        check.states[state].converged = true;
        check.states[state].tensionDifference = dH;
        check.states[state].sagDifference = df;
    };
    solved(maxTemperature, 0.3f, 0.0f);
    solved(maxLoad, -1.2f, 0.8f);
    solved(singlePhaseCold, 1.2f, -0.9f);  // as large as 最大荷载's ΔH: the first stays
    solved(marking, 0.5f, 1.1f);
    check.states[maxWind].tensionDifference = 40;  // not converged: left out
    const std::optional<LargestCatenaryDifferences> largest = largestCatenaryDifferences(check);
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->tension.percent, -1.2f);
    EXPECT_EQ(largest->tension.state, maxLoad);
    EXPECT_EQ(largest->sag.percent, 1.1f);
    EXPECT_EQ(largest->sag.state, marking);
}

TEST(CatenaryCrossCheck, ColderStatesHangTighterOnTheSameLength)
{
    // Minimum temperature against maximum temperature, both without wind or
    // ice: the shorter cold conductor has the higher tension and smaller sag.
    const CalculationResult result = runCalculation(defaultSpan());
    const auto &hot = result.catenary.states[maxTemperature];
    const auto &cold = result.catenary.states[minTemperature];
    EXPECT_GT(cold.tension, hot.tension);
    EXPECT_LT(cold.sag, hot.sag);
}

TEST(CatenaryCrossCheck, FailedReferenceMarksEveryStateAndKeepsTheHandbook)
{
    CalculationResult result = runCalculation(defaultSpan());
    const auto handbook = result.stateEquation;
    for (StateResult &state : result.states)
        state.conductorLoad = 0;  // a chain without weight has no shape
    crossCheckByCatenary(result.span, result);
    for (const CatenaryStateCheck &state : result.catenary.states) {
        EXPECT_FALSE(state.converged);
        EXPECT_EQ(state.tension, 0.0f);
        EXPECT_NE(state.failure.find("悬链线校核"), std::string::npos) << state.failure;
    }
    EXPECT_EQ(result.catenary.states[marking].column, markingColumn + 8);  // still says what it stands for
    EXPECT_EQ(result.catenary.unstressedLength, 0.0);
    EXPECT_EQ(result.stateEquation, handbook);
}
