// c_th by conductor material as IEC 60865-1 tabulates it, read from the
// designations of the catalogue and of typed conductors.
#include "engine/thermalstrainconstant.h"

#include <gtest/gtest.h>

using namespace engine;

TEST(ThermalStrainConstant, SteelCoreByRatioOtherwiseByMaterial)
{
    const struct
    {
        const char *designation;
        double constant;
    } known[] = {
        {"LGJ-400/35", 0.27e-18},    // 11.4 parts aluminium to 1 of steel
        {"JL/G1A-630/45", 0.27e-18}, // the slash of the family is no ratio
        {"LGJ-300/70", 0.17e-18},    // 4.3
        {"LGJ-240/40", 0.17e-18},    // exactly 6 counts as "6 or less"
        {"LJ-70", 0.27e-18},
        {"JLHN58K-1600", 0.27e-18},
        {"TJ-240", 0.088e-18},
    };
    for (const auto &[designation, constant] : known) {
        const auto choice = thermalStrainConstantOf(designation);
        ASSERT_TRUE(choice) << designation;
        EXPECT_EQ(choice->constant, constant) << designation;
    }
    EXPECT_EQ(thermalStrainConstantOf("LGJ-240/40")->basis, "导线LGJ-240/40标称铝钢截面比6≤6");
    // A steel core without its sections, or no name at all, is not guessed.
    for (const char *unknown : {"LGJK-1250", "NAHLGJQ-1440", "LGJ-400/0", "LGJ400/35", ""})
        EXPECT_FALSE(thermalStrainConstantOf(unknown)) << unknown;
}
