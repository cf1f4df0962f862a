#pragma once

#include "report/pdfobjectwriter.h"
#include "report/pdfoutline.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjGen.hh>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace app {

/**
 * One PDF written object by object from pages of other PDFs, so that joining
 * the documents of a batch of ten thousand spans holds no more than the
 * offsets of what is written: each object a page needs is copied once per
 * source document, its stream data as it is (compressed, never decoded), so
 * a page is the same content as in its source and a font its pages share is
 * embedded once. The page tree, the outline and the document information are
 * written by finish().
 */
class PdfJoin
{
public:
    /// Starts the PDF on \a stream, which stands for \a file in messages and is closed by the object.
    PdfJoin(std::FILE *stream, std::filesystem::path file);
    ~PdfJoin();
    PdfJoin(const PdfJoin &) = delete;
    PdfJoin &operator=(const PdfJoin &) = delete;

    /**
     * Appends \a page of the source document \a sourceIndex, whose objects
     * are told apart from those of any other source by that index. A source
     * may be opened anew between pages: its objects are known by their numbers.
     * @return the page's index in the joined PDF
     * @throws common::FileWriteError when it could not be written
     */
    std::size_t addPage(std::size_t sourceIndex, QPDFObjectHandle page);

    /// Source \a sourceIndex gives no more pages: what is known of its objects goes.
    void forgetSource(std::size_t sourceIndex);

    /**
     * Writes the page tree, \a outline (entries by page index, shown when the
     * document opens), the Title \a title and Creator report::pdfCreator(), and
     * the cross-reference table.
     * @throws common::FileWriteError when anything could not be written
     */
    void finish(const std::vector<report::OutlineEntry> &outline, const std::string &title);

private:
    /// The number of \a object of source \a sourceIndex in the joined PDF, queued to be copied when new.
    int numberOf(std::size_t sourceIndex, QPDFObjectHandle object);
    /**
     * \a object in PDF syntax, every indirect object in it as a reference to
     * its number in the joined PDF; \a object \a itself written out even when indirect.
     */
    std::string unparsed(std::size_t sourceIndex, QPDFObjectHandle object, bool itself = false);
    void writeCopied(std::size_t sourceIndex, QPDFObjectHandle object, int number);
    /// Puts bytes into the stream. @throws common::FileWriteError when it cannot
    bool put(std::string_view bytes);
    /// Writes \a entries under \a parent. @return their numbers, reserved in order before any of them is written
    std::vector<int> writeOutline(const std::vector<report::OutlineEntry> &entries, int parent);

    std::FILE *mStream;
    std::filesystem::path mFile;
    report::PdfObjectWriter mObjects;
    /// The numbers of each source's objects already written, by their number and generation there.
    std::vector<std::unordered_map<std::uint64_t, int>> mNumbers;
    std::vector<std::pair<QPDFObjectHandle, int>> mQueue;
    std::vector<int> mPages;
    int mCatalog = 0;
    int mPageTree = 0;
};

} // namespace app
