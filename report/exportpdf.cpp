#include "report/exporters.h"
#include "report/pagepainter.h"
#include "report/pdfpagewriter.h"
#include "report/reportpage.h"

#include <QPageLayout>

namespace report {

namespace {

// Fine enough that no page unit (1/96 inch) is rounded visibly.
constexpr int pdfDotsPerInch = 1200;

/// The largest rectangle of the page's proportions centred in \a sheet.
QRectF fittedTarget(const ReportPage &page, const QRectF &sheet)
{
    QSizeF size(page.width(), page.height());
    size.scale(sheet.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(sheet.center());
    return target;
}

} // namespace

PdfPageWriter::PdfPageWriter(QIODevice &device) : mWriter(&device)
{
    mWriter.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    mWriter.setResolution(pdfDotsPerInch);
    mWriter.setCreator(QStringLiteral("Tenrix"));
    mWriter.setTitle(QStringLiteral("软导线实用力学计算书"));
    mGood = mPainter.begin(&mWriter);
}

bool PdfPageWriter::addPage(const ReportPage &page)
{
    if (!mGood)
        return false;
    // The first sheet comes with the document; every further one is asked for.
    if (mSheets > 0 && !mWriter.newPage()) {
        mGood = false;
        return false;
    }
    ++mSheets;
    paintPage(mPainter, page, fittedTarget(page, QRectF(0, 0, mWriter.width(), mWriter.height())));
    return true;
}

bool PdfPageWriter::finish()
{
    const bool ended = mPainter.isActive() && mPainter.end();
    return ended && mGood;
}

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
    PdfPageWriter writer(device);
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
    return writer.finish();
}

} // namespace report
