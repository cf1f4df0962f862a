#pragma once

#include "report/pdffonts.h"
#include "report/pdfobjectwriter.h"
#include "report/textglyphs.h"

#include <string>
#include <vector>

class QIODevice;

namespace report {

class ReportPage;

/**
 * A PDF written page by page onto a device, one landscape A4 sheet a page,
 * the page scaled to fill the sheet at its own proportions and centred: the
 * document PdfExporter writes and each worker of a batch. Fonts are
 * embedded once for the whole document, however many pages it gets, and a
 * page's content is the same in every document it goes into. Its Title is
 * \a title, its Creator and Producer pdfCreator(). It is to be made, used
 * and destroyed on one thread.
 */
class PdfPageWriter
{
public:
    PdfPageWriter(QIODevice &device, const std::string &title);
    PdfPageWriter(const PdfPageWriter &) = delete;
    PdfPageWriter &operator=(const PdfPageWriter &) = delete;

    /// False when a write to the device failed.
    bool isGood() const { return mObjects.isGood(); }

    /// Adds \a page on a sheet of its own. @return isGood()
    bool addPage(const ReportPage &page);

    /// Ends the document. @return true when every page went in and the document is complete
    bool finish();

    /// The sheets begun so far, a failed one included.
    int sheetCount() const { return int(mSheetObjects.size()); }

private:
    void addSheet(const std::string &content, const std::string &fontResources);

    PdfObjectWriter mObjects;
    /// The pages' texts as glyphs, labels laid out once for the document.
    TextGlyphs mGlyphs;
    PdfFonts mFonts;
    std::string mTitle;
    int mPageTree = 0;
    std::vector<int> mSheetObjects;
};

} // namespace report
