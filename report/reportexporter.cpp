#include "report/reportexporter.h"

#include "report/exporters.h"
#include "report/reportpage.h"

#include "common/replacefile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace report {

namespace {

QString saveFailedMessage(const QString &fileName, const QString &reason)
{
    return QStringLiteral("保存文件“%1”失败：%2。").arg(QDir::toNativeSeparators(fileName), reason);
}

std::filesystem::path toPath(const QString &fileName)
{
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

/// The Chinese message of a failed write of \a fileName.
QString writeFailedMessage(const QString &fileName, const common::FileWriteError &error)
{
    return saveFailedMessage(fileName, QString::fromStdString(error.reason()));
}

/// Adds \a pages as the file \a fileName to \a files; false with the reason in \a failure.
bool stagePages(ReportExporter &exporter, common::FileSetReplacement &files, std::span<const ReportPage> pages,
                const QString &fileName, QString &failure)
{
    const std::optional<QByteArray> bytes = exporter.fileContents(pages, fileName);
    if (!bytes) {
        failure = exporter.errorString();
        return false;
    }
    try {
        files.add(toPath(fileName), std::string_view(bytes->constData(), std::size_t(bytes->size())));
        return true;
    } catch (const common::FileWriteError &error) {
        failure = writeFailedMessage(fileName, error);
        return false;
    }
}

bool commitFiles(common::FileSetReplacement &files, QString &failure)
{
    try {
        files.commit();
        return true;
    } catch (const common::FileWriteError &error) {
        failure = writeFailedMessage(QFile::decodeName(error.file().c_str()), error);
        return false;
    }
}

} // namespace

std::optional<QByteArray> ReportExporter::fileContents(std::span<const ReportPage> pages, const QString &fileName)
{
    mErrorString.clear();
    if (pages.empty()) {
        setErrorString(saveFailedMessage(fileName, QStringLiteral("没有可保存的计算书页面")));
        return std::nullopt;
    }
    if (!holdsManyPages() && pages.size() != 1) {
        setErrorString(saveFailedMessage(
            fileName, QStringLiteral("%1文件每个只能保存一页").arg(suffix().toUpper())));
        return std::nullopt;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writePages(pages, buffer)) {
        const QString reason = mErrorString.isEmpty() ? QStringLiteral("无法生成文件内容") : mErrorString;
        setErrorString(saveFailedMessage(fileName, reason));
        return std::nullopt;
    }
    return bytes;
}

bool ReportExporter::write(std::span<const ReportPage> pages, const QString &fileName)
{
    common::FileSetReplacement file;
    QString failure;
    if (stagePages(*this, file, pages, fileName, failure) && commitFiles(file, failure))
        return true;
    setErrorString(failure);
    return false;
}

bool ReportExporter::write(const ReportPage &page, const QString &fileName)
{
    return write(std::span<const ReportPage>(&page, 1), fileName);
}

bool stagePageFiles(ReportExporter &exporter, std::span<const ReportPage> pages, const QStringList &fileNames,
                    common::FileSetReplacement &files, QString *errorMessage)
{
    if (std::size_t(fileNames.size()) != pages.size())
        throw std::invalid_argument("one file name per page");
    QString failure;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (!stagePages(exporter, files, pages.subspan(i, 1), fileNames[qsizetype(i)], failure)) {
            if (errorMessage != nullptr)
                *errorMessage = failure;
            return false;
        }
    }
    return true;
}

bool writePageFiles(ReportExporter &exporter, std::span<const ReportPage> pages, const QStringList &fileNames,
                    QString *errorMessage)
{
    common::FileSetReplacement files;
    QString failure;
    if (stagePageFiles(exporter, pages, fileNames, files, &failure) && commitFiles(files, failure))
        return true;
    if (errorMessage != nullptr)
        *errorMessage = failure;
    return false;
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
