#include "app/model/keyfilters.h"

namespace app {

namespace {

constexpr char32_t backspace = 8;
constexpr char32_t enter = 13;

constexpr bool isDigit(char32_t key) { return key >= U'0' && key <= U'9'; }

} // namespace

char32_t filterNumericKey(std::string_view currentText, char32_t key)
{
    if (key == backspace || key == enter || isDigit(key))
        return key;
    // A selected "." that the new one would replace still counts: the box
    // keeps at most one point even if the user types over the old one.
    if (key == U'.' && currentText.find('.') == std::string_view::npos)
        return key;
    return discardedKey;
}

char32_t filterGridKey(char32_t key)
{
    if (key == backspace || key == enter || key == U'.' || isDigit(key))
        return key;
    return discardedKey;
}

namespace {

/// \a pasted without the blanks and line breaks around it, when typing each
/// of its characters into a box holding \a currentText would let every one
/// of them in.
template<typename Filter>
std::optional<std::string> typedWhole(std::string_view currentText, std::string_view pasted, Filter filter)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!pasted.empty() && isSpace(pasted.front()))
        pasted.remove_prefix(1);
    while (!pasted.empty() && isSpace(pasted.back()))
        pasted.remove_suffix(1);
    if (pasted.empty())
        return std::nullopt;
    std::string text(currentText);
    for (const char c : pasted) {
        // Multi-byte characters are never numbers; their bytes all fail here.
        const auto key = static_cast<char32_t>(static_cast<unsigned char>(c));
        if (key < 0x20 || key >= 0x80 || filter(text, key) == discardedKey)
            return std::nullopt;
        text += c;
    }
    return std::string(pasted);
}

} // namespace

std::optional<std::string> acceptedPastedNumber(std::string_view currentText, std::string_view pasted)
{
    return typedWhole(currentText, pasted, filterNumericKey);
}

std::optional<std::string> acceptedPastedGridText(std::string_view pasted)
{
    return typedWhole({}, pasted, [](std::string_view, char32_t key) { return filterGridKey(key); });
}

} // namespace app
