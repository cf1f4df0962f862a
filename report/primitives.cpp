#include "report/primitives.h"

#include "report/pagecanvas.h"

namespace report {

namespace {

// Arrowheads are 5 units long and 4 wide, always axis-aligned.
constexpr int headLength = 5;
constexpr int headHalfWidth = 2;

void stroke(int fromX, int fromY, int toX, int toY, PageCanvas &canvas)
{
    canvas.moveTo(fromX, fromY);
    canvas.lineTo(toX, toY);
}

} // namespace

void drawLine(int x1, int y1, int x2, int y2, PageCanvas &canvas)
{
    stroke(x1, y1, x2, y2, canvas);
}

void drawCircle(int cx, int cy, int r, PageCanvas &canvas)
{
    canvas.roundRect(cx - r, cy - r, cx + r, cy + r, 2 * r, 2 * r);
}

void drawDimensionLine(int x1, int y1, int x2, int y2, PageCanvas &canvas)
{
    stroke(x1, y1, x2, y2, canvas);
    if (y1 == y2) {
        stroke(x1, y1, x1 + headLength, y1 + headHalfWidth, canvas);
        stroke(x1, y1, x1 + headLength, y1 - headHalfWidth, canvas);
        stroke(x2, y2, x2 - headLength, y2 + headHalfWidth, canvas);
        stroke(x2, y2, x2 - headLength, y2 - headHalfWidth, canvas);
    } else {
        // Anything not horizontal is drawn as vertical, whatever x1 and x2 are.
        stroke(x1, y1, x1 - headHalfWidth, y1 + headLength, canvas);
        stroke(x1, y1, x1 + headHalfWidth, y1 + headLength, canvas);
        stroke(x2, y2, x2 - headHalfWidth, y2 - headLength, canvas);
        stroke(x2, y2, x2 + headHalfWidth, y2 - headLength, canvas);
    }
}

void drawArrow(int x1, int y1, int x2, int y2, PageCanvas &canvas)
{
    stroke(x1, y1, x2, y2, canvas);
    if (y1 == y2) {
        const int backX = x2 > x1 ? x2 - headLength : x2 + headLength;
        stroke(x2, y2, backX, y2 + headHalfWidth, canvas);
        stroke(x2, y2, backX, y2 - headHalfWidth, canvas);
    } else {
        const int backY = y2 > y1 ? y2 - headLength : y2 + headLength;
        stroke(x2, y2, x2 + headHalfWidth, backY, canvas);
        stroke(x2, y2, x2 - headHalfWidth, backY, canvas);
    }
}

void drawBezier(const QuadPoints &points, PageCanvas &canvas)
{
    canvas.polyBezier({{points.x1, points.y1}, {points.x2, points.y2}, {points.x3, points.y3}, {points.x4, points.y4}});
}

void fillQuad(const QuadPoints &points, PageCanvas &canvas)
{
    canvas.polygon({{points.x1, points.y1}, {points.x2, points.y2}, {points.x3, points.y3}, {points.x4, points.y4}});
}

} // namespace report
