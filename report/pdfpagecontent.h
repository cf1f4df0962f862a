#pragma once

#include <QRectF>

#include <set>
#include <string>

namespace report {

class PdfFonts;
class ReportPage;
class TextGlyphs;

/**
 * The content stream of \a page drawn into \a target, a rectangle in PDF
 * points measured from the top-left corner of a sheet \a sheetHeight points
 * high: the page's commands as PDF operators in page units under one
 * transformation, texts as glyphs of the faces they are laid out in
 * (glyphs and fonts come from \a glyphs and \a fonts; every face drawn
 * with goes into \a faces). Lines and outlines have round caps and joins
 * and dash patterns in multiples of their width, as the pages are drawn on
 * screen. The same page gives the same stream in every document.
 */
std::string pdfPageContent(const ReportPage &page, const QRectF &target, double sheetHeight, TextGlyphs &glyphs,
                           PdfFonts &fonts, std::set<int> &faces);

} // namespace report
