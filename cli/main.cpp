// tenrix-calc: the calculation without a window, for batch runs and checks.
#include "cli/checksettings.h"
#include "cli/checksjson.h"
#include "cli/commandline.h"
#include "cli/reportoutput.h"
#include "cli/resultjson.h"
#include "cli/startinputs.h"
#include "cli/streammessenger.h"
#include "cli/summarytable.h"

#include "app/calculationpipeline.h"
#include "report/fonts.h"

#include <QGuiApplication>

#include <fstream>
#include <iostream>
#include <optional>

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

bool writeJson(const std::string &fileName, const app::CalculationRun &run)
{
    nlohmann::ordered_json json = cli::resultToJson(run.result);
    json["checks"] = cli::designChecksToJson(*run.checks, run.checkSettings);
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

    const std::optional<cli::StartInputs> inputs = cli::loadStartInputs(command, std::cerr);
    if (!inputs)
        return inputRefused;
    // The JSON always carries the check; its page only comes when asked for.
    const std::optional<options::DesignCheckOptions> checkOptions = cli::loadDesignCheckOptions(command, std::cerr);
    if (!checkOptions)
        return inputRefused;

    // The report pages are drawn with the program's fonts, which need the application.
    std::optional<QGuiApplication> application;
    app::ReportPages pages = app::ReportPages::None;
    if (command.wantsReport()) {
        qtDefaultHandler = qInstallMessageHandler(dropRuntimeDirNote);
        application.emplace(argc, argv);
        report::installReportFonts();
        pages = command.black ? app::ReportPages::Black : app::ReportPages::Teal;
    }

    cli::StreamMessenger messenger(std::cerr);
    const app::CalculationRun run = app::runCalculationPipeline(
        inputs->window, inputs->options, app::DesignCheckRequest{*checkOptions, command.designCheckPage}, pages,
        messenger);
    if (run.outcome == app::RunOutcome::Refused)
        return inputRefused;
    if (run.outcome == app::RunOutcome::Failed) {
        std::cerr << "计算出错: " << run.failure << '\n';
        return calculationFailed;
    }

    if (command.wantsReport()) {
        try {
            if (!cli::writeReportOutputs(command, run.pages, std::cerr))
                return calculationFailed;
        } catch (const std::exception &e) {
            std::cerr << "计算出错: " << e.what() << '\n';
            return calculationFailed;
        }
    }
    if (command.jsonFile) {
        if (!writeJson(*command.jsonFile, run)) {
            std::cerr << "tenrix-calc: 无法写入文件 " << *command.jsonFile << '\n';
            return calculationFailed;
        }
    }
    if (!command.jsonFile || *command.jsonFile != "-")
        cli::printSummary(std::cout, run.input, run.result);
    return success;
}
