#include "report/wmfwriter.h"

#include "report/bezierflattening.h"
#include "report/bytewriter.h"
#include "report/gdicalls.h"
#include "report/metafilefields.h"
#include "report/reportpage.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace report {

namespace {

using namespace gdi;

constexpr std::uint32_t placeableKey = 0x9AC6CDD7;
constexpr qsizetype placeableHeaderBytes = 22;
constexpr qsizetype metafileHeaderBytes = 18;

enum WmfFunction : std::uint16_t {
    META_EOF = 0x0000,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETPOLYFILLMODE = 0x0106,
    META_SETTEXTALIGN = 0x012E,
    META_SELECTOBJECT = 0x012D,
    META_DELETEOBJECT = 0x01F0,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_RECTANGLE = 0x041B,
    META_ROUNDRECT = 0x061C,
    META_EXTTEXTOUT = 0x0A32,
};

constexpr std::uint16_t MM_ANISOTROPIC = 8;

class WmfRecorder final : public GdiCallSink
{
public:
    explicit WmfRecorder(ByteWriter &out) : mOut(out) {}

    std::uint32_t maxRecordWords() const { return mMaxRecordWords; }

    void begin(std::uint16_t function)
    {
        mRecordStart = mOut.size();
        mOut.u32(0);
        mOut.u16(function);
    }

    void end()
    {
        const auto words = static_cast<std::uint32_t>((mOut.size() - mRecordStart) / 2);
        mOut.patchU32(mRecordStart, words);
        mMaxRecordWords = std::max(mMaxRecordWords, words);
    }

    void record16(std::uint16_t function, std::initializer_list<std::int16_t> parameters)
    {
        begin(function);
        for (const std::int16_t parameter : parameters) {
            mOut.i16(parameter);
        }
        end();
    }

    void colorRecord(std::uint16_t function, const QColor &color)
    {
        begin(function);
        writeColorRef(mOut, color);
        end();
    }

    void points(const QVector<QPoint> &points)
    {
        for (const QPoint &point : points) {
            mOut.i16(clamp16(point.x()));
            mOut.i16(clamp16(point.y()));
        }
    }

    void poly(std::uint16_t function, const QVector<QPoint> &vertices)
    {
        // A record counts its points in 16 bits.
        const QVector<QPoint> kept = vertices.first(std::min<qsizetype>(vertices.size(), 0x7FFF));
        begin(function);
        mOut.i16(static_cast<std::int16_t>(kept.size()));
        points(kept);
        end();
    }

    void createPen(int, const PagePen &pen) override
    {
        begin(META_CREATEPENINDIRECT);
        mOut.u16(penStyleCode(pen.style));
        mOut.i16(clamp16(pen.width));
        mOut.i16(0);
        writeColorRef(mOut, pen.color);
        end();
    }

    void createBrush(int, const PageBrush &brush) override
    {
        begin(META_CREATEBRUSHINDIRECT);
        mOut.u16(brush.style == BrushStyle::Solid ? 0 : 1); // BS_SOLID, BS_NULL
        writeColorRef(mOut, brush.color);
        mOut.u16(0);
        end();
    }

    void createFont(int, const PageFont &font) override
    {
        begin(META_CREATEFONTINDIRECT);
        writeLogFont(mOut, font, LogFontLayout::Wmf);
        end();
    }

    void selectObject(int slot) override { record16(META_SELECTOBJECT, {clamp16(slot)}); }
    void deleteObject(int slot) override { record16(META_DELETEOBJECT, {clamp16(slot)}); }
    void setTextColor(const QColor &color) override { colorRecord(META_SETTEXTCOLOR, color); }
    void setBackgroundColor(const QColor &color) override { colorRecord(META_SETBKCOLOR, color); }

    void setBackgroundOpaque(bool opaque) override
    {
        record16(META_SETBKMODE, {static_cast<std::int16_t>(opaque ? OPAQUE : TRANSPARENT)});
    }

    void moveTo(QPoint point) override { record16(META_MOVETO, {clamp16(point.y()), clamp16(point.x())}); }
    void lineTo(QPoint point) override { record16(META_LINETO, {clamp16(point.y()), clamp16(point.x())}); }

    void rectangle(const PageBox &box) override
    {
        record16(META_RECTANGLE, {clamp16(box.bottom), clamp16(box.right), clamp16(box.top), clamp16(box.left)});
    }

    void roundRect(const PageBox &box, int ellipseWidth, int ellipseHeight) override
    {
        record16(META_ROUNDRECT, {clamp16(ellipseHeight), clamp16(ellipseWidth), clamp16(box.bottom),
                                  clamp16(box.right), clamp16(box.top), clamp16(box.left)});
    }

    void polygon(const QVector<QPoint> &vertices) override { poly(META_POLYGON, vertices); }
    void polyBezier(const QVector<QPoint> &controlPoints) override
    {
        poly(META_POLYLINE, flattenBezier(controlPoints));
    }

    void textOut(const TextCommand &text, bool opaque) override
    {
        // The record counts its bytes in 16 bits; a longer text is cut whole-character.
        const QByteArray gbk = gbkPrefix(toGbk(text.text), 0x7FFF);
        begin(META_EXTTEXTOUT);
        mOut.i16(clamp16(text.topLeft.y()));
        mOut.i16(clamp16(text.topLeft.x()));
        mOut.i16(static_cast<std::int16_t>(gbk.size()));
        mOut.u16(opaque ? ETO_OPAQUE : 0);
        if (opaque) {
            mOut.i16(clamp16(text.topLeft.x()));
            mOut.i16(clamp16(text.topLeft.y()));
            mOut.i16(clamp16(text.topLeft.x() + text.cellWidth));
            mOut.i16(clamp16(text.topLeft.y() + text.cellHeight));
        }
        mOut.raw(gbk);
        if (gbk.size() % 2 != 0) {
            mOut.u8(0);
        }
        end();
    }

private:
    ByteWriter &mOut;
    qsizetype mRecordStart = 0;
    std::uint32_t mMaxRecordWords = 0;
};

void writePlaceableHeader(ByteWriter &out, const ReportPage &page)
{
    const std::uint16_t words[10] = {
        static_cast<std::uint16_t>(placeableKey & 0xFFFF),
        static_cast<std::uint16_t>(placeableKey >> 16),
        0, // handle, always 0 in a file
        0,
        0,
        static_cast<std::uint16_t>(clamp16(page.width())),
        static_cast<std::uint16_t>(clamp16(page.height())),
        static_cast<std::uint16_t>(wmfUnitsPerInch),
        0, // reserved
        0,
    };
    std::uint16_t checksum = 0;
    for (const std::uint16_t word : words) {
        out.u16(word);
        checksum ^= word;
    }
    out.u16(checksum);
}

} // namespace

QByteArray wmfBytes(const ReportPage &page)
{
    ByteWriter out;
    out.reserve(1024 + 64 * static_cast<qsizetype>(page.commands().size()));
    writePlaceableHeader(out, page);

    const qsizetype headerStart = out.size();
    out.u16(1); // a metafile on disk
    out.u16(metafileHeaderBytes / 2);
    out.u16(0x0300);
    out.u32(0); // file size in words, patched below
    out.u16(0); // object slots, patched below
    out.u32(0); // largest record in words, patched below
    out.u16(0); // unused

    WmfRecorder recorder(out);
    recorder.record16(META_SETMAPMODE, {MM_ANISOTROPIC});
    recorder.record16(META_SETWINDOWORG, {0, 0});
    recorder.record16(META_SETWINDOWEXT, {clamp16(page.height()), clamp16(page.width())});
    recorder.record16(META_SETPOLYFILLMODE, {ALTERNATE});
    recorder.record16(META_SETTEXTALIGN, {0}); // TA_LEFT | TA_TOP | TA_NOUPDATECP
    const int slotCount = gdiCalls(page, recorder, 0);
    recorder.record16(META_EOF, {});

    out.patchU32(headerStart + 6, static_cast<std::uint32_t>((out.size() - headerStart) / 2));
    out.patchU16(headerStart + 10, static_cast<std::uint16_t>(slotCount));
    out.patchU32(headerStart + 12, recorder.maxRecordWords());
    return out.bytes();
}

} // namespace report
