#include "engine/catenarychain.h"

#include "engine/calculationerror.h"
#include "engine/elasticcatenary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace engine {

namespace {

// Unknowns: H, the vertical reaction at A, and the unstressed lengths of all
// conductor pieces but the last (which takes what the others leave).
constexpr int maxPointLoads = 8;
constexpr int maxUnknowns = maxPointLoads + 2;
constexpr int unknownH = 0;
constexpr int unknownVA = 1;
constexpr int firstPieceLength = 2;

constexpr int maxNewtonSteps = 60;
constexpr int maxStepHalvings = 40;
constexpr int maxSecantSteps = 40;
// Closing to 1e-13 of the span leaves H and the sag correct to well below
// 1e-9 even in a taut span, where H reacts to the span some hundred times
// more strongly than the span itself.
constexpr double closureTolerance = 1e-13;
// The sag of a chain closed to that tolerance is itself known to a few 1e-12.
constexpr double sagTolerance = 1e-10;
// H of such a chain is known to well below 1e-9 of itself.
constexpr double tensionTolerance = 1e-9;
constexpr double lengthResolution = 1e-14;

using Vector = std::array<double, maxUnknowns>;
using Matrix = std::array<Vector, maxUnknowns>;

[[noreturn]] void chainFailed(const std::string &message)
{
    throw CalculationError(CalculationError::Kind::Catenary, message);
}

/// A quantity of the chain and its gradient by the unknowns.
struct Tracked
{
    double value = 0;
    Vector gradient{};
};

struct Walk
{
    Tracked x, y, V;
};

class ChainModel
{
public:
    ChainModel(const ChainSpan &chain, double conductorLength)
        : mChain(chain), mLength(conductorLength), mLoads(int(chain.loads.size())), mUnknowns(mLoads + 2)
    {
    }

    int unknownCount() const { return mUnknowns; }

    /// The residuals (point-load positions, then closure at B in x and y) and
    /// their Jacobian at \a u; with \a pieces, the pieces of the chain too.
    void evaluate(const Vector &u, Vector &residual, Matrix &jacobian, std::vector<ChainPiece> *pieces) const
    {
        const double H = u[unknownH];
        Walk walk;
        walk.V.value = u[unknownVA];
        walk.V.gradient[unknownVA] = 1;

        addString(walk, H, mChain.stringA, pieces);
        walk.V.value -= mChain.jumperA;
        for (int k = 0; k <= mLoads; ++k) {
            Tracked s;
            if (k < mLoads) {
                s.value = u[firstPieceLength + k];
                s.gradient[firstPieceLength + k] = 1;
            } else {
                s.value = lastPieceLength(u);
                for (int j = 0; j < mLoads; ++j)
                    s.gradient[firstPieceLength + j] = -1;
            }
            addConductorPiece(walk, H, s, pieces);
            if (k < mLoads) {
                residual[k] = walk.x.value - mChain.loads[k].x;
                jacobian[k] = walk.x.gradient;
                walk.V.value -= mChain.loads[k].load;
            }
        }
        walk.V.value -= mChain.jumperB;
        addString(walk, H, mChain.stringB, pieces);
        residual[mLoads] = walk.x.value - mChain.span;
        jacobian[mLoads] = walk.x.gradient;
        residual[mLoads + 1] = walk.y.value - mChain.drop;
        jacobian[mLoads + 1] = walk.y.gradient;
    }

    double lastPieceLength(const Vector &u) const
    {
        double rest = mLength;
        for (int j = 0; j < mLoads; ++j)
            rest -= u[firstPieceLength + j];
        return rest;
    }

    bool feasible(const Vector &u) const
    {
        if (!(u[unknownH] > 0) || !std::isfinite(u[unknownVA]))
            return false;
        for (int j = 0; j < mLoads; ++j)
            if (!(u[firstPieceLength + j] > 0))
                return false;
        return lastPieceLength(u) > 0;
    }

private:
    static void addTo(Tracked &target, double value, const Vector &gradient)
    {
        target.value += value;
        for (int i = 0; i < maxUnknowns; ++i)
            target.gradient[i] += gradient[i];
    }

    // A rigid link with its load at mid-length lies along the mean of the
    // tension just after and just before it: tan φ = (V − Q/2)/H.
    void addString(Walk &walk, double H, const ChainString &string, std::vector<ChainPiece> *pieces) const
    {
        const double l = string.length;
        const double Vm = walk.V.value - string.load / 2;
        const double R = std::hypot(H, Vm);
        const double R3 = R * R * R;
        Vector gx{}, gy{};
        for (int i = 0; i < maxUnknowns; ++i) {
            const double dVm = walk.V.gradient[i];
            const double dH = i == unknownH ? 1.0 : 0.0;
            gx[i] = l * (Vm * Vm * dH - H * Vm * dVm) / R3;
            gy[i] = l * (H * H * dVm - H * Vm * dH) / R3;
        }
        const ChainPiece piece{true, walk.x.value, walk.y.value, 0, 0, walk.V.value, walk.V.value - string.load,
                               l, string.load};
        addTo(walk.x, l * H / R, gx);
        addTo(walk.y, l * Vm / R, gy);
        walk.V.value -= string.load;
        record(piece, walk, pieces);
    }

    void addConductorPiece(Walk &walk, double H, const Tracked &s, std::vector<ChainPiece> *pieces) const
    {
        const double w = mChain.unitLoad;
        const CatenaryProjection p = elasticCatenary(H, walk.V.value, s.value, w, mChain.axialStiffness);
        Vector gx{}, gy{};
        for (int i = 0; i < maxUnknowns; ++i) {
            const double dH = i == unknownH ? 1.0 : 0.0;
            gx[i] = p.dxdH * dH + p.dxdV * walk.V.gradient[i] + p.dxds * s.gradient[i];
            gy[i] = p.dydH * dH + p.dydV * walk.V.gradient[i] + p.dyds * s.gradient[i];
        }
        const double weight = w * s.value;
        const ChainPiece piece{false, walk.x.value, walk.y.value, 0, 0, walk.V.value, walk.V.value - weight,
                               s.value, weight};
        addTo(walk.x, p.dx, gx);
        addTo(walk.y, p.dy, gy);
        walk.V.value -= weight;
        for (int i = 0; i < maxUnknowns; ++i)
            walk.V.gradient[i] -= w * s.gradient[i];
        record(piece, walk, pieces);
    }

    static void record(ChainPiece piece, const Walk &walk, std::vector<ChainPiece> *pieces)
    {
        if (!pieces)
            return;
        piece.x1 = walk.x.value;
        piece.y1 = walk.y.value;
        pieces->push_back(piece);
    }

    const ChainSpan &mChain;
    double mLength;
    int mLoads;
    int mUnknowns;
};

/// Solves J·step = r in place by Gaussian elimination with partial pivoting;
/// false for a singular or non-finite system.
bool solveLinear(Matrix J, Vector r, int n, Vector &step)
{
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int row = col + 1; row < n; ++row)
            if (std::fabs(J[row][col]) > std::fabs(J[pivot][col]))
                pivot = row;
        if (!(std::fabs(J[pivot][col]) > 0) || !std::isfinite(J[pivot][col]))
            return false;
        std::swap(J[col], J[pivot]);
        std::swap(r[col], r[pivot]);
        for (int row = col + 1; row < n; ++row) {
            const double factor = J[row][col] / J[col][col];
            for (int k = col; k < n; ++k)
                J[row][k] -= factor * J[col][k];
            r[row] -= factor * r[col];
        }
    }
    for (int row = n - 1; row >= 0; --row) {
        double sum = r[row];
        for (int k = row + 1; k < n; ++k)
            sum -= J[row][k] * step[k];
        step[row] = sum / J[row][row];
        if (!std::isfinite(step[row]))
            return false;
    }
    return true;
}

double largestOf(const Vector &r, int n)
{
    double largest = 0;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(r[i]))
            return HUGE_VAL;
        largest = std::max(largest, std::fabs(r[i]));
    }
    return largest;
}

void checkChain(const ChainSpan &chain, double conductorLength)
{
    const bool positive = chain.span > 0 && chain.unitLoad > 0 && chain.axialStiffness > 0 && conductorLength > 0;
    const bool finite = std::isfinite(chain.span) && std::isfinite(chain.drop) && std::isfinite(chain.unitLoad)
                        && std::isfinite(chain.axialStiffness) && std::isfinite(conductorLength);
    if (!positive || !finite)
        chainFailed("悬链线校核:跨距、导线荷载、导线刚度EA和导线长度都必须大于0.");
    if (chain.loads.size() > maxPointLoads)
        chainFailed("悬链线校核:导线上的集中荷载多于" + std::to_string(maxPointLoads) + "个.");
    double previous = 0;
    for (const ChainPointLoad &p : chain.loads) {
        if (!(p.x > previous) || !(p.x < chain.span))
            chainFailed("悬链线校核:集中荷载的位置应在跨内并按从A到B的顺序排列.");
        previous = p.x;
    }
}

/// The largest distance below the chord: at a node, or inside a conductor
/// piece where its slope V/H equals the chord's.
double sagOf(const ChainSpan &chain, double H, const std::vector<ChainPiece> &pieces)
{
    const double chordSlope = chain.drop / chain.span;
    const auto belowChord = [&](double x, double y) { return y - chordSlope * x; };
    double sag = 0;
    for (const ChainPiece &piece : pieces) {
        sag = std::max({sag, belowChord(piece.x0, piece.y0), belowChord(piece.x1, piece.y1)});
        const double Vstar = H * chordSlope;
        if (piece.isString || !(piece.V0 > Vstar && piece.V1 < Vstar))
            continue;
        const double s = (piece.V0 - Vstar) / chain.unitLoad;
        const CatenaryProjection p = elasticCatenary(H, piece.V0, s, chain.unitLoad, chain.axialStiffness);
        sag = std::max(sag, belowChord(piece.x0 + p.dx, piece.y0 + p.dy));
    }
    return sag;
}

/// The conductor pieces' first lengths: shared out in proportion to the
/// horizontal distances between the ends of the strings and the point loads.
Vector startOf(const ChainSpan &chain, double conductorLength, const ChainGuess &guess)
{
    Vector u{};
    u[unknownH] = guess.H;
    u[unknownVA] = guess.VA;
    const double chord = std::hypot(chain.span, chain.drop);
    const double start = chain.stringA.length * chain.span / chord;
    const double end = chain.span - chain.stringB.length * chain.span / chord;
    const double conductorSpan = end - start;
    double previous = start;
    for (std::size_t j = 0; j < chain.loads.size(); ++j) {
        const double share = conductorSpan > 0 ? (chain.loads[j].x - previous) / conductorSpan : 0;
        u[firstPieceLength + j] = conductorLength * std::clamp(share, 0.01, 0.98);
        previous = chain.loads[j].x;
    }
    return u;
}

ChainSolution solveFrom(const ChainSpan &chain, double conductorLength, Vector u, int &iterations)
{
    const ChainModel model(chain, conductorLength);
    const int n = model.unknownCount();
    if (!model.feasible(u))
        chainFailed("悬链线校核:初值无效(水平张力应大于0).");
    Vector r{};
    Matrix J{};
    model.evaluate(u, r, J, nullptr);
    double norm = largestOf(r, n);
    // At least one step is taken: a start already within the tolerance (the
    // last shape of a slightly different length) is still refined, so that
    // the sag follows every change of the length.
    for (int step = 0; step < maxNewtonSteps; ++step) {
        if (step > 0 && norm <= closureTolerance * chain.span) {
            ChainSolution solution;
            solution.H = u[unknownH];
            solution.VA = u[unknownVA];
            solution.conductorLength = conductorLength;
            solution.iterations = step;
            model.evaluate(u, r, J, &solution.pieces);
            for (const ChainPiece &piece : solution.pieces)
                if (!piece.isString)
                    solution.stretchedLength +=
                        catenaryStretchedLength(solution.H, piece.V0, piece.length, chain.unitLoad, chain.axialStiffness);
            solution.sag = sagOf(chain, solution.H, solution.pieces);
            iterations += step;
            return solution;
        }
        Vector delta{};
        if (!solveLinear(J, r, n, delta))
            break;
        // Halve the step until it keeps every length and H positive and
        // brings the chain closer to B.
        bool improved = false;
        double factor = 1;
        for (int halving = 0; halving < maxStepHalvings && !improved; ++halving, factor /= 2) {
            Vector trial = u;
            for (int i = 0; i < n; ++i)
                trial[i] -= factor * delta[i];
            if (!model.feasible(trial))
                continue;
            Vector trialResidual{};
            Matrix trialJacobian{};
            model.evaluate(trial, trialResidual, trialJacobian, nullptr);
            const double trialNorm = largestOf(trialResidual, n);
            if (trialNorm < norm) {
                u = trial;
                r = trialResidual;
                J = trialJacobian;
                norm = trialNorm;
                improved = true;
            }
        }
        if (!improved)
            break;
    }
    chainFailed("悬链线校核:牛顿迭代" + std::to_string(maxNewtonSteps) + "步内未收敛.");
}

Vector unknownsOf(const ChainSolution &solution)
{
    Vector u{};
    u[unknownH] = solution.H;
    u[unknownVA] = solution.VA;
    int j = 0;
    for (const ChainPiece &piece : solution.pieces)
        if (!piece.isString && j < maxPointLoads)
            u[firstPieceLength + j++] = piece.length;
    return u;
}

/**
 * The chain whose conductor length brings \a miss to 0, by a secant
 * iteration on the length, each solve starting from the last shape. \a miss
 * must grow with the length and be roughly linear in it; \a settled says
 * when a solution is close enough.
 */
template <typename Miss, typename Settled>
ChainSolution secantOnLength(const ChainSpan &chain, double lengthGuess, const ChainGuess &guess, Miss miss,
                             Settled settled, const std::string &sought)
{
    int iterations = 0;
    double lengthA = lengthGuess;
    ChainSolution a = solveFrom(chain, lengthA, startOf(chain, lengthA, guess), iterations);
    double lengthB = lengthA * (1 + 1e-6);
    ChainSolution b = solveFrom(chain, lengthB, unknownsOf(a), iterations);
    for (int step = 0; step < maxSecantSteps; ++step) {
        if (settled(b)) {
            b.iterations = iterations;
            return b;
        }
        const double slope = (miss(b) - miss(a)) / (lengthB - lengthA);
        if (!(slope > 0) || !std::isfinite(slope))
            break;
        double next = lengthB - miss(b) / slope;
        // In a taut, stiff span the shape answers the length many times over:
        // once the step falls below what the closure resolves, the length is found.
        if (std::fabs(next - lengthB) <= lengthResolution * lengthB) {
            b.iterations = iterations;
            return b;
        }
        // A step may not shorten the conductor by more than half.
        next = std::max(next, lengthB / 2);
        const Vector start = unknownsOf(b);
        a = std::move(b);
        lengthA = lengthB;
        lengthB = next;
        b = solveFrom(chain, lengthB, start, iterations);
    }
    chainFailed("悬链线校核:" + std::to_string(maxSecantSteps) + "步内未能求得给定" + sought + "下的导线长度.");
}

} // namespace

ChainSolution solveChain(const ChainSpan &chain, double conductorLength, const ChainGuess &guess)
{
    checkChain(chain, conductorLength);
    int iterations = 0;
    ChainSolution solution = solveFrom(chain, conductorLength, startOf(chain, conductorLength, guess), iterations);
    solution.iterations = iterations;
    return solution;
}

ChainSolution solveChainForSag(const ChainSpan &chain, double sag, double lengthGuess, const ChainGuess &guess)
{
    checkChain(chain, lengthGuess);
    if (!(sag > 0) || !std::isfinite(sag))
        chainFailed("悬链线校核:弧垂必须大于0.");
    // The conductor's extra length over its chord grows nearly with the
    // square of the sag, so the secant steps along sag² against the length.
    return secantOnLength(
        chain, lengthGuess, guess, [sag](const ChainSolution &s) { return s.sag * s.sag - sag * sag; },
        [sag](const ChainSolution &s) { return std::fabs(s.sag - sag) <= sagTolerance * sag; }, "弧垂");
}

ChainSolution solveChainForTension(const ChainSpan &chain, double H, double lengthGuess, const ChainGuess &guess)
{
    checkChain(chain, lengthGuess);
    if (!(H > 0) || !std::isfinite(H))
        chainFailed("悬链线校核:水平张力必须大于0.");
    // The extra length over the chord falls nearly with 1/H², so the secant
    // steps along (H*/H)², which grows with the length, against it.
    return secantOnLength(
        chain, lengthGuess, guess, [H](const ChainSolution &s) { return (H / s.H) * (H / s.H) - 1; },
        [H](const ChainSolution &s) { return std::fabs(s.H - H) <= tensionTolerance * H; }, "水平张力");
}

} // namespace engine
