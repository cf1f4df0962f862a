#include "cli/checksettings.h"

#include "app/model/jsontext.h"
#include "common/datafile.h"

#include <stdexcept>

namespace cli {

namespace {

/// A settings file has about 300 bytes; one larger than this is none.
constexpr std::size_t maxCheckSettingsBytes = 1 << 16;

std::optional<options::DesignCheckOptions> readOptionsFile(const std::string &fileName, std::ostream &errors)
{
    const std::string prefix = "设计校核设置文件 " + fileName;
    std::string text;
    try {
        // The same rules as every other input: a regular file (a FIFO would
        // block, /dev/zero never end) of bounded size.
        text = common::readDataFile(fileName, maxCheckSettingsBytes);
    } catch (const common::DataFileError &e) {
        errors << "无法读取设计校核设置文件: " << e.what() << '\n';
        return std::nullopt;
    }
    try {
        const nlohmann::json json = app::parseJsonText(text);
        options::DesignCheckOptions read = options::designCheckOptionsFromJson(json);
        for (const auto &[key, value] : json.items()) {
            if (value.is_string() && app::hasControlCharacter(value.get_ref<const std::string &>())) {
                errors << prefix << " 中 \"" << app::printableKey(key) << "\" 的值含有控制字符\n";
                return std::nullopt;
            }
        }
        if (const auto bad = options::firstBadDesignCheckField(read)) {
            errors << prefix << ": " << options::badDesignCheckFieldMessage(*bad) << '\n';
            return std::nullopt;
        }
        return read;
    } catch (const app::JsonTextError &e) {
        errors << prefix << ' ' << e.fault().describe() << '\n';
    } catch (const std::invalid_argument &e) {
        errors << prefix << ": " << e.what() << '\n';
    }
    return std::nullopt;
}

} // namespace

std::optional<options::DesignCheckOptions> loadDesignCheckOptions(const CommandLine &command,
                                                                const options::DesignCheckOptions &stored,
                                                                std::ostream &errors)
{
    if (!command.designCheckFile)
        return stored;
    return readOptionsFile(*command.designCheckFile, errors);
}

} // namespace cli
