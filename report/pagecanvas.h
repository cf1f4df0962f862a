#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QVector>

namespace report {

enum class PenStyle { Solid, Dash, Dot, Clear };
enum class BrushStyle { Solid, Clear };

/**
 * The drawing surface of a report page or of the input sketch, in page units
 * (one pixel of a 96-dpi screen; x to the right, y downwards, origin at the
 * top-left corner). It carries a current pen, brush, font and pen position,
 * as the pages' drawing code expects of a canvas.
 *
 * Font sizes are points; the canvas turns them into a pixel height as the
 * screen does: round(points × 96 / 72), so 9 pt → 12, 10 → 13, 12 → 16, 14 → 19.
 */
class PageCanvas
{
public:
    virtual ~PageCanvas() = default;

    virtual void setPenStyle(PenStyle style) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setPenColor(const QColor &color) = 0;
    virtual void setBrushStyle(BrushStyle style) = 0;
    virtual void setBrushColor(const QColor &color) = 0;

    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual int fontSize() const = 0;
    virtual void setFontColor(const QColor &color) = 0;
    virtual QColor fontColor() const = 0;

    /// Text with its cell's top-left corner at (x, y), the brush as background.
    virtual void textOut(int x, int y, const QString &text) = 0;
    /// Width and line height of \a text in the current font, page units.
    virtual int textWidth(const QString &text) const = 0;
    virtual int textHeight(const QString &text) const = 0;

    virtual void moveTo(int x, int y) = 0;
    /// A line from the pen position to (x, y) with the current pen; the pen position moves there.
    virtual void lineTo(int x, int y) = 0;
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) = 0;
    virtual void polygon(const QVector<QPoint> &points) = 0;
    /// Cubic Bézier segments: a start point, then three points per segment.
    virtual void polyBezier(const QVector<QPoint> &points) = 0;

    /**
     * Told by drawMarkupText() before it draws, with its arguments as given,
     * so that a recording canvas can list every report text in drawing order.
     * Draws nothing; the default ignores it.
     */
    virtual void annotateMarkup([[maybe_unused]] int x, [[maybe_unused]] int y, [[maybe_unused]] int size,
                                [[maybe_unused]] const QString &anchor, [[maybe_unused]] const QString &text)
    {
    }
};

/// Pixel height of a font of \a points on a 96-dpi screen.
constexpr int fontPixelHeight(int points)
{
    // round(points * 96 / 72) = round(points * 4 / 3) in integer arithmetic
    return (points * 4 + 1) / 3;
}

} // namespace report
