#pragma once

#include "report/shapedtexts.h"

#include <QPainter>
#include <QPdfWriter>

#include <string>

class QIODevice;

namespace report {

class ReportPage;

/**
 * A PDF painted page by page onto a device, one landscape A4 sheet a page,
 * the page scaled to fill the sheet at its own proportions and centred: the
 * document PdfExporter writes. Fonts are embedded once for the whole
 * document, however many pages it gets. Its Title is \a title, its Creator
 * pdfCreator(). It is to be made, used and destroyed on one thread.
 */
class PdfPageWriter
{
public:
    PdfPageWriter(QIODevice &device, const std::string &title);

    /// False when the document could not be started or a page could not be added.
    bool isGood() const { return mGood; }

    /// Adds \a page on a sheet of its own. @return isGood()
    bool addPage(const ReportPage &page);

    /// Ends the document. @return true when every page went in and the document is complete
    bool finish();

    /// The sheets begun so far, a failed one included.
    int sheetCount() const { return mSheets; }

private:
    QPdfWriter mWriter;
    QPainter mPainter;
    /// The pages' labels, shaped once for the document.
    ShapedTexts mShapedTexts;
    bool mGood = false;
    int mSheets = 0;
};

} // namespace report
