#pragma once

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace report {

/// What tells one face from another, whatever its size.
QString faceKey(const QRawFont &font);

/// A glyph of a text: its index in its face, where it sits and what it shows.
struct PlacedGlyph
{
    quint32 index = 0;
    /// Pen position from the text's baseline origin, page units (x to the right, y down).
    double x = 0;
    double y = 0;
    /// The character it was drawn for; 0 when shaping made it from several or none.
    char32_t character = 0;
};

/// Consecutive glyphs of one face at one size.
struct GlyphRun
{
    /// Index into TextGlyphs::faces().
    int face = 0;
    /// Character height the glyphs are drawn at, page units.
    double pixelSize = 0;
    std::vector<PlacedGlyph> glyphs;
};

/**
 * Texts as the glyphs Qt lays them out with in reportFont(): the same font
 * choice, fallback faces and advances as QPainter::drawText() and the
 * pages' measuring, so that a document written from them puts every glyph
 * where the page's layout put it. Labels are laid out once and kept, since
 * a batch draws the same labels on every span; numbers are summed from
 * their characters' advances where the font adds them up (no kerning, no
 * contextual forms), as they differ from span to span.
 * To be used on one thread.
 */
class TextGlyphs
{
public:
    TextGlyphs();
    ~TextGlyphs();
    TextGlyphs(const TextGlyphs &) = delete;
    TextGlyphs &operator=(const TextGlyphs &) = delete;

    /**
     * The runs of \a text in reportFont(\a fontName, \a pixelHeight), in
     * drawing order. The reference holds until the next call.
     */
    const std::vector<GlyphRun> &runsOf(const QString &fontName, int pixelHeight, const QString &text);

    /// Every face a run has referred to so far, by its index.
    const std::vector<QRawFont> &faces() const { return mFaces; }

private:
    struct SizedFont;

    SizedFont &sizedFont(const QString &fontName, int pixelHeight);
    int faceIndexOf(const QRawFont &font);
    std::vector<GlyphRun> laidOut(const QFont &font, const QString &text);
    std::optional<std::vector<GlyphRun>> numberRuns(const SizedFont &font, const QString &text) const;
    void prepareNumbers(SizedFont &font);

    std::vector<std::unique_ptr<SizedFont>> mFonts;
    std::vector<QRawFont> mFaces;
    QHash<QString, int> mFaceIndexes;
    QHash<QString, std::vector<GlyphRun>> mLabels;
    std::vector<GlyphRun> mNumber;
};

} // namespace report
