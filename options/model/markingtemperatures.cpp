#include "options/model/markingtemperatures.h"

#include <charconv>

namespace options {

namespace {

std::string_view trimmedBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::optional<int> parseWholeNumber(std::string_view text)
{
    text = trimmedBlanks(text);
    // from_chars knows only the minus sign; a plus must be followed by a
    // digit, or "+-5" would pass as -5.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() < '0' || text.front() > '9')
            return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string normalisedMarkingTemperature(std::string_view text, int defaultValue)
{
    return std::to_string(parseWholeNumber(text).value_or(defaultValue));
}

} // namespace options
