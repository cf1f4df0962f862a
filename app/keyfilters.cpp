#include "app/keyfilters.h"

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

} // namespace app
