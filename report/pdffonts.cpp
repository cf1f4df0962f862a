#include "report/pdffonts.h"

#include "report/pdfsyntax.h"
#include "report/truetypesubset.h"

#include <QByteArray>

#include <algorithm>
#include <functional>

namespace report {

namespace {

int bigEndian16(const QByteArray &table, qsizetype offset, bool isSigned)
{
    if (offset + 2 > table.size())
        return 0;
    const int value = (quint8(table[offset]) << 8) | quint8(table[offset + 1]);
    return isSigned && value >= 0x8000 ? value - 0x10000 : value;
}

/// A name PDF readers accept: the face's family and style without spaces or signs.
std::string baseNameOf(const QRawFont &face)
{
    std::string name;
    for (const QChar c : face.familyName() + face.styleName()) {
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            name += char(c.unicode());
    }
    return name.empty() ? "Font" : name;
}

/// Six capitals that tell this subset from other subsets of the face in a file joined from several documents.
std::string subsetTag(const std::vector<quint32> &glyphs)
{
    std::size_t hash = 0;
    for (const quint32 glyph : glyphs)
        hash = hash * 1000003u ^ std::hash<quint32>()(glyph);
    std::string tag;
    for (int i = 0; i < 6; ++i) {
        tag += char('A' + hash % 26);
        hash /= 26;
    }
    return tag;
}

void appendUtf16(std::string &out, char32_t character)
{
    if (character < 0x10000) {
        appendHex4(out, unsigned(character));
        return;
    }
    const char32_t offset = character - 0x10000;
    appendHex4(out, unsigned(0xD800 + (offset >> 10)));
    appendHex4(out, unsigned(0xDC00 + (offset & 0x3FF)));
}

/// The CMap that turns the document's glyph indexes of a face back into characters.
std::string toUnicodeMap(const std::vector<std::pair<quint32, char32_t>> &characters)
{
    std::string map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    // A block holds at most a hundred entries.
    for (std::size_t first = 0; first < characters.size(); first += 100) {
        const std::size_t last = std::min(characters.size(), first + 100);
        map += std::to_string(last - first) + " beginbfchar\n";
        for (std::size_t i = first; i < last; ++i) {
            map += '<';
            appendHex4(map, characters[i].first);
            map += "> <";
            appendUtf16(map, characters[i].second);
            map += ">\n";
        }
        map += "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return map;
}

} // namespace

/// A face the document shows: its metrics, and the glyphs used with their characters.
struct PdfFonts::Face
{
    bool asked = false;
    bool embeddable = false;
    int object = 0;
    int unitsPerEm = 1000;
    int ascent = 0;
    int descent = 0;
    int box[4] = {0, 0, 0, 0};
    std::vector<int> advances;
    std::vector<char32_t> characters;
    std::vector<bool> used;
    std::string resourceName;
};

PdfFonts::PdfFonts(PdfObjectWriter &objects, const std::vector<QRawFont> &faces)
    : mObjects(objects)
    , mFaces(faces)
{}

PdfFonts::~PdfFonts() = default;

PdfFonts::Face &PdfFonts::face(int index)
{
    if (mUsed.size() <= std::size_t(index))
        mUsed.resize(std::size_t(index) + 1);
    Face &face = mUsed[std::size_t(index)];
    if (face.asked)
        return face;
    face.asked = true;
    const QRawFont &raw = mFaces.at(std::size_t(index));
    const QByteArray head = raw.fontTable("head");
    const QByteArray horizontalHeader = raw.fontTable("hhea");
    const QByteArray horizontalMetrics = raw.fontTable("hmtx");
    const QByteArray maximumProfile = raw.fontTable("maxp");
    // TrueType outlines have an index of where each glyph starts.
    face.embeddable = !raw.fontTable("loca").isEmpty();
    face.unitsPerEm = std::max(16, bigEndian16(head, 18, false));
    for (int i = 0; i < 4; ++i)
        face.box[i] = bigEndian16(head, 36 + 2 * i, true);
    face.ascent = bigEndian16(horizontalHeader, 4, true);
    face.descent = bigEndian16(horizontalHeader, 6, true);
    const int metricCount = bigEndian16(horizontalHeader, 34, false);
    const int glyphCount = std::max(bigEndian16(maximumProfile, 4, false), 1);
    face.advances.resize(std::size_t(glyphCount));
    int advance = 0;
    for (int glyph = 0; glyph < glyphCount; ++glyph) {
        // Glyphs past the last metric share its advance.
        if (glyph < metricCount)
            advance = bigEndian16(horizontalMetrics, 4 * glyph, false);
        face.advances[std::size_t(glyph)] = advance;
    }
    face.resourceName = baseNameOf(raw);
    // Two faces of one family and style (a weight apart) keep apart by their weight.
    for (std::size_t other = 0; other < mUsed.size(); ++other) {
        if (int(other) != index && mUsed[other].resourceName == face.resourceName)
            face.resourceName += "W" + std::to_string(raw.weight());
    }
    face.characters.assign(std::size_t(glyphCount), 0);
    face.used.assign(std::size_t(glyphCount), false);
    return face;
}

double PdfFonts::use(int faceIndex, quint32 glyph, char32_t character)
{
    Face &used = face(faceIndex);
    if (glyph >= used.used.size())
        return 0;
    used.used[glyph] = true;
    if (used.characters[glyph] == 0)
        used.characters[glyph] = character;
    return used.advances[glyph] * 1000.0 / used.unitsPerEm;
}

int PdfFonts::objectOf(int faceIndex)
{
    Face &used = face(faceIndex);
    if (used.object == 0)
        used.object = mObjects.reserve();
    return used.object;
}

bool PdfFonts::embeds(int faceIndex)
{
    return face(faceIndex).embeddable;
}

std::string PdfFonts::resourceName(int faceIndex)
{
    return face(faceIndex).resourceName;
}

bool PdfFonts::writeAll()
{
    bool written = true;
    for (std::size_t i = 0; i < mUsed.size(); ++i) {
        if (mUsed[i].object != 0)
            written = write(int(i)) && written;
    }
    return written;
}

bool PdfFonts::write(int faceIndex)
{
    const Face &used = mUsed[std::size_t(faceIndex)];
    const QRawFont &raw = mFaces.at(std::size_t(faceIndex));
    std::vector<quint32> glyphs;
    std::vector<std::pair<quint32, char32_t>> characters;
    for (quint32 glyph = 0; glyph < used.used.size(); ++glyph) {
        if (!used.used[glyph])
            continue;
        glyphs.push_back(glyph);
        if (used.characters[glyph] != 0)
            characters.emplace_back(glyph, used.characters[glyph]);
    }
    const QByteArray file = trueTypeSubset(raw, glyphs);
    if (file.isEmpty())
        return false;

    const auto thousandths = [&](int units) {
        std::string number;
        appendNumber(number, units * 1000.0 / used.unitsPerEm);
        return number;
    };
    const std::string name = "/" + subsetTag(glyphs) + "+" + used.resourceName;
    const int descendant = mObjects.reserve();
    const int descriptor = mObjects.reserve();
    const int fontFile = mObjects.reserve();
    const int toUnicode = mObjects.reserve();

    std::string widths = "[";
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        // Consecutive glyphs share one list: "7 [500 1000 500]".
        if (i == 0 || glyphs[i] != glyphs[i - 1] + 1)
            widths += (i == 0 ? "" : "] ") + std::to_string(glyphs[i]) + " [";
        else
            widths += ' ';
        appendNumber(widths, used.advances[glyphs[i]] * 1000.0 / used.unitsPerEm);
    }
    widths += glyphs.empty() ? "]" : "] ]";

    mObjects.writeObject(used.object,
                         "<< /Type /Font /Subtype /Type0 /BaseFont " + name
                             + " /Encoding /Identity-H /DescendantFonts [ " + pdfReference(descendant)
                             + " ] /ToUnicode " + pdfReference(toUnicode) + " >>");
    mObjects.writeObject(descendant,
                         "<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + name
                             + " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
                               " /FontDescriptor "
                             + pdfReference(descriptor) + " /CIDToGIDMap /Identity /W " + widths + " >>");
    mObjects.writeObject(descriptor,
                         "<< /Type /FontDescriptor /FontName " + name + " /Flags 4 /FontBBox [ "
                             + thousandths(used.box[0]) + " " + thousandths(used.box[1]) + " "
                             + thousandths(used.box[2]) + " " + thousandths(used.box[3]) + " ] /ItalicAngle 0 /Ascent "
                             + thousandths(used.ascent) + " /Descent " + thousandths(used.descent) + " /CapHeight "
                             + thousandths(used.ascent) + " /StemV 80 /FontFile2 " + pdfReference(fontFile) + " >>");
    mObjects.writeStream(fontFile, "/Length1 " + std::to_string(file.size()),
                         std::string_view(file.constData(), std::size_t(file.size())));
    mObjects.writeStream(toUnicode, "", toUnicodeMap(characters));
    return mObjects.isGood();
}

} // namespace report
