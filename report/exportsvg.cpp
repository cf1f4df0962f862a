#include "report/exporters.h"
#include "report/pagepainter.h"
#include "report/reportpage.h"

#include <QPainter>
#include <QSvgGenerator>

namespace report {

QString SvgExporter::nameFilter() const
{
    return QStringLiteral("SVG (*.svg)");
}

QString SvgExporter::suffix() const
{
    return QStringLiteral("svg");
}

bool SvgExporter::writePages(std::span<const ReportPage> pages, QIODevice &device)
{
    const ReportPage &page = pages.front();
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(page.size());
    generator.setViewBox(QRect(QPoint(0, 0), page.size()));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("软导线实用力学计算书"));

    QPainter painter;
    if (!painter.begin(&generator)) {
        setErrorString(QStringLiteral("无法生成SVG文件"));
        return false;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paintPage(painter, page, QRectF(QPointF(0, 0), QSizeF(page.size())));
    return painter.end();
}

} // namespace report
