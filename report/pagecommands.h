#pragma once

#include "report/pagecanvas.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QVector>

#include <variant>

namespace report {

/// Outline of lines and shapes; width in page units (0 and 1 both draw one unit).
struct PagePen
{
    PenStyle style = PenStyle::Solid;
    int width = 1;
    QColor color{0, 0, 0};

    bool operator==(const PagePen &other) const = default;
};

/// Fill of shapes and background of text cells.
struct PageBrush
{
    BrushStyle style = BrushStyle::Solid;
    QColor color{0xFF, 0xFF, 0xFF};

    bool operator==(const PageBrush &other) const = default;
};

/// Text font: family name as the pages give it ("宋体"), size in points, colour.
struct PageFont
{
    QString name;
    int points = 9;
    QColor color{0, 0, 0};

    /// Character height in page units (96 dpi).
    int pixelHeight() const { return fontPixelHeight(points); }

    bool operator==(const PageFont &other) const = default;
};

/// A rectangle by its edges, left and top inside, right and bottom just outside.
struct PageBox
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PageBox &other) const = default;
};

struct LineCommand
{
    QPoint from;
    QPoint to;
    PagePen pen;
};

struct RectangleCommand
{
    PageBox box;
    PagePen pen;
    PageBrush brush;
};

struct RoundRectCommand
{
    PageBox box;
    int ellipseWidth = 0;
    int ellipseHeight = 0;
    PagePen pen;
    PageBrush brush;
};

/// Closed polygon, filled by the even-odd rule.
struct PolygonCommand
{
    QVector<QPoint> points;
    PagePen pen;
    PageBrush brush;
};

/// Cubic Bézier segments: a start point and three points per segment.
struct BezierCommand
{
    QVector<QPoint> points;
    PagePen pen;
};

/**
 * One line of text with its cell's top-left corner at \a topLeft. The cell
 * size and the ascent are those measured when the text was drawn, so every
 * back end places the text exactly where the page's layout put it.
 */
struct TextCommand
{
    QPoint topLeft;
    QString text;
    PageFont font;
    /// A solid brush paints the cell behind the glyphs; a clear one leaves it.
    PageBrush background;
    int cellWidth = 0;
    int cellHeight = 0;
    int ascent = 0;
};

/// A drawMarkupText() call as given, for the text listing; draws nothing itself.
struct MarkupAnnotation
{
    int x = 0;
    int y = 0;
    int size = 0;
    QString anchor;
    QColor color;
    QString text;
};

using PageCommand = std::variant<LineCommand, RectangleCommand, RoundRectCommand, PolygonCommand, BezierCommand,
                                 TextCommand, MarkupAnnotation>;

} // namespace report
