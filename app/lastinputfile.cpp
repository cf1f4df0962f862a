#include "app/lastinputfile.h"

#include "app/conductorcatalogue.h"
#include "common/gbkcodec.h"
#include "app/trimblanks.h"
#include "engine/calculationerror.h"
#include "engine/numbers.h"
#include "common/replacefile.h"

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
constexpr int presenceLine = 40;

/// Index of the line of grid cell (column 1..6, row 1..9).
constexpr int cellLine(int column, int row) { return 40 + 10 * column + row; }

/// Longer lines are taken as damage: no window text comes near this.
constexpr std::size_t maxLineBytes = 4096;
/// A real file has about 3 kB; reading stops at this much.
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

std::optional<std::string> readFileStart(const std::filesystem::path &file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status{};
    std::optional<std::string> bytes;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        bytes.emplace();
        char buffer[8192];
        while (bytes->size() < maxFileBytes) {
            const ssize_t count = ::read(fd, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0) {
                bytes.reset();
                break;
            }
            if (count == 0)
                break;
            bytes->append(buffer, static_cast<std::size_t>(count));
        }
        if (bytes && bytes->size() > maxFileBytes)
            bytes->resize(maxFileBytes);
    }
    ::close(fd);
    return bytes;
}

} // namespace

LastInputLines lastInputLines(const MainWindowModel &window)
{
    using namespace loadtable;
    LastInputLines lines;
    for (int box = 0; box < editBoxCount; ++box)
        lines[box] = window.text(static_cast<EditBox>(box));
    lines[voltageIndexLine] = std::to_string(window.voltageIndex());
    lines[conductorIndexLine] = std::to_string(window.conductorIndex());
    lines[stringTypeLine[0]] = window.stringTypeText(StringSide::A);
    lines[stringTypeLine[1]] = window.stringTypeText(StringSide::B);
    for (int box = 0; box < presenceBoxCount; ++box)
        lines[presenceLine + box].assign(1, window.isTicked(static_cast<PresenceBox>(box)) ? '1' : '0');
    for (int column = firstLoadColumn; column <= lastLoadColumn; ++column) {
        for (int row = conductorTypeRow; row <= relativeDistanceRow; ++row)
            lines[cellLine(column, row)] = trimBlanks(window.cell(column, row));
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
    applyListIndex(lines[conductorIndexLine], conductorCount,
                   [&window](int index) { window.setConductorIndex(index); });

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

ReadLastInputLines splitLastInputFile(std::string_view bytes)
{
    ReadLastInputLines lines;
    std::size_t start = 0;
    for (int index = 0; index < lastInputLineCount; ++index) {
        const std::size_t feed = bytes.find('\n', start);
        if (feed == std::string_view::npos)
            break;
        const std::string raw = trimBlanks(bytes.substr(start, feed - start));
        start = feed + 1;
        if (raw.size() > maxLineBytes)
            continue;
        bool hasControl = false;
        for (const char c : raw)
            hasControl = hasControl || isControlByte(static_cast<unsigned char>(c));
        if (!hasControl)
            lines[index] = common::decodeGbk(raw);
    }
    return lines;
}

bool saveLastInputs(const MainWindowModel &window, const std::filesystem::path &file)
{
    std::string bytes;
    for (const std::string &line : lastInputLines(window)) {
        bytes += common::encodeGbk(withoutControls(line));
        bytes += "\r\n";
    }
    try {
        common::replaceFileContents(file, bytes);
        return true;
    } catch (const std::system_error &) {
        // Closing the window must not fail; the previous file stays whole.
        return false;
    }
}

bool loadLastInputs(MainWindowModel &window, const std::filesystem::path &file)
{
    const std::optional<std::string> bytes = readFileStart(file);
    if (!bytes)
        return false;
    applyLastInputLines(window, splitLastInputFile(*bytes));
    return true;
}

} // namespace app
