#include "report/metafilefields.h"

#include "report/bytewriter.h"
#include "report/gdicalls.h"
#include "report/pagecommands.h"

#include "common/gbkcodec.h"

#include <QColor>
#include <QString>

namespace report {

namespace {

constexpr qsizetype faceNameUnits = 32;

/// At most 31 bytes of GBK, never cutting a two-byte character.
QByteArray gbkFaceName(const QString &name)
{
    return gbkPrefix(toGbk(name), faceNameUnits - 1);
}

void writeFaceName(ByteWriter &out, const QString &name, LogFontLayout layout)
{
    if (layout == LogFontLayout::Wmf) {
        const QByteArray gbk = gbkFaceName(name);
        out.raw(gbk);
        out.zeros(faceNameUnits - gbk.size());
        return;
    }
    const QString kept = name.left(faceNameUnits - 1);
    for (const QChar ch : kept) {
        out.u16(ch.unicode());
    }
    out.zeros(2 * (faceNameUnits - kept.size()));
}

} // namespace

QByteArray gbkPrefix(const QByteArray &gbk, qsizetype limit)
{
    qsizetype length = 0;
    while (length < gbk.size()) {
        const qsizetype step = static_cast<unsigned char>(gbk[length]) >= 0x81 ? 2 : 1;
        if (length + step > limit) {
            break;
        }
        length += step;
    }
    return gbk.left(length);
}

QByteArray toGbk(const QString &text)
{
    return QByteArray::fromStdString(common::encodeStrictGbk(text.toStdString()));
}

void writeColorRef(ByteWriter &out, const QColor &color)
{
    out.u8(static_cast<std::uint8_t>(color.red()));
    out.u8(static_cast<std::uint8_t>(color.green()));
    out.u8(static_cast<std::uint8_t>(color.blue()));
    out.u8(0);
}

void writeLogFont(ByteWriter &out, const PageFont &font, LogFontLayout layout)
{
    const auto integer = [&out, layout](int value) {
        if (layout == LogFontLayout::Wmf) {
            out.i16(gdi::clamp16(value));
        } else {
            out.i32(value);
        }
    };
    integer(-font.pixelHeight());
    integer(0); // width
    integer(0); // escapement
    integer(0); // orientation
    integer(gdi::FW_NORMAL);
    out.u8(0); // italic
    out.u8(0); // underline
    out.u8(0); // strike-out
    out.u8(gdi::GB2312_CHARSET);
    out.u8(0); // OUT_DEFAULT_PRECIS
    out.u8(0); // CLIP_DEFAULT_PRECIS
    out.u8(0); // DEFAULT_QUALITY
    out.u8(0); // DEFAULT_PITCH | FF_DONTCARE
    writeFaceName(out, font.name, layout);
}

} // namespace report
