#include "fakecanvas.h"

#include "report/markuptext.h"

#include <gtest/gtest.h>

using report::drawMarkupText;
using Text = FakeCanvas::Text;

// With the fake metrics, at size 10: a character is 10 wide, a script
// character 6; the normal line is 21 high, the measuring line (5 pt) 11.

TEST(MarkupText, NineAnchorsPlaceTheTextBox)
{
    struct Case
    {
        const char16_t *anchor;
        int x;
        int y;
    };
    // "AB" is 20 wide and 21 high; y − 21/2 = 189.5 is truncated to 189.
    const Case cases[] = {
        {u"LT", 100, 200}, {u"MT", 90, 200}, {u"RT", 80, 200},
        {u"LC", 100, 189}, {u"MC", 90, 189}, {u"RC", 80, 189},
        {u"LB", 100, 179}, {u"MB", 90, 179}, {u"RB", 80, 179},
    };
    for (const Case &c : cases) {
        FakeCanvas canvas;
        drawMarkupText(100, 200, 10, QString::fromUtf16(c.anchor), QStringLiteral("AB"), canvas);
        ASSERT_EQ(canvas.texts.size(), 1U);
        EXPECT_EQ(canvas.texts[0], (Text{c.x, c.y, 10, QStringLiteral("AB")})) << QString::fromUtf16(c.anchor).toStdString();
    }
}

TEST(MarkupText, UnknownAndLowerCaseAnchorsActAsLeftTop)
{
    for (const QString &anchor : {QStringLiteral("mc"), QStringLiteral("rb"), QStringLiteral("XX"), QString(),
                                  QStringLiteral("MCX"), QStringLiteral("CM")}) {
        FakeCanvas canvas;
        drawMarkupText(100, 200, 10, anchor, QStringLiteral("AB"), canvas);
        ASSERT_EQ(canvas.texts.size(), 1U);
        EXPECT_EQ(canvas.texts[0].x, 100) << anchor.toStdString();
        EXPECT_EQ(canvas.texts[0].y, 200) << anchor.toStdString();
    }
}

TEST(MarkupText, CentresTruncateTowardZero)
{
    FakeCanvas canvas;
    // Width 15: 15 / 2 = 7. Height 11 at 5 pt: 5 − 5.5 = −0.5 truncates to 0, not −1.
    drawMarkupText(100, 5, 5, QStringLiteral("MC"), QStringLiteral("ABC"), canvas);
    ASSERT_EQ(canvas.texts.size(), 1U);
    EXPECT_EQ(canvas.texts[0].x, 93);
    EXPECT_EQ(canvas.texts[0].y, 0);
}

TEST(MarkupText, SuperscriptIsRaisedAndCountedAtItsSmallWidth)
{
    FakeCanvas canvas;
    drawMarkupText(500, 300, 10, QStringLiteral("MC"), QStringLiteral("σn(N/mm$sbks2$sbjs)"), canvas);
    // Width 70 + 6 + 10 = 86: starts at 500 − 43. Top 300 − 10.5 → 289.
    // The raise is a third of the 5-point line (11 / 3 = 3), not of the 6-point one.
    const std::vector<Text> expected = {
        {457, 289, 10, QStringLiteral("σn(N/mm")},
        {527, 286, 6, QStringLiteral("2")},
        {533, 289, 10, QStringLiteral(")")},
    };
    EXPECT_EQ(canvas.texts, expected);
    EXPECT_EQ(canvas.size, 10);
}

TEST(MarkupText, SubscriptSitsOnTheBottomOfTheNormalLine)
{
    FakeCanvas canvas;
    drawMarkupText(40, 25, 10, QStringLiteral("LC"), QStringLiteral("F$xbksJ$xbjs"), canvas);
    // Top 25 − 10.5 → 14; the 11-high script cell ends at 14 + 21.
    const std::vector<Text> expected = {
        {40, 14, 10, QStringLiteral("F")},
        {50, 24, 6, QStringLiteral("J")},
    };
    EXPECT_EQ(canvas.texts, expected);
}

TEST(MarkupText, SizesNotDivisibleByFiveMeasureScriptsAtTheirOwnSize)
{
    FakeCanvas canvas;
    // Size 8: scripts at 4 points, measured at 4 (line 9): raise 3, drop to 17 − 9.
    drawMarkupText(0, 0, 8, QStringLiteral("LT"), QStringLiteral("m$sbks2$sbjs)$xbksx"), canvas);
    const std::vector<Text> expected = {
        {0, 0, 8, QStringLiteral("m")},
        {8, -3, 4, QStringLiteral("2")},
        {12, 0, 8, QStringLiteral(")")},
        {20, 8, 4, QStringLiteral("x")},
    };
    EXPECT_EQ(canvas.texts, expected);
}

TEST(MarkupText, StackedScriptsShareTheirStartAndCountTheWiderOnce)
{
    {
        FakeCanvas canvas;
        // Superscript "23" (12) over subscript "k" (6): box 10 + 12 + 10 = 32.
        drawMarkupText(100, 0, 10, QStringLiteral("RT"), QStringLiteral("A$sbks23$sbjs$xbksk$xbjsZ"), canvas);
        const std::vector<Text> expected = {
            {68, 0, 10, QStringLiteral("A")},
            {78, -3, 6, QStringLiteral("23")},
            {78, 10, 6, QStringLiteral("k")},
            {90, 0, 10, QStringLiteral("Z")},
        };
        EXPECT_EQ(canvas.texts, expected);
    }
    {
        FakeCanvas canvas;
        // The subscript "ijk" (18) is the wider: box 10 + 6 + 12 + 10 = 38.
        drawMarkupText(100, 0, 10, QStringLiteral("RT"), QStringLiteral("A$sbks2$sbjs$xbksijk$xbjsZ"), canvas);
        const std::vector<Text> expected = {
            {62, 0, 10, QStringLiteral("A")},
            {72, -3, 6, QStringLiteral("2")},
            {72, 10, 6, QStringLiteral("ijk")},
            {90, 0, 10, QStringLiteral("Z")},
        };
        EXPECT_EQ(canvas.texts, expected);
    }
}

TEST(MarkupText, SubscriptAfterTextIsNotStacked)
{
    FakeCanvas canvas;
    // "$sbjs)" leaves a non-empty run between, so the subscript follows on.
    drawMarkupText(0, 0, 10, QStringLiteral("LT"), QStringLiteral("A$sbks2$sbjs)$xbksk"), canvas);
    ASSERT_EQ(canvas.texts.size(), 4U);
    EXPECT_EQ(canvas.texts[3], (Text{26, 10, 6, QStringLiteral("k")}));
    EXPECT_EQ(canvas.size, 6); // the text ends inside the subscript
}

TEST(MarkupText, TextStartingWithATagIsRaisedFromTheAnchoredStart)
{
    FakeCanvas canvas;
    drawMarkupText(50, 60, 10, QStringLiteral("LT"), QStringLiteral("$sbks2$sbjsx"), canvas);
    const std::vector<Text> expected = {
        {50, 57, 6, QStringLiteral("2")},
        {56, 60, 10, QStringLiteral("x")},
    };
    EXPECT_EQ(canvas.texts, expected);
}

TEST(MarkupText, EmptyRunsAndStrayDollarsDrawNothingExtra)
{
    FakeCanvas empty;
    drawMarkupText(0, 0, 10, QStringLiteral("MC"), QString(), empty);
    EXPECT_TRUE(empty.texts.empty());

    FakeCanvas dollars;
    drawMarkupText(0, 0, 10, QStringLiteral("LT"), QStringLiteral("$5$SBKS$sbk"), dollars);
    ASSERT_EQ(dollars.texts.size(), 1U);
    EXPECT_EQ(dollars.texts[0].text, QStringLiteral("$5$SBKS$sbk"));

    FakeCanvas trailingTag;
    drawMarkupText(0, 0, 10, QStringLiteral("RT"), QStringLiteral("ab$sbks"), trailingTag);
    ASSERT_EQ(trailingTag.texts.size(), 1U);
    EXPECT_EQ(trailingTag.texts[0].x, -20); // the empty run adds no width
    EXPECT_EQ(trailingTag.size, 6);         // but leaves the font small
}

TEST(MarkupText, LongTextsWithManyTagsAreDrawnWhole)
{
    QString text = QStringLiteral("x");
    for (int i = 0; i < 60; ++i) {
        text += QStringLiteral("$sbks%1$sbjs").arg(i % 10);
    }
    FakeCanvas canvas;
    drawMarkupText(0, 0, 10, QStringLiteral("LT"), text, canvas);
    ASSERT_EQ(canvas.texts.size(), 61U);
    EXPECT_EQ(canvas.texts.back(), (Text{10 + 59 * 6, -3, 6, QStringLiteral("9")}));
}

TEST(MarkupText, SplitKeepsALeadingTagWithTheFirstRun)
{
    const QVector<report::MarkupSegment> segments = report::splitMarkup(QStringLiteral("$xbksa$xbjsb"));
    ASSERT_EQ(segments.size(), 2);
    EXPECT_EQ(segments[0].text, QStringLiteral("a"));
    EXPECT_EQ(segments[0].script, report::ScriptKind::Subscript);
    EXPECT_EQ(segments[1].text, QStringLiteral("b"));
    EXPECT_EQ(segments[1].script, report::ScriptKind::Normal);
}
