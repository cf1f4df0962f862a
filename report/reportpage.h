#pragma once

#include "report/pagecanvas.h"
#include "report/pagecommands.h"

#include <QSize>

#include <vector>

namespace report {

/**
 * A vector page picture that is drawn on as a PageCanvas and keeps every
 * drawing call in order, so that it can be shown at any zoom, printed and
 * exported without loss. A report page is 1188 x 840 page units, the input
 * sketch 550 x 220.
 *
 * A new page is empty and holds the canvas defaults: pen solid, 1 unit,
 * black; brush solid white; font "宋体", 9 points, black; pen position (0, 0).
 *
 * Text metrics come from the installed font the name resolves to (see
 * installReportFonts()) at the character height fontPixelHeight(points), so
 * they are the same on every run with the same fonts.
 *
 * Pages are values: a copy is independent of the original.
 */
class ReportPage final : public PageCanvas
{
public:
    /// @param width, height  page size in page units, > 0
    explicit ReportPage(int width = 1188, int height = 840);

    QSize size() const { return {mWidth, mHeight}; }
    int width() const { return mWidth; }
    int height() const { return mHeight; }

    /// Every drawing call so far, in drawing order.
    const std::vector<PageCommand> &commands() const { return mCommands; }
    /// The drawMarkupText() calls so far, in drawing order.
    std::vector<MarkupAnnotation> markupAnnotations() const;
    /**
     * The smallest box holding everything drawn, pen widths included, in page
     * units; an empty box at (0, 0) when nothing has been drawn.
     */
    PageBox drawnBounds() const;

    /// The page's title in lists and outlines: "第3页 最高温度时的M、D计算", "封面"; empty when not set.
    const QString &title() const { return mTitle; }
    void setTitle(const QString &title) { mTitle = title; }

    const PagePen &pen() const { return mPen; }
    const PageBrush &brush() const { return mBrush; }
    const PageFont &font() const { return mFont; }
    QPoint penPosition() const { return mPenPosition; }

    void setPenStyle(PenStyle style) override;
    void setPenWidth(int width) override;
    void setPenColor(const QColor &color) override;
    void setBrushStyle(BrushStyle style) override;
    void setBrushColor(const QColor &color) override;

    void setFontName(const QString &name) override;
    void setFontSize(int points) override;
    int fontSize() const override;
    void setFontColor(const QColor &color) override;
    QColor fontColor() const override;

    void textOut(int x, int y, const QString &text) override;
    int textWidth(const QString &text) const override;
    int textHeight(const QString &text) const override;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) override;
    void polygon(const QVector<QPoint> &points) override;
    /// Draws nothing unless there are 1 + 3k points, k ≥ 1.
    void polyBezier(const QVector<QPoint> &points) override;

    void annotateMarkup(int x, int y, int size, const QString &anchor, const QString &text) override;

private:
    int mWidth;
    int mHeight;
    QString mTitle;
    std::vector<PageCommand> mCommands;
    PagePen mPen;
    PageBrush mBrush;
    PageFont mFont;
    QPoint mPenPosition;
};

} // namespace report
