#include "report/bookpages.h"

#include "engine/clearances.h"
#include "engine/loadstate.h"
#include "engine/numberformatting.h"
#include "engine/shortcircuitspan.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/ruledtable.h"

#include <optional>

namespace report {

namespace {

enum Column { itemColumn, valueColumn, stateColumn, noteColumn };
enum Row { headingRow, tensionRow, sagRow, maintenanceSagRow, conductorFactorRow, stringFactorRow, verdictRow,
           loadARow, loadBRow, rowCount };

constexpr const char16_t *rowLabels[rowCount] = {
    u"项目",
    u"最大水平拉力H(kN,每相)",
    u"最大弧垂f(m)",
    u"检修时弧垂超过控制弧垂的工况",
    u"导线最小安全系数K$xbksc$xbjs",
    u"绝缘子串最小安全系数K$xbkss$xbjs",
    u"设计校核结论",
    u"A侧构架最大拉力(kN,每相)",
    u"B侧构架最大拉力(kN,每相)",
};

QString stateName(int state)
{
    return QString::fromUtf8(engine::loadStateLabel(state));
}

QString figure(float value, int decimals)
{
    return QString::fromStdString(engine::formatNumber(value, decimals));
}

/// One smallest safety factor, red below what its state requires.
void drawFactor(PageCanvas &canvas, const RuledTable &table, int row, const std::optional<engine::GoverningFactor> &factor,
                float required, const QColor &resultColour)
{
    if (!factor) {
        table.text(canvas, valueColumn, row, QString::fromUtf8(engine::verdictNotChecked));
        return;
    }
    canvas.setFontColor(factor->factor < required ? failColor : resultColour);
    table.number(canvas, valueColumn, row, factor->factor, 3);
    table.text(canvas, stateColumn, row, stateName(factor->state));
    table.text(canvas, noteColumn, row, QStringLiteral("要求不小于") + figure(required, 2));
    canvas.setFontColor(resultColour);
}

/// The verdict of the air distances, with the check of least margin over
/// its requirement and how many requirements were left blank.
void drawClearanceRow(PageCanvas &canvas, const RuledTable &row, const engine::ClearanceResult &clearances,
                      const QColor &resultColour)
{
    row.drawRules(canvas);
    row.text(canvas, itemColumn, 0, QStringLiteral("电气距离校验"), 10);
    const engine::ClearanceCheck *tightest = nullptr;
    int unchecked = 0;
    for (const engine::ClearanceCheck &check : clearances.checks) {
        unchecked += check.verdict == engine::ClearanceVerdict::notChecked;
        if (check.remaining_m && check.required_m
            && (!tightest || *check.remaining_m - *check.required_m < *tightest->remaining_m - *tightest->required_m))
            tightest = &check;
    }
    const bool failed = engine::anyClearanceNotMet(clearances);
    canvas.setFontColor(failed ? failColor : resultColour);
    row.text(canvas, valueColumn, 0,
             !tightest ? QString::fromUtf8(engine::verdictNotChecked)
                       : failed ? QStringLiteral("不满足") : QStringLiteral("满足"));
    if (tightest) {
        row.text(canvas, stateColumn, 0, QString::fromStdString(engine::clearanceCheckLabel(*tightest)));
        QString note = QStringLiteral("剩余 %1 m,要求 %2 m")
                           .arg(figure(float(*tightest->remaining_m), 3), figure(float(*tightest->required_m), 3));
        if (unchecked > 0)
            note += QStringLiteral(";%1项未校核").arg(unchecked);
        row.text(canvas, noteColumn, 0, note);
    }
    canvas.setFontColor(fixedTextColor);
}

} // namespace

void drawGoverningPage(PageCanvas &canvas, const engine::GoverningStates &governing,
                       const engine::DesignChecks &checks, const engine::ShortCircuitResult *shortCircuit,
                       const engine::ClearanceResult *clearances, const QColor &resultColour)
{
    drawTitledFrame(canvas, QString::fromUtf8(governingTitle));
    const RuledTable table({140, 480, 640, 800, 1048}, 180, 36, rowCount);
    // The notes under the table make room for the rows of the fault and the clearances.
    const int faultRow = 36 * ((shortCircuit ? 1 : 0) + (clearances ? 1 : 0));
    table.drawRules(canvas);
    for (int row = 0; row < rowCount; ++row)
        table.text(canvas, itemColumn, row, QString::fromUtf16(rowLabels[row]), 10);
    table.text(canvas, valueColumn, headingRow, QStringLiteral("数值"), 10);
    table.text(canvas, stateColumn, headingRow, QStringLiteral("工况"), 10);
    table.text(canvas, noteColumn, headingRow, QStringLiteral("说明"), 10);

    canvas.setFontColor(resultColour);
    table.number(canvas, valueColumn, tensionRow, governing.largestTension.value, 3);
    table.text(canvas, stateColumn, tensionRow, stateName(governing.largestTension.state));

    const engine::GoverningSag &sag = governing.largestSag;
    table.number(canvas, valueColumn, sagRow, sag.sag, 3);
    QString sagState = stateName(sag.state);
    if (sag.state == engine::installation || sag.state == engine::marking)
        sagState += QStringLiteral("(%1℃)").arg(QString::fromStdString(engine::formatGeneral(sag.temperature)));
    table.text(canvas, stateColumn, sagRow, sagState);
    table.text(canvas, noteColumn, sagRow, QStringLiteral("控制弧垂 %1 m").arg(figure(governing.controlSag, 3)));

    // The states are named under the table, where their names have room.
    QStringList above;
    for (int state : governing.maintenanceAboveControl)
        above.append(stateName(state));
    if (!above.isEmpty())
        canvas.setFontColor(failColor);
    table.text(canvas, valueColumn, maintenanceSagRow,
               above.isEmpty() ? QStringLiteral("无") : QStringLiteral("%1个(见注)").arg(above.size()));
    if (!above.isEmpty())
        drawFittedText(canvas, {140, 508 + faultRow, 1048, 528 + faultRow}, 140, 518 + faultRow, 9, QStringLiteral("LC"),
                       QStringLiteral("弧垂超过控制弧垂的检修工况: ") + above.join(QStringLiteral("、"))
                           + QStringLiteral(",检修时导线低于按控制弧垂校验的电气距离."));
    canvas.setFontColor(resultColour);

    const auto requiredConductor = [&](int state) { return checks.states[std::size_t(state)].requiredConductorFactor; };
    const auto requiredString = [&](int state) { return checks.states[std::size_t(state)].requiredStringFactor; };
    drawFactor(canvas, table, conductorFactorRow, governing.conductorFactor,
               governing.conductorFactor ? requiredConductor(governing.conductorFactor->state) : 0, resultColour);
    drawFactor(canvas, table, stringFactorRow, governing.stringFactor,
               governing.stringFactor ? requiredString(governing.stringFactor->state) : 0, resultColour);

    if (governing.pass == false)
        canvas.setFontColor(failColor);
    table.text(canvas, valueColumn, verdictRow, QString::fromStdString(governing.verdict));
    canvas.setFontColor(resultColour);

    table.number(canvas, valueColumn, loadARow, governing.largestLoadA.value, 3);
    table.text(canvas, stateColumn, loadARow, stateName(governing.largestLoadA.state));
    table.number(canvas, valueColumn, loadBRow, governing.largestLoadB.value, 3);
    table.text(canvas, stateColumn, loadBRow, stateName(governing.largestLoadB.state));
    canvas.setFontColor(fixedTextColor);
    table.text(canvas, noteColumn, loadARow, QStringLiteral("绝缘子串拉力√(H²+V²)"));
    table.text(canvas, noteColumn, loadBRow, QStringLiteral("绝缘子串拉力√(H²+V²)"));

    // The fault's design load and the air distances, rows of their own under the static states.
    int extraTop = table.bottom();
    if (shortCircuit) {
        const RuledTable fault({140, 480, 640, 800, 1048}, extraTop, 36, 1);
        extraTop = fault.bottom();
        fault.drawRules(canvas);
        fault.text(canvas, itemColumn, 0, QStringLiteral("短路设计荷载(kN,每相)"), 10);
        fault.text(canvas, noteColumn, 0, QStringLiteral("IEC 60865-1,见短路效应计算页"));
        canvas.setFontColor(shortCircuit->strengthCheck && shortCircuit->strengthCheck->pass == false ? failColor
                                                                                                     : resultColour);
        fault.number(canvas, valueColumn, 0, float(shortCircuit->designLoad_N / 1000), 3);
        canvas.setFontColor(resultColour);
        fault.text(canvas, stateColumn, 0,
                   stateName(shortCircuit->cases[std::size_t(shortCircuit->governingCase)].state));
        canvas.setFontColor(fixedTextColor);
    }
    if (clearances)
        drawClearanceRow(canvas, RuledTable({140, 480, 640, 800, 1048}, extraTop, 36, 1), *clearances, resultColour);

    drawFittedText(canvas, {140, 530 + faultRow, 1048, 550 + faultRow}, 140, 540 + faultRow, 9, QStringLiteral("LC"),
                   QStringLiteral("注: 安装、划印取九个施工气温中水平拉力最大者;弧垂取各工况中最大者(安装、划印为施工气温最高时)."));
    drawFittedText(canvas, {140, 552 + faultRow, 1048, 572 + faultRow}, 140, 562 + faultRow, 9, QStringLiteral("LC"),
                   QStringLiteral("构架各工况的受力见构架受力页."));
    applyPageDefaults(canvas);
}

} // namespace report
