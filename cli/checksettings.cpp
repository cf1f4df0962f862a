#include "cli/checksettings.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace cli {

namespace {

std::optional<options::DesignCheckOptions> readOptionsFile(const std::string &fileName, std::ostream &errors)
{
    std::ifstream file(fileName, std::ios::binary);
    std::ostringstream text;
    if (!file || !(text << file.rdbuf())) {
        errors << "无法读取设计校核设置文件 " << fileName << '\n';
        return std::nullopt;
    }
    try {
        options::DesignCheckOptions read = options::designCheckOptionsFromJson(nlohmann::json::parse(text.str()));
        if (const auto bad = options::firstBadDesignCheckField(read)) {
            errors << "设计校核设置文件 " << fileName << ": " << options::badDesignCheckFieldMessage(*bad) << '\n';
            return std::nullopt;
        }
        return read;
    } catch (const nlohmann::json::parse_error &e) {
        errors << "设计校核设置文件 " << fileName << " 不是有效的JSON: " << e.what() << '\n';
    } catch (const std::invalid_argument &e) {
        errors << "设计校核设置文件 " << fileName << ": " << e.what() << '\n';
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
