#include "app/run/batchpdf.h"

#include "common/replacefile.h"
#include "report/pages.h"
#include "report/pdfpagewriter.h"
#include "report/reportpage.h"

#include <QBuffer>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <memory>
#include <stdexcept>
#include <string>

namespace app {

namespace {

using Object = QPDFObjectHandle;

/// Page 1 has no title on the page: its outline entry says what it holds.
std::string pageOutlineTitle(int pageIndex)
{
    const QString title =
        pageIndex == 0 ? QStringLiteral("输入数据和计算结果汇总") : report::reportPageTitle(pageIndex);
    return QStringLiteral("第%1页 %2").arg(pageIndex + 1).arg(title).toStdString();
}

std::string spanOutlineTitle(const SpanOutcome &span)
{
    return span.span->window.text(EditBox::Edit_bt) + " (" + span.file.filename().string() + ")";
}

/// An outline entry that shows \a page whole, under \a parent.
Object outlineItem(QPDF &pdf, const std::string &title, const Object &parent, const Object &page)
{
    Object item = pdf.makeIndirectObject(Object::newDictionary());
    item.replaceKey("/Title", Object::newUnicodeString(title));
    item.replaceKey("/Parent", parent);
    item.replaceKey("/Dest", Object::newArray({page, Object::newName("/Fit")}));
    return item;
}

/// Links \a items as the children of \a parent; \a count is the parent's /Count.
void linkChildren(Object &parent, std::vector<Object> &items, int count)
{
    if (items.empty())
        return;
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
        items[i].replaceKey("/Next", items[i + 1]);
        items[i + 1].replaceKey("/Prev", items[i]);
    }
    parent.replaceKey("/First", items.front());
    parent.replaceKey("/Last", items.back());
    parent.replaceKey("/Count", Object::newInteger(count));
}

struct SpanPages
{
    const SpanOutcome *span;
    std::size_t firstPage;
    std::size_t pageCount;
};

/// The outline: the spans at the top, closed, each with its pages.
void addOutline(QPDF &pdf, const std::vector<SpanPages> &spans)
{
    const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    Object outlines = pdf.makeIndirectObject(Object::newDictionary());
    outlines.replaceKey("/Type", Object::newName("/Outlines"));
    std::vector<Object> spanItems;
    for (const SpanPages &span : spans) {
        Object spanItem =
            outlineItem(pdf, spanOutlineTitle(*span.span), outlines, pages[span.firstPage].getObjectHandle());
        std::vector<Object> pageItems;
        for (std::size_t p = 0; p < span.pageCount; ++p) {
            pageItems.push_back(outlineItem(pdf, pageOutlineTitle(static_cast<int>(p)), spanItem,
                                            pages[span.firstPage + p].getObjectHandle()));
        }
        // A negative count keeps the entry closed: a long batch opens as its list of spans.
        linkChildren(spanItem, pageItems, -static_cast<int>(pageItems.size()));
        spanItems.push_back(spanItem);
    }
    linkChildren(outlines, spanItems, static_cast<int>(spanItems.size()));
    Object root = pdf.getRoot();
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/PageMode", Object::newName("/UseOutlines"));
}

} // namespace

/// One worker's document: the pages of its spans, one after the other.
class BatchPdf::Share final : public SpanFinisher
{
public:
    explicit Share(BatchPdf &pdf) : mPdf(pdf) { mBuffer.open(QIODevice::WriteOnly); }

    void finish(SpanOutcome &span, std::size_t index) override
    {
        if (!mWriter)
            mWriter = std::make_unique<report::PdfPageWriter>(mBuffer);
        const int firstSheet = mWriter->sheetCount();
        for (const report::ReportPage &page : span.run.pages) {
            if (!mWriter->addPage(page))
                throw std::runtime_error("无法生成PDF文件");
        }
        mPlacements.push_back({index, {0, firstSheet, mWriter->sheetCount() - firstSheet}});
        span.run.pages = {};
    }

    void close() override
    {
        if (!mWriter)
            return;
        const bool complete = mWriter->finish();
        mWriter.reset();
        mPdf.addShare(complete ? mBuffer.data() : QByteArray(), mPlacements);
    }

private:
    BatchPdf &mPdf;
    QBuffer mBuffer;
    std::unique_ptr<report::PdfPageWriter> mWriter;
    std::vector<std::pair<std::size_t, Placement>> mPlacements;
};

std::function<std::unique_ptr<SpanFinisher>()> BatchPdf::finishers()
{
    return [this] { return std::make_unique<Share>(*this); };
}

void BatchPdf::addShare(const QByteArray &document, const std::vector<std::pair<std::size_t, Placement>> &placements)
{
    const std::lock_guard lock(mMutex);
    for (auto [index, placement] : placements) {
        placement.share = mShares.size();
        mPlacements[index] = placement;
    }
    mShares.push_back(document);
}

void BatchPdf::write(const std::filesystem::path &path, const std::vector<SpanOutcome> &spans) const
{
    const std::lock_guard lock(mMutex);
    QPDF pdf;
    pdf.emptyPDF();
    QPDFPageDocumentHelper pages(pdf);
    // The shares' objects are copied when the joined file is written, so they live until then.
    std::vector<std::unique_ptr<QPDF>> shares(mShares.size());
    std::vector<SpanPages> outline;
    std::size_t pageCount = 0;
    try {
        for (std::size_t i = 0; i < spans.size(); ++i) {
            if (spans[i].status != SpanStatus::Computed)
                continue;
            const auto placed = mPlacements.find(i);
            if (placed == mPlacements.end() || mShares[placed->second.share].isEmpty())
                throw std::runtime_error("无法生成PDF文件");
            const Placement &placement = placed->second;
            std::unique_ptr<QPDF> &share = shares[placement.share];
            if (!share) {
                const QByteArray &bytes = mShares[placement.share];
                share = std::make_unique<QPDF>();
                share->processMemoryFile("share", bytes.constData(), static_cast<std::size_t>(bytes.size()));
            }
            const std::vector<QPDFPageObjectHelper> sharePages = QPDFPageDocumentHelper(*share).getAllPages();
            for (int sheet = 0; sheet < placement.sheetCount; ++sheet)
                pages.addPage(sharePages.at(static_cast<std::size_t>(placement.firstSheet + sheet)), false);
            outline.push_back({&spans[i], pageCount, static_cast<std::size_t>(placement.sheetCount)});
            pageCount += static_cast<std::size_t>(placement.sheetCount);
        }
        if (outline.empty())
            throw std::runtime_error("没有计算完成的跨线");
        addOutline(pdf, outline);

        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        // The pages' streams are compressed already: copied as they are, not recompressed.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.write();
        const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
        common::replaceFileContents(
            path, std::string_view(reinterpret_cast<const char *>(bytes->getBuffer()), bytes->getSize()));
    } catch (const QPDFExc &error) {
        throw std::runtime_error(std::string("无法合并各跨线的PDF: ") + error.what());
    }
}

} // namespace app
