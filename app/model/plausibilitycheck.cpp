#include "app/model/plausibilitycheck.h"

#include "common/checkmessages.h"
#include "engine/calculationerror.h"
#include "engine/inputfields.h"
#include "engine/loadstate.h"
#include "engine/spandata.h"

#include <array>
#include <cmath>
#include <vector>
#include <string>

namespace app {

namespace {

constexpr int leadCount = 4;
constexpr float absoluteZero = -273.15f;
constexpr float maxBundleCount = 8;

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

/**
 * The first value no real span can have, or an empty text. Unusual values
 * (a very long span, a hot conductor, a strong wind) pass: only what has no
 * physical meaning is refused, because the engine would compute "results"
 * from it without a word.
 */
std::string physicalFault(const engine::CalculationInput &input)
{
    using namespace engine;
    for (const int slotIndex : nonNegativeSlots()) {
        // A load field the user left empty makes the load weigh nothing.
        if (!input[slotIndex].empty() && slotNumber(input, slotIndex) < 0)
            return fieldLabel(slotIndex) + "不能为负值,请修改.";
    }
    for (const int slotIndex : temperatureSlots()) {
        if (slotNumber(input, slotIndex) < absoluteZero)
            return fieldLabel(slotIndex) + "不能低于绝对零度-273.15℃,请修改.";
    }
    for (const int slotIndex : {slot::elasticModulus, slot::conductorArea}) {
        if (!(slotNumber(input, slotIndex) > 0))
            return fieldLabel(slotIndex) + "应大于0,请修改.";
    }
    // The engine divides every load by the bundle count as an integer, so
    // 0.9 would become 0 sub-conductors; no bundle has more than 8.
    const float bundle = slotNumber(input, slot::bundleCount);
    if (!(bundle >= 1))
        return "分裂根数应不小于1,请修改.";
    if (bundle > maxBundleCount)
        return "分裂根数不能大于8,请修改.";
    return {};
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

} // namespace app
