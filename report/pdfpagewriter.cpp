#include "report/pdfpagewriter.h"

#include "report/pdfpagecontent.h"
#include "report/pdfsyntax.h"
#include "report/reportpage.h"

#include <QIODevice>

#include <set>

namespace report {

namespace {

// A4 across, in points, as the sheets of the report have always been.
constexpr double sheetWidth = 842;
constexpr double sheetHeight = 595;

/// The largest rectangle of the page's proportions centred on the sheet.
QRectF fittedTarget(const ReportPage &page)
{
    QSizeF size(page.width(), page.height());
    size.scale(QSizeF(sheetWidth, sheetHeight), Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(QPointF(sheetWidth / 2, sheetHeight / 2));
    return target;
}

} // namespace

PdfPageWriter::PdfPageWriter(QIODevice &device, const std::string &title)
    : mObjects([&device](std::string_view bytes) {
        return device.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
    })
    , mFonts(mObjects, mGlyphs.faces())
    , mTitle(title)
{
    mPageTree = mObjects.reserve();
}

void PdfPageWriter::addSheet(const std::string &content, const std::string &fontResources)
{
    const int stream = mObjects.reserve();
    const int sheet = mObjects.reserve();
    mObjects.writeStream(stream, "", content);
    std::string dictionary = "<< /Type /Page /Parent " + pdfReference(mPageTree) + " /MediaBox [ 0 0 ";
    appendNumber(dictionary, sheetWidth);
    dictionary += ' ';
    appendNumber(dictionary, sheetHeight);
    dictionary += " ] /Resources << /Font << " + fontResources + ">> >> /Contents " + pdfReference(stream) + " >>";
    mObjects.writeObject(sheet, dictionary);
    mSheetObjects.push_back(sheet);
}

bool PdfPageWriter::addPage(const ReportPage &page)
{
    if (!isGood())
        return false;
    std::set<int> faces;
    const std::string content = pdfPageContent(page, fittedTarget(page), sheetHeight, mGlyphs, mFonts, faces);
    std::string fontResources;
    for (const int face : faces)
        fontResources += '/' + mFonts.resourceName(face) + ' ' + pdfReference(mFonts.objectOf(face)) + ' ';
    addSheet(content, fontResources);
    return isGood();
}

bool PdfPageWriter::finish()
{
    // A document has a sheet, even with no page to put on it.
    if (mSheetObjects.empty())
        addSheet("", "");
    const bool fontsWritten = mFonts.writeAll();
    std::string kids;
    for (const int sheet : mSheetObjects)
        kids += pdfReference(sheet) + ' ';
    mObjects.writeObject(
        mPageTree, "<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(mSheetObjects.size()) + " >>");
    const int info = mObjects.reserve();
    mObjects.writeObject(info, pdfInformation(mTitle));
    const int catalog = mObjects.reserve();
    mObjects.writeObject(catalog, "<< /Type /Catalog /Pages " + pdfReference(mPageTree) + " >>");
    return mObjects.finish(catalog, info) && fontsWritten;
}

} // namespace report
