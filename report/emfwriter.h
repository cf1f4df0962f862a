#pragma once

#include <QByteArray>

namespace report {

class ReportPage;

/**
 * \a page as an enhanced metafile in page units of a 96-dpi reference screen
 * (1920 x 1440 pixels, 508 x 381 mm): the header with the bounds of what is
 * drawn, the frame of the whole page in 0.01 mm, record count and size; the
 * page's calls as records (texts as UTF-16 ExtTextOutW with their character
 * advances, curves as PolyBezier16); the end-of-file record.
 * Coordinates of the 16-bit point records are clamped to ±32767.
 */
QByteArray emfBytes(const ReportPage &page);

} // namespace report
