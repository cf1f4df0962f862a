#include "app/model/plausibilitycheck.h"

#include "common/checkmessages.h"
#include "engine/calculationerror.h"
#include "engine/inputfields.h"
#include "engine/loadstate.h"
#include "engine/numberformatting.h"
#include "engine/spandata.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace app {

namespace {

constexpr int leadCount = 4;
constexpr float maxBundleCount = 8;

// The bounds of the inputs, each written once. A refusal bound marks what no
// real span can have; a usual range marks what a substation strain span
// rarely has, so that the user is asked before it is computed (a paste that
// turned 36 m into 2201 m computes without a word otherwise).

/// Colder than any air measured on Earth (-89.2 ℃, Vostok 1983): no design
/// condition, no stringing temperature.
constexpr float lowestTemperature_degC = -90;
/// Hotter than any bare conductor may get even in a short circuit (aluminium
/// and steel-cored aluminium 200 ℃, copper 300 ℃); the conductor has lost its
/// strength there.
constexpr float highestTemperature_degC = 300;
/// Stronger than any gust measured (113 m/s, Barrow Island 1996).
constexpr float highestWindSpeed_mps = 120;
/// A conductor hung under its own weight alone sags f = w·L²/(8·H); H is at
/// most its breaking load, so f ≥ L²/(8·Lb) with Lb the breaking length
/// (breaking load over weight per metre). The catalogue's conductors reach
/// 7..12 km and even the strongest steel wire (1960 N/mm², 7.85 g/cm³) about
/// 25 km; strings and loads only add sag. A smaller sag cannot be strung.
constexpr double longestBreakingLength_m = 30000;
/// Twice the longest span ever strung (5376 m, the Ameralik fjord crossing):
/// beyond, a span is a mistyped figure, not a conductor.
constexpr double longestSpan_m = 10000;

/// The handbook advises a control sag of 1/30..1/15 of the span; a tight or
/// slack span may go twice beyond either end before it is questioned
/// (the tight-sag case, 0.8 m on 36 m = 1/45, lies within).
constexpr double tightestSagRatio = 1.0 / 60;
constexpr double slackestSagRatio = 2.0 / 15;
/// One bay of a 35 kV yard up to a line entry across several bays of a
/// 500 kV yard; beyond lie transmission-line spans, which the beam method
/// does not describe.
constexpr float shortestUsualSpan_m = 10;
constexpr float longestUsualSpan_m = 200;
/// The coldest design zones of China take -40 ℃ (record -52.3 ℃ at Mohe);
/// heat-resistant alloy conductors run at up to 150 ℃.
constexpr float coldestUsualTemperature_degC = -50;
constexpr float hottestUsualTemperature_degC = 150;
/// Stringing happens in the open air.
constexpr float hottestUsualStringingTemperature_degC = 50;
/// Design winds of Chinese substations stay near 40 m/s even on typhoon coasts.
constexpr float strongestUsualWind_mps = 50;
/// Stranded conductors: all-aluminium about 55 000, steel-cored 60 000..105 000,
/// steel strand up to steel's own 206 000 N/mm².
constexpr float lowestUsualModulus_Nmm2 = 40000;
constexpr float highestUsualModulus_Nmm2 = 210000;
/// Between steel (11.5) and aluminium (23) per ℃, in 10⁻⁶.
constexpr float lowestUsualExpansion = 10;
constexpr float highestUsualExpansion = 25;
/// Weight per metre over cross-section: between aluminium (2.7 g/cm³) and
/// copper (8.9 g/cm³); kg/m per mm² times 1000 gives g/cm³.
constexpr double lightestUsualDensity_gcm3 = 2.5;
constexpr double heaviestUsualDensity_gcm3 = 9;

/// Disc counts of a tension string of standard discs (146..155 mm) for a
/// voltage: from the suspension strings of clean air below 1000 m (35 kV 3,
/// 66 kV 5, 110 kV 7, 220 kV 13, 330 kV 17, 500 kV 25 discs) up to about
/// 1.7 times that for tension strings in heavy pollution or at altitude.
/// Fewer discs, or many more, suggest a string or a voltage picked wrong.
/// 10, 20, 750 and 1000 kV strings vary too much by design to question.
struct UsualDiscCount
{
    int voltage_kV;
    int fewest;
    int most;
};
constexpr UsualDiscCount usualDiscCounts[] = {
    {35, 3, 6}, {60, 5, 9}, {110, 7, 12}, {220, 13, 22}, {330, 17, 29}, {500, 25, 42}};

/// The presence boxes of the drop-down leads P1..P4.
constexpr std::array<PresenceBox, leadCount> leadBoxes{
    PresenceBox::CheckBox_yx1, PresenceBox::CheckBox_yx2, PresenceBox::CheckBox_yx3,
    PresenceBox::CheckBox_yx4};

std::string leadName(int lead) { return "P" + std::to_string(lead + 1); }

/// The geometry of the span as the check sees it, in metres, single precision.
struct SpanGeometry
{
    float span = 0;                        ///< L
    float stringA = 0;                     ///< a, length of string A
    float stringB = 0;                     ///< b, length of string B
    std::array<float, leadCount> position{}; ///< x1..x4 from structure A; a cleared lead adds 0
};

SpanGeometry readGeometry(const engine::CalculationInput &input)
{
    using namespace engine;
    SpanGeometry geometry;
    // mm to m in double, then rounded once, as the engine does.
    geometry.stringA = static_cast<float>(slotNumber(input, slot::stringA + stringLength) * 0.001);
    geometry.stringB = static_cast<float>(slotNumber(input, slot::stringB + stringLength) * 0.001);
    // Each lead's distance counts from the lead before it; the assembly puts
    // "0" into a cleared lead, so it adds nothing to the running sum.
    float position = 0;
    for (int lead = 0; lead < leadCount; ++lead) {
        position += slotNumber(input, leadSlot(leadP1 + lead, relativeDistance));
        geometry.position[lead] = position;
    }
    geometry.span = slotNumber(input, slot::spanLength);
    return geometry;
}

/// The first refusal of the span's geometry, or an empty text when it is sound.
std::string geometryFault(const SpanGeometry &geometry, const std::array<bool, leadCount> &ticked)
{
    if (!(geometry.stringA > 0))
        return "左绝缘子串长度应大于0,请修改.";
    if (!(geometry.stringB > 0))
        return "右侧绝缘子串长度应大于0,请修改.";
    // Without this the conductor between the strings would have no length;
    // the lead check below only catches it when a lead is ticked.
    if (!(geometry.stringA + geometry.stringB < geometry.span))
        return "两侧绝缘子串长度之和应小于跨距,请修改.";
    for (int lead = 0; lead < leadCount; ++lead) {
        if (ticked[lead] && !(geometry.position[lead] > geometry.stringA))
            return "引下线" + leadName(lead) + "距离左侧的位置应大于左绝缘子串长度,请修改.";
    }
    // Two leads at one point would make a beam segment of zero length.
    int previous = -1;
    for (int lead = 0; lead < leadCount; ++lead) {
        if (!ticked[lead])
            continue;
        if (previous >= 0 && geometry.position[lead] == geometry.position[previous])
            return "引下线" + leadName(lead) + "与" + leadName(previous) + "的位置相同,请修改.";
        previous = lead;
    }
    // Positions count from structure A, so string B starts at L - b; string
    // A is already behind every lead. A lead on that point would again leave
    // a segment of zero length.
    if (!(geometry.position[leadCount - 1] < geometry.span - geometry.stringB))
        return "引下线之间的距离相加超出档距以外,请修改.";
    return {};
}

/// Fields that hold a weight, a wind area, a diameter, a length or a speed.
std::vector<int> nonNegativeSlots()
{
    using namespace engine;
    std::vector<int> slots{slot::conductorDiameter, slot::conductorUnitWeight, slot::subSpan,
                           slot::spacerWeight, slot::iceThickness};
    for (int condition = 0; condition < conditionCount; ++condition)
        slots.push_back(slot::conditionWindSpeed + condition);
    for (const int string : {slot::stringA, slot::stringB}) {
        for (const int field : {stringWeight, stringIcedWeight, stringWindArea, stringIcedWindArea})
            slots.push_back(string + field);
    }
    for (int lead = 0; lead < engine::leadCount; ++lead) {
        for (int field = leadUnitWeight; field <= fittingWeight; ++field)
            slots.push_back(leadSlot(lead, field));
    }
    return slots;
}

std::vector<int> temperatureSlots()
{
    using namespace engine;
    std::vector<int> slots;
    for (int condition = 0; condition < conditionCount; ++condition)
        slots.push_back(slot::conditionTemperature + condition);
    for (int marking = 0; marking < markingTemperatureCount; ++marking)
        slots.push_back(slot::markingTemperature + marking);
    return slots;
}

/// A bound or a typed value as the messages print it.
std::string numberText(double value) { return engine::formatGeneral(value); }

/// The wind-speed slots of the nine design conditions.
std::vector<int> windSpeedSlots()
{
    std::vector<int> slots;
    for (int condition = 0; condition < engine::conditionCount; ++condition)
        slots.push_back(engine::slot::conditionWindSpeed + condition);
    return slots;
}

/// The first fault of the control sag against the span, or an empty text.
std::string sagFault(const engine::CalculationInput &input)
{
    using namespace engine;
    const double span = slotNumber(input, slot::spanLength);
    const double sag = slotNumber(input, slot::controlSag);
    if (span > longestSpan_m)
        return fieldLabel(slot::spanLength) + "为" + input[slot::spanLength] + "m,超过任何导线跨越的长度(不超过"
               + numberText(longestSpan_m) + "m),请修改.";
    if (!(sag < span))
        return "控制弧垂f(m)应小于跨距L(m),请修改.";
    const double leastSag = span * span / (8 * longestBreakingLength_m);
    if (sag < leastSag) {
        // Rounded up, so that the printed least sag is itself accepted; the
        // factor keeps 0.0054 from rounding up to 0.0055 through binary noise.
        const double shown = std::ceil(leastSag * 1e4 * (1 - 1e-12)) / 1e4;
        return "控制弧垂f(m)过小: 跨距" + input[slot::spanLength] + "m的导线即使拉到拉断也有" + numberText(shown)
               + "m以上的弧垂,请修改.";
    }
    return {};
}

/**
 * The first value no real span can have, or an empty text. Unusual values
 * (a very long span, a hot conductor, a strong wind) pass here and are
 * questioned by implausibleValues(): only what has no physical meaning is
 * refused, because the engine would compute "results" from it without a word.
 */
std::string physicalFault(const engine::CalculationInput &input)
{
    using namespace engine;
    if (std::string fault = sagFault(input); !fault.empty())
        return fault;
    const float maintenancePoint = slotNumber(input, slot::maintenancePoint);
    if (!(maintenancePoint >= 0 && maintenancePoint <= slotNumber(input, slot::spanLength)))
        return fieldLabel(slot::maintenancePoint) + "应在0与跨距L(m)之间,请修改.";
    for (const int slotIndex : nonNegativeSlots()) {
        // A load field the user left empty makes the load weigh nothing.
        if (!input[slotIndex].empty() && slotNumber(input, slotIndex) < 0)
            return fieldLabel(slotIndex) + "不能为负值,请修改.";
    }
    for (const int slotIndex : windSpeedSlots()) {
        if (slotNumber(input, slotIndex) > highestWindSpeed_mps)
            return fieldLabel(slotIndex) + "不能大于" + numberText(highestWindSpeed_mps)
                   + "m/s(超过实测到的最大风速),请修改.";
    }
    for (const int slotIndex : temperatureSlots()) {
        const float temperature = slotNumber(input, slotIndex);
        if (temperature < lowestTemperature_degC)
            return fieldLabel(slotIndex) + "不能低于" + numberText(lowestTemperature_degC)
                   + "℃(低于地球上测到的最低气温),请修改.";
        if (temperature > highestTemperature_degC)
            return fieldLabel(slotIndex) + "不能高于" + numberText(highestTemperature_degC)
                   + "℃(超过裸导线短路时的最高允许温度),请修改.";
    }
    for (const int slotIndex : {slot::elasticModulus, slot::conductorArea}) {
        if (!(slotNumber(input, slotIndex) > 0))
            return fieldLabel(slotIndex) + "应大于0,请修改.";
    }
    // The strands fill less than the circle of the outer diameter; a larger
    // area is usually a diameter and an area typed into each other's boxes.
    const double diameter = slotNumber(input, slot::conductorDiameter);
    const double circle = std::numbers::pi * diameter * diameter / 4;
    if (slotNumber(input, slot::conductorArea) > circle)
        return fieldLabel(slot::conductorArea) + "不能大于" + fieldLabel(slot::conductorDiameter) + "所围的圆面积"
               + numberText(std::floor(circle * 10) / 10) + "mm2,请修改.";
    // The engine divides every load by the bundle count as an integer, so
    // 0.9 would become 0 sub-conductors; no bundle has more than 8.
    const float bundle = slotNumber(input, slot::bundleCount);
    if (!(bundle >= 1))
        return "分裂根数应不小于1,请修改.";
    if (bundle > maxBundleCount)
        return "分裂根数不能大于8,请修改.";
    return {};
}

/// "<field>为<value><unit>,常用<range>" for one questioned value.
std::string unusualLine(int slotIndex, const engine::CalculationInput &input, const std::string &unit,
                        const std::string &usual)
{
    return engine::fieldLabel(slotIndex) + "为" + input[slotIndex] + unit + ",常用" + usual;
}

std::string rangeText(double low, double high, const std::string &unit)
{
    return numberText(low) + " ~ " + numberText(high) + unit;
}

/**
 * The first count the engine would cut to a whole number ("2.5" sub-conductors
 * of a lead), or an empty text. Every slot has been converted before.
 */
std::string wholeNumberFault(const engine::CalculationInput &input)
{
    using namespace engine;
    for (const int slotIndex : numberSlots(input)) {
        if (!isWholeNumberSlot(slotIndex))
            continue;
        const double value = slotValue(input, slotIndex);
        if (value != std::trunc(value))
            return fieldLabel(slotIndex) + "应为整数,请修改.";
    }
    return {};
}

/// The disc count a designation starts with ("16*XWP2-160…"), or nothing.
std::optional<int> discCountOfDesignation(const std::string &designation)
{
    const std::size_t star = designation.find('*');
    if (star == 0 || star == std::string::npos || star > 2)
        return std::nullopt;
    int count = 0;
    for (std::size_t i = 0; i < star; ++i) {
        if (designation[i] < '0' || designation[i] > '9')
            return std::nullopt;
        count = count * 10 + (designation[i] - '0');
    }
    return count;
}

/// "绝缘子串A型号为8片,220kV常用13 ~ 22片" for a string unusual for the voltage.
void questionDiscCounts(const engine::CalculationInput &input, std::vector<std::string> &lines)
{
    using namespace engine;
    const std::string &voltage = input[slot::voltageLevel];
    for (const UsualDiscCount &usual : usualDiscCounts) {
        if (voltage != std::to_string(usual.voltage_kV))
            continue;
        for (const int slotIndex : {slot::stringA + stringType, slot::stringB + stringType}) {
            const std::optional<int> discs = discCountOfDesignation(input[slotIndex]);
            if (discs && (*discs < usual.fewest || *discs > usual.most))
                lines.push_back(fieldLabel(slotIndex) + "为" + std::to_string(*discs) + "片," + voltage + "kV常用"
                                + std::to_string(usual.fewest) + " ~ " + std::to_string(usual.most) + "片");
        }
    }
}

} // namespace

bool checkPlausibility(const engine::CalculationInput &input, const MainWindowModel &window,
                       common::Messenger &messenger)
{
    using namespace engine;
    try {
        if (!(slotNumber(input, slot::controlSag) > 0)) {
            messenger.show({"允许弧垂必须大于0,一般取跨度的1/15 ~ 1/30,请修改.", common::applicationTitle,
                            common::MessageIcon::None, common::MessageButtons::Ok});
            return false;
        }
        std::array<bool, leadCount> ticked{};
        for (int lead = 0; lead < leadCount; ++lead)
            ticked[lead] = window.isTicked(leadBoxes[lead]);

        const std::string fault = geometryFault(readGeometry(input), ticked);
        if (!fault.empty()) {
            common::showError(messenger, fault, common::plausibilityCaption);
            return false;
        }
        const std::string impossible = physicalFault(input);
        if (!impossible.empty()) {
            common::showError(messenger, impossible, common::plausibilityCaption);
            return false;
        }
        // Every other text the engine reads, so that an empty or unreadable
        // one is refused here, naming its field, rather than failing the
        // calculation.
        for (const int slotIndex : numberSlots(input))
            slotNumber(input, slotIndex);
        const std::string notWhole = wholeNumberFault(input);
        if (!notWhole.empty()) {
            common::showError(messenger, notWhole, common::plausibilityCaption);
            return false;
        }
    } catch (const ConversionError &error) {
        common::showError(messenger, error.what(), common::errorCaption);
        return false;
    }
    return true;
}

std::vector<std::string> implausibleValues(const engine::CalculationInput &input)
{
    using namespace engine;
    std::vector<std::string> lines;
    const float span = slotNumber(input, slot::spanLength);
    if (span < shortestUsualSpan_m || span > longestUsualSpan_m)
        lines.push_back(unusualLine(slot::spanLength, input, "m",
                                    rangeText(shortestUsualSpan_m, longestUsualSpan_m, "m(变电站跨线)")));
    const double sag = slotNumber(input, slot::controlSag);
    const double sagRatio = sag / span;
    if (sagRatio < tightestSagRatio || sagRatio > slackestSagRatio)
        lines.push_back(fieldLabel(slot::controlSag) + "为" + input[slot::controlSag] + "m,是跨距的1/"
                        + numberText(std::round(span / sag * 10) / 10) + ",常用跨距的1/"
                        + numberText(1 / tightestSagRatio) + " ~ 1/" + numberText(1 / slackestSagRatio)
                        + "(手册建议1/30 ~ 1/15)");
    for (int condition = 0; condition < conditionCount; ++condition) {
        const int slotIndex = slot::conditionTemperature + condition;
        const float temperature = slotNumber(input, slotIndex);
        if (temperature < coldestUsualTemperature_degC || temperature > hottestUsualTemperature_degC)
            lines.push_back(unusualLine(slotIndex, input, "℃",
                                        rangeText(coldestUsualTemperature_degC, hottestUsualTemperature_degC, "℃")));
    }
    for (int marking = 0; marking < markingTemperatureCount; ++marking) {
        const int slotIndex = slot::markingTemperature + marking;
        const float temperature = slotNumber(input, slotIndex);
        if (temperature < coldestUsualTemperature_degC || temperature > hottestUsualStringingTemperature_degC)
            lines.push_back(unusualLine(
                slotIndex, input, "℃",
                rangeText(coldestUsualTemperature_degC, hottestUsualStringingTemperature_degC, "℃")));
    }
    for (const int slotIndex : windSpeedSlots()) {
        if (slotNumber(input, slotIndex) > strongestUsualWind_mps)
            lines.push_back(unusualLine(slotIndex, input, "m/s", "不超过" + numberText(strongestUsualWind_mps) + "m/s"));
    }
    const float modulus = slotNumber(input, slot::elasticModulus);
    if (modulus < lowestUsualModulus_Nmm2 || modulus > highestUsualModulus_Nmm2)
        lines.push_back(unusualLine(slot::elasticModulus, input, "",
                                    rangeText(lowestUsualModulus_Nmm2, highestUsualModulus_Nmm2, "")));
    const float expansion = slotNumber(input, slot::expansionCoefficient);
    if (expansion < lowestUsualExpansion || expansion > highestUsualExpansion)
        lines.push_back(unusualLine(slot::expansionCoefficient, input, "",
                                    rangeText(lowestUsualExpansion, highestUsualExpansion, "")));
    // A weight typed in N/m or kg/km, or an area in cm², shows as a density
    // no conductor metal has.
    const double density = double(slotNumber(input, slot::conductorUnitWeight)) * 1000
                           / slotNumber(input, slot::conductorArea);
    if (density < lightestUsualDensity_gcm3 || density > heaviestUsualDensity_gcm3)
        lines.push_back(fieldLabel(slot::conductorUnitWeight) + "与" + fieldLabel(slot::conductorArea) + "之比合"
                        + numberText(std::round(density * 100) / 100) + "g/cm3,导线常用"
                        + rangeText(lightestUsualDensity_gcm3, heaviestUsualDensity_gcm3, "g/cm3"));
    questionDiscCounts(input, lines);
    return lines;
}

common::Message implausibleValuesQuestion(const std::vector<std::string> &lines)
{
    std::string text = "以下数值对变电站跨线不常见,请确认:";
    for (const std::string &line : lines)
        text += "\n" + line + ".";
    text += "\n\n按“继续计算”照此计算,按“返回修改”回到输入.";
    return {text, common::implausibleCaption, common::MessageIcon::Warning, common::MessageButtons::ContinueRevise};
}

} // namespace app
