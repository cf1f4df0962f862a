#include "report/pagepainter.h"

#include "report/fonts.h"
#include "report/reportpage.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace report {

namespace {

Qt::PenStyle qtPenStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Solid:
        return Qt::SolidLine;
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::Clear:
        break;
    }
    return Qt::NoPen;
}

QPen qtPen(const PagePen &pen)
{
    // Wide pens have round ends and joins, as the pages were designed with.
    QPen result(pen.color, std::max(1, pen.width), qtPenStyle(pen.style), Qt::RoundCap, Qt::RoundJoin);
    return result;
}

QBrush qtBrush(const PageBrush &brush)
{
    return brush.style == BrushStyle::Solid ? QBrush(brush.color) : QBrush(Qt::NoBrush);
}

QRectF boxRect(const PageBox &box)
{
    return QRectF(QPointF(box.left, box.top), QPointF(box.right, box.bottom)).normalized();
}

QPolygonF polygonOf(const QVector<QPoint> &points)
{
    QPolygonF polygon;
    polygon.reserve(points.size());
    for (const QPoint &point : points) {
        polygon.append(point);
    }
    return polygon;
}

/// Draws the commands in page units; keeps the last font, as fonts change rarely.
class CommandPainter
{
public:
    explicit CommandPainter(QPainter &painter)
        : mPainter(painter)
    {}

    void operator()(const LineCommand &c)
    {
        mPainter.setPen(qtPen(c.pen));
        mPainter.drawLine(c.from, c.to);
    }

    void operator()(const RectangleCommand &c)
    {
        mPainter.setPen(qtPen(c.pen));
        mPainter.setBrush(qtBrush(c.brush));
        mPainter.drawRect(boxRect(c.box));
    }

    void operator()(const RoundRectCommand &c)
    {
        const QRectF rect = boxRect(c.box);
        const double xRadius = std::min(std::abs(c.ellipseWidth) / 2.0, rect.width() / 2.0);
        const double yRadius = std::min(std::abs(c.ellipseHeight) / 2.0, rect.height() / 2.0);
        mPainter.setPen(qtPen(c.pen));
        mPainter.setBrush(qtBrush(c.brush));
        mPainter.drawRoundedRect(rect, xRadius, yRadius, Qt::AbsoluteSize);
    }

    void operator()(const PolygonCommand &c)
    {
        mPainter.setPen(qtPen(c.pen));
        mPainter.setBrush(qtBrush(c.brush));
        mPainter.drawPolygon(polygonOf(c.points), Qt::OddEvenFill);
    }

    void operator()(const BezierCommand &c)
    {
        if (c.points.isEmpty())
            return;
        QPainterPath path(c.points.first());
        for (qsizetype i = 1; i + 2 < c.points.size(); i += 3) {
            path.cubicTo(c.points[i], c.points[i + 1], c.points[i + 2]);
        }
        mPainter.setPen(qtPen(c.pen));
        mPainter.setBrush(Qt::NoBrush);
        mPainter.drawPath(path);
    }

    void operator()(const TextCommand &c)
    {
        if (c.background.style == BrushStyle::Solid) {
            mPainter.fillRect(QRectF(c.topLeft, QSizeF(c.cellWidth, c.cellHeight)), c.background.color);
        }
        if (c.font.name != mFontName || c.font.pixelHeight() != mFontPixelHeight) {
            mFontName = c.font.name;
            mFontPixelHeight = c.font.pixelHeight();
            mPainter.setFont(reportFont(mFontName, mFontPixelHeight));
        }
        mPainter.setPen(c.font.color);
        mPainter.drawText(QPointF(c.topLeft.x(), c.topLeft.y() + c.ascent), c.text);
    }

    void operator()(const MarkupAnnotation &) {}

private:
    QPainter &mPainter;
    QString mFontName;
    int mFontPixelHeight = 0;
};

} // namespace

void paintPage(QPainter &painter, const ReportPage &page, const QRectF &target)
{
    const bool usable = std::isfinite(target.x()) && std::isfinite(target.y()) && std::isfinite(target.width())
        && std::isfinite(target.height()) && target.width() > 0 && target.height() > 0;
    if (!usable) {
        return;
    }
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / page.width(), target.height() / page.height());
    CommandPainter draw(painter);
    for (const PageCommand &command : page.commands()) {
        std::visit(draw, command);
    }
    painter.restore();
}

QImage renderPageImage(const ReportPage &page, double dotsPerInch)
{
    if (!(dotsPerInch >= minimumImageDpi && dotsPerInch <= maximumImageDpi)) {
        return {};
    }
    const double scale = dotsPerInch / 96.0;
    const QSize size(static_cast<int>(std::lround(page.width() * scale)),
                     static_cast<int>(std::lround(page.height() * scale)));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);

    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    paintPage(painter, page, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace report
