#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

#include <vector>

namespace report {

class PageCanvas;

/// One curve of a chart: its points in the chart's units, left to right, and
/// the points to mark on it (the tabled values).
struct ChartSeries
{
    QString label;
    std::vector<QPointF> points;
    std::vector<QPointF> marked;
    bool dashed = false;
};

/// A chart's box on the page and its axes' names with units.
struct ChartFrame
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    QString xTitle;
    QString yTitle;
};

/**
 * A line chart as vector drawing: axes with round ticks and their numbers,
 * a grid, each series as a polyline (dashed when asked) with its marked
 * points as small circles and its label at its right end. The axes span the
 * series' range, widened to round ticks. Lines and marks in \a colour, the
 * frame in the grid colour, the words in black.
 */
void drawLineChart(PageCanvas &canvas, const ChartFrame &frame, const std::vector<ChartSeries> &series,
                   const QColor &colour);

/// Round tick positions covering [low, high]: steps of 1, 2 or 5 times a power of ten, 4 to 10 ticks.
std::vector<double> roundTicks(double low, double high);

} // namespace report
