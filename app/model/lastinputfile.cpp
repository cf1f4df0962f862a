#include "app/model/lastinputfile.h"

#include "app/model/conductorcatalogue.h"
#include "app/model/trimspacesandcontrols.h"
#include "common/datafile.h"
#include "common/gbkcodec.h"
#include "common/replacefile.h"
#include "engine/calculationerror.h"
#include "engine/calculationinput.h"
#include "engine/inputfields.h"
#include "engine/numberconversion.h"

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace app {

namespace {

// Indices into the line table (line number - 1).
constexpr int voltageIndexLine = 30;
constexpr int conductorIndexLine = 31;
constexpr int stringTypeLine[2] = {32, 33};
constexpr int conductorDesignationLine = 34;
constexpr int higherStructureLine = 35;
constexpr int presenceLine = 40;

/// Index of the line of grid cell (column 1..6, row 1..9).
constexpr int cellLine(int column, int row) { return 40 + 10 * column + row; }

/// Longer lines are taken as damage: no window text comes near this.
constexpr std::size_t maxLineBytes = 4096;
/// A real file has about 3 kB; a larger one than this is not read.
constexpr std::size_t maxFileBytes = 1 << 20;

constexpr bool isControlByte(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

/// \a text with each control character replaced by a blank.
std::string withoutControls(std::string text)
{
    for (char &c : text) {
        if (isControlByte(static_cast<unsigned char>(c)))
            c = ' ';
    }
    return text;
}

/// The list index a line stands for, when it is a whole unsigned number.
std::optional<double> wholeNumber(const std::string &line)
{
    if (!engine::isDecimalNumber(line, false))
        return std::nullopt;
    try {
        const double value = engine::toNumber(line);
        if (value == std::floor(value))
            return value;
    } catch (const engine::ConversionError &) {
        // "." alone passes the character test; it is no index.
    }
    return std::nullopt;
}

/**
 * Applies a stored list index through \a select. An index outside the list
 * is damage like any other: the selection stays, rather than leaving a list
 * without a selection that no check would notice before the calculation.
 */
template<typename Select>
void applyListIndex(const std::optional<std::string> &line, int itemCount, Select select)
{
    if (!line)
        return;
    const std::optional<double> index = wholeNumber(*line);
    if (index && *index < itemCount)
        select(static_cast<int>(*index));
}

/// The field a line holds, as engine::fieldLabel() names it; empty for lines without one.
std::string lineField(int line)
{
    using namespace engine;
    // Lines 1..23: the edit boxes in the order of EditBox.
    constexpr std::array<int, editBoxCount> editSlots{
        slot::spanTitle, slot::spanLength, slot::heightDifference, slot::controlSag,
        slot::maintenancePoint, slot::conductorDiameter, slot::expansionCoefficient,
        slot::elasticModulus, slot::conductorArea, slot::conductorUnitWeight, slot::bundleCount,
        slot::subSpan, slot::spacerWeight,
        slot::stringA + stringLength, slot::stringA + stringWeight, slot::stringA + stringIcedWeight,
        slot::stringA + stringWindArea, slot::stringA + stringIcedWindArea,
        slot::stringB + stringLength, slot::stringB + stringWeight, slot::stringB + stringIcedWeight,
        slot::stringB + stringWindArea, slot::stringB + stringIcedWindArea};
    const int index = line - 1;
    if (index >= 0 && index < editBoxCount)
        return fieldLabel(editSlots[static_cast<std::size_t>(index)]);
    if (index == voltageIndexLine)
        return fieldLabel(slot::voltageLevel);
    if (index == conductorIndexLine || index == conductorDesignationLine)
        return fieldLabel(slot::conductorType);
    if (index == stringTypeLine[0] || index == stringTypeLine[1])
        return fieldLabel((index == stringTypeLine[0] ? slot::stringA : slot::stringB) + stringType);
    if (index >= presenceLine && index < presenceLine + presenceBoxCount)
        return std::string(loadtable::presentHeaders[static_cast<std::size_t>(index - presenceLine + 1)].substr(3))
            + " 选择框";
    const int column = (index - 40) / 10;
    const int row = (index - 40) % 10;
    if (column >= loadtable::firstLoadColumn && column <= loadtable::lastLoadColumn && row >= 1)
        return fieldLabel(leadSlot(column - 1, row - 1));
    return {};
}

/// The problem of one raw line, or an empty text when it is readable.
std::string lineProblem(const std::string &trimmed, bool utf8)
{
    if (trimmed.size() > maxLineBytes)
        return "行太长";
    for (const char c : trimmed) {
        if (isControlByte(static_cast<unsigned char>(c)))
            return "含有控制字符";
    }
    if (!utf8 && !common::decodeGbk(trimmed))
        return "不是有效的GBK文字";
    return {};
}

} // namespace

LastInputLines lastInputLines(const MainWindowModel &window)
{
    using namespace loadtable;
    LastInputLines lines;
    for (int box = 0; box < editBoxCount; ++box)
        lines[box] = window.text(static_cast<EditBox>(box));
    lines[voltageIndexLine] = std::to_string(window.voltageIndex());
    // A custom conductor is kept by its item's text, not its index: the
    // index moves whenever the catalogue grows, the text does not.
    if (window.isCustomConductor()) {
        lines[conductorIndexLine] = MainWindowModel::customConductorItem;
        lines[conductorDesignationLine] = window.conductorText();
    } else {
        lines[conductorIndexLine] = std::to_string(window.conductorIndex());
    }
    lines[stringTypeLine[0]] = window.stringTypeText(StringSide::A);
    lines[stringTypeLine[1]] = window.stringTypeText(StringSide::B);
    lines[higherStructureLine] = window.structureBHigher() ? "B" : "A";
    for (int box = 0; box < presenceBoxCount; ++box)
        lines[presenceLine + box].assign(1, window.isTicked(static_cast<PresenceBox>(box)) ? '1' : '0');
    for (int column = firstLoadColumn; column <= lastLoadColumn; ++column) {
        for (int row = conductorTypeRow; row <= relativeDistanceRow; ++row)
            lines[cellLine(column, row)] = trimSpacesAndControls(window.cell(column, row));
    }
    return lines;
}

void applyLastInputLines(MainWindowModel &window, const ReadLastInputLines &lines)
{
    using namespace loadtable;
    for (int box = 0; box < editBoxCount; ++box) {
        if (lines[box])
            window.setText(static_cast<EditBox>(box), *lines[box]);
    }

    applyListIndex(lines[voltageIndexLine], static_cast<int>(MainWindowModel::voltageLevels().size()),
                   [&window](int index) { window.setVoltageIndex(index); });
    if (lines[conductorIndexLine] == MainWindowModel::customConductorItem)
        window.setCustomConductor(lines[conductorDesignationLine].value_or(""));
    else
        applyListIndex(lines[conductorIndexLine], conductorCount,
                       [&window](int index) { window.setConductorIndex(index); });

    if (lines[higherStructureLine] == "A" || lines[higherStructureLine] == "B")
        window.setStructureBHigher(lines[higherStructureLine] == "B");
    if (lines[stringTypeLine[0]])
        window.setStringTypeText(StringSide::A, *lines[stringTypeLine[0]]);
    if (lines[stringTypeLine[1]])
        window.setStringTypeText(StringSide::B, *lines[stringTypeLine[1]]);

    for (int box = 0; box < presenceBoxCount; ++box) {
        if (lines[presenceLine + box])
            window.setTicked(static_cast<PresenceBox>(box), *lines[presenceLine + box] == "1");
    }

    // Cells are restored whatever the boxes say, and only when the file has
    // something for them: an empty line keeps what the box rule just wrote.
    for (int column = firstLoadColumn; column <= lastLoadColumn; ++column) {
        for (int row = conductorTypeRow; row <= relativeDistanceRow; ++row) {
            const std::optional<std::string> &line = lines[cellLine(column, row)];
            if (line && !line->empty() && MainWindowModel::isCellEditable(column, row))
                window.setCell(column, row, *line);
        }
    }
}

LastInputText readLastInputText(std::string_view bytes)
{
    LastInputText text;
    const bool utf8 = common::isUtf8BeyondAscii(bytes);
    const auto noteFault = [&text](int line, std::string problem) {
        if (!text.fault)
            text.fault = common::DataFileFault{line, lineField(line), std::move(problem)};
    };
    std::size_t start = 0;
    int count = 0;
    while (start < bytes.size()) {
        std::size_t feed = bytes.find('\n', start);
        // Only the last line may lack its break; anywhere else the file was
        // cut inside the line, and what is left of it is no value.
        const bool cut = feed == std::string_view::npos && count + 1 != lastInputLineCount;
        if (feed == std::string_view::npos)
            feed = bytes.size();
        if (count < lastInputLineCount && !cut) {
            const std::string raw = trimSpacesAndControls(bytes.substr(start, feed - start));
            const std::string problem = lineProblem(raw, utf8);
            if (problem.empty())
                text.lines[count] = utf8 ? raw : *common::decodeGbk(raw);
            else
                noteFault(count + 1, problem);
        }
        ++count;
        start = feed + 1;
    }
    // The last line is always empty: a file that ends with the break of line
    // 129 has lost nothing but that line's own break.
    if (count == lastInputLineCount - 1 && !bytes.empty() && bytes.back() == '\n')
        count = lastInputLineCount;
    if (count != lastInputLineCount)
        noteFault(0, common::lineCountProblem(lastInputLineCount, count));
    return text;
}

ReadLastInputLines splitLastInputFile(std::string_view bytes)
{
    return readLastInputText(bytes).lines;
}

LastInputSave saveLastInputs(const MainWindowModel &window, const std::filesystem::path &file)
{
    std::string bytes;
    for (const std::string &line : lastInputLines(window)) {
        bytes += common::encodeGbk(withoutControls(line));
        bytes += "\r\n";
    }
    try {
        common::replaceFileContents(file, bytes);
        return {};
    } catch (const common::FileWriteError &error) {
        // Closing the window must not fail; the previous file stays whole.
        return {error.reason()};
    }
}

LastInputLoad loadLastInputs(MainWindowModel &window, const std::filesystem::path &file)
{
    LastInputLoad load;
    std::string bytes;
    try {
        bytes = common::readDataFile(file, maxFileBytes);
    } catch (const common::DataFileTooLarge &error) {
        load.read = true;
        load.damage = error.what();
        return load;
    } catch (const common::DataFileError &) {
        // As at every first start: no file, no message.
        return load;
    }
    load.read = true;
    const LastInputText text = readLastInputText(bytes);
    applyLastInputLines(window, text.lines);
    if (text.fault)
        load.damage = common::faultMessage(file, *text.fault);
    return load;
}

void loadNamedLastInputs(MainWindowModel &window, const std::filesystem::path &file)
{
    const LastInputText text = readLastInputText(common::readDataFile(file, maxFileBytes));
    if (text.fault)
        throw common::DataFileError(common::faultMessage(file, *text.fault));
    applyLastInputLines(window, text.lines);
}

} // namespace app
