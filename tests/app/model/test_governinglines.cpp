// The lines of the panel 控制工况, from figures set by hand.
#include "app/model/governinglines.h"

#include "engine/loadstate.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace engine;

namespace {

GoverningStates uncheckedFigures()
{
    GoverningStates governing;
    governing.largestTension = {25.4104f, maxLoad};
    governing.largestSag = {1.8446f, installation, installationColumn + 8, 40};
    governing.controlSag = 1.8f;
    governing.largestLoadA = {27.5f, maxLoad};
    governing.largestLoadB = {26.0f, minTemperature};
    governing.verdict = verdictNotChecked;
    return governing;
}

std::vector<std::string> values(const std::vector<app::GoverningLine> &lines)
{
    std::vector<std::string> texts;
    for (const app::GoverningLine &line : lines)
        texts.push_back(line.value);
    return texts;
}

} // namespace

TEST(GoverningLines, UncheckedSpanShowsItsFiguresAndNoFactor)
{
    const std::vector<app::GoverningLine> lines = app::governingLines(uncheckedFigures(), DesignChecks{});
    EXPECT_EQ(values(lines), (std::vector<std::string>{
                                 "25.41 kN (最大荷载)",
                                 "1.845 m (安装 40℃), 控制弧垂 1.8 m",
                                 "未校核",
                                 "未校核",
                                 "未校核",
                                 "27.5 kN (最大荷载)",
                                 "26 kN (最低温度)",
                             }));
    EXPECT_TRUE(std::none_of(lines.begin(), lines.end(), [](const app::GoverningLine &line) { return line.failing; }));
}

// The smallest factor is judged against what its own state requires: 3.1
// meets a short-term 3.0 but not a long-term 3.3.
TEST(GoverningLines, NamesWhatFailsAndWhereTheSagExceedsTheControlSag)
{
    GoverningStates governing = uncheckedFigures();
    governing.largestSag = {1.9f, threePhaseHot, threePhaseHot, 70};
    governing.maintenanceAboveControl = {threePhaseHot, singlePhaseCold};
    governing.conductorFactor = GoverningFactor{3.1f, installation};
    governing.stringFactor = GoverningFactor{3.1f, minTemperature};
    governing.pass = false;
    governing.verdict = verdictFailed;
    DesignChecks checks;
    checks.states[installation].requiredConductorFactor = 3.0f;
    checks.states[minTemperature].requiredStringFactor = 3.3f;

    const std::vector<app::GoverningLine> lines = app::governingLines(governing, checks);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1].value, "1.9 m (三相上人高温), 控制弧垂 1.8 m");
    EXPECT_EQ(lines[2].label, "弧垂超过控制弧垂的检修工况");
    EXPECT_EQ(lines[2].value, "三相上人高温、单相上人低温");
    EXPECT_TRUE(lines[2].failing);
    EXPECT_EQ(lines[3].value, "3.1 (安装), 要求不小于3");
    EXPECT_FALSE(lines[3].failing);
    EXPECT_EQ(lines[4].value, "3.1 (最低温度), 要求不小于3.3");
    EXPECT_TRUE(lines[4].failing);
    EXPECT_EQ(lines[5].value, "不满足");
    EXPECT_TRUE(lines[5].failing);
}
