#include "app/batchpdf.h"

#include "common/replacefile.h"
#include "report/exporters.h"
#include "report/pages.h"

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

void keepSpanPdf(SpanOutcome &span)
{
    const QByteArray pdf = report::pdfDocument(span.run.pages);
    if (pdf.isEmpty())
        throw std::runtime_error("无法生成PDF文件");
    span.document.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    span.run.pages = {};
}

void writeBatchPdf(const std::filesystem::path &path, const std::vector<SpanOutcome> &spans)
{
    QPDF pdf;
    pdf.emptyPDF();
    QPDFPageDocumentHelper pages(pdf);
    // The documents' objects are copied when the joined file is written, so they live until then.
    std::vector<std::unique_ptr<QPDF>> documents;
    std::vector<SpanPages> outline;
    std::size_t pageCount = 0;
    try {
        for (const SpanOutcome &span : spans) {
            if (span.status != SpanStatus::Computed)
                continue;
            auto document = std::make_unique<QPDF>();
            document->processMemoryFile(span.file.string().c_str(), span.document.data(), span.document.size());
            const std::vector<QPDFPageObjectHelper> spanPages = QPDFPageDocumentHelper(*document).getAllPages();
            for (const QPDFPageObjectHelper &page : spanPages)
                pages.addPage(page, false);
            outline.push_back({&span, pageCount, spanPages.size()});
            pageCount += spanPages.size();
            documents.push_back(std::move(document));
        }
        if (outline.empty())
            throw std::runtime_error("没有计算完成的跨线");
        addOutline(pdf, outline);

        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.write();
        const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
        common::replaceFileContents(
            path, std::string_view(reinterpret_cast<const char *>(bytes->getBuffer()), bytes->getSize()));
    } catch (const QPDFExc &error) {
        throw std::runtime_error(std::string("无法合并各跨线的PDF: ") + error.what());
    }
}

} // namespace app
