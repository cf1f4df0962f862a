#include "report/linechart.h"

#include "engine/numberformatting.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/primitives.h"

#include <algorithm>
#include <cmath>

namespace report {

namespace {

struct Range
{
    double low = 0;
    double high = 0;
};

/// The decimals a tick step needs to be written exactly.
int decimalsOf(double step)
{
    int decimals = 0;
    while (decimals < 6 && std::abs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-9)
        ++decimals;
    return decimals;
}

QString tickText(double value, int decimals)
{
    return QString::fromStdString(engine::formatNumber(float(value), decimals));
}

} // namespace

std::vector<double> roundTicks(double low, double high)
{
    if (!(high > low))
        high = low + 1;
    const double raw = (high - low) / 6;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if ((high - low) / step <= 8)
            break;
    }
    std::vector<double> ticks;
    for (double tick = std::floor(low / step) * step; tick < high + step * 0.999 && ticks.size() < 20; tick += step)
        ticks.push_back(std::abs(tick) < step * 1e-9 ? 0 : tick);
    return ticks;
}

void drawLineChart(PageCanvas &canvas, const ChartFrame &frame, const std::vector<ChartSeries> &series,
                   const QColor &colour)
{
    Range x{1e300, -1e300};
    Range y{1e300, -1e300};
    for (const ChartSeries &s : series)
        for (const QPointF &p : s.points) {
            x = {std::min(x.low, p.x()), std::max(x.high, p.x())};
            y = {std::min(y.low, p.y()), std::max(y.high, p.y())};
        }
    if (x.low > x.high)
        return;
    const std::vector<double> xTicks = roundTicks(x.low, x.high);
    const std::vector<double> yTicks = roundTicks(y.low, y.high);
    x = {xTicks.front(), xTicks.back()};
    y = {yTicks.front(), yTicks.back()};
    const auto px = [&](double v) { return frame.left + int(std::lround((v - x.low) / (x.high - x.low) * (frame.right - frame.left))); };
    const auto py = [&](double v) { return frame.bottom - int(std::lround((v - y.low) / (y.high - y.low) * (frame.bottom - frame.top))); };

    applyPageDefaults(canvas);
    canvas.setPenStyle(PenStyle::Dot);
    for (double t : xTicks)
        drawLine(px(t), frame.top, px(t), frame.bottom, canvas);
    for (double t : yTicks)
        drawLine(frame.left, py(t), frame.right, py(t), canvas);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.rectangle(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
    canvas.setBrushStyle(BrushStyle::Solid);

    const int xDecimals = decimalsOf(xTicks.size() > 1 ? xTicks[1] - xTicks[0] : 1);
    const int yDecimals = decimalsOf(yTicks.size() > 1 ? yTicks[1] - yTicks[0] : 1);
    for (double t : xTicks) {
        drawLine(px(t), frame.bottom, px(t), frame.bottom + 4, canvas);
        drawFittedText(canvas, {px(t) - 30, frame.bottom + 6, px(t) + 30, frame.bottom + 22}, px(t), frame.bottom + 14, 9,
                       QStringLiteral("MC"), tickText(t, xDecimals));
    }
    for (double t : yTicks) {
        drawLine(frame.left - 4, py(t), frame.left, py(t), canvas);
        drawFittedText(canvas, {frame.left - 70, py(t) - 8, frame.left - 6, py(t) + 8}, frame.left - 6, py(t), 9,
                       QStringLiteral("RC"), tickText(t, yDecimals));
    }
    drawFittedText(canvas, {frame.left, frame.bottom + 24, frame.right, frame.bottom + 42}, (frame.left + frame.right) / 2,
                   frame.bottom + 33, 9, QStringLiteral("MC"), frame.xTitle);
    drawFittedText(canvas, {frame.left - 70, frame.top - 26, frame.right, frame.top - 8}, frame.left - 70, frame.top - 17, 9,
                   QStringLiteral("LC"), frame.yTitle);

    canvas.setPenColor(colour);
    canvas.setFontColor(colour);
    for (const ChartSeries &s : series) {
        if (s.points.empty())
            continue;
        // A dash pattern shows only on a thin pen in every export.
        canvas.setPenWidth(s.dashed ? 1 : 2);
        canvas.setPenStyle(s.dashed ? PenStyle::Dash : PenStyle::Solid);
        canvas.moveTo(px(s.points.front().x()), py(s.points.front().y()));
        for (const QPointF &p : s.points)
            canvas.lineTo(px(p.x()), py(p.y()));
        canvas.setPenStyle(PenStyle::Solid);
        canvas.setPenWidth(1);
        canvas.setBrushColor(colour);
        for (const QPointF &p : s.marked)
            drawCircle(px(p.x()), py(p.y()), 3, canvas);
        canvas.setBrushColor(backgroundColor);
        const QPointF &end = s.points.back();
        drawFittedText(canvas, {px(end.x()) + 4, py(end.y()) - 9, px(end.x()) + 80, py(end.y()) + 9}, px(end.x()) + 6,
                       py(end.y()), 9, QStringLiteral("LC"), s.label);
    }
    applyPageDefaults(canvas);
}

} // namespace report
