#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <string>

namespace options {

/// The strengths the span's own designations give, where they give one.
struct CatalogueStrengths
{
    std::optional<double> conductor_N;  ///< the catalogue's 计算拉断力 of the conductor type
    std::optional<double> stringA_kN;   ///< from string A's designation
    std::optional<double> stringB_kN;
};

/**
 * The "设计校核" page of the options as the user typed it. A blank strength
 * is taken from the conductor catalogue or the string's designation at each
 * calculation, so it follows the span's conductor and strings; a typed one
 * stands for whatever they are. These settings live in the user's settings
 * and the span file, never in default.dat.
 */
struct DesignCheckOptions
{
    std::string conductorRatedStrength;  ///< N of one sub-conductor; blank: from the catalogue
    std::string stringARatedLoad;        ///< kN; blank: from the designation
    std::string stringBRatedLoad;        ///< kN; blank: from the designation
    std::string conductorLongTermFactor = "4";
    std::string conductorShortTermFactor = "2.5";
    std::string stringLongTermFactor = "5.3";
    std::string stringShortTermFactor = "3.3";
    bool includeCheckPage = true;  ///< "输出设计校核页"

    bool operator==(const DesignCheckOptions &) const = default;
};

/// The seven text fields in page order, with the labels the page shows.
enum class DesignCheckField {
    conductorRatedStrength,
    stringARatedLoad,
    stringBRatedLoad,
    conductorLongTermFactor,
    conductorShortTermFactor,
    stringLongTermFactor,
    stringShortTermFactor,
};
inline constexpr int designCheckFieldCount = 7;

const char *designCheckFieldLabel(DesignCheckField field);
std::string &designCheckFieldText(DesignCheckOptions &options, DesignCheckField field);
const std::string &designCheckFieldText(const DesignCheckOptions &options, DesignCheckField field);

/// The three strengths may be blank; the four factors must be given.
constexpr bool mayBeBlank(DesignCheckField field) { return field <= DesignCheckField::stringBRatedLoad; }

/// The first field that is neither blank (where that is allowed) nor a number greater than 0
/// that single precision holds (up to about 3.4e38).
std::optional<DesignCheckField> firstBadDesignCheckField(const DesignCheckOptions &options);

/// "设计校核: “A串额定破坏荷载(kN)”应为大于0的数值,留空则按型号取值." and the like.
std::string badDesignCheckFieldMessage(DesignCheckField field);

/// A typed strength or factor; nothing for a blank text. @throws engine::ConversionError
std::optional<double> designCheckNumber(const std::string &text);

/// The key of \a field in the JSON form.
const char *designCheckFieldKey(DesignCheckField field);
/// The key of includeCheckPage in the JSON form.
inline constexpr const char *designCheckIncludePageKey = "includeCheckPage";

/// The settings as a JSON object under the keys of designCheckOptionsToJson().
nlohmann::json designCheckOptionsToJson(const DesignCheckOptions &options);

/**
 * The settings of a JSON object written by designCheckOptionsToJson(); a key
 * that is missing keeps its default.
 * @throws std::invalid_argument naming the key whose value has the wrong type
 */
DesignCheckOptions designCheckOptionsFromJson(const nlohmann::json &json);

} // namespace options
