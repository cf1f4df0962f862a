#include "report/savenames.h"

#include "report/exporters.h"
#include "report/reportpage.h"

namespace report {

namespace {

constexpr qsizetype extensionLength = 4;

/// True when the name ends in "." and three characters that are no path separators.
bool endsWithExtension(const QString &fileName)
{
    if (fileName.size() < extensionLength) {
        return false;
    }
    const QStringView extension = QStringView(fileName).right(extensionLength);
    if (extension.front() != u'.') {
        return false;
    }
    for (const QChar ch : extension.mid(1)) {
        if (ch == u'/' || ch == u'\\' || ch == u'.') {
            return false;
        }
    }
    return true;
}

bool unusableInFileName(QChar ch)
{
    return ch.unicode() < 0x20 || ch.unicode() == 0x7F || QStringView(u"/\\:*?\"<>|").contains(ch);
}

} // namespace

QString fileNameForSpan(const QString &spanName)
{
    QString name;
    for (const QChar ch : spanName.trimmed())
        name.append(unusableInFileName(ch) ? QChar(u'_') : ch);
    // A name is cut at whole characters, never inside a surrogate pair.
    while (name.toUtf8().size() > maxSpanFileNameBytes)
        name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("计算书") : name;
}

QStringList saveAllFileNames(const QString &chosenFileName, int pageCount)
{
    const QString base =
        endsWithExtension(chosenFileName) ? chosenFileName.chopped(extensionLength) : chosenFileName;
    QStringList names;
    for (int page = 1; page <= pageCount; ++page) {
        names.append(base + QStringLiteral("_NO_%1.wmf").arg(page, 2, 10, QLatin1Char('0')));
    }
    return names;
}

bool saveAllPages(std::span<const ReportPage> pages, const QString &chosenFileName, QString *errorMessage)
{
    WmfExporter exporter;
    return writePageFiles(exporter, pages, saveAllFileNames(chosenFileName, static_cast<int>(pages.size())),
                          errorMessage);
}

} // namespace report
