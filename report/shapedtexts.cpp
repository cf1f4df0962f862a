#include "report/shapedtexts.h"

#include "report/textmetrics.h"

#include <QPainter>
#include <QTextLayout>

namespace report {

namespace {

// Texts other than numbers still come from the spans' inputs (names,
// conductor types); the kept texts are let go when they grow past this, so
// that a long batch cannot make them grow without end (a text laid out
// holds a kB or two). A span's pages have a few hundred labels.
constexpr qsizetype keptTextLimit = 1024;

} // namespace

void ShapedTexts::draw(QPainter &painter, const QString &fontName, int pixelHeight, const QPointF &baseline,
                       const QString &text)
{
    if (text.isEmpty() || painter.pen().style() == Qt::NoPen)
        return;
    // A span's numbers are its own: kept, they would only crowd the labels out.
    if (isNumberText(text)) {
        painter.drawText(baseline, text);
        return;
    }
    const QString key = fontName + QChar(0x1F) + QString::number(pixelHeight) + QChar(0x1F) + text;
    auto known = mLayouts.find(key);
    if (known == mLayouts.end()) {
        if (mLayouts.size() >= keptTextLimit)
            mLayouts.clear();
        auto layout = std::make_shared<QTextLayout>(text, painter.font(), painter.device());
        layout->setCacheEnabled(true);
        layout->beginLayout();
        layout->createLine();
        layout->endLayout();
        known = mLayouts.insert(key, std::move(layout));
    }
    const QTextLayout &layout = **known;
    // The layout's top, so that its first line's baseline falls on the point.
    layout.draw(&painter, baseline - QPointF(0, layout.lineAt(0).ascent()));
}

} // namespace report
