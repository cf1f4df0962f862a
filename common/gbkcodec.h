#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace common {

/**
 * The text files of the program are in the Chinese code page. They are
 * written and read as GB18030, which encodes every GBK character with the
 * very bytes of GBK and, beyond GBK, every other character as well, so a span
 * name with a character GBK lacks survives the round trip instead of turning
 * into "?". Files of the GBK era read unchanged.
 */

/**
 * \a utf8 in the file code page. Bytes that are not valid UTF-8 (which no
 * window text holds) are each written as "?".
 */
std::string encodeGbk(std::string_view utf8);

/// \a bytes of the file code page as UTF-8; nothing when they are not valid GB18030.
std::optional<std::string> decodeGbk(std::string_view bytes);

/**
 * True when \a bytes are valid UTF-8 and hold a character beyond ASCII: such a
 * file was saved by a UTF-8 editor. A Chinese GBK text is practically never
 * valid UTF-8 (its pairs of high bytes do not form UTF-8 sequences), while
 * UTF-8 Chinese decodes as GBK without error into other characters, so this
 * is the test that keeps an edited file from turning into a garbled name.
 */
bool isUtf8BeyondAscii(std::string_view bytes);

/**
 * \a utf8 in strict GBK, the code page of Chinese Windows in which metafiles
 * store their texts and face names. A character GBK cannot hold becomes one
 * "?", so the rest of the text is kept; so does a byte that is not valid UTF-8.
 */
std::string encodeStrictGbk(std::string_view utf8);

} // namespace common
