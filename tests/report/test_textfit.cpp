// Texts that grow with the input stay inside their cells: they shrink, then
// lose decimals or their middle, and never cross a rule or the red border.
#include "engine/calculation.h"
#include "engine/designchecks.h"
#include "report/fittedtext.h"
#include "report/pagestyle.h"
#include "report/reportbuilder.h"
#include "report/reportpage.h"
#include "support/spanfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

namespace {

using report::PageBox;
using report::ReportPage;
using report::TextCommand;

PageBox boxOf(const TextCommand &text)
{
    return {text.topLeft.x(), text.topLeft.y(), text.topLeft.x() + text.cellWidth, text.topLeft.y() + text.cellHeight};
}

std::vector<TextCommand> textsOf(const ReportPage &page)
{
    std::vector<TextCommand> texts;
    for (const report::PageCommand &command : page.commands()) {
        if (const auto *text = std::get_if<TextCommand>(&command))
            texts.push_back(*text);
    }
    return texts;
}

/// The boxes of every drawMarkupText() call of \a page, one list per call.
std::vector<std::vector<PageBox>> boxesPerCall(const ReportPage &page)
{
    std::vector<std::vector<PageBox>> calls;
    for (const report::PageCommand &command : page.commands()) {
        if (std::holds_alternative<report::MarkupAnnotation>(command))
            calls.emplace_back();
        else if (const auto *text = std::get_if<TextCommand>(&command); text && !calls.empty())
            calls.back().push_back(boxOf(*text));
    }
    return calls;
}

bool overlap(const PageBox &a, const PageBox &b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

/// How many pairs of texts drawn by different calls on \a page cover each other.
int overlappingTexts(const ReportPage &page)
{
    const std::vector<std::vector<PageBox>> calls = boxesPerCall(page);
    int count = 0;
    for (std::size_t i = 0; i < calls.size(); ++i)
        for (std::size_t j = i + 1; j < calls.size(); ++j)
            for (const PageBox &a : calls[i])
                for (const PageBox &b : calls[j])
                    count += overlap(a, b) ? 1 : 0;
    return count;
}

bool inside(const PageBox &box, const PageBox &cell)
{
    return box.left >= cell.left && box.right <= cell.right && box.top >= cell.top && box.bottom <= cell.bottom;
}

// ---- One text and its cell ------------------------------------------------

TEST(FittedText, AFittingTextIsDrawnAsGiven)
{
    ReportPage page;
    report::drawFittedText(page, {300, 170, 360, 195}, 330, 182, 8, QStringLiteral("MC"), QStringLiteral("220"));
    const report::MarkupAnnotation drawn = page.markupAnnotations().at(0);
    EXPECT_EQ(drawn.x, 330);
    EXPECT_EQ(drawn.size, 8);
    EXPECT_EQ(drawn.text, QStringLiteral("220"));
}

TEST(FittedText, AWideTextShrinksThenLosesItsMiddle)
{
    const PageBox cell{100, 100, 160, 125};
    ReportPage shrunk;
    report::drawFittedText(shrunk, cell, 130, 112, 10, QStringLiteral("MC"), QStringLiteral("12345.678"));
    EXPECT_LT(shrunk.markupAnnotations().at(0).size, 10);
    EXPECT_GE(shrunk.markupAnnotations().at(0).size, report::minimumFittedSize);
    EXPECT_EQ(shrunk.markupAnnotations().at(0).text, QStringLiteral("12345.678"));
    EXPECT_TRUE(inside(boxOf(textsOf(shrunk).at(0)), cell));

    ReportPage abbreviated;
    const QString designation = QStringLiteral("甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉");
    report::drawFittedText(abbreviated, cell, 130, 112, 10, QStringLiteral("MC"), designation);
    const report::MarkupAnnotation drawn = abbreviated.markupAnnotations().at(0);
    EXPECT_EQ(drawn.size, report::minimumFittedSize);
    EXPECT_TRUE(drawn.text.startsWith(u'甲')) << drawn.text.toStdString();
    EXPECT_TRUE(drawn.text.endsWith(u'酉')) << drawn.text.toStdString();
    EXPECT_TRUE(drawn.text.contains(report::abbreviationMark));
    EXPECT_TRUE(inside(boxOf(textsOf(abbreviated).at(0)), cell));
}

// A text anchored near one side of its cell is moved in, not cut.
TEST(FittedText, AnAnchorNearASideMovesTheTextIn)
{
    ReportPage page;
    report::drawFittedText(page, {0, 0, 200, 25}, 190, 12, 9, QStringLiteral("LC"), QStringLiteral("RA = 1234.567"));
    const std::vector<TextCommand> texts = textsOf(page);
    EXPECT_EQ(page.markupAnnotations().at(0).size, 9);
    EXPECT_LE(boxOf(texts.back()).right, 200 - report::cellPadding);
}

// A cut never leaves half a tag to be printed as text.
TEST(FittedText, AbbreviationKeepsMarkupTagsWhole)
{
    ReportPage page;
    const QString text = QStringLiteral("截面(mm$sbks2$sbjs)截面(mm$sbks2$sbjs)截面(mm$sbks2$sbjs)截面(mm$sbks2$sbjs)");
    report::drawFittedText(page, {0, 0, 60, 25}, 30, 12, 10, QStringLiteral("MC"), text);
    for (const TextCommand &drawn : textsOf(page)) {
        EXPECT_FALSE(drawn.text.contains(u'$')) << drawn.text.toStdString();
        EXPECT_LE(boxOf(drawn).right, 60);
    }
}

TEST(FittedText, ANumberLosesDecimalsBeforeDigits)
{
    ReportPage page;
    report::drawCentredNumber(page, {0, 0, 40, 25}, 20, 12, 10, 2100780.288f, 3);
    const QString drawn = page.markupAnnotations().at(0).text;
    EXPECT_FALSE(drawn.contains(report::abbreviationMark)) << drawn.toStdString();
    EXPECT_TRUE(drawn.startsWith(QStringLiteral("21007"))) << drawn.toStdString();
    EXPECT_LE(boxOf(textsOf(page).at(0)).right, 40);
}

// ---- The whole report at the limits of the input checks -------------------

QString repeated(const QString &unit, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += unit;
    return text;
}

// The longest texts the checks let through (span name and custom conductor
// at their length limits, string designations, which have none, longer than
// any catalogue's) and figures at the top of their ranges: 500 kV, eight
// sub-conductors, heavy strings and leads, 120 m/s wind, -90..300 ℃.
engine::CalculationInput extremeSpan()
{
    namespace slot = engine::slot;
    engine::CalculationInput in = testing_span::defaultSpan();
    in[slot::spanTitle] = repeated(QStringLiteral("变"), 100).toStdString();
    in[slot::voltageLevel] = "500";
    in[slot::spanLength] = "299.999999";
    in[slot::heightDifference] = "-12.3456789";
    in[slot::controlSag] = "9.87654321";
    in[slot::maintenancePoint] = "150.000001";
    in[slot::conductorType] = repeated(QStringLiteral("导"), 40).toStdString();
    in[slot::conductorUnitWeight] = "9.9999999";
    in[slot::bundleCount] = "8";
    for (int c = 0; c < engine::conditionCount; ++c) {
        in[slot::conditionTemperature + c] = c % 2 ? "-89.99999" : "299.99999";
        in[slot::conditionWindSpeed + c] = "119.99999";
    }
    in[slot::iceThickness] = "99.999999";
    for (int base : {slot::stringA, slot::stringB}) {
        in[base + engine::stringType] = repeated(QStringLiteral("串"), 60).toStdString();
        in[base + engine::stringLength] = "12000.00001";
        in[base + engine::stringWeight] = "9999.99999";
        in[base + engine::stringIcedWeight] = "19999.9999";
        in[base + engine::stringWindArea] = "99.999999";
        in[base + engine::stringIcedWindArea] = "199.99999";
    }
    const char *positions[] = {"", "40.000001", "50.000001", "50.000001", "50.000001", ""};
    for (int lead = 0; lead < engine::leadCount; ++lead) {
        const bool jumper = lead == engine::leadPA || lead == engine::leadPB;
        const std::string type = repeated(QStringLiteral("引"), 30).toStdString();
        const char *fields[] = {type.c_str(), "9.9999999", "99.999999",
                                "8",          "0.5",       "99.99999",
                                "999.99999",  "9999.9999", jumper ? "此处不填" : positions[lead]};
        for (int f = 0; f < 9; ++f)
            in[engine::leadSlot(lead, f)] = fields[f];
    }
    return in;
}

struct Rule
{
    PageBox extent;
    bool vertical;
};

std::vector<Rule> rulesOf(const ReportPage &page)
{
    std::vector<Rule> rules;
    const auto add = [&](int x1, int y1, int x2, int y2) {
        if (x1 == x2)
            rules.push_back({{x1, std::min(y1, y2), x1, std::max(y1, y2)}, true});
        else if (y1 == y2)
            rules.push_back({{std::min(x1, x2), y1, std::max(x1, x2), y1}, false});
    };
    for (const report::PageCommand &command : page.commands()) {
        if (const auto *line = std::get_if<report::LineCommand>(&command)) {
            add(line->from.x(), line->from.y(), line->to.x(), line->to.y());
        } else if (const auto *box = std::get_if<report::RectangleCommand>(&command)) {
            if (box->pen.style == report::PenStyle::Clear)
                continue;
            const PageBox &b = box->box;
            add(b.left, b.top, b.left, b.bottom);
            add(b.right, b.top, b.right, b.bottom);
        }
    }
    return rules;
}

// A text crosses a side rule when the rule's column of pixels lies in its
// cell over some height: its white background would cut the rule.
bool crosses(const PageBox &text, const Rule &rule)
{
    return rule.vertical && text.left <= rule.extent.left && rule.extent.left < text.right
        && text.top < rule.extent.bottom && rule.extent.top < text.bottom;
}

TEST(FittedText, NoTextOfTheLongestInputsCrossesARuleOrTheBorder)
{
    const engine::CalculationInput input = extremeSpan();
    const engine::CalculationResult result = engine::runCalculation(input);
    engine::DesignCheckSettings settings;
    settings.conductorRatedStrength_N = 123456789.123;
    settings.stringARatedLoad_kN = 98765.4321;
    const report::DesignCheckPage check{engine::checkDesign(result, settings), settings};
    const std::vector<ReportPage> pages = report::buildReport(input, result, false, check);

    constexpr PageBox border{20, 100, 1168, 820};
    int abbreviatedNumbers = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::vector<Rule> rules = rulesOf(pages[p]);
        for (const TextCommand &text : textsOf(pages[p])) {
            const PageBox box = boxOf(text);
            const std::string where = "page " + std::to_string(p + 1) + " \"" + text.text.toStdString() + "\" at "
                + std::to_string(box.left) + "," + std::to_string(box.top);
            EXPECT_TRUE(inside(box, border)) << where;
            for (const Rule &rule : rules)
                EXPECT_FALSE(crosses(box, rule)) << where << " crosses x " << rule.extent.left;
            const bool number = !text.text.isEmpty() && (text.text.at(0).isDigit() || text.text.at(0) == u'-');
            if (number && text.text.contains(report::abbreviationMark))
                ++abbreviatedNumbers;
        }
        EXPECT_EQ(overlappingTexts(pages[p]), 0) << "page " << p + 1;
    }
    EXPECT_EQ(abbreviatedNumbers, 0);
}

} // namespace
