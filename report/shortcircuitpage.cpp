#include "report/bookpages.h"

#include "engine/calculationerror.h"
#include "engine/loadstate.h"
#include "engine/numberformatting.h"
#include "engine/shortcircuitspan.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/ruledtable.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace report {

namespace {

/// \a exponent in superscript characters, "⁻¹⁹": glyphs of the line's own
/// height, where the page's raised markup would touch the rule above in
/// rows as tight as the step table's.
QString superscript(int exponent)
{
    static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString raised = exponent < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar digit : QString::number(std::abs(exponent)))
        raised += QChar(digits[digit.digitValue()]);
    return raised;
}

/// \a value with \a digits significant digits; very small and very large
/// values as a power of ten ("2.87×10¹⁰").
QString significant(double value, int digits = 4)
{
    if (!std::isfinite(value))
        throw engine::CalculationError(engine::CalculationError::Kind::Arithmetic, "短路计算结果不是有限数值.");
    if (value == 0)
        return QStringLiteral("0");
    const int exponent = int(std::floor(std::log10(std::abs(value))));
    if (exponent < -3 || exponent >= 6) {
        const double mantissa = value / std::pow(10.0, exponent);
        return QString::fromStdString(engine::formatNumber(float(mantissa), digits - 1)) + QStringLiteral("×10")
               + superscript(exponent);
    }
    const int decimals = std::clamp(digits - 1 - exponent, 0, 7);
    return QString::fromStdString(engine::formatNumber(float(value), decimals));
}

/// One line of the step table: the standard's symbol, what it is, its unit and how to read it from a case.
struct StepRow
{
    const char16_t *symbol;
    const char16_t *meaning;
    const char16_t *unit;
    std::function<std::optional<double>(const engine::ShortCircuitCase &)> value;
};

std::vector<StepRow> stepRows()
{
    using Case = engine::ShortCircuitCase;
    const auto kN = [](double N) { return N / 1000; };
    return {
        {u"F$xbksst$xbjs", u"静态水平拉力(每相,无风无冰)", u"kN", [=](const Case &c) { return kN(c.staticTension_N); }},
        {u"F′", u"单位长度电磁力", u"N/m", [](const Case &c) { return c.forcePerLength_N_m; }},
        {u"r", u"电磁力与重力之比", u"", [](const Case &c) { return c.forceRatio; }},
        {u"δ$xbks1$xbjs", u"合力方向角", u"°", [](const Case &c) { return c.resultantAngle_deg; }},
        {u"f$xbkses$xbjs", u"跨中等效静态弧垂", u"m", [](const Case &c) { return c.staticSag_m; }},
        {u"T", u"摆动周期", u"s", [](const Case &c) { return c.period_s; }},
        {u"T$xbksres$xbjs", u"短路电流作用时的摆动周期", u"s", [](const Case &c) { return c.resultingPeriod_s; }},
        {u"E$xbkss$xbjs", u"实际弹性模量", u"N/m²", [](const Case &c) { return c.actualModulus_N_m2; }},
        {u"N", u"刚度系数", u"1/N", [](const Case &c) { return c.stiffnessNorm_per_N; }},
        {u"ζ", u"应力系数", u"", [](const Case &c) { return c.stressFactor; }},
        {u"δ$xbksend$xbjs", u"短路结束时的摆角", u"°", [](const Case &c) { return c.endAngle_deg; }},
        {u"χ", u"系数χ", u"", [](const Case &c) { return c.chi; }},
        {u"δ$xbksm$xbjs", u"最大摆角", u"°", [](const Case &c) { return c.maxSwingAngle_deg; }},
        {u"φ", u"荷载参数", u"", [](const Case &c) { return c.loadParameter; }},
        {u"ψ", u"系数ψ", u"", [](const Case &c) { return c.psi; }},
        {u"F$xbkst,d$xbjs", u"短路摆动拉力", u"kN", [=](const Case &c) { return kN(c.tensileForce_N); }},
        {u"ε$xbksela$xbjs", u"弹性应变", u"", [](const Case &c) { return c.elasticStrain; }},
        {u"ε$xbksth$xbjs", u"热应变", u"", [](const Case &c) { return c.thermalStrain; }},
        {u"C$xbksD$xbjs", u"弧垂增大系数(应变)", u"", [](const Case &c) { return c.sagFactorCD; }},
        {u"C$xbksF$xbjs", u"弧垂增大系数(形状)", u"", [](const Case &c) { return c.sagFactorCF; }},
        {u"f$xbksed$xbjs", u"动态弧垂", u"m", [](const Case &c) { return c.dynamicSag_m; }},
        {u"b$xbksh$xbjs", u"最大水平位移", u"m", [](const Case &c) { return c.horizontalDisplacement_m; }},
        {u"a$xbksmin$xbjs", u"最小相间空气间隙", u"m", [](const Case &c) { return c.minimumClearance_m; }},
        {u"F$xbksf,d$xbjs", u"短路后落下拉力", u"kN",
         [=](const Case &c) { return c.dropForce_N ? std::optional<double>(kN(*c.dropForce_N)) : std::nullopt; }},
        {u"F$xbkspi,d$xbjs", u"分裂导线收缩拉力", u"kN",
         [=](const Case &c) { return c.pinchForce_N ? std::optional<double>(kN(*c.pinchForce_N)) : std::nullopt; }},
        {u"F$xbksd$xbjs", u"设计荷载(以上最大者)", u"kN", [=](const Case &c) { return kN(c.designLoad_N); }},
    };
}

void drawInputs(PageCanvas &canvas, const engine::ShortCircuitResult &sc, const QColor &resultColour)
{
    const engine::ShortCircuitInputs &in = sc.inputs;
    const engine::ShortCircuitSettings &set = sc.settings;
    const std::pair<QString, QString> items[] = {
        {QStringLiteral("I″$xbksk3$xbjs (kA)"), significant(in.initialCurrent_A / 1000)},
        {QStringLiteral("T$xbksk1$xbjs (s)"), significant(in.firstDuration_s)},
        {QStringLiteral("f (Hz)"), significant(set.frequency_Hz)},
        {QStringLiteral("a (m)"), significant(in.phaseSpacing_m)},
        {QStringLiteral("S (kN/m)"), significant(in.springConstant_N_m / 1000)},
        {QStringLiteral("l (m)"), significant(in.span_m)},
        {QStringLiteral("l$xbksi$xbjs (m)"), significant(in.stringLength_m)},
        {QStringLiteral("l$xbksc$xbjs (m)"), significant(in.cordLength_m())},
        {QStringLiteral("n"), QString::number(in.subConductors)},
        {QStringLiteral("A$xbkss$xbjs (mm²)"), significant(in.subConductorArea_m2 * 1e6)},
        {QStringLiteral("d$xbkss$xbjs (mm)"), significant(in.subConductorDiameter_m * 1000)},
        {QStringLiteral("E (N/mm²)"), significant(in.elasticModulus_N_m2 / 1e6)},
        {QStringLiteral("m′$xbkss$xbjs (kg/m)"), significant(in.massPerLength_kg_m)},
        {QStringLiteral("a$xbkss$xbjs (m)"),
         in.subConductorSpacing_m ? significant(*in.subConductorSpacing_m) : QStringLiteral("-")},
        {QStringLiteral("l$xbkss$xbjs (m)"), significant(in.spacerDistance_m)},
        {QStringLiteral("c$xbksth$xbjs (m⁴/(A²s))"), significant(in.thermalStrainConstant)},
    };
    const RuledTable table({830, 990, 1110}, 160, 22, int(std::size(items)));
    drawFittedText(canvas, {830, 136, 1110, 156}, 830, 146, 10, QStringLiteral("LC"), QStringLiteral("输入"));
    table.drawRules(canvas);
    for (int row = 0; row < table.rowCount(); ++row)
        table.text(canvas, 0, row, items[row].first);
    canvas.setFontColor(resultColour);
    for (int row = 0; row < table.rowCount(); ++row)
        table.text(canvas, 1, row, items[row].second);
    canvas.setFontColor(fixedTextColor);
}

} // namespace

void drawShortCircuitPage(PageCanvas &canvas, const engine::ShortCircuitResult &sc, const QColor &resultColour)
{
    drawTitledFrame(canvas, QString::fromUtf8(shortCircuitTitle));
    const std::vector<StepRow> rows = stepRows();
    const RuledTable table({40, 130, 400, 480, 630, 780}, 150, 19, int(rows.size()) + 1);
    table.drawRules(canvas);
    table.text(canvas, 0, 0, QStringLiteral("符号"));
    table.text(canvas, 1, 0, QStringLiteral("名称"));
    table.text(canvas, 2, 0, QStringLiteral("单位"));
    for (int c = 0; c < 2; ++c) {
        const engine::ShortCircuitTemperatureCase &tc = sc.cases[std::size_t(c)];
        table.text(canvas, 3 + c, 0,
                   QString::fromUtf8(engine::loadStateLabel(tc.state)) + QStringLiteral(" %1℃").arg(
                       QString::fromStdString(engine::formatGeneral(tc.temperature_degC))));
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        table.text(canvas, 0, int(r) + 1, QString::fromUtf16(rows[r].symbol));
        table.leftText(canvas, 1, int(r) + 1, QString::fromUtf16(rows[r].meaning));
        table.text(canvas, 2, int(r) + 1, QString::fromUtf16(rows[r].unit));
    }
    canvas.setFontColor(resultColour);
    for (int c = 0; c < 2; ++c) {
        const engine::ShortCircuitCase &values = sc.cases[std::size_t(c)].values;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const std::optional<double> value = rows[r].value(values);
            table.text(canvas, 3 + c, int(r) + 1, value ? significant(*value) : QStringLiteral("不计"));
        }
    }
    canvas.setFontColor(fixedTextColor);
    drawInputs(canvas, sc, resultColour);

    // Under the table: the design load, the pinch, the thermal withstand, the method's limits.
    QStringList notes;
    notes << QStringLiteral("设计荷载 %1 kN(%2),作为静荷载作用于构架、绝缘子串和线夹(每相).")
                 .arg(significant(sc.designLoad_N / 1000),
                      QString::fromUtf8(engine::loadStateLabel(sc.cases[std::size_t(sc.governingCase)].state)));
    for (const engine::ShortCircuitTemperatureCase &tc : sc.cases)
        if (!tc.values.pinchForce_N && !tc.values.pinchNote.empty()) {
            notes << QStringLiteral("F$xbkspi,d$xbjs: ") + QString::fromStdString(tc.values.pinchNote);
            break;
        }
    if (const std::optional<engine::ShortCircuitCheck> &check = sc.strengthCheck) {
        const auto factor = [](const std::optional<double> &value) {
            return value ? significant(*value, 3) : QString::fromUtf8(engine::verdictNotChecked);
        };
        notes << QStringLiteral("强度校验(短时荷载,要求导线%1、绝缘子串%2): 导线 K$xbksc$xbjs=%3, A串 K$xbkss$xbjs=%4, B串 K$xbkss$xbjs=%5, %6.")
                     .arg(significant(check->requiredConductorFactor, 3), significant(check->requiredStringFactor, 3),
                          factor(check->conductorFactor), factor(check->stringFactorA), factor(check->stringFactorB),
                          QString::fromStdString(engine::verdictText(check->pass, check->unchecked)));
    }
    const engine::ThermalWithstand &thermal = sc.thermal;
    notes << QStringLiteral("热稳定: A$xbksmin$xbjs = I″$xbksk3$xbjs·√T$xbksk$xbjs/C = %1 mm²(C=%2,T$xbksk$xbjs=%3 s),导线截面 %4 mm², %5.")
                 .arg(significant(thermal.minimumSection_mm2), significant(thermal.coefficient),
                      significant(thermal.duration_s), significant(thermal.section_mm2),
                      thermal.met ? QStringLiteral("满足") : QStringLiteral("不满足"));
    // Where c_th and S came from, when the engineer did not type them.
    QStringList sources;
    if (!sc.settings.thermalStrainBasis.empty())
        sources << QStringLiteral("c$xbksth$xbjs = %1 m⁴/(A²·s),按%2")
                       .arg(significant(sc.settings.thermalStrainConstant),
                            QString::fromStdString(sc.settings.thermalStrainBasis));
    if (const auto &supports = sc.settings.supportSpringConstants_N_m)
        sources << QStringLiteral("S由两侧串联: 1/S = 1/S$xbksA$xbjs + 1/S$xbksB$xbjs,S$xbksA$xbjs = %1 kN/m,"
                                  "S$xbksB$xbjs = %2 kN/m")
                       .arg(significant((*supports)[0] / 1000), significant((*supports)[1] / 1000));
    if (!sources.isEmpty())
        notes << QStringLiteral("取值: ") + sources.join(QStringLiteral(";")) + QStringLiteral(".");
    notes << QStringLiteral("按IEC 60865-1(耐张软导线简化法)计算;g$xbksn$xbjs取9.81 m/s²(其余各页按设计手册取9.8).");
    for (const std::string &warning : sc.warnings)
        notes << QStringLiteral("注意: ") + QString::fromStdString(warning);
    // The notes close up rather than run past the frame when the warnings are many.
    constexpr int lastNoteY = 808;
    int y = table.bottom() + 14;
    const int step = notes.size() > 1 ? std::min(18, (lastNoteY - y) / int(notes.size() - 1)) : 18;
    for (const QString &note : notes) {
        const bool strengthFails = sc.strengthCheck && sc.strengthCheck->pass == false
                                   && note.startsWith(QStringLiteral("强度校验"));
        const bool failing = note.startsWith(QStringLiteral("注意")) || strengthFails
                             || (note.startsWith(QStringLiteral("热稳定")) && !thermal.met);
        canvas.setFontColor(failing ? failColor : fixedTextColor);
        drawFittedText(canvas, {40, y - 9, 1148, y + 9}, 40, y, 9, QStringLiteral("LC"), note);
        y += step;
    }
    applyPageDefaults(canvas);
}

} // namespace report
