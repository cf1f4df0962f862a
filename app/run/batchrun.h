#pragma once

#include "app/model/spanfile.h"
#include "app/run/batchfigures.h"
#include "app/run/calculationpipeline.h"
#include "app/run/packedrows.h"
#include "options/model/designcheckoptions.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace app {

/// How one span of a batch ended.
enum class SpanStatus {
    Computed, ///< read and calculated
    Refused,  ///< the file could not be read, or an input check refused it
    Failed,   ///< the calculation or its pages failed
};

/// What a batch gives for one span file.
struct SpanOutcome
{
    std::filesystem::path file;
    SpanStatus status = SpanStatus::Refused;
    /// Refused or Failed: why, in the words of the step that stopped it.
    std::string message;
    /// The keys the file lacked, which took the defaults; empty when none.
    std::string missingKeysNote;
    /// The span as read; absent when the file could not be read, and let go
    /// once its columns are taken. Held apart, as the run is: a span holds
    /// some ten kB, a batch tens of thousands of outcomes.
    std::unique_ptr<SpanFile> span;
    /// Computed: the span's own columns of the summary (spanColumns()).
    PackedRows spanColumns;
    /// The run while the span is computed, with its pages when they were
    /// asked for; let go once the figures are taken and the finisher has
    /// had the pages, since a batch may have tens of thousands of spans.
    std::unique_ptr<CalculationRun> run;
    /// Computed: the unusual values it was computed with, one line each.
    std::vector<std::string> warnings;
    /// Computed: its figures in the batch tables.
    PackedFigures figures;
};

/**
 * What a worker makes of the spans it computed, such as one document of
 * their pages: made on the worker thread before its first span, given each
 * of its computed spans in turn, closed and destroyed on that thread after
 * its last, so that one worker's spans can share what they need (the fonts
 * of a document).
 */
class SpanFinisher
{
public:
    virtual ~SpanFinisher() = default;
    /// Span \a index of the batch was computed; may take the pages out of its run.
    virtual void finish(SpanOutcome &span, std::size_t index) = 0;
    /// The worker's last span is done.
    virtual void close() = 0;
};

/// How a batch computes its spans.
struct BatchSettings
{
    ReportPages pages = ReportPages::None;
    /// The design check's page after the 17 of every span; without, each span's own switch decides.
    bool designCheckPage = false;
    /// Strengths and factors for every span instead of each span's own.
    std::optional<options::DesignCheckOptions> designCheck;
    /**
     * Makes each worker's finisher, so that what is made of the pages is
     * made in parallel too. What a finisher's finish() throws makes that
     * span Failed, with what() as its message.
     */
    std::function<std::unique_ptr<SpanFinisher>()> makeFinisher;
};

/**
 * Called as each span is started, with the number of spans finished so far
 * and the file being computed, and once more when all are finished, with
 * \a computing empty; serialised, from any thread.
 */
using BatchProgress =
    std::function<void(std::size_t finished, std::size_t total, const std::filesystem::path &computing)>;

struct BatchRun
{
    /// One per file, in the order of the files; spans not started before a
    /// cancellation keep status Refused with an empty message.
    std::vector<SpanOutcome> spans;
    bool cancelled = false;
};

/// How many of \a spans were computed.
std::size_t computedSpanCount(const std::vector<SpanOutcome> &spans);

/**
 * The span files of \a sources in the order given, each folder standing for
 * its entries named *.tenrix in name order, whatever they are, so that one
 * which is no file is refused in its turn with its reason. A source that is
 * not a folder is taken as a file, so a missing one is refused in its turn
 * like a damaged one.
 *
 * @throws SpanFileError for a folder that holds no span file or cannot be read
 */
std::vector<std::filesystem::path> batchFiles(const std::vector<std::filesystem::path> &sources);

/**
 * Reads and computes every span of \a files on all cores: each span goes
 * through the same pipeline as one computed in the window, its checks'
 * messages becoming its outcome's message. A span that is refused or fails
 * does not stop the others. When \a cancel becomes true no further span is
 * started and the run says it was cancelled. The pages need a
 * QGuiApplication.
 */
BatchRun runBatch(const std::vector<std::filesystem::path> &files, const BatchSettings &settings,
                  const BatchProgress &progress, const std::atomic<bool> &cancel);

} // namespace app
