#pragma once

#include "report/pagecommands.h"

namespace report {

class ReportPage;

/**
 * Receives a page as the calls a Windows device context would have recorded
 * into a metafile: objects created into numbered slots, selected and
 * deleted, mode settings and drawing calls. The metafile writers implement
 * it; gdiCalls() decides the order, so both formats hold the same calls.
 */
class GdiCallSink
{
public:
    virtual ~GdiCallSink() = default;

    virtual void createPen(int slot, const PagePen &pen) = 0;
    virtual void createBrush(int slot, const PageBrush &brush) = 0;
    virtual void createFont(int slot, const PageFont &font) = 0;
    virtual void selectObject(int slot) = 0;
    virtual void deleteObject(int slot) = 0;

    virtual void setTextColor(const QColor &color) = 0;
    /// Opaque: text cells are painted with the background colour first.
    virtual void setBackgroundOpaque(bool opaque) = 0;
    virtual void setBackgroundColor(const QColor &color) = 0;

    virtual void moveTo(QPoint point) = 0;
    virtual void lineTo(QPoint point) = 0;
    virtual void rectangle(const PageBox &box) = 0;
    virtual void roundRect(const PageBox &box, int ellipseWidth, int ellipseHeight) = 0;
    virtual void polygon(const QVector<QPoint> &points) = 0;
    /// A start point and three points per cubic segment.
    virtual void polyBezier(const QVector<QPoint> &points) = 0;
    /// Text at its cell's top-left corner; \a opaque as last set.
    virtual void textOut(const TextCommand &text, bool opaque) = 0;
};

/**
 * Plays \a page into \a sink. Pen, brush and font are created only when they
 * change; the new object is selected before the old one is deleted, so no
 * selected object is ever deleted. Slots are the lowest free ones counted
 * from \a firstSlot (0 for WMF, 1 for EMF, whose slot 0 is the file itself).
 *
 * @return the number of slots needed: the highest slot used + 1 − firstSlot
 */
int gdiCalls(const ReportPage &page, GdiCallSink &sink, int firstSlot);

} // namespace report
