#include "report/bookpages.h"

#include "engine/calculationresult.h"
#include "engine/loadstate.h"
#include "engine/stateequation.h"
#include "engine/numberformatting.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/primitives.h"
#include "report/spanprofile.h"

#include <algorithm>
#include <cmath>

namespace report {

namespace {

// Each drawing spans the frame's width between these x, with its tallest
// extent at most maximumHeight units; a span whose drop would be flatter
// than minimumHeight is drawn with its heights enlarged, and says so.
constexpr int drawingLeft = 160;
constexpr int drawingRight = 1028;
constexpr int maximumHeight = 220;
constexpr int minimumHeight = 60;

QString metres(double value)
{
    return QString::fromStdString(engine::formatNumber(float(value), 3)) + QStringLiteral("m");
}

/// Page coordinates of a profile, x and y scaled separately when it must be.
class ProfileScale
{
public:
    ProfileScale(const SpanProfile &profile, int top)
    {
        mX = (drawingRight - drawingLeft) / profile.attachmentB.x();
        mTop = std::max(profile.attachmentA.y(), profile.attachmentB.y());
        const double height = mTop - profile.lowest.y();
        mY = mX;
        if (height * mY > maximumHeight)
            mY = maximumHeight / height;
        else if (height > 0 && height * mY < minimumHeight)
            mY = minimumHeight / height;
        mPageTop = top;
    }

    int x(double metres) const { return drawingLeft + int(std::lround(metres * mX)); }
    int y(double metres) const { return mPageTop + int(std::lround((mTop - metres) * mY)); }
    QPoint at(const QPointF &point) const { return {x(point.x()), y(point.y())}; }
    /// How much the heights are enlarged (> 1) or reduced (< 1) against the lengths.
    double verticalExaggeration() const { return mY / mX; }

private:
    double mX = 1;
    double mY = 1;
    double mTop = 0;
    int mPageTop = 0;
};

void drawPolyline(PageCanvas &canvas, const ProfileScale &scale, const std::vector<QPointF> &points,
                  double fromX, double toX)
{
    bool started = false;
    for (const QPointF &point : points) {
        if (point.x() < fromX - 1e-9 || point.x() > toX + 1e-9)
            continue;
        const QPoint p = scale.at(point);
        if (started)
            canvas.lineTo(p.x(), p.y());
        else
            canvas.moveTo(p.x(), p.y());
        started = true;
    }
}

void drawStructure(PageCanvas &canvas, const QPoint &attachment, const QString &label, bool labelLeft)
{
    canvas.setPenWidth(3);
    canvas.setPenColor(fixedTextColor);
    drawLine(attachment.x(), attachment.y() - 25, attachment.x(), attachment.y() + 60, canvas);
    canvas.setPenWidth(1);
    const int x = attachment.x() + (labelLeft ? -8 : 8);
    drawFittedText(canvas, {labelLeft ? 24 : x, attachment.y() - 9, labelLeft ? x : 1164, attachment.y() + 9}, x,
                   attachment.y(), 9, labelLeft ? QStringLiteral("RC") : QStringLiteral("LC"), label);
}

void drawProfile(PageCanvas &canvas, const SpanProfile &profile, int top, const QString &caption,
                 const QColor &resultColour)
{
    const ProfileScale scale(profile, top + 64);
    drawFittedText(canvas, {40, top, 1148, top + 22}, 40, top + 11, 10, QStringLiteral("LC"), caption);

    const QPoint a = scale.at(profile.attachmentA);
    const QPoint b = scale.at(profile.attachmentB);
    drawStructure(canvas, a, QStringLiteral("A侧挂点 +") + metres(profile.attachmentA.y()), true);
    drawStructure(canvas, b, QStringLiteral("B侧挂点 +") + metres(profile.attachmentB.y()), false);

    // The chord the sag is measured from.
    canvas.setPenColor(gridColor);
    canvas.setPenStyle(PenStyle::Dash);
    drawLine(a.x(), a.y(), b.x(), b.y(), canvas);
    canvas.setPenStyle(PenStyle::Solid);

    // The strings in black, thicker; the conductor in the result colour.
    canvas.setPenWidth(3);
    canvas.setPenColor(fixedTextColor);
    drawPolyline(canvas, scale, profile.curve, 0, profile.stringAEnd.x());
    drawPolyline(canvas, scale, profile.curve, profile.stringBStart.x(), profile.attachmentB.x());
    canvas.setPenWidth(2);
    canvas.setPenColor(resultColour);
    drawPolyline(canvas, scale, profile.curve, profile.stringAEnd.x(), profile.stringBStart.x());
    canvas.setPenWidth(1);

    canvas.setFontColor(resultColour);
    canvas.setPenColor(resultColour);
    for (const ProfileMark &mark : profile.marks) {
        const QPoint p = scale.at(mark.at);
        drawArrow(p.x(), p.y() - 28, p.x(), p.y(), canvas);
        drawFittedText(canvas, {p.x() + 2, p.y() - 40, p.x() + 30, p.y() - 24}, p.x() + 3, p.y() - 32, 9,
                       QStringLiteral("LC"), mark.label);
    }

    // The sag: from the chord down to the curve where the drop is largest.
    const QPoint sagAt = scale.at(profile.sagPoint);
    const double chordY = profile.sagPoint.y() + profile.sag;
    const int chordAt = scale.y(chordY);
    drawDimensionLine(sagAt.x(), chordAt, sagAt.x(), sagAt.y(), canvas);
    // Low on the line, clear of a load's name at its top.
    const int labelY = sagAt.y() - 10;
    drawFittedText(canvas, {sagAt.x() + 4, labelY - 9, sagAt.x() + 160, labelY + 9}, sagAt.x() + 6, labelY, 9,
                   QStringLiteral("LC"), QStringLiteral("f=") + metres(profile.sag));

    // The lowest point, with its place along the span and its height.
    const QPoint low = scale.at(profile.lowest);
    drawCircle(low.x(), low.y(), 3, canvas);
    drawFittedText(canvas, {low.x() - 200, low.y() + 50, low.x() + 200, low.y() + 68}, low.x(), low.y() + 59, 9,
                   QStringLiteral("MC"),
                   QStringLiteral("最低点: 距A侧 %1, 标高 %2(以较低挂点为0)")
                       .arg(metres(profile.lowest.x()), metres(profile.lowest.y())));
    canvas.setFontColor(fixedTextColor);
    canvas.setPenColor(gridColor);

    QString scaleNote = QStringLiteral("跨距 %1").arg(metres(profile.attachmentB.x()));
    const double exaggeration = scale.verticalExaggeration();
    if (std::abs(exaggeration - 1) > 1e-6)
        scaleNote += QStringLiteral(",竖向比例为水平比例的 %1 倍")
                         .arg(QString::fromStdString(engine::formatNumber(float(exaggeration), 2)));
    else
        scaleNote += QStringLiteral(",按比例绘制");
    drawFittedText(canvas, {40, top + 22, 1148, top + 40}, 40, top + 31, 9, QStringLiteral("LC"), scaleNote);
}

QString stateCaption(const engine::CalculationResult &result, int state, int column)
{
    QString caption = QString::fromUtf8(engine::loadStateLabel(state));
    if (state == engine::installation || state == engine::marking)
        caption += QStringLiteral("(%1℃)").arg(
            QString::fromStdString(engine::formatGeneral(result.stateEquation[std::size_t(column)][engine::rowThetaM])));
    const float H = result.stateEquation[std::size_t(column)][engine::rowH];
    return caption + QStringLiteral("  H=%1 N(每根子导线)").arg(QString::fromStdString(engine::formatNumber(H, 3)));
}

} // namespace

void drawSpanProfilePage(PageCanvas &canvas, const engine::CalculationResult &result,
                         const engine::GoverningStates &governing, const QColor &resultColour)
{
    drawTitledFrame(canvas, QString::fromUtf8(spanProfileTitle));
    const int tensionState = governing.largestTension.state;
    const int tensionColumn = engine::governingColumn(result, tensionState);
    drawProfile(canvas, spanProfile(result, tensionState, tensionColumn), 150,
                QStringLiteral("控制工况(最大水平拉力): ") + stateCaption(result, tensionState, tensionColumn),
                resultColour);
    const engine::GoverningSag &sag = governing.largestSag;
    drawProfile(canvas, spanProfile(result, sag.state, sag.column), 470,
                QStringLiteral("最大弧垂: ") + stateCaption(result, sag.state, sag.column), resultColour);
    applyPageDefaults(canvas);
}

} // namespace report
