#include "app/model/jsontext.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>
#include <vector>

namespace app {

using Json = nlohmann::ordered_json;

namespace {

/// nlohmann's error id for a number that overflows a double.
constexpr int numberOverflowId = 406;

/// The byte that opens the first object or array deeper than maxJsonDepth.
/// A byte scan, so that a text nested a hundred thousand deep is refused
/// before the parser has built anything of it.
std::optional<std::size_t> firstTooDeep(std::string_view text)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > maxJsonDepth)
                return i;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return std::nullopt;
}

/// Builds the document through nlohmann's own DOM builder, watching what it may not build.
class CheckingSax
{
public:
    using number_integer_t = Json::number_integer_t;
    using number_unsigned_t = Json::number_unsigned_t;
    using number_float_t = Json::number_float_t;
    using string_t = Json::string_t;
    using binary_t = Json::binary_t;

    CheckingSax(Json &root, std::string_view text) : mDom(root, false), mText(text) {}

    bool null() { return mDom.null(); }
    bool boolean(bool value) { return mDom.boolean(value); }
    bool number_integer(number_integer_t value) { return mDom.number_integer(value); }
    bool number_unsigned(number_unsigned_t value) { return mDom.number_unsigned(value); }
    bool number_float(number_float_t value, const string_t &text) { return mDom.number_float(value, text); }
    bool string(string_t &value) { return mDom.string(value); }
    bool binary(binary_t &value) { return mDom.binary(value); }

    bool start_object(std::size_t count)
    {
        if (!enter(true))
            return false;
        return mDom.start_object(count);
    }
    bool key(string_t &key)
    {
        Level &level = mLevels.back();
        if (!level.keys.insert(key).second)
            return refuse({JsonTextFault::Kind::DuplicateKey, 0, 0, keyPath(mLevels.size() - 1, key)});
        if (level.keys.size() > maxJsonObjectKeys)
            return refuse({JsonTextFault::Kind::TooManyKeys, 0, 0, keyPath(mLevels.size() - 1, {})});
        level.key = key;
        return mDom.key(key);
    }
    bool end_object()
    {
        mLevels.pop_back();
        return mDom.end_object();
    }
    bool start_array(std::size_t count)
    {
        if (!enter(false))
            return false;
        return mDom.start_array(count);
    }
    bool end_array()
    {
        mLevels.pop_back();
        return mDom.end_array();
    }

    bool parse_error(std::size_t position, const std::string &, const nlohmann::detail::exception &error)
    {
        // The parser reports the byte after the fault.
        const auto [line, column] = lineAndColumn(mText, position > 0 ? position - 1 : 0);
        const auto kind = error.id == numberOverflowId ? JsonTextFault::Kind::NumberOutOfRange
                                                       : JsonTextFault::Kind::Syntax;
        return refuse({kind, line, column, keyPath(mLevels.size(), {})});
    }

    const std::optional<JsonTextFault> &fault() const { return mFault; }

private:
    struct Level
    {
        bool object = false;
        std::set<std::string> keys;
        std::string key;
    };

    bool enter(bool object)
    {
        if (mLevels.size() >= static_cast<std::size_t>(maxJsonDepth))
            return refuse({JsonTextFault::Kind::TooDeep, 0, 0, keyPath(mLevels.size(), {})});
        mLevels.push_back({object, {}, {}});
        return true;
    }

    /// The keys of the outer \a levels levels, then \a last.
    std::string keyPath(std::size_t levels, std::optional<std::string_view> last) const
    {
        std::string path;
        for (std::size_t i = 0; i < levels; ++i) {
            if (mLevels[i].object && !mLevels[i].key.empty())
                path += (path.empty() ? "" : ".") + printableKey(mLevels[i].key);
        }
        if (last)
            path += (path.empty() ? "" : ".") + printableKey(*last);
        return path;
    }

    bool refuse(JsonTextFault fault)
    {
        if (!mFault)
            mFault = std::move(fault);
        return false;
    }

    nlohmann::detail::json_sax_dom_parser<Json> mDom;
    std::string_view mText;
    std::vector<Level> mLevels;
    std::optional<JsonTextFault> mFault;
};

/// The length in bytes of the control character at \a i of \a text, 0 when there is none.
std::size_t controlCharacterAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
    const unsigned first = byte(i);
    if (first < 0x20 || first == 0x7F)
        return 1;
    if (first == 0xC2 && byte(i + 1) >= 0x80 && byte(i + 1) <= 0x9F)
        return 2; // U+0080..U+009F
    if (first == 0xE2 && byte(i + 1) == 0x80) {
        const unsigned third = byte(i + 2);
        if (third == 0x8E || third == 0x8F || (third >= 0xA8 && third <= 0xAE))
            return 3; // U+200E, U+200F, U+2028..U+202E
    }
    if (first == 0xE2 && byte(i + 1) == 0x81 && byte(i + 2) >= 0xA6 && byte(i + 2) <= 0xA9)
        return 3; // U+2066..U+2069
    return 0;
}

} // namespace

bool hasControlCharacter(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (controlCharacterAt(text, i) > 0)
            return true;
    }
    return false;
}

std::string withoutControlCharacters(std::string_view text)
{
    std::string kept;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t length = controlCharacterAt(text, i)) {
            kept += ' ';
            i += length;
        } else {
            kept += text[i++];
        }
    }
    return kept;
}

std::string JsonTextFault::describe() const
{
    std::string place;
    if (line > 0)
        place = "第 " + std::to_string(line) + " 行第 " + std::to_string(column) + " 列";
    const std::string named = key.empty() ? std::string() : " \"" + key + "\"";
    switch (kind) {
    case Kind::Syntax:
        return place + "处不是正确的JSON文本(须为UTF-8编码)";
    case Kind::NumberOutOfRange:
        return place + named + " 的数值超出可表示的范围";
    case Kind::TooDeep:
        return place + "处的 {} 或 [] 嵌套超过 " + std::to_string(maxJsonDepth) + " 层";
    case Kind::DuplicateKey:
        return "中" + named + " 出现了不止一次";
    case Kind::TooManyKeys:
        return "中" + (key.empty() ? std::string(" 最外层") : named) + " 的键超过 "
               + std::to_string(maxJsonObjectKeys) + " 个";
    }
    return place;
}

JsonTextError::JsonTextError(JsonTextFault fault) : std::runtime_error(fault.describe()), mFault(std::move(fault))
{
}

std::pair<int, int> lineAndColumn(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    const std::string_view before = text.substr(0, offset);
    const auto line = 1 + std::count(before.begin(), before.end(), '\n');
    const std::size_t lineStart = before.rfind('\n');
    const std::size_t column = lineStart == std::string_view::npos ? offset + 1 : offset - lineStart;
    return {static_cast<int>(line), static_cast<int>(column)};
}

std::string printableKey(std::string_view key)
{
    std::string printable;
    for (const char c : key) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
            printable += escaped;
        } else {
            printable += c;
        }
    }
    return printable;
}

Json parseJsonText(std::string_view text)
{
    if (const auto deep = firstTooDeep(text)) {
        const auto [line, column] = lineAndColumn(text, *deep);
        throw JsonTextError({JsonTextFault::Kind::TooDeep, line, column, {}});
    }
    Json document;
    CheckingSax sax(document, text);
    const bool parsed = Json::sax_parse(text.begin(), text.end(), &sax);
    if (sax.fault())
        throw JsonTextError(*sax.fault());
    if (!parsed)
        throw JsonTextError({JsonTextFault::Kind::Syntax, 1, 1, {}});
    return document;
}

} // namespace app
