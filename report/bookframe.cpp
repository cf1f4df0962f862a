#include "report/bookpages.h"

#include "report/fittedtext.h"
#include "report/pagecanvas.h"
#include "report/pagestyle.h"

namespace report {

void drawBookBand(PageCanvas &canvas, const common::BookData &book, const QString &spanName)
{
    if (book.isEmpty())
        return;
    // The band lies between the page's top edge and the frame at y = 100.
    constexpr int y = 86;
    constexpr int third = 1148 / 3;
    const auto entry = [](const char *label, const std::string &value) {
        return QString::fromUtf8(label) + QString::fromStdString(value);
    };
    applyPageDefaults(canvas);
    drawFittedText(canvas, {20, 72, 20 + third, 100}, 22, y, 9, QStringLiteral("LC"),
                   entry("工程名称:", book.projectName));
    drawFittedText(canvas, {20 + third, 72, 20 + 2 * third, 100}, 594, y, 9, QStringLiteral("MC"),
                   entry("计算书编号:", book.bookNumber));
    drawFittedText(canvas, {20 + 2 * third, 72, 1168, 100}, 1166, y, 9, QStringLiteral("RC"),
                   QStringLiteral("跨线:") + spanName);
}

} // namespace report
