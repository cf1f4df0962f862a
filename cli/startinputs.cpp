#include "cli/startinputs.h"

#include "app/lastinputfile.h"
#include "options/optionsmodel.h"

#include <filesystem>

namespace cli {

namespace {

bool fileExists(const std::string &path, std::ostream &notes)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error))
        return true;
    notes << "未找到文件 " << path << ", 使用程序默认值.\n";
    return false;
}

} // namespace

StartInputs loadStartInputs(const CommandLine &command, std::ostream &notes)
{
    StartInputs inputs;
    if (command.inputFile && fileExists(*command.inputFile, notes))
        app::loadLastInputs(inputs.window, *command.inputFile);

    // Without a file the options keep their built-in settings; the model only
    // reads a file that exists.
    const std::string optionsFile =
        command.optionsFile && fileExists(*command.optionsFile, notes) ? *command.optionsFile : std::string();
    options::OptionsModel optionsModel(optionsFile);
    if (!optionsFile.empty())
        optionsModel.startUp();
    inputs.options = options::calculationTexts(optionsModel);
    return inputs;
}

} // namespace cli
