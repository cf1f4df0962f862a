#include "report/pages.h"

#include "report/markuptext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/primitives.h"

namespace report {

namespace {

struct Box
{
    int left, top, right, bottom;
};

// The left half (x 40..600) holds the input data, the right half
// (x 628..1148) the results. Boxes come first because every rectangle is
// filled white and would hide lines drawn before it.
constexpr Box summaryBoxes[] = {
    {40, 170, 220, 420},    // conditions: temperature and wind
    {220, 170, 600, 220},   // voltage, span, height difference, sag
    {220, 220, 600, 345},   // main conductor
    {220, 345, 360, 420},   // ice thickness
    {360, 345, 600, 420},   // marking state switches
    {40, 420, 600, 520},    // insulator strings A and B
    {40, 520, 600, 770},    // jumpers and drop-down leads
    {628, 170, 1148, 520},  // loads, sags and reactions per state
    {628, 520, 1148, 620},  // added vertical loads on the cross-beam
    {628, 620, 1148, 770},  // stringing tension table
};

void drawHorizontal(PageCanvas &canvas, int y, int x1, int x2)
{
    drawLine(x1, y, x2, y, canvas);
}

void drawVertical(PageCanvas &canvas, int x, int y1, int y2)
{
    drawLine(x, y1, x, y2, canvas);
}

void drawInputGrid(PageCanvas &canvas)
{
    drawHorizontal(canvas, 195, 40, 600);
    for (int y : {220, 345})
        drawHorizontal(canvas, y, 40, 220);
    for (int y : {245, 270, 295, 320})
        drawHorizontal(canvas, y, 40, 600);
    // The marking box keeps its caption cell (x 360..410) undivided.
    for (int y : {370, 395})
        drawHorizontal(canvas, y, 40, 220);
    for (int y : {370, 395})
        drawHorizontal(canvas, y, 410, 600);
    for (int y : {445, 470, 495})
        drawHorizontal(canvas, y, 40, 600);
    for (int y = 545; y <= 745; y += 25)
        drawHorizontal(canvas, y, 40, 600);

    for (int x : {100, 160})
        drawVertical(canvas, x, 170, 420);
    drawVertical(canvas, 300, 170, 220);
    drawVertical(canvas, 300, 345, 420);
    drawVertical(canvas, 360, 170, 345);
    for (int x : {420, 480})
        drawVertical(canvas, x, 170, 195);
    drawVertical(canvas, 540, 170, 220);
    for (int x : {450, 540})
        drawVertical(canvas, x, 245, 345);
    drawVertical(canvas, 410, 345, 420);
    drawVertical(canvas, 480, 370, 445);
    for (int x : {540, 210, 270})
        drawVertical(canvas, x, 420, 445);
    drawVertical(canvas, 330, 420, 520);
    for (int x : {120, 180, 270, 400, 450, 540})
        drawVertical(canvas, x, 470, 520);
    for (int x = 120; x <= 520; x += 80)
        drawVertical(canvas, x, 520, 770);
}

void drawResultGrid(PageCanvas &canvas)
{
    for (int y = 195; y <= 495; y += 25)
        drawHorizontal(canvas, y, 628, 1148);
    for (int y : {545, 570, 595})
        drawHorizontal(canvas, y, 628, 1048);
    for (int y = 645; y <= 745; y += 25)
        drawHorizontal(canvas, y, 645, 1148);

    for (int x = 698; x <= 1098; x += 50)
        drawVertical(canvas, x, 220, 520);
    for (int x : {698, 748, 798, 848})
        drawVertical(canvas, x, 545, 620);
    for (int x = 698; x <= 1098; x += 50)
        drawVertical(canvas, x, 645, 770);
    for (int x : {698, 748, 798, 848})
        drawVertical(canvas, x, 195, 220);
    for (int x : {948, 1048})
        drawVertical(canvas, x, 195, 220);
    drawVertical(canvas, 645, 670, 770);

    // Row separators of the stringing table's narrow caption column.
    for (int y : {645, 670, 720})
        drawHorizontal(canvas, y, 628, 645);
    // Jumpers hang at the strings, so PA and PB have no relative distance.
    drawHorizontal(canvas, 757, 140, 180);
    drawHorizontal(canvas, 757, 540, 580);
    drawVertical(canvas, 1048, 520, 620);
}

// The stringing force F_J on the cross-beam: the conductor pulled down at
// the angle α with the tension T, whose components are H and the share in F_J.
void drawStringingForceFigure(PageCanvas &canvas)
{
    drawLine(1050, 610, 1145, 610, canvas);
    drawLine(1068, 605, 1125, 555, canvas);
    drawLine(1125, 555, 1125, 610, canvas);
    drawArrow(1125, 555, 1145, 555, canvas);
    drawArrow(1068, 605, 1053, 605, canvas);
    drawArrow(1125, 530, 1125, 550, canvas);
}

// Row by row, top to bottom. fQA and fQB are the sags of the strings, in metres.
constexpr PageLabel summaryLabels[] = {
    {330, 155, u"输入数据"}, {888, 155, u"计算结果"},
    {70, 182, u"工况"}, {130, 182, u"温度(℃)"}, {190, 182, u"风速(m/s)"}, {260, 182, u"电压(kV)"},
    {390, 182, u"跨距(m)"}, {510, 182, u"高差(m)"}, {888, 182, u"各种工况下的荷载、弧垂"},
    {70, 207, u"最高温度"}, {260, 207, u"弧垂(m)"}, {450, 207, u"检修点至A侧的距离(m)"}, {663, 207, u"项目"},
    {723, 207, u"导线温度"}, {773, 207, u"水平拉力"}, {823, 207, u"弧垂"}, {898, 207, u"简支梁支点反力"},
    {998, 207, u"对架构侧向风压力"}, {1098, 207, u"绝缘子串弧垂"},
    {70, 232, u"最低温度"}, {290, 232, u"主导线型号"}, {663, 232, u"工况"}, {723, 232, u"(℃)"},
    {773, 232, u"H(kN)"}, {823, 232, u"f(m)"}, {873, 232, u"RA(kN)"}, {923, 232, u"RB(kN)"},
    {973, 232, u"PfA(kN)"}, {1023, 232, u"PfB(kN)"}, {1073, 232, u"fQA(m)"}, {1123, 232, u"fQB(m)"},
    {70, 257, u"高温检修"}, {290, 257, u"单根导线外径(mm)"}, {495, 257, u"单根自重(kg/m)"}, {663, 257, u"最高温度"},
    {70, 282, u"低温检修"}, {290, 282, u"温度线膨胀系数(10$sbks-6$sbjs/℃)"}, {495, 282, u"分裂根数"}, {663, 282, u"最大荷载"},
    {70, 307, u"最大风速"}, {290, 307, u"弹性模量(N/mm$sbks2$sbjs)"}, {495, 307, u"次档距(m)"}, {663, 307, u"最大风速"},
    {70, 332, u"最大覆冰"}, {290, 332, u"单根计算截面(mm$sbks2$sbjs)"}, {495, 332, u"间隔棒重(kg)"}, {663, 332, u"最低温度"},
    {70, 357, u"雷电电压"}, {385, 357, u"划印"}, {663, 357, u"雷电电压"},
    {70, 382, u"操作电压"}, {260, 382, u"覆冰厚度(mm)"}, {385, 382, u"状态"}, {663, 382, u"操作电压"},
    {70, 407, u"工频电压"}, {385, 407, u"设置"}, {663, 407, u"工频电压"},
    {130, 432, u"A绝缘子串型号"}, {240, 432, u"长度(mm)"}, {405, 432, u"B绝缘子串型号"}, {510, 432, u"长度(mm)"},
    {663, 432, u"三相上人高温"},
    {663, 457, u"三相上人低温"},
    {80, 482, u"无冰自重(kg)"}, {225, 482, u"无冰受风面积(m$sbks2$sbjs)"}, {365, 482, u"无冰自重(kg)"},
    {495, 482, u"无冰受风面积(m$sbks2$sbjs)"}, {663, 482, u"单相上人高温"},
    {80, 507, u"覆冰总重(kg)"}, {225, 507, u"覆冰受风面积(m$sbks2$sbjs)"}, {365, 507, u"覆冰总重(kg)"},
    {495, 507, u"覆冰受风面积(m$sbks2$sbjs)"}, {663, 507, u"单相上人低温"},
    {160, 532, u"左跳线PA"}, {240, 532, u"引下线P1"}, {320, 532, u"引下线P2"}, {400, 532, u"引下线P3"},
    {480, 532, u"引下线P4"}, {560, 532, u"右跳线PB"}, {838, 532, u"安装检修时横梁上增加的垂直集中荷重(kN,式中各量以kgf计)"},
    {80, 557, u"导线型号"}, {723, 557, u"施工紧线"}, {773, 557, u"三相上人"}, {823, 557, u"单相上人"},
    {80, 582, u"自重(kg/m)"}, {663, 582, u"A侧"},
    {80, 607, u"单根外径(mm)"}, {663, 607, u"B侧"},
    {80, 632, u"分裂根数"}, {888, 632, u"施工放线张力表"},
    {80, 657, u"次档距(m)"}, {663, 657, u"施工气温(℃)"},
    // "安装" and "划印" stand vertically beside their two rows each.
    {80, 682, u"间隔棒重(kg)"}, {637, 682, u"安"}, {672, 682, u"张力H(kN)"},
    {80, 707, u"导线长(m)"}, {637, 707, u"装"}, {672, 707, u"弧垂f(m)"},
    {80, 732, u"金具重(kg)"}, {637, 732, u"划"}, {672, 732, u"张力H(kN)"},
    {80, 757, u"相对距离(m)"}, {637, 757, u"印"}, {672, 757, u"弧垂f(m)"},
};

constexpr PageLabel formulaNotes[] = {
    {855, 557, u"紧线时：F$xbksJ$xbjs=200+Qi+Tsinα"},
    {855, 582, u"T=1.1～1.2H,取系数1.2,α=45°计算"},
    {855, 607, u"检修时：F$xbksJ$xbjs=200+Wγ(L-bi)/L"},
    {1079, 602, u"α≤45°"},
};

void drawSummaryLabels(PageCanvas &canvas)
{
    drawLabels(canvas, summaryLabels, 8, QStringLiteral("MC"));
    drawLabels(canvas, formulaNotes, 8, QStringLiteral("LC"));

    drawMarkupText(1135, 565, 10, QStringLiteral("LC"), QStringLiteral("H"), canvas);
    drawMarkupText(1052, 595, 10, QStringLiteral("LC"), QStringLiteral("T"), canvas);
    drawMarkupText(1120, 545, 10, QStringLiteral("RC"), QStringLiteral("F$xbksJ$xbjs"), canvas);
}

} // namespace

void drawSummaryPageFixed(PageCanvas &canvas)
{
    applyPageDefaults(canvas);

    canvas.setPenWidth(2);
    for (const Box &box : summaryBoxes)
        canvas.rectangle(box.left, box.top, box.right, box.bottom);

    canvas.setPenWidth(1);
    drawInputGrid(canvas);
    drawResultGrid(canvas);
    drawStringingForceFigure(canvas);
    drawSummaryLabels(canvas);
}

} // namespace report
