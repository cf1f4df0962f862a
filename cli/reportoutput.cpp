#include "cli/reportoutput.h"

#include "cli/outputfile.h"
#include "common/filefailurereason.h"
#include "common/filewriteerror.h"

#include "report/exporters.h"
#include "report/reportpage.h"
#include "report/savenames.h"
#include "report/textsdump.h"

#include <QDir>

#include <filesystem>
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

// Every page or none: a set of which one page failed would mix two reports.
bool writePages(report::ReportExporter &exporter, const Pages &pages, const QStringList &names, std::ostream &errors)
{
    QString error;
    if (report::writePageFiles(exporter, pages, names, &error))
        return true;
    errors << error.toStdString() << '\n';
    return false;
}

bool writePageFolder(report::ReportExporter &exporter, const Pages &pages, const std::string &dir,
                     std::ostream &errors)
{
    std::error_code made;
    std::filesystem::create_directories(dir, made);
    if (made) {
        errors << "无法创建文件夹 “" << dir << "”: " << common::fileFailureReason(common::FileAccess::Write, made.value()) << '\n';
        return false;
    }
    return writePages(exporter, pages, pageFolderNames(exporter, pages, QDir(fromLocal(dir))), errors);
}

} // namespace

bool writeReportOutputs(const CommandLine &command, const Pages &pages, std::ostream &errors)
{
    bool ok = true;
    if (command.pdfFile) {
        report::PdfExporter pdf;
        if (!pdf.write(pages, fromLocal(*command.pdfFile))) {
            errors << pdf.errorString().toStdString() << '\n';
            ok = false;
        }
    }
    if (command.wmfBase) {
        report::WmfExporter wmf;
        ok = writePages(wmf, pages, pageSetNames(wmf, pages, *command.wmfBase), errors) && ok;
    }
    if (command.emfBase) {
        report::EmfExporter emf;
        ok = writePages(emf, pages, pageSetNames(emf, pages, *command.emfBase), errors) && ok;
    }
    if (command.svgDir) {
        report::SvgExporter svg;
        ok = writePageFolder(svg, pages, *command.svgDir, errors) && ok;
    }
    if (command.pngDir) {
        report::PngExporter png(command.dpi);
        ok = writePageFolder(png, pages, *command.pngDir, errors) && ok;
    }
    if (command.textsFile)
        ok = writeOutputFile(*command.textsFile, report::textsDump(pages).toStdString(), errors) && ok;
    return ok;
}

} // namespace cli
