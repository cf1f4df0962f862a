#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace report {

/**
 * The object layer of a PDF file written front to back: numbered objects,
 * streams deflated as they are written, and the cross-reference table and
 * trailer at the end. Numbers can be reserved before their object is
 * written, so that pages can name fonts that are written last. The report's
 * documents and the join of a batch's documents both write through it.
 */
class PdfObjectWriter
{
public:
    /**
     * Puts \a bytes out; false when they could not be written, after which
     * every later write does nothing. It may throw instead, for its caller.
     */
    using Sink = std::function<bool(std::string_view bytes)>;

    explicit PdfObjectWriter(Sink sink);

    bool isGood() const { return mGood; }

    /// A number for an object written later.
    int reserve();

    /// Starts object \a number; its body follows through write(), then endObject().
    void beginObject(int number);
    void write(std::string_view bytes);
    void endObject();

    /// Writes object \a number with \a body ("<< … >>", "[ … ]").
    void writeObject(int number, std::string_view body);
    /**
     * Writes object \a number as a stream of \a data, deflated, its
     * dictionary \a dictionaryEntries ("/Length1 5", without the brackets)
     * with /Length and /Filter added.
     */
    void writeStream(int number, std::string_view dictionaryEntries, std::string_view data);
    /// Ends the file with the cross-reference table and a trailer naming \a root and \a info. @return isGood()
    bool finish(int root, int info);

private:
    Sink mSink;
    std::vector<long long> mOffsets{0};
    long long mOffset = 0;
    bool mGood = true;
    std::string mDeflated;
};

/// "N 0 R".
std::string pdfReference(int number);

/// The document information of a report PDF: Title \a title (UTF-8), Creator and Producer pdfCreator().
std::string pdfInformation(const std::string &title);

} // namespace report
