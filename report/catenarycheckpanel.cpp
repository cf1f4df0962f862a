// Page 18, lower part: the handbook's H and f beside the exact chain's.
#include "report/pages.h"

#include "engine/calculationresult.h"
#include "engine/numberformatting.h"
#include "report/fittedtext.h"
#include "report/markuptext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/primitives.h"

#include <algorithm>
#include <cmath>

namespace report {

namespace {

// Under the design check, which keeps above y 640: one column per load
// state, one row per figure.
constexpr int panelTitleY = 646;
constexpr int panelLeft = 40;
constexpr int panelRight = 1148;
constexpr int panelTop = 656;
constexpr int panelRowHeight = 15;
constexpr int panelRowCount = 8;  // state names, the temperature compared, then six figures
constexpr int panelBottom = panelTop + panelRowHeight * panelRowCount;
constexpr int noteY = 785;  // clear of the page number at y 800
constexpr int labelColumnRight = 160;
constexpr int stateColumnWidth = (panelRight - labelColumnRight) / engine::loadStateCount;
// The longest state name, "三相上人高温", fits a column only below the figures' size.
constexpr int stateNameSize = 8;
constexpr int figureSize = 9;

/// A difference above this share makes the handbook's approximation worth a note, %.
constexpr float noteworthyDifference = 5.0f;

enum PanelRow { stateRow, temperatureRow, handbookTensionRow, exactTensionRow, tensionDifferenceRow, handbookSagRow, exactSagRow,
                sagDifferenceRow };

constexpr int rowCentre(int row) { return panelTop + panelRowHeight * row + panelRowHeight / 2; }
constexpr int stateCentre(int state) { return labelColumnRight + stateColumnWidth * state + stateColumnWidth / 2; }

constexpr PageLabel rowLabels[] = {
    {panelLeft + 6, rowCentre(stateRow), u"工况"},
    {panelLeft + 6, rowCentre(temperatureRow), u"温度(℃)"},
    {panelLeft + 6, rowCentre(handbookTensionRow), u"H 手册方法(kN)"},
    {panelLeft + 6, rowCentre(exactTensionRow), u"H 精确悬链线(kN)"},
    {panelLeft + 6, rowCentre(tensionDifferenceRow), u"ΔH (%)"},
    {panelLeft + 6, rowCentre(handbookSagRow), u"f 手册方法(m)"},
    {panelLeft + 6, rowCentre(exactSagRow), u"f 精确悬链线(m)"},
    {panelLeft + 6, rowCentre(sagDifferenceRow), u"Δf (%)"},
};

constexpr PageLabel panelTitle[] = {{
    panelLeft, panelTitleY,
    u"精确悬链线校核:导线为弹性悬链线,绝缘子串为刚性直杆,较高一侧如上;"
    u"安装、划印取九个温度中张力最大者;Δ = (手册方法 - 精确解)/精确解,每根子导线."}};

const QString notConverged = QStringLiteral("未收敛");

PageBox cellOf(int state, int row)
{
    return cellAround(stateCentre(state), rowCentre(row), stateColumnWidth, panelRowHeight);
}

void drawCell(PageCanvas &canvas, int state, int row, const QString &value)
{
    drawFittedText(canvas, cellOf(state, row), stateCentre(state), rowCentre(row), figureSize, QStringLiteral("MC"),
                   value);
}

void drawNumberCell(PageCanvas &canvas, int state, int row, float value, int decimals)
{
    drawCentredNumber(canvas, cellOf(state, row), stateCentre(state), rowCentre(row), figureSize, value, decimals);
}

bool noteworthy(const engine::CatenaryStateCheck &check)
{
    return check.converged
           && (std::fabs(check.tensionDifference) > noteworthyDifference
               || std::fabs(check.sagDifference) > noteworthyDifference);
}

/// The states whose figure falls under \a select, named and joined by "、".
template<typename Select>
QString statesWhere(const engine::CatenaryCrossCheck &check, Select select)
{
    QString names;
    for (int s = 0; s < engine::loadStateCount; ++s) {
        if (!select(check.states[s]))
            continue;
        if (!names.isEmpty())
            names += QStringLiteral("、");
        names += QString::fromUtf8(engine::loadStateLabel(s));
    }
    return names;
}

QString noteText(const engine::CatenaryCrossCheck &check)
{
    const QString large = statesWhere(check, noteworthy);
    const QString failed = statesWhere(check, [](const engine::CatenaryStateCheck &c) { return !c.converged; });
    const bool noneCompared = std::none_of(check.states.begin(), check.states.end(),
                                           [](const engine::CatenaryStateCheck &c) { return c.converged; });
    if (noneCompared)
        return QStringLiteral("注:各工况的悬链线均未收敛,未作比较,以手册方法为准.");
    // "均不超过" speaks only of the states compared: the others are named as such.
    QString note;
    if (large.isEmpty())
        note = failed.isEmpty() ? QStringLiteral("注:各工况手册方法与精确解之差均不超过5%.")
                                : QStringLiteral("注:其余各工况手册方法与精确解之差均不超过5%.");
    else
        note = QStringLiteral("注:") + large
               + QStringLiteral("的差值超过5%,手册方法的抛物线近似在此偏差较大,宜以精确解复核.");
    if (!failed.isEmpty())
        note += QStringLiteral("  ") + failed + QStringLiteral("的悬链线未收敛,未作比较.");
    return note;
}

} // namespace

void drawCatenaryCheckFixed(PageCanvas &canvas)
{
    canvas.rectangle(panelLeft, panelTop, panelRight, panelBottom);
    for (int row = 1; row < panelRowCount; ++row)
        drawLine(panelLeft, panelTop + panelRowHeight * row, panelRight, panelTop + panelRowHeight * row, canvas);
    for (int state = 0; state < engine::loadStateCount; ++state) {
        const int x = labelColumnRight + stateColumnWidth * state;
        drawLine(x, panelTop, x, panelBottom, canvas);
        drawMarkupText(stateCentre(state), rowCentre(stateRow), stateNameSize, QStringLiteral("MC"),
                       QString::fromUtf8(engine::loadStateLabel(state)), canvas);
    }
    drawLabels(canvas, rowLabels, figureSize, QStringLiteral("LC"));
    drawLabels(canvas, panelTitle, figureSize, QStringLiteral("LC"));
}

void drawCatenaryCheckResults(PageCanvas &canvas, const engine::CalculationResult &result)
{
    const engine::CatenaryCrossCheck &check = result.catenary;
    for (int s = 0; s < engine::loadStateCount; ++s) {
        const engine::CatenaryStateCheck &exact = check.states[s];
        const engine::StateEquationColumn &handbook = result.stateEquation[exact.column];
        drawNumberCell(canvas, s, temperatureRow, handbook[engine::rowThetaM], 1);
        drawNumberCell(canvas, s, handbookTensionRow, handbook[engine::rowH] * 0.001f, 3);
        drawNumberCell(canvas, s, handbookSagRow, handbook[engine::rowF], 3);
        if (!exact.converged) {
            drawCell(canvas, s, exactTensionRow, notConverged);
            drawCell(canvas, s, exactSagRow, notConverged);
            continue;
        }
        drawNumberCell(canvas, s, exactTensionRow, exact.tension * 0.001f, 3);
        drawNumberCell(canvas, s, exactSagRow, exact.sag, 3);
        drawNumberCell(canvas, s, tensionDifferenceRow, exact.tensionDifference, 2);
        drawNumberCell(canvas, s, sagDifferenceRow, exact.sagDifference, 2);
    }
    const QColor resultColour = canvas.fontColor();
    const bool anyNoteworthy = !statesWhere(check, noteworthy).isEmpty();
    if (anyNoteworthy)
        canvas.setFontColor(failColor);
    // Naming many states, the note can outgrow the width of the panel.
    drawFittedText(canvas, {panelLeft - cellPadding, noteY - 8, panelRight + cellPadding, noteY + 8}, panelLeft, noteY,
                   figureSize, QStringLiteral("LC"), noteText(check));
    canvas.setFontColor(resultColour);
}

} // namespace report
