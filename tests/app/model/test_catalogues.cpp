#include "app/model/conductorcatalogue.h"
#include "app/model/insulatorstringcatalogue.h"
#include "engine/numberconversion.h"

#include <gtest/gtest.h>

#include <set>

using namespace app;

namespace {

std::vector<std::string> fields(const ConductorEntry &e)
{
    return {std::string(e.typeName), std::string(e.diameter), std::string(e.area),
            std::string(e.expansionCoefficient), std::string(e.elasticModulus),
            std::string(e.unitWeight)};
}

std::vector<std::string> fields(const InsulatorStringEntry &e)
{
    return {e.typeName, e.length, e.weight, e.weightIce5, e.weightIce10,
            e.windArea, e.windAreaIce5, e.windAreaIce10};
}

using Strings = std::vector<std::string>;

} // namespace

TEST(ConductorCatalogue, KeepsTheTextsAsWritten)
{
    const ConductorCatalogue &c = conductorCatalogue();
    EXPECT_EQ(fields(c[0]), (Strings{"NAHLGJQ-1440", "51.36", "1555.8", "23.0", "71853", "4.942"}));
    EXPECT_EQ(fields(c[1]), (Strings{"NAHLGJQ-800", "38.40", "950", "20.4", "73000", "2.69"}));
    EXPECT_EQ(fields(c[17]), (Strings{"LGJ-630/45", "33.60", "666.55", "20.9", "63000", "2.060"}));
    EXPECT_EQ(fields(c[69]), (Strings{"LJ-95", "12.48", "95.14", "23.0", "59000", "0.2605"}));
    EXPECT_EQ(fields(c[72]), (Strings{"JLHN58K-1600", "70.00", "1582.9", "23.0", "50000", "4.475"}));
    // After the old 73, so that old last-input files keep their indices; the
    // figures of the JL/G1A-630/45 data sheet (674.0 mm2, 33.80 mm,
    // 2079.2 kg/km, 63.0 GPa, 20.9e-6 /degC).
    EXPECT_EQ(fields(c[73]), (Strings{"JL/G1A-630/45", "33.80", "674.0", "20.9", "63000", "2.0792"}));

    std::set<std::string_view> names;
    for (const ConductorEntry &entry : c) {
        names.insert(entry.typeName);
        for (const std::string_view number : {entry.diameter, entry.area, entry.expansionCoefficient,
                                              entry.elasticModulus, entry.unitWeight})
            EXPECT_TRUE(engine::isDecimalNumber(number, false)) << entry.typeName << " " << number;
    }
    EXPECT_EQ(names.size(), 74u);
}

TEST(InsulatorStringCatalogue, ComposedEntriesMatchThePublishedTables)
{
    const InsulatorStringCatalogue &c = insulatorStringCatalogue();
    EXPECT_EQ(fields(c[0]), (Strings{"33*XWP2-160耐张(单串双线,分裂间距400)", "5640", "347.3", "372.1",
                                     "403.6", "1.3594", "1.5967", "1.8168"}));
    EXPECT_EQ(fields(c[6]), (Strings{"16*XWP2-160耐张(单串双线,分裂间距200)", "2965", "165.3", "175.3",
                                     "187.8", "0.529", "0.618", "0.695"}));
    EXPECT_EQ(fields(c[9]), (Strings{"16*XWP2-160可调(单串单线)", "3155", "164.8", "174.6", "187",
                                     "0.534", "0.628", "0.707"}));
    EXPECT_EQ(fields(c[56]), (Strings{"16*XWP2-100耐张(单串双线,分裂间距200)", "2985", "129.9", "138.64",
                                      "148.3", "0.442", "0.578", "0.654"}));
    EXPECT_EQ(fields(c[99]), (Strings{"4*XWP2-100可调(单串单线)", "1255", "38.9", "41.2", "43.7", "0.144",
                                      "0.187", "0.219"}));
    EXPECT_EQ(c[49].typeName, "4*XWP2-160可调(单串单线)");
    EXPECT_EQ(c[50].typeName, "33*XWP2-100耐张(单串双线,分裂间距400)");
}

TEST(InsulatorStringCatalogue, PublishedCorrectionsOverrideTheRule)
{
    const InsulatorStringCatalogue &c = insulatorStringCatalogue();
    // Entry 29: only the 10 mm weight differs from the rule, which gives 111.05.
    EXPECT_EQ(fields(c[29]), (Strings{"9*XWP2-160可调(单串单线)", "2070", "98.3", "103.9", "110.05",
                                      "0.324", "0.383", "0.434"}));
    EXPECT_EQ(c[84].typeName, "7*XWP2-100耐张(单串双线,分裂间距200)");
    EXPECT_EQ(c[84].weightIce5, "66.4");
    EXPECT_EQ(c[85].weightIce5, "74.9");
    EXPECT_EQ(c[86].weightIce5, "59.0");
    EXPECT_EQ(c[87].weightIce5, "65.2");
    // Beside the corrected column the entries stay as composed.
    EXPECT_EQ(fields(c[86]), (Strings{"7*XWP2-100耐张(单串单线)", "1395", "55.2", "59.0", "63.2", "0.195",
                                      "0.255", "0.29"}));
    EXPECT_EQ(fields(c[96]), (Strings{"4*XWP2-100耐张(单串双线,分裂间距200)", "1065", "39.9", "42.7",
                                      "45.6", "0.1559", "0.1955", "0.2277"}));
    EXPECT_EQ(fields(c[97]), (Strings{"4*XWP2-100可调(单串双线,分裂间距200)", "1315", "48.3", "51.2",
                                      "54.2", "0.1719", "0.2205", "0.2557"}));
}

TEST(InsulatorStringCatalogue, EveryValueIsAPlainNumber)
{
    for (const InsulatorStringEntry &entry : insulatorStringCatalogue()) {
        for (const std::string &number : {entry.length, entry.weight, entry.weightIce5, entry.weightIce10,
                                          entry.windArea, entry.windAreaIce5, entry.windAreaIce10}) {
            EXPECT_TRUE(engine::isDecimalNumber(number, false)) << entry.typeName << " " << number;
            EXPECT_GT(engine::toNumber(number), 0) << entry.typeName;
        }
    }
}

namespace {

const ConductorEntry &conductorNamed(std::string_view name)
{
    for (const ConductorEntry &entry : conductorCatalogue())
        if (entry.typeName == name)
            return entry;
    throw std::out_of_range(std::string(name));
}

} // namespace

TEST(ConductorCatalogue, RatedStrengthsOnlyWherePublished)
{
    // 计算拉断力 of GB 1179-83, rows checked against the standard's table.
    EXPECT_EQ(conductorNamed("LGJ-400/35").ratedStrength, "103900");
    EXPECT_EQ(conductorNamed("LGJ-300/40").ratedStrength, "92220");
    EXPECT_EQ(conductorNamed("LGJ-240/30").ratedStrength, "75620");
    EXPECT_EQ(conductorNamed("LGJ-800/100").ratedStrength, "241100");
    EXPECT_EQ(conductorNamed("LGJ-50/8").ratedStrength, "16870");
    // 额定抗拉力 150.45 kN of the JL/G1A-630/45 data sheet.
    EXPECT_EQ(conductorNamed("JL/G1A-630/45").ratedStrength, "150450");
    // No published row of that name, and the special types: the user types them.
    EXPECT_EQ(conductorNamed("LGJ-185/20").ratedStrength, "");
    EXPECT_EQ(conductorNamed("NAHLGJQ-1440").ratedStrength, "");
    EXPECT_EQ(conductorNamed("LJ-400").ratedStrength, "");

    int rated = 0;
    for (const ConductorEntry &entry : conductorCatalogue()) {
        if (entry.ratedStrength.empty())
            continue;
        ++rated;
        EXPECT_TRUE(entry.typeName.starts_with("LGJ-") || entry.typeName.starts_with("JL/G1A-")) << entry.typeName;
        EXPECT_TRUE(engine::isDecimalNumber(entry.ratedStrength, false)) << entry.typeName;
    }
    EXPECT_EQ(rated, 47);
}
