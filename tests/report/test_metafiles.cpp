#include "metafilewalk.h"
#include "samplepage.h"

#include "report/emfwriter.h"
#include "report/wmfwriter.h"

#include "common/gbkcodec.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace report;

namespace {

QByteArray toGbk(const QString &text)
{
    return QByteArray::fromStdString(common::encodeStrictGbk(text.toStdString()));
}

constexpr qsizetype placeableBytes = 22;
constexpr qsizetype wmfHeaderBytes = 18;

/// The WMF records after the headers; fails the test when a size field does not fit.
std::vector<MetafileRecord> walkWmf(const QByteArray &file)
{
    std::vector<MetafileRecord> records;
    qsizetype offset = placeableBytes + wmfHeaderBytes;
    while (offset + 6 <= file.size()) {
        const qsizetype bytes = 2 * static_cast<qsizetype>(u32At(file, offset));
        const std::uint16_t function = u16At(file, offset + 4);
        EXPECT_GE(bytes, 6) << "record at " << offset;
        if (bytes < 6 || offset + bytes > file.size()) {
            ADD_FAILURE() << "record at " << offset << " overruns the file";
            return records;
        }
        records.push_back({offset, bytes, function});
        offset += bytes;
        if (function == 0) {
            break;
        }
    }
    EXPECT_EQ(offset, file.size()) << "bytes after the end-of-file record";
    return records;
}

std::vector<MetafileRecord> walkEmf(const QByteArray &file)
{
    std::vector<MetafileRecord> records;
    qsizetype offset = 0;
    while (offset + 8 <= file.size()) {
        const std::uint32_t type = u32At(file, offset);
        const qsizetype bytes = u32At(file, offset + 4);
        EXPECT_EQ(bytes % 4, 0) << "record at " << offset;
        if (bytes < 8 || offset + bytes > file.size()) {
            ADD_FAILURE() << "record at " << offset << " overruns the file";
            return records;
        }
        records.push_back({offset, bytes, type});
        offset += bytes;
        if (type == 14) {
            break;
        }
    }
    EXPECT_EQ(offset, file.size()) << "bytes after the end-of-file record";
    return records;
}

/// Replays object creation and deletion: slots in use never exceed \a slotCount and selections name live objects.
void checkObjectSlots(const QByteArray &file, const std::vector<MetafileRecord> &records, int slotCount)
{
    std::set<int> live;
    std::size_t highest = 0;
    for (const MetafileRecord &record : records) {
        const std::uint16_t function = static_cast<std::uint16_t>(record.type);
        if (function == 0x02FA || function == 0x02FB || function == 0x02FC) {
            int slot = 0;
            while (live.count(slot) != 0) {
                ++slot;
            }
            live.insert(slot);
            highest = std::max(highest, live.size());
        } else if (function == 0x012D) {
            EXPECT_EQ(live.count(u16At(file, record.offset + 6)), 1U) << "selects a free slot";
        } else if (function == 0x01F0) {
            EXPECT_EQ(live.erase(u16At(file, record.offset + 6)), 1U) << "deletes a free slot";
        }
    }
    EXPECT_EQ(static_cast<int>(highest), slotCount);
}

} // namespace

TEST(WmfWriter, PlaceableHeaderHasKeyBoxInchAndChecksum)
{
    const QByteArray file = wmfBytes(samplePage());
    ASSERT_GT(file.size(), placeableBytes + wmfHeaderBytes);
    const QByteArray expectedStart = QByteArray::fromHex("d7cdc69a" "0000" "0000" "0000" "a404" "4803" "6000" "00000000");
    EXPECT_EQ(file.left(20), expectedStart);
    std::uint16_t checksum = 0;
    for (qsizetype i = 0; i < 20; i += 2) {
        checksum ^= u16At(file, i);
    }
    EXPECT_EQ(u16At(file, 20), checksum);
}

TEST(WmfWriter, RecordSizesAndHeaderTotalsMatchTheBytes)
{
    const QByteArray file = wmfBytes(samplePage());
    EXPECT_EQ(u16At(file, 22), 1);      // on disk
    EXPECT_EQ(u16At(file, 24), 9);      // header words
    EXPECT_EQ(u16At(file, 26), 0x0300); // version
    EXPECT_EQ(2 * static_cast<qsizetype>(u32At(file, 28)), file.size() - placeableBytes);

    const std::vector<MetafileRecord> records = walkWmf(file);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().type, 0U);
    EXPECT_EQ(records.back().bytes, 6);
    qsizetype largest = 0;
    std::map<std::uint32_t, int> counts;
    for (const MetafileRecord &record : records) {
        largest = std::max(largest, record.bytes);
        ++counts[record.type];
    }
    EXPECT_EQ(2 * static_cast<qsizetype>(u32At(file, 34)), largest);
    checkObjectSlots(file, records, u16At(file, 32));
    EXPECT_GT(counts[0x0A32], 5);  // texts
    EXPECT_EQ(counts[0x0325], 1);  // the curve as a polyline
    EXPECT_EQ(counts[0x0324], 1);  // the filled quadrilateral
    EXPECT_EQ(counts[0x061C], 1);  // the circle
}

TEST(WmfWriter, FontsAreGb2312WithGbkNamesAndTextsAreGbk)
{
    const QByteArray file = wmfBytes(samplePage());
    const QByteArray songName = QByteArray::fromHex("cbcecce5"); // 宋体
    bool sawFont = false;
    for (const MetafileRecord &record : walkWmf(file)) {
        if (record.type == 0x02FB) {
            sawFont = true;
            EXPECT_EQ(record.bytes, 56);
            EXPECT_EQ(static_cast<unsigned char>(file[record.offset + 6 + 13]), 134);
            EXPECT_EQ(file.mid(record.offset + 6 + 18, 5), songName + '\0');
        }
    }
    EXPECT_TRUE(sawFont);
    EXPECT_TRUE(file.contains(toGbk(QStringLiteral("最高温度时的M、D计算"))));
    EXPECT_EQ(toGbk(QStringLiteral("宋体")), songName);
}

TEST(WmfWriter, OpaqueTextsCarryTheirCellAndClearOnesDoNot)
{
    ReportPage page;
    page.textOut(10, 20, QStringLiteral("ab"));
    page.setBrushStyle(BrushStyle::Clear);
    page.textOut(10, 40, QStringLiteral("abc"));
    const QByteArray file = wmfBytes(page);
    std::vector<MetafileRecord> texts;
    for (const MetafileRecord &record : walkWmf(file)) {
        if (record.type == 0x0A32) {
            texts.push_back(record);
        }
    }
    ASSERT_EQ(texts.size(), 2U);
    const qsizetype first = texts[0].offset + 6;
    EXPECT_EQ(i16At(file, first), 20);
    EXPECT_EQ(i16At(file, first + 2), 10);
    EXPECT_EQ(i16At(file, first + 4), 2);
    EXPECT_EQ(u16At(file, first + 6), 2); // opaque
    EXPECT_EQ(i16At(file, first + 8), 10);
    EXPECT_EQ(i16At(file, first + 10), 20);
    EXPECT_EQ(texts[0].bytes, 6 + 8 + 8 + 2);
    const qsizetype second = texts[1].offset + 6;
    EXPECT_EQ(u16At(file, second + 6), 0);
    EXPECT_EQ(texts[1].bytes, 6 + 8 + 4); // "abc" padded to 4 bytes
}

TEST(WmfWriter, ATextBeyondTheRecordsCountIsCutBetweenCharacters)
{
    // 0x7FFF bytes of two-byte characters would end inside one.
    ReportPage page;
    page.textOut(0, 0, QString(20000, QChar(0x8DE8))); // 跨
    const QByteArray file = wmfBytes(page);
    for (const MetafileRecord &record : walkWmf(file)) {
        if (record.type == 0x0A32) {
            EXPECT_EQ(i16At(file, record.offset + 6 + 4), 2 * 16383);
        }
    }
}

TEST(WmfWriter, AnIndependentReaderConvertsThePage)
{
    const QString converter = QStandardPaths::findExecutable(QStringLiteral("wmf2svg"));
    if (converter.isEmpty()) {
        GTEST_SKIP() << "wmf2svg (libwmf-bin) is not installed";
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString wmfName = dir.filePath(QStringLiteral("page.wmf"));
    const QString svgName = dir.filePath(QStringLiteral("page.svg"));
    QFile wmf(wmfName);
    ASSERT_TRUE(wmf.open(QIODevice::WriteOnly));
    wmf.write(wmfBytes(samplePage()));
    wmf.close();

    QProcess process;
    process.start(converter, {QStringLiteral("-o"), svgName, wmfName});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QByteArray messages = process.readAllStandardError();
    if (messages.contains("failed to load *any* font")) {
        GTEST_SKIP() << "wmf2svg finds none of its fonts (Debian package fonts-urw-base35)";
    }
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << messages.toStdString();
    EXPECT_FALSE(messages.contains("ERROR")) << messages.toStdString();
    QFile svg(svgName);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray content = svg.readAll();
    EXPECT_TRUE(content.contains("<svg"));
    EXPECT_TRUE(content.contains("<text")) << "texts were lost";
}

TEST(EmfWriter, HeaderCountsRecordsBytesHandlesAndFrame)
{
    const ReportPage page = samplePage();
    const QByteArray file = emfBytes(page);
    const std::vector<MetafileRecord> records = walkEmf(file);
    ASSERT_GE(records.size(), 3U);
    EXPECT_EQ(records.front().type, 1U);
    EXPECT_EQ(records.front().bytes, 108);
    EXPECT_EQ(records.back().type, 14U);
    EXPECT_EQ(records.back().bytes, 20);

    EXPECT_EQ(u32At(file, 40), 0x464D4520U);
    EXPECT_EQ(static_cast<qsizetype>(u32At(file, 48)), file.size());
    EXPECT_EQ(u32At(file, 52), records.size());
    // Bounds: what is drawn, inclusive; frame: the whole page in 0.01 mm.
    EXPECT_EQ(i32At(file, 8), 0);
    EXPECT_EQ(i32At(file, 20), 839);
    EXPECT_EQ(i32At(file, 16), 1187);
    EXPECT_EQ(i32At(file, 32), 31432);
    EXPECT_EQ(i32At(file, 36), 22225);
    // Device and millimetre sizes describe exactly 96 pixels per inch.
    EXPECT_EQ(i32At(file, 72) * 254, i32At(file, 80) * 960);
    EXPECT_EQ(i32At(file, 76) * 254, i32At(file, 84) * 960);

    std::set<std::uint32_t> created;
    for (const MetafileRecord &record : records) {
        if (record.type == 38 || record.type == 39 || record.type == 82) {
            created.insert(u32At(file, record.offset + 8));
        }
    }
    ASSERT_FALSE(created.empty());
    EXPECT_EQ(created.count(0), 0U);
    EXPECT_EQ(u16At(file, 56), *created.rbegin() + 1);
}

TEST(EmfWriter, TextsAreUtf16WithAdvancesAndCurvesStayCurves)
{
    ReportPage page;
    page.setFontName(QStringLiteral("宋体"));
    page.setFontSize(12);
    page.textOut(100, 200, QStringLiteral("计算σ"));
    page.polyBezier({{50, 40}, {145, 76}, {189, 81}, {320, 63}});
    const QByteArray file = emfBytes(page);
    bool sawText = false;
    bool sawCurve = false;
    for (const MetafileRecord &record : walkEmf(file)) {
        const qsizetype at = record.offset;
        if (record.type == 84) {
            sawText = true;
            EXPECT_EQ(i32At(file, at + 36), 100);
            EXPECT_EQ(i32At(file, at + 40), 200);
            const std::uint32_t characters = u32At(file, at + 44);
            const std::uint32_t stringOffset = u32At(file, at + 48);
            const std::uint32_t dxOffset = u32At(file, at + 72);
            ASSERT_EQ(characters, 3U);
            EXPECT_EQ(u32At(file, at + 52), 2U); // opaque
            ASSERT_LE(dxOffset + 4 * characters, record.bytes);
            EXPECT_EQ(u16At(file, at + stringOffset), u'计');
            EXPECT_EQ(u16At(file, at + stringOffset + 4), u'σ');
            EXPECT_EQ(i32At(file, at + dxOffset), page.textWidth(QStringLiteral("计")));
        } else if (record.type == 85) {
            sawCurve = true;
            EXPECT_EQ(u32At(file, at + 24), 4U);
            EXPECT_EQ(record.bytes, 28 + 4 * 4);
            EXPECT_EQ(i16At(file, at + 28 + 12), 320);
        } else if (record.type == 82) {
            EXPECT_EQ(i32At(file, at + 12), -16);
            EXPECT_EQ(static_cast<unsigned char>(file[at + 12 + 23]), 134);
            EXPECT_EQ(u16At(file, at + 12 + 28), u'宋');
        }
    }
    EXPECT_TRUE(sawText);
    EXPECT_TRUE(sawCurve);
}

TEST(EmfWriter, AnEmptyPageHasEmptyBounds)
{
    const QByteArray file = emfBytes(ReportPage(550, 220));
    EXPECT_EQ(walkEmf(file).size(), 4U); // header, two modes, end of file
    EXPECT_LT(i32At(file, 16), i32At(file, 8));
    EXPECT_EQ(i32At(file, 32), 550 * 2540 / 96);
}
