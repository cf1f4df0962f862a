#pragma once

#include <QByteArray>

namespace report {

class ReportPage;

/// Resolution the placeable header declares: one page unit per 1/96 inch.
constexpr int wmfUnitsPerInch = 96;

/**
 * \a page as a placeable Windows metafile: the 22-byte placeable header
 * (key 0x9AC6CDD7, bounding box 0, 0 to the page size, 96 units per inch,
 * checksum), the metafile header, then the page's calls as standard records.
 * Fonts carry the GB2312 character set and their face name in GBK; texts
 * are written in GBK with ExtTextOut, opaque cells with their rectangle.
 * Bézier curves become polylines. Coordinates beyond ±32767 are clamped.
 */
QByteArray wmfBytes(const ReportPage &page);

} // namespace report
