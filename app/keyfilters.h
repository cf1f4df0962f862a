#pragma once

#include <string_view>

namespace app {

/// What a key filter returns for a character that must not reach the box.
inline constexpr char32_t discardedKey = 0;

/**
 * Key filter of the numeric edit boxes: Backspace (8), Enter (13) and the
 * digits always pass; "." passes while \a currentText, the box's whole text
 * whatever part of it is selected, holds no "." yet. Everything else is
 * discarded, the minus sign and the clipboard control characters included.
 *
 * @param currentText  the box's text before the key (UTF-8)
 * @param key          the typed character (a Unicode code point)
 * @return \a key, or discardedKey
 */
char32_t filterNumericKey(std::string_view currentText, char32_t key);

/**
 * Key filter of the load grid: Backspace, Enter, "." (any number of them)
 * and the digits pass; everything else is discarded. Letters reach a cell
 * only through the conductor list or the last-input file.
 */
char32_t filterGridKey(char32_t key);

} // namespace app
