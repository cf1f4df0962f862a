#include "report/pages.h"

#include "engine/calculationresult.h"
#include "engine/numberformatting.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/primitives.h"

#include <algorithm>
#include <vector>

namespace report {

namespace {

// Row labels of the moment table; the one-character labels at x 100 are the
// vertical captions of the load, shear and load-factor fields.
constexpr PageLabel momentPageLabels[] = {
    {180, 260, u"支点反力(kgf)"},
    {200, 360, u"△L(m)"},
    {200, 400, u"q△L(kgf)"},
    {200, 440, u"P(kgf)"},
    {200, 480, u"Qz(kgf)"},
    {200, 520, u"Qy(kgf)"},
    {180, 560, u"△M=△L(Qz+Qy)/2(kgf·m)"},
    {180, 600, u"M=∑△M(kgf·m)"},
    {200, 640, u"△M$sbks2$sbjs/△L(kgf$sbks2$sbjs·m)"},
    {200, 680, u"(q△L)$sbks2$sbjs.△L/12(kgf$sbks2$sbjs·m)"},
    {200, 710, u"△D=△M$sbks2$sbjs/△L+△L×"},
    {200, 730, u"(q△L)$sbks2$sbjs/12 (kgf$sbks2$sbjs·m)"},
    {200, 760, u"D=∑△D(kgf$sbks2$sbjs·m)"},
    {100, 360, u"荷"},
    {100, 400, u"载"},
    {100, 440, u"图"},
    {100, 480, u"剪"},
    {100, 500, u"力"},
    {100, 520, u"图"},
    {100, 640, u"荷"},
    {100, 680, u"载"},
    {100, 720, u"因"},
    {100, 760, u"数"},
};

struct Line
{
    int x1, y1, x2, y2;
};

constexpr Line momentPageGrid[] = {
    {80, 340, 1100, 340},
    {120, 380, 280, 380},
    {120, 420, 280, 420},
    {80, 460, 1100, 460},
    {120, 500, 1100, 500},
    {80, 540, 1100, 540},
    {80, 580, 1100, 580},
    {80, 620, 1100, 620},
    {120, 660, 1100, 660},
    {120, 700, 1100, 700},
    {120, 740, 1100, 740},
    {120, 340, 120, 540},
    {120, 620, 120, 780},
    {280, 180, 280, 780},
};

// Right of the row labels (x 280) to the table's right edge.
constexpr PageBox tableRow(int y)
{
    return {280, y - 20, 1100, y + 20};
}

// Between the page title and the table.
constexpr PageBox captionCell{80, 142, 1100, 180};

QString numberText(float value, int decimals)
{
    return QString::fromStdString(engine::formatNumber(value, decimals));
}

// The captions name the load W of the phase and, for a bundle, the share W/N
// each sub-conductor carries in the diagram below.
void drawMaintenanceCaption(PageCanvas &canvas, const engine::CalculationResult &result, int state)
{
    if (!engine::isMaintenanceState(state))
        return;
    const bool threePhase = state == engine::threePhaseHot || state == engine::threePhaseCold;
    const float load = threePhase ? result.threePhaseMaintenanceLoad : result.singlePhaseMaintenanceLoad;
    QString caption = QStringLiteral("(导线上人检修") + numberText(load, 0) + QStringLiteral("kg");
    const int N = result.span.bundleCount;
    if (N > 1)
        caption += QStringLiteral(",每根子导线") + numberText(load / float(N), 3) + QStringLiteral("kg");
    drawFittedText(canvas, captionCell, 594, 160, 12, QStringLiteral("MC"), caption + QStringLiteral(")"));
}

void drawReactions(PageCanvas &canvas, const engine::StateResult &state)
{
    drawFittedText(canvas, tableRow(240), 590, 240, 12, QStringLiteral("LC"),
                   QStringLiteral("RA = ") + numberText(state.reactionA, 3));
    drawFittedText(canvas, tableRow(280), 590, 280, 12, QStringLiteral("LC"),
                   QStringLiteral("RB = ") + numberText(state.reactionB, 3));
}

// Node i of a diagram of column width w sits at i·w + 270 in the load diagram
// and at i·w + 280 in the shear and load-factor fields.
void drawNodeLines(PageCanvas &canvas, int segmentCount, int w)
{
    for (int i = 1; i < segmentCount; ++i) {
        canvas.setPenStyle(PenStyle::Dash);
        drawLine(i * w + 270, 345, i * w + 270, 390, canvas);
        canvas.setPenStyle(PenStyle::Solid);
        drawLine(i * w + 280, 460, i * w + 280, 580, canvas);
        drawLine(i * w + 280, 620, i * w + 280, 740, canvas);
    }
}

// P of segment k acts at its right-hand node k + 1: PA at node 1, the point
// list at nodes 2..e−2, PB at node e−1. The zero-shear point carries no load
// and gets no arrow; neither does a jumper that is absent in this state.
void drawPointLoads(PageCanvas &canvas, const std::vector<engine::Segment> &segments, int w)
{
    const int lastLoadedNode = static_cast<int>(segments.size()) - 1;
    for (int node = 1; node <= lastLoadedNode; ++node) {
        const float load = segments[static_cast<std::size_t>(node - 1)].pointLoad;
        if (!(load > 0))
            continue;
        const int x = node * w + 270;
        drawArrow(x, 400, x, 440, canvas);
        // The value hangs under its arrow, with half a column on either side.
        drawFittedText(canvas, {x - w / 2, 440, x + w / 2, 460}, x, 445, 9, QStringLiteral("MT"), numberText(load, 3));
    }
}

void drawSegmentValues(PageCanvas &canvas, const std::vector<engine::Segment> &segments, int w)
{
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const engine::Segment &segment = segments[k];
        const int xc = static_cast<int>(w * 0.5 + 280 + w * static_cast<double>(k));
        // The load diagram's nodes lie 10 left of the table's column rules.
        const int left = 280 + w * static_cast<int>(k);
        const PageBox diagram{std::max(280, left - 10), 340, left - 10 + w, 460};
        drawCentredNumber(canvas, diagram, xc - 10, 380, 9, segment.length, 3);
        drawCentredNumber(canvas, diagram, xc - 10, 420, 9, segment.distributedLoad, 3);
        const auto row = [&](int y) { return PageBox{left, y - 20, left + w, y + 20}; };
        drawCentredNumber(canvas, row(480), xc, 480, 9, segment.shearLeft, 3);
        drawCentredNumber(canvas, row(520), xc, 520, 9, segment.shearRight, 3);
        drawCentredNumber(canvas, row(560), xc, 560, 9, segment.moment, 3);
        drawCentredNumber(canvas, row(640), xc, 640, 10, segment.momentTerm, 3);
        drawCentredNumber(canvas, row(680), xc, 680, 10, segment.loadTerm, 3);
        drawCentredNumber(canvas, row(720), xc, 720, 10, segment.loadFactorTerm, 3);
    }
}

} // namespace

void drawMomentPageFixed(PageCanvas &canvas, bool withStringB)
{
    applyPageDefaults(canvas);
    canvas.rectangle(80, 180, 1100, 780);
    for (const Line &line : momentPageGrid)
        drawLine(line.x1, line.y1, line.x2, line.y2, canvas);

    // The span from structure A to B with its attachment points and strings;
    // the string boxes are drawn last so that their white fill hides the span
    // line inside them. Marked without string B, the conductor runs on to B.
    drawLine(288, 400, 1092, 400, canvas);
    drawCircle(288, 400, 4, canvas);
    drawCircle(1092, 400, 4, canvas);
    canvas.rectangle(304, 396, 352, 404);
    if (withStringB)
        canvas.rectangle(1028, 396, 1076, 404);

    // The labels sit on white paper, so they need no text background; and
    // the superscript of the first line of the two-line load-factor formula
    // stands so close under the row line at y 700 that its background would
    // cut a notch out of that line.
    canvas.setBrushStyle(BrushStyle::Clear);
    drawLabels(canvas, momentPageLabels, 10, QStringLiteral("MC"));
    canvas.setBrushStyle(BrushStyle::Solid);
}

void drawMomentPageResults(PageCanvas &canvas, const engine::CalculationResult &result, int state)
{
    const engine::StateResult &stateResult = result.states.at(static_cast<std::size_t>(state));
    drawMaintenanceCaption(canvas, result, state);
    drawReactions(canvas, stateResult);

    const auto &segments = stateResult.segments;
    if (!segments.empty()) {
        const int e = static_cast<int>(segments.size());
        const int w = 820 / e;
        drawNodeLines(canvas, e, w);
        drawPointLoads(canvas, segments, w);
        drawSegmentValues(canvas, segments, w);
    }

    drawFittedText(canvas, tableRow(600), 690, 600, 9, QStringLiteral("MC"),
                   QStringLiteral("M = ") + numberText(stateResult.maxMoment, 3) + QStringLiteral("   校验∑M = ")
                       + numberText(stateResult.momentCheck, 3));
    drawCentredNumber(canvas, tableRow(760), 690, 760, 9, stateResult.loadFactor, 3);
}

} // namespace report
