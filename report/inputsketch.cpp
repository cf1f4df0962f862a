#include "report/inputsketch.h"

#include "report/markuptext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/primitives.h"

#include <span>

namespace report {

namespace {

// Attachment point A = (50, 40) on the left structure, B = (320, 63) on the
// right one, so that B lies lower than A and the sketch shows h.
constexpr QuadPoints conductorCurve{50, 40, 145, 76, 189, 81, 320, 63};
constexpr QuadPoints stringA{56, 40, 78, 48, 76, 53, 55, 45};
constexpr QuadPoints stringB{288, 64, 311, 62, 312, 67, 289, 69};

struct Stroke
{
    int x1, y1, x2, y2;
};

// PA, P1..P4, PB hang from the conductor, each arrow 50 long.
constexpr Stroke loadArrows[] = {
    {77, 52, 77, 102},   {110, 62, 110, 112}, {145, 70, 145, 120},
    {189, 75, 189, 125}, {236, 74, 236, 124}, {288, 68, 288, 118},
};

constexpr Stroke structureLegs[] = {
    {50, 40, 35, 218},
    {50, 40, 65, 218},
    {320, 63, 305, 218},
    {320, 63, 335, 218},
};

// H pulls outwards and RA, RB push upwards at the attachment points.
constexpr Stroke forceArrows[] = {
    {50, 40, 15, 40},
    {50, 40, 50, 10},
    {320, 63, 360, 63},
    {320, 63, 320, 10},
};

constexpr Stroke extensionLines[] = {
    {50, 105, 50, 200},   {110, 115, 110, 175}, {145, 125, 145, 175}, {189, 130, 189, 175},
    {236, 129, 236, 175}, {320, 105, 320, 200}, {77, 30, 77, 10},     {288, 55, 288, 10},
};

// L1..L4, L, LA, LB, then h and f (vertical).
constexpr Stroke dimensionLines[] = {
    {50, 165, 110, 165}, {110, 165, 145, 165}, {145, 165, 189, 165}, {189, 165, 236, 165},
    {50, 195, 320, 195}, {50, 25, 77, 25},     {288, 25, 320, 25},   {335, 40, 335, 63},
    {183, 51, 183, 74},
};

struct Text
{
    const char16_t *text;
    int x;
    int y;
    int size;
    const char16_t *anchor;
};

constexpr Text sketchTexts[] = {
    {u"R$xbksA$xbjs", 40, 25, 14, u"RB"},
    {u"R$xbksB$xbjs", 330, 25, 14, u"LB"},
    {u"H", 15, 45, 14, u"MT"},
    {u"H", 355, 68, 14, u"MT"},
    {u"A", 48, 42, 14, u"RT"},
    {u"B", 325, 65, 14, u"LT"},
    {u"P$xbksA$xbjs", 80, 102, 14, u"LB"},
    {u"P$xbks1$xbjs", 113, 110, 14, u"LB"},
    {u"P$xbks2$xbjs", 148, 120, 14, u"LB"},
    {u"P$xbks3$xbjs", 192, 123, 14, u"LB"},
    {u"P$xbks4$xbjs", 239, 122, 14, u"LB"},
    {u"P$xbksB$xbjs", 291, 116, 14, u"LB"},
    {u"L1", 80, 165, 10, u"MB"},
    {u"L2", 127, 165, 10, u"MB"},
    {u"L3", 167, 165, 10, u"MB"},
    {u"L4", 212, 165, 10, u"MB"},
    {u"L", 185, 195, 10, u"MB"},
    {u"LA", 63, 24, 10, u"MB"},
    {u"LB", 304, 24, 10, u"MB"},
    {u"f", 175, 63, 10, u"MC"},
    {u"h", 340, 51, 10, u"LC"},
};

// Lines of the usage notes from y 25 down in steps of 25; note 5 runs over
// three lines, its continuation lines indented by two blanks.
constexpr const char16_t *usageNotes[] = {
    u"1.按图示输入参数.",
    u"2.引线位置按图填相对距离.",
    u"3.单导线分裂根数填1.",
    u"4.修改气象参数点选项按钮.",
    u"5.设置引跳线需将对应的标",
    u"  题处打勾,否则程序计算时",
    u"  将忽略该荷载.",
    u"6.其它说明详见帮助.",
};

using StrokeRoutine = void (*)(int x1, int y1, int x2, int y2, PageCanvas &canvas);

void drawEach(PageCanvas &canvas, std::span<const Stroke> strokes, StrokeRoutine draw)
{
    for (const Stroke &stroke : strokes)
        draw(stroke.x1, stroke.y1, stroke.x2, stroke.y2, canvas);
}

} // namespace

void drawInputSketch(PageCanvas &canvas)
{
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColor(backgroundColor);
    canvas.setPenStyle(PenStyle::Clear);
    canvas.rectangle(0, 0, inputSketchWidth, inputSketchHeight);

    // The border, the conductor and the strings in red; the strings are
    // filled white over the conductor's ends.
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(2);
    canvas.setPenColor(borderColor);
    canvas.rectangle(0, 0, inputSketchWidth, inputSketchHeight);
    drawBezier(conductorCurve, canvas);
    fillQuad(stringA, canvas);
    fillQuad(stringB, canvas);
    drawEach(canvas, loadArrows, drawArrow);

    canvas.setPenColor(gridColor);
    drawEach(canvas, structureLegs, drawLine);

    canvas.setPenWidth(1);
    drawEach(canvas, forceArrows, drawArrow);
    drawEach(canvas, extensionLines, drawLine);
    drawEach(canvas, dimensionLines, drawDimensionLine);
    drawLine(320, 40, 345, 40, canvas);  // upper extension line of h

    // The level of A and the chord A–B, between which h and f are measured.
    canvas.setPenStyle(PenStyle::Dot);
    drawLine(50, 40, 320, 40, canvas);
    drawLine(50, 40, 320, 63, canvas);

    canvas.setFontName(reportFontName());
    for (const Text &text : sketchTexts)
        drawMarkupText(text.x, text.y, text.size, QString::fromUtf16(text.anchor), QString::fromUtf16(text.text),
                       canvas);
    int y = 25;
    for (const char16_t *note : usageNotes) {
        drawMarkupText(380, y, 10, QStringLiteral("LC"), QString::fromUtf16(note), canvas);
        y += 25;
    }
}

} // namespace report
