#include "options/model/shortcircuitoptions.h"

#include "engine/numberconversion.h"
#include "engine/numberformatting.h"
#include "engine/thermalstrainconstant.h"
#include "options/model/blanktext.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace options {

namespace {

/// c_th is typed in units of 10⁻¹⁸ m⁴/(A²·s).
constexpr int thermalStrainExponent = -18;

struct FieldDescription
{
    const char *label;
    const char *jsonKey;
    std::string ShortCircuitOptions::*text;
    int toSiExponent;       ///< the engine's value is the typed one times 10 to this power
    const char *blankMeans; ///< what a blank text means; nullptr where it must be given
    /// The refusal's own words where "应为大于0的数值" and the blank's meaning do not say it.
    const char *rule = nullptr;
};

constexpr std::array<FieldDescription, shortCircuitFieldCount> fields = {{
    {"短路电流I″k3(kA)", "initialCurrent_kA", &ShortCircuitOptions::initialCurrent, 3, "不进行短路计算"},
    {"首次短路持续时间Tk1(s)", "firstDuration_s", &ShortCircuitOptions::firstDuration, 0, nullptr},
    {"热稳定短路持续时间Tk(s)", "thermalDuration_s", &ShortCircuitOptions::thermalDuration, 0, "取Tk1"},
    {"系统频率f(Hz)", "frequency_Hz", &ShortCircuitOptions::frequency, 0, nullptr},
    {"支持结构弹性系数S(kN/m)", "springConstant_kN_m", &ShortCircuitOptions::springConstant, 3, "由SA、SB求得",
     "应为大于0的数值;留空时填写两侧的SA和SB"},
    {"A侧支持结构弹性系数SA(kN/m)", "springConstantA_kN_m", &ShortCircuitOptions::springConstantA, 3, "填S时留空",
     "应为大于0的数值,且只在S留空时填写"},
    {"B侧支持结构弹性系数SB(kN/m)", "springConstantB_kN_m", &ShortCircuitOptions::springConstantB, 3, "填S时留空",
     "应为大于0的数值,且只在S留空时填写"},
    {"次导线间距as(m)", "subConductorSpacing_m", &ShortCircuitOptions::subConductorSpacing, 0, "不判断子导线收缩力"},
    {"热应变系数cth(10⁻¹⁸m⁴/(A²·s))", "thermalStrainConstant_1e-18_m4_per_A2s",
     &ShortCircuitOptions::thermalStrainConstant, thermalStrainExponent, "按导线确定"},
    {"热稳定系数C(A·√s/mm²)", "thermalConstant_A_sqrts_per_mm2", &ShortCircuitOptions::thermalConstant, 0, nullptr},
    {"最低温度静态张力Fst(kN)", "staticTensionMin_kN", &ShortCircuitOptions::staticTensionMin, 3, "按状态方程计算"},
    {"最高温度静态张力Fst(kN)", "staticTensionMax_kN", &ShortCircuitOptions::staticTensionMax, 3, "按状态方程计算"},
}};

const FieldDescription &describe(ShortCircuitField field)
{
    return fields.at(static_cast<std::size_t>(field));
}

/// \a typed · 10^\a exponent; a negative power divides, so that 0.27 · 10⁻¹⁸ is the double nearest 2.7e-19.
double toSi(double typed, int exponent)
{
    const double power = std::pow(10.0, std::abs(exponent));
    return exponent < 0 ? typed / power : typed * power;
}

/// The typed value in the engine's unit; nothing for a blank text.
/// @throws std::invalid_argument for a text that is not a number greater than 0
std::optional<double> siValue(const ShortCircuitOptions &options, ShortCircuitField field)
{
    const FieldDescription &description = describe(field);
    const std::string &text = options.*description.text;
    if (isBlankText(text)) {
        if (description.blankMeans)
            return std::nullopt;
        throw std::invalid_argument(badShortCircuitFieldMessage(field));
    }
    double value = 0;
    try {
        value = toSi(engine::toNumber(text), description.toSiExponent);
    } catch (const std::exception &) {
        throw std::invalid_argument(badShortCircuitFieldMessage(field));
    }
    if (!(value > 0) || !std::isfinite(value))
        throw std::invalid_argument(badShortCircuitFieldMessage(field));
    return value;
}

} // namespace

ShortCircuitOptions::ShortCircuitOptions()
    : thermalConstant(engine::formatGeneral(engine::defaultThermalCoefficient))
{}

const char *shortCircuitFieldLabel(ShortCircuitField field)
{
    return describe(field).label;
}

const char *shortCircuitFieldKey(ShortCircuitField field)
{
    return describe(field).jsonKey;
}

std::string &shortCircuitFieldText(ShortCircuitOptions &options, ShortCircuitField field)
{
    return options.*describe(field).text;
}

const std::string &shortCircuitFieldText(const ShortCircuitOptions &options, ShortCircuitField field)
{
    return options.*describe(field).text;
}

const char *shortCircuitBlankMeaning(ShortCircuitField field)
{
    return describe(field).blankMeans;
}

bool isShortCircuitAsked(const ShortCircuitOptions &options)
{
    return !isBlankText(options.initialCurrent);
}

std::optional<ShortCircuitField> firstBadShortCircuitField(const ShortCircuitOptions &options)
{
    if (!isShortCircuitAsked(options))
        return std::nullopt;
    for (int i = 0; i < shortCircuitFieldCount; ++i) {
        const auto field = static_cast<ShortCircuitField>(i);
        try {
            siValue(options, field);
        } catch (const std::invalid_argument &) {
            return field;
        }
    }
    // S, or S_A and S_B: one way, so that no figure typed is left unused.
    const bool bothSupports = !isBlankText(options.springConstantA) && !isBlankText(options.springConstantB);
    if (isBlankText(options.springConstant)) {
        if (!bothSupports)
            return ShortCircuitField::springConstant;
    } else if (!isBlankText(options.springConstantA)) {
        return ShortCircuitField::springConstantA;
    } else if (!isBlankText(options.springConstantB)) {
        return ShortCircuitField::springConstantB;
    }
    return std::nullopt;
}

std::string badShortCircuitFieldMessage(ShortCircuitField field)
{
    const FieldDescription &description = describe(field);
    const std::string message = std::string("短路计算: “") + description.label + "”";
    if (description.rule)
        return message + description.rule + ".";
    return message + "应为大于0的数值"
           + (description.blankMeans ? std::string(",留空则") + description.blankMeans + "." : ".");
}

std::optional<engine::ShortCircuitSettings> shortCircuitSettings(const ShortCircuitOptions &options,
                                                                 const ClearanceOptions &layout,
                                                                 const std::string &conductorDesignation)
{
    if (!isShortCircuitAsked(options))
        return std::nullopt;
    if (const auto bad = firstBadShortCircuitField(options))
        throw std::invalid_argument(badShortCircuitFieldMessage(*bad));
    const std::optional<double> phaseSpacing = typedPhaseSpacing(layout);
    if (!phaseSpacing)
        throw std::invalid_argument(badClearanceFieldMessage(ClearanceField::phaseSpacing));
    using Field = ShortCircuitField;
    const auto value = [&options](Field field) { return siValue(options, field); };
    engine::ShortCircuitSettings settings;
    settings.initialCurrent_A = *value(Field::initialCurrent);
    settings.firstDuration_s = *value(Field::firstDuration);
    settings.thermalDuration_s = value(Field::thermalDuration);
    settings.frequency_Hz = *value(Field::frequency);
    settings.phaseSpacing_m = *phaseSpacing;
    if (const std::optional<double> typed = value(Field::springConstant)) {
        settings.springConstant_N_m = *typed;
    } else {
        // The two supports yield in series.
        const double a = *value(Field::springConstantA);
        const double b = *value(Field::springConstantB);
        settings.springConstant_N_m = 1 / (1 / a + 1 / b);
        settings.supportSpringConstants_N_m = std::array<double, 2>{a, b};
    }
    settings.subConductorSpacing_m = value(Field::subConductorSpacing);
    if (const std::optional<double> typed = value(Field::thermalStrainConstant)) {
        settings.thermalStrainConstant = *typed;
    } else if (const auto chosen = engine::thermalStrainConstantOf(conductorDesignation)) {
        settings.thermalStrainConstant = chosen->constant;
        settings.thermalStrainBasis = chosen->basis;
    } else {
        throw std::invalid_argument(noThermalStrainConstantMessage(conductorDesignation));
    }
    settings.thermalCoefficient = *value(Field::thermalConstant);
    settings.staticTensionMin_N = value(Field::staticTensionMin);
    settings.staticTensionMax_N = value(Field::staticTensionMax);
    return settings;
}

std::string noThermalStrainConstantMessage(const std::string &conductorDesignation)
{
    return "短路计算: 导线型号“" + conductorDesignation + "”看不出铝钢截面比,请填写“"
           + describe(ShortCircuitField::thermalStrainConstant).label + "”.";
}

} // namespace options
