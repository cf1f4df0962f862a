#include "app/model/calculationinputassembly.h"
#include "app/model/plausibilitycheck.h"
#include "support/scriptedmessenger.h"

#include <gtest/gtest.h>

#include <functional>

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

/// The refusal of the default span with \a text typed into \a box.
std::string refusalWith(EditBox box, const char *text)
{
    MainWindowModel model;
    model.setText(box, text);
    return refusal(model);
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
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_kg, "-2.5"), "单根自重(kg/m)不能为负值,请修改.");
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

TEST(PlausibilityCheck, OptionsNoDesignConditionCanHaveAreRefused)
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
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.conditionTemperature[1] = "-90.1"; }),
              "最低温度 导线温度(℃)不能低于-90℃(低于地球上测到的最低气温),请修改.");
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.conditionTemperature[1] = "-90"; }), "");
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.markingTemperature[8] = "-300"; }),
              "安装划印计算温度9(℃)不能低于-90℃(低于地球上测到的最低气温),请修改.");
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.conditionTemperature[0] = "1e6"; }),
              "最高温度 导线温度(℃)不能高于300℃(超过裸导线短路时的最高允许温度),请修改.");
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.conditionTemperature[0] = "300"; }), "");
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.conditionWindSpeed[4] = "1e6"; }),
              "最大风速 计算风速(m/s)不能大于120m/s(超过实测到的最大风速),请修改.");
    EXPECT_EQ(refusalWith([](options::OptionsTexts &o) { o.conditionWindSpeed[4] = "120"; }), "");
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

// The sag against the span: L = 36 m, so the least sag any conductor can be
// strung to is 36² / (8 · 30 000 m) = 0.0054 m.
TEST(PlausibilityCheck, SagsNoConductorCanHaveAreRefused)
{
    const auto refusalWith = [](const char *span, const char *sag) {
        MainWindowModel model;
        model.setText(EditBox::Edit_L, span);
        model.setText(EditBox::Edit_f, sag);
        return refusal(model);
    };
    EXPECT_EQ(refusalWith("36", "100000"), "控制弧垂f(m)应小于跨距L(m),请修改.");
    EXPECT_EQ(refusalWith("36", "36"), "控制弧垂f(m)应小于跨距L(m),请修改.");
    EXPECT_EQ(refusalWith("36", "1e-31"), "控制弧垂f(m)过小: 跨距36m的导线即使拉到拉断也有0.0054m以上的弧垂,请修改.");
    EXPECT_EQ(refusalWith("36", "0.0053"), "控制弧垂f(m)过小: 跨距36m的导线即使拉到拉断也有0.0054m以上的弧垂,请修改.");
    EXPECT_EQ(refusalWith("36", "0.0055"), "");
    // The pasted span of the report: 2 m on 2201 m would take about 15 000 kN.
    EXPECT_EQ(refusalWith("2201", "2"), "控制弧垂f(m)过小: 跨距2201m的导线即使拉到拉断也有20.1851m以上的弧垂,请修改.");
    EXPECT_EQ(refusalWith("36", "35.9"), "");
    // A span no conductor crosses is named as typed, without binary noise.
    EXPECT_EQ(refusalWith("1e30", "2"), "跨距L(m)为1e30m,超过任何导线跨越的长度(不超过10000m),请修改.");
    EXPECT_EQ(refusalWith("10000.5", "500"), "跨距L(m)为10000.5m,超过任何导线跨越的长度(不超过10000m),请修改.");
}

TEST(PlausibilityCheck, MaintenancePointOutsideTheSpanAndAnAreaBeyondTheDiameterAreRefused)
{
    EXPECT_EQ(refusalWith(EditBox::Edit_jxd, "-0.1"), "检修点距左侧(m)应在0与跨距L(m)之间,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_jxd, "36.1"), "检修点距左侧(m)应在0与跨距L(m)之间,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_jxd, "36"), "");
    EXPECT_EQ(refusalWith(EditBox::Edit_jxd, "0"), "");
    // π · 51.36² / 4 = 2071.74 mm²; the default area is 1555.8 mm².
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_S, "2072"), "单根截面(mm2)不能大于计算外径(mm)所围的圆面积2071.7mm2,请修改.");
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_S, "2071.7"), "");
    EXPECT_EQ(refusalWith(EditBox::Edit_dx_d, "0"), "单根截面(mm2)不能大于计算外径(mm)所围的圆面积0mm2,请修改.");
}

TEST(PlausibilityCheck, BundleCountMustBeAWholeNumberFromOneToEight)
{
    const std::pair<const char *, const char *> cases[] = {
        {"2.5", "分裂根数应为整数,请修改."}, {"0", "分裂根数应不小于1,请修改."}, {"9", "分裂根数不能大于8,请修改."}};
    for (const auto &[typed, message] : cases) {
        MainWindowModel model;
        model.setText(EditBox::Edit_dx_flgs, typed);
        EXPECT_EQ(refusal(model), message) << typed;
    }
    for (const char *typed : {"", "abc"}) {
        MainWindowModel model;
        model.setText(EditBox::Edit_dx_flgs, typed);
        EXPECT_EQ(refusal(model, "错误信息"), std::string("分裂根数: “") + typed + "” 不是有效的数值");
    }
}

namespace {

/// The unusual values of the default span with \a change made to its window or options.
std::vector<std::string> unusualWith(const std::function<void(MainWindowModel &, options::OptionsTexts &)> &change)
{
    MainWindowModel model;
    options::OptionsTexts options;
    change(model, options);
    const engine::CalculationInput input = assembleCalculationInput(model, options);
    ScriptedMessenger messenger;
    EXPECT_TRUE(checkPlausibility(input, model, messenger));
    return implausibleValues(input);
}

using Lines = std::vector<std::string>;

} // namespace

TEST(ImplausibleValues, DefaultSpanAndTheTightSagCaseHaveNone)
{
    EXPECT_EQ(unusualWith([](MainWindowModel &, options::OptionsTexts &) {}), Lines{});
    // 0.8 m on 36 m is 1/45: tighter than the handbook's 1/30, yet a real design.
    EXPECT_EQ(unusualWith([](MainWindowModel &m, options::OptionsTexts &) { m.setText(EditBox::Edit_f, "0.8"); }),
              Lines{});
}

TEST(ImplausibleValues, EachUnusualValueIsNamedWithItsUsualRange)
{
    using Change = std::function<void(MainWindowModel &, options::OptionsTexts &)>;
    const std::pair<Change, Lines> cases[] = {
        // The pasted span of the report: 36 m became 2201 m (the sag stays 2 m).
        // A span of 2201 m with a sag of 2 m is refused; with 100 m it is only unusual.
        {[](MainWindowModel &m, options::OptionsTexts &) {
             m.setText(EditBox::Edit_L, "2201");
             m.setText(EditBox::Edit_f, "100");
         },
         {"跨距L(m)为2201m,常用10 ~ 200m(变电站跨线)"}},
        {[](MainWindowModel &m, options::OptionsTexts &) { m.setText(EditBox::Edit_L, "9.5"); },
         {"跨距L(m)为9.5m,常用10 ~ 200m(变电站跨线)",
          "控制弧垂f(m)为2m,是跨距的1/4.8,常用跨距的1/60 ~ 1/7.5(手册建议1/30 ~ 1/15)"}},
        // The ends 36 / 60 = 0.6 m and 36 · 2 / 15 = 4.8 m (4.8 in single precision lies just above).
        {[](MainWindowModel &m, options::OptionsTexts &) { m.setText(EditBox::Edit_f, "0.6"); }, {}},
        {[](MainWindowModel &m, options::OptionsTexts &) { m.setText(EditBox::Edit_f, "4.79"); }, {}},
        {[](MainWindowModel &m, options::OptionsTexts &) { m.setText(EditBox::Edit_f, "0.59"); },
         {"控制弧垂f(m)为0.59m,是跨距的1/61,常用跨距的1/60 ~ 1/7.5(手册建议1/30 ~ 1/15)"}},
        {[](MainWindowModel &m, options::OptionsTexts &) { m.setText(EditBox::Edit_f, "4.9"); },
         {"控制弧垂f(m)为4.9m,是跨距的1/7.3,常用跨距的1/60 ~ 1/7.5(手册建议1/30 ~ 1/15)"}},
        {[](MainWindowModel &, options::OptionsTexts &o) { o.conditionTemperature[0] = "151"; },
         {"最高温度 导线温度(℃)为151℃,常用-50 ~ 150℃"}},
        {[](MainWindowModel &, options::OptionsTexts &o) { o.conditionTemperature[1] = "-51"; },
         {"最低温度 导线温度(℃)为-51℃,常用-50 ~ 150℃"}},
        {[](MainWindowModel &, options::OptionsTexts &o) { o.markingTemperature[0] = "51"; },
         {"安装划印计算温度1(℃)为51℃,常用-50 ~ 50℃"}},
        {[](MainWindowModel &, options::OptionsTexts &o) { o.conditionWindSpeed[4] = "50.5"; },
         {"最大风速 计算风速(m/s)为50.5m/s,常用不超过50m/s"}},
        {[](MainWindowModel &m, options::OptionsTexts &) { m.setText(EditBox::Edit_dx_E, "718530"); },
         {"弹性模量(N/mm2)为718530,常用40000 ~ 210000"}},
        {[](MainWindowModel &m, options::OptionsTexts &) { m.setText(EditBox::Edit_dx_ax, "2.3"); },
         {"温度线膨胀系数(10⁻⁶/℃)为2.3,常用10 ~ 25"}},
        // A weight in N/m: 48.5 N/m over 1555.8 mm² reads as 31.17 g/cm³.
        {[](MainWindowModel &m, options::OptionsTexts &) { m.setText(EditBox::Edit_dx_kg, "48.5"); },
         {"单根自重(kg/m)与单根截面(mm2)之比合31.17g/cm3,导线常用2.5 ~ 9g/cm3"}},
        // A 110 kV string picked for a 220 kV span, and a 500 kV one: the voltage or the string is wrong.
        {[](MainWindowModel &m, options::OptionsTexts &) { m.setStringTypeText(StringSide::A, "8*XWP2-160耐张(单串单线)"); },
         {"绝缘子串A 型号为8片,220kV常用13 ~ 22片"}},
        {[](MainWindowModel &m, options::OptionsTexts &) {
             m.setStringTypeText(StringSide::B, "28*XWP2-160耐张(单串单线)");
         },
         {"绝缘子串B 型号为28片,220kV常用13 ~ 22片"}},
        // A designation without a disc count (a composite string) is not judged, nor are 10 kV strings.
        {[](MainWindowModel &m, options::OptionsTexts &) { m.setStringTypeText(StringSide::A, "FXBW-220/100"); }, {}},
        {[](MainWindowModel &m, options::OptionsTexts &) {
             m.setVoltageIndex(9);
             m.setStringTypeText(StringSide::A, "8*XWP2-160耐张(单串单线)");
         },
         {}},
    };
    for (const auto &[change, lines] : cases)
        EXPECT_EQ(unusualWith(change), lines);
}

TEST(ImplausibleValues, TheQuestionListsTheValuesAndOffersToContinueOrRevise)
{
    const common::Message question = implausibleValuesQuestion({"跨距L(m)为2201m,常用10 ~ 200m(变电站跨线)"});
    EXPECT_EQ(question.text, "以下数值对变电站跨线不常见,请确认:\n跨距L(m)为2201m,常用10 ~ 200m(变电站跨线).\n\n"
                             "按“继续计算”照此计算,按“返回修改”回到输入.");
    EXPECT_EQ(question.caption, "数据合理性提示");
    EXPECT_EQ(question.buttons, common::MessageButtons::ContinueRevise);
}
