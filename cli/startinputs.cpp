#include "cli/startinputs.h"

#include "app/lastinputfile.h"
#include "options/optionsmodel.h"
#include "options/readfile.h"

namespace cli {

std::optional<StartInputs> loadStartInputs(const CommandLine &command, std::ostream &notes)
{
    StartInputs inputs;
    options::OptionsModel optionsModel(command.optionsFile.value_or(std::string()));
    try {
        if (command.inputFile)
            app::loadNamedLastInputs(inputs.window, *command.inputFile);
        if (command.optionsFile)
            optionsModel.loadNamedOptionsFile();
    } catch (const options::DataFileError &error) {
        notes << "输入文件有误: " << error.what() << '\n';
        return std::nullopt;
    }
    inputs.options = options::calculationTexts(optionsModel);
    return inputs;
}

} // namespace cli
