#include "cli/checkedinput.h"

#include "app/calculationinputassembly.h"
#include "app/inputchecks.h"
#include "app/lastinputfile.h"
#include "app/mainwindowmodel.h"
#include "app/plausibilitycheck.h"
#include "options/optionsmodel.h"
#include "options/optionstexts.h"
#include "options/readfile.h"


namespace cli {

app::MessageAnswer StreamMessenger::show(const app::Message &message)
{
    mOut << message.caption << ": " << message.text << '\n';
    return app::MessageAnswer::Ok;
}

std::optional<engine::CalculationInput> loadCheckedInput(const CommandLine &command, app::Messenger &messenger,
                                                         std::ostream &notes)
{
    // A file named on the command line is the user's input: one that cannot
    // be read whole is refused, never replaced by the defaults.
    app::MainWindowModel window;
    options::OptionsModel optionsModel(command.optionsFile.value_or(std::string()));
    try {
        if (command.inputFile)
            app::loadNamedLastInputs(window, *command.inputFile);
        if (command.optionsFile)
            optionsModel.loadNamedOptionsFile();
    } catch (const options::DataFileError &error) {
        notes << "输入文件有误: " << error.what() << '\n';
        return std::nullopt;
    }

    if (!app::checkLoadTable(window, messenger))
        return std::nullopt;
    engine::CalculationInput input = app::assembleCalculationInput(window, options::calculationTexts(optionsModel));
    if (!app::checkPlausibility(input, window, messenger))
        return std::nullopt;
    return input;
}

} // namespace cli
