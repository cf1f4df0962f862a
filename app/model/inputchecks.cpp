#include "app/model/inputchecks.h"

#include "app/model/customconductor.h"
#include "app/model/singlenumber.h"
#include "common/checkmessages.h"
#include "engine/calculationerror.h"
#include "engine/inputfields.h"
#include "engine/numberconversion.h"

#include <string>

namespace app {

namespace {

/// The message of a box that must be positive, or nullptr for any other box.
const char *positiveInputMessage(EditBox box)
{
    switch (box) {
    case EditBox::Edit_f:
        return "允许弧垂必须大于零,一般取跨距的1/15-1/20,请重新输入";
    case EditBox::Edit_dx_S:
        return "导线截面必须大于零,请重新输入";
    case EditBox::Edit_jyza_l:
        return "绝缘子串A长度必须大于零,请重新输入";
    case EditBox::Edit_jyzb_l:
        return "绝缘子串B长度必须大于零,请重新输入";
    default:
        return nullptr;
    }
}

/**
 * A load-table cell the engine can compute with. "." alone and digit strings
 * beyond the float range pass the character test but are no numbers; they
 * are refused here, with the cell named, instead of failing the whole run.
 */
bool isLoadTableNumber(const std::string &text)
{
    if (!engine::isDecimalNumber(text, false))
        return false;
    try {
        toSingleNumber(text);
        return true;
    } catch (const engine::ConversionError &) {
        return false;
    }
}

} // namespace

bool hasExitCheck(EditBox box)
{
    return positiveInputMessage(box) != nullptr;
}

bool checkPositiveInput(const MainWindowModel &window, EditBox box, common::Messenger &messenger)
{
    const char *message = positiveInputMessage(box);
    if (message == nullptr)
        return true;
    try {
        // Compared as the engine will hold it: 1e-50 is 0 in single precision
        // and would divide by zero later on.
        if (toSingleNumber(window.text(box)) > 0)
            return true;
        common::showError(messenger, message, common::syntaxCheckCaption);
    } catch (const engine::ConversionError &error) {
        common::showError(messenger, error.what(), common::errorCaption);
    }
    return false;
}

bool checkCustomConductor(const MainWindowModel &window, common::Messenger &messenger)
{
    if (!window.isCustomConductor())
        return true;
    const std::string fault = customConductorFault(window.conductor());
    if (fault.empty())
        return true;
    common::showError(messenger, "自定义导线的" + fault + ",请修改.", common::syntaxCheckCaption);
    return false;
}

bool checkLoadTable(const MainWindowModel &window, common::Messenger &messenger)
{
    using namespace loadtable;
    for (int box = 0; box < presenceBoxCount; ++box) {
        if (!window.isTicked(static_cast<PresenceBox>(box)))
            continue;
        const int column = columnOf(static_cast<PresenceBox>(box));
        for (int row = unitWeightRow; row <= relativeDistanceRow; ++row) {
            if (row == relativeDistanceRow && isJumperColumn(column))
                continue;
            if (isLoadTableNumber(window.cell(column, row)))
                continue;
            // Named by the column's load and the row's quantity: "引下线P1 导线长度(m)".
            common::showError(messenger,
                              "跳线及引下线荷载表 " + engine::fieldLabel(engine::leadSlot(column - 1, row - 1))
                                  + " 数据有误,请检查",
                              common::syntaxCheckCaption);
            return false;
        }
    }
    return true;
}

bool checkIcedStrings(const engine::CalculationInput &input, common::Messenger &messenger)
{
    using namespace engine;
    const std::pair<StringField, StringField> icedAndBare[] = {{stringIcedWeight, stringWeight},
                                                              {stringIcedWindArea, stringWindArea}};
    for (const int string : {slot::stringA, slot::stringB}) {
        for (const auto &[icedField, bareField] : icedAndBare) {
            double iced = 0;
            double bare = 0;
            try {
                iced = slotValue(input, string + icedField);
                bare = slotValue(input, string + bareField);
            } catch (const ConversionError &) {
                continue;
            }
            if (iced >= bare)
                continue;
            common::showError(messenger,
                              fieldLabel(string + icedField) + " " + input[string + icedField] + " 小于"
                                  + fieldLabel(string + bareField) + " " + input[string + bareField]
                                  + ": 覆冰只会增加绝缘子串的重量和受风面积,请修改.",
                              common::plausibilityCaption);
            return false;
        }
    }
    return true;
}

} // namespace app
