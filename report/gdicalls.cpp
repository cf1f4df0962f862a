#include "report/gdicalls.h"

#include "report/reportpage.h"

#include <optional>
#include <vector>

namespace report {

namespace {

/// Object slots of a device context, handed out lowest first as GDI does.
class SlotTable
{
public:
    explicit SlotTable(int firstSlot) : mFirstSlot(firstSlot) {}

    int take()
    {
        std::size_t index = 0;
        while (index < mUsed.size() && mUsed[index]) {
            ++index;
        }
        if (index == mUsed.size()) {
            mUsed.push_back(false);
        }
        mUsed[index] = true;
        return static_cast<int>(index) + mFirstSlot;
    }

    void release(int slot) { mUsed[static_cast<std::size_t>(slot - mFirstSlot)] = false; }

    int size() const { return static_cast<int>(mUsed.size()); }

private:
    int mFirstSlot;
    std::vector<bool> mUsed;
};

template<typename Value>
struct Selected
{
    std::optional<Value> value;
    int slot = -1;
};

class GdiPlayer
{
public:
    GdiPlayer(GdiCallSink &sink, int firstSlot) : mSink(sink), mSlots(firstSlot) {}

    void operator()(const LineCommand &c)
    {
        use(mPen, c.pen, &GdiCallSink::createPen);
        if (mPosition != c.from) {
            mSink.moveTo(c.from);
        }
        mSink.lineTo(c.to);
        mPosition = c.to;
    }

    void operator()(const RectangleCommand &c)
    {
        use(mPen, c.pen, &GdiCallSink::createPen);
        use(mBrush, c.brush, &GdiCallSink::createBrush);
        mSink.rectangle(c.box);
    }

    void operator()(const RoundRectCommand &c)
    {
        use(mPen, c.pen, &GdiCallSink::createPen);
        use(mBrush, c.brush, &GdiCallSink::createBrush);
        mSink.roundRect(c.box, c.ellipseWidth, c.ellipseHeight);
    }

    void operator()(const PolygonCommand &c)
    {
        use(mPen, c.pen, &GdiCallSink::createPen);
        use(mBrush, c.brush, &GdiCallSink::createBrush);
        mSink.polygon(c.points);
    }

    void operator()(const BezierCommand &c)
    {
        use(mPen, c.pen, &GdiCallSink::createPen);
        mSink.polyBezier(c.points);
    }

    void operator()(const TextCommand &c)
    {
        // The colour belongs to the device context, not to the font object.
        PageFont face = c.font;
        face.color = QColor();
        use(mFont, face, &GdiCallSink::createFont);
        if (mTextColor != c.font.color) {
            mSink.setTextColor(c.font.color);
            mTextColor = c.font.color;
        }
        const bool opaque = c.background.style == BrushStyle::Solid;
        if (mOpaque != opaque) {
            mSink.setBackgroundOpaque(opaque);
            mOpaque = opaque;
        }
        if (opaque && mBackgroundColor != c.background.color) {
            mSink.setBackgroundColor(c.background.color);
            mBackgroundColor = c.background.color;
        }
        mSink.textOut(c, opaque);
    }

    void operator()(const MarkupAnnotation &) {}

    int slotCount() const { return mSlots.size(); }

private:
    template<typename Value>
    void use(Selected<Value> &selected, const Value &wanted, void (GdiCallSink::*create)(int, const Value &))
    {
        if (selected.value == wanted) {
            return;
        }
        const int slot = mSlots.take();
        (mSink.*create)(slot, wanted);
        mSink.selectObject(slot);
        if (selected.value) {
            mSink.deleteObject(selected.slot);
            mSlots.release(selected.slot);
        }
        selected.value = wanted;
        selected.slot = slot;
    }

    GdiCallSink &mSink;
    SlotTable mSlots;
    Selected<PagePen> mPen;
    Selected<PageBrush> mBrush;
    Selected<PageFont> mFont;
    std::optional<QColor> mTextColor;
    std::optional<bool> mOpaque;
    std::optional<QColor> mBackgroundColor;
    // A fresh device context draws from (0, 0).
    QPoint mPosition{0, 0};
};

} // namespace

int gdiCalls(const ReportPage &page, GdiCallSink &sink, int firstSlot)
{
    GdiPlayer player(sink, firstSlot);
    for (const PageCommand &command : page.commands()) {
        std::visit(player, command);
    }
    return player.slotCount();
}

} // namespace report
