#include "app/run/batchpdf.h"

#include "app/run/batchsummary.h"
#include "app/run/pdfjoin.h"
#include "app/run/windowedfilesource.h"
#include "common/filedescriptor.h"
#include "common/replacefile.h"
#include "common/terminationcleanup.h"
#include "report/reportbuilder.h"
#include "report/pdfoutline.h"
#include "report/pdfpagewriter.h"
#include "report/reportpage.h"

#include <QBuffer>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace app {

namespace {

namespace fs = std::filesystem;

std::string spanOutlineTitle(const SpanOutcome &span)
{
    return spanName(span) + " (" + span.file.filename().string() + ")";
}

/// Beside a file target, so that the documents are on its disk; in the temporary folder for anything else.
fs::path scratchParent(const fs::path &target)
{
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (target.empty() || target == "-" || (fs::exists(status) && !fs::is_regular_file(status)))
        return fs::temp_directory_path();
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

/// A FILE of \a descriptor that qpdf writes to and closes, leaving the descriptor open.
FILE *fileOf(int descriptor, const fs::path &file)
{
    const int copy = ::dup(descriptor);
    FILE *stream = copy < 0 ? nullptr : ::fdopen(copy, "wb");
    if (stream == nullptr) {
        const int cause = errno;
        if (copy >= 0)
            ::close(copy);
        throw common::FileWriteError(file, cause);
    }
    return stream;
}

/// A worker's document as the join reads it, opened at its first page read and closed by the join after its last.
class OpenShare
{
public:
    QPDFObjectHandle page(const fs::path &file, int sheet)
    {
        if (!mPdf) {
            mPdf = std::make_unique<QPDF>();
            mPdf->processInputSource(std::make_shared<WindowedFileSource>(file));
            // The page tree as report::PdfPageWriter writes it: one list of every page.
            mKids = mPdf->getRoot().getKey("/Pages").getKey("/Kids");
        }
        return mKids.getArrayItem(sheet);
    }

    /// qpdf keeps every object it has read until the document goes.
    void close()
    {
        mKids = QPDFObjectHandle();
        mPdf.reset();
    }

private:
    std::unique_ptr<QPDF> mPdf;
    QPDFObjectHandle mKids;
};

} // namespace

/// One worker's document: the pages of its spans, one after the other, painted into a file.
class BatchPdf::Share final : public SpanFinisher
{
public:
    explicit Share(BatchPdf &pdf)
        : mPdf(pdf)
    {}

    // A document that cannot be written (a full disk) fails the PDF, with
    // its cause, not the spans: they were computed, and the summaries hold them.
    void finish(SpanOutcome &span, std::size_t index) override
    {
        if (mPlacements.size() == spansPerDocument)
            close();
        if (!mWriter && mShare.writeError == 0)
            start();
        if (mShare.writeError == 0) {
            WrittenSpan written;
            written.index = index;
            written.placement.firstSheet = mWriter->sheetCount();
            for (const report::ReportPage &page : span.run->pages) {
                if (!mWriter->addPage(page)) {
                    mShare.writeError = EIO;
                    break;
                }
                written.titles.push_back(page.title().toStdString());
            }
            written.placement.sheetCount = mWriter->sheetCount() - written.placement.firstSheet;
            if (span.span)
                written.book = span.span->window.book();
            mPlacements.push_back(std::move(written));
        }
        span.run->pages = {};
    }

    void close() override
    {
        if (mWriter) {
            const bool complete = mWriter->finish();
            mWriter.reset();
            if (mShare.writeError == 0 && !complete)
                mShare.writeError = EIO;
            if (mShare.writeError == 0)
                writeShare();
            mBuffer.close();
            mBuffer.setData(QByteArray());
        }
        if (!mShare.path.empty() || mShare.writeError != 0)
            mPdf.addShare(mShare, mPlacements);
        mShare.path.clear();
        mPlacements.clear();
    }

private:
    /**
     * A worker starts a new document after this many spans: the join reads
     * one document at a time and qpdf keeps all it has read of it (some 8 kB
     * a page), while each document embeds its fonts once more.
     */
    static constexpr std::size_t spansPerDocument = 100;

    void start()
    {
        try {
            mShare.path = mPdf.newShareFile();
        } catch (const common::FileWriteError &error) {
            mShare.writeError = error.code().value();
            return;
        }
        // Written in memory, a hundred spans at a time, and to the file whole:
        // a document is written in many small pieces, which a file takes slowly.
        mBuffer.open(QIODevice::WriteOnly);
        mWriter = std::make_unique<report::PdfPageWriter>(mBuffer, std::string());
    }

    void writeShare()
    {
        try {
            common::FileDescriptor file(
                ::open(mShare.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR));
            if (file.get() < 0)
                throw common::FileWriteError(mShare.path, errno);
            const QByteArray &bytes = mBuffer.data();
            common::writeAllInto(file.get(), std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                 mShare.path);
            if (!file.close())
                throw common::FileWriteError(mShare.path, errno);
        } catch (const common::FileWriteError &error) {
            mShare.writeError = error.code().value();
        }
    }

    BatchPdf &mPdf;
    ShareFile mShare;
    QBuffer mBuffer;
    std::unique_ptr<report::PdfPageWriter> mWriter;
    std::vector<WrittenSpan> mPlacements;
};

BatchPdf::BatchPdf(const fs::path &target)
    : mTarget(target)
{}

BatchPdf::~BatchPdf()
{
    if (mScratch.empty())
        return;
    std::error_code ignored;
    fs::remove_all(mScratch, ignored);
    common::forgetTemporary(mScratch);
}

std::function<std::unique_ptr<SpanFinisher>()> BatchPdf::finishers()
{
    return [this] { return std::make_unique<Share>(*this); };
}

fs::path BatchPdf::newShareFile()
{
    const std::lock_guard lock(mMutex);
    if (mScratch.empty()) {
        std::string folder = (scratchParent(mTarget) / ".tenrix-pdf.XXXXXX").string();
        const auto hold = common::holdTermination();
        if (::mkdtemp(folder.data()) == nullptr)
            throw common::FileWriteError(mTarget, errno);
        mScratch = folder;
        common::registerTemporary(mScratch);
    }
    return mScratch / ("share-" + std::to_string(mShareFiles++) + ".pdf");
}

void BatchPdf::addShare(const ShareFile &share, const std::vector<WrittenSpan> &spans)
{
    const std::lock_guard lock(mMutex);
    for (const WrittenSpan &span : spans) {
        Placement placement = span.placement;
        placement.share = mShares.size();
        for (const std::string &title : span.titles)
            placement.titles.push_back(&*mTitles.insert(title).first);
        mPlacements[span.index] = std::move(placement);
        if (!span.book.isEmpty() && (!mBook || span.index < mBook->first))
            mBook = {span.index, span.book};
    }
    mShares.push_back(share);
    if (share.writeError != 0)
        mWriteError = share.writeError;
}

void BatchPdf::write(const fs::path &path, const std::vector<SpanOutcome> &spans) const
{
    common::FileSetReplacement file;
    file.add(path, [&](int descriptor) { write(descriptor, path, spans); });
    file.commit();
}

void BatchPdf::addFrontMatter(PdfJoin &joined, const std::vector<SpanOutcome> &spans,
                              std::vector<report::OutlineEntry> &outline) const
{
    if (!mBook)
        return;
    std::vector<report::ContentsEntry> entries;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (const auto placed = mPlacements.find(i); spans[i].status == SpanStatus::Computed && placed != mPlacements.end())
            entries.push_back({QString::fromStdString(spanOutlineTitle(spans[i])), placed->second.sheetCount});
    }
    // Each entry's page: after the cover and contents and the spans before it.
    int page = report::frontMatterPageCount(int(entries.size())) + 1;
    for (report::ContentsEntry &entry : entries)
        page += std::exchange(entry.page, page);
    const QString subject = QStringLiteral("批量计算 %1 个跨线").arg(entries.size());
    const std::vector<report::ReportPage> front = report::buildFrontMatter(mBook->second, subject, entries);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    report::PdfPageWriter writer(buffer, std::string());
    for (const report::ReportPage &sheet : front)
        writer.addPage(sheet);
    if (!writer.finish())
        throw std::runtime_error("无法生成PDF文件的封面和目录");
    QPDF pdf;
    pdf.processMemoryFile("front", buffer.data().constData(), std::size_t(buffer.data().size()));
    QPDFObjectHandle kids = pdf.getRoot().getKey("/Pages").getKey("/Kids");
    const std::size_t source = mShares.size();
    for (std::size_t sheet = 0; sheet < front.size(); ++sheet) {
        const std::size_t at = joined.addPage(source, kids.getArrayItem(int(sheet)));
        if (sheet <= 1)
            outline.push_back({front[sheet].title().toStdString(), at, {}});
    }
    joined.forgetSource(source);
}

void BatchPdf::write(int descriptor, const fs::path &file, const std::vector<SpanOutcome> &spans) const
{
    const std::lock_guard lock(mMutex);
    // On the target's disk: its cause is the target's.
    if (mWriteError != 0)
        throw common::FileWriteError(file, mWriteError);
    PdfJoin joined(fileOf(descriptor, file), file);
    std::vector<OpenShare> shares(mShares.size());
    std::vector<std::size_t> lastSpanOf(mShares.size(), 0);
    for (const auto &[index, placement] : mPlacements)
        lastSpanOf[placement.share] = std::max(lastSpanOf[placement.share], index);
    std::vector<report::OutlineEntry> outline;
    try {
        addFrontMatter(joined, spans, outline);
        const std::size_t frontEntries = outline.size();
        for (std::size_t i = 0; i < spans.size(); ++i) {
            if (spans[i].status != SpanStatus::Computed)
                continue;
            const auto placed = mPlacements.find(i);
            if (placed == mPlacements.end())
                throw std::runtime_error("无法生成PDF文件");
            const Placement &placement = placed->second;
            OpenShare &share = shares[placement.share];
            report::OutlineEntry spanEntry{spanOutlineTitle(spans[i]), 0, {}};
            for (int sheet = 0; sheet < placement.sheetCount; ++sheet) {
                const std::size_t page = joined.addPage(
                    placement.share, share.page(mShares[placement.share].path, placement.firstSheet + sheet));
                if (sheet == 0)
                    spanEntry.page = page;
                spanEntry.children.push_back({*placement.titles.at(std::size_t(sheet)), page, {}});
            }
            outline.push_back(std::move(spanEntry));
            if (lastSpanOf[placement.share] == i) {
                share.close();
                joined.forgetSource(placement.share);
            }
        }
        const std::size_t spanCount = outline.size() - frontEntries;
        if (spanCount == 0)
            throw std::runtime_error("没有计算完成的跨线");
        joined.finish(outline, report::pdfTitle("批量计算 " + std::to_string(spanCount) + " 个跨线"));
    } catch (const QPDFExc &error) {
        throw std::runtime_error(std::string("无法合并各跨线的PDF: ") + error.what());
    }
}

} // namespace app
