// The PDF the report and the batches are written to: what it draws must be
// what the screen draws, its pages must not depend on the document they are
// in, and its fonts must carry every glyph shown and every character behind it.
#include "report/markuptext.h"
#include "report/pagepainter.h"
#include "report/pdfpagewriter.h"
#include "report/pdfsyntax.h"
#include "samplepage.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace report;

namespace {

/// A page of texts that need a second face (powers of ten, Greek), of numbers, and of a
/// face of PostScript outlines (P052, of fonts-urw-base35), which is drawn as outlines.
ReportPage mixedFacePage()
{
    ReportPage page;
    page.setFontName(QStringLiteral("宋体"));
    page.setFontColor(Qt::black);
    page.setBrushStyle(BrushStyle::Clear);
    drawMarkupText(200, 100, 12, QStringLiteral("LC"), QStringLiteral("实际弹性模量 2.713×10¹⁰ N/m²"), page);
    drawMarkupText(200, 160, 9, QStringLiteral("LC"), QStringLiteral("系数ϕ = 0.09325, ζ = 8.686"), page);
    drawMarkupText(200, 220, 10, QStringLiteral("LC"), QStringLiteral("-646.051"), page);
    page.setFontName(QStringLiteral("P052"));
    drawMarkupText(200, 280, 14, QStringLiteral("LC"), QStringLiteral("Outlines 0.875"), page);
    return page;
}

QByteArray pdfOf(const std::vector<ReportPage> &pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PdfPageWriter writer(buffer, "测试");
    for (const ReportPage &page : pages)
        EXPECT_TRUE(writer.addPage(page));
    EXPECT_TRUE(writer.finish());
    return buffer.data();
}

/// qpdf reads \a bytes as it goes: they must outlive the document.
std::unique_ptr<QPDF> parsed(const QByteArray &bytes)
{
    auto pdf = std::make_unique<QPDF>();
    pdf->processMemoryFile("test.pdf", bytes.constData(), std::size_t(bytes.size()));
    return pdf;
}

std::string contentOf(QPDF &pdf, std::size_t page)
{
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
    const std::shared_ptr<Buffer> data = pages.at(page).getObjectHandle().getKey("/Contents").getStreamData();
    return std::string(reinterpret_cast<const char *>(data->getBuffer()), data->getSize());
}

/// Runs a poppler tool; empty when it is missing or fails.
bool runPoppler(const QString &tool, const QStringList &arguments, QByteArray *output = nullptr)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return false;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return false;
    if (output != nullptr)
        *output = process.readAllStandardOutput();
    return true;
}

/// How many dark pixels of \a a have no dark pixel of \a b within two pixels.
int unmatchedInk(const QImage &a, const QImage &b)
{
    int unmatched = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (qGray(a.pixel(x, y)) >= 128)
                continue;
            bool found = false;
            for (int dy = -2; dy <= 2 && !found; ++dy) {
                for (int dx = -2; dx <= 2 && !found; ++dx) {
                    const QPoint near(x + dx, y + dy);
                    found = b.rect().contains(near) && qGray(b.pixel(near)) < 192;
                }
            }
            unmatched += found ? 0 : 1;
        }
    }
    return unmatched;
}

int ink(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    return count;
}

} // namespace

TEST(PdfPageWriter, DrawsWhatTheScreenDraws)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const ReportPage &page : {samplePage(), mixedFacePage()}) {
        QFile file(dir.filePath(QStringLiteral("page.pdf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pdfOf({page}));
        file.close();
        // The page fills the sheet's height: at 72 / (595 / 840) dots an inch a page unit is a pixel.
        const QString resolution = QString::number(72.0 * 840 / 595, 'f', 4);
        if (!runPoppler(QStringLiteral("pdftoppm"),
                        {QStringLiteral("-r"), resolution, QStringLiteral("-gray"), QStringLiteral("-singlefile"),
                         file.fileName(), dir.filePath(QStringLiteral("page"))}))
            GTEST_SKIP() << "pdftoppm (poppler-utils) is missing";
        const QImage printed(dir.filePath(QStringLiteral("page.pgm")));
        const QImage screen = renderPageImage(page);
        ASSERT_FALSE(printed.isNull());
        ASSERT_GE(printed.width(), screen.width());
        // Antialiasing and hinting differ at the edges; a glyph or line out of place leaves whole strokes.
        EXPECT_LT(unmatchedInk(printed, screen), ink(printed) / 200);
        EXPECT_LT(unmatchedInk(screen, printed), ink(screen) / 200);
    }
}

TEST(PdfPageWriter, APageIsWrittenAlikeInEveryDocument)
{
    const ReportPage page = samplePage();
    const QByteArray aloneBytes = pdfOf({page});
    const QByteArray amongBytes = pdfOf({mixedFacePage(), ReportPage(550, 220), page});
    const std::unique_ptr<QPDF> alone = parsed(aloneBytes);
    const std::unique_ptr<QPDF> among = parsed(amongBytes);
    EXPECT_EQ(contentOf(*alone, 0), contentOf(*among, 2));
}

TEST(PdfPageWriter, EmbedsEachFaceOnceWithTheCharactersOfItsGlyphs)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray bytes = pdfOf({mixedFacePage(), samplePage(), mixedFacePage()});
    const std::unique_ptr<QPDF> pdf = parsed(bytes);
    int type0Fonts = 0;
    for (QPDFObjectHandle object : pdf->getAllObjects()) {
        if (object.isDictionary() && object.getKey("/Subtype").isNameAndEquals("/Type0"))
            ++type0Fonts;
    }
    // The Song face and the face of the powers and Greek letters.
    EXPECT_EQ(type0Fonts, 2);

    QFile file(dir.filePath(QStringLiteral("mixed.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QByteArray text;
    if (!runPoppler(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")}, &text))
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    const QString shown = QString::fromUtf8(text);
    EXPECT_TRUE(shown.contains(QStringLiteral("实际弹性模量 2.713×10¹⁰ N/m²"))) << text.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("系数ϕ = 0.09325, ζ = 8.686"))) << text.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("-646.051"))) << text.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("最高温度时的M、D计算"))) << text.toStdString();
}

TEST(PdfPageWriter, NumbersAreWrittenAsEveryReaderParsesThem)
{
    const std::vector<std::pair<double, std::string>> cases = {
        {12, "12"},           {0.70833333, "0.7083"}, {-3.5, "-3.5"},  {-0.00001, "0"}, {1e-9, "0"},
        {1188.99996, "1189"}, {std::nan(""), "0"},    {HUGE_VAL, "0"}, {1e300, "0"},
    };
    for (const auto &[value, written] : cases) {
        std::string out;
        appendNumber(out, value);
        EXPECT_EQ(out, written) << value;
    }
    std::string fine;
    appendNumber(fine, 0.70833333, 8);
    EXPECT_EQ(fine, "0.70833333");
}
