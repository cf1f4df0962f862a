#pragma once

#include <QHash>
#include <QPointF>
#include <QString>

#include <memory>

class QPainter;
class QTextLayout;

namespace report {

/**
 * Texts laid out once and kept, for a device that paints many pages of the
 * same labels (a batch's PDF): shaping is most of what drawing a text costs,
 * and a batch draws its labels once a span. A kept text is drawn item by
 * item as QPainter::drawText() draws it, the same glyphs at the same points
 * through the same painter calls, so the device gets the same drawing.
 * To be used on one thread.
 */
class ShapedTexts
{
public:
    /**
     * Draws \a text with its baseline's left end at \a baseline, in the
     * painter's font (reportFont(\a fontName, \a pixelHeight)) and pen,
     * as QPainter::drawText(\a baseline, \a text) would.
     */
    void draw(QPainter &painter, const QString &fontName, int pixelHeight, const QPointF &baseline,
              const QString &text);

private:
    QHash<QString, std::shared_ptr<QTextLayout>> mLayouts;
};

} // namespace report
