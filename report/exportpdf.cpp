#include "report/exporters.h"
#include "report/pagepainter.h"
#include "report/reportpage.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

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

/// Paints \a pages onto \a device as PDF; on failure returns the reason.
QString paintPdf(std::span<const ReportPage> pages, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    writer.setResolution(pdfDotsPerInch);
    writer.setCreator(QStringLiteral("Tenrix"));
    writer.setTitle(QStringLiteral("软导线实用力学计算书"));

    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("无法生成PDF文件");
    const QRectF sheet(0, 0, writer.width(), writer.height());
    bool first = true;
    for (const ReportPage &page : pages) {
        if (!first && !writer.newPage()) {
            painter.end();
            return QStringLiteral("无法在PDF文件中增加新页");
        }
        first = false;
        paintPage(painter, page, fittedTarget(page, sheet));
    }
    return painter.end() ? QString() : QStringLiteral("无法生成PDF文件");
}

} // namespace

QByteArray pdfDocument(std::span<const ReportPage> pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (pages.empty() || !paintPdf(pages, buffer).isEmpty())
        return {};
    return buffer.data();
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
    const QString failure = paintPdf(pages, device);
    if (!failure.isEmpty())
        setErrorString(failure);
    return failure.isEmpty();
}

} // namespace report
