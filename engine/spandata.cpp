#include "engine/spandata.h"

#include "engine/calculationerror.h"
#include "engine/inputfields.h"

#include <cmath>
#include <limits>

namespace engine {

float storeFloat(double value, const char *what)
{
    const auto stored = static_cast<float>(value);
    if (!std::isfinite(stored))
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               std::string(what) + "超出可计算的范围,请检查输入数据.");
    return stored;
}

void requireDivisor(double divisor, const char *message)
{
    if (divisor == 0 || !std::isfinite(divisor))
        throw CalculationError(CalculationError::Kind::Arithmetic, message);
}

float SpanData::conductorSpan() const
{
    return storeFloat(double(spanLength) - stringAProjection - stringBProjection, "导线水平长度");
}

namespace {

[[noreturn]] void throwOutOfRange(const CalculationInput &input, int slotIndex)
{
    throw CalculationError(CalculationError::Kind::Arithmetic,
                           fieldLabel(slotIndex) + ": “" + input[slotIndex] + "”超出可计算的范围,请检查输入数据.");
}

float number(const CalculationInput &input, int slotIndex)
{
    const double value = slotValue(input, slotIndex);
    // Narrowing a double beyond the float range is undefined, so test first.
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        throwOutOfRange(input, slotIndex);
    return static_cast<float>(value);
}

// Counts and voltage are whole numbers: the text's value truncated toward zero.
std::int32_t wholeNumber(const CalculationInput &input, int slotIndex)
{
    const double value = std::trunc(slotValue(input, slotIndex));
    if (std::fabs(value) > std::numeric_limits<std::int32_t>::max())
        throwOutOfRange(input, slotIndex);
    return static_cast<std::int32_t>(value);
}

bool structureBHigher(const CalculationInput &input)
{
    const std::string &text = input[slot::higherStructure];
    if (text != higherStructureText::structureA && text != higherStructureText::structureB)
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               fieldLabel(slot::higherStructure) + ": “" + text + "”应为“"
                                   + higherStructureText::structureA + "”或“" + higherStructureText::structureB + "”");
    return text == higherStructureText::structureB;
}

StringData convertString(const CalculationInput &input, int base)
{
    StringData string;
    string.length = storeFloat(double(number(input, base + stringLength)) * 0.001, "绝缘子串长度");
    string.weight = number(input, base + stringWeight);
    string.icedWeight = number(input, base + stringIcedWeight);
    string.windArea = number(input, base + stringWindArea);
    string.icedWindArea = number(input, base + stringIcedWindArea);
    return string;
}

// A load with an empty field among the five that make up its weight per
// metre weighs nothing; a load the user did not tick holds "0" texts and
// weighs nothing through the arithmetic.
LeadData convertLead(const CalculationInput &input, int lead)
{
    LeadData data;
    const auto text = [&](int field) -> const std::string & { return input[leadSlot(lead, field)]; };
    data.present = !text(leadUnitWeight).empty() && !text(leadDiameter).empty() && !text(leadBundleCount).empty()
                   && !text(leadSubSpan).empty() && !text(leadSpacerWeight).empty();
    if (data.present) {
        data.unitWeight = number(input, leadSlot(lead, leadUnitWeight));
        data.diameter = number(input, leadSlot(lead, leadDiameter));
        data.bundleCount = wholeNumber(input, leadSlot(lead, leadBundleCount));
        data.subSpan = number(input, leadSlot(lead, leadSubSpan));
        data.spacerWeight = number(input, leadSlot(lead, leadSpacerWeight));
        data.length = number(input, leadSlot(lead, leadLength));
        data.fittingWeight = number(input, leadSlot(lead, fittingWeight));
    }
    const bool isDropDownLead = lead >= leadP1 && lead <= leadP4;
    if (isDropDownLead && !text(relativeDistance).empty())
        data.relativeDistance = number(input, leadSlot(lead, relativeDistance));
    return data;
}

} // namespace

// Keep in step with convertInput() and convertLead(): this lists what they read.
std::vector<int> numberSlots(const CalculationInput &input)
{
    std::vector<int> slots;
    for (int state = 0; state < loadStateCount; ++state) {
        const int condition = conditionOfState(state);
        slots.push_back(slot::conditionWindSpeed + condition - 1);
        slots.push_back(slot::conditionTemperature + condition - 1);
    }
    slots.push_back(slot::iceThickness);
    for (int i = 0; i < markingTemperatureCount; ++i)
        slots.push_back(slot::markingTemperature + i);
    for (const int slotIndex : {slot::bundleCount, slot::elasticModulus, slot::conductorArea,
                                slot::expansionCoefficient, slot::controlSag, slot::voltageLevel, slot::spanLength,
                                slot::heightDifference, slot::conductorDiameter, slot::conductorUnitWeight,
                                slot::subSpan, slot::spacerWeight})
        slots.push_back(slotIndex);
    for (const int string : {slot::stringA, slot::stringB}) {
        for (int field = stringLength; field <= stringIcedWindArea; ++field)
            slots.push_back(string + field);
    }
    slots.push_back(slot::maintenancePoint);
    for (int lead = 0; lead < leadCount; ++lead) {
        const auto filled = [&](int field) { return !input[leadSlot(lead, field)].empty(); };
        if (filled(leadUnitWeight) && filled(leadDiameter) && filled(leadBundleCount) && filled(leadSubSpan)
            && filled(leadSpacerWeight)) {
            for (int field = leadUnitWeight; field <= fittingWeight; ++field)
                slots.push_back(leadSlot(lead, field));
        }
        if (lead >= leadP1 && lead <= leadP4 && filled(relativeDistance))
            slots.push_back(leadSlot(lead, relativeDistance));
    }
    return slots;
}

bool isWholeNumberSlot(int slotIndex)
{
    if (slotIndex == slot::bundleCount || slotIndex == slot::voltageLevel)
        return true;
    for (int lead = 0; lead < leadCount; ++lead) {
        if (slotIndex == leadSlot(lead, leadBundleCount))
            return true;
    }
    return false;
}

SpanData convertInput(const CalculationInput &input)
{
    SpanData span;
    for (int state = 0; state < loadStateCount; ++state) {
        const int condition = conditionOfState(state);
        span.windSpeed[state] = number(input, slot::conditionWindSpeed + condition - 1);
        span.temperature[state] = number(input, slot::conditionTemperature + condition - 1);
    }
    span.iceOfState[maxLoad] = number(input, slot::iceThickness);
    for (int i = 0; i < markingTemperatureCount; ++i)
        span.markingTemperature[i] = number(input, slot::markingTemperature + i);

    span.bundleCount = wholeNumber(input, slot::bundleCount);
    span.elasticModulus = number(input, slot::elasticModulus);
    span.conductorArea = number(input, slot::conductorArea);
    span.expansionCoefficient = number(input, slot::expansionCoefficient);
    span.controlSag = number(input, slot::controlSag);
    span.voltageLevel = wholeNumber(input, slot::voltageLevel);
    span.spanLength = number(input, slot::spanLength);
    span.heightDifference = number(input, slot::heightDifference);
    span.structureBHigher = structureBHigher(input);
    span.conductorDiameter = number(input, slot::conductorDiameter);
    span.conductorUnitWeight = number(input, slot::conductorUnitWeight);
    span.subSpan = number(input, slot::subSpan);
    span.spacerWeight = number(input, slot::spacerWeight);

    // A span of zero or negative length has no geometry at all: cos γ would be
    // 0/0 and every load per metre of span meaningless.
    if (!(span.spanLength > 0))
        throw CalculationError(CalculationError::Kind::Arithmetic, "跨距必须大于0,请检查输入数据.");
    const double L = span.spanLength;
    const double h = span.heightDifference;
    span.cosGamma = storeFloat(L / std::sqrt(L * L + h * h), "高差角余弦");

    span.stringA = convertString(input, slot::stringA);
    span.stringB = convertString(input, slot::stringB);
    span.stringAProjection = storeFloat(double(span.stringA.length) * span.cosGamma, "绝缘子串A水平投影");
    span.stringBProjection = storeFloat(double(span.stringB.length) * span.cosGamma, "绝缘子串B水平投影");
    // Without conductor between the strings there is no beam to divide into
    // segments; said here, before any lead is placed on it.
    if (!(span.conductorSpan() > 0))
        throw CalculationError(CalculationError::Kind::Arithmetic, "两侧绝缘子串长度之和应小于跨距,请检查输入数据.");
    // The state equation divides by E·S: a zero would surface as an unsolvable cubic.
    for (const int slotIndex : {slot::elasticModulus, slot::conductorArea}) {
        if (!(number(input, slotIndex) > 0))
            throw CalculationError(CalculationError::Kind::Arithmetic,
                                   fieldLabel(slotIndex) + "应大于0,请检查输入数据.");
    }

    // A maintenance point entered at the end of a string stays at the end of
    // the projected string; any other value is used as entered.
    span.maintenancePointX = number(input, slot::maintenancePoint);
    if (span.maintenancePointX == span.stringA.length)
        span.maintenancePointX = span.stringAProjection;
    if (storeFloat(L - span.stringB.length, "检修点位置") == span.maintenancePointX)
        span.maintenancePointX = storeFloat(L - span.stringBProjection, "检修点位置");

    for (int lead = 0; lead < leadCount; ++lead)
        span.leads[lead] = convertLead(input, lead);

    span.markingNoStringB = input[slot::markingState + 0] == markingText::noStringB;
    span.markingLeadsDisconnected = input[slot::markingState + 1] == markingText::leadsNotConnected;
    span.markingJumpersDisconnected = input[slot::markingState + 2] == markingText::jumpersNotConnected;
    span.markingLeadFittingsDisconnected = input[slot::markingState + 3] == markingText::leadFittingsNotConnected;
    span.markingLeftJumperFittingsDisconnected =
        input[slot::markingState + 4] == markingText::leftJumperFittingsNotConnected;
    return span;
}

} // namespace engine
