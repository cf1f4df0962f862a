#pragma once

#include "report/pagecanvas.h"

#include <QColor>
#include <QString>
#include <QVector>

#include <optional>
#include <ostream>
#include <vector>

/// Lets test failures show texts readably.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace report::testing {

/**
 * A canvas that records what is drawn on it, with metrics simple enough to
 * work back from a text cell to the point it was anchored on: a character is
 * as wide as the font size in points and a line is twice as high.
 */
class RecordingCanvas : public PageCanvas
{
public:
    struct Text
    {
        int order;
        int left, top;     ///< cell corner as textOut received it
        int fontSize;
        QColor color;
        QString fontName;
        QString text;
        /// The point the text was centred on, for a cell anchored "MC".
        int centreX() const { return left + fontSize * int(text.size()) / 2; }
        int centreY() const { return top + fontSize; }
    };

    struct Line
    {
        int order;
        int x1, y1, x2, y2;
        int penWidth;
        QColor penColor;
        PenStyle penStyle;
    };

    struct Rectangle
    {
        int order;
        int left, top, right, bottom;
        int penWidth;
        QColor penColor;
        PenStyle penStyle;
        BrushStyle brushStyle;
        QColor brushColor;
    };

    void setPenStyle(PenStyle style) override { mPenStyle = style; }
    void setPenWidth(int width) override { mPenWidth = width; }
    void setPenColor(const QColor &color) override { mPenColor = color; }
    void setBrushStyle(BrushStyle style) override { mBrushStyle = style; }
    void setBrushColor(const QColor &color) override { mBrushColor = color; }

    void setFontName(const QString &name) override { mFontName = name; }
    void setFontSize(int points) override { mFontSize = points; }
    int fontSize() const override { return mFontSize; }
    void setFontColor(const QColor &color) override { mFontColor = color; }
    QColor fontColor() const override { return mFontColor; }

    void textOut(int x, int y, const QString &text) override
    {
        if (!text.isEmpty())
            texts.push_back({mOrder++, x, y, mFontSize, mFontColor, mFontName, text});
    }
    int textWidth(const QString &text) const override { return mFontSize * int(text.size()); }
    int textHeight(const QString &) const override { return 2 * mFontSize; }

    void moveTo(int x, int y) override { mX = x, mY = y; }
    void lineTo(int x, int y) override
    {
        lines.push_back({mOrder++, mX, mY, x, y, mPenWidth, mPenColor, mPenStyle});
        mX = x, mY = y;
    }
    void rectangle(int left, int top, int right, int bottom) override
    {
        rectangles.push_back(
            {mOrder++, left, top, right, bottom, mPenWidth, mPenColor, mPenStyle, mBrushStyle, mBrushColor});
    }
    void roundRect(int, int, int, int, int, int) override { ++mOrder; }
    void polygon(const QVector<QPoint> &) override { ++mOrder; }
    void polyBezier(const QVector<QPoint> &) override { ++mOrder; }

    /// Every text drawn exactly as \a text.
    std::vector<Text> textsEqualTo(const QString &text) const
    {
        std::vector<Text> found;
        for (const Text &t : texts)
            if (t.text == text)
                found.push_back(t);
        return found;
    }

    /// The single text whose "MC" box was centred on (x, y), if there is exactly one.
    std::optional<Text> textCentredOn(int x, int y) const
    {
        std::optional<Text> found;
        for (const Text &t : texts) {
            if (t.centreX() == x && t.centreY() == y) {
                if (found)
                    return std::nullopt;
                found = t;
            }
        }
        return found;
    }

    bool hasLine(int x1, int y1, int x2, int y2) const
    {
        for (const Line &l : lines)
            if (l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2)
                return true;
        return false;
    }

    PenStyle penStyle() const { return mPenStyle; }
    int penWidth() const { return mPenWidth; }
    QColor penColor() const { return mPenColor; }
    BrushStyle brushStyle() const { return mBrushStyle; }
    QColor brushColor() const { return mBrushColor; }
    QString fontName() const { return mFontName; }

    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Rectangle> rectangles;

private:
    int mOrder = 0;
    PenStyle mPenStyle = PenStyle::Solid;
    int mPenWidth = 1;
    QColor mPenColor{0, 0, 0};
    BrushStyle mBrushStyle = BrushStyle::Solid;
    QColor mBrushColor{0xFF, 0xFF, 0xFF};
    QString mFontName;
    int mFontSize = 8;
    QColor mFontColor{0, 0, 0};
    int mX = 0, mY = 0;
};

} // namespace report::testing
