#include "cli/startinputs.h"

#include "app/model/lastinputfile.h"
#include "common/datafile.h"
#include "options/model/optionsmodel.h"

namespace cli {

namespace {

std::optional<StartInputs> loadSpanFile(const std::string &fileName, std::ostream &notes)
{
    try {
        app::ReadSpan read = app::readSpanFile(fileName);
        if (!read.missingKeys.empty())
            notes << app::missingKeysNote(fileName, read.missingKeys) << '\n';
        return StartInputs{std::move(read.span)};
    } catch (const app::SpanFileError &error) {
        notes << error.what() << '\n';
        return std::nullopt;
    }
}

} // namespace

std::optional<StartInputs> loadStartInputs(const CommandLine &command, std::ostream &notes)
{
    if (command.spanSources.size() == 1)
        return loadSpanFile(command.spanSources.front(), notes);

    StartInputs inputs;
    options::OptionsModel optionsModel(command.optionsFile.value_or(std::string()));
    try {
        if (command.inputFile)
            app::loadNamedLastInputs(inputs.span.window, *command.inputFile);
        if (command.optionsFile)
            optionsModel.loadNamedOptionsFile();
    } catch (const common::DataFileError &error) {
        notes << "输入文件有误: " << error.what() << '\n';
        return std::nullopt;
    }
    inputs.span.options = options::calculationTexts(optionsModel);
    inputs.span.reserved = options::reservedNumbers(optionsModel.snapshot());
    return inputs;
}

} // namespace cli
