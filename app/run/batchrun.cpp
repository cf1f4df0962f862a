#include "app/run/batchrun.h"

#include "app/run/batchsummary.h"
#include "common/checkmessages.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace app {

namespace {

/// Keeps what the checks of one span would have shown, "caption: text" each;
/// a message whose caption names no check (the program's name) is its text alone.
class CollectingMessenger : public common::Messenger
{
public:
    common::MessageAnswer show(const common::Message &message) override
    {
        if (!mText.empty())
            mText += "; ";
        if (message.caption != common::applicationTitle)
            mText += message.caption + ": ";
        mText += message.text;
        return common::MessageAnswer::Ok;
    }
    const std::string &text() const { return mText; }

private:
    std::string mText;
};

void computeSpan(SpanOutcome &outcome, const BatchSettings &settings)
{
    ReadSpan read;
    try {
        read = readSpanFile(outcome.file);
    } catch (const SpanFileError &error) {
        outcome.status = SpanStatus::Refused;
        outcome.message = error.what();
        return;
    }
    outcome.missingKeysNote = missingKeysNote(outcome.file.string(), read.missingKeys);
    outcome.span = std::make_unique<SpanFile>(std::move(read.span));

    const SpanFile &span = *outcome.span;
    // Named by the file's key, as a damaged file is; the checks of the
    // pipeline would name only the field.
    if (std::string unreadable = unreadableNumberMessage(span, outcome.file.string()); !unreadable.empty()) {
        outcome.status = SpanStatus::Refused;
        outcome.message = std::move(unreadable);
        return;
    }
    // The page follows the span's own switch unless the batch asks for it for every span.
    const DesignCheckRequest checks{settings.designCheck.value_or(span.designCheck),
                                    settings.designCheckPage || span.designCheck.includeCheckPage};
    CollectingMessenger messenger;
    outcome.run = std::make_unique<CalculationRun>(
        runCalculationPipeline(span.window, span.options, checks, settings.pages, UnusualValues::Compute, messenger,
                               FrontMatter::Omitted, span.shortCircuit, span.clearances));
    switch (outcome.run->outcome) {
    case RunOutcome::Done:
        outcome.status = SpanStatus::Computed;
        return;
    case RunOutcome::Refused:
        outcome.status = SpanStatus::Refused;
        outcome.message = messenger.text();
        return;
    case RunOutcome::Failed:
        outcome.status = SpanStatus::Failed;
        outcome.message = "计算出错: " + outcome.run->failure;
        return;
    }
}

/**
 * A batch may have tens of thousands of spans: once its figures are taken
 * and its pages are finished, a span keeps only what the tables and the
 * messages need (its columns and warnings), not the span, its inputs,
 * results or check.
 */
void keepWhatTheTablesNeed(SpanOutcome &outcome)
{
    if (outcome.status == SpanStatus::Computed)
        outcome.warnings = std::move(outcome.run->warnings);
    outcome.run.reset();
    outcome.spanColumns = PackedRows({spanColumns(outcome)});
    outcome.span.reset();
}

// By the name alone: an entry of that name that is no span file (a loop, a
// dangling link, a FIFO, a folder) gets its row and its reason when it is
// read, instead of vanishing from the count.
bool isSpanFile(const std::filesystem::directory_entry &entry)
{
    return entry.path().extension() == spanFileExtension;
}

std::vector<std::filesystem::path> spanFilesIn(const std::filesystem::path &folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (isSpanFile(*entry))
            files.push_back(entry->path());
    }
    if (error)
        throw SpanFileError("无法读取文件夹 " + folder.string() + ".");
    if (files.empty())
        throw SpanFileError("文件夹 " + folder.string() + " 中没有跨线文件(*" + spanFileExtension + ").");
    std::sort(files.begin(), files.end(),
              [](const auto &a, const auto &b) { return a.filename().string() < b.filename().string(); });
    return files;
}

} // namespace

std::vector<std::filesystem::path> batchFiles(const std::vector<std::filesystem::path> &sources)
{
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::path &source : sources) {
        std::error_code error;
        if (std::filesystem::is_directory(source, error)) {
            const std::vector<std::filesystem::path> inFolder = spanFilesIn(source);
            files.insert(files.end(), inFolder.begin(), inFolder.end());
        } else {
            files.push_back(source);
        }
    }
    return files;
}

BatchRun runBatch(const std::vector<std::filesystem::path> &files, const BatchSettings &settings,
                  const BatchProgress &progress, const std::atomic<bool> &cancel)
{
    BatchRun batch;
    batch.spans.resize(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        batch.spans[i].file = files[i];

    std::atomic<std::size_t> next = 0;
    std::size_t finished = 0;
    std::mutex progressMutex;
    const auto work = [&] {
        const std::unique_ptr<SpanFinisher> finisher = settings.makeFinisher ? settings.makeFinisher() : nullptr;
        for (std::size_t i = next++; i < files.size() && !cancel; i = next++) {
            SpanOutcome &outcome = batch.spans[i];
            if (progress) {
                const std::lock_guard lock(progressMutex);
                progress(finished, files.size(), files[i]);
            }
            try {
                computeSpan(outcome, settings);
                if (outcome.status == SpanStatus::Computed) {
                    const SpanFigures figures = spanFigures(*outcome.run);
                    outcome.figures = {PackedRows({figures.summary}), PackedRows(figures.pageOne)};
                    if (finisher)
                        finisher->finish(outcome, i);
                }
            } catch (const std::exception &error) {
                outcome.status = SpanStatus::Failed;
                outcome.message = std::string("计算出错: ") + error.what();
            }
            keepWhatTheTablesNeed(outcome);
            const std::lock_guard lock(progressMutex);
            if (++finished == files.size() && progress)
                progress(finished, files.size(), {});
        }
        if (finisher)
            finisher->close();
    };

    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t workerCount = std::min(cores, files.size());
    std::vector<std::jthread> workers;
    try {
        for (std::size_t w = 1; w < workerCount; ++w)
            workers.emplace_back(work);
    } catch (const std::system_error &) {
        // No more threads to be had: the ones started and this one do the work.
    }
    work();
    workers.clear();
    batch.cancelled = cancel && finished < files.size();
    return batch;
}

std::size_t computedSpanCount(const std::vector<SpanOutcome> &spans)
{
    return static_cast<std::size_t>(std::count_if(spans.begin(), spans.end(), [](const SpanOutcome &span) {
        return span.status == SpanStatus::Computed;
    }));
}

} // namespace app
