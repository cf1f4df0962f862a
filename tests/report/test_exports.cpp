#include "report/exporters.h"
#include "report/pagepainter.h"
#include "report/pages.h"
#include "samplepage.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <optional>

using namespace report;

namespace {

QByteArray fileContent(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Standard output of a poppler tool, or a skip reason when it is missing.
QString popplerOutput(const QString &tool, const QStringList &arguments, QString *skipReason)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        *skipReason = tool + QStringLiteral(" (poppler-utils) is not installed");
        return {};
    }
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(Exports, PdfHoldsEveryPageWithSearchableChineseText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = dir.filePath(QStringLiteral("report.pdf"));
    const std::vector<ReportPage> pages = {samplePage(), samplePage(), ReportPage(550, 220)};
    PdfExporter exporter;
    ASSERT_TRUE(exporter.write(pages, name)) << exporter.errorString().toStdString();

    QString skip;
    const QString info = popplerOutput(QStringLiteral("pdfinfo"), {name}, &skip);
    if (!skip.isEmpty()) {
        GTEST_SKIP() << skip.toStdString();
    }
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\b")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+84[12](\\.\\d+)? x 595(\\.\\d+)?"))))
        << info.toStdString();

    const QString text = popplerOutput(QStringLiteral("pdftotext"), {name, QStringLiteral("-")}, &skip);
    EXPECT_TRUE(text.contains(QStringLiteral("软导线实用力学计算书"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("最高温度时的M、D计算"))) << text.toStdString();
}

// Read back as a viewer reads it: the document information and the outline.
TEST(Exports, PdfNamesTheSpanAndTheProgramAndHasAnEntryPerPage)
{
    std::vector<ReportPage> pages = {samplePage(), samplePage(), samplePage()};
    for (int index = 0; index < 3; ++index)
        pages[index].setTitle(reportPageListTitle(index));
    PdfExporter exporter(QStringLiteral("220kV#1主变进线间隔跨线"));
    const std::optional<QByteArray> bytes = exporter.fileContents(pages, QStringLiteral("report.pdf"));
    ASSERT_TRUE(bytes) << exporter.errorString().toStdString();
    QPDF pdf;
    pdf.processMemoryFile("report.pdf", bytes->constData(), std::size_t(bytes->size()));
    QPDFObjectHandle information = pdf.getTrailer().getKey("/Info");
    EXPECT_EQ(information.getKey("/Title").getUTF8Value(), "软导线实用力学计算书 - 220kV#1主变进线间隔跨线");
    EXPECT_EQ(information.getKey("/Creator").getUTF8Value(), std::string("Tenrix ") + TENRIX_VERSION);
    EXPECT_EQ(pdf.getRoot().getKey("/PageMode").getName(), "/UseOutlines");

    std::vector<QPDFPageObjectHelper> pdfPages = QPDFPageDocumentHelper(pdf).getAllPages();
    QPDFOutlineDocumentHelper outline(pdf);
    std::vector<QPDFOutlineObjectHelper> entries = outline.getTopLevelOutlines();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].getTitle(), "第1页 输入数据和计算结果汇总");
    EXPECT_EQ(entries[1].getTitle(), "第2页 各种工况下的荷载计算表");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].getDestPage().getObjGen(), pdfPages[i].getObjectHandle().getObjGen());
        EXPECT_TRUE(entries[i].getKids().empty());
    }
    // Without a span name the title is the report's alone.
    PdfExporter unnamed;
    const std::optional<QByteArray> plain = unnamed.fileContents(pages, QStringLiteral("report.pdf"));
    ASSERT_TRUE(plain);
    QPDF plainPdf;
    plainPdf.processMemoryFile("report.pdf", plain->constData(), std::size_t(plain->size()));
    EXPECT_EQ(plainPdf.getTrailer().getKey("/Info").getKey("/Title").getUTF8Value(), "软导线实用力学计算书");
}

TEST(Exports, SvgAndPngShowThePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ReportPage page = samplePage();

    const QString svgName = dir.filePath(QStringLiteral("page.svg"));
    SvgExporter svg;
    ASSERT_TRUE(svg.write(page, svgName)) << svg.errorString().toStdString();
    const QString svgText = QString::fromUtf8(fileContent(svgName));
    EXPECT_TRUE(svgText.contains(QStringLiteral("viewBox=\"0 0 1188 840\"")));
    // SVG splits a line into runs of one script each.
    EXPECT_TRUE(svgText.contains(QStringLiteral(">最高温度时的<")));

    const QString pngName = dir.filePath(QStringLiteral("page.png"));
    PngExporter png(192);
    ASSERT_TRUE(png.write(page, pngName)) << png.errorString().toStdString();
    const QImage image(pngName);
    ASSERT_EQ(image.size(), QSize(2376, 1680));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
    // The red border at x 20..1168, y 100..820 (doubled).
    EXPECT_EQ(image.pixelColor(1000, 200), QColor(0xFF, 0, 0));
}

TEST(Exports, RenderedImagesScaleWithTheResolution)
{
    const ReportPage page = samplePage();
    EXPECT_EQ(renderPageImage(page).size(), QSize(1188, 840));
    EXPECT_EQ(renderPageImage(page, 48).size(), QSize(594, 420));
    EXPECT_TRUE(renderPageImage(page, 5).isNull());
    EXPECT_TRUE(renderPageImage(page, std::numeric_limits<double>::quiet_NaN()).isNull());
}

TEST(Exports, FailuresAreReportedAndLeaveTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("old.png"));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old content");
    }
    PngExporter tooFine(1e6);
    EXPECT_FALSE(tooFine.write(samplePage(), existing));
    EXPECT_TRUE(tooFine.errorString().contains(QStringLiteral("old.png"))) << tooFine.errorString().toStdString();
    EXPECT_TRUE(tooFine.errorString().contains(QStringLiteral("dpi")));
    EXPECT_EQ(fileContent(existing), QByteArray("old content"));

    WmfExporter wmf;
    EXPECT_FALSE(wmf.write(samplePage(), dir.filePath(QStringLiteral("no-such-folder/page.wmf"))));
    EXPECT_TRUE(wmf.errorString().startsWith(QStringLiteral("保存文件"))) << wmf.errorString().toStdString();

    const std::vector<ReportPage> two = {samplePage(), samplePage()};
    EXPECT_FALSE(wmf.write(two, dir.filePath(QStringLiteral("two.wmf"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("two.wmf"))));
    EXPECT_FALSE(wmf.errorString().isEmpty());

    ASSERT_TRUE(wmf.write(samplePage(), existing));
    EXPECT_TRUE(wmf.errorString().isEmpty());
}

TEST(Exports, DeviceAsTargetIsWrittenIntoAndStaysADevice)
{
    PdfExporter pdf;
    ASSERT_TRUE(pdf.write(std::vector<ReportPage>(2, samplePage()), QStringLiteral("/dev/null")))
        << pdf.errorString().toStdString();
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_FALSE(pdf.write(samplePage(), QStringLiteral("/dev/full")));
    EXPECT_EQ(pdf.errorString(), QStringLiteral("保存文件“/dev/full”失败：磁盘已满。"));
}

TEST(Exports, FormatFollowsTheFileNameSuffix)
{
    EXPECT_EQ(exporterForFileName(QStringLiteral("a/b.WMF"))->suffix(), QStringLiteral("wmf"));
    EXPECT_EQ(exporterForFileName(QStringLiteral("b.pdf"))->suffix(), QStringLiteral("pdf"));
    EXPECT_EQ(exporterForFileName(QStringLiteral("b.Svg"))->suffix(), QStringLiteral("svg"));
    EXPECT_EQ(exporterForFileName(QStringLiteral("b.png"))->suffix(), QStringLiteral("png"));
    EXPECT_EQ(exporterForFileName(QStringLiteral("b.emf"))->suffix(), QStringLiteral("emf"));
    EXPECT_EQ(exporterForFileName(QStringLiteral("b.wmf.bak"))->suffix(), QStringLiteral("emf"));
    EXPECT_EQ(exporterForFileName(QStringLiteral("b"))->suffix(), QStringLiteral("emf"));
    EXPECT_TRUE(exporterForFileName(QStringLiteral("b.pdf"))->holdsManyPages());
}
