// tenrix-calc: the calculation without a window, for batch runs and checks.
#include "app/run/calculationpipeline.h"
#include "cli/batchcommand.h"
#include "cli/checksettings.h"
#include "cli/checksjson.h"
#include "cli/clearancesjson.h"
#include "cli/commandline.h"
#include "cli/commandoutputs.h"
#include "cli/exitcodes.h"
#include "cli/outputtargets.h"
#include "cli/reportapplication.h"
#include "cli/reportoutput.h"
#include "cli/resultjson.h"
#include "cli/savespan.h"
#include "cli/shortcircuitjson.h"
#include "cli/startinputs.h"
#include "cli/streammessenger.h"
#include "cli/summarytable.h"
#include "common/terminationcleanup.h"

#include <iostream>
#include <optional>
#include <sstream>

using namespace cli;

namespace {

std::string jsonText(const app::CalculationRun &run, const app::MainWindowModel &window,
                     const options::DesignCheckOptions &checkOptions)
{
    cli::LeadTicks ticked{};
    for (int lead = 0; lead < engine::leadCount; ++lead)
        ticked[lead] = window.isTicked(static_cast<app::PresenceBox>(lead));
    cli::Json json = {
        {"format", {{"name", cli::resultFormatName}, {"version", cli::resultFormatVersion}}},
        {"program", {{"name", "tenrix-calc"}, {"version", TENRIX_VERSION}}},
    };
    json.update(cli::resultToJson(run.input, run.result, ticked));
    json["checks"] = cli::designChecksToJson(
        *run.checks, run.checkSettings, app::strengthSources(checkOptions, run.input, app::composedRatings(window)));
    json["governing"] = cli::governingToJson(engine::governingStates(run.result, *run.checks));
    if (run.shortCircuit)
        json["shortCircuit"] = cli::shortCircuitToJson(*run.shortCircuit);
    if (run.clearances)
        json["clearances"] = cli::clearancesToJson(*run.clearances);
    json["warnings"] = run.warnings;
    return json.dump(2) + "\n";
}

} // namespace

int main(int argc, char *argv[])
{
    // First, before the application or a batch starts threads of its own.
    common::removeTemporariesOnTermination();
    cli::CommandLine command;
    try {
        command = cli::parseCommandLine({argv + 1, argv + argc});
    } catch (const cli::UsageError &e) {
        std::cerr << "tenrix-calc: " << e.message << "\n\n" << cli::usageText();
        return badArguments;
    }
    if (command.help)
        return cli::printChecked(cli::usageText(), std::cerr) ? success : outputNotWritten;
    if (command.version)
        return cli::printChecked(std::string("tenrix-calc ") + TENRIX_VERSION + "\n", std::cerr) ? success
                                                                                                 : outputNotWritten;
    if (cli::isBatch(command))
        return cli::runBatchCommand(command, argc, argv);

    const std::optional<cli::StartInputs> inputs = cli::loadStartInputs(command, std::cerr);
    if (!inputs)
        return inputRefused;
    // The JSON always carries the check; its page only comes when asked for.
    const std::optional<options::DesignCheckOptions> checkOptions =
        cli::loadDesignCheckOptions(command, inputs->span.designCheck, std::cerr);
    if (!checkOptions)
        return inputRefused;
    // A missing or read-only folder is told before any work is done.
    if (!cli::checkOutputTargets(command, std::cerr))
        return outputNotWritten;
    // Every output of the command is staged and put in place together at the end.
    cli::CommandOutputs outputs(std::cerr);
    if (command.saveSpanFile) {
        app::SpanFile span = inputs->span;
        span.designCheck = *checkOptions;
        cli::stageSpanFile(*command.saveSpanFile, span, outputs);
        if (!command.wantsResultFile())
            return outputs.commit() ? success : outputNotWritten;
    }

    // The report pages are drawn with the program's fonts, which need the application.
    std::unique_ptr<QGuiApplication> application;
    app::ReportPages pages = app::ReportPages::None;
    if (command.wantsReport()) {
        application = cli::startReportApplication(argc, argv);
        pages = command.black ? app::ReportPages::Black : app::ReportPages::Teal;
    }

    // A span file names the key of a text the calculation cannot read; the
    // checks below would name only the field.
    if (command.spanSources.size() == 1) {
        const std::string unreadable = app::unreadableNumberMessage(inputs->span, command.spanSources.front());
        if (!unreadable.empty()) {
            std::cerr << unreadable << '\n';
            return inputRefused;
        }
    }

    // A span file's own "输出设计校核页" holds; the last-input and options
    // files know no such switch, so that road gives page 18 only when asked.
    const bool spanAsksForCheckPage = command.spanSources.size() == 1 && inputs->span.designCheck.includeCheckPage;
    cli::StreamMessenger messenger(std::cerr);
    const app::CalculationRun run =
        app::runCalculationPipeline(inputs->span.window, inputs->span.options,
                                    app::DesignCheckRequest{*checkOptions, command.designCheckPage || spanAsksForCheckPage},
                                    pages, app::UnusualValues::Compute, messenger, app::FrontMatter::Included,
                                    inputs->span.shortCircuit, inputs->span.clearances);
    for (const std::string &warning : run.warnings)
        std::cerr << "警告: " << warning << '\n';
    if (run.outcome == app::RunOutcome::Refused)
        return inputRefused;
    if (run.outcome == app::RunOutcome::Failed) {
        std::cerr << "计算出错: " << run.failure << '\n';
        return calculationFailed;
    }

    if (command.wantsReport()) {
        try {
            cli::stageReportOutputs(command, run.pages, inputs->span.window.text(app::EditBox::Edit_bt), outputs);
        } catch (const std::exception &e) {
            std::cerr << "计算出错: " << e.what() << '\n';
            return calculationFailed;
        }
    }
    if (command.jsonFile)
        outputs.add(*command.jsonFile, jsonText(run, inputs->span.window, *checkOptions));
    if (!command.writesToStandardOutput()) {
        std::ostringstream summary;
        cli::printSummary(summary, run.input, run.result);
        outputs.add(std::string(cli::standardOutputName), summary.str());
    }
    return outputs.commit() ? success : outputNotWritten;
}
