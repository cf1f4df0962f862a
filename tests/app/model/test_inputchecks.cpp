#include "app/model/inputchecks.h"
#include "app/model/keyfilters.h"
#include "support/scriptedmessenger.h"
#include "support/spanfixture.h"

#include <gtest/gtest.h>

using namespace app;
using namespace app::loadtable;

namespace {

/// Types \a keys into a box holding \a text, as the key filter lets them through.
std::string typeNumeric(std::string text, std::u32string_view keys)
{
    for (const char32_t key : keys) {
        const char32_t passed = filterNumericKey(text, key);
        if (passed == 8 && !text.empty())
            text.pop_back();
        else if (passed != discardedKey && passed != 8 && passed != 13)
            text.push_back(static_cast<char>(passed));
    }
    return text;
}

void expectError(const ScriptedMessenger &messenger, const std::string &text, const std::string &caption)
{
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].text, text);
    EXPECT_EQ(messenger.shown[0].caption, caption);
    EXPECT_EQ(messenger.shown[0].icon, common::MessageIcon::Error);
    EXPECT_EQ(messenger.shown[0].buttons, common::MessageButtons::Ok);
}

} // namespace

TEST(KeyFilters, NumericBoxesTakeDigitsAndOnePoint)
{
    EXPECT_EQ(typeNumeric("", U"1.2.3"), "1.23");
    EXPECT_EQ(typeNumeric("", U"-5a+e,3 "), "53");
    EXPECT_EQ(typeNumeric("12", U"\b\b.5"), ".5");
    EXPECT_EQ(filterNumericKey("", 13), 13u);
    EXPECT_EQ(filterNumericKey("", 22), discardedKey); // Ctrl+V
    EXPECT_EQ(filterNumericKey("", U'５'), discardedKey);
    EXPECT_EQ(filterNumericKey("", U'中'), discardedKey);
    // The whole text counts, even if the old point is selected and would be replaced.
    EXPECT_EQ(filterNumericKey("3.", U'.'), discardedKey);
}

TEST(KeyFilters, GridCellsTakeDigitsAndAnyNumberOfPoints)
{
    for (const char32_t key : {U'0', U'9', U'.', char32_t(8), char32_t(13)})
        EXPECT_EQ(filterGridKey(key), key);
    for (const char32_t key : {U'-', U'a', U' ', U'+', char32_t(3), U'中'})
        EXPECT_EQ(filterGridKey(key), discardedKey);
}

TEST(PositiveInputCheck, RefusesZeroWithTheBoxOwnMessage)
{
    const std::pair<EditBox, const char *> boxes[] = {
        {EditBox::Edit_f, "允许弧垂必须大于零,一般取跨距的1/15-1/20,请重新输入"},
        {EditBox::Edit_dx_S, "导线截面必须大于零,请重新输入"},
        {EditBox::Edit_jyza_l, "绝缘子串A长度必须大于零,请重新输入"},
        {EditBox::Edit_jyzb_l, "绝缘子串B长度必须大于零,请重新输入"}};
    for (const auto &[box, message] : boxes) {
        for (const char *zero : {"0", "0.0", "-1", "1e-50"}) {
            MainWindowModel model;
            model.setText(box, zero);
            ScriptedMessenger messenger({common::MessageAnswer::Ok});
            EXPECT_FALSE(checkPositiveInput(model, box, messenger)) << zero;
            expectError(messenger, message, "语法检查");
            EXPECT_EQ(model.text(box), zero);
        }
    }
}

TEST(PositiveInputCheck, PassesPositiveNumbersAndOtherBoxes)
{
    MainWindowModel model;
    ScriptedMessenger messenger;
    EXPECT_TRUE(checkPositiveInput(model, EditBox::Edit_f, messenger));
    model.setText(EditBox::Edit_h, "abc");
    EXPECT_TRUE(checkPositiveInput(model, EditBox::Edit_h, messenger));
    EXPECT_TRUE(messenger.shown.empty());
}

TEST(PositiveInputCheck, ReportsATextThatIsNoNumber)
{
    for (const char *text : {"", "abc", ".", "1e39"}) {
        MainWindowModel model;
        model.setText(EditBox::Edit_dx_S, text);
        ScriptedMessenger messenger({common::MessageAnswer::Ok});
        EXPECT_FALSE(checkPositiveInput(model, EditBox::Edit_dx_S, messenger));
        expectError(messenger, std::string("“") + text + "”不是有效的数值", "错误信息");
    }
}

TEST(LoadTableCheck, DefaultsPass)
{
    MainWindowModel model;
    ScriptedMessenger messenger;
    EXPECT_TRUE(checkLoadTable(model, messenger));
    EXPECT_TRUE(messenger.shown.empty());
}

TEST(LoadTableCheck, NamesTheFirstBadCellColumnByColumn)
{
    MainWindowModel model;
    model.setTicked(PresenceBox::CheckBox_yx2, true);
    model.setCell(3, unitWeightRow, "1.349");
    model.setCell(3, diameterRow, "26.82");
    model.setCell(3, relativeDistanceRow, "5");
    model.setCell(3, subSpanRow, "");
    model.setCell(6, unitWeightRow, "x"); // a later column waits its turn
    ScriptedMessenger messenger({common::MessageAnswer::Ok});
    EXPECT_FALSE(checkLoadTable(model, messenger));
    expectError(messenger, "跳线及引下线荷载表 引下线P2 次档距(m) 数据有误,请检查", "语法检查");
}

TEST(LoadTableCheck, SkipsTypeRowJumperNotesAndClearedColumns)
{
    MainWindowModel model;
    model.setCell(1, conductorTypeRow, "任意型号");
    model.setCell(4, lengthRow, "abc"); // P3 is cleared
    ScriptedMessenger messenger;
    EXPECT_TRUE(checkLoadTable(model, messenger));

    // The same note in a lead's row 9 is bad data.
    model.setCell(2, relativeDistanceRow, "此处不填");
    messenger.expect();
    EXPECT_FALSE(checkLoadTable(model, messenger));
    expectError(messenger, "跳线及引下线荷载表 引下线P1 相对距离(m) 数据有误,请检查", "语法检查");
}

TEST(LoadTableCheck, RefusesCellsThatAreNoNumbers)
{
    for (const std::string &text : {std::string("."), std::string(""), std::string("-1"), std::string(50, '9')}) {
        MainWindowModel model;
        model.setCell(1, fittingWeightRow, text);
        ScriptedMessenger messenger({common::MessageAnswer::Ok});
        EXPECT_FALSE(checkLoadTable(model, messenger)) << text;
        expectError(messenger, "跳线及引下线荷载表 左跳线PA 金具重(kg) 数据有误,请检查", "语法检查");
    }
}

TEST(PasteRule, ANumberGoesInWholeOrNotAtAll)
{
    const std::pair<const char *, std::optional<std::string>> numberBox[] = {
        {"42.5", "42.5"},        {" 42.5\r\n", "42.5"}, {"220kV#1主变进线", std::nullopt},
        {"X-1.5.2 m", std::nullopt}, {"1.5.2", std::nullopt}, {"-3", std::nullopt},
        {"1e5", std::nullopt},   {"", std::nullopt},      {"\n", std::nullopt},
        {"4 2", std::nullopt},   {"１２", std::nullopt},
    };
    for (const auto &[pasted, taken] : numberBox)
        EXPECT_EQ(acceptedPastedNumber("", pasted), taken) << pasted;
    // The box's own point counts, whatever part of it is selected.
    EXPECT_EQ(acceptedPastedNumber("3.", "5"), "5");
    EXPECT_EQ(acceptedPastedNumber("3.", ".5"), std::nullopt);

    EXPECT_EQ(acceptedPastedGridText("1.5.\n"), "1.5.");
    EXPECT_EQ(acceptedPastedGridText("ab2.5"), std::nullopt);
}

TEST(IcedStrings, IceOnlyAddsWeightAndWindArea)
{
    using namespace engine;
    CalculationInput input = testing_span::defaultSpan();
    ScriptedMessenger sound;
    EXPECT_TRUE(checkIcedStrings(input, sound));

    // What the list gives for an ice thickness it has no data for.
    input[slot::stringB + stringIcedWeight] = "0";
    ScriptedMessenger messenger;
    messenger.expect();
    EXPECT_FALSE(checkIcedStrings(input, messenger));
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].text, "绝缘子串B 覆冰时重量(kg) 0 小于绝缘子串B 无冰时重量(kg) 165.3: "
                                       "覆冰只会增加绝缘子串的重量和受风面积,请修改.");
    EXPECT_EQ(messenger.shown[0].caption, "数据合理性检查出错误信息");

    input[slot::stringB + stringIcedWeight] = "165.3"; // no ice: as heavy as bare
    input[slot::stringA + stringIcedWindArea] = "0.4";
    ScriptedMessenger area;
    area.expect();
    EXPECT_FALSE(checkIcedStrings(input, area));
    EXPECT_NE(area.shown.at(0).text.find("绝缘子串A 覆冰时受风面积(m2) 0.4 小于"), std::string::npos);

    // A text that is no number is the number checks' business.
    input[slot::stringA + stringIcedWindArea] = "abc";
    ScriptedMessenger quiet;
    EXPECT_TRUE(checkIcedStrings(input, quiet));
}
