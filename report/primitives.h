#pragma once

namespace report {

class PageCanvas;

/// Four integer points x1, y1 .. x4, y4 of a Bézier segment or a filled quadrilateral.
struct QuadPoints
{
    int x1, y1, x2, y2, x3, y3, x4, y4;
};

/// Straight line with the current pen; the pen position is left at (x2, y2).
void drawLine(int x1, int y1, int x2, int y2, PageCanvas &canvas);
/// Circle of radius r about (cx, cy), outlined with the pen and filled with the brush.
void drawCircle(int cx, int cy, int r, PageCanvas &canvas);
/**
 * Line with open arrowheads at both ends: two strokes 5 units back along the
 * axis and 2 to either side, drawn from each tip outwards. A line with
 * y1 = y2 takes horizontal heads, any other vertical heads, whatever x1 and
 * x2 are. The heads point outwards when x1 < x2 (horizontal) or y1 < y2
 * (vertical), as callers give them; the other order points them inwards.
 * The pen position is left at the end of the last stroke.
 */
void drawDimensionLine(int x1, int y1, int x2, int y2, PageCanvas &canvas);
/**
 * Line with an open arrowhead at (x2, y2): two axis-aligned strokes 5 units
 * back towards (x1, y1) and 2 to either side (horizontal heads when
 * y1 = y2, vertical ones otherwise). The pen position is left at the end of
 * the last stroke.
 */
void drawArrow(int x1, int y1, int x2, int y2, PageCanvas &canvas);
/// One cubic Bézier segment from point 1 to point 4, control points 2 and 3; not filled, the pen position stays.
void drawBezier(const QuadPoints &points, PageCanvas &canvas);
/// Closed polygon 1-2-3-4, outlined with the pen and filled with the brush; the pen position stays.
void fillQuad(const QuadPoints &points, PageCanvas &canvas);

} // namespace report
