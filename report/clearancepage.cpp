#include "report/bookpages.h"

#include "engine/clearances.h"
#include "engine/loadstate.h"
#include "engine/numberformatting.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/ruledtable.h"

#include <QStringList>

namespace report {

namespace {

/// Distances in m, 3 decimals; angles in degrees, 2 decimals.
QString metres(double value)
{
    return QString::fromStdString(engine::formatNumber(float(value), 3));
}

QString degrees(double value)
{
    return QString::fromStdString(engine::formatNumber(float(value), 2));
}

void drawSwings(PageCanvas &canvas, const engine::ClearanceResult &clearances, const QColor &resultColour)
{
    const auto &swings = clearances.swings;
    const RuledTable table({40, 180, 320, 480, 640, 800, 940, 1148}, 150, 22, int(swings.size()) + 1);
    table.drawRules(canvas);
    const QString heads[] = {QStringLiteral("工况"),
                             QStringLiteral("风速v (m/s)"),
                             QStringLiteral("导线风偏角η (°)"),
                             QStringLiteral("绝缘子串A风偏角 (°)"),
                             QStringLiteral("绝缘子串B风偏角 (°)"),
                             QStringLiteral("弧垂f (m)"),
                             QStringLiteral("风偏位移b=f·sinη (m)")};
    for (int c = 0; c < table.columnCount(); ++c)
        table.text(canvas, c, 0, heads[c]);
    for (std::size_t r = 0; r < swings.size(); ++r)
        table.text(canvas, 0, int(r) + 1, QString::fromUtf8(engine::loadStateLabel(swings[r].state)));
    canvas.setFontColor(resultColour);
    for (std::size_t r = 0; r < swings.size(); ++r) {
        const engine::WindSwing &s = swings[r];
        const int row = int(r) + 1;
        table.text(canvas, 1, row, QString::fromStdString(engine::formatGeneral(s.windSpeed_m_s)));
        table.text(canvas, 2, row, degrees(s.conductorAngle_deg));
        table.text(canvas, 3, row, degrees(s.stringAAngle_deg));
        table.text(canvas, 4, row, degrees(s.stringBAngle_deg));
        table.text(canvas, 5, row, metres(s.sag_m));
        table.text(canvas, 6, row, metres(s.displacement_m));
    }
    canvas.setFontColor(fixedTextColor);
}

QString formula(const engine::ClearanceCheck &check)
{
    if (check.condition == engine::ClearanceCondition::shortCircuit)
        return check.kind == engine::ClearanceKind::phaseToPhase ? QStringLiteral("a$xbksmin$xbjs − 2r")
                                                                  : QStringLiteral("c − b$xbksh$xbjs − r");
    return check.kind == engine::ClearanceKind::phaseToPhase ? QStringLiteral("a − 2b − 2r")
                                                              : QStringLiteral("c − b − r");
}

/// Returns the bottom of the table.
int drawChecks(PageCanvas &canvas, const engine::ClearanceResult &clearances, int top, const QColor &resultColour)
{
    const auto &checks = clearances.checks;
    const RuledTable table({40, 180, 320, 560, 720, 880, 1148}, top, 22, int(checks.size()) + 1);
    table.drawRules(canvas);
    const QString heads[] = {QStringLiteral("工况"),         QStringLiteral("距离"),
                             QStringLiteral("剩余距离算式"), QStringLiteral("要求距离 (m)"),
                             QStringLiteral("剩余距离 (m)"), QStringLiteral("结论")};
    for (int c = 0; c < table.columnCount(); ++c)
        table.text(canvas, c, 0, heads[c]);
    for (std::size_t r = 0; r < checks.size(); ++r) {
        const engine::ClearanceCheck &check = checks[r];
        const int row = int(r) + 1;
        table.text(canvas, 0, row, QString::fromUtf8(engine::clearanceConditionLabel(check.condition)));
        table.text(canvas, 1, row, QString::fromUtf8(engine::clearanceKindLabel(check.kind)));
        table.text(canvas, 2, row, formula(check));
        canvas.setFontColor(resultColour);
        table.text(canvas, 3, row, check.required_m ? metres(*check.required_m) : QStringLiteral("-"));
        table.text(canvas, 4, row, check.remaining_m ? metres(*check.remaining_m) : QStringLiteral("-"));
        switch (check.verdict) {
        case engine::ClearanceVerdict::met:
            table.text(canvas, 5, row, QStringLiteral("满足"));
            break;
        case engine::ClearanceVerdict::notMet:
            canvas.setFontColor(failColor);
            table.text(canvas, 5, row, QStringLiteral("不满足"));
            break;
        case engine::ClearanceVerdict::notChecked:
            canvas.setFontColor(fixedTextColor);
            table.text(canvas, 5, row, QStringLiteral("未校核"));
            break;
        }
        canvas.setFontColor(fixedTextColor);
    }
    return table.bottom();
}

QString given(const std::optional<double> &value)
{
    return value ? metres(*value) + QStringLiteral(" m") : QStringLiteral("未填写");
}

} // namespace

void drawClearancePage(PageCanvas &canvas, const engine::ClearanceResult &clearances, const QColor &resultColour)
{
    drawTitledFrame(canvas, QString::fromUtf8(clearanceTitle));
    drawFittedText(canvas, {40, 126, 1148, 144}, 40, 135, 10, QStringLiteral("LC"),
                   clearances.swings.empty() ? QStringLiteral("风偏(各设计工况均无风)")
                                             : QStringLiteral("风偏(有风的设计工况)"));
    drawSwings(canvas, clearances, resultColour);
    const int swingBottom = 150 + 22 * (int(clearances.swings.size()) + 1);
    drawFittedText(canvas, {40, swingBottom + 16, 1148, swingBottom + 34}, 40, swingBottom + 25, 10,
                   QStringLiteral("LC"), QStringLiteral("电气距离"));
    const int bottom = drawChecks(canvas, clearances, swingBottom + 40, resultColour);

    const engine::ClearanceSettings &set = clearances.settings;
    const QString reference = QString::fromStdString(set.codeReference).trimmed();
    QStringList notes;
    // r not typed is the conductor's radius where a requirement used it, and unused otherwise.
    const QString halfWidth = set.halfWidth_m      ? given(set.halfWidth_m)
                              : clearances.halfWidth_m > 0 ? metres(clearances.halfWidth_m) + QStringLiteral(" m(取导线半径)")
                                                           : QStringLiteral("未填写");
    notes << QStringLiteral("相间距离a = %1,边相至接地部分水平距离c = %2,相导线外缘半宽r = %3(相中心至最外侧子导线外表面).")
                 .arg(given(set.phaseSpacing_m), given(set.earthDistance_m), halfWidth);
    notes << QStringLiteral("按保守假定: 相邻两相相向风偏各b;边相向接地部分风偏b;b取该工况的弧垂f与导线风偏角η.");
    notes << QStringLiteral("短路: a$xbksmin$xbjs取短路效应计算中两种温度下较小者,b$xbksh$xbjs取较大者;未进行短路计算时不校核.");
    notes << QStringLiteral("要求距离取值依据: ") + (reference.isEmpty() ? QStringLiteral("未填写") : reference);
    int y = bottom + 18;
    for (const QString &note : notes) {
        drawFittedText(canvas, {40, y - 9, 1148, y + 9}, 40, y, 9, QStringLiteral("LC"), note);
        y += 18;
    }
    applyPageDefaults(canvas);
}

} // namespace report
