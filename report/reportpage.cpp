#include "report/reportpage.h"

#include "report/textmetrics.h"

#include <algorithm>

namespace report {

namespace {

/// Grows a box to hold another; tracks whether anything was added yet.
class BoundsAccumulator
{
public:
    void add(int left, int top, int right, int bottom)
    {
        if (!mAny) {
            mBox = {left, top, right, bottom};
            mAny = true;
            return;
        }
        mBox.left = std::min(mBox.left, left);
        mBox.top = std::min(mBox.top, top);
        mBox.right = std::max(mBox.right, right);
        mBox.bottom = std::max(mBox.bottom, bottom);
    }

    void addPoints(const QVector<QPoint> &points, int margin)
    {
        for (const QPoint &point : points) {
            add(point.x() - margin, point.y() - margin, point.x() + margin + 1, point.y() + margin + 1);
        }
    }

    PageBox box() const { return mBox; }

private:
    PageBox mBox;
    bool mAny = false;
};

/// Half the stroke width outside the geometry; nothing for an invisible pen.
int strokeMargin(const PagePen &pen)
{
    return pen.style == PenStyle::Clear ? 0 : (std::max(1, pen.width) + 1) / 2;
}

} // namespace

ReportPage::ReportPage(int width, int height)
    : mWidth(std::max(1, width)), mHeight(std::max(1, height)), mFont{QStringLiteral("宋体"), 9, QColor(0, 0, 0)}
{
}

std::vector<MarkupAnnotation> ReportPage::markupAnnotations() const
{
    std::vector<MarkupAnnotation> annotations;
    for (const PageCommand &command : mCommands) {
        if (const auto *annotation = std::get_if<MarkupAnnotation>(&command)) {
            annotations.push_back(*annotation);
        }
    }
    return annotations;
}

PageBox ReportPage::drawnBounds() const
{
    BoundsAccumulator bounds;
    for (const PageCommand &command : mCommands) {
        std::visit(
            [&bounds](const auto &c) {
                using Command = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<Command, LineCommand>) {
                    bounds.addPoints({c.from, c.to}, strokeMargin(c.pen));
                } else if constexpr (std::is_same_v<Command, RectangleCommand>
                                     || std::is_same_v<Command, RoundRectCommand>) {
                    const int margin = strokeMargin(c.pen);
                    bounds.add(std::min(c.box.left, c.box.right) - margin, std::min(c.box.top, c.box.bottom) - margin,
                               std::max(c.box.left, c.box.right) + margin,
                               std::max(c.box.top, c.box.bottom) + margin);
                } else if constexpr (std::is_same_v<Command, PolygonCommand>
                                     || std::is_same_v<Command, BezierCommand>) {
                    // A Bézier curve stays inside the hull of its control points.
                    bounds.addPoints(c.points, strokeMargin(c.pen));
                } else if constexpr (std::is_same_v<Command, TextCommand>) {
                    bounds.add(c.topLeft.x(), c.topLeft.y(), c.topLeft.x() + c.cellWidth,
                               c.topLeft.y() + c.cellHeight);
                }
            },
            command);
    }
    return bounds.box();
}

void ReportPage::setPenStyle(PenStyle style)
{
    mPen.style = style;
}

void ReportPage::setPenWidth(int width)
{
    mPen.width = std::max(0, width);
}

void ReportPage::setPenColor(const QColor &color)
{
    mPen.color = color;
}

void ReportPage::setBrushStyle(BrushStyle style)
{
    mBrush.style = style;
}

void ReportPage::setBrushColor(const QColor &color)
{
    mBrush.color = color;
}

void ReportPage::setFontName(const QString &name)
{
    mFont.name = name;
}

void ReportPage::setFontSize(int points)
{
    mFont.points = points;
}

int ReportPage::fontSize() const
{
    return mFont.points;
}

void ReportPage::setFontColor(const QColor &color)
{
    mFont.color = color;
}

QColor ReportPage::fontColor() const
{
    return mFont.color;
}

void ReportPage::textOut(int x, int y, const QString &text)
{
    if (text.isEmpty()) {
        return;
    }
    const LineMetrics line = lineMetrics(mFont.name, mFont.pixelHeight());
    mCommands.push_back(
        TextCommand{{x, y}, text, mFont, mBrush, textWidth(text), line.height, line.ascent});
}

int ReportPage::textWidth(const QString &text) const
{
    return textAdvance(mFont.name, mFont.pixelHeight(), text);
}

int ReportPage::textHeight([[maybe_unused]] const QString &text) const
{
    // One line: its height does not depend on the characters.
    return lineMetrics(mFont.name, mFont.pixelHeight()).height;
}

void ReportPage::moveTo(int x, int y)
{
    mPenPosition = {x, y};
}

void ReportPage::lineTo(int x, int y)
{
    mCommands.push_back(LineCommand{mPenPosition, {x, y}, mPen});
    mPenPosition = {x, y};
}

void ReportPage::rectangle(int left, int top, int right, int bottom)
{
    mCommands.push_back(RectangleCommand{{left, top, right, bottom}, mPen, mBrush});
}

void ReportPage::roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    mCommands.push_back(RoundRectCommand{{left, top, right, bottom}, ellipseWidth, ellipseHeight, mPen, mBrush});
}

void ReportPage::polygon(const QVector<QPoint> &points)
{
    if (points.size() < 2) {
        return;
    }
    mCommands.push_back(PolygonCommand{points, mPen, mBrush});
}

void ReportPage::polyBezier(const QVector<QPoint> &points)
{
    if (points.size() < 4 || (points.size() - 1) % 3 != 0) {
        return;
    }
    mCommands.push_back(BezierCommand{points, mPen});
}

void ReportPage::annotateMarkup(int x, int y, int size, const QString &anchor, const QString &text)
{
    mCommands.push_back(MarkupAnnotation{x, y, size, anchor, mFont.color, text});
}

} // namespace report
