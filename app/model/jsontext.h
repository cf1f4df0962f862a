#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace app {

/// The deepest nesting of objects and arrays a JSON input may have; a span file needs 4 levels.
inline constexpr int maxJsonDepth = 16;

/// The most keys one object of a JSON input may hold; a span file's largest has about 20.
inline constexpr std::size_t maxJsonObjectKeys = 1000;

/// Why a JSON text was refused, in the user's words.
struct JsonTextFault
{
    enum class Kind { Syntax, NumberOutOfRange, TooDeep, DuplicateKey, TooManyKeys };
    Kind kind = Kind::Syntax;
    int line = 0;    ///< from 1; 0 when the fault is not at one place (a duplicate key)
    int column = 0;  ///< from 1, in bytes
    std::string key; ///< the keys down to the value at fault, "a.b"; "" at the top

    /// "第 3 行第 14 列 "span.spanLength_m" 的数值超出范围" and the like, without a full stop.
    std::string describe() const;
};

class JsonTextError : public std::runtime_error
{
public:
    explicit JsonTextError(JsonTextFault fault);
    const JsonTextFault &fault() const { return mFault; }

private:
    JsonTextFault mFault;
};

/**
 * Parses the JSON text \a text as written, keeping the order of keys.
 * Refused, before a value deeper than maxJsonDepth is built: text that is
 * no UTF-8 JSON, a number beyond the range of double (1e400), nesting
 * deeper than maxJsonDepth, a key that an object holds twice, an object of
 * more than maxJsonObjectKeys keys. No text, whatever its size or shape,
 * makes the parser recurse or take more than linear time per key.
 *
 * @throws JsonTextError
 */
nlohmann::ordered_json parseJsonText(std::string_view text);

/// \a key as a message may show it: control characters written as \uXXXX.
std::string printableKey(std::string_view key);

/**
 * Whether \a text (UTF-8) holds a character that would change how a report
 * line or a terminal shows what follows it: a C0 or C1 control character
 * (TAB, line feed, NUL, ESC ... included), DEL, a line or paragraph
 * separator, or a bidirectional control (RLO and its kin).
 */
bool hasControlCharacter(std::string_view text);

/// \a text with each such character replaced by a blank.
std::string withoutControlCharacters(std::string_view text);

/// Line and column (from 1) of byte \a offset in \a text.
std::pair<int, int> lineAndColumn(std::string_view text, std::size_t offset);

} // namespace app
