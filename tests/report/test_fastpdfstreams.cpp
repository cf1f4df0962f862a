// The PDF's streams are deflated at zlib's fastest level while a writer
// paints, and only then: the level is chosen by replacing zlib's entry that
// Qt calls, which a change in how the program is linked would silently undo.
#include "report/exporters.h"
#include "report/fastpdfstreams.h"
#include "samplepage.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <zlib.h>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <thread>
#include <vector>

using namespace report;

namespace {

/// The second byte of a zlib stream's header names its level: 0x01 fastest, 0x9C the default.
unsigned char levelByte(const std::shared_ptr<Buffer> &stream)
{
    return stream->getSize() < 2 ? 0 : stream->getBuffer()[1];
}

/// The header level byte zlib writes for a stream started with deflateInit() at its default level.
unsigned char defaultLevelByteOnThisThread()
{
    z_stream stream{};
    std::array<unsigned char, 64> out{};
    unsigned char in[] = "page";
    if (deflateInit(&stream, Z_DEFAULT_COMPRESSION) != Z_OK)
        return 0;
    stream.next_in = in;
    stream.avail_in = sizeof in;
    stream.next_out = out.data();
    stream.avail_out = out.size();
    deflate(&stream, Z_FINISH);
    deflateEnd(&stream);
    return out[1];
}

} // namespace

TEST(FastPdfStreams, PagesAndFontsAreDeflatedFastAndStillReadBack)
{
    PdfExporter exporter;
    const std::vector<ReportPage> painted(2, samplePage());
    const std::optional<QByteArray> bytes = exporter.fileContents(painted, QStringLiteral("report.pdf"));
    ASSERT_TRUE(bytes) << exporter.errorString().toStdString();
    QPDF pdf;
    pdf.processMemoryFile("report.pdf", bytes->constData(), std::size_t(bytes->size()));
    int fonts = 0;
    for (QPDFObjectHandle &object : pdf.getAllObjects()) {
        if (!object.isStream() || object.getDict().getKey("/Filter").unparse() != "/FlateDecode")
            continue;
        EXPECT_EQ(levelByte(object.getRawStreamData()), 0x01) << object.unparse();
        if (object.getDict().hasKey("/Length1"))
            ++fonts;
    }
    EXPECT_GT(fonts, 0);
    // Decoded, each page's drawing reads back, its text with it.
    for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        const std::shared_ptr<Buffer> data = page.getObjectHandle().getKey("/Contents").getStreamData();
        const std::string drawing(reinterpret_cast<const char *>(data->getBuffer()), data->getSize());
        EXPECT_NE(drawing.find(" Tj\n"), std::string::npos);
    }
}

TEST(FastPdfStreams, OnlyTheHoldingThreadAndOnlyWhileHeld)
{
    const unsigned char zlibDefault = defaultLevelByteOnThisThread();
    EXPECT_EQ(zlibDefault, 0x9C);
    {
        const FastPdfStreams fast;
        EXPECT_EQ(defaultLevelByteOnThisThread(), 0x01);
        unsigned char elsewhere = 0;
        std::thread([&] { elsewhere = defaultLevelByteOnThisThread(); }).join();
        EXPECT_EQ(elsewhere, 0x9C);
    }
    EXPECT_EQ(defaultLevelByteOnThisThread(), 0x9C);
}
