#include "options/model/clearanceoptions.h"

#include "engine/numberconversion.h"
#include "options/model/blanktext.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace options {

namespace {

struct FieldDescription
{
    const char *label;
    const char *jsonKey;
    std::string ClearanceOptions::*text;
    const char *blankMeans; ///< what a blank number means; nullptr for the free text
};

constexpr std::array<FieldDescription, clearanceFieldCount> fields = {{
    {"相间距离a(m)", "phaseSpacing_m", &ClearanceOptions::phaseSpacing,
     "不校核风偏后的相间距离,也不能进行短路计算"},
    {"边相至接地部分水平距离c(m)", "earthDistance_m", &ClearanceOptions::earthDistance, "不校核风偏后的对地距离"},
    {"相导线外缘半宽r(m)", "halfWidth_m", &ClearanceOptions::halfWidth, "单根导线取其半径"},
    {"雷电电压相间要求距离(m)", "phaseToPhaseLightning_m", &ClearanceOptions::phaseToPhaseLightning, "不校核"},
    {"操作电压相间要求距离(m)", "phaseToPhaseSwitching_m", &ClearanceOptions::phaseToPhaseSwitching, "不校核"},
    {"工频电压相间要求距离(m)", "phaseToPhasePowerFrequency_m", &ClearanceOptions::phaseToPhasePowerFrequency,
     "不校核"},
    {"短路相间要求距离(m)", "phaseToPhaseShortCircuit_m", &ClearanceOptions::phaseToPhaseShortCircuit, "不校核"},
    {"雷电电压对地要求距离(m)", "phaseToEarthLightning_m", &ClearanceOptions::phaseToEarthLightning, "不校核"},
    {"操作电压对地要求距离(m)", "phaseToEarthSwitching_m", &ClearanceOptions::phaseToEarthSwitching, "不校核"},
    {"工频电压对地要求距离(m)", "phaseToEarthPowerFrequency_m", &ClearanceOptions::phaseToEarthPowerFrequency,
     "不校核"},
    {"短路对地要求距离(m)", "phaseToEarthShortCircuit_m", &ClearanceOptions::phaseToEarthShortCircuit, "不校核"},
    {"距离取值依据", "codeReference", &ClearanceOptions::codeReference, nullptr},
}};

const FieldDescription &describe(ClearanceField field)
{
    return fields.at(static_cast<std::size_t>(field));
}

/// The typed number; nothing for a blank text.
/// @throws std::invalid_argument for a text that is not a number greater than 0
std::optional<double> value(const ClearanceOptions &options, ClearanceField field)
{
    const std::string &text = options.*describe(field).text;
    if (isBlankText(text))
        return std::nullopt;
    double number = 0;
    try {
        number = engine::toNumber(text);
    } catch (const std::exception &) {
        throw std::invalid_argument(badClearanceFieldMessage(field));
    }
    if (!(number > 0) || !std::isfinite(number))
        throw std::invalid_argument(badClearanceFieldMessage(field));
    return number;
}

bool anyGiven(const ClearanceOptions &options, std::initializer_list<ClearanceField> list)
{
    for (const ClearanceField field : list) {
        if (!isBlankText(clearanceFieldText(options, field)))
            return true;
    }
    return false;
}

} // namespace

const char *clearanceFieldLabel(ClearanceField field)
{
    return describe(field).label;
}

const char *clearanceFieldKey(ClearanceField field)
{
    return describe(field).jsonKey;
}

std::string &clearanceFieldText(ClearanceOptions &options, ClearanceField field)
{
    return options.*describe(field).text;
}

const std::string &clearanceFieldText(const ClearanceOptions &options, ClearanceField field)
{
    return options.*describe(field).text;
}

bool isClearanceAsked(const ClearanceOptions &options)
{
    for (const FieldDescription &description : fields) {
        if (description.text != &ClearanceOptions::phaseSpacing && !isBlankText(options.*description.text))
            return true;
    }
    return false;
}

std::optional<ClearanceField> firstBadClearanceField(const ClearanceOptions &options, bool shortCircuitAsked,
                                                     bool bundled)
{
    using Field = ClearanceField;
    for (int i = 0; i < clearanceFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (field == Field::codeReference)
            continue;
        try {
            value(options, field);
        } catch (const std::invalid_argument &) {
            return field;
        }
    }
    if (isBlankText(options.phaseSpacing)
        && (shortCircuitAsked
            || anyGiven(options, {Field::phaseToPhaseLightning, Field::phaseToPhaseSwitching,
                                  Field::phaseToPhasePowerFrequency})))
        return Field::phaseSpacing;
    if (isBlankText(options.earthDistance)
        && anyGiven(options, {Field::phaseToEarthLightning, Field::phaseToEarthSwitching,
                              Field::phaseToEarthPowerFrequency, Field::phaseToEarthShortCircuit}))
        return Field::earthDistance;
    if (bundled && isBlankText(options.halfWidth)
        && anyGiven(options, {Field::phaseToPhaseLightning, Field::phaseToPhaseSwitching,
                              Field::phaseToPhasePowerFrequency, Field::phaseToPhaseShortCircuit,
                              Field::phaseToEarthLightning, Field::phaseToEarthSwitching,
                              Field::phaseToEarthPowerFrequency, Field::phaseToEarthShortCircuit}))
        return Field::halfWidth;
    return std::nullopt;
}

std::string badClearanceFieldMessage(ClearanceField field)
{
    const FieldDescription &description = describe(field);
    return std::string("电气距离校验: “") + description.label + "”应为大于0的数值,留空则" + description.blankMeans
           + ".";
}

std::optional<double> typedPhaseSpacing(const ClearanceOptions &options)
{
    return value(options, ClearanceField::phaseSpacing);
}

std::optional<engine::ClearanceSettings> clearanceSettings(const ClearanceOptions &options, bool bundled)
{
    if (!isClearanceAsked(options))
        return std::nullopt;
    if (const auto bad = firstBadClearanceField(options, false, bundled))
        throw std::invalid_argument(badClearanceFieldMessage(*bad));
    using Field = ClearanceField;
    engine::ClearanceSettings settings;
    settings.phaseSpacing_m = value(options, Field::phaseSpacing);
    settings.earthDistance_m = value(options, Field::earthDistance);
    settings.halfWidth_m = value(options, Field::halfWidth);
    settings.phaseToPhase_m = {value(options, Field::phaseToPhaseLightning),
                               value(options, Field::phaseToPhaseSwitching),
                               value(options, Field::phaseToPhasePowerFrequency),
                               value(options, Field::phaseToPhaseShortCircuit)};
    settings.phaseToEarth_m = {value(options, Field::phaseToEarthLightning), value(options, Field::phaseToEarthSwitching),
                               value(options, Field::phaseToEarthPowerFrequency),
                               value(options, Field::phaseToEarthShortCircuit)};
    settings.codeReference = options.codeReference;
    return settings;
}

} // namespace options
