#include "report/pages.h"

#include "engine/calculationinput.h"
#include "engine/calculationresult.h"
#include "engine/designchecks.h"
#include "engine/numberformatting.h"
#include "report/fittedtext.h"
#include "report/markuptext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/primitives.h"

#include <array>
#include <cmath>

namespace report {

namespace {

// The table of the 13 states keeps to the upper part of the page, the
// inputs of the check follow under it; the lower part stays free.
constexpr int tableLeft = 40;
constexpr int tableRight = 1148;
constexpr int tableTop = 160;
constexpr int headerBottom = 200;
constexpr int rowHeight = 20;
constexpr int tableBottom = headerBottom + rowHeight * engine::loadStateCount;

/// Column boundaries: 工况, H, T_A, T_B, K_c, S_A, S_B, K_s(A), K_s(B), required K_c and K_s, 结论.
/// The verdict column is wide enough for "满足(导线、绝缘子串未校核)".
constexpr std::array<int, 13> columnEdges = {40, 140, 220, 300, 380, 460, 540, 620, 700, 780, 860, 940, 1148};

enum Column { stateColumn, hColumn, tensionAColumn, tensionBColumn, conductorFactorColumn, pullAColumn,
              pullBColumn, stringFactorAColumn, stringFactorBColumn, requiredConductorColumn,
              requiredStringColumn, verdictColumn };

constexpr int columnCentre(int column) { return (columnEdges[column] + columnEdges[column + 1]) / 2; }
constexpr int rowCentre(int state) { return headerBottom + rowHeight * state + rowHeight / 2; }

constexpr PageLabel headerNames[] = {
    {columnCentre(stateColumn), 180, u"工况"},
    {columnCentre(hColumn), 172, u"H"},
    {columnCentre(tensionAColumn), 172, u"T$xbksA$xbjs"},
    {columnCentre(tensionBColumn), 172, u"T$xbksB$xbjs"},
    {columnCentre(conductorFactorColumn), 180, u"K$xbksc$xbjs"},
    {columnCentre(pullAColumn), 172, u"S$xbksA$xbjs"},
    {columnCentre(pullBColumn), 172, u"S$xbksB$xbjs"},
    {columnCentre(stringFactorAColumn), 180, u"K$xbkss$xbjs(A)"},
    {columnCentre(stringFactorBColumn), 180, u"K$xbkss$xbjs(B)"},
    {columnCentre(requiredConductorColumn), 180, u"要求K$xbksc$xbjs"},
    {columnCentre(requiredStringColumn), 180, u"要求K$xbkss$xbjs"},
    {columnCentre(verdictColumn), 180, u"结论"},
    {columnCentre(hColumn), 190, u"(kN)"},
    {columnCentre(tensionAColumn), 190, u"(kN)"},
    {columnCentre(tensionBColumn), 190, u"(kN)"},
    {columnCentre(pullAColumn), 190, u"(kN)"},
    {columnCentre(pullBColumn), 190, u"(kN)"},
};

// Inputs of the check, one line each, under the table.
constexpr int conductorLineY = 490;
constexpr int stringALineY = 512;
constexpr int stringBLineY = 534;
constexpr int factorsLineY = 556;
constexpr int verdictLineY = 622;
constexpr int valueX = 120;
constexpr int strengthLabelX = 560;
constexpr int strengthValueX = 680;
constexpr int higherStructureLabelX = 920;
constexpr int higherStructureValueX = 1000;

constexpr PageLabel inputLabels[] = {
    {40, conductorLineY, u"导线型号"},
    {400, conductorLineY, u"分裂根数"},
    {strengthLabelX, conductorLineY, u"额定拉断力(N)"},
    {40, stringALineY, u"A串型号"},
    {strengthLabelX, stringALineY, u"额定破坏荷载(kN)"},
    {40, stringBLineY, u"B串型号"},
    {strengthLabelX, stringBLineY, u"额定破坏荷载(kN)"},
    {40, factorsLineY, u"要求安全系数(DL/T 5222):  导线  长期荷载"},
    {400, factorsLineY, u"短时荷载"},
    {520, factorsLineY, u"绝缘子串  长期荷载"},
    {750, factorsLineY, u"短时荷载"},
    {40, 578, u"长期荷载工况:最高温度、最大荷载、最大风速、最低温度,其余为短时荷载工况;安装、划印取九个安装划印计算温度中的最大张力."},
    {40, 600, u"T$xbksA$xbjs=√(H$sbks2$sbjs+(9.8Q$xbksA$xbjs±Htanγ)$sbks2$sbjs),Q$xbksA$xbjs为PA右侧剪力;S$xbksA$xbjs=N√(H$sbks2$sbjs+(9.8RA±Htanγ)$sbks2$sbjs);B侧同;tanγ=h/L,较高一侧取+,较低一侧取-;H、T为每根子导线,S为整相."},
    {higherStructureLabelX, stringALineY, u"较高一侧"},
    {40, verdictLineY, u"最小安全系数  K$xbksc$xbjs"},
    {330, verdictLineY, u"K$xbkss$xbjs"},
    {strengthLabelX, verdictLineY, u"设计校核"},
};

constexpr int factorValueX[] = {330, 470, 650, 820};

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

void drawLeft(PageCanvas &canvas, int x, int y, const QString &value)
{
    drawMarkupText(x, y, 9, QStringLiteral("LC"), value, canvas);
}

void drawCell(PageCanvas &canvas, int column, int state, const QString &value)
{
    const PageBox cell{columnEdges[column], rowCentre(state) - rowHeight / 2, columnEdges[column + 1],
                       rowCentre(state) + rowHeight / 2};
    drawFittedText(canvas, cell, columnCentre(column), rowCentre(state), 9, QStringLiteral("MC"), value);
}

/// A designation from \a valueX up to the label that follows it on its line at \a nextLabelX.
void drawDesignation(PageCanvas &canvas, int y, int nextLabelX, const std::string &designation)
{
    drawFittedText(canvas, {valueX - cellPadding, y - 11, nextLabelX, y + 11}, valueX, y, 9, QStringLiteral("LC"),
                   text(designation));
}

void drawKilonewtons(PageCanvas &canvas, int column, int state, float newtons)
{
    drawCell(canvas, column, state, text(engine::formatNumber(newtons * 0.001f, 3)));
}

/// A factor, "未校核" without a strength, or \a absent where the state has no such string.
void drawFactor(PageCanvas &canvas, int column, int state, const std::optional<float> &factor, bool unchecked,
                const char16_t *absent = u"")
{
    const QString value = factor      ? text(engine::formatNumber(*factor, 3))
                          : unchecked ? text(engine::verdictNotChecked)
                                      : QString::fromUtf16(absent);
    drawCell(canvas, column, state, value);
}

/// "满足" in the result colour, "不满足" in red whatever the result colour.
void drawVerdict(PageCanvas &canvas, int x, int y, const QString &anchor, const std::optional<bool> &pass,
                 const engine::UncheckedStrengths &unchecked)
{
    const QString verdict = text(engine::verdictText(pass, unchecked));
    if (pass != std::optional<bool>(false)) {
        drawMarkupText(x, y, 9, anchor, verdict, canvas);
        return;
    }
    const QColor resultColour = canvas.fontColor();
    canvas.setFontColor(failColor);
    drawMarkupText(x, y, 9, anchor, verdict, canvas);
    canvas.setFontColor(resultColour);
}

void drawStateRow(PageCanvas &canvas, const engine::StateCheck &check, int state)
{
    drawKilonewtons(canvas, hColumn, state, check.horizontalTension);
    drawKilonewtons(canvas, tensionAColumn, state, check.conductorTensionA);
    drawKilonewtons(canvas, tensionBColumn, state, check.conductorTensionB);
    drawFactor(canvas, conductorFactorColumn, state, check.conductorFactor, check.unchecked.conductor);
    drawKilonewtons(canvas, pullAColumn, state, check.stringPullA);
    drawKilonewtons(canvas, pullBColumn, state, check.stringPullB);
    drawFactor(canvas, stringFactorAColumn, state, check.stringFactorA, check.unchecked.stringA);
    drawFactor(canvas, stringFactorBColumn, state, check.stringFactorB, check.unchecked.stringB, u"无B串");
    drawCell(canvas, requiredConductorColumn, state, text(engine::formatNumber(check.requiredConductorFactor, 3)));
    drawCell(canvas, requiredStringColumn, state, text(engine::formatNumber(check.requiredStringFactor, 3)));
    drawVerdict(canvas, columnCentre(verdictColumn), rowCentre(state), QStringLiteral("MC"), check.pass,
                check.unchecked);
}

QString strengthText(const std::optional<double> &strength, const char16_t *missing)
{
    return strength ? text(engine::formatGeneral(*strength)) : QString::fromUtf16(missing);
}

/// "A侧(高差3m)", or "两侧等高" where h is 0.
QString higherStructureText(const engine::SpanData &span)
{
    if (span.heightDifference == 0)
        return QStringLiteral("两侧等高");
    return (span.structureBHigher ? QStringLiteral("B侧") : QStringLiteral("A侧")) + QStringLiteral("(高差")
           + text(engine::formatNumber(std::fabs(span.heightDifference), 3)) + QStringLiteral("m)");
}

QString governingText(const std::optional<engine::GoverningFactor> &governing)
{
    if (!governing)
        return text(engine::verdictNotChecked);
    return text(engine::formatNumber(governing->factor, 3)) + QStringLiteral(" (")
           + QString::fromUtf8(engine::loadStateLabel(governing->state)) + QStringLiteral(")");
}

} // namespace

void drawDesignCheckPageFixed(PageCanvas &canvas)
{
    applyPageDefaults(canvas);
    canvas.rectangle(tableLeft, tableTop, tableRight, tableBottom);
    for (int row = 0; row < engine::loadStateCount; ++row)
        drawLine(tableLeft, headerBottom + rowHeight * row, tableRight, headerBottom + rowHeight * row, canvas);
    for (std::size_t edge = 1; edge + 1 < columnEdges.size(); ++edge)
        drawLine(columnEdges[edge], tableTop, columnEdges[edge], tableBottom, canvas);

    drawLabels(canvas, headerNames, 9, QStringLiteral("MC"));
    for (int state = 0; state < engine::loadStateCount; ++state)
        drawMarkupText(columnCentre(stateColumn), rowCentre(state), 9, QStringLiteral("MC"),
                       QString::fromUtf8(engine::loadStateLabel(state)), canvas);
    drawLabels(canvas, inputLabels, 9, QStringLiteral("LC"));
}

void drawDesignCheckPageResults(PageCanvas &canvas, const engine::CalculationInput &input,
                                const engine::CalculationResult &result, const engine::DesignChecks &checks,
                                const engine::DesignCheckSettings &settings)
{
    for (int state = 0; state < engine::loadStateCount; ++state)
        drawStateRow(canvas, checks.states[state], state);

    drawDesignation(canvas, conductorLineY, 400, input[engine::slot::conductorType]);
    drawLeft(canvas, 470, conductorLineY, text(std::to_string(result.span.bundleCount)));
    drawLeft(canvas, strengthValueX, conductorLineY,
             strengthText(settings.conductorRatedStrength_N, u"未给定额定拉断力, 未校核"));
    drawDesignation(canvas, stringALineY, strengthLabelX, input[engine::slot::stringA + engine::stringType]);
    drawLeft(canvas, strengthValueX, stringALineY,
             strengthText(settings.stringARatedLoad_kN, u"未给定额定破坏荷载, 未校核"));
    drawLeft(canvas, higherStructureValueX, stringALineY, higherStructureText(result.span));
    drawDesignation(canvas, stringBLineY, strengthLabelX, input[engine::slot::stringB + engine::stringType]);
    drawLeft(canvas, strengthValueX, stringBLineY,
             strengthText(settings.stringBRatedLoad_kN, u"未给定额定破坏荷载, 未校核"));

    const double factors[] = {settings.conductorLongTermFactor, settings.conductorShortTermFactor,
                              settings.stringLongTermFactor, settings.stringShortTermFactor};
    for (int i = 0; i < 4; ++i)
        drawLeft(canvas, factorValueX[i], factorsLineY, text(engine::formatGeneral(factors[i])));

    drawLeft(canvas, 190, verdictLineY, governingText(checks.conductor));
    drawLeft(canvas, 360, verdictLineY, governingText(checks.string));
    drawVerdict(canvas, 640, verdictLineY, QStringLiteral("LC"), checks.pass, checks.unchecked);
}

} // namespace report
