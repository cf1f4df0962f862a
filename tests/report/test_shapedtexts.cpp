// Texts drawn from kept layouts must give a PDF the very drawing that
// QPainter::drawText() gives it: the same glyphs at the same points and the
// same state written between them, for mixed scripts, fallback glyphs and
// colours, on the first page and on every page after it that reuses them.
#include "report/pagepainter.h"
#include "report/primitives.h"
#include "report/markuptext.h"
#include "report/shapedtexts.h"
#include "samplepage.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace report;

namespace {

ReportPage pageOfMixedTexts()
{
    ReportPage page = samplePage();
    page.setFontName(QStringLiteral("宋体"));
    page.setFontColor(Qt::black);
    drawMarkupText(300, 400, 9, QStringLiteral("LC"), QStringLiteral("220kV#1主变进线 LGJ-400/35 ×2"), page);
    drawMarkupText(300, 420, 11, QStringLiteral("LC"), QStringLiteral("温度 -40℃ ≤ t ≤ 70℃, ±0.5 ㎡ ① Ⅱ"), page);
    page.setFontColor(QColor(0xC0, 0, 0));
    drawMarkupText(300, 440, 9, QStringLiteral("LC"), QStringLiteral("H = 12.313 kN, f = 1.926 m"), page);
    page.setBrushStyle(BrushStyle::Clear);
    drawMarkupText(300, 460, 10, QStringLiteral("LC"), QStringLiteral("σ=E·ε (N/mm$sbks2$sbjs)"), page);
    return page;
}

/// The decoded drawing of each page of a PDF painted with the pages, texts kept or drawn directly.
std::vector<std::string> paintedDrawings(const std::vector<ReportPage> &pages, bool keepTexts)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    writer.setResolution(1200);
    ShapedTexts kept;
    {
        QPainter painter(&writer);
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
            paintPage(painter, pages[i], QRectF(0, 0, writer.width(), writer.height()), keepTexts ? &kept : nullptr);
        }
    }
    QPDF pdf;
    pdf.processMemoryFile("painted", buffer.data().constData(), std::size_t(buffer.data().size()));
    std::vector<std::string> drawings;
    for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        const std::shared_ptr<Buffer> data = page.getObjectHandle().getKey("/Contents").getStreamData();
        drawings.emplace_back(reinterpret_cast<const char *>(data->getBuffer()), data->getSize());
    }
    return drawings;
}

} // namespace

TEST(ShapedTexts, KeptTextsDrawWhatDrawTextDrawsOnEveryPage)
{
    const std::vector<ReportPage> pages{pageOfMixedTexts(), samplePage(), pageOfMixedTexts()};
    const std::vector<std::string> direct = paintedDrawings(pages, false);
    const std::vector<std::string> kept = paintedDrawings(pages, true);
    ASSERT_EQ(direct.size(), pages.size());
    ASSERT_EQ(kept.size(), pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_NE(direct[i].find(" Tj\n"), std::string::npos) << "page " << i;
        EXPECT_EQ(kept[i], direct[i]) << "page " << i;
    }
}

TEST(ShapedTexts, NothingIsDrawnForAnEmptyTextOrWithoutPen)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    ShapedTexts kept;
    painter.setPen(Qt::NoPen);
    kept.draw(painter, QStringLiteral("宋体"), 12, QPointF(10, 10), QStringLiteral("跨线"));
    painter.setPen(Qt::black);
    kept.draw(painter, QStringLiteral("宋体"), 12, QPointF(10, 10), QString());
    EXPECT_TRUE(painter.end());
    QPDF pdf;
    pdf.processMemoryFile("painted", buffer.data().constData(), std::size_t(buffer.data().size()));
    const std::shared_ptr<Buffer> data =
        QPDFPageDocumentHelper(pdf).getAllPages().at(0).getObjectHandle().getKey("/Contents").getStreamData();
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(data->getBuffer()), data->getSize()).find("Tj"),
              std::string::npos);
}
