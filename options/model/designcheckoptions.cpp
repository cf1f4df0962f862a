#include "options/model/designcheckoptions.h"

#include "engine/numberconversion.h"
#include "options/model/blanktext.h"

#include <limits>
#include <stdexcept>

namespace options {

namespace {

struct FieldDescription
{
    const char *label;
    const char *jsonKey;
    std::string DesignCheckOptions::*text;
};

constexpr std::array<FieldDescription, designCheckFieldCount> fields = {{
    {"导线额定拉断力(N)", "conductorRatedStrength_N", &DesignCheckOptions::conductorRatedStrength},
    {"A串额定破坏荷载(kN)", "stringARatedLoad_kN", &DesignCheckOptions::stringARatedLoad},
    {"B串额定破坏荷载(kN)", "stringBRatedLoad_kN", &DesignCheckOptions::stringBRatedLoad},
    {"导线长期荷载安全系数", "conductorLongTermFactor", &DesignCheckOptions::conductorLongTermFactor},
    {"导线短时荷载安全系数", "conductorShortTermFactor", &DesignCheckOptions::conductorShortTermFactor},
    {"绝缘子串长期荷载安全系数", "stringLongTermFactor", &DesignCheckOptions::stringLongTermFactor},
    {"绝缘子串短时荷载安全系数", "stringShortTermFactor", &DesignCheckOptions::stringShortTermFactor},
}};
constexpr const char *includePageKey = designCheckIncludePageKey;

const FieldDescription &describe(DesignCheckField field)
{
    return fields.at(static_cast<std::size_t>(field));
}

bool isPositiveNumber(const std::string &text)
{
    try {
        // The check computes in single precision: a factor of 1e300 would
        // make every ratio infinite and print no number at all.
        const std::optional<double> value = designCheckNumber(text);
        return value && *value > 0 && *value <= std::numeric_limits<float>::max();
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace

const char *designCheckFieldLabel(DesignCheckField field)
{
    return describe(field).label;
}

const char *designCheckFieldKey(DesignCheckField field)
{
    return describe(field).jsonKey;
}

std::string &designCheckFieldText(DesignCheckOptions &options, DesignCheckField field)
{
    return options.*describe(field).text;
}

const std::string &designCheckFieldText(const DesignCheckOptions &options, DesignCheckField field)
{
    return options.*describe(field).text;
}

std::optional<double> designCheckNumber(const std::string &text)
{
    if (isBlankText(text))
        return std::nullopt;
    return engine::toNumber(text);
}

std::optional<DesignCheckField> firstBadDesignCheckField(const DesignCheckOptions &options)
{
    for (int i = 0; i < designCheckFieldCount; ++i) {
        const auto field = static_cast<DesignCheckField>(i);
        const std::string &text = designCheckFieldText(options, field);
        if (mayBeBlank(field) && isBlankText(text))
            continue;
        if (!isPositiveNumber(text))
            return field;
    }
    return std::nullopt;
}

std::string badDesignCheckFieldMessage(DesignCheckField field)
{
    std::string message = std::string("设计校核: “") + designCheckFieldLabel(field) + "”应为大于0的数值";
    return message + (mayBeBlank(field) ? ",留空则按型号取值." : ".");
}

nlohmann::json designCheckOptionsToJson(const DesignCheckOptions &options)
{
    nlohmann::json json = nlohmann::json::object();
    for (const FieldDescription &field : fields)
        json[field.jsonKey] = options.*field.text;
    json[includePageKey] = options.includeCheckPage;
    return json;
}

DesignCheckOptions designCheckOptionsFromJson(const nlohmann::json &json)
{
    if (!json.is_object())
        throw std::invalid_argument("设计校核设置不是JSON对象");
    DesignCheckOptions options;
    for (const FieldDescription &field : fields) {
        const auto value = json.find(field.jsonKey);
        if (value == json.end())
            continue;
        if (!value->is_string())
            throw std::invalid_argument(std::string("设计校核设置“") + field.jsonKey + "”应为文字");
        options.*field.text = value->get<std::string>();
    }
    if (const auto value = json.find(includePageKey); value != json.end()) {
        if (!value->is_boolean())
            throw std::invalid_argument(std::string("设计校核设置“") + includePageKey + "”应为true或false");
        options.includeCheckPage = value->get<bool>();
    }
    return options;
}

} // namespace options
