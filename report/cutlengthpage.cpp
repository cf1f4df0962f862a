#include "report/bookpages.h"

#include "engine/calculationresult.h"
#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"
#include "report/ruledtable.h"

namespace report {

namespace {

enum Column { temperatureColumn, lengthColumn, tensionColumn, sagColumn, columnCount };

constexpr const char *headings[columnCount] = {
    "施工气温(℃)", "下料长度(m,每根子导线)", "挂线后水平拉力H(kN,每相)", "挂线后弧垂f(m)",
};

} // namespace

void drawCutLengthPage(PageCanvas &canvas, const engine::CalculationResult &result, const QColor &resultColour)
{
    drawTitledFrame(canvas, QString::fromUtf8(cutLengthTitle));
    const RuledTable table({194, 344, 574, 804, 994}, 170, 26, 1 + int(result.cutLengths.size()));
    table.drawRules(canvas);
    for (int column = 0; column < columnCount; ++column)
        table.text(canvas, column, 0, QString::fromUtf8(headings[column]), 10);

    canvas.setFontColor(resultColour);
    QStringList failures;
    for (std::size_t i = 0; i < result.cutLengths.size(); ++i) {
        const engine::CutLength &cut = result.cutLengths[i];
        const int row = int(i) + 1;
        table.number(canvas, temperatureColumn, row, cut.temperature, 0, 10);
        if (cut.solved) {
            table.number(canvas, lengthColumn, row, cut.length, 3, 10);
        } else {
            canvas.setFontColor(failColor);
            table.text(canvas, lengthColumn, row, QStringLiteral("未求解"), 10);
            canvas.setFontColor(resultColour);
            failures.append(QString::fromStdString(cut.failure));
        }
        table.number(canvas, tensionColumn, row, cut.tension, 3, 10);
        table.number(canvas, sagColumn, row, cut.sag, 3, 10);
    }
    canvas.setFontColor(fixedTextColor);

    const QString notes[] = {
        QStringLiteral("下料长度: 一根子导线在该施工气温下不受力时,两端绝缘子串末端(耐张线夹处)之间的导线长度(无应力长度),"),
        QStringLiteral("    由精确悬链线求得:导线在安装状态的荷载(绝缘子串、跳线、引下线与间隔棒)下,以该气温安装状态的H挂线,扣除弹性伸长."),
        QStringLiteral("不含绝缘子串及金具;耐张线夹压接或缠绕、跳线与引下线连接所需的长度由施工按线夹和金具型号另加."),
        QStringLiteral("分裂导线各子导线下料长度相同;挂线后的水平拉力与弧垂为安装状态的数值(同第1页施工放线张力表、第17页)."),
        QStringLiteral("应在下料时的实际气温下量取;气温介于表列温度之间时按相邻两行线性插值."),
    };
    int y = table.bottom() + 20;
    for (const QString &note : notes) {
        drawFittedText(canvas, {194, y - 10, 1100, y + 10}, 194, y, 9, QStringLiteral("LC"), note);
        y += 22;
    }
    if (!failures.isEmpty()) {
        canvas.setFontColor(failColor);
        failures.removeDuplicates();
        drawFittedText(canvas, {194, y - 10, 1100, y + 10}, 194, y, 9, QStringLiteral("LC"),
                       QStringLiteral("未求解: ") + failures.join(QStringLiteral("; ")));
    }
    applyPageDefaults(canvas);
}

} // namespace report
