#pragma once

#include "report/pagecanvas.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QVector>

#include <functional>

/**
 * A canvas that records every drawing call with the pen, brush and font it
 * was made with, for tests of the page routines. Texts are recorded as the
 * drawMarkupText() calls that drew them, whole, with anchor point, size and
 * anchor code, so that tests do not depend on font metrics.
 */
class DrawingRecorder : public report::PageCanvas
{
public:
    enum class Kind { Line, Rectangle, RoundRect, Polygon, Bezier, Markup };

    struct Call
    {
        Kind kind;
        QVector<QPoint> points;  ///< end points, corners, control points or the anchor point
        QString text;
        QString anchor;          ///< of a Markup call
        int fontSize = 0;        ///< the size asked for, for a Markup call
        QColor fontColor;
        report::PenStyle penStyle = report::PenStyle::Solid;
        int penWidth = 1;
        QColor penColor;
        report::BrushStyle brushStyle = report::BrushStyle::Solid;
        QColor brushColor;
    };

    QVector<Call> calls;

    void setPenStyle(report::PenStyle style) override { mPenStyle = style; }
    void setPenWidth(int width) override { mPenWidth = width; }
    void setPenColor(const QColor &color) override { mPenColor = color; }
    void setBrushStyle(report::BrushStyle style) override { mBrushStyle = style; }
    void setBrushColor(const QColor &color) override { mBrushColor = color; }
    void setFontName(const QString &name) override { mFontName = name; }
    void setFontSize(int points) override { mFontSize = points; }
    int fontSize() const override { return mFontSize; }
    void setFontColor(const QColor &color) override { mFontColor = color; }
    QColor fontColor() const override { return mFontColor; }

    void textOut(int, int, const QString &) override {}
    int textWidth(const QString &) const override { return 0; }
    void annotateMarkup(int x, int y, int size, const QString &anchor, const QString &text) override
    {
        Call call = makeCall(Kind::Markup, {QPoint(x, y)});
        call.text = text;
        call.anchor = anchor;
        call.fontSize = size;
        calls.append(call);
    }
    int textHeight(const QString &) const override { return 0; }

    void moveTo(int x, int y) override { mPosition = QPoint(x, y); }
    void lineTo(int x, int y) override
    {
        calls.append(makeCall(Kind::Line, {mPosition, QPoint(x, y)}));
        mPosition = QPoint(x, y);
    }
    void rectangle(int left, int top, int right, int bottom) override
    {
        calls.append(makeCall(Kind::Rectangle, {QPoint(left, top), QPoint(right, bottom)}));
    }
    void roundRect(int left, int top, int right, int bottom, int, int) override
    {
        calls.append(makeCall(Kind::RoundRect, {QPoint(left, top), QPoint(right, bottom)}));
    }
    void polygon(const QVector<QPoint> &points) override { calls.append(makeCall(Kind::Polygon, points)); }
    void polyBezier(const QVector<QPoint> &points) override { calls.append(makeCall(Kind::Bezier, points)); }

    report::PenStyle penStyle() const { return mPenStyle; }
    QColor penColor() const { return mPenColor; }
    QString fontName() const { return mFontName; }

    /// True when every text is drawn after the last box and line, over them.
    bool textsComeLast() const
    {
        const int firstText = indexOf([](const Call &call) { return call.kind == Kind::Markup; });
        for (int i = firstText; i < calls.size(); ++i) {
            if (calls[i].kind != Kind::Markup)
                return false;
        }
        return firstText > 0;
    }

    /// The recorded calls for which \a match holds, in drawing order.
    QVector<Call> select(const std::function<bool(const Call &)> &match) const
    {
        QVector<Call> result;
        for (const Call &call : calls) {
            if (match(call))
                result.append(call);
        }
        return result;
    }

    /// Every drawMarkupText() call, in drawing order.
    QVector<Call> texts() const
    {
        return select([](const Call &call) { return call.kind == Kind::Markup; });
    }

    /// The drawMarkupText() calls anchored on (x, y).
    QVector<Call> textsAt(int x, int y) const
    {
        return select([=](const Call &call) { return call.kind == Kind::Markup && call.points[0] == QPoint(x, y); });
    }

    /// Straight lines from (x1, y1) to (x2, y2), in either direction.
    QVector<Call> linesBetween(int x1, int y1, int x2, int y2) const
    {
        const QPoint a(x1, y1), b(x2, y2);
        return select([=](const Call &call) {
            return call.kind == Kind::Line
                && ((call.points[0] == a && call.points[1] == b) || (call.points[0] == b && call.points[1] == a));
        });
    }

    /// Index of the first call for which \a match holds, or -1.
    int indexOf(const std::function<bool(const Call &)> &match) const
    {
        for (int i = 0; i < calls.size(); ++i) {
            if (match(calls[i]))
                return i;
        }
        return -1;
    }

private:
    Call makeCall(Kind kind, const QVector<QPoint> &points) const
    {
        Call call;
        call.kind = kind;
        call.points = points;
        call.fontSize = mFontSize;
        call.fontColor = mFontColor;
        call.penStyle = mPenStyle;
        call.penWidth = mPenWidth;
        call.penColor = mPenColor;
        call.brushStyle = mBrushStyle;
        call.brushColor = mBrushColor;
        return call;
    }

    report::PenStyle mPenStyle = report::PenStyle::Solid;
    int mPenWidth = 1;
    QColor mPenColor = Qt::black;
    report::BrushStyle mBrushStyle = report::BrushStyle::Solid;
    QColor mBrushColor = Qt::white;
    QString mFontName;
    int mFontSize = 8;
    QColor mFontColor = Qt::black;
    QPoint mPosition;
};
