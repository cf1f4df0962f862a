#include "report/exporters.h"
#include "report/pagepainter.h"
#include "report/reportpage.h"

#include <QIODevice>

namespace report {

QString PngExporter::nameFilter() const
{
    return QStringLiteral("PNG 图像 (*.png)");
}

QString PngExporter::suffix() const
{
    return QStringLiteral("png");
}

bool PngExporter::writePages(std::span<const ReportPage> pages, QIODevice &device)
{
    const QImage image = renderPageImage(pages.front(), mDotsPerInch);
    if (image.isNull()) {
        setErrorString(QStringLiteral("分辨率%1 dpi无法生成图片，请在%2～%3 dpi之间选择")
                           .arg(mDotsPerInch)
                           .arg(minimumImageDpi)
                           .arg(maximumImageDpi));
        return false;
    }
    return image.save(&device, "PNG");
}

} // namespace report
