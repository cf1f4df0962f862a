#include "report/bezierflattening.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace report {

namespace {

constexpr double unitsPerPiece = 3.0;
constexpr int minimumPieces = 2;
constexpr int maximumPieces = 64;

int pieceCount(QPointF p0, QPointF p1, QPointF p2, QPointF p3)
{
    const double controlLength = QLineF(p0, p1).length() + QLineF(p1, p2).length() + QLineF(p2, p3).length();
    const double pieces = std::ceil(controlLength / unitsPerPiece);
    if (!std::isfinite(pieces)) {
        return maximumPieces;
    }
    return static_cast<int>(std::clamp(pieces, double(minimumPieces), double(maximumPieces)));
}

QPointF bezierPoint(QPointF p0, QPointF p1, QPointF p2, QPointF p3, double t)
{
    const double u = 1.0 - t;
    return u * u * u * p0 + 3.0 * u * u * t * p1 + 3.0 * u * t * t * p2 + t * t * t * p3;
}

void appendDistinct(QVector<QPoint> &polyline, QPoint point)
{
    if (polyline.isEmpty() || polyline.constLast() != point) {
        polyline.append(point);
    }
}

} // namespace

QVector<QPoint> flattenBezier(const QVector<QPoint> &points)
{
    QVector<QPoint> polyline;
    if (points.isEmpty()) {
        return polyline;
    }
    polyline.append(points.first());
    for (qsizetype i = 1; i + 2 < points.size(); i += 3) {
        const QPointF p0 = points[i - 1];
        const QPointF p1 = points[i];
        const QPointF p2 = points[i + 1];
        const QPointF p3 = points[i + 2];
        const int pieces = pieceCount(p0, p1, p2, p3);
        for (int k = 1; k < pieces; ++k) {
            appendDistinct(polyline, bezierPoint(p0, p1, p2, p3, double(k) / pieces).toPoint());
        }
        // The end point exactly, not as computed.
        appendDistinct(polyline, points[i + 2]);
    }
    return polyline;
}

} // namespace report
