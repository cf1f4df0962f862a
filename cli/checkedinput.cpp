#include "cli/checkedinput.h"

#include "app/calculationinputassembly.h"
#include "app/inputchecks.h"
#include "app/lastinputfile.h"
#include "app/mainwindowmodel.h"
#include "app/plausibilitycheck.h"
#include "options/optionsmodel.h"
#include "options/optionstexts.h"

#include <filesystem>

namespace cli {

common::MessageAnswer StreamMessenger::show(const common::Message &message)
{
    mOut << message.caption << ": " << message.text << '\n';
    return common::MessageAnswer::Ok;
}

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

std::optional<engine::CalculationInput> loadCheckedInput(const CommandLine &command, common::Messenger &messenger,
                                                         std::ostream &notes)
{
    app::MainWindowModel window;
    if (command.inputFile && fileExists(*command.inputFile, notes))
        app::loadLastInputs(window, *command.inputFile);

    // Without a file the options keep their built-in settings; the model only
    // reads a file that exists.
    const std::string optionsFile =
        command.optionsFile && fileExists(*command.optionsFile, notes) ? *command.optionsFile : std::string();
    options::OptionsModel optionsModel(optionsFile);
    if (!optionsFile.empty())
        optionsModel.startUp();

    if (!app::checkLoadTable(window, messenger))
        return std::nullopt;
    engine::CalculationInput input = app::assembleCalculationInput(window, options::calculationTexts(optionsModel));
    if (!app::checkPlausibility(input, window, messenger))
        return std::nullopt;
    return input;
}

} // namespace cli
