#include "report/textsdump.h"

#include "report/reportpage.h"

namespace report {

namespace {

QString oneLine(QString text)
{
    for (QChar &ch : text) {
        if (ch == u'\t' || ch == u'\r' || ch == u'\n') {
            ch = u' ';
        }
    }
    return text;
}

QString hexColour(const QColor &color)
{
    return QStringLiteral("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

QString textsDump(std::span<const ReportPage> pages)
{
    QString dump;
    int pageNumber = 0;
    for (const ReportPage &page : pages) {
        ++pageNumber;
        for (const MarkupAnnotation &call : page.markupAnnotations()) {
            dump += QStringLiteral("%1\t%2\t%3\t%4\t").arg(pageNumber).arg(call.x).arg(call.y).arg(call.size);
            dump += oneLine(call.anchor) + u'\t' + hexColour(call.color) + u'\t' + oneLine(call.text) + u'\n';
        }
    }
    return dump;
}

} // namespace report
