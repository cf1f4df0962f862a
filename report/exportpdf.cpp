#include "report/exporters.h"
#include "report/pdfoutline.h"
#include "report/pdfpagewriter.h"
#include "report/reportpage.h"

#include <QBuffer>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDFWriter.hh>

#include <memory>
#include <vector>

namespace report {

QString PdfExporter::nameFilter() const
{
    return QStringLiteral("PDF 文件 (*.pdf)");
}

QString PdfExporter::suffix() const
{
    return QStringLiteral("pdf");
}

bool PdfExporter::writePages(std::span<const ReportPage> pages, QIODevice &device)
{
    QBuffer painted;
    painted.open(QIODevice::WriteOnly);
    PdfPageWriter writer(painted, pdfTitle(mSpanName));
    if (!writer.isGood()) {
        setErrorString(QStringLiteral("无法生成PDF文件"));
        return false;
    }
    for (const ReportPage &page : pages) {
        if (!writer.addPage(page)) {
            writer.finish();
            setErrorString(QStringLiteral("无法在PDF文件中增加新页"));
            return false;
        }
    }
    if (!writer.finish()) {
        setErrorString(QStringLiteral("无法生成PDF文件"));
        return false;
    }
    // The outline a batch's PDF has for each span, one entry a page.
    try {
        QPDF pdf;
        const QByteArray &bytes = painted.data();
        pdf.processMemoryFile("report", bytes.constData(), static_cast<std::size_t>(bytes.size()));
        std::vector<OutlineEntry> outline;
        for (std::size_t page = 0; page < pages.size(); ++page)
            outline.push_back({pages[page].title().toStdString(), page, {}});
        setOutline(pdf, outline);
        QPDFWriter out(pdf);
        out.setOutputMemory();
        // The page streams are compressed already: copied as they are.
        out.setDecodeLevel(qpdf_dl_none);
        out.write();
        const std::shared_ptr<Buffer> written = out.getBufferSharedPointer();
        const qint64 size = static_cast<qint64>(written->getSize());
        return device.write(reinterpret_cast<const char *>(written->getBuffer()), size) == size;
    } catch (const std::exception &error) {
        setErrorString(QStringLiteral("无法生成PDF文件的书签: %1").arg(QString::fromLocal8Bit(error.what())));
        return false;
    }
}

} // namespace report
