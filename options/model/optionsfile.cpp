#include "options/model/optionsfile.h"

#include "common/datafile.h"
#include "common/replacefile.h"

#include "engine/calculationinput.h"
#include "engine/inputfields.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace options {

namespace {

constexpr int fileDecimals = 6;
constexpr std::string_view kLineEnd = "  \r\n";

/**
 * A read position in the text with the C stream's end-of-file indicator:
 * it is set by a look-ahead that finds no character, not by reaching the
 * last one.
 */
class ScanCursor
{
public:
    explicit ScanCursor(std::string_view text) : mText(text) {}

    /// The next character, or nothing (and the end indicator set) at the end.
    std::optional<char> peek()
    {
        if (mPosition >= mText.size()) {
            mEndMet = true;
            return std::nullopt;
        }
        return mText[mPosition];
    }

    void advance() { ++mPosition; }
    bool endMet() const { return mEndMet; }
    std::size_t position() const { return mPosition; }
    std::string_view text() const { return mText; }

private:
    std::string_view mText;
    std::size_t mPosition = 0;
    bool mEndMet = false;
};

bool isScanSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

void skipSpace(ScanCursor &cursor)
{
    while (const auto c = cursor.peek()) {
        if (!isScanSpace(*c))
            return;
        cursor.advance();
    }
}

bool takeIf(ScanCursor &cursor, bool (*accept)(char))
{
    const auto c = cursor.peek();
    if (!c || !accept(*c))
        return false;
    cursor.advance();
    return true;
}

int takeDigits(ScanCursor &cursor)
{
    int count = 0;
    while (takeIf(cursor, isDigit))
        ++count;
    return count;
}

bool isSign(char c)
{
    return c == '+' || c == '-';
}

bool isPoint(char c)
{
    return c == '.';
}

bool isExponentMark(char c)
{
    return c == 'e' || c == 'E';
}

/**
 * Consumes the longest run that is or begins a decimal number and says
 * whether the run is a complete one. Like the C scanner it never gives back
 * more than the one character it looked at, so "1e" or a lone "-" are eaten
 * and fail.
 */
bool takeNumber(ScanCursor &cursor)
{
    takeIf(cursor, isSign);
    int mantissaDigits = takeDigits(cursor);
    if (takeIf(cursor, isPoint))
        mantissaDigits += takeDigits(cursor);
    if (mantissaDigits == 0)
        return false;
    if (takeIf(cursor, isExponentMark)) {
        takeIf(cursor, isSign);
        if (takeDigits(cursor) == 0)
            return false;
    }
    return true;
}

/// A complete decimal number as a float; nothing when a float cannot hold it.
std::optional<float> toFloat(std::string_view token)
{
    if (!token.empty() && token.front() == '+')
        token.remove_prefix(1);
    float value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

/**
 * One position: "%f" then the white space of "  \n". Returns the value when
 * one was converted; the white space after it is only skipped on success,
 * as a failed conversion ends the scan directive.
 */
std::optional<float> scanValue(ScanCursor &cursor)
{
    skipSpace(cursor);
    const std::size_t start = cursor.position();
    if (!takeNumber(cursor))
        return std::nullopt;
    const auto value = toFloat(cursor.text().substr(start, cursor.position() - start));
    skipSpace(cursor);
    return value;
}

constexpr int fileLineCount = 40;

/// The setting on line \a line (1..40) in the words of the window.
std::string settingOfLine(int line)
{
    using namespace engine;
    if (line >= 1 && line <= 9)
        return fieldLabel(slot::conditionTemperature + line - 1);
    if (line == 10)
        return fieldLabel(slot::iceThickness);
    if (line >= 11 && line <= 19)
        return fieldLabel(slot::conditionWindSpeed + line - 11);
    if (line >= 21 && line <= 29)
        return fieldLabel(slot::markingTemperature + line - 21);
    if (line >= 31 && line <= 35)
        return "划印状态第" + std::to_string(line - 30) + "项";
    return "备用";
}

bool isBlankOrReturn(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

/// True when \a line is one number a float holds, with blanks around it.
bool isNumberLine(std::string_view line)
{
    while (!line.empty() && isBlankOrReturn(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && isBlankOrReturn(line.back()))
        line.remove_suffix(1);
    ScanCursor cursor(line);
    return takeNumber(cursor) && cursor.position() == line.size() && toFloat(line).has_value();
}

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};

} // namespace

std::string formatOptionsText(const OptionsSnapshot &snapshot)
{
    std::string text;
    for (const float value : toFileOrder(snapshot)) {
        if (!std::isfinite(value))
            throw std::domain_error("options snapshot holds a value that is not finite");
        // 2^128 written with six decimals needs 46 characters.
        std::array<char, 64> buffer{};
        const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                           static_cast<double>(value),
                                           std::chars_format::fixed, fileDecimals);
        text.append(buffer.data(), written.ptr);
        text.append(kLineEnd);
    }
    return text;
}

bool scanOptionsText(std::string_view text, OptionsSnapshot &snapshot)
{
    auto values = toFileOrder(snapshot);
    ScanCursor cursor(text);
    bool complete = true;
    for (float &value : values) {
        if (cursor.endMet()) {
            complete = false;
            break;
        }
        if (const auto scanned = scanValue(cursor))
            value = *scanned;
    }
    snapshot = fromFileOrder(values);
    return complete;
}

bool readOptionsFile(const std::filesystem::path &path, OptionsSnapshot &snapshot)
{
    // A pipe or device under the name would block the start or never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    std::string text(maxOptionsFileSize + 1, '\0');
    const std::size_t size = std::fread(text.data(), 1, text.size(), file.get());
    if (std::ferror(file.get()) || size > maxOptionsFileSize)
        return false;
    text.resize(size);
    return scanOptionsText(text, snapshot);
}

std::optional<common::DataFileFault> optionsTextFault(std::string_view text)
{
    int line = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        ++line;
        if (line <= fileLineCount && !isNumberLine(text.substr(start, end - start)))
            return common::DataFileFault{line, settingOfLine(line), "不是数值"};
        start = end + 1;
    }
    if (line != fileLineCount)
        return common::DataFileFault{0, {}, common::lineCountProblem(fileLineCount, line)};
    return std::nullopt;
}

void readNamedOptionsFile(const std::filesystem::path &path, OptionsSnapshot &snapshot)
{
    const std::string text = common::readDataFile(path, maxOptionsFileSize);
    if (const auto fault = optionsTextFault(text))
        throw common::DataFileError(common::faultMessage(path, *fault));
    scanOptionsText(text, snapshot);
}

void writeOptionsFile(const std::filesystem::path &path, const OptionsSnapshot &snapshot)
{
    common::replaceFileContents(path, formatOptionsText(snapshot));
}

} // namespace options
