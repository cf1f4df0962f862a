#include "engine/stateequation.h"

#include "engine/calculationerror.h"
#include "engine/numberformatting.h"
#include "engine/units.h"

#include <cmath>

namespace engine {

namespace {

constexpr double g = newtonPerKgf;
constexpr int maxNewtonSteps = 200;

// A coefficient that is not a finite single-precision number has no report
// text; the message still names which one went wrong.
std::string coefficientText(double value)
{
    const auto stored = static_cast<float>(value);
    return std::isfinite(stored) ? formatNumber(stored, 3) : std::string("溢出");
}

[[noreturn]] void cubicFailed(double A, double Cm)
{
    throw CalculationError(CalculationError::Kind::CubicSolver,
                           "程序求解三次方程出错,A=" + coefficientText(A) + ", Cm=" + coefficientText(Cm));
}

/// The load state whose moment and load factor feed a column.
int stateOfColumn(int column)
{
    if (column < installationColumn)
        return column;
    return column < markingColumn ? installation : marking;
}

float temperatureOfColumn(const SpanData &span, int column)
{
    if (column < installationColumn)
        return span.temperature[column];
    const int i = column < markingColumn ? column - installationColumn : column - markingColumn;
    return span.markingTemperature[i];
}

/// The reference column's values against which every other column is solved.
struct Reference
{
    float Cn;
    float sigmaN;
    float thetaN;
};

/// Fixes a column by the control sag: f = controlSag, H = M/f, σ = H/S.
Reference fixBySag(const SpanData &span, StateEquationColumn &column)
{
    column[rowF] = span.controlSag;
    column[rowH] = storeFloat(double(column[rowM]) / span.controlSag, "水平张力H");
    column[rowSigmaM] = storeFloat(double(column[rowH]) / span.conductorArea, "应力σm");
    // A reference without stress (a span that carries no weight) leaves the
    // state equation without a scale: σn² divides every other column.
    requireDivisor(column[rowSigmaM], "导线荷载为零,无法求解状态方程,请检查导线及荷载数据.");
    for (int row : {rowCn, rowSigmaN, rowThetaN, rowDeltaTheta, rowB, rowA})
        column[row] = 0;
    return {column[rowCm], column[rowSigmaM], column[rowThetaM]};
}

float alphaEOf(const SpanData &span)
{
    return storeFloat(double(span.expansionCoefficient) * span.elasticModulus * 1e-6, "αE");
}

/// Rows 0, 1, 2 and 6 of a column: M and D of \a state, αE, and the temperature θm.
StateEquationColumn columnOfState(const SpanData &span, const StateResult &state, float xi, float alphaE,
                                  float temperature)
{
    StateEquationColumn column{};
    column[rowM] = storeFloat(double(state.maxMoment) * g, "M");
    column[rowCm] = storeFloat(span.cosGamma * (double(state.loadFactor) * g * g * xi * span.cosGamma), "Cm");
    column[rowAlphaE] = alphaE;
    column[rowThetaM] = temperature;
    return column;
}

void solveAgainst(const SpanData &span, const Reference &ref, StateEquationColumn &column)
{
    column[rowCn] = ref.Cn;
    column[rowSigmaN] = ref.sigmaN;
    column[rowThetaN] = ref.thetaN;
    column[rowDeltaTheta] = storeFloat(double(column[rowThetaM]) - ref.thetaN, "温差Δθ");
    column[rowB] = storeFloat(double(column[rowAlphaE]) * column[rowDeltaTheta] * span.cosGamma, "B");
    const double sigmaN = ref.sigmaN;
    column[rowA] = storeFloat(sigmaN - double(ref.Cn) / (sigmaN * sigmaN) - column[rowB], "A");
    column[rowSigmaM] = storeFloat(solveStateCubic(column[rowA], column[rowCm]), "应力σm");
    column[rowH] = storeFloat(double(column[rowSigmaM]) * span.conductorArea, "水平张力H");
    requireDivisor(column[rowH], "水平张力为零,无法计算弧垂.");
    column[rowF] = storeFloat(double(column[rowM]) / column[rowH], "弧垂f");
}

} // namespace

double solveStateCubic(double A, double Cm)
{
    if (!(Cm > 0) || !std::isfinite(A) || !std::isfinite(Cm))
        cubicFailed(A, Cm);
    double x = A < 0 ? std::sqrt(Cm / -A) : A + std::cbrt(Cm);
    for (int step = 0; step < maxNewtonSteps; ++step) {
        const double slope = 3 * x * x - 2 * A * x;
        if (!(x > 0) || slope == 0 || !std::isfinite(slope))
            break;
        const double next = x - (x * x * x - A * x * x - Cm) / slope;
        if (!std::isfinite(next))
            break;
        if (std::fabs(next - x) <= 0.001) {
            if (!(next > 0))
                break;
            return next;
        }
        x = next;
    }
    cubicFailed(A, Cm);
}

void solveStateEquations(const SpanData &span, CalculationResult &result)
{
    const double Lc = span.conductorSpan();
    if (!(Lc > 0))
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               "跨距应大于两侧绝缘子串水平投影长度之和,请检查输入数据.");
    requireDivisor(span.conductorArea, "导线截面必须大于零,无法计算.");
    if (!(span.controlSag > 0))
        throw CalculationError(CalculationError::Kind::Arithmetic, "允许弧垂必须大于0,无法计算.");

    const double S = span.conductorArea;
    const double cosGamma = span.cosGamma;
    const float xi = storeFloat(span.elasticModulus * cosGamma / (2 * S * S * Lc), "导线特性系数ξ");
    result.conductorCoefficient = xi;
    const float alphaE = alphaEOf(span);

    auto &table = result.stateEquation;
    for (int c = 0; c < stateEquationColumnCount; ++c)
        table[c] = columnOfState(span, result.states[stateOfColumn(c)], xi, alphaE, temperatureOfColumn(span, c));

    // The maximum-temperature state at the control sag is tried as the
    // reference; when the maximum-load sag then exceeds the control sag, the
    // maximum-load state governs instead and the hot state is solved from it.
    Reference reference = fixBySag(span, table[maxTemperature]);
    result.referenceColumn = maxTemperature;
    solveAgainst(span, reference, table[maxLoad]);
    if (table[maxLoad][rowF] > span.controlSag) {
        reference = fixBySag(span, table[maxLoad]);
        result.referenceColumn = maxLoad;
        solveAgainst(span, reference, table[maxTemperature]);
    }
    for (int c = maxWind; c < stateEquationColumnCount; ++c)
        solveAgainst(span, reference, table[c]);
}

StateEquationColumn solveStateColumn(const SpanData &span, const CalculationResult &result,
                                     const StateResult &loads, float temperature)
{
    StateEquationColumn column =
        columnOfState(span, loads, result.conductorCoefficient, alphaEOf(span), temperature);
    const StateEquationColumn &reference = result.stateEquation[result.referenceColumn];
    solveAgainst(span, {reference[rowCm], reference[rowSigmaM], reference[rowThetaM]}, column);
    return column;
}

float phaseTension(const SpanData &span, const StateEquationColumn &column, const char *what)
{
    return storeFloat(double(column[rowH]) * span.bundleCount * 0.001, what);
}

int governingColumn(const CalculationResult &result, int state)
{
    if (state != installation && state != marking)
        return state;
    const int first = state == installation ? installationColumn : markingColumn;
    int governing = first;
    for (int c = first + 1; c < first + markingTemperatureCount; ++c)
        if (result.stateEquation[c][rowH] > result.stateEquation[governing][rowH])
            governing = c;
    return governing;
}

double governingTension(const CalculationResult &result, int state)
{
    return result.stateEquation[governingColumn(result, state)][rowH];
}

} // namespace engine
