#include "cli/reportoutput.h"

#include "report/exporters.h"
#include "report/reportpage.h"
#include "report/savenames.h"
#include "report/textsdump.h"

#include <QDir>
#include <QSaveFile>

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
bool writePageSet(report::ReportExporter &exporter, const Pages &pages, const std::string &base,
                  std::ostream &errors)
{
    const QStringList names = report::saveAllFileNames(fromLocal(base) + QStringLiteral(".wmf"), int(pages.size()));
    for (int i = 0; i < names.size(); ++i) {
        QString name = names[i];
        name.replace(name.size() - 3, 3, exporter.suffix());
        if (!exporter.write(pages[i], name)) {
            errors << exporter.errorString().toStdString() << '\n';
            return false;
        }
    }
    return true;
}

// One file per page in DIR: page01.EXT .. page17.EXT.
bool writePageFolder(report::ReportExporter &exporter, const Pages &pages, const std::string &dir,
                     std::ostream &errors)
{
    const QDir folder(fromLocal(dir));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        errors << "无法创建文件夹 " << dir << '\n';
        return false;
    }
    for (size_t i = 0; i < pages.size(); ++i) {
        const QString name = folder.filePath(
            QStringLiteral("page%1.%2").arg(int(i + 1), 2, 10, QLatin1Char('0')).arg(exporter.suffix()));
        if (!exporter.write(pages[i], name)) {
            errors << exporter.errorString().toStdString() << '\n';
            return false;
        }
    }
    return true;
}

bool writeTexts(const Pages &pages, const std::string &fileName, std::ostream &errors)
{
    QSaveFile file(fromLocal(fileName));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(report::textsDump(pages).toUtf8());
        if (file.commit())
            return true;
    }
    errors << "无法写入文件 " << fileName << ": " << file.errorString().toStdString() << '\n';
    return false;
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
        ok = writePageSet(wmf, pages, *command.wmfBase, errors) && ok;
    }
    if (command.emfBase) {
        report::EmfExporter emf;
        ok = writePageSet(emf, pages, *command.emfBase, errors) && ok;
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
        ok = writeTexts(pages, *command.textsFile, errors) && ok;
    return ok;
}

} // namespace cli
