#include "app/model/lastinputfile.h"
#include "app/model/spanfile.h"
#include "common/filewriteerror.h"
#include "options/model/optionsmodel.h"
#include "options/model/optionstexts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <system_error>

using namespace app;
using namespace app::loadtable;
using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

namespace {

/// A span that differs from the defaults wherever a text could be lost.
SpanFile unusualSpan()
{
    SpanFile span;
    MainWindowModel &window = span.window;
    window.setText(EditBox::Edit_bt, "  #2主变 \"进线\" 跨线");
    window.setText(EditBox::Edit_L, "40.50");
    window.setText(EditBox::Edit_jxd, "12.0");
    window.setText(EditBox::Edit_h, "");
    window.setText(EditBox::Edit_dx_flgs, "2");
    window.setText(EditBox::Edit_jyzb_f2, "0.7x");
    window.setVoltageIndex(-1);
    window.setConductorIndex(5);
    window.setStringTypeText(StringSide::B, "自组串 ");
    window.setTicked(PresenceBox::CheckBox_yx2, true);
    window.setCell(3, conductorTypeRow, "LGJ-400/35");
    window.setCell(3, relativeDistanceRow, " 7.5 ");
    window.setCell(2, lengthRow, "");
    window.setTicked(PresenceBox::CheckBox_tx2, false);

    span.options.conditionTemperature[0] = "80.0";
    span.options.conditionWindSpeed[7] = "-";
    span.options.iceIndex = 3;
    span.options.markingTemperature[8] = "-15";
    span.options.markingState = {false, true, true, true, false};
    span.reserved = {0.1f, -2.5f, {0, 0, 7, 0, 1e30f}};
    return span;
}

ReadSpan roundTrip(const SpanFile &span)
{
    return parseSpanFile(spanFileText(span), "a.tenrix");
}

/// The message with which parsing \a text is refused, empty when it is not.
std::string refusal(const std::string &text)
{
    try {
        parseSpanFile(text, "站1.tenrix");
    } catch (const SpanFileError &error) {
        return error.what();
    }
    return {};
}

/// The text of the default span with \a change made to its JSON.
template<typename Change>
std::string changedDefaultSpan(Change change)
{
    Json document = Json::parse(spanFileText(SpanFile()));
    change(document);
    return document.dump();
}

} // namespace

TEST(SpanFile, RoundTripGivesBackEveryTextAsTyped)
{
    const SpanFile span = unusualSpan();
    const ReadSpan read = roundTrip(span);

    EXPECT_TRUE(read.missingKeys.empty());
    EXPECT_EQ(assembleCalculationInput(read.span.window, read.span.options),
              assembleCalculationInput(span.window, span.options));
    EXPECT_EQ(lastInputLines(read.span.window), lastInputLines(span.window));
    EXPECT_EQ(read.span.window.text(EditBox::Edit_bt), "  #2主变 \"进线\" 跨线");
    EXPECT_EQ(read.span.window.text(EditBox::Edit_jxd), "12.0");
    EXPECT_EQ(read.span.window.cell(3, relativeDistanceRow), " 7.5 ");
    // An emptied cell of a present load stays empty; the box rule does not refill it.
    EXPECT_EQ(read.span.window.cell(2, lengthRow), "");
    EXPECT_EQ(read.span.window.voltageIndex(), -1);
    EXPECT_EQ(read.span.window.conductorIndex(), 5);
    EXPECT_EQ(read.span.options.conditionWindSpeed[7], "-");
    EXPECT_EQ(read.span.options.iceIndex, 3);
    EXPECT_EQ(read.span.reserved, span.reserved);
    EXPECT_EQ(spanFileText(read.span), spanFileText(span));
}

TEST(SpanFile, TextIsReadableJsonWithUnitsInTheKeys)
{
    const std::string text = spanFileText(unusualSpan());
    EXPECT_EQ(text.rfind("{\n  \"format\": \"tenrix-span\",\n  \"version\": 1,\n", 0), 0u) << text;
    EXPECT_NE(text.find("\"spanLength_m\": \"40.50\""), std::string::npos);
    EXPECT_NE(text.find("\"name\": \"  #2主变 \\\"进线\\\" 跨线\""), std::string::npos);
    EXPECT_NE(text.find("\"voltageLevel_kV\": \"\""), std::string::npos);
    EXPECT_NE(text.find("\"iceThickness_mm\": 15"), std::string::npos);
    EXPECT_NE(text.find("\"line20\": 0.1,"), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
    // Row 9 of the jumpers is no input and is not stored.
    EXPECT_EQ(Json::parse(text)["loads"]["PA"].count("relativeDistance_m"), 0u);
    EXPECT_EQ(Json::parse(text)["loads"]["P1"]["relativeDistance_m"], "6");
}

TEST(SpanFile, UnknownKeysAreWrittenBackWhereTheyWere)
{
    const std::string text = changedDefaultSpan([](Json &document) {
        document["designChecks"] = {{"safetyFactor", 2.5}, {"enabled", true}};
        document["loads"]["P1"]["note"] = "东侧";
        document["span"]["spanLength_m"] = "33";
    });
    ReadSpan read = parseSpanFile(text, "a.tenrix");
    EXPECT_TRUE(read.missingKeys.empty());
    read.span.window.setText(EditBox::Edit_f, "1.9");

    const Json written = Json::parse(spanFileText(read.span));
    EXPECT_EQ(written["designChecks"], Json({{"safetyFactor", 2.5}, {"enabled", true}}));
    EXPECT_EQ(written["loads"]["P1"]["note"], "东侧");
    EXPECT_EQ(written["span"]["spanLength_m"], "33");
    EXPECT_EQ(written["span"]["controlSag_m"], "1.9");
    EXPECT_EQ(written.back(), written["designChecks"]);
}

TEST(SpanFile, MissingKeysTakeTheDefaultsAndAreListedInOneNote)
{
    const ReadSpan read = parseSpanFile(
        R"({"format": "tenrix-span", "version": 1, "span": {"name": "只有名称"},
            "loads": {"P2": {"present": true}}})",
        "a.tenrix");
    MainWindowModel expected;
    expected.setText(EditBox::Edit_bt, "只有名称");
    expected.setTicked(PresenceBox::CheckBox_yx2, true);
    EXPECT_EQ(assembleCalculationInput(read.span.window, read.span.options),
              assembleCalculationInput(expected, options::OptionsTexts{}));

    ASSERT_GE(read.missingKeys.size(), 6u);
    EXPECT_EQ(read.missingKeys[0], "span.spanLength_m");
    EXPECT_NE(std::find(read.missingKeys.begin(), read.missingKeys.end(), "conductor"), read.missingKeys.end());
    EXPECT_NE(std::find(read.missingKeys.begin(), read.missingKeys.end(), "loads.PA"), read.missingKeys.end());
    EXPECT_NE(std::find(read.missingKeys.begin(), read.missingKeys.end(), "loads.P2.length_m"),
              read.missingKeys.end());
    EXPECT_NE(std::find(read.missingKeys.begin(), read.missingKeys.end(), "options"), read.missingKeys.end());
    // Each key once, even where a whole section is missing.
    EXPECT_EQ(std::count(read.missingKeys.begin(), read.missingKeys.end(), "options"), 1);

    const std::string note = missingKeysNote("a.tenrix", read.missingKeys);
    EXPECT_EQ(note.rfind("跨线文件 a.tenrix 中缺少以下各项,已取程序默认值: span.spanLength_m, ", 0), 0u) << note;
    EXPECT_EQ(note.find('\n'), std::string::npos);
    EXPECT_EQ(missingKeysNote("a.tenrix", {}), "");
}

TEST(SpanFile, RefusesWhatIsNotASpanFileOfThisVersion)
{
    EXPECT_EQ(refusal("{\n  \"format\": \"tenrix-span\",\n  \"version\": 1,\n  x\n}"),
              "文件 站1.tenrix 不是跨线文件: 第 4 行第 3 列处不是正确的JSON文本(须为UTF-8编码).");
    EXPECT_NE(refusal("220kV#1主变进线间隔跨线\r\n40\r\n").find("不是正确的JSON文本"), std::string::npos);
    EXPECT_NE(refusal("{\"format\": \"tenrix-span\", \"version\": 1, \"span\": {\"name\": \"\xB0\xA1\"}}")
                  .find("不是正确的JSON文本"),
              std::string::npos);
    EXPECT_EQ(refusal("[1, 2]"), "文件 站1.tenrix 不是跨线文件: 缺少 \"format\": \"tenrix-span\".");
    EXPECT_EQ(refusal(R"({"format": "other", "version": 1})"),
              "文件 站1.tenrix 不是跨线文件: 缺少 \"format\": \"tenrix-span\".");
    EXPECT_EQ(refusal(R"({"format": "tenrix-span"})"), "跨线文件 站1.tenrix 缺少格式版本 \"version\".");
    EXPECT_EQ(refusal(R"({"format": "tenrix-span", "version": 2})"),
              "跨线文件 站1.tenrix 的格式版本为 2,由较新版本的程序保存;本程序只能读取版本 1 的文件.");
    EXPECT_EQ(refusal(R"({"format": "tenrix-span", "version": "1"})"),
              "跨线文件 站1.tenrix 中 \"version\" 的值应为不带小数点的整数");
    EXPECT_NE(refusal(R"({"format": "tenrix-span", "version": 0})").find("\"version\""), std::string::npos);
}

TEST(SpanFile, RefusesAWrongTypeNamingFileAndKey)
{
    const auto refusalOf = [](auto change) { return refusal(changedDefaultSpan(change)); };
    EXPECT_EQ(refusalOf([](Json &d) { d["span"]["spanLength_m"] = 40; }),
              "跨线文件 站1.tenrix 中 \"span.spanLength_m\" 的值应为用引号括起的文字");
    EXPECT_EQ(refusalOf([](Json &d) { d["loads"]["P3"]["present"] = "yes"; }),
              "跨线文件 站1.tenrix 中 \"loads.P3.present\" 的值应为 true 或 false");
    EXPECT_EQ(refusalOf([](Json &d) { d["loads"] = Json::array(); }),
              "跨线文件 站1.tenrix 中 \"loads\" 的值应为用 {} 括起的一组键值");
    EXPECT_EQ(refusalOf([](Json &d) { d["span"]["voltageLevel_kV"] = "221"; }),
              "跨线文件 站1.tenrix 中 \"span.voltageLevel_kV\" 的值\"221\" 不在程序的列表中");
    EXPECT_EQ(refusalOf([](Json &d) { d["conductor"]["type"] = "LGJ-999"; }),
              "跨线文件 站1.tenrix 中 \"conductor.type\" 的值\"LGJ-999\" 不在程序的列表中");
    EXPECT_EQ(refusalOf([](Json &d) { d["options"]["iceThickness_mm"] = 12; }),
              "跨线文件 站1.tenrix 中 \"options.iceThickness_mm\" 的值应为 0、5、10、15 或 20,而不是 12");
    EXPECT_EQ(refusalOf([](Json &d) { d["options"]["iceThickness_mm"] = 10.0; }),
              "跨线文件 站1.tenrix 中 \"options.iceThickness_mm\" 的值应为不带小数点的整数");
    EXPECT_EQ(refusalOf([](Json &d) { d["options"]["markingTemperatures_degC"].erase(8); }),
              "跨线文件 站1.tenrix 中 \"options.markingTemperatures_degC\" 的值应为用 [] 括起的 9 个整数");
    EXPECT_EQ(refusalOf([](Json &d) { d["options"]["markingTemperatures_degC"][0] = 4e9; }),
              "跨线文件 站1.tenrix 中 \"options.markingTemperatures_degC\" 的值应为用 [] 括起的 9 个整数");
    EXPECT_EQ(refusalOf([](Json &d) { d["options"]["reserved"]["line36"] = 1e39; }),
              "跨线文件 站1.tenrix 中 \"options.reserved.line36\" 的值超出单精度数的范围");
    EXPECT_EQ(refusalOf([](Json &d) { d["options"]["designConditions"]["maxWind"]["windSpeed_m_s"] = nullptr; }),
              "跨线文件 站1.tenrix 中 \"options.designConditions.maxWind.windSpeed_m_s\" 的值应为用引号括起的文字");
}

TEST(SpanFile, MarkingStatesFollowTheBoxRuleOfTheDialog)
{
    // Unconnected lead fittings imply unconnected leads, whatever the file says.
    const ReadSpan read = parseSpanFile(changedDefaultSpan([](Json &d) {
                                            d["options"]["markingState"]["leadFittingsNotConnected"] = true;
                                            d["options"]["markingState"]["leadsNotConnected"] = false;
                                        }),
                                        "a.tenrix");
    EXPECT_TRUE(read.span.options.markingState[1]);
    EXPECT_TRUE(read.span.options.markingState[3]);

    options::OptionsModel model("");
    options::showCalculationTexts(model, read.span.options);
    EXPECT_EQ(options::calculationTexts(model).markingState, read.span.options.markingState);
}

TEST(SpanFile, SpanOfTheTwoDataFilesComputesTheSameInput)
{
    std::string folder = (fs::temp_directory_path() / "tenrix-span-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const fs::path dir = folder;

    MainWindowModel window;
    window.setText(EditBox::Edit_L, "36");
    window.setTicked(PresenceBox::CheckBox_yx4, true);
    window.setCell(5, relativeDistanceRow, "3");
    ASSERT_TRUE(saveLastInputs(window, dir / "temp_input.dat"));
    options::OptionsSnapshot snapshot = options::initialOptionsSnapshot();
    snapshot.conditionTemperature[0] = 17.5f;
    snapshot.iceThickness = 20;
    snapshot.reserved3[4] = 3;
    options::writeOptionsFile(dir / "default.dat", snapshot);

    MainWindowModel restored;
    ASSERT_TRUE(loadLastInputs(restored, dir / "temp_input.dat"));
    options::OptionsModel optionsModel(dir / "default.dat");
    optionsModel.startUp();
    SpanFile span{restored, options::calculationTexts(optionsModel),
                  options::reservedNumbers(optionsModel.snapshot()), Json::object(), {}, {}, {}};
    writeSpanFile(dir / "span.tenrix", span);

    const ReadSpan read = readSpanFile(dir / "span.tenrix");
    EXPECT_EQ(assembleCalculationInput(read.span.window, read.span.options),
              assembleCalculationInput(restored, options::calculationTexts(optionsModel)));
    EXPECT_EQ(read.span.options.conditionTemperature[0], "17.5");
    EXPECT_EQ(read.span.reserved.reserved3[4], 3.0f);
    fs::remove_all(dir);
}

TEST(SpanFile, ReadingAndWritingFailuresAreReported)
{
    std::string folder = (fs::temp_directory_path() / "tenrix-span-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const fs::path dir = folder;

    EXPECT_THROW(readSpanFile(dir / "none.tenrix"), SpanFileError);
    EXPECT_THROW(readSpanFile(dir), SpanFileError);
    std::ofstream(dir / "big.tenrix") << std::string(maxSpanFileBytes + 1, ' ');
    try {
        readSpanFile(dir / "big.tenrix");
        ADD_FAILURE() << "a file beyond the bound was read";
    } catch (const SpanFileError &error) {
        EXPECT_NE(std::string(error.what()).find("big.tenrix"), std::string::npos);
    }

    // A failed write leaves the old file as it was, and no temporary file.
    const fs::path file = dir / "a.tenrix";
    writeSpanFile(file, SpanFile());
    const auto before = fs::file_size(file);
    SpanFile broken;
    broken.window.setText(EditBox::Edit_bt, "\xFF");
    EXPECT_ANY_THROW(writeSpanFile(file, broken));
    EXPECT_EQ(fs::file_size(file), before);
    EXPECT_THROW(writeSpanFile(dir / "no-folder" / "a.tenrix", SpanFile()), std::system_error);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    fs::remove_all(dir);
}

TEST(SpanFile, KeepsTheDesignCheckSettings)
{
    SpanFile span;
    span.designCheck.conductorRatedStrength = "103900";
    span.designCheck.stringBRatedLoad = "320";
    span.designCheck.includeCheckPage = false;
    EXPECT_EQ(roundTrip(span).span.designCheck, span.designCheck);
    EXPECT_EQ(Json::parse(spanFileText(span)).at("designCheck").at("stringBRatedLoad_kN"), "320");

    // A span saved before the check existed takes its defaults.
    const std::string older = changedDefaultSpan([](Json &document) { document.erase("designCheck"); });
    EXPECT_EQ(parseSpanFile(older, "a.tenrix").span.designCheck, options::DesignCheckOptions{});
    const std::string wrong = changedDefaultSpan([](Json &document) { document["designCheck"]["includeCheckPage"] = 1; });
    EXPECT_NE(refusal(wrong).find("\"designCheck\" 有误"), std::string::npos);
}

TEST(SpanFile, KeepsTheShortCircuitInputsAndAsksForNoneWithoutThem)
{
    SpanFile span;
    span.shortCircuit.initialCurrent = "40";
    span.shortCircuit.springConstant = "1e3 ";
    span.shortCircuit.staticTensionMax = "";
    EXPECT_EQ(roundTrip(span).span.shortCircuit, span.shortCircuit);
    EXPECT_EQ(Json::parse(spanFileText(span)).at("shortCircuit").at("springConstant_kN_m"), "1e3 ");

    // A span saved before the section existed asks for no short circuit and misses nothing.
    const ReadSpan older = parseSpanFile(changedDefaultSpan([](Json &d) { d.erase("shortCircuit"); }), "a");
    EXPECT_EQ(older.span.shortCircuit, options::ShortCircuitOptions{});
    EXPECT_TRUE(older.missingKeys.empty());
    const ReadSpan partial =
        parseSpanFile(changedDefaultSpan([](Json &d) { d["shortCircuit"].erase("frequency_Hz"); }), "a");
    EXPECT_EQ(partial.missingKeys, std::vector<std::string>{"shortCircuit.frequency_Hz"});
    EXPECT_NE(refusal(changedDefaultSpan([](Json &d) { d["shortCircuit"]["initialCurrent_kA"] = 40; }))
                  .find("\"shortCircuit.initialCurrent_kA\" 的值应为用引号括起的文字"),
              std::string::npos);
}

TEST(SpanFile, KeepsTheClearancesAndRefusesARequirementWithoutItsGeometry)
{
    SpanFile span;
    span.clearances.phaseToEarthLightning = "1.8";
    span.clearances.codeReference = "GB 50060 表5.1.1";
    EXPECT_EQ(roundTrip(span).span.clearances, span.clearances);
    // The requirement needs c, blank here.
    EXPECT_EQ(unreadableNumberMessage(span, "a.tenrix"),
              "跨线文件 a.tenrix 中 \"clearances.earthDistance_m\"(边相至接地部分水平距离c(m)) "
              "的值为空,应为大于0的数值(已填写需要它的要求距离或短路电流).");

    // a is written under both sections, read from either, and two that differ are refused.
    span.clearances.phaseSpacing = "4";
    const Json written = Json::parse(spanFileText(span));
    EXPECT_EQ(written.at("shortCircuit").at("phaseSpacing_m"), "4");
    EXPECT_EQ(written.at("clearances").at("phaseSpacing_m"), "4");
    EXPECT_EQ(parseSpanFile(changedDefaultSpan([](Json &d) {
                  d["clearances"]["phaseSpacing_m"] = "";
                  d["shortCircuit"]["phaseSpacing_m"] = "3.5";
              }), "a").span.clearances.phaseSpacing,
              "3.5");
    EXPECT_EQ(refusal(changedDefaultSpan([](Json &d) {
                  d["clearances"]["phaseSpacing_m"] = "4";
                  d["shortCircuit"]["phaseSpacing_m"] = "3.5";
              })),
              "跨线文件 站1.tenrix 中 \"shortCircuit.phaseSpacing_m\" 的值 \"3.5\" 与 \"clearances.phaseSpacing_m\" "
              "的值 \"4\" 不同;相间距离a只能有一个值");

    const ReadSpan older = parseSpanFile(changedDefaultSpan([](Json &d) { d.erase("clearances"); }), "a");
    EXPECT_EQ(older.span.clearances, options::ClearanceOptions{});
    EXPECT_TRUE(older.missingKeys.empty());
}

TEST(SpanFile, RefusesJsonThatCannotBeReadAsWritten)
{
    const std::string head = "{\"format\": \"tenrix-span\", \"version\": 1,\n";
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    // Sixteen levels in all are taken, seventeen are not.
    const std::string deepest = "\"x\": " + std::string(15, '[') + std::string(15, ']');
    const std::string tooDeep = "\"x\": " + std::string(16, '[') + std::string(16, ']');
    const std::pair<std::string, std::string> cases[] = {
        {head + "\"x\": " + deep + "}", "文件 站1.tenrix 不是跨线文件: 第 2 行第 21 列处的 {} 或 [] 嵌套超过 16 层."},
        {head + tooDeep + "}", "文件 站1.tenrix 不是跨线文件: 第 2 行第 21 列处的 {} 或 [] 嵌套超过 16 层."},
        {head + deepest + "}", ""},
        {head + "\"x\": 1e400}", "跨线文件 站1.tenrix 第 2 行第 10 列 \"x\" 的数值超出可表示的范围."},
        {head + "\"options\": {\"reserved\": {\"line20\":\n -1e400}}}",
         "跨线文件 站1.tenrix 第 3 行第 7 列 \"options.reserved.line20\" 的数值超出可表示的范围."},
        {head + "\"x\": [1, " + std::string(400, '9') + "]}", "跨线文件 站1.tenrix 第 2 行第 409 列 \"x\" 的数值超出可表示的范围."},
        {head + "\"span\": {\"name\": \"a\", \"name\": \"b\"}}", "跨线文件 站1.tenrix 中 \"span.name\" 出现了不止一次."},
        {head + "\"span\": {\"name\": \"a\", \"\\u006eame\": \"b\"}}", "跨线文件 站1.tenrix 中 \"span.name\" 出现了不止一次."},
        {head + "\"version\": 1}", "跨线文件 站1.tenrix 中 \"version\" 出现了不止一次."},
        {head + "\"\\u001b[31m\": 1, \"\\u001b[31m\": 2}", "跨线文件 站1.tenrix 中 \"\\u001B[31m\" 出现了不止一次."},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(refusal(text), expected) << text.substr(0, 80);

    std::string manyKeys = head + "\"x\": {";
    for (int i = 0; i <= 1000; ++i)
        manyKeys += (i ? ", \"k" : "\"k") + std::to_string(i) + "\": 0";
    EXPECT_EQ(refusal(manyKeys + "}}"), "跨线文件 站1.tenrix 中 \"x\" 的键超过 1000 个.");
}

TEST(SpanFile, BundleCountIsReadAsWrittenOrRefused)
{
    const auto withBundle = [](const char *text) {
        return changedDefaultSpan([text](Json &d) { d["conductor"]["bundleCount"] = text; });
    };
    for (const char *bad : {"2.0", "2 ", " 2", "abc", "", "1e30", "+2", "-", "99999999999"}) {
        EXPECT_EQ(refusal(withBundle(bad)).rfind("跨线文件 站1.tenrix 中 \"conductor.bundleCount\" 的值应为不带小数点", 0), 0u)
            << bad;
    }
    // A whole number stays as written, out of range too: the input check refuses 0 and 9 by name.
    for (const char *good : {"2", "0", "9", "-3"})
        EXPECT_EQ(parseSpanFile(withBundle(good), "a").span.window.text(EditBox::Edit_dx_flgs), good);
}

TEST(SpanFile, RefusesControlCharactersAndNamesTooLong)
{
    const std::string rlo = "\u202E";
    for (const std::string &name : {std::string("a\tb"), std::string("a\nb"), std::string("a\0b", 3),
                                    std::string("\x1b[2J"), "甲" + rlo + "乙", std::string("a\u0085b")}) {
        EXPECT_EQ(refusal(changedDefaultSpan([&](Json &d) { d["span"]["name"] = name; })),
                  "跨线文件 站1.tenrix 中 \"span.name\" 的值含有控制字符(制表符、换行符、文字方向控制符等)");
    }
    EXPECT_NE(refusal(changedDefaultSpan([](Json &d) { d["designCheck"]["stringARatedLoad_kN"] = "7\t0"; }))
                  .find("\"designCheck.stringARatedLoad_kN\""),
              std::string::npos);

    std::string name;
    for (int i = 0; i < spanNameMaxLength; ++i)
        name += "跨";
    EXPECT_EQ(parseSpanFile(changedDefaultSpan([&](Json &d) { d["span"]["name"] = name; }), "a")
                  .span.window.text(EditBox::Edit_bt),
              name);
    EXPECT_EQ(refusal(changedDefaultSpan([&](Json &d) { d["span"]["name"] = name + "x"; })),
              "跨线文件 站1.tenrix 中 \"span.name\" 的值有 101 个字符,跨线名称最多 100 个字符");

    // What the window may hold is written so that it opens again.
    SpanFile typed;
    typed.window.setText(EditBox::Edit_bt, "甲\t乙" + rlo);
    EXPECT_EQ(roundTrip(typed).span.window.text(EditBox::Edit_bt), "甲 乙 ");
}

TEST(SpanFile, EverySpanThatOpensSavesToAFileThatOpensAgain)
{
    // Compact unknown keys grow when written indented: refused while they still fit.
    std::string many = "[0";
    for (int i = 0; i < 150000; ++i)
        many += ",0";
    many += "]";
    const std::string crowded = changedDefaultSpan([](Json &) {});
    const std::string withMany = crowded.substr(0, crowded.size() - 1) + ",\"x\":" + many + "}";
    ASSERT_LT(withMany.size(), maxSpanFileBytes);
    EXPECT_EQ(refusal(withMany), "跨线文件 站1.tenrix 中本程序不认识的内容过多: 保存时将超过1MB,保存后无法再打开.");

    std::string nested = "0";
    for (int level = 0; level < 12; ++level)
        nested = "[" + nested + "," + nested + "]";
    const std::string withNested = crowded.substr(0, crowded.size() - 1) + ",\"x\":" + nested + "}";
    const ReadSpan read = parseSpanFile(withNested, "a");
    EXPECT_EQ(parseSpanFile(spanFileText(read.span), "b").span.document, read.span.document);

    // A window text too long for the reader is not written; the old file stays.
    const fs::path file = fs::temp_directory_path() / "tenrix-too-large.tenrix";
    writeSpanFile(file, SpanFile());
    SpanFile huge;
    huge.window.setCell(2, lengthRow, std::string(maxSpanFileBytes, '1'));
    EXPECT_THROW(writeSpanFile(file, huge), common::FileWriteError);
    EXPECT_NO_THROW(readSpanFile(file));
    fs::remove(file);
}

TEST(SpanFile, MissingDesignCheckKeysAreNotedLikeAnyOther)
{
    const ReadSpan partial = parseSpanFile(
        changedDefaultSpan([](Json &d) { d["designCheck"].erase("stringLongTermFactor"); }), "a");
    EXPECT_EQ(partial.missingKeys, std::vector<std::string>{"designCheck.stringLongTermFactor"});
    const ReadSpan none = parseSpanFile(changedDefaultSpan([](Json &d) { d.erase("designCheck"); }), "a");
    EXPECT_EQ(none.missingKeys, std::vector<std::string>{"designCheck"});
}

TEST(SpanFile, ATextTheCalculationCannotReadIsNamedByItsKey)
{
    EXPECT_EQ(unreadableNumberMessage(SpanFile(), "a.tenrix"), "");
    const auto messageWith = [](auto change) {
        SpanFile span;
        change(span);
        return unreadableNumberMessage(span, "a.tenrix");
    };
    EXPECT_EQ(messageWith([](SpanFile &s) { s.window.setText(EditBox::Edit_h, ""); }),
              "跨线文件 a.tenrix 中 \"span.heightDifference_m\"(高差h(m)) 的值为空,应为数值.");
    EXPECT_EQ(messageWith([](SpanFile &s) { s.window.setText(EditBox::Edit_dx_d, "1e39"); }),
              "跨线文件 a.tenrix 中 \"conductor.diameter_mm\"(计算外径(mm)) 的值 \"1e39\" 不是可计算的数值.");
    EXPECT_NE(messageWith([](SpanFile &s) { s.options.conditionWindSpeed[4] = "abc"; })
                  .find("\"options.designConditions.maxWind.windSpeed_m_s\""),
              std::string::npos);
    EXPECT_NE(messageWith([](SpanFile &s) { s.window.setCell(2, lengthRow, "."); }).find("\"loads.P1.length_m\""),
              std::string::npos);
    EXPECT_NE(messageWith([](SpanFile &s) { s.window.setVoltageIndex(-1); }).find("\"span.voltageLevel_kV\""),
              std::string::npos);
    // The short-circuit texts only once a current asks for them.
    EXPECT_EQ(messageWith([](SpanFile &s) { s.shortCircuit.springConstant = "abc"; }), "");
    EXPECT_EQ(messageWith([](SpanFile &s) {
                  s.shortCircuit.initialCurrent = "40";
                  s.shortCircuit.firstDuration = "0,5";
              }),
              "跨线文件 a.tenrix 中 \"shortCircuit.firstDuration_s\" 的值 \"0,5\" 不能使用: "
              "短路计算: “首次短路持续时间Tk1(s)”应为大于0的数值.");
    // A short circuit needs the layout's a.
    EXPECT_EQ(messageWith([](SpanFile &s) {
                  s.shortCircuit.initialCurrent = "40";
                  s.shortCircuit.firstDuration = "0.5";
                  s.shortCircuit.springConstant = "1000";
              }),
              "跨线文件 a.tenrix 中 \"clearances.phaseSpacing_m\"(相间距离a(m)) "
              "的值为空,应为大于0的数值(已填写需要它的要求距离或短路电流).");
}

TEST(SpanFile, KeepsTheHigherStructureAndRefusesAnyOtherName)
{
    SpanFile span;
    span.window.setStructureBHigher(true);
    const ReadSpan read = roundTrip(span);
    EXPECT_TRUE(read.span.window.structureBHigher());
    EXPECT_EQ(assembleCalculationInput(read.span.window, read.span.options)[engine::slot::higherStructure], "B侧高");

    EXPECT_EQ(refusal(changedDefaultSpan([](Json &d) { d["span"]["higherStructure"] = "b"; })),
              "跨线文件 站1.tenrix 中 \"span.higherStructure\" 的值应为 \"A\" 或 \"B\", 而不是 \"b\"");
    EXPECT_EQ(refusal(changedDefaultSpan([](Json &d) { d["span"]["higherStructure"] = ""; })),
              "跨线文件 站1.tenrix 中 \"span.higherStructure\" 的值应为 \"A\" 或 \"B\", 而不是 \"\"");
    // Files from before the setting hang A higher, as the program then did, and say so.
    const ReadSpan old = parseSpanFile(changedDefaultSpan([](Json &d) { d["span"].erase("higherStructure"); }), "a.tenrix");
    EXPECT_FALSE(old.span.window.structureBHigher());
    EXPECT_EQ(old.missingKeys, std::vector<std::string>{"span.higherStructure"});
}

TEST(SpanFile, KeepsTheBookAndReadsASpanWithoutOneAsEmpty)
{
    SpanFile span;
    common::BookData book;
    book.projectName = "某 220kV 变电站新建工程";
    book.projectNumber = "S1234-D0101";
    book.calculatedBy = "张三";
    book.approvedBy = "李 四 ";
    span.window.setBook(book);
    const ReadSpan read = roundTrip(span);
    EXPECT_EQ(read.span.window.book(), book);
    EXPECT_TRUE(read.missingKeys.empty());
    EXPECT_EQ(Json::parse(spanFileText(span))["book"]["projectNumber"], "S1234-D0101");

    // Older files have no book, or only some of its keys: nothing is missing, the rest is empty.
    const ReadSpan older = parseSpanFile(changedDefaultSpan([](Json &d) { d.erase("book"); }), "a");
    EXPECT_TRUE(older.span.window.book().isEmpty());
    EXPECT_TRUE(older.missingKeys.empty());
    const ReadSpan partial = parseSpanFile(changedDefaultSpan([](Json &d) {
                                               d["book"] = {{"company", "某设计院"}, {"note", "留存"}};
                                           }),
                                           "a");
    EXPECT_EQ(partial.span.window.book().company, "某设计院");
    EXPECT_TRUE(partial.missingKeys.empty());
    EXPECT_EQ(Json::parse(spanFileText(partial.span))["book"]["note"], "留存");
}

TEST(SpanFile, RefusesABookValueThatIsNoTextOrHoldsAControlCharacter)
{
    const auto refusalOf = [](auto change) { return refusal(changedDefaultSpan(change)); };
    EXPECT_EQ(refusalOf([](Json &d) { d["book"]["revision"] = 2; }),
              "跨线文件 站1.tenrix 中 \"book.revision\" 的值应为用引号括起的文字");
    EXPECT_EQ(refusalOf([](Json &d) { d["book"]["checkedBy"] = nullptr; }),
              "跨线文件 站1.tenrix 中 \"book.checkedBy\" 的值应为用引号括起的文字");
    EXPECT_EQ(refusalOf([](Json &d) { d["book"]["projectName"] = "一期\n二期"; }),
              "跨线文件 站1.tenrix 中 \"book.projectName\" 的值含有控制字符(制表符、换行符、文字方向控制符等)");
    EXPECT_EQ(refusalOf([](Json &d) { d["book"] = "张三"; }),
              "跨线文件 站1.tenrix 中 \"book\" 的值应为用 {} 括起的一组键值");
}
