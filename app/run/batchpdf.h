#pragma once

#include "app/run/batchrun.h"
#include "common/bookdata.h"

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

namespace report {
struct OutlineEntry;
} // namespace report

namespace app {

class PdfJoin;

/**
 * The reports of a batch joined into one PDF. Its finishers (for
 * BatchSettings::makeFinisher) paint the pages of each worker's computed
 * spans into documents of a hundred spans each, so that pages are painted on
 * all cores and a document embeds its fonts once, and drop the pages. The
 * documents go to disk as they are painted, into a scratch folder beside the
 * target (in the temporary folder for standard output or a device), and
 * write() joins every computed span's pages in input order into one file,
 * object by object (PdfJoin), so that the memory a batch takes does not grow
 * with its spans. The scratch folder goes with the object, or with the
 * program on a termination signal.
 */
class BatchPdf
{
public:
    /// \a target: the file the PDF will be written to, "-" for standard output.
    explicit BatchPdf(const std::filesystem::path &target);
    ~BatchPdf();
    BatchPdf(const BatchPdf &) = delete;
    BatchPdf &operator=(const BatchPdf &) = delete;

    /// The finishers of a batch whose pages go into this PDF; they must not outlive it.
    std::function<std::unique_ptr<SpanFinisher>()> finishers();

    /**
     * Writes the computed \a spans of the batch run with finishers() into
     * one PDF at \a path, each span starting on a new sheet. Its outline,
     * shown when the file opens, has one entry per span (the span name and
     * its file) and below it one per page ("第2页 各种工况下的荷载计算表").
     * When a span carries book data the PDF opens with one cover, from the
     * first such span, and one contents listing every span at its first page.
     * An old file is replaced only once the new one is complete.
     *
     * @throws std::runtime_error when no span was computed or a document
     *         could not be made or joined, common::FileWriteError when the file
     *         cannot be written; \a path is then unchanged
     */
    void write(const std::filesystem::path &path, const std::vector<SpanOutcome> &spans) const;

    /// The same PDF written into \a descriptor, which stands for \a file in messages.
    void write(int descriptor, const std::filesystem::path &file, const std::vector<SpanOutcome> &spans) const;

private:
    class Share;

    /// Where a span's pages lie: in which worker's document, from which sheet.
    struct Placement
    {
        std::size_t share = 0;
        int firstSheet = 0;
        int sheetCount = 0;
        /// The title of each page; shared, since a batch's pages have a few dozen titles.
        std::vector<const std::string *> titles;
    };

    /// A span's pages as a worker wrote them, before its document is finished.
    struct WrittenSpan
    {
        std::size_t index = 0;
        Placement placement;
        std::vector<std::string> titles;
        common::BookData book;
    };

    /// A worker's document, or the error number of the write that failed it.
    struct ShareFile
    {
        std::filesystem::path path;
        int writeError = 0;
    };

    /// The cover and contents of the batch's book, joined before its spans.
    void addFrontMatter(PdfJoin &joined, const std::vector<SpanOutcome> &spans,
                        std::vector<report::OutlineEntry> &outline) const;

    /// A new document file for a worker, in the scratch folder.
    std::filesystem::path newShareFile();
    /// A worker's finished document and its spans by batch index.
    void addShare(const ShareFile &share, const std::vector<WrittenSpan> &spans);

    std::filesystem::path mTarget;
    mutable std::mutex mMutex;
    std::filesystem::path mScratch;
    std::size_t mShareFiles = 0;
    std::vector<ShareFile> mShares;
    std::map<std::size_t, Placement> mPlacements;
    std::set<std::string> mTitles;
    /// The book data of the first span that has any, by batch index: the batch's cover.
    std::optional<std::pair<std::size_t, common::BookData>> mBook;
    int mWriteError = 0; ///< of the first document that could not be written, else 0
};

} // namespace app
