#include "report/exporters.h"
#include "report/fonts.h"
#include "report/pagepainter.h"
#include "report/pagestyle.h"
#include "report/reportpage.h"

#include <QBuffer>
#include <QFontInfo>
#include <QPainter>
#include <QStringList>
#include <QSvgGenerator>

namespace report {

namespace {

/// A family name as CSS reads it in a list: quoted when it holds a blank.
QString cssFamily(const QString &family)
{
    return family.contains(u' ') ? u'\'' + family + u'\'' : family;
}

/**
 * The fonts an SVG reader is to try for the report's face: the Song face the
 * program itself measured the texts with, the Windows names "宋体" and
 * "SimSun", then any serif face. A reader that finds none of the named faces
 * so still takes a serif face rather than its sans default, whose wider
 * Latin letters would run the texts into each other.
 */
QString reportFontList()
{
    QStringList families = {QFontInfo(reportFont(reportFontName(), 16)).family(), reportFontName(),
                            QStringLiteral("SimSun")};
    families.removeDuplicates();
    QStringList css;
    for (const QString &family : families)
        css.append(cssFamily(family));
    css.append(QStringLiteral("serif"));
    return css.join(QStringLiteral(", "));
}

/// \a svg with every font-family of the report's face replaced by reportFontList().
QByteArray withReportFontList(const QByteArray &svg)
{
    const QByteArray single = "font-family=\"" + reportFontName().toUtf8() + '"';
    const QByteArray list = "font-family=\"" + reportFontList().toUtf8() + '"';
    QByteArray result = svg;
    return result.replace(single, list);
}

} // namespace

QString SvgExporter::nameFilter() const
{
    return QStringLiteral("SVG 文件 (*.svg)");
}

QString SvgExporter::suffix() const
{
    return QStringLiteral("svg");
}

bool SvgExporter::writePages(std::span<const ReportPage> pages, QIODevice &device)
{
    const ReportPage &page = pages.front();
    // QSvgGenerator names one family per text; the document is written to
    // memory first so that the report's face can be given its fallbacks.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
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
    if (!painter.end()) {
        setErrorString(QStringLiteral("无法生成SVG文件"));
        return false;
    }
    const QByteArray svg = withReportFontList(buffer.data());
    return device.write(svg) == svg.size();
}

} // namespace report
