#include "app/model/jsonfieldreader.h"

#include "app/model/jsontext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace app {

using Json = nlohmann::ordered_json;

std::string joinKeyPath(const KeyPath &path)
{
    std::string joined;
    for (const std::string &key : path) {
        if (!joined.empty())
            joined += '.';
        joined += key;
    }
    return joined;
}

JsonFieldReader::JsonFieldReader(const Json &document, std::string fileName)
    : mDocument(document), mFileName(std::move(fileName))
{
}

void JsonFieldReader::refuse(const KeyPath &path, const std::string &what) const
{
    throw SpanFileError("跨线文件 " + mFileName + " 中 \"" + joinKeyPath(path) + "\" 的值" + what);
}

void JsonFieldReader::noteMissing(const std::string &key)
{
    if (std::find(mMissingKeys.begin(), mMissingKeys.end(), key) == mMissingKeys.end())
        mMissingKeys.push_back(key);
}

const Json *JsonFieldReader::find(const KeyPath &path)
{
    const Json *node = &mDocument;
    KeyPath walked;
    for (const std::string &key : path) {
        if (!node->is_object())
            refuse(walked, "应为用 {} 括起的一组键值");
        walked.push_back(key);
        const auto found = node->find(key);
        if (found == node->end()) {
            noteMissing(joinKeyPath(walked));
            return nullptr;
        }
        node = &*found;
    }
    return node;
}

bool JsonFieldReader::has(const KeyPath &path) const
{
    const Json *node = &mDocument;
    for (const std::string &key : path) {
        if (!node->is_object())
            return false;
        const auto found = node->find(key);
        if (found == node->end())
            return false;
        node = &*found;
    }
    return true;
}

std::optional<std::string> JsonFieldReader::text(const KeyPath &path)
{
    const Json *value = find(path);
    if (!value)
        return std::nullopt;
    if (!value->is_string())
        refuse(path, "应为用引号括起的文字");
    // A tab, line feed, escape or direction control would reach the report
    // and the terminal as it is and change what they show.
    if (hasControlCharacter(value->get_ref<const std::string &>()))
        refuse(path, "含有控制字符(制表符、换行符、文字方向控制符等)");
    return value->get<std::string>();
}

std::optional<bool> JsonFieldReader::flag(const KeyPath &path)
{
    const Json *value = find(path);
    if (!value)
        return std::nullopt;
    if (!value->is_boolean())
        refuse(path, "应为 true 或 false");
    return value->get<bool>();
}

int JsonFieldReader::toWholeNumber(const Json &value, const KeyPath &path, const std::string &what) const
{
    constexpr auto lowest = std::numeric_limits<int>::min();
    constexpr auto highest = std::numeric_limits<int>::max();
    if (value.is_number_unsigned() && value.get<std::uint64_t>() <= std::uint64_t(highest))
        return static_cast<int>(value.get<std::uint64_t>());
    if (value.is_number_integer() && !value.is_number_unsigned()) {
        const std::int64_t number = value.get<std::int64_t>();
        if (number >= lowest && number <= highest)
            return static_cast<int>(number);
    }
    refuse(path, what);
}

std::optional<int> JsonFieldReader::wholeNumber(const KeyPath &path)
{
    const Json *value = find(path);
    if (!value)
        return std::nullopt;
    return toWholeNumber(*value, path, "应为不带小数点的整数");
}

std::optional<std::vector<int>> JsonFieldReader::wholeNumbers(const KeyPath &path, std::size_t count)
{
    const Json *value = find(path);
    if (!value)
        return std::nullopt;
    const std::string expected = "应为用 [] 括起的 " + std::to_string(count) + " 个整数";
    if (!value->is_array() || value->size() != count)
        refuse(path, expected);
    std::vector<int> numbers;
    for (const Json &element : *value)
        numbers.push_back(toWholeNumber(element, path, expected));
    return numbers;
}

std::optional<float> JsonFieldReader::singleNumber(const KeyPath &path)
{
    const Json *value = find(path);
    if (!value)
        return std::nullopt;
    if (!value->is_number())
        refuse(path, "应为数值");
    const double number = value->get<double>();
    if (!(std::fabs(number) <= std::numeric_limits<float>::max()))
        refuse(path, "超出单精度数的范围");
    return static_cast<float>(number);
}

} // namespace app
