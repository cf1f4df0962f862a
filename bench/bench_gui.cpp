// Speed of the desktop program as the user feels it: from start to the main
// window on screen, and from a click on "计算" to the viewer showing page 1.
// Runs on the offscreen platform in a temporary current directory, so no
// user file is read or written.
#include "app/widgets/programwindows.h"
#include "common/messenger.h"
#include "common/widgets/applicationfont.h"
#include "common/widgets/dialogrunner.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

/// Answers every message at once; a benchmark run shows none.
class SilentMessenger final : public common::Messenger
{
public:
    common::MessageAnswer show(const common::Message &) override { return common::MessageAnswer::Ok; }
};

/// Cancels every dialog without a modal loop.
class CancellingDialogRunner final : public common::DialogRunner
{
public:
    int run(QDialog &dialog) override
    {
        dialog.reject();
        return dialog.result();
    }
};

void startUpToMainWindowShown(benchmark::State &state)
{
    SilentMessenger messenger;
    CancellingDialogRunner dialogs;
    for (auto _ : state) {
        auto windows = std::make_unique<app::ProgramWindows>(messenger, dialogs);
        windows->Form_zcx.show();
        QApplication::processEvents();
        state.PauseTiming();
        windows.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(startUpToMainWindowShown)->Unit(benchmark::kMillisecond);

void calculateClickToViewerShown(benchmark::State &state)
{
    SilentMessenger messenger;
    CancellingDialogRunner dialogs;
    app::ProgramWindows windows(messenger, dialogs);
    windows.Form_zcx.show();
    for (auto _ : state) {
        windows.Form_zcx.Button_jsClick();
        QApplication::processEvents();
        if (!windows.Form_print.isVisible()) {
            state.SkipWithError("the calculation did not show the viewer");
            break;
        }
        state.PauseTiming();
        windows.Form_print.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(calculateClickToViewerShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    common::installApplicationFonts();

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
