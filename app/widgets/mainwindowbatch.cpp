// The main window's 批量计算...: many span files computed at once, on all
// cores, while a progress dialog shows how far the batch is and lets the
// user cancel it; then one summary table and one PDF of every span.
#include "app/widgets/mainwindow.h"

#include "app/run/batchoutputs.h"
#include "app/run/batchpdf.h"
#include "app/run/batchrun.h"
#include "common/messenger.h"
#include "common/widgets/dialogrunner.h"
#include "common/widgets/qtutf8.h"
#include "options/dialog/optionsdialog.h"
#include "report/viewer/resultviewer.h"
#include "report/viewer/viewerdialogs.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QProgressDialog>

#include <atomic>
#include <exception>
#include <thread>

using common::toQString;
using common::toUtf8;

namespace {

const QString workbookFilter = QStringLiteral("Excel 工作簿 (*.xlsx)");
const QString csvFilter = QStringLiteral("CSV 文件 (*.csv)");
const std::string batchCaption = "批量计算";

std::vector<std::filesystem::path> toPaths(const QStringList &files)
{
    std::vector<std::filesystem::path> paths;
    for (const QString &file : files)
        paths.emplace_back(toUtf8(file));
    return paths;
}

} // namespace

void TForm_zcx::FileBatchClick()
{
    if (!settlePendingExitCheck())
        return;
    // A folder stands for its span files in name order, as in tenrix-calc.
    QStringList sources;
    switch (mMessenger.show({"批量计算: 选择若干跨线文件, 还是一个文件夹中的全部跨线文件(*.tenrix)?", batchCaption,
                             common::MessageIcon::Question, common::MessageButtons::FilesFolderCancel})) {
    case common::MessageAnswer::Files:
        sources = chooseFiles(QStringLiteral("批量计算: 选择跨线文件"), QFileDialog::ExistingFiles, false);
        break;
    case common::MessageAnswer::Folder:
        sources = chooseFiles(QStringLiteral("批量计算: 选择文件夹"), QFileDialog::Directory, false);
        break;
    default:
        break;
    }
    if (sources.isEmpty())
        return;
    std::vector<std::filesystem::path> spans;
    try {
        spans = app::batchFiles(toPaths(sources));
    } catch (const app::SpanFileError &error) {
        mMessenger.show({error.what(), batchCaption, common::MessageIcon::Error, common::MessageButtons::Ok});
        return;
    }

    QFileDialog summaryDialog(this, QStringLiteral("批量计算: 汇总表保存为"));
    report::prepareFileDialog(summaryDialog);
    summaryDialog.setAcceptMode(QFileDialog::AcceptSave);
    summaryDialog.setNameFilters({workbookFilter, csvFilter});
    summaryDialog.selectFile(QStringLiteral("汇总.xlsx"));
    if (mDialogs.run(summaryDialog) != QDialog::Accepted || summaryDialog.selectedFiles().isEmpty())
        return;
    const std::string suffix = summaryDialog.selectedNameFilter() == csvFilter ? ".csv" : ".xlsx";
    const app::BatchOutputs outputs = app::batchOutputsFor(toUtf8(summaryDialog.selectedFiles().front()), suffix);

    // Every span brings its own options; the pages take the viewer's colour
    // and the design-check page as the options dialog asks for it now.
    app::BatchSettings settings;
    const bool black = mWindows.viewer != nullptr && mWindows.viewer->CheckBox_print_color->isChecked();
    settings.pages = black ? app::ReportPages::Black : app::ReportPages::Teal;
    settings.designCheckPage = mWindows.options == nullptr || mWindows.options->designCheckOptions().includeCheckPage;
    app::BatchPdf pdf(*outputs.pdf);
    settings.makeFinisher = pdf.finishers();

    QProgressDialog progress(QStringLiteral("正在计算 %1 个跨线...").arg(spans.size()), QStringLiteral("取消"), 0,
                             static_cast<int>(spans.size()), this);
    progress.setWindowTitle(toQString(batchCaption));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    std::atomic<bool> cancel = false;
    connect(&progress, &QProgressDialog::canceled, this, [&cancel] { cancel = true; });

    // The batch runs beside the event loop, which keeps the dialog alive
    // and its 取消 pressable; the worker only posts to the window.
    app::BatchRun run;
    std::exception_ptr failure;
    QEventLoop waiting;
    std::thread worker([&] {
        try {
            run = app::runBatch(
                spans, settings,
                [&progress](std::size_t finished, std::size_t total, const std::filesystem::path &computing) {
                    // Several workers start spans at once: the label names the one started last.
                    const QString label = QStringLiteral("正在计算第 %1/%2 个跨线: %3")
                                              .arg(finished + 1)
                                              .arg(total)
                                              .arg(toQString(computing.filename().string()));
                    QMetaObject::invokeMethod(
                        &progress,
                        [&progress, finished, label, named = !computing.empty()] {
                            if (named)
                                progress.setLabelText(label);
                            progress.setValue(static_cast<int>(finished));
                        },
                        Qt::QueuedConnection);
                },
                cancel);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec();
    worker.join();
    progress.close();
    if (failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception &error) {
            mMessenger.show({error.what(), batchCaption, common::MessageIcon::Error, common::MessageButtons::Ok});
        }
        return;
    }

    const std::vector<app::OutputWriting> writing =
        run.cancelled ? std::vector<app::OutputWriting>{} : app::writeBatchOutputs(outputs, run.spans, pdf);
    const bool complete =
        !run.cancelled && app::allWritten(writing) && app::computedSpanCount(run.spans) == run.spans.size();
    mMessenger.show({app::batchDoneText(run, writing), batchCaption,
                     complete ? common::MessageIcon::Information : common::MessageIcon::Warning,
                     common::MessageButtons::Ok});
}
