#include "report/emfwriter.h"

#include "report/bytewriter.h"
#include "report/gdicalls.h"
#include "report/metafilefields.h"
#include "report/reportpage.h"
#include "report/textmetrics.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace report {

namespace {

using namespace gdi;

enum EmfRecordType : std::uint32_t {
    EMR_HEADER = 1,
    EMR_EOF = 14,
    EMR_SETBKMODE = 18,
    EMR_SETPOLYFILLMODE = 19,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SETBKCOLOR = 25,
    EMR_MOVETOEX = 27,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_RECTANGLE = 43,
    EMR_ROUNDRECT = 44,
    EMR_LINETO = 54,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
    EMR_POLYBEZIER16 = 85,
    EMR_POLYGON16 = 86,
};

constexpr std::uint32_t emfSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t headerBytes = 108;
constexpr std::uint32_t GM_COMPATIBLE = 1;

// The reference screen: exactly 96 pixels per inch in both directions.
constexpr std::int32_t devicePixelsX = 1920;
constexpr std::int32_t devicePixelsY = 1440;
constexpr std::int32_t deviceMillimetresX = 508;
constexpr std::int32_t deviceMillimetresY = 381;
constexpr float hundredthsOfMillimetrePerPixel = 2540.0F / 96.0F;

/// Inclusive bounds of a set of points, as the poly records carry them.
PageBox inclusiveBounds(const QVector<QPoint> &points)
{
    PageBox box{points.first().x(), points.first().y(), points.first().x(), points.first().y()};
    for (const QPoint &point : points) {
        box.left = std::min(box.left, point.x());
        box.top = std::min(box.top, point.y());
        box.right = std::max(box.right, point.x());
        box.bottom = std::max(box.bottom, point.y());
    }
    return box;
}

class EmfRecorder final : public GdiCallSink
{
public:
    explicit EmfRecorder(ByteWriter &out) : mOut(out) {}

    std::uint32_t recordCount() const { return mRecords; }

    void begin(std::uint32_t type)
    {
        mRecordStart = mOut.size();
        mOut.u32(type);
        mOut.u32(0);
    }

    void end()
    {
        mOut.patchU32(mRecordStart + 4, static_cast<std::uint32_t>(mOut.size() - mRecordStart));
        ++mRecords;
    }

    void record32(std::uint32_t type, std::initializer_list<std::int32_t> parameters)
    {
        begin(type);
        for (const std::int32_t parameter : parameters) {
            mOut.i32(parameter);
        }
        end();
    }

    void colorRecord(std::uint32_t type, const QColor &color)
    {
        begin(type);
        writeColorRef(mOut, color);
        end();
    }

    void rect(const PageBox &box)
    {
        mOut.i32(box.left);
        mOut.i32(box.top);
        mOut.i32(box.right);
        mOut.i32(box.bottom);
    }

    void poly16(std::uint32_t type, const QVector<QPoint> &points)
    {
        begin(type);
        rect(inclusiveBounds(points));
        mOut.u32(static_cast<std::uint32_t>(points.size()));
        for (const QPoint &point : points) {
            mOut.i16(clamp16(point.x()));
            mOut.i16(clamp16(point.y()));
        }
        end();
    }

    void createPen(int slot, const PagePen &pen) override
    {
        begin(EMR_CREATEPEN);
        mOut.u32(static_cast<std::uint32_t>(slot));
        mOut.u32(penStyleCode(pen.style));
        mOut.i32(pen.width);
        mOut.i32(0);
        writeColorRef(mOut, pen.color);
        end();
    }

    void createBrush(int slot, const PageBrush &brush) override
    {
        begin(EMR_CREATEBRUSHINDIRECT);
        mOut.u32(static_cast<std::uint32_t>(slot));
        mOut.u32(brush.style == BrushStyle::Solid ? 0 : 1); // BS_SOLID, BS_NULL
        writeColorRef(mOut, brush.color);
        mOut.u32(0);
        end();
    }

    void createFont(int slot, const PageFont &font) override
    {
        begin(EMR_EXTCREATEFONTINDIRECTW);
        mOut.u32(static_cast<std::uint32_t>(slot));
        writeLogFont(mOut, font, LogFontLayout::Emf);
        end();
    }

    void selectObject(int slot) override { record32(EMR_SELECTOBJECT, {slot}); }
    void deleteObject(int slot) override { record32(EMR_DELETEOBJECT, {slot}); }
    void setTextColor(const QColor &color) override { colorRecord(EMR_SETTEXTCOLOR, color); }
    void setBackgroundColor(const QColor &color) override { colorRecord(EMR_SETBKCOLOR, color); }

    void setBackgroundOpaque(bool opaque) override
    {
        record32(EMR_SETBKMODE, {static_cast<std::int32_t>(opaque ? OPAQUE : TRANSPARENT)});
    }

    void moveTo(QPoint point) override { record32(EMR_MOVETOEX, {point.x(), point.y()}); }
    void lineTo(QPoint point) override { record32(EMR_LINETO, {point.x(), point.y()}); }
    void rectangle(const PageBox &box) override { record32(EMR_RECTANGLE, {box.left, box.top, box.right, box.bottom}); }

    void roundRect(const PageBox &box, int ellipseWidth, int ellipseHeight) override
    {
        record32(EMR_ROUNDRECT, {box.left, box.top, box.right, box.bottom, ellipseWidth, ellipseHeight});
    }

    void polygon(const QVector<QPoint> &points) override { poly16(EMR_POLYGON16, points); }
    void polyBezier(const QVector<QPoint> &points) override { poly16(EMR_POLYBEZIER16, points); }

    void textOut(const TextCommand &text, bool opaque) override
    {
        const QPoint topLeft = text.topLeft;
        const PageBox cell{topLeft.x(), topLeft.y(), topLeft.x() + text.cellWidth, topLeft.y() + text.cellHeight};
        const auto characters = static_cast<std::uint32_t>(text.text.size());
        constexpr std::uint32_t fixedBytes = 76;
        const std::uint32_t stringBytes = (2 * characters + 3) / 4 * 4;

        begin(EMR_EXTTEXTOUTW);
        rect({cell.left, cell.top, cell.right - 1, cell.bottom - 1});
        mOut.u32(GM_COMPATIBLE);
        mOut.u32(floatBits(hundredthsOfMillimetrePerPixel));
        mOut.u32(floatBits(hundredthsOfMillimetrePerPixel));
        mOut.i32(topLeft.x());
        mOut.i32(topLeft.y());
        mOut.u32(characters);
        mOut.u32(fixedBytes);
        mOut.u32(opaque ? ETO_OPAQUE : 0);
        rect(opaque ? cell : PageBox{});
        mOut.u32(fixedBytes + stringBytes);
        for (const QChar ch : text.text) {
            mOut.u16(ch.unicode());
        }
        mOut.zeros(stringBytes - 2 * characters);
        // Advances of the font the page was measured with, so that readers
        // with another font still keep the characters where the layout put them.
        const int pixelHeight = text.font.pixelHeight();
        for (qsizetype i = 0; i < text.text.size(); ++i) {
            const QChar ch = text.text.at(i);
            if (ch.isHighSurrogate() && i + 1 < text.text.size()) {
                mOut.i32(textAdvance(text.font.name, pixelHeight, text.text.mid(i, 2)));
                mOut.i32(0);
                ++i;
            } else {
                mOut.i32(textAdvance(text.font.name, pixelHeight, QString(ch)));
            }
        }
        end();
    }

private:
    static std::uint32_t floatBits(float value)
    {
        static_assert(sizeof(float) == sizeof(std::uint32_t));
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    }

    ByteWriter &mOut;
    qsizetype mRecordStart = 0;
    std::uint32_t mRecords = 0;
};

void writeHeader(ByteWriter &out, const ReportPage &page)
{
    const PageBox drawn = page.drawnBounds();
    const bool empty = drawn.right <= drawn.left || drawn.bottom <= drawn.top;
    out.u32(EMR_HEADER);
    out.u32(headerBytes);
    // Bounds are inclusive, in reference pixels; an empty picture has right < left.
    if (empty) {
        out.i32(0);
        out.i32(0);
        out.i32(-1);
        out.i32(-1);
    } else {
        out.i32(drawn.left);
        out.i32(drawn.top);
        out.i32(drawn.right - 1);
        out.i32(drawn.bottom - 1);
    }
    // The frame is the whole page, in 0.01 mm.
    out.i32(0);
    out.i32(0);
    out.i32(static_cast<std::int32_t>(page.width() * 2540 / 96));
    out.i32(static_cast<std::int32_t>(page.height() * 2540 / 96));
    out.u32(emfSignature);
    out.u32(0x00010000);
    out.u32(0); // total bytes, patched at the end
    out.u32(0); // record count, patched at the end
    out.u16(0); // handles, patched at the end
    out.u16(0);
    out.u32(0); // no description
    out.u32(0);
    out.u32(0); // no palette
    out.i32(devicePixelsX);
    out.i32(devicePixelsY);
    out.i32(deviceMillimetresX);
    out.i32(deviceMillimetresY);
    out.u32(0); // no pixel format
    out.u32(0);
    out.u32(0); // not OpenGL
    out.i32(deviceMillimetresX * 1000);
    out.i32(deviceMillimetresY * 1000);
}

} // namespace

QByteArray emfBytes(const ReportPage &page)
{
    ByteWriter out;
    out.reserve(1024 + 64 * static_cast<qsizetype>(page.commands().size()));
    writeHeader(out, page);

    EmfRecorder recorder(out);
    recorder.record32(EMR_SETPOLYFILLMODE, {ALTERNATE});
    recorder.record32(EMR_SETTEXTALIGN, {0}); // TA_LEFT | TA_TOP | TA_NOUPDATECP
    const int slotCount = gdiCalls(page, recorder, 1);
    recorder.record32(EMR_EOF, {0, 16, 20}); // no palette; its offset; the size of this record

    out.patchU32(48, static_cast<std::uint32_t>(out.size()));
    out.patchU32(52, recorder.recordCount() + 1); // and the header
    out.patchU16(56, static_cast<std::uint16_t>(slotCount + 1));
    return out.bytes();
}

} // namespace report
