#pragma once

#include "report/pagecommands.h"

#include <algorithm>
#include <cstdint>
#include <limits>

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

/// Codes both metafile formats share with the Windows drawing calls.
namespace gdi {
constexpr std::uint16_t TRANSPARENT = 1;
constexpr std::uint16_t OPAQUE = 2;
constexpr std::uint16_t ALTERNATE = 1;
constexpr std::uint16_t ETO_OPAQUE = 0x0002;
constexpr std::uint8_t GB2312_CHARSET = 134;
constexpr std::int16_t FW_NORMAL = 400;

/// PS_SOLID, PS_DASH, PS_DOT or PS_NULL.
constexpr std::uint16_t penStyleCode(PenStyle style)
{
    switch (style) {
    case PenStyle::Solid:
        return 0;
    case PenStyle::Dash:
        return 1;
    case PenStyle::Dot:
        return 2;
    case PenStyle::Clear:
        break;
    }
    return 5;
}

/// A coordinate as a 16-bit record field: clamped, never wrapped round.
inline std::int16_t clamp16(int value)
{
    return static_cast<std::int16_t>(
        std::clamp(value, int(std::numeric_limits<std::int16_t>::min()), int(std::numeric_limits<std::int16_t>::max())));
}
} // namespace gdi

} // namespace report
