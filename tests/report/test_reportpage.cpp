#include "samplepage.h"

#include "report/fonts.h"
#include "report/markuptext.h"
#include "report/reportpage.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

using namespace report;

TEST(ReportPage, CopiesAreIndependent)
{
    ReportPage original;
    original.rectangle(0, 0, 10, 10);
    ReportPage copy = original;
    copy.setPenColor(Qt::red);
    copy.lineTo(5, 5);
    drawMarkupText(1, 2, 9, QStringLiteral("LT"), QStringLiteral("复制"), copy);

    EXPECT_EQ(original.commands().size(), 1U);
    EXPECT_EQ(original.pen().color, QColor(Qt::black));
    EXPECT_EQ(original.penPosition(), QPoint(0, 0));
    EXPECT_TRUE(original.markupAnnotations().empty());
    EXPECT_EQ(copy.commands().size(), 4U); // rectangle, line, annotation, text

    original = copy;
    copy.rectangle(1, 1, 2, 2);
    EXPECT_EQ(original.commands().size(), 4U);
}

TEST(ReportPage, EachCallKeepsTheStateItWasDrawnWith)
{
    ReportPage page(550, 220);
    EXPECT_EQ(page.size(), QSize(550, 220));
    page.setPenWidth(2);
    page.setPenColor(QColor(0xFF, 0, 0));
    page.moveTo(10, 20);
    page.lineTo(30, 40);
    page.setPenStyle(PenStyle::Dot);
    page.setBrushStyle(BrushStyle::Clear);
    page.rectangle(1, 2, 3, 4);

    const auto &line = std::get<LineCommand>(page.commands().at(0));
    EXPECT_EQ(line.from, QPoint(10, 20));
    EXPECT_EQ(line.to, QPoint(30, 40));
    EXPECT_EQ(line.pen, (PagePen{PenStyle::Solid, 2, QColor(0xFF, 0, 0)}));
    const auto &box = std::get<RectangleCommand>(page.commands().at(1));
    EXPECT_EQ(box.pen.style, PenStyle::Dot);
    EXPECT_EQ(box.brush.style, BrushStyle::Clear);
    EXPECT_EQ(page.penPosition(), QPoint(30, 40));
}

TEST(ReportPage, IncompleteCurvesAndEmptyTextsDrawNothing)
{
    ReportPage page;
    page.polyBezier({{0, 0}, {1, 1}, {2, 2}});
    page.polyBezier({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}});
    page.polygon({{0, 0}});
    page.textOut(0, 0, QString());
    EXPECT_TRUE(page.commands().empty());
    EXPECT_EQ(page.drawnBounds(), PageBox{});

    page.polyBezier({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}});
    EXPECT_EQ(page.commands().size(), 1U);
}

TEST(ReportPage, MarkupCallsAreAnnotatedWithTheFontColour)
{
    ReportPage page;
    page.setFontColor(QColor(0, 0x80, 0x80));
    drawMarkupText(723, 257, 8, QStringLiteral("mc"), QStringLiteral("H$xbksA$xbjs"), page);
    const std::vector<MarkupAnnotation> annotations = page.markupAnnotations();
    ASSERT_EQ(annotations.size(), 1U);
    EXPECT_EQ(annotations[0].x, 723);
    EXPECT_EQ(annotations[0].y, 257);
    EXPECT_EQ(annotations[0].size, 8);
    EXPECT_EQ(annotations[0].anchor, QStringLiteral("mc"));
    EXPECT_EQ(annotations[0].color, QColor(0, 0x80, 0x80));
    EXPECT_EQ(annotations[0].text, QStringLiteral("H$xbksA$xbjs"));
}

TEST(ReportPage, SongFaceResolvesToARealChineseFont)
{
    const QFont font = reportFont(QStringLiteral("宋体"), 16);
    const QFontMetrics metrics(font);
    EXPECT_TRUE(metrics.inFont(QChar(u'计')));
    EXPECT_TRUE(metrics.inFont(QChar(u'σ')));
    const QString family = QFontInfo(font).family();
    if (!family.contains(QStringLiteral("UMing"))) {
        GTEST_SKIP() << "AR PL UMing (fonts-arphic-uming) is not installed; got " << family.toStdString();
    }
}

TEST(ReportPage, TextMetricsComeFromTheFontAtItsPixelHeight)
{
    ReportPage page;
    page.setFontName(QStringLiteral("宋体"));
    page.setFontSize(12);
    const int width = page.textWidth(QStringLiteral("计算"));
    const int height = page.textHeight(QStringLiteral("计算"));
    // Chinese characters are square: one em, the 16-unit character height of 12 points.
    EXPECT_EQ(width, 2 * page.textWidth(QStringLiteral("计")));
    EXPECT_NEAR(width, 32, 2);
    EXPECT_GE(height, 16);
    EXPECT_LE(height, 20);
    page.setFontSize(6);
    EXPECT_LT(page.textWidth(QStringLiteral("计算")), width);
    page.setFontSize(12);
    EXPECT_EQ(page.textWidth(QStringLiteral("计算")), width);

    page.textOut(10, 20, QStringLiteral("计算"));
    const auto &text = std::get<TextCommand>(page.commands().back());
    EXPECT_EQ(text.cellWidth, width);
    EXPECT_EQ(text.cellHeight, height);
    EXPECT_GT(text.ascent, 0);
    EXPECT_LE(text.ascent, height);
}

TEST(ReportPage, DrawnBoundsHoldEverythingIncludingPenWidths)
{
    const ReportPage page = samplePage();
    EXPECT_EQ(page.drawnBounds(), (PageBox{0, 0, 1188, 840}));

    ReportPage small;
    small.setPenWidth(2);
    small.moveTo(10, 10);
    small.lineTo(20, 10);
    EXPECT_EQ(small.drawnBounds(), (PageBox{9, 9, 22, 12}));
}
