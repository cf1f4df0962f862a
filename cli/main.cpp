// tenrix-calc: the calculation without a window, for batch runs and checks.
#include "cli/checkedinput.h"
#include "cli/checksettings.h"
#include "cli/checksjson.h"
#include "cli/commandline.h"
#include "cli/reportoutput.h"
#include "cli/resultjson.h"
#include "cli/summarytable.h"

#include "engine/calculation.h"
#include "engine/calculationerror.h"
#include "engine/designchecks.h"
#include "report/fonts.h"

#include <QGuiApplication>

#include <fstream>
#include <iostream>

namespace {

enum ExitCode { success = 0, badArguments = 2, calculationFailed = 3, inputRefused = 4 };

QtMessageHandler qtDefaultHandler = nullptr;

// On a headless machine Qt notes that XDG_RUNTIME_DIR is unset. The report
// never uses that folder, and in a batch log the note reads like a failure.
void dropRuntimeDirNote(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    qtDefaultHandler(type, context, message);
}

bool writeJson(const std::string &fileName, const engine::CalculationResult &result,
               const report::DesignCheckPage &designCheck)
{
    nlohmann::ordered_json json = cli::resultToJson(result);
    json["checks"] = cli::designChecksToJson(designCheck.checks, designCheck.settings);
    const std::string text = json.dump(2) + "\n";
    if (fileName == "-") {
        std::cout << text;
        return bool(std::cout);
    }
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file << text;
    return bool(file.flush());
}

} // namespace

int main(int argc, char *argv[])
{
    // The report pages need fonts and painting, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    cli::CommandLine command;
    try {
        command = cli::parseCommandLine({argv + 1, argv + argc});
    } catch (const cli::UsageError &e) {
        std::cerr << "tenrix-calc: " << e.message << "\n\n" << cli::usageText();
        return badArguments;
    }
    if (command.help) {
        std::cout << cli::usageText();
        return success;
    }

    cli::StreamMessenger messenger(std::cerr);
    const auto checkedInput = cli::loadCheckedInput(command, messenger, std::cerr);
    if (!checkedInput)
        return inputRefused;
    const engine::CalculationInput &input = *checkedInput;

    const std::optional<engine::DesignCheckSettings> checkSettings =
        cli::loadDesignCheckSettings(command, input, std::cerr);
    if (!checkSettings)
        return inputRefused;

    engine::CalculationResult result;
    report::DesignCheckPage designCheck;
    try {
        result = engine::runCalculation(input);
        designCheck = {engine::checkDesign(result, *checkSettings), *checkSettings};
    } catch (const std::exception &e) {
        std::cerr << "计算出错: " << e.what() << '\n';
        return calculationFailed;
    }

    if (command.wantsReport()) {
        qtDefaultHandler = qInstallMessageHandler(dropRuntimeDirNote);
        QGuiApplication application(argc, argv);
        report::installReportFonts();
        try {
            const std::optional<report::DesignCheckPage> page =
                command.designCheckPage ? std::optional(designCheck) : std::nullopt;
            if (!cli::writeReportOutputs(command, input, result, page, std::cerr))
                return calculationFailed;
        } catch (const std::exception &e) {
            std::cerr << "计算出错: " << e.what() << '\n';
            return calculationFailed;
        }
    }
    if (command.jsonFile) {
        if (!writeJson(*command.jsonFile, result, designCheck)) {
            std::cerr << "tenrix-calc: 无法写入文件 " << *command.jsonFile << '\n';
            return calculationFailed;
        }
    }
    if (!command.jsonFile || *command.jsonFile != "-")
        cli::printSummary(std::cout, input, result);
    return success;
}
