#pragma once

#include <QByteArray>
#include <QRawFont>

#include <vector>

namespace report {

/**
 * A TrueType font file of \a face holding only the outlines of \a glyphs
 * (and of the glyphs they are built from), every glyph keeping its index:
 * what a PDF embeds so that its pages can name glyphs by their indexes in
 * the face, whatever else the document shows. The tables a PDF reader
 * draws with are kept (head, hhea, maxp, hmtx, loca, glyf and the hinting
 * programs); names, character maps and layout tables are left out, as the
 * document carries its own. The whole of those tables when the face cannot
 * be cut down; empty when \a face has no TrueType outlines (an OpenType
 * font of PostScript outlines, a bitmap font).
 */
QByteArray trueTypeSubset(const QRawFont &face, const std::vector<quint32> &glyphs);

} // namespace report
