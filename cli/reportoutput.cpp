#include "cli/reportoutput.h"

#include "common/filefailurereason.h"
#include "common/filewriteerror.h"
#include "report/exporters.h"
#include "report/reportpage.h"
#include "report/savenames.h"
#include "report/textsdump.h"

#include <QDir>

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace cli {

namespace {

using Pages = std::vector<report::ReportPage>;

QString fromLocal(const std::string &path)
{
    return QString::fromLocal8Bit(path.data(), qsizetype(path.size()));
}

// One file per page under BASE: BASE_NO_01.EXT .. BASE_NO_17.EXT (_NO_18 with the design check), the names
// the viewer's "全部保存" gives.
QStringList pageSetNames(const report::ReportExporter &exporter, const Pages &pages, const std::string &base)
{
    QStringList names = report::saveAllFileNames(fromLocal(base) + QStringLiteral(".wmf"), int(pages.size()));
    for (QString &name : names)
        name.replace(name.size() - 3, 3, exporter.suffix());
    return names;
}

// One file per page in DIR: page01.EXT .. page17.EXT.
QStringList pageFolderNames(const report::ReportExporter &exporter, const Pages &pages, const QDir &folder)
{
    QStringList names;
    for (size_t i = 0; i < pages.size(); ++i)
        names.append(folder.filePath(
            QStringLiteral("page%1.%2").arg(int(i + 1), 2, 10, QLatin1Char('0')).arg(exporter.suffix())));
    return names;
}

void stagePages(report::ReportExporter &exporter, const Pages &pages, const QStringList &names, CommandOutputs &outputs)
{
    QString error;
    if (!report::stagePageFiles(exporter, pages, names, outputs.files(), &error))
        outputs.fail(error.toStdString());
}

void stagePageFolder(report::ReportExporter &exporter, const Pages &pages, const std::string &dir,
                     CommandOutputs &outputs)
{
    std::error_code made;
    std::filesystem::create_directories(dir, made);
    if (made) {
        outputs.fail("无法创建文件夹 “" + dir
                     + "”: " + common::fileFailureReason(common::FileAccess::Write, made.value()));
        return;
    }
    stagePages(exporter, pages, pageFolderNames(exporter, pages, QDir(fromLocal(dir))), outputs);
}

} // namespace

void stageReportOutputs(const CommandLine &command, const Pages &pages, const std::string &spanName,
                        CommandOutputs &outputs)
{
    if (command.pdfFile) {
        report::PdfExporter pdf(QString::fromStdString(spanName));
        if (const std::optional<QByteArray> bytes = pdf.fileContents(pages, fromLocal(*command.pdfFile)))
            outputs.add(*command.pdfFile, std::string_view(bytes->constData(), std::size_t(bytes->size())));
        else
            outputs.fail(pdf.errorString().toStdString());
    }
    if (command.wmfBase) {
        report::WmfExporter wmf;
        stagePages(wmf, pages, pageSetNames(wmf, pages, *command.wmfBase), outputs);
    }
    if (command.emfBase) {
        report::EmfExporter emf;
        stagePages(emf, pages, pageSetNames(emf, pages, *command.emfBase), outputs);
    }
    if (command.svgDir) {
        report::SvgExporter svg;
        stagePageFolder(svg, pages, *command.svgDir, outputs);
    }
    if (command.pngDir) {
        report::PngExporter png(command.dpi);
        stagePageFolder(png, pages, *command.pngDir, outputs);
    }
    if (command.textsFile)
        outputs.add(*command.textsFile, report::textsDump(pages).toStdString());
}

} // namespace cli
