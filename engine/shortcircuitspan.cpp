#include "engine/shortcircuitspan.h"

#include "engine/calculationerror.h"
#include "engine/numberformatting.h"
#include "engine/shortcircuitstatictension.h"

#include <cmath>

namespace engine {

namespace {

/// Where the standard's simplified method was shown to hold.
constexpr double maxSpan_m = 120;
constexpr double maxSagShare = 0.08;
constexpr double maxHeightShare = 0.25;

void requirePositive(const std::optional<double> &value, const char *quantity)
{
    if (value && (!(*value > 0) || !std::isfinite(*value)))
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               std::string("短路计算的") + quantity + "必须是大于0的数值.");
}

ShortCircuitInputs inputsOfSpan(const SpanData &span, const StateResult &windless, const ShortCircuitSettings &settings)
{
    ShortCircuitInputs in;
    in.initialCurrent_A = settings.initialCurrent_A;
    in.firstDuration_s = settings.firstDuration_s;
    in.phaseSpacing_m = settings.phaseSpacing_m;
    in.springConstant_N_m = settings.springConstant_N_m;
    in.thermalStrainConstant = settings.thermalStrainConstant;
    // The span's single-precision values as the decimals they were typed as.
    in.span_m = shortestDouble(span.spanLength);
    in.stringLength_m = 0.5 * (shortestDouble(span.stringA.length) + shortestDouble(span.stringB.length));
    in.subConductors = span.bundleCount;
    in.subConductorArea_m2 = shortestDouble(span.conductorArea) / 1e6;
    in.subConductorDiameter_m = shortestDouble(span.conductorDiameter) / 1e3;
    in.elasticModulus_N_m2 = shortestDouble(span.elasticModulus) * 1e6;
    const double cordLength = in.cordLength_m();
    if (!(cordLength > 0))
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               "短路计算要求两侧绝缘子串长度之和小于跨距,请检查输入数据.");
    in.massPerLength_kg_m = shortCircuitMassPerLength(span, windless, cordLength);
    in.subConductorSpacing_m = settings.subConductorSpacing_m;
    in.spacerDistance_m = span.subSpan > 0 ? shortestDouble(span.subSpan) : cordLength;
    return in;
}

std::vector<std::string> validityWarnings(const SpanData &span, const ShortCircuitResult &result)
{
    std::vector<std::string> warnings;
    const double l = span.spanLength;
    if (l > maxSpan_m)
        warnings.push_back("跨距大于120m,超出短路力简化计算方法的适用范围(约120m以内).");
    for (const ShortCircuitTemperatureCase &c : result.cases) {
        if (c.values.staticSag_m > maxSagShare * l) {
            warnings.push_back("等效静态弧垂大于跨距的8%,超出短路力简化计算方法的适用范围.");
            break;
        }
    }
    if (std::fabs(double(span.heightDifference)) > maxHeightShare * l)
        warnings.push_back("高差大于跨距的25%,按标准应视为垂直连接,短路力仍按水平跨线计算.");
    return warnings;
}

} // namespace

double shortCircuitMassPerLength(const SpanData &span, const StateResult &windless, double cordLength_m)
{
    // The unit load holds the conductor and its spacers per metre of
    // horizontal span; times cos γ it is per metre of conductor again.
    double leads = 0;
    for (const float lead : windless.leadLoad)
        leads += lead;
    return double(windless.conductorLoad) * span.cosGamma + 0.5 * leads / cordLength_m;
}

ShortCircuitResult shortCircuitOfSpan(const CalculationResult &result, const ShortCircuitSettings &settings)
{
    requirePositive(settings.frequency_Hz, "系统频率f");
    requirePositive(settings.staticTensionMin_N, "最低温度静态张力Fst");
    requirePositive(settings.staticTensionMax_N, "最高温度静态张力Fst");
    const SpanData &span = result.span;

    ShortCircuitResult out;
    out.settings = settings;
    out.inputs = inputsOfSpan(span, windlessLoads(span, minTemperature), settings);
    const std::array<std::pair<int, std::optional<double>>, 2> temperatures{
        {{minTemperature, settings.staticTensionMin_N}, {maxTemperature, settings.staticTensionMax_N}}};
    for (std::size_t k = 0; k < temperatures.size(); ++k) {
        const auto &[state, typed] = temperatures[k];
        ShortCircuitTemperatureCase &c = out.cases[k];
        c.state = state;
        c.temperature_degC = span.temperature[state];
        c.staticTensionTyped = typed.has_value();
        c.values = shortCircuitCase(out.inputs, typed ? *typed : staticTension(span, result, state));
    }
    out.governingCase = out.cases[1].values.designLoad_N > out.cases[0].values.designLoad_N ? 1 : 0;
    out.designLoad_N = out.cases[out.governingCase].values.designLoad_N;
    out.minimumClearance_m = std::fmin(out.cases[0].values.minimumClearance_m, out.cases[1].values.minimumClearance_m);
    out.thermal =
        thermalWithstand(settings.initialCurrent_A, settings.thermalDuration_s.value_or(settings.firstDuration_s),
                         settings.thermalCoefficient, span.bundleCount, span.conductorArea);
    out.warnings = validityWarnings(span, out);
    return out;
}

} // namespace engine
