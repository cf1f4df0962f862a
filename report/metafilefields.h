#pragma once

#include <QByteArray>

class QColor;
class QString;

namespace report {

class ByteWriter;
struct PageFont;

/// \a text in GBK, as WMF stores texts and face names.
QByteArray toGbk(const QString &text);

/// The longest start of \a gbk within \a limit bytes that does not cut a two-byte character.
QByteArray gbkPrefix(const QByteArray &gbk, qsizetype limit);

/// A COLORREF as both metafile formats store it: red, green, blue, then a zero byte.
void writeColorRef(ByteWriter &out, const QColor &color);

/// How a metafile format lays out a LOGFONT.
enum class LogFontLayout {
    Wmf, ///< 16-bit integer fields; the face name in 32 bytes of GBK
    Emf, ///< 32-bit integer fields; the face name in 32 UTF-16 characters
};

/**
 * The LOGFONT of \a font, as the records that create a font carry it: the
 * negative character height (a point size asks for the height of the
 * characters, not of the cell), zero width, escapement and orientation,
 * normal weight, no italic, underline or strike-out, the GB2312 character
 * set, default precision, quality and pitch, then the face name, cut so that
 * its terminating NUL fits (never inside a two-byte GBK character) and padded
 * with NULs. The WMF height is clamped to 16 bits.
 */
void writeLogFont(ByteWriter &out, const PageFont &font, LogFontLayout layout);

} // namespace report
