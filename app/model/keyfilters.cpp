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

/// The characters of \a pasted that \a filter lets through, each judged on
/// the box's text as it would be with the characters before it typed in.
template<typename Filter>
std::string typedOneByOne(std::string_view currentText, std::string_view pasted, Filter filter)
{
    std::string text(currentText);
    std::string taken;
    for (const char c : pasted) {
        // Multi-byte characters are never numbers; their bytes all fail here.
        const auto key = static_cast<char32_t>(static_cast<unsigned char>(c));
        if (key < 0x20 || key >= 0x80 || filter(text, key) == discardedKey)
            continue;
        text += c;
        taken += c;
    }
    return taken;
}

} // namespace

std::string filterPastedNumber(std::string_view currentText, std::string_view pasted)
{
    return typedOneByOne(currentText, pasted, filterNumericKey);
}

std::string filterPastedGridText(std::string_view pasted)
{
    return typedOneByOne({}, pasted, [](std::string_view, char32_t key) { return filterGridKey(key); });
}

} // namespace app
