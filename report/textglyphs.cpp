#include "report/textglyphs.h"

#include "report/fonts.h"
#include "report/textmetrics.h"

#include <QGlyphRun>
#include <QTextLayout>

#include <algorithm>

namespace report {

namespace {

// Labels other than numbers still come from the spans' inputs (names,
// conductor types); the kept labels are let go when they grow past this, so
// that a long batch cannot make them grow without end. A span's pages have
// a few hundred labels.
constexpr qsizetype keptLabelLimit = 2048;

/// The character each glyph of \a font stands for in \a text, by the font's character map.
QHash<quint32, char32_t> charactersByGlyph(const QRawFont &font, const QString &text)
{
    const QList<uint> characters = text.toUcs4();
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    QHash<quint32, char32_t> result;
    for (qsizetype i = 0; i < characters.size() && i < glyphs.size(); ++i)
        result.insert(glyphs[i], char32_t(characters[i]));
    return result;
}

} // namespace

QString faceKey(const QRawFont &font)
{
    return font.familyName() + QChar(0x1F) + font.styleName() + QChar(0x1F) + QString::number(font.weight())
        + QChar(0x1F) + QString::number(int(font.style()));
}

/// A font of the pages at one size, with what numbers need to be placed without shaping.
struct TextGlyphs::SizedFont
{
    QString name;
    int pixelHeight = 0;
    QFont font;
    bool numbersPrepared = false;
    /// Each number character's glyph and advance, when every number is drawn in one face additively.
    struct NumberGlyph
    {
        quint32 index = 0;
        double advance = 0;
    };
    std::optional<std::array<NumberGlyph, numberCharacters.size()>> numberGlyphs;
    int numberFace = 0;
    double numberPixelSize = 0;
};

TextGlyphs::TextGlyphs() = default;
TextGlyphs::~TextGlyphs() = default;

TextGlyphs::SizedFont &TextGlyphs::sizedFont(const QString &fontName, int pixelHeight)
{
    for (const auto &font : mFonts) {
        if (font->pixelHeight == pixelHeight && font->name == fontName)
            return *font;
    }
    auto font = std::make_unique<SizedFont>();
    font->name = fontName;
    font->pixelHeight = pixelHeight;
    font->font = reportFont(fontName, pixelHeight);
    mFonts.push_back(std::move(font));
    return *mFonts.back();
}

int TextGlyphs::faceIndexOf(const QRawFont &font)
{
    const QString key = faceKey(font);
    const auto known = mFaceIndexes.constFind(key);
    if (known != mFaceIndexes.constEnd())
        return known.value();
    mFaces.push_back(font);
    const int index = int(mFaces.size() - 1);
    mFaceIndexes.insert(key, index);
    return index;
}

std::vector<GlyphRun> TextGlyphs::laidOut(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const double ascent = line.ascent();
    struct FaceGlyph
    {
        int face;
        double pixelSize;
        PlacedGlyph glyph;
    };
    std::vector<FaceGlyph> glyphs;
    for (const QGlyphRun &shaped : layout.glyphRuns()) {
        const QRawFont raw = shaped.rawFont();
        const int face = faceIndexOf(raw);
        const QList<quint32> indexes = shaped.glyphIndexes();
        const QList<QPointF> positions = shaped.positions();
        const QHash<quint32, char32_t> characters = charactersByGlyph(raw, text);
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
            glyphs.push_back(
                {face,
                 raw.pixelSize(),
                 {indexes[i], positions[i].x(), positions[i].y() - ascent, characters.value(indexes[i], 0)}});
    }
    // Qt gives each face's glyphs together; in the order they are read, a
    // reader that copies the text gets the characters in the order typed.
    std::stable_sort(glyphs.begin(), glyphs.end(),
                     [](const FaceGlyph &a, const FaceGlyph &b) { return a.glyph.x < b.glyph.x; });
    std::vector<GlyphRun> runs;
    for (const FaceGlyph &glyph : glyphs) {
        if (runs.empty() || runs.back().face != glyph.face || runs.back().pixelSize != glyph.pixelSize)
            runs.push_back({glyph.face, glyph.pixelSize, {}});
        runs.back().glyphs.push_back(glyph.glyph);
    }
    return runs;
}

void TextGlyphs::prepareNumbers(SizedFont &font)
{
    font.numbersPrepared = true;
    std::array<SizedFont::NumberGlyph, numberCharacters.size()> glyphs{};
    // Each character twice in a row gives its glyph and advance; every pair
    // then shows whether shaping keeps them, so that a number is its
    // characters side by side.
    for (qsizetype i = 0; i < numberCharacters.size(); ++i) {
        const QString pair = QString(numberCharacters[i]) + numberCharacters[i];
        const std::vector<GlyphRun> runs = laidOut(font.font, pair);
        if (runs.size() != 1 || runs[0].glyphs.size() != 2)
            return;
        const GlyphRun &run = runs[0];
        if (i > 0 && (run.face != font.numberFace || run.pixelSize != font.numberPixelSize))
            return;
        font.numberFace = run.face;
        font.numberPixelSize = run.pixelSize;
        glyphs[i] = {run.glyphs[0].index, run.glyphs[1].x - run.glyphs[0].x};
        if (run.glyphs[0].x != 0 || run.glyphs[0].y != 0)
            return;
    }
    for (qsizetype i = 0; i < numberCharacters.size(); ++i) {
        for (qsizetype j = 0; j < numberCharacters.size(); ++j) {
            const std::vector<GlyphRun> runs = laidOut(font.font, QString(numberCharacters[i]) + numberCharacters[j]);
            if (runs.size() != 1 || runs[0].face != font.numberFace || runs[0].glyphs.size() != 2)
                return;
            const std::vector<PlacedGlyph> &pair = runs[0].glyphs;
            if (pair[0].index != glyphs[i].index || pair[1].index != glyphs[j].index || pair[1].x != glyphs[i].advance
                || pair[1].y != 0)
                return;
        }
    }
    font.numberGlyphs = glyphs;
}

std::optional<std::vector<GlyphRun>> TextGlyphs::numberRuns(const SizedFont &font, const QString &text) const
{
    if (!font.numberGlyphs)
        return std::nullopt;
    GlyphRun run;
    run.face = font.numberFace;
    run.pixelSize = font.numberPixelSize;
    run.glyphs.reserve(std::size_t(text.size()));
    double x = 0;
    for (const QChar character : text) {
        const SizedFont::NumberGlyph &glyph = (*font.numberGlyphs)[numberCharacters.indexOf(character)];
        run.glyphs.push_back({glyph.index, x, 0, char32_t(character.unicode())});
        x += glyph.advance;
    }
    return std::vector<GlyphRun>{std::move(run)};
}

const std::vector<GlyphRun> &TextGlyphs::runsOf(const QString &fontName, int pixelHeight, const QString &text)
{
    SizedFont &font = sizedFont(fontName, pixelHeight);
    if (isNumberText(text)) {
        if (!font.numbersPrepared)
            prepareNumbers(font);
        if (std::optional<std::vector<GlyphRun>> runs = numberRuns(font, text)) {
            mNumber = std::move(*runs);
            return mNumber;
        }
    }
    const QString key = fontName + QChar(0x1F) + QString::number(pixelHeight) + QChar(0x1F) + text;
    auto known = mLabels.find(key);
    if (known == mLabels.end()) {
        if (mLabels.size() >= keptLabelLimit)
            mLabels.clear();
        known = mLabels.insert(key, laidOut(font.font, text));
    }
    return known.value();
}

} // namespace report
