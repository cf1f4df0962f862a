#include "app/model/calculationinputassembly.h"
#include "app/model/plausibilitycheck.h"
#include "support/scriptedmessenger.h"

#include <gtest/gtest.h>

using namespace app;
using namespace app::loadtable;

namespace {

constexpr const char *plausibility = "数据合理性检查出错误信息";

/// The default span with the leads P1..P4 ticked at the given relative distances ("" = cleared).
MainWindowModel spanWithLeads(std::array<const char *, 4> distances)
{
    MainWindowModel model;
    for (int lead = 0; lead < 4; ++lead) {
        const auto box = static_cast<PresenceBox>(lead + 1);
        const bool ticked = distances[lead][0] != '\0';
        model.setTicked(box, ticked);
        if (ticked)
            model.setCell(lead + 2, relativeDistanceRow, distances[lead]);
    }
    return model;
}

/// Runs the check on the snapshot of \a model; returns the one message text or "" when it passed.
std::string refusal(const MainWindowModel &model, const std::string &caption = plausibility)
{
    ScriptedMessenger messenger({common::MessageAnswer::Ok});
    const bool passed = checkPlausibility(assembleCalculationInput(model, options::OptionsTexts()), model, messenger);
    if (passed) {
        EXPECT_TRUE(messenger.shown.empty());
        messenger.dropUnusedAnswers();
        return {};
    }
    EXPECT_EQ(messenger.shown.size(), 1u);
    if (messenger.shown.empty())
        return "<no message>";
    EXPECT_EQ(messenger.shown[0].caption, caption);
    return messenger.shown[0].text;
}

} // namespace

TEST(PlausibilityCheck, DefaultSpanPasses)
{
    EXPECT_EQ(refusal(MainWindowModel()), "");
}

TEST(PlausibilityCheck, SagMessageIsPlainWithTheApplicationTitle)
{
    MainWindowModel model;
    model.setText(EditBox::Edit_f, "0");
    model.setText(EditBox::Edit_jyza_l, "0"); // the sag is looked at first
    ScriptedMessenger messenger({common::MessageAnswer::Ok});
    EXPECT_FALSE(checkPlausibility(assembleCalculationInput(model, options::OptionsTexts()), model, messenger));
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].text, "允许弧垂必须大于0,一般取跨度的1/15 ~ 1/30,请修改.");
    EXPECT_EQ(messenger.shown[0].caption, "Tenrix");
    EXPECT_EQ(messenger.shown[0].icon, common::MessageIcon::None);
}

TEST(PlausibilityCheck, StringsMustHaveLengthAndLeaveRoomForTheConductor)
{
    MainWindowModel model;
    model.setText(EditBox::Edit_jyza_l, "0");
    EXPECT_EQ(refusal(model), "左绝缘子串长度应大于0,请修改.");
    model.setText(EditBox::Edit_jyza_l, "2965");
    model.setText(EditBox::Edit_jyzb_l, "0");
    EXPECT_EQ(refusal(model), "右侧绝缘子串长度应大于0,请修改.");

    MainWindowModel shortSpan = spanWithLeads({"", "", "", ""});
    shortSpan.setTicked(PresenceBox::CheckBox_tx1, false);
    shortSpan.setText(EditBox::Edit_L, "5.9");
    EXPECT_EQ(refusal(shortSpan), "两侧绝缘子串长度之和应小于跨距,请修改.");
    shortSpan.setText(EditBox::Edit_jyza_l, "3000");
    shortSpan.setText(EditBox::Edit_jyzb_l, "3000");
    shortSpan.setText(EditBox::Edit_L, "6");
    EXPECT_EQ(refusal(shortSpan), "两侧绝缘子串长度之和应小于跨距,请修改.");
    shortSpan.setText(EditBox::Edit_L, "6.5");
    EXPECT_EQ(refusal(shortSpan), "");
}

TEST(PlausibilityCheck, LeadsMustLieRightOfStringA)
{
    EXPECT_EQ(refusal(spanWithLeads({"2", "", "", ""})),
              "引下线P1距离左侧的位置应大于左绝缘子串长度,请修改.");
    // P1 cleared: P2's position is its own distance.
    EXPECT_EQ(refusal(spanWithLeads({"", "2.9", "", ""})),
              "引下线P2距离左侧的位置应大于左绝缘子串长度,请修改.");
    EXPECT_EQ(refusal(spanWithLeads({"", "3", "", ""})), "");
}

TEST(PlausibilityCheck, LeadsMustLieLeftOfStringB)
{
    // 6 + 10 + 10 + 10 = 36 m lies beyond 36 - 2.965 m.
    EXPECT_EQ(refusal(spanWithLeads({"6", "10", "10", "10"})), "引下线之间的距离相加超出档距以外,请修改.");
    // 31 m lies beyond L - a - b = 30.07 m but before string B starts at L - b.
    EXPECT_EQ(refusal(spanWithLeads({"31", "", "", ""})), "");
    MainWindowModel model = spanWithLeads({"20", "", "", "13"});
    model.setText(EditBox::Edit_jyzb_l, "3000");
    EXPECT_EQ(refusal(model), "引下线之间的距离相加超出档距以外,请修改."); // exactly at L - b
    model.setCell(5, relativeDistanceRow, "12.5");
    EXPECT_EQ(refusal(model), "");
}

TEST(PlausibilityCheck, TwoLeadsMayNotShareAPosition)
{
    EXPECT_EQ(refusal(spanWithLeads({"6", "0", "", ""})), "引下线P2与P1的位置相同,请修改.");
    EXPECT_EQ(refusal(spanWithLeads({"6", "", "", "0"})), "引下线P4与P1的位置相同,请修改.");
    EXPECT_EQ(refusal(spanWithLeads({"6", "4", "0", "5"})), "引下线P3与P2的位置相同,请修改.");
    EXPECT_EQ(refusal(spanWithLeads({"6", "4", "0.5", "5"})), "");
}

TEST(PlausibilityCheck, BundleCountBelowOneIsRefused)
{
    MainWindowModel model;
    model.setText(EditBox::Edit_dx_flgs, "0");
    EXPECT_EQ(refusal(model), "分裂根数应不小于1,请修改.");
    model.setText(EditBox::Edit_dx_flgs, "1");
    EXPECT_EQ(refusal(model), "");
}

TEST(PlausibilityCheck, ReportsTextsThatAreNoNumbers)
{
    MainWindowModel model;
    model.setText(EditBox::Edit_L, "");
    EXPECT_EQ(refusal(model, "错误信息"), "跨距L(m): “” 不是有效的数值");
    model.setText(EditBox::Edit_L, "36");
    model.setText(EditBox::Edit_jyzb_l, "1e45");
    EXPECT_EQ(refusal(model, "错误信息"), "绝缘子串B 长度(mm): “1e45” 不是有效的数值");
    model.setText(EditBox::Edit_f, "abc");
    EXPECT_EQ(refusal(model, "错误信息"), "控制弧垂f(m): “abc” 不是有效的数值");
}

// Values no real span can have: the engine would print "results" for them.
TEST(PlausibilityCheck, PhysicallyImpossibleValuesAreRefusedNamingTheField)
{
    const auto refusalWith = [](EditBox box, const char *text) {
        MainWindowModel model;
        model.setText(box, text);
        return refusal(model);
    };
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_kg, "-2.5"), "单根自重(kg)不能为负值,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_d, "-1"), "计算外径(mm)不能为负值,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_flkg, "-0.1"), "间隔棒重(kg)不能为负值,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_jyza_kg, "-10"), "绝缘子串A 无冰时重量(kg)不能为负值,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_jyzb_f2, "-0.5"), "绝缘子串B 覆冰时受风面积(m2)不能为负值,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_E, "0"), "弹性模量(N/mm2)应大于0,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_E, "-65000"), "弹性模量(N/mm2)应大于0,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_S, "0"), "单根截面(mm2)应大于0,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_flgs, "9"), "分裂根数不能大于8,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_flgs, "8"), "");
    // Zero weights and a zero wind area are unusual, not impossible.
    EXPECT_EQ(refusalWith(EditBox::Edit_jyza_f1, "0"), "");
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_flkg, "0"), "");

    MainWindowModel lead;
    lead.setCell(2, fittingWeightRow, "-8");
    EXPECT_EQ(refusal(lead), "引下线P1 金具重(kg)不能为负值,请修改.");
}

TEST(PlausibilityCheck, OptionsBelowAbsoluteZeroOrWithNegativeWindAreRefused)
{
    const MainWindowModel model;
    const auto refusalWith = [&model](auto change) {
        options::OptionsTexts options;
        change(options);
        ScriptedMessenger messenger({common::MessageAnswer::Ok});
        if (checkPlausibility(assembleCalculationInput(model, options), model, messenger)) {
            EXPECT_TRUE(messenger.shown.empty());
            messenger.dropUnusedAnswers();
            return std::string();
        }
        EXPECT_EQ(messenger.shown.at(0).caption, plausibility);
        return messenger.shown.at(0).text;
    };
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.conditionWindSpeed[4] = "-30"; }),
              "最大风速 计算风速(m/s)不能为负值,请修改.");
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.conditionTemperature[1] = "-273.2"; }),
              "最低温度 导线温度(℃)不能低于绝对零度-273.15℃,请修改.");
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.conditionTemperature[1] = "-273.15"; }), "");
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.markingTemperature[8] = "-300"; }),
              "安装划印计算温度9(℃)不能低于绝对零度-273.15℃,请修改.");
    // A hot, windy design is unusual but computes.
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.conditionTemperature[0] = "150"; }), "");
}

TEST(PlausibilityCheck, EveryTextTheEngineReadsMustBeANumber)
{
    // Each of these reached the engine unread and failed the calculation.
    const EditBox boxes[] = {EditBox::Edit_h, EditBox::Edit_jxd, EditBox::Edit_dx_ax, EditBox::Edit_dx_d,
                             EditBox::Edit_dx_kg, EditBox::Edit_dx_cdj, EditBox::Edit_dx_flkg,
                             EditBox::Edit_jyza_kg, EditBox::Edit_jyza_kgb, EditBox::Edit_jyza_f1,
                             EditBox::Edit_jyzb_f2};
    for (const EditBox box : boxes) {
        for (const char *text : {"", ".", "1e39"}) {
            MainWindowModel model;
            model.setText(box, text);
            const std::string message = refusal(model, "错误信息");
            EXPECT_NE(message.find("“" + std::string(text) + "”"), std::string::npos) << message;
        }
    }
    MainWindowModel noVoltage;
    noVoltage.setVoltageIndex(-1);
    EXPECT_EQ(refusal(noVoltage, "错误信息"), "电压等级(kV): “” 不是有效的数值");

    // A present lead's cell and a drop-down lead's distance are read; a cleared lead's are not.
    MainWindowModel lead;
    lead.setCell(2, lengthRow, ".");
    EXPECT_NE(refusal(lead, "错误信息").find("引下线P1"), std::string::npos);
    MainWindowModel cleared;
    cleared.setTicked(PresenceBox::CheckBox_yx4, false);
    cleared.setCell(5, lengthRow, ".");
    EXPECT_EQ(refusal(cleared), "");
}

TEST(PlausibilityCheck, ALeadBundleCountMustBeWhole)
{
    MainWindowModel model;
    model.setCell(2, bundleCountRow, "2.5");
    EXPECT_EQ(refusal(model), "引下线P1 分裂根数应为整数,请修改.");
    model.setCell(2, bundleCountRow, "2.0");
    EXPECT_EQ(refusal(model), "");
}
