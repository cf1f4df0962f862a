// The engineer's own conductor: its checks, the user's library file, and how
// the last-input file and span files keep it.
#include "app/model/conductorlibrary.h"
#include "app/model/inputchecks.h"
#include "app/model/lastinputfile.h"
#include "app/model/spanfile.h"
#include "support/scriptedmessenger.h"
#include "support/temporaryfolder.h"

#include <gtest/gtest.h>

using namespace app;

namespace {

const CustomConductor jl400{"JL/G1A-400/35(厂家)", "26.82", "20.5", "65000", "425.24", "1.349"};

CustomConductor with(CustomConductor conductor, ConductorFigure figure, std::string text)
{
    figureText(conductor, figure) = std::move(text);
    return conductor;
}

std::string libraryText(const std::string &conductors)
{
    return R"({"format": "tenrix-conductors", "version": 1, "conductors": [)" + conductors + "]}";
}

const std::string jl400Entry =
    R"x({"type": "JL/G1A-400/35(厂家)", "diameter_mm": "26.82", "expansionCoefficient_1e-6_per_degC": "20.5",)x"
    R"x( "elasticModulus_N_mm2": "65000", "area_mm2": "425.24", "unitWeight_kg_m": "1.349"})x";

} // namespace

TEST(CustomConductor, FaultNamesTheFieldAndWhatIsWrong)
{
    struct Case
    {
        CustomConductor conductor;
        std::string fault;
    };
    CustomConductor unnamed = jl400;
    unnamed.designation = "";
    CustomConductor builtIn = jl400;
    builtIn.designation = "LGJ-400/35";
    CustomConductor longName = jl400;
    longName.designation = std::string(41, 'x');
    CustomConductor tab = jl400;
    tab.designation = "JL\t400";
    const Case cases[] = {
        {jl400, ""},
        {with(jl400, ConductorFigure::diameter, "0.001"), ""},
        {unnamed, "型号为空,请输入导线型号"},
        {builtIn, "型号 \"LGJ-400/35\" 是内置导线的型号,请在列表中选取它,或另起一个型号"},
        {longName, "型号有 41 个字符,最多 40 个字符"},
        {tab, "型号含有控制字符"},
        {with(jl400, ConductorFigure::diameter, "abc"), "计算外径(mm) \"abc\" 不是数值"},
        {with(jl400, ConductorFigure::diameter, ""), "计算外径(mm) \"\" 不是数值"},
        {with(jl400, ConductorFigure::expansionCoefficient, "-20.5"), "温度线膨胀系数(10⁻⁶/℃) \"-20.5\" 不是数值"},
        {with(jl400, ConductorFigure::elasticModulus, "6.5e4"), "弹性模量(N/mm2) \"6.5e4\" 不是数值"},
        {with(jl400, ConductorFigure::area, "0"), "单根截面(mm2) \"0\" 应大于0"},
        {with(jl400, ConductorFigure::area, "."), "单根截面(mm2) \".\" 不是数值"},
        // Zero in single precision, as the engine would hold it.
        {with(jl400, ConductorFigure::unitWeight, "0.0000000000000000000000000000000000000000000001"),
         "单根自重(kg/m) \"0.000000000000000000…\" 应大于0"},
        {with(jl400, ConductorFigure::unitWeight, std::string(40, '9')),
         "单根自重(kg/m) \"99999999999999999999…\" 不是数值"},
        {with(jl400, ConductorFigure::unitWeight, " 1.349"), "单根自重(kg/m) \" 1.349\" 不是数值"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(customConductorFault(c.conductor), c.fault) << c.conductor.designation;
}

TEST(CustomConductor, PickingCustomKeepsTheFiguresAndAsksForAName)
{
    MainWindowModel model;
    model.pickConductor(24); // LGJ-400/35
    model.pickConductor(MainWindowModel::customConductorIndex);
    EXPECT_TRUE(model.isCustomConductor());
    EXPECT_EQ(model.conductorIndex(), MainWindowModel::customConductorIndex);
    EXPECT_EQ(model.conductor(), (CustomConductor{"", "26.82", "20.5", "65000", "425.24", "1.349"}));

    model.setConductorDesignation("JL/G1A-400/35");
    model.pickConductor(MainWindowModel::customConductorIndex); // again: the name stays
    EXPECT_EQ(model.conductorText(), "JL/G1A-400/35");

    model.pickConductor(0);
    EXPECT_FALSE(model.isCustomConductor());
    EXPECT_EQ(model.conductorText(), "NAHLGJQ-1440");
    model.setConductorDesignation("ignored");
    EXPECT_EQ(model.conductorText(), "NAHLGJQ-1440");

    model.pickLibraryConductor(jl400);
    EXPECT_EQ(model.conductor(), jl400);
    EXPECT_EQ(model.text(EditBox::Edit_dx_flgs), "2"); // the bundle stays
}

TEST(CustomConductor, CheckedBeforeTheCalculation)
{
    MainWindowModel model;
    ScriptedMessenger messenger;
    EXPECT_TRUE(checkCustomConductor(model, messenger)); // a catalogue type
    model.pickLibraryConductor(with(jl400, ConductorFigure::elasticModulus, "6 5000"));
    messenger.expect();
    EXPECT_FALSE(checkCustomConductor(model, messenger));
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0].text, "自定义导线的弹性模量(N/mm2) \"6 5000\" 不是数值,请修改.");
    EXPECT_EQ(messenger.shown[0].caption, "语法检查");
    model.setText(EditBox::Edit_dx_E, "65000");
    EXPECT_TRUE(checkCustomConductor(model, messenger));
}

TEST(CustomConductor, LastInputFileKeepsItByNameNotByIndex)
{
    MainWindowModel model;
    model.pickLibraryConductor(jl400);
    const LastInputLines lines = lastInputLines(model);
    EXPECT_EQ(lines[31], "自定义");
    EXPECT_EQ(lines[34], "JL/G1A-400/35(厂家)");
    EXPECT_EQ(lines[5], "26.82");

    ReadLastInputLines read;
    for (std::size_t i = 0; i < lines.size(); ++i)
        read[i] = lines[i];
    MainWindowModel restored;
    applyLastInputLines(restored, read);
    EXPECT_TRUE(restored.isCustomConductor());
    EXPECT_EQ(restored.conductor(), jl400);

    // An old file's index still names the old type, and leaves no custom conductor behind.
    read[31] = "24";
    read[34] = std::nullopt;
    applyLastInputLines(restored, read);
    EXPECT_FALSE(restored.isCustomConductor());
    EXPECT_EQ(restored.conductorText(), "LGJ-400/35");
}

TEST(CustomConductor, SpanFileCarriesTheWholeConductor)
{
    SpanFile span;
    span.window.pickLibraryConductor(jl400);
    const std::string text = spanFileText(span);
    const ReadSpan read = parseSpanFile(text, "a.tenrix");
    EXPECT_TRUE(read.span.window.isCustomConductor());
    EXPECT_EQ(read.span.window.conductor(), jl400);
    EXPECT_TRUE(read.missingKeys.empty());

    // A file without the key is one of before: its type is a catalogue one, and nothing is missing.
    nlohmann::ordered_json old = nlohmann::ordered_json::parse(spanFileText(SpanFile{}));
    old["conductor"].erase("custom");
    old["conductor"]["type"] = "LGJ-400/35";
    const ReadSpan oldRead = parseSpanFile(old.dump(), "old.tenrix");
    EXPECT_FALSE(oldRead.span.window.isCustomConductor());
    EXPECT_EQ(oldRead.span.window.conductorText(), "LGJ-400/35");
    EXPECT_TRUE(oldRead.missingKeys.empty());

    old["conductor"]["type"] = "JL/G1A-400/35";
    EXPECT_THROW(parseSpanFile(old.dump(), "old.tenrix"), SpanFileError);
    old["conductor"]["custom"] = "yes";
    EXPECT_THROW(parseSpanFile(old.dump(), "old.tenrix"), SpanFileError);
}

TEST(ConductorLibrary, WritesAndReadsBackEveryTextAsTyped)
{
    TemporaryFolder folder;
    const std::filesystem::path file = folder.file("sub") / conductorLibraryFileName;
    EXPECT_TRUE(readConductorLibrary(file).empty()); // none yet

    ConductorLibrary library;
    keepConductor(library, jl400);
    keepConductor(library, {"导线-2", "38.40", "20.9", "63000", "870.60", "2.690"});
    keepConductor(library, with(jl400, ConductorFigure::unitWeight, "1.350")); // replaces in place
    ASSERT_EQ(library.size(), 2u);
    EXPECT_EQ(library[0].unitWeight, "1.350");
    writeConductorLibrary(file, library);
    EXPECT_EQ(readConductorLibrary(file), library);
    EXPECT_NE(readBytes(file).find("\"area_mm2\": \"870.60\""), std::string::npos);

    EXPECT_TRUE(removeConductor(library, "导线-2"));
    EXPECT_FALSE(removeConductor(library, "导线-2"));
    EXPECT_EQ(findConductor(library, "导线-2"), nullptr);
}

TEST(ConductorLibrary, RefusesWhatItCannotReadAsWritten)
{
    struct Case
    {
        std::string text;
        std::string message;
    };
    const std::string prefix = "导线库文件 c.json 中";
    const Case cases[] = {
        {"[", "第 1 行"},
        {R"({"format": "tenrix-span", "version": 1, "conductors": []})", "\"format\" 应为 \"tenrix-conductors\""},
        {R"({"format": "tenrix-conductors", "version": 2, "conductors": []})", "\"version\" 为 2,本程序只能读版本 1"},
        {R"({"format": "tenrix-conductors", "version": 1})", "\"conductors\" 应为一个列表 [...]"},
        {R"({"format": "tenrix-conductors", "version": 1, "conductors": [], "x": 1})", "不认识的 \"x\""},
        {libraryText("3"), "第 1 个导线应为一个对象 {...}"},
        {libraryText(R"({"type": "A"})"), "第 1 个导线缺少 \"diameter_mm\""},
        {libraryText(jl400Entry + "," + jl400Entry), "第 2 个导线的型号 \"JL/G1A-400/35(厂家)\" 与前面的导线重复"},
        {libraryText(R"({"type": "A", "diameter_mm": 26.82, "expansionCoefficient_1e-6_per_degC": "20.5",)"
                     R"( "elasticModulus_N_mm2": "65000", "area_mm2": "425.24", "unitWeight_kg_m": "1.349"})"),
         "第 1 个导线的 \"diameter_mm\" 应为文字(用引号括起)"},
        {libraryText(R"({"type": "A", "diameter_mm": "26.82", "expansionCoefficient_1e-6_per_degC": "20.5",)"
                     R"( "elasticModulus_N_mm2": "abc", "area_mm2": "425.24", "unitWeight_kg_m": "1.349"})"),
         "第 1 个导线的弹性模量(N/mm2) \"abc\" 不是数值"},
        {libraryText(R"({"type": "A", "diameter_mm": "26.82", "expansionCoefficient_1e-6_per_degC": "20.5",)"
                     R"( "elasticModulus_N_mm2": "65000", "area_mm2": "425.24", "unitWeight_kg_m": "1.349", "d": "1"})"),
         "第 1 个导线有本程序不认识的 \"d\""},
    };
    for (const Case &c : cases) {
        try {
            parseConductorLibrary(c.text, "c.json");
            ADD_FAILURE() << c.text;
        } catch (const ConductorLibraryError &error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind(prefix, 0), 0u) << message;
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
        }
    }
    EXPECT_EQ(parseConductorLibrary(libraryText(jl400Entry), "c.json"), ConductorLibrary{jl400});
}
