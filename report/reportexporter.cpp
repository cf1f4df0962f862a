#include "report/reportexporter.h"

#include "report/exporters.h"
#include "report/reportpage.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace report {

namespace {

QString failureReason(const QSaveFile &file)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("没有写入该文件或文件夹的权限");
    case QFileDevice::OpenError:
        return QStringLiteral("无法创建文件，请检查文件夹是否存在、是否有写入权限");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("写入出错，磁盘可能已满");
    case QFileDevice::RenameError:
        return QStringLiteral("无法替换原有文件，它可能正被其他程序使用");
    default:
        return file.errorString();
    }
}

QString saveFailedMessage(const QString &fileName, const QString &reason)
{
    return QStringLiteral("保存文件“%1”失败：%2。").arg(QDir::toNativeSeparators(fileName), reason);
}

} // namespace

bool ReportExporter::write(std::span<const ReportPage> pages, const QString &fileName)
{
    mErrorString.clear();
    if (pages.empty()) {
        setErrorString(saveFailedMessage(fileName, QStringLiteral("没有可保存的计算书页面")));
        return false;
    }
    if (!holdsManyPages() && pages.size() != 1) {
        setErrorString(saveFailedMessage(
            fileName, QStringLiteral("%1文件每个只能保存一页").arg(suffix().toUpper())));
        return false;
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        setErrorString(saveFailedMessage(fileName, failureReason(file)));
        return false;
    }
    if (!writePages(pages, file)) {
        // The format says what went wrong, or the file does.
        const QString reason = mErrorString.isEmpty() ? failureReason(file) : mErrorString;
        file.cancelWriting();
        setErrorString(saveFailedMessage(fileName, reason));
        return false;
    }
    if (!file.commit()) {
        setErrorString(saveFailedMessage(fileName, failureReason(file)));
        return false;
    }
    return true;
}

bool ReportExporter::write(const ReportPage &page, const QString &fileName)
{
    return write(std::span<const ReportPage>(&page, 1), fileName);
}

std::unique_ptr<ReportExporter> exporterForFileName(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("wmf")) {
        return std::make_unique<WmfExporter>();
    }
    if (suffix == QLatin1String("pdf")) {
        return std::make_unique<PdfExporter>();
    }
    if (suffix == QLatin1String("svg")) {
        return std::make_unique<SvgExporter>();
    }
    if (suffix == QLatin1String("png")) {
        return std::make_unique<PngExporter>();
    }
    return std::make_unique<EmfExporter>();
}

} // namespace report
