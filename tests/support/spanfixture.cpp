#include "support/spanfixture.h"

#include "engine/calculation.h"

#include <string>

using engine::CalculationInput;
using engine::leadSlot;
namespace slot = engine::slot;

namespace testing_span {

namespace {
const char *const unticked[] = {"无左跳线PA", "无引下线P1", "无引下线P2", "无引下线P3", "无引下线P4", "无右跳线PB"};

void setSlots(CalculationInput &input, int first, std::initializer_list<const char *> texts)
{
    for (const char *text : texts)
        input[first++] = text;
}
} // namespace

CalculationInput defaultSpan()
{
    CalculationInput in;
    setSlots(in, slot::spanTitle, {"220kV#1主变进线间隔跨线", "220", "36", "3", "2", "18", "A侧高"});
    setSlots(in, slot::conditionTemperature, {"70", "-40", "40", "-10", "10", "-5", "15", "25", "25"});
    in[slot::iceThickness] = "10";
    setSlots(in, slot::conditionWindSpeed, {"0", "10", "10", "10", "30", "10", "10", "15", "10"});
    setSlots(in, slot::markingTemperature, {"40", "30", "20", "15", "10", "5", "0", "-5", "-10"});
    setSlots(in, slot::conductorType, {"NAHLGJQ-1440", "51.36", "4.942", "2", "23", "71853", "1555.8", "6", "2.5"});
    for (int base : {slot::stringA, slot::stringB})
        setSlots(in, base, {"16*XWP2-160耐张(单串双线,分裂间距200)", "2965", "165.3", "187.8", "0.529", "0.695"});
    const char *jumper[] = {"NAHLGJQ-1440", "4.942", "51.36", "1", "2", "2.5", "5", "10", "此处不填"};
    const char *leadP1[] = {"NAHLGJQ-1440", "4.942", "51.36", "1", "2", "2.5", "8", "8", "6"};
    for (int f = 0; f < 9; ++f) {
        in[leadSlot(engine::leadPA, f)] = jumper[f];
        in[leadSlot(engine::leadP1, f)] = leadP1[f];
        in[leadSlot(engine::leadPB, f)] = jumper[f];
    }
    for (int lead : {engine::leadP2, engine::leadP3, engine::leadP4})
        removeLead(in, lead);
    setSlots(in, slot::markingState, {"无绝缘子串B", "引线未连接", "跳线未连接", "引线金具已连接", "左跳线金具已连接"});
    return in;
}

const engine::CalculationResult &defaultResult()
{
    static const engine::CalculationResult result = engine::runCalculation(defaultSpan());
    return result;
}

void removeLead(CalculationInput &input, int lead)
{
    input[leadSlot(lead, 0)] = unticked[lead];
    for (int f = 1; f < 9; ++f)
        input[leadSlot(lead, f)] = "0";
}

void setLead(CalculationInput &input, int lead, const char *length, const char *fittings,
             const char *relativeDistance)
{
    const char *fields[] = {"NAHLGJQ-1440", "4.942", "51.36", "1", "2", "2.5", length, fittings, relativeDistance};
    for (int f = 0; f < 9; ++f)
        input[leadSlot(lead, f)] = fields[f];
}

CalculationInput symmetricSpanWithoutLeads(const char *spanLength)
{
    CalculationInput in = defaultSpan();
    in[slot::spanLength] = spanLength;
    in[slot::heightDifference] = "0";
    in[slot::maintenancePoint] = std::to_string(std::stod(spanLength) / 2);
    for (int lead = 0; lead < engine::leadCount; ++lead)
        removeLead(in, lead);
    return in;
}

} // namespace testing_span
