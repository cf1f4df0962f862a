#include "report/emfwriter.h"
#include "report/exporters.h"
#include "report/reportpage.h"
#include "report/wmfwriter.h"

#include <QIODevice>

namespace report {

namespace {

bool writeAll(QIODevice &device, const QByteArray &bytes)
{
    return device.write(bytes) == bytes.size();
}

} // namespace

QString WmfExporter::nameFilter() const
{
    return QStringLiteral("Windows 图元文件 (*.wmf)");
}

QString WmfExporter::suffix() const
{
    return QStringLiteral("wmf");
}

bool WmfExporter::writePages(std::span<const ReportPage> pages, QIODevice &device)
{
    return writeAll(device, wmfBytes(pages.front()));
}

QString EmfExporter::nameFilter() const
{
    return QStringLiteral("增强型图元文件 (*.emf)");
}

QString EmfExporter::suffix() const
{
    return QStringLiteral("emf");
}

bool EmfExporter::writePages(std::span<const ReportPage> pages, QIODevice &device)
{
    return writeAll(device, emfBytes(pages.front()));
}

} // namespace report
