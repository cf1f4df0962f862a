#pragma once

#include <string>
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

/**
 * What of a pasted or dropped text the numeric box holding \a currentText
 * lets in: the characters typing them one by one would let through, so
 * digits, and one "." while neither the box nor the pasted part has one.
 * Line breaks and other control characters of the paste are dropped.
 */
std::string filterPastedNumber(std::string_view currentText, std::string_view pasted);

/// The same for a cell of the load grid: digits and any number of ".".
std::string filterPastedGridText(std::string_view pasted);

} // namespace app
