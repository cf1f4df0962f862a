// The glyphs a PDF is written with must be those Qt lays the texts out in,
// at the same points, or a text would stand where the page did not measure
// it: numbers, which are summed from their characters instead of shaped,
// and texts that need a second face, above all.
#include "report/fonts.h"
#include "report/textglyphs.h"

#include <QGlyphRun>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>

using namespace report;

namespace {

struct Laid
{
    QString family;
    quint32 index;
    double x;
};

/// \a text as QTextLayout lays it out in reportFont(), glyph by glyph.
std::vector<Laid> laidOutByQt(const QString &fontName, int pixelHeight, const QString &text)
{
    QTextLayout layout(text, reportFont(fontName, pixelHeight));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<Laid> glyphs;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i)
            glyphs.push_back({run.rawFont().familyName(), run.glyphIndexes()[i], run.positions()[i].x()});
    }
    // Qt gives a face's glyphs together; a page reads them from left to right.
    std::stable_sort(glyphs.begin(), glyphs.end(), [](const Laid &a, const Laid &b) { return a.x < b.x; });
    return glyphs;
}

std::vector<Laid> fromTextGlyphs(TextGlyphs &glyphs, const QString &fontName, int pixelHeight, const QString &text)
{
    std::vector<Laid> result;
    for (const GlyphRun &run : glyphs.runsOf(fontName, pixelHeight, text)) {
        for (const PlacedGlyph &glyph : run.glyphs)
            result.push_back({glyphs.faces().at(std::size_t(run.face)).familyName(), glyph.index, glyph.x});
    }
    return result;
}

} // namespace

TEST(TextGlyphs, PlacesEveryGlyphWhereQtLaysItOut)
{
    TextGlyphs glyphs;
    const QStringList texts = {QStringLiteral("-12.345"),         QStringLiteral("+0.5"),
                               QStringLiteral("1060.893"),        QStringLiteral("最高温度时的M、D计算"),
                               QStringLiteral("2.713×10¹⁰ N/m²"), QStringLiteral("δ₁ ζ ϕ ψ η"),
                               QStringLiteral("第3页 共17页")};
    for (const QString &font : {QStringLiteral("宋体"), QStringLiteral("Arial")}) {
        for (const int pixelHeight : {12, 13, 16, 19}) {
            for (const QString &text : texts) {
                // Twice: laid out, then as kept.
                for (int pass = 0; pass < 2; ++pass) {
                    const std::vector<Laid> ours = fromTextGlyphs(glyphs, font, pixelHeight, text);
                    const std::vector<Laid> qts = laidOutByQt(font, pixelHeight, text);
                    ASSERT_EQ(ours.size(), qts.size()) << text.toStdString();
                    for (std::size_t i = 0; i < ours.size(); ++i) {
                        EXPECT_EQ(ours[i].family, qts[i].family) << text.toStdString() << " glyph " << i;
                        EXPECT_EQ(ours[i].index, qts[i].index) << text.toStdString() << " glyph " << i;
                        EXPECT_DOUBLE_EQ(ours[i].x, qts[i].x) << text.toStdString() << " glyph " << i;
                    }
                }
            }
        }
    }
}

TEST(TextGlyphs, KnowsTheCharacterOfEachGlyphInEveryFace)
{
    TextGlyphs glyphs;
    const QString text = QStringLiteral("a=10⁻⁵ 米");
    std::u32string shown;
    for (const GlyphRun &run : glyphs.runsOf(QStringLiteral("宋体"), 12, text)) {
        for (const PlacedGlyph &glyph : run.glyphs)
            shown += glyph.character;
    }
    EXPECT_EQ(shown, U"a=10⁻⁵ 米");
}
