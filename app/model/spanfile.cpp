#include "app/model/spanfile.h"

#include "app/model/bookfields.h"
#include "app/model/conductorcatalogue.h"
#include "app/model/jsontext.h"
#include "common/filefailurereason.h"
#include "common/filewriteerror.h"
#include "common/replacefile.h"
#include "engine/calculationerror.h"
#include "engine/inputfields.h"
#include "engine/numberconversion.h"
#include "engine/numberformatting.h"
#include "engine/spandata.h"
#include "options/model/blanktext.h"
#include "options/model/markingstates.h"
#include "options/model/markingtemperatures.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>
#include <sys/stat.h>
#include <system_error>
#include <utility>

namespace app {

using Json = nlohmann::ordered_json;

namespace {

/// Where each edit box lives in the file; the order is that of EditBox.
struct EditField
{
    EditBox box;
    const char *section;
    const char *key;
};

constexpr EditField editFields[editBoxCount] = {
    {EditBox::Edit_bt, "span", "name"},
    {EditBox::Edit_L, "span", "spanLength_m"},
    {EditBox::Edit_h, "span", "heightDifference_m"},
    {EditBox::Edit_f, "span", "controlSag_m"},
    {EditBox::Edit_jxd, "span", "maintenancePoint_m"},
    {EditBox::Edit_dx_d, "conductor", "diameter_mm"},
    {EditBox::Edit_dx_ax, "conductor", "expansionCoefficient_1e-6_per_degC"},
    {EditBox::Edit_dx_E, "conductor", "elasticModulus_N_mm2"},
    {EditBox::Edit_dx_S, "conductor", "area_mm2"},
    {EditBox::Edit_dx_kg, "conductor", "unitWeight_kg_m"},
    {EditBox::Edit_dx_flgs, "conductor", "bundleCount"},
    {EditBox::Edit_dx_cdj, "conductor", "spacerInterval_m"},
    {EditBox::Edit_dx_flkg, "conductor", "spacerWeight_kg"},
    {EditBox::Edit_jyza_l, "stringA", "length_mm"},
    {EditBox::Edit_jyza_kg, "stringA", "weight_kg"},
    {EditBox::Edit_jyza_kgb, "stringA", "icedWeight_kg"},
    {EditBox::Edit_jyza_f1, "stringA", "windArea_m2"},
    {EditBox::Edit_jyza_f2, "stringA", "icedWindArea_m2"},
    {EditBox::Edit_jyzb_l, "stringB", "length_mm"},
    {EditBox::Edit_jyzb_kg, "stringB", "weight_kg"},
    {EditBox::Edit_jyzb_kgb, "stringB", "icedWeight_kg"},
    {EditBox::Edit_jyzb_f1, "stringB", "windArea_m2"},
    {EditBox::Edit_jyzb_f2, "stringB", "icedWindArea_m2"},
};

const KeyPath voltagePath{"span", "voltageLevel_kV"};
const KeyPath higherStructurePath{"span", "higherStructure"};
const KeyPath conductorTypePath{"conductor", "type"};
const KeyPath customConductorPath{"conductor", "custom"};
const KeyPath stringTypePath[2] = {{"stringA", "type"}, {"stringB", "type"}};

/// Load columns 1..6 at index 0..5.
constexpr std::array<const char *, presenceBoxCount> loadNames{"PA", "P1", "P2", "P3", "P4", "PB"};

/// Grid rows 1..9 at index 0..8.
constexpr std::array<const char *, 9> loadRowKeys{
    "conductorType", "unitWeight_kg_m", "diameter_mm", "bundleCount", "subSpan_m",
    "spacerWeight_kg", "length_m", "fittingWeight_kg", "relativeDistance_m",
};

/// Condition grid rows 1..9.
constexpr std::array<const char *, 9> conditionKeys{
    "maxTemperature", "minTemperature", "maintenanceHot", "maintenanceCold", "maxWind",
    "maxIce", "lightning", "switching", "powerFrequency",
};

/// CheckBox_huayin1 .. CheckBox_huayin5.
constexpr std::array<const char *, 5> markingStateKeys{
    "noStringB", "leadsNotConnected", "jumpersNotConnected", "leadFittingsNotConnected",
    "leftJumperFittingsNotConnected",
};

constexpr int iceThicknessStep_mm = 5;
constexpr int iceIndexCount = 5;

KeyPath presencePath(int column) { return {"loads", loadNames[column - 1], "present"}; }
KeyPath cellPath(int column, int row) { return {"loads", loadNames[column - 1], loadRowKeys[row - 1]}; }
KeyPath conditionPath(int row, const char *quantity) { return {"options", "designConditions", conditionKeys[row - 1], quantity}; }
const KeyPath iceThicknessPath{"options", "iceThickness_mm"};
const KeyPath markingTemperaturesPath{"options", "markingTemperatures_degC"};
KeyPath markingStatePath(int box) { return {"options", "markingState", markingStateKeys[box]}; }
/// The reserved numbers are named after their line in default.dat.
KeyPath reservedPath(const char *key) { return {"options", "reserved", key}; }
std::string reservedLineKey(std::size_t line) { return "line" + std::to_string(line); }
const char *const conditionTemperatureKey = "conductorTemperature_degC";
const char *const conditionWindKey = "windSpeed_m_s";

/// The value at \a path, created (with the objects on the way) when missing.
Json &slot(Json &document, const KeyPath &path)
{
    Json *node = &document;
    for (const std::string &key : path)
        node = &(*node)[key];
    return *node;
}

/// The key of the window's box or the option that fills calculation slot \a slotIndex, if any.
std::optional<KeyPath> keyOfSlot(int slotIndex)
{
    using namespace engine;
    const std::pair<int, EditBox> boxes[] = {
        {slot::spanLength, EditBox::Edit_L},
        {slot::heightDifference, EditBox::Edit_h},
        {slot::controlSag, EditBox::Edit_f},
        {slot::maintenancePoint, EditBox::Edit_jxd},
        {slot::conductorDiameter, EditBox::Edit_dx_d},
        {slot::conductorUnitWeight, EditBox::Edit_dx_kg},
        {slot::bundleCount, EditBox::Edit_dx_flgs},
        {slot::expansionCoefficient, EditBox::Edit_dx_ax},
        {slot::elasticModulus, EditBox::Edit_dx_E},
        {slot::conductorArea, EditBox::Edit_dx_S},
        {slot::subSpan, EditBox::Edit_dx_cdj},
        {slot::spacerWeight, EditBox::Edit_dx_flkg},
        {slot::stringA + stringLength, EditBox::Edit_jyza_l},
        {slot::stringA + stringWeight, EditBox::Edit_jyza_kg},
        {slot::stringA + stringIcedWeight, EditBox::Edit_jyza_kgb},
        {slot::stringA + stringWindArea, EditBox::Edit_jyza_f1},
        {slot::stringA + stringIcedWindArea, EditBox::Edit_jyza_f2},
        {slot::stringB + stringLength, EditBox::Edit_jyzb_l},
        {slot::stringB + stringWeight, EditBox::Edit_jyzb_kg},
        {slot::stringB + stringIcedWeight, EditBox::Edit_jyzb_kgb},
        {slot::stringB + stringWindArea, EditBox::Edit_jyzb_f1},
        {slot::stringB + stringIcedWindArea, EditBox::Edit_jyzb_f2},
    };
    for (const auto &[boxSlot, box] : boxes) {
        if (boxSlot == slotIndex) {
            const EditField &field = editFields[static_cast<int>(box)];
            return KeyPath{field.section, field.key};
        }
    }
    if (slotIndex == slot::voltageLevel)
        return voltagePath;
    for (int row = 1; row <= 9; ++row) {
        if (slotIndex == slot::conditionTemperature + row - 1)
            return conditionPath(row, conditionTemperatureKey);
        if (slotIndex == slot::conditionWindSpeed + row - 1)
            return conditionPath(row, conditionWindKey);
    }
    for (int lead = 0; lead < leadCount; ++lead) {
        for (int field = leadUnitWeight; field <= relativeDistance; ++field) {
            if (slotIndex == leadSlot(lead, field))
                return cellPath(lead + 1, field + 1);
        }
    }
    return std::nullopt;
}

/// The data cells a span file stores: the editable ones.
template<typename Visit>
void forEachStoredCell(Visit visit)
{
    for (int column = loadtable::firstLoadColumn; column <= loadtable::lastLoadColumn; ++column) {
        for (int row = loadtable::conductorTypeRow; row <= loadtable::relativeDistanceRow; ++row) {
            if (MainWindowModel::isCellEditable(column, row))
                visit(column, row);
        }
    }
}

/// A text as the file stores it: the reader refuses control characters, so
/// one typed or pasted into the window is stored as a blank, as the
/// last-input file stores it.
std::string writable(const std::string &text)
{
    return withoutControlCharacters(text);
}

void putWindow(Json &document, const MainWindowModel &window)
{
    // A new file lists name and voltage first, and each type before its figures.
    slot(document, {editFields[0].section, editFields[0].key}) = writable(window.text(editFields[0].box));
    slot(document, voltagePath) = window.voltageText();
    slot(document, higherStructurePath) = window.structureBHigher() ? "B" : "A";
    slot(document, conductorTypePath) = writable(window.conductorText());
    slot(document, customConductorPath) = window.isCustomConductor();
    slot(document, stringTypePath[0]) = writable(window.stringTypeText(StringSide::A));
    slot(document, stringTypePath[1]) = writable(window.stringTypeText(StringSide::B));
    for (const EditField &field : editFields)
        slot(document, {field.section, field.key}) = writable(window.text(field.box));
    for (int box = 0; box < presenceBoxCount; ++box) {
        const auto presence = static_cast<PresenceBox>(box);
        slot(document, presencePath(columnOf(presence))) = window.isTicked(presence);
    }
    forEachStoredCell(
        [&](int column, int row) { slot(document, cellPath(column, row)) = writable(window.cell(column, row)); });
}

void putOptions(Json &document, const options::OptionsTexts &options, const options::ReservedNumbers &reserved)
{
    for (int row = 1; row <= 9; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        slot(document, conditionPath(row, conditionTemperatureKey)) = writable(options.conditionTemperature[i]);
        slot(document, conditionPath(row, conditionWindKey)) = writable(options.conditionWindSpeed[i]);
    }
    slot(document, iceThicknessPath) = options.iceIndex * iceThicknessStep_mm;
    Json temperatures = Json::array();
    for (std::size_t i = 0; i < options.markingTemperature.size(); ++i) {
        // The edits always hold a whole number; otherwise the value "确定" would store.
        temperatures.push_back(options::parseWholeNumber(options.markingTemperature[i])
                                   .value_or(options::markingTemperatureDefaults[i]));
    }
    slot(document, markingTemperaturesPath) = temperatures;
    for (int box = 0; box < 5; ++box)
        slot(document, markingStatePath(box)) = options.markingState[static_cast<std::size_t>(box)];
    slot(document, reservedPath("line20")) = engine::shortestDouble(reserved.reserved1);
    slot(document, reservedPath("line30")) = engine::shortestDouble(reserved.reserved2);
    for (std::size_t i = 0; i < reserved.reserved3.size(); ++i)
        slot(document, reservedPath(reservedLineKey(36 + i).c_str())) = engine::shortestDouble(reserved.reserved3[i]);
}

/// The index of \a text in a list, -1 for the empty text (no selection); refuses any other text.
template<typename List>
int listIndex(JsonFieldReader &reader, const KeyPath &path, const std::string &text, const List &items)
{
    if (text.empty())
        return -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text)
            return static_cast<int>(i);
    }
    reader.refuse(path, "\"" + text + "\" 不在程序的列表中");
}

/// Whether \a text is a whole number of 32 bits as written: an optional "-"
/// and digits, nothing else. The window's box keeps such a text as it is.
bool isWholeNumberText(std::string_view text)
{
    const std::string_view digits = text.substr(!text.empty() && text.front() == '-' ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size()
           && value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

/**
 * Refuses a text its box would not keep as written, or the window could not
 * hold: the window cuts a name beyond spanNameMaxLength characters, and its
 * bundle-count box lets only digits in.
 */
void checkEditText(JsonFieldReader &reader, const EditField &field, const std::string &text)
{
    const KeyPath path{field.section, field.key};
    if (field.box == EditBox::Edit_bt && characterCount(text) > static_cast<std::size_t>(spanNameMaxLength))
        reader.refuse(path, "有 " + std::to_string(characterCount(text)) + " 个字符,跨线名称最多 "
                                + std::to_string(spanNameMaxLength) + " 个字符");
    if (field.box == EditBox::Edit_dx_flgs && !isWholeNumberText(text))
        reader.refuse(path, "应为不带小数点、空格和指数的整数文字(如 \"2\"),而不是 \""
                                + (characterCount(text) > 40 ? text.substr(0, 40) + "…" : text) + "\"");
}

void readWindow(JsonFieldReader &reader, MainWindowModel &window)
{
    // The order of the last-input file: the span's rule moves the maintenance
    // point before the stored one arrives, and presence boxes rewrite their
    // column before the stored cells do.
    for (const EditField &field : editFields) {
        if (const auto text = reader.text({field.section, field.key})) {
            checkEditText(reader, field, *text);
            window.setText(field.box, *text);
        }
    }
    if (const auto text = reader.text(voltagePath))
        window.setVoltageIndex(listIndex(reader, voltagePath, *text, MainWindowModel::voltageLevels()));
    if (const auto text = reader.text(higherStructurePath)) {
        if (*text != "A" && *text != "B")
            reader.refuse(higherStructurePath, "应为 \"A\" 或 \"B\", 而不是 \"" + *text + "\"");
        window.setStructureBHigher(*text == "B");
    }
    // Files from before the engineer's own conductors have no "custom" key:
    // their type is a catalogue one, and no key is missing.
    const bool custom = reader.has(customConductorPath) && reader.flag(customConductorPath).value_or(false);
    if (const auto text = reader.text(conductorTypePath); text && custom) {
        window.setCustomConductor(*text);
    } else if (text) {
        std::vector<std::string_view> names;
        for (const ConductorEntry &entry : conductorCatalogue())
            names.push_back(entry.typeName);
        window.setConductorIndex(listIndex(reader, conductorTypePath, *text, names));
    }
    for (const StringSide side : {StringSide::A, StringSide::B}) {
        if (const auto text = reader.text(stringTypePath[static_cast<int>(side)]))
            window.setStringTypeText(side, *text);
    }
    for (int box = 0; box < presenceBoxCount; ++box) {
        const auto presence = static_cast<PresenceBox>(box);
        if (const auto ticked = reader.flag(presencePath(columnOf(presence))))
            window.setTicked(presence, *ticked);
    }
    forEachStoredCell([&](int column, int row) {
        if (const auto text = reader.text(cellPath(column, row)))
            window.setCell(column, row, *text);
    });
}

void readOptions(JsonFieldReader &reader, options::OptionsTexts &options, options::ReservedNumbers &reserved)
{
    for (int row = 1; row <= 9; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        if (const auto text = reader.text(conditionPath(row, conditionTemperatureKey)))
            options.conditionTemperature[i] = *text;
        if (const auto text = reader.text(conditionPath(row, conditionWindKey)))
            options.conditionWindSpeed[i] = *text;
    }
    if (const auto thickness = reader.wholeNumber(iceThicknessPath)) {
        if (*thickness < 0 || *thickness % iceThicknessStep_mm != 0
            || *thickness / iceThicknessStep_mm >= iceIndexCount)
            reader.refuse(iceThicknessPath, "应为 0、5、10、15 或 20,而不是 " + std::to_string(*thickness));
        options.iceIndex = *thickness / iceThicknessStep_mm;
    }
    if (const auto temperatures = reader.wholeNumbers(markingTemperaturesPath, options.markingTemperature.size())) {
        for (std::size_t i = 0; i < temperatures->size(); ++i)
            options.markingTemperature[i] = std::to_string((*temperatures)[i]);
    }

    // Through the boxes' own rule, so that a file stating fittings without
    // their leads gives the state the dialog would show and compute.
    options::MarkingStates states;
    for (const int box : options::markingStateShowOrder) {
        const auto ticked = reader.flag(markingStatePath(box));
        states.setTicked(box, ticked.value_or(options.markingState[static_cast<std::size_t>(box)]));
    }
    for (int box = 0; box < options::markingStateCount; ++box)
        options.markingState[static_cast<std::size_t>(box)] = states.isTicked(box);

    if (const auto value = reader.singleNumber(reservedPath("line20")))
        reserved.reserved1 = *value;
    if (const auto value = reader.singleNumber(reservedPath("line30")))
        reserved.reserved2 = *value;
    for (std::size_t i = 0; i < reserved.reserved3.size(); ++i) {
        if (const auto value = reader.singleNumber(reservedPath(reservedLineKey(36 + i).c_str())))
            reserved.reserved3[i] = *value;
    }
}

Json parseDocument(std::string_view text, const std::string &fileName)
{
    try {
        return parseJsonText(text);
    } catch (const JsonTextError &error) {
        const JsonTextFault &fault = error.fault();
        if (fault.kind == JsonTextFault::Kind::Syntax || fault.kind == JsonTextFault::Kind::TooDeep)
            throw SpanFileError("文件 " + fileName + " 不是跨线文件: " + fault.describe() + ".");
        throw SpanFileError("跨线文件 " + fileName + " " + fault.describe() + ".");
    }
}

void checkFormatAndVersion(const Json &document, JsonFieldReader &reader)
{
    const auto format = document.is_object() ? document.find("format") : document.end();
    if (!document.is_object() || format == document.end() || *format != spanFileFormat)
        throw SpanFileError("文件 " + reader.fileName() + " 不是跨线文件: 缺少 \"format\": \""
                            + spanFileFormat + "\".");
    if (!document.contains("version"))
        throw SpanFileError("跨线文件 " + reader.fileName() + " 缺少格式版本 \"version\".");
    const int version = *reader.wholeNumber({"version"});
    if (version > spanFileVersion)
        throw SpanFileError("跨线文件 " + reader.fileName() + " 的格式版本为 " + std::to_string(version)
                            + ",由较新版本的程序保存;本程序只能读取版本 " + std::to_string(spanFileVersion)
                            + " 的文件.");
    if (version < 1)
        reader.refuse({"version"}, "应为 1 到 " + std::to_string(spanFileVersion) + " 之间的整数");
}

constexpr const char *designCheckKey = "designCheck";
constexpr const char *bookKey = "book";

/// The book's data of a span. Spans saved before books existed have none,
/// and an empty field is what a span without a book holds, so a missing
/// section or key is read as empty and not listed as missing.
common::BookData readBook(const Json &document, JsonFieldReader &reader)
{
    common::BookData book;
    const auto stored = document.find(bookKey);
    if (stored == document.end())
        return book;
    if (!stored->is_object())
        reader.refuse({bookKey}, "应为用 {} 括起的一组键值");
    for (const BookField &field : bookFields) {
        if (stored->contains(field.key))
            book.*field.text = *reader.text({bookKey, field.key});
    }
    return book;
}

void putBook(Json &document, const common::BookData &book)
{
    for (const BookField &field : bookFields)
        slot(document, {bookKey, field.key}) = writable(book.*field.text);
}

/// The design-check settings of a span; a file without them, or without
/// some of their keys, takes the defaults, and the note says which.
options::DesignCheckOptions readDesignCheck(const Json &document, JsonFieldReader &reader)
{
    const auto stored = document.find(designCheckKey);
    if (stored == document.end()) {
        reader.text({designCheckKey}); // notes the whole section as missing
        return {};
    }
    options::DesignCheckOptions read;
    try {
        read = options::designCheckOptionsFromJson(nlohmann::json(*stored));
    } catch (const std::invalid_argument &error) {
        throw SpanFileError("跨线文件 " + reader.fileName() + " 中的 \"" + designCheckKey + "\" 有误: " + error.what()
                            + ".");
    }
    // Once more through the reader, which notes missing keys and refuses
    // control characters as for every other section.
    for (int i = 0; i < options::designCheckFieldCount; ++i)
        reader.text({designCheckKey, options::designCheckFieldKey(static_cast<options::DesignCheckField>(i))});
    reader.flag({designCheckKey, options::designCheckIncludePageKey});
    return read;
}

constexpr const char *shortCircuitKey = "shortCircuit";

/// A refused text as a message quotes it: its first 40 bytes at most.
std::string quoted(const std::string &text)
{
    return "\"" + (text.size() > 40 ? text.substr(0, 40) + "…" : text) + "\"";
}

KeyPath shortCircuitPath(options::ShortCircuitField field)
{
    return {shortCircuitKey, options::shortCircuitFieldKey(field)};
}

/// The short-circuit texts of a span; a file without the section asks for none.
options::ShortCircuitOptions readShortCircuit(const Json &document, JsonFieldReader &reader)
{
    options::ShortCircuitOptions read;
    if (!document.contains(shortCircuitKey))
        return read;
    for (int i = 0; i < options::shortCircuitFieldCount; ++i) {
        const auto field = static_cast<options::ShortCircuitField>(i);
        if (const auto text = reader.text(shortCircuitPath(field)))
            options::shortCircuitFieldText(read, field) = *text;
    }
    return read;
}

constexpr const char *clearancesKey = "clearances";

KeyPath clearancePath(options::ClearanceField field)
{
    return {clearancesKey, options::clearanceFieldKey(field)};
}

/// a is one figure of the layout, kept with the clearances and repeated
/// under "shortCircuit", where readers of the short circuit look for it.
const KeyPath phaseSpacingCopyPath{shortCircuitKey, "phaseSpacing_m"};

/// The clearance texts of a span; a file without the section checks none.
/// A file may give a in either section; two different texts are refused,
/// since no one can say which of them the engineer meant.
options::ClearanceOptions readClearances(const Json &document, JsonFieldReader &reader)
{
    options::ClearanceOptions read;
    if (document.contains(clearancesKey)) {
        for (int i = 0; i < options::clearanceFieldCount; ++i) {
            const auto field = static_cast<options::ClearanceField>(i);
            if (const auto text = reader.text(clearancePath(field)))
                options::clearanceFieldText(read, field) = *text;
        }
    }
    if (!reader.has(phaseSpacingCopyPath))
        return read;
    const std::string copy = *reader.text(phaseSpacingCopyPath);
    if (options::isBlankText(copy))
        return read;
    if (options::isBlankText(read.phaseSpacing))
        read.phaseSpacing = copy;
    else if (copy != read.phaseSpacing)
        reader.refuse(phaseSpacingCopyPath, " " + quoted(copy) + " 与 \""
                                                + joinKeyPath(clearancePath(options::ClearanceField::phaseSpacing))
                                                + "\" 的值 " + quoted(std::as_const(read.phaseSpacing))
                                                + " 不同;相间距离a只能有一个值");
    return read;
}

} // namespace

ReadSpan parseSpanFile(std::string_view text, const std::string &fileName)
{
    ReadSpan read;
    read.span.document = parseDocument(text, fileName);
    JsonFieldReader reader(read.span.document, fileName);
    checkFormatAndVersion(read.span.document, reader);
    readWindow(reader, read.span.window);
    read.span.window.setBook(readBook(read.span.document, reader));
    readOptions(reader, read.span.options, read.span.reserved);
    read.span.designCheck = readDesignCheck(read.span.document, reader);
    read.span.shortCircuit = readShortCircuit(read.span.document, reader);
    read.span.clearances = readClearances(read.span.document, reader);
    read.missingKeys = reader.missingKeys();
    // Keys this version does not know are written back, indented: what
    // would grow beyond what the reader takes is refused now, so that every
    // span the program saves opens again.
    if (spanFileText(read.span).size() > maxSpanFileBytes)
        throw SpanFileError("跨线文件 " + fileName + " 中本程序不认识的内容过多: 保存时将超过1MB,保存后无法再打开.");
    return read;
}

namespace {

/**
 * Why \a path cannot be read as a span file before it is opened, or an empty
 * text: a FIFO or device would block the reader or never end, and a loop or
 * a folder exists, so "missing" would send the user looking for the wrong fault.
 */
std::string notARegularFile(const std::filesystem::path &path)
{
    const std::string name = path.string();
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) != 0) {
        const int cause = errno;
        struct stat link
        {
        };
        if (cause == ELOOP)
            return "跨线文件 " + name + " 不是普通文件: 符号链接循环.";
        if (cause == ENOENT && ::lstat(path.c_str(), &link) == 0)
            return "找不到跨线文件 " + name + ": 符号链接指向的文件不存在.";
        if (cause == ENOENT || cause == ENOTDIR)
            return "找不到跨线文件 " + name + ".";
        return "无法读取跨线文件 " + name + ": " + common::fileFailureReason(common::FileAccess::Read, cause) + ".";
    }
    if (S_ISDIR(status.st_mode))
        return "跨线文件 " + name + " 不是普通文件: 这是一个文件夹.";
    if (!S_ISREG(status.st_mode))
        return "跨线文件 " + name + " 不是普通文件.";
    return {};
}

} // namespace

ReadSpan readSpanFile(const std::filesystem::path &path)
{
    const std::string name = path.string();
    if (const std::string problem = notARegularFile(path); !problem.empty())
        throw SpanFileError(problem);
    std::error_code error;
    if (std::filesystem::file_size(path, error) > maxSpanFileBytes)
        throw SpanFileError("文件 " + name + " 过大(超过1MB),不是跨线文件.");
    std::ifstream file(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file && !file.eof())
        throw SpanFileError("无法读取跨线文件 " + name + ".");
    return parseSpanFile(text, name);
}

void writeSpanFile(const std::filesystem::path &path, const SpanFile &span)
{
    const std::string text = spanFileText(span);
    // A file the reader would refuse is not written: the old one stays.
    if (text.size() > maxSpanFileBytes)
        throw common::FileWriteError(path, EFBIG);
    common::replaceFileContents(path, text);
}

std::string missingKeysNote(const std::string &fileName, const std::vector<std::string> &missingKeys)
{
    if (missingKeys.empty())
        return {};
    std::string note = "跨线文件 " + fileName + " 中缺少以下各项,已取程序默认值: ";
    for (std::size_t i = 0; i < missingKeys.size(); ++i)
        note += (i ? ", " : "") + missingKeys[i];
    return note + ".";
}

namespace {

/// Whether the phase is a bundle; a count that is no number is refused before this is asked.
bool isBundled(const engine::CalculationInput &input)
{
    return engine::slotNumber(input, engine::slot::bundleCount) > 1;
}

} // namespace

std::string unreadableNumberMessage(const SpanFile &span, const std::string &fileName)
{
    const engine::CalculationInput input = assembleCalculationInput(span.window, span.options);
    for (const int slotIndex : engine::numberSlots(input)) {
        try {
            engine::slotNumber(input, slotIndex);
        } catch (const engine::ConversionError &) {
            const std::string &text = input[slotIndex];
            const std::optional<KeyPath> key = keyOfSlot(slotIndex);
            const std::string named = key ? "\"" + joinKeyPath(*key) + "\"(" + engine::fieldLabel(slotIndex) + ")"
                                          : engine::fieldLabel(slotIndex);
            return "跨线文件 " + fileName + " 中 " + named + " 的值"
                   + (text.empty() ? std::string("为空,应为数值.") : " " + quoted(text) + " 不是可计算的数值.");
        }
    }
    if (const auto field = options::firstBadShortCircuitField(span.shortCircuit)) {
        // The spring constants are refused for how they are combined, a number included.
        return "跨线文件 " + fileName + " 中 \"" + joinKeyPath(shortCircuitPath(*field)) + "\" 的值 "
               + quoted(options::shortCircuitFieldText(span.shortCircuit, *field)) + " 不能使用: "
               + options::badShortCircuitFieldMessage(*field);
    }
    if (const auto field =
            options::firstBadClearanceField(span.clearances, options::isShortCircuitAsked(span.shortCircuit),
                                            isBundled(input))) {
        const std::string &text = options::clearanceFieldText(span.clearances, *field);
        return "跨线文件 " + fileName + " 中 \"" + joinKeyPath(clearancePath(*field)) + "\"("
               + options::clearanceFieldLabel(*field) + ") 的值"
               + (options::isBlankText(text) ? std::string("为空,应为大于0的数值(已填写需要它的要求距离或短路电流).")
                      : " " + quoted(text) + " 不是大于0的数值.");
    }
    return {};
}

std::string spanFileText(const SpanFile &span)
{
    Json document = span.document.is_object() ? span.document : Json::object();
    slot(document, {"format"}) = spanFileFormat;
    slot(document, {"version"}) = spanFileVersion;
    // A new file names its project first.
    putBook(document, span.window.book());
    putWindow(document, span.window);
    putOptions(document, span.options, span.reserved);
    Json designCheck = Json(options::designCheckOptionsToJson(span.designCheck));
    for (auto &value : designCheck) {
        if (value.is_string())
            value = writable(value.get<std::string>());
    }
    document[designCheckKey] = std::move(designCheck);
    for (int i = 0; i < options::shortCircuitFieldCount; ++i) {
        const auto field = static_cast<options::ShortCircuitField>(i);
        slot(document, shortCircuitPath(field)) = writable(options::shortCircuitFieldText(span.shortCircuit, field));
    }
    for (int i = 0; i < options::clearanceFieldCount; ++i) {
        const auto field = static_cast<options::ClearanceField>(i);
        slot(document, clearancePath(field)) = writable(options::clearanceFieldText(span.clearances, field));
    }
    slot(document, phaseSpacingCopyPath) = writable(span.clearances.phaseSpacing);
    return document.dump(2) + "\n";
}

} // namespace app
