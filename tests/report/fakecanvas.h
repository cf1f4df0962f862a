#pragma once

#include "report/pagecanvas.h"

#include <QString>

#include <vector>

/**
 * A canvas with metrics simple enough to work out by hand: every character
 * is as wide as the font size in points, a line is 2 × points + 1 high (odd,
 * so that halving it shows how a centre is rounded). It keeps the texts and
 * strokes drawn.
 */
class FakeCanvas : public report::PageCanvas
{
public:
    struct Text
    {
        int x;
        int y;
        int size;
        QString text;
        bool operator==(const Text &) const = default;
    };
    struct Stroke
    {
        QPoint from;
        QPoint to;
        bool operator==(const Stroke &) const = default;
    };

    std::vector<Text> texts;
    std::vector<Stroke> strokes;
    std::vector<QVector<QPoint>> polygons;
    std::vector<QVector<QPoint>> beziers;
    std::vector<std::vector<int>> roundRects;
    QPoint position;
    int size = 9;

    void setPenStyle(report::PenStyle) override {}
    void setPenWidth(int) override {}
    void setPenColor(const QColor &) override {}
    void setBrushStyle(report::BrushStyle) override {}
    void setBrushColor(const QColor &) override {}
    void setFontName(const QString &) override {}
    void setFontSize(int points) override { size = points; }
    int fontSize() const override { return size; }
    void setFontColor(const QColor &) override {}
    QColor fontColor() const override { return {}; }
    void textOut(int x, int y, const QString &text) override { texts.push_back({x, y, size, text}); }
    int textWidth(const QString &text) const override { return size * static_cast<int>(text.size()); }
    int textHeight(const QString &) const override { return 2 * size + 1; }
    void moveTo(int x, int y) override { position = {x, y}; }
    void lineTo(int x, int y) override
    {
        strokes.push_back({position, {x, y}});
        position = {x, y};
    }
    void rectangle(int, int, int, int) override {}
    void roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) override
    {
        roundRects.push_back({left, top, right, bottom, ellipseWidth, ellipseHeight});
    }
    void polygon(const QVector<QPoint> &points) override { polygons.push_back(points); }
    void polyBezier(const QVector<QPoint> &points) override { beziers.push_back(points); }
};
