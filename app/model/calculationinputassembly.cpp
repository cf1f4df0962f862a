#include "app/model/calculationinputassembly.h"

namespace app {

namespace {

/// The marking-state words of one switch: ticked, then not ticked.
struct MarkingWords
{
    const char *ticked;
    const char *notTicked;
};

constexpr std::array<MarkingWords, 5> markingWords{{
    {engine::markingText::noStringB, "有绝缘子串B"},
    {engine::markingText::leadsNotConnected, "引线已连接"},
    {engine::markingText::jumpersNotConnected, "跳线已连接"},
    {engine::markingText::leadFittingsNotConnected, "引线金具已连接"},
    {engine::markingText::leftJumperFittingsNotConnected, "左跳线金具已连接"},
}};

void assembleString(engine::CalculationInput &input, int firstSlot, const MainWindowModel &window,
                    StringSide side)
{
    using namespace engine;
    const bool a = side == StringSide::A;
    input[firstSlot + stringType] = window.stringTypeText(side);
    input[firstSlot + stringLength] = window.text(a ? EditBox::Edit_jyza_l : EditBox::Edit_jyzb_l);
    input[firstSlot + stringWeight] = window.text(a ? EditBox::Edit_jyza_kg : EditBox::Edit_jyzb_kg);
    input[firstSlot + stringIcedWeight] =
        window.text(a ? EditBox::Edit_jyza_kgb : EditBox::Edit_jyzb_kgb);
    input[firstSlot + stringWindArea] = window.text(a ? EditBox::Edit_jyza_f1 : EditBox::Edit_jyzb_f1);
    input[firstSlot + stringIcedWindArea] =
        window.text(a ? EditBox::Edit_jyza_f2 : EditBox::Edit_jyzb_f2);
}

} // namespace

engine::CalculationInput assembleCalculationInput(const MainWindowModel &window,
                                                  const options::OptionsTexts &options)
{
    using namespace engine;
    CalculationInput input;

    input[slot::spanTitle] = window.text(EditBox::Edit_bt);
    input[slot::voltageLevel] = window.voltageText();
    input[slot::spanLength] = window.text(EditBox::Edit_L);
    input[slot::heightDifference] = window.text(EditBox::Edit_h);
    input[slot::higherStructure] = window.higherStructureText();
    input[slot::controlSag] = window.text(EditBox::Edit_f);
    input[slot::maintenancePoint] = window.text(EditBox::Edit_jxd);

    for (int condition = 0; condition < 9; ++condition) {
        input[slot::conditionTemperature + condition] = options.conditionTemperature[condition];
        input[slot::conditionWindSpeed + condition] = options.conditionWindSpeed[condition];
    }
    input[slot::iceThickness] = std::to_string(options.iceIndex * 5);
    for (int i = 0; i < 9; ++i)
        input[slot::markingTemperature + i] = options.markingTemperature[i];

    input[slot::conductorType] = window.conductorText();
    input[slot::conductorDiameter] = window.text(EditBox::Edit_dx_d);
    input[slot::conductorUnitWeight] = window.text(EditBox::Edit_dx_kg);
    input[slot::bundleCount] = window.text(EditBox::Edit_dx_flgs);
    input[slot::expansionCoefficient] = window.text(EditBox::Edit_dx_ax);
    input[slot::elasticModulus] = window.text(EditBox::Edit_dx_E);
    input[slot::conductorArea] = window.text(EditBox::Edit_dx_S);
    input[slot::subSpan] = window.text(EditBox::Edit_dx_cdj);
    input[slot::spacerWeight] = window.text(EditBox::Edit_dx_flkg);

    assembleString(input, slot::stringA, window, StringSide::A);
    assembleString(input, slot::stringB, window, StringSide::B);

    for (int lead = 0; lead < leadCount; ++lead) {
        const int column = lead + 1;
        if (window.isTicked(static_cast<PresenceBox>(lead))) {
            for (int field = 0; field <= relativeDistance; ++field)
                input[leadSlot(lead, field)] = window.cell(column, field + 1);
        } else {
            // An absent load carries its header so the report can name it,
            // and zeros that make it weigh nothing.
            input[leadSlot(lead, leadConductorType)] = window.cell(column, loadtable::headerRow);
            for (int field = leadUnitWeight; field <= relativeDistance; ++field)
                input[leadSlot(lead, field)] = "0";
        }
    }

    for (int i = 0; i < static_cast<int>(markingWords.size()); ++i)
        input[slot::markingState + i] =
            options.markingState[i] ? markingWords[i].ticked : markingWords[i].notTicked;
    return input;
}

engine::CalculationInput defaultCalculationInput()
{
    return assembleCalculationInput(MainWindowModel(), options::OptionsTexts());
}

} // namespace app
