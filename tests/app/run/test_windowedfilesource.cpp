// qpdf reads the batch's documents through a window of the file; what it
// reads must be what it reads from the bytes whole, across the window's
// edges, and when it must scan the file line by line for a damaged table.
#include "app/run/windowedfilesource.h"

#include <QTemporaryDir>
#include <qpdf/Buffer.hh>
#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

/// A PDF of several streams, some larger than the window, with lines of every kind of end.
std::string samplePdf()
{
    QPDF pdf;
    pdf.emptyPDF();
    std::mt19937 random(7);
    QPDFObjectHandle list = QPDFObjectHandle::newArray();
    for (int i = 0; i < 12; ++i) {
        std::string data(std::size_t(1000 + i * 60000), '\0');
        for (char &c : data)
            c = char(random() % 7 == 0 ? (random() % 2 ? '\r' : '\n') : 'a' + random() % 26);
        list.appendItem(pdf.makeIndirectObject(QPDFObjectHandle::newStream(&pdf, data)));
    }
    pdf.getRoot().replaceKey("/Samples", list);
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setObjectStreamMode(qpdf_o_disable);
    writer.setCompressStreams(false);
    writer.write();
    const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char *>(bytes->getBuffer()), bytes->getSize());
}

/// Every object as qpdf reads it, stream data included.
std::string everything(QPDF &pdf)
{
    std::string all;
    for (QPDFObjectHandle &object : pdf.getAllObjects()) {
        all += object.unparseResolved() + "\n";
        if (object.isStream()) {
            const std::shared_ptr<Buffer> data = object.getRawStreamData();
            all.append(reinterpret_cast<const char *>(data->getBuffer()), data->getSize());
        }
    }
    return all;
}

std::string readWhole(const std::string &bytes)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("whole", bytes.data(), bytes.size());
    return everything(pdf);
}

std::string readWindowed(const std::filesystem::path &file)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processInputSource(std::make_shared<app::WindowedFileSource>(file));
    return everything(pdf);
}

} // namespace

TEST(WindowedFileSource, ReadsWhatTheWholeBytesHold)
{
    QTemporaryDir folder;
    const std::filesystem::path file = folder.filePath("sample.pdf").toStdString();
    const std::string bytes = samplePdf();
    ASSERT_GT(bytes.size(), 1'000'000u);
    std::ofstream(file, std::ios::binary) << bytes;
    const std::string whole = readWhole(bytes);
    EXPECT_GT(whole.size(), 1'000'000u);
    EXPECT_EQ(readWindowed(file), whole);

    // A cross-reference offset that points nowhere: qpdf finds the objects line by line.
    std::string damaged = bytes;
    const std::size_t at = damaged.rfind("startxref\n");
    ASSERT_NE(at, std::string::npos);
    damaged.replace(at, std::string::npos, "startxref\n123\n%%EOF\n");
    std::ofstream(file, std::ios::binary | std::ios::trunc) << damaged;
    EXPECT_EQ(readWindowed(file), readWhole(damaged));
}

TEST(WindowedFileSource, SeeksReadsAndEndsLikeAFile)
{
    QTemporaryDir folder;
    const std::filesystem::path file = folder.filePath("lines.txt").toStdString();
    std::ofstream(file, std::ios::binary) << "one\r\n\r\ntwo\nthree";
    app::WindowedFileSource source(file);
    EXPECT_EQ(source.findAndSkipNextEOL(), 3);
    EXPECT_EQ(source.tell(), 7);
    char text[16] = {};
    EXPECT_EQ(source.read(text, 3), 3u);
    EXPECT_EQ(std::string(text, 3), "two");
    EXPECT_EQ(source.getLastOffset(), 7);
    source.seek(-5, SEEK_END);
    EXPECT_EQ(source.read(text, sizeof text), 5u);
    EXPECT_EQ(std::string(text, 5), "three");
    EXPECT_EQ(source.read(text, sizeof text), 0u);
    EXPECT_EQ(source.findAndSkipNextEOL(), 16);
    source.unreadCh('e');
    EXPECT_EQ(source.tell(), 15);
    source.rewind();
    EXPECT_EQ(source.tell(), 0);
    EXPECT_THROW(source.seek(-1, SEEK_SET), std::runtime_error);
}

TEST(WindowedFileSource, AMissingFileIsNamed)
{
    try {
        app::WindowedFileSource source("/no/such/share.pdf");
        FAIL() << "no error";
    } catch (const std::runtime_error &error) {
        EXPECT_NE(std::string(error.what()).find("无法读取临时文件 /no/such/share.pdf"), std::string::npos);
    }
}
