#include "report/pdfobjectwriter.h"

#include "report/pdfoutline.h"
#include "report/pdfsyntax.h"

#include <zlib.h>

#include <cstdio>

namespace report {

namespace {

// Deflated at zlib's fastest level: the page streams are short runs of
// operators that deflate nearly as well at level 1 as at 9, in a fraction
// of the time.
constexpr int deflateLevel = Z_BEST_SPEED;

} // namespace

std::string pdfReference(int number)
{
    return std::to_string(number) + " 0 R";
}

std::string pdfInformation(const std::string &title)
{
    const std::string creator = pdfTextString(QString::fromStdString(pdfCreator()));
    return "<< /Title " + pdfTextString(QString::fromStdString(title)) + " /Creator " + creator + " /Producer "
        + creator + " >>";
}

PdfObjectWriter::PdfObjectWriter(Sink sink)
    : mSink(std::move(sink))
{
    // The binary comment tells transfer programs the file is not text.
    write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

void PdfObjectWriter::write(std::string_view bytes)
{
    if (!mGood)
        return;
    if (!mSink(bytes)) {
        mGood = false;
        return;
    }
    mOffset += static_cast<long long>(bytes.size());
}

int PdfObjectWriter::reserve()
{
    mOffsets.push_back(-1);
    return int(mOffsets.size() - 1);
}

void PdfObjectWriter::beginObject(int number)
{
    mOffsets.at(std::size_t(number)) = mOffset;
    write(std::to_string(number) + " 0 obj\n");
}

void PdfObjectWriter::endObject()
{
    write("\nendobj\n");
}

void PdfObjectWriter::writeObject(int number, std::string_view body)
{
    beginObject(number);
    write(body);
    endObject();
}

void PdfObjectWriter::writeStream(int number, std::string_view dictionaryEntries, std::string_view data)
{
    uLongf size = compressBound(uLong(data.size()));
    mDeflated.resize(size);
    if (compress2(reinterpret_cast<Bytef *>(mDeflated.data()), &size, reinterpret_cast<const Bytef *>(data.data()),
                  uLong(data.size()), deflateLevel)
        != Z_OK) {
        mGood = false;
        return;
    }
    beginObject(number);
    write("<< ");
    write(dictionaryEntries);
    write(" /Filter /FlateDecode /Length " + std::to_string(size) + " >>\nstream\n");
    write(std::string_view(mDeflated.data(), size));
    write("\nendstream");
    endObject();
}

bool PdfObjectWriter::finish(int root, int info)
{
    const long long table = mOffset;
    std::string xref = "xref\n0 " + std::to_string(mOffsets.size()) + "\n0000000000 65535 f \n";
    char entry[24];
    for (std::size_t i = 1; i < mOffsets.size(); ++i) {
        // A reserved number never written would leave the table unreadable.
        if (mOffsets[i] < 0)
            mGood = false;
        std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", mOffsets[i]);
        xref += entry;
    }
    xref += "trailer\n<< /Size " + std::to_string(mOffsets.size()) + " /Root " + pdfReference(root) + " /Info "
        + pdfReference(info) + " >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    write(xref);
    return mGood;
}

} // namespace report
