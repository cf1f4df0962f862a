#include "report/truetypesubset.h"

#include "report/textglyphs.h"

#include <QHash>

#include <array>
#include <hb-subset.h>
#include <memory>
#include <mutex>

namespace report {

namespace {

// The tables a PDF reader needs of an embedded TrueType font, in tag order
// as a font file lists them.
constexpr std::array<const char *, 9> embeddedTables = {"cvt ", "fpgm", "glyf", "head", "hhea",
                                                        "hmtx", "loca", "maxp", "prep"};

void appendBigEndian(QByteArray &out, quint32 value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

quint32 tableChecksum(const QByteArray &table)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i < table.size(); i += 4) {
        quint32 word = 0;
        for (qsizetype j = 0; j < 4; ++j)
            word = (word << 8) | (i + j < table.size() ? quint8(table[i + j]) : 0);
        sum += word;
    }
    return sum;
}

/**
 * A font file of \a face's tables that a reader needs: Qt gives a face's
 * tables but not the file it came from (a collection, a fallback face).
 * Empty when the face has no TrueType outlines.
 */
QByteArray fontFileOf(const QRawFont &face)
{
    std::vector<std::pair<const char *, QByteArray>> tables;
    for (const char *tag : embeddedTables) {
        QByteArray table = face.fontTable(tag);
        if (!table.isEmpty())
            tables.emplace_back(tag, std::move(table));
        else if (qstrcmp(tag, "glyf") == 0 || qstrcmp(tag, "loca") == 0)
            return {};
    }
    const quint32 count = quint32(tables.size());
    quint32 power = 1;
    quint32 log = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log;
    }
    QByteArray file;
    appendBigEndian(file, 0x00010000, 4);
    appendBigEndian(file, count, 2);
    appendBigEndian(file, power * 16, 2);
    appendBigEndian(file, log, 2);
    appendBigEndian(file, count * 16 - power * 16, 2);
    quint32 offset = 12 + 16 * count;
    for (const auto &[tag, table] : tables) {
        file.append(tag, 4);
        appendBigEndian(file, tableChecksum(table), 4);
        appendBigEndian(file, offset, 4);
        appendBigEndian(file, quint32(table.size()), 4);
        offset += (quint32(table.size()) + 3) & ~3u;
    }
    for (const auto &[tag, table] : tables) {
        file.append(table);
        file.append(QByteArray((4 - table.size() % 4) % 4, '\0'));
    }
    return file;
}

template <typename T, void (*destroy)(T *)> struct Destroy
{
    void operator()(T *object) const { destroy(object); }
};
using Blob = std::unique_ptr<hb_blob_t, Destroy<hb_blob_t, hb_blob_destroy>>;
using Face = std::unique_ptr<hb_face_t, Destroy<hb_face_t, hb_face_destroy>>;
using SubsetInput = std::unique_ptr<hb_subset_input_t, Destroy<hb_subset_input_t, hb_subset_input_destroy>>;

/// A face's font file, read once for the program: a CJK face's outlines are tens of megabytes.
struct FontSource
{
    QByteArray file;
    Blob blob;
    Face face;
};

/// The font file of \a face, shared by every document and thread; null when it has no TrueType outlines.
std::shared_ptr<const FontSource> fontSourceOf(const QRawFont &face)
{
    static std::mutex guard;
    static QHash<QString, std::shared_ptr<const FontSource>> sources;
    const std::lock_guard lock(guard);
    const QString key = faceKey(face);
    const auto known = sources.constFind(key);
    if (known != sources.constEnd())
        return known.value();
    std::shared_ptr<FontSource> source;
    QByteArray file = fontFileOf(face);
    if (!file.isEmpty()) {
        source = std::make_shared<FontSource>();
        source->file = std::move(file);
        source->blob.reset(hb_blob_create(source->file.constData(), unsigned(source->file.size()),
                                          HB_MEMORY_MODE_READONLY, nullptr, nullptr));
        // HarfBuzz faces may be used from several threads at once.
        source->face.reset(hb_face_create(source->blob.get(), 0));
        hb_face_make_immutable(source->face.get());
    }
    sources.insert(key, source);
    return source;
}

} // namespace

QByteArray trueTypeSubset(const QRawFont &face, const std::vector<quint32> &glyphs)
{
    const std::shared_ptr<const FontSource> source = fontSourceOf(face);
    if (!source)
        return {};
    // A face HarfBuzz cannot cut down goes in whole: larger, but every glyph is there.
    const auto whole = [&] { return source->file; };
    const SubsetInput input(hb_subset_input_create_or_fail());
    if (!input)
        return whole();
    hb_set_t *kept = hb_subset_input_glyph_set(input.get());
    hb_set_add(kept, 0);
    for (const quint32 glyph : glyphs)
        hb_set_add(kept, glyph);
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_RETAIN_GIDS);
    const Face subset(hb_subset_or_fail(source->face.get(), input.get()));
    if (!subset)
        return whole();
    const Blob written(hb_face_reference_blob(subset.get()));
    unsigned length = 0;
    const char *data = hb_blob_get_data(written.get(), &length);
    return QByteArray(data, qsizetype(length));
}

} // namespace report
