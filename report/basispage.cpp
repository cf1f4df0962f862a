#include "report/bookpages.h"

#include "engine/calculationresult.h"
#include "engine/conductorloads.h"
#include "engine/designchecks.h"
#include "engine/loadstate.h"
#include "engine/numberformatting.h"
#include "engine/structureloads.h"
#include "engine/units.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/ruledtable.h"

namespace report {

namespace {

constexpr int textLeft = 40;
constexpr int textRight = 700;
constexpr int lineHeight = 19;

QString number(double value)
{
    return QString::fromStdString(engine::formatGeneral(value));
}

// A figure of the span as the engine holds it, in its shortest decimal.
QString number(float value)
{
    return QString::fromStdString(engine::formatGeneral(value));
}

/// Writes the lines of the text column one under the other.
class TextColumn
{
public:
    TextColumn(PageCanvas &canvas, int top) : mCanvas(canvas), mY(top) {}

    void heading(const QString &text)
    {
        mY += lineHeight / 3;
        line(text, 10, textLeft);
    }
    void item(const QString &text) { line(text, 9, textLeft + 16); }

private:
    void line(const QString &text, int size, int left)
    {
        drawFittedText(mCanvas, {left, mY - lineHeight / 2, textRight, mY + lineHeight / 2}, left, mY, size,
                       QStringLiteral("LC"), text);
        mY += lineHeight;
    }

    PageCanvas &mCanvas;
    int mY;
};

void drawMethod(TextColumn &text)
{
    text.heading(QStringLiteral("一、计算方法"));
    text.item(QStringLiteral("按设计手册的耐张软导线计算法:跨线(绝缘子串、导线、跳线与引下线)视为简支梁,"));
    text.item(QStringLiteral("求各工况的最大弯矩M与荷载因数D,由状态方程求应力σm、水平拉力H=Sσm与弧垂f=M/H(第1~17页)."));
    text.item(QStringLiteral("以精确悬链线校核:绝缘子串为刚性杆,导线为弹性悬链线(EA、α),较高一侧高出|h|(设计校核页)."));
    text.item(QStringLiteral("荷载按每根子导线计算,各荷载均除以分裂根数;力的单位以kgf计算,kN输出."));
}

void drawStandards(TextColumn &text, const engine::DesignCheckSettings &factors)
{
    text.heading(QStringLiteral("二、标准及取用内容"));
    text.item(QStringLiteral("DL/T 5222 导体和电器选择设计规程:软导线安全系数 长期荷载 %1、短时荷载 %2;")
                  .arg(number(factors.conductorLongTermFactor), number(factors.conductorShortTermFactor)));
    text.item(QStringLiteral("    悬式绝缘子串安全系数 长期荷载 %1、短时荷载 %2(最高温度、最大荷载、最大风速、最低温度为长期).")
                  .arg(number(factors.stringLongTermFactor), number(factors.stringShortTermFactor)));
    text.item(QStringLiteral("GB/T 1179 圆线同心绞架空导线:导线的计算拉断力;绝缘子串取其额定机械破坏负荷."));
    text.item(QStringLiteral("未给出的强度不作校核,结论注明“未校核”的项目."));
}

void drawConstants(TextColumn &text, const engine::CalculationResult &result)
{
    using namespace engine;
    text.heading(QStringLiteral("四、计算常数"));
    text.item(QStringLiteral("g = %1 N/kgf;覆冰密度 %2 g/cm³,覆冰荷载 gi = %3·b·(b+d) kgf/m")
                  .arg(number(newtonPerKgf), number(iceDensity_gPerCm3), number(iceWeightCoefficient)));
    text.item(QStringLiteral("基本风压 W0 = v²/%1 kgf/m²;导线风荷载 gw = %2·W0·(d+2b)·10⁻³ = %3·v²·(d+2b)·10⁻³ kgf/m")
                  .arg(number(windPressureDivisor), number(conductorShapeCoefficient), number(conductorWindCoefficient)));
    text.item(QStringLiteral("绝缘子串风荷载 W = %1·A·W0 = %2·A·v² kgf(A为受风面积,m²)")
                  .arg(number(stringShapeCoefficient), number(stringWindCoefficient)));
    text.item(QStringLiteral("检修荷载 W:三相上人 %1 kgf,单相上人 %2 kgf(按电压等级取)")
                  .arg(number(result.threePhaseMaintenanceLoad), number(result.singlePhaseMaintenanceLoad)));
    text.item(QStringLiteral("横梁附加荷载:F = %1 kgf + Qi + T·sinα,T = %2H,α = %3°(紧线);F = %1 kgf + W·(L-b)/L(检修)")
                  .arg(number(beamBaseLoad_kgf), number(stringingTensionFactor), number(stringingPullAngle_deg)));
}

void drawDecisions(TextColumn &text)
{
    text.heading(QStringLiteral("五、取值约定"));
    text.item(QStringLiteral("检修荷载由各子导线平均分担,每根承担 W/分裂根数."));
    text.item(QStringLiteral("跳线与引下线的侧向风力为其单位长度风荷载乘导线长度."));
    text.item(QStringLiteral("紧线横梁荷载的Qi为该端整串绝缘子(取自安装状态,两串均已挂上)."));
    text.item(QStringLiteral("构架垂直荷载为简支梁支点反力,较高一侧加H·tanγ,较低一侧减H·tanγ."));
    text.item(QStringLiteral("划印状态只计已连接的部分;未连接的引线及金具不计重量."));
    text.item(QStringLiteral("安装、划印取九个施工气温中水平拉力最大者参与校核."));
}

// 三、设计条件: the temperature, wind and ice of every state as the engine took them.
void drawConditions(PageCanvas &canvas, const engine::CalculationResult &result, const QColor &resultColour)
{
    constexpr int left = 730;
    const RuledTable table({left, left + 130, left + 220, left + 310, left + 400}, 190, 20,
                           engine::loadStateCount + 1);
    drawFittedText(canvas, {left, 160, 1148, 180}, left, 170, 10, QStringLiteral("LC"),
                   QStringLiteral("三、设计条件(计算所用)"));
    table.drawRules(canvas);
    table.text(canvas, 0, 0, QStringLiteral("工况"));
    table.text(canvas, 1, 0, QStringLiteral("温度(℃)"));
    table.text(canvas, 2, 0, QStringLiteral("风速(m/s)"));
    table.text(canvas, 3, 0, QStringLiteral("覆冰(mm)"));
    for (int state = 0; state < engine::loadStateCount; ++state)
        table.text(canvas, 0, state + 1, QString::fromUtf8(engine::loadStateLabel(state)));
    canvas.setFontColor(resultColour);
    const engine::SpanData &span = result.span;
    for (int state = 0; state < engine::loadStateCount; ++state) {
        const bool stringing = state == engine::installation || state == engine::marking;
        if (stringing)
            table.text(canvas, 1, state + 1, QStringLiteral("施工气温"));
        else
            table.text(canvas, 1, state + 1, number(span.temperature[std::size_t(state)]));
        table.text(canvas, 2, state + 1, number(span.windSpeed[std::size_t(state)]));
        table.text(canvas, 3, state + 1, number(span.iceOfState[std::size_t(state)]));
    }
    QStringList temperatures;
    for (int column = engine::installationColumn; column < engine::markingColumn; ++column)
        temperatures.append(number(result.stateEquation[std::size_t(column)][engine::rowThetaM]));
    canvas.setFontColor(fixedTextColor);
    drawFittedText(canvas, {left, table.bottom() + 4, 1148, table.bottom() + 24}, left, table.bottom() + 14, 9,
                   QStringLiteral("LC"), QStringLiteral("施工气温(℃): ") + temperatures.join(QStringLiteral(", ")));
}

} // namespace

void drawBasisPage(PageCanvas &canvas, const engine::CalculationResult &result,
                   const engine::DesignCheckSettings &checkSettings, const QColor &resultColour)
{
    drawTitledFrame(canvas, QString::fromUtf8(basisTitle));
    TextColumn text(canvas, 170);
    drawMethod(text);
    drawStandards(text, checkSettings);
    drawConstants(text, result);
    drawDecisions(text);
    drawConditions(canvas, result, resultColour);
    applyPageDefaults(canvas);
}

} // namespace report
