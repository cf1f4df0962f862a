#pragma once

#include <QIODevice>

#include <string>
#include <string_view>
#include <vector>

namespace report {

/**
 * The object layer of a PDF file written front to back onto a device:
 * numbered objects, streams deflated as they are written, and the
 * cross-reference table and trailer at the end. Numbers can be reserved
 * before their object is written, so that pages can name fonts that are
 * written last. A write that fails makes every later one do nothing.
 */
class PdfObjectWriter
{
public:
    explicit PdfObjectWriter(QIODevice &device);

    bool isGood() const { return mGood; }

    /// A number for an object written later.
    int reserve();
    /// Writes object \a number with \a body ("<< … >>", "[ … ]").
    void writeObject(int number, std::string_view body);
    /**
     * Writes object \a number as a stream of \a data, deflated, its
     * dictionary \a dictionaryEntries ("/Type /XRef …", without the brackets)
     * with /Length and /Filter added.
     */
    void writeStream(int number, std::string_view dictionaryEntries, std::string_view data);
    /// Ends the file with the cross-reference table and a trailer naming \a root and \a info. @return isGood()
    bool finish(int root, int info);

private:
    void write(std::string_view bytes);

    QIODevice &mDevice;
    std::vector<qint64> mOffsets{0};
    qint64 mOffset = 0;
    bool mGood = true;
    std::string mDeflated;
};

/// "N 0 R".
std::string pdfReference(int number);

} // namespace report
