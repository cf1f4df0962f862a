#pragma once

#include "report/pdfobjectwriter.h"

#include <QRawFont>

#include <string>
#include <vector>

namespace report {

/**
 * The fonts of a PDF document: each face its pages show, embedded once at
 * the end with the glyphs used on any page. Pages name glyphs by their
 * indexes in the face (Identity-H, CID = glyph index), so a page's content
 * does not depend on what else the document holds; a ToUnicode map lets
 * readers search and copy the text.
 */
class PdfFonts
{
public:
    /// \a faces is where face indexes point (TextGlyphs::faces()); it may grow while in use.
    PdfFonts(PdfObjectWriter &objects, const std::vector<QRawFont> &faces);
    ~PdfFonts();
    PdfFonts(const PdfFonts &) = delete;
    PdfFonts &operator=(const PdfFonts &) = delete;

    /// Notes that \a glyph of \a face shows \a character (0: unknown). @return its advance in thousandths of an em
    double use(int face, quint32 glyph, char32_t character);

    /**
     * Whether \a face can be embedded: a face of TrueType outlines. Other
     * faces (PostScript outlines, bitmaps) are drawn as the outlines of their
     * glyphs instead, which looks the same but cannot be searched.
     */
    bool embeds(int face);

    /// The object number of \a face's font, reserved on first asking.
    int objectOf(int face);

    /**
     * The name pages call \a face's font by: its family and style, so that a
     * page names it alike in every document.
     */
    std::string resourceName(int face);

    /// Writes every font asked for. @return false when a face could not be embedded
    bool writeAll();

private:
    struct Face;
    Face &face(int index);
    bool write(int faceIndex);

    PdfObjectWriter &mObjects;
    const std::vector<QRawFont> &mFaces;
    std::vector<Face> mUsed;
};

} // namespace report
