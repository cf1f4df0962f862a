#include "cli/checksettings.h"

#include "app/designchecksettings.h"

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
        return options::designCheckOptionsFromJson(nlohmann::json::parse(text.str()));
    } catch (const nlohmann::json::parse_error &e) {
        errors << "设计校核设置文件 " << fileName << " 不是有效的JSON: " << e.what() << '\n';
    } catch (const std::invalid_argument &e) {
        errors << "设计校核设置文件 " << fileName << ": " << e.what() << '\n';
    }
    return std::nullopt;
}

} // namespace

std::optional<engine::DesignCheckSettings> loadDesignCheckSettings(const CommandLine &command,
                                                                   const engine::CalculationInput &input,
                                                                   std::ostream &errors)
{
    options::DesignCheckOptions options;
    if (command.designCheckFile) {
        const std::optional<options::DesignCheckOptions> read = readOptionsFile(*command.designCheckFile, errors);
        if (!read)
            return std::nullopt;
        options = *read;
    }
    try {
        return app::designCheckSettings(options, input);
    } catch (const std::invalid_argument &e) {
        errors << (command.designCheckFile ? "设计校核设置文件 " + *command.designCheckFile + ": " : std::string())
               << e.what() << '\n';
        return std::nullopt;
    }
}

} // namespace cli
