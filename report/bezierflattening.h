#pragma once

#include <QPoint>
#include <QVector>

namespace report {

/**
 * The polyline through cubic Bézier segments (a start point and three points
 * per segment, as PageCanvas::polyBezier takes them), for formats without
 * curves. Each segment becomes 2 to 64 straight pieces, about one per 3 page
 * units of its control polygon, so the error stays well under a page unit at
 * report sizes. Points are rounded to whole units; repeats are dropped.
 * An incomplete last segment is ignored.
 */
QVector<QPoint> flattenBezier(const QVector<QPoint> &points);

} // namespace report
