#pragma once

#include <qpdf/QPDF.hh>

#include <cstddef>
#include <string>
#include <vector>

namespace report {

/// An entry of a PDF's outline: its title, the page it shows (0-based in the document), the entries below it.
struct OutlineEntry
{
    std::string title;
    std::size_t page = 0;
    std::vector<OutlineEntry> children;
};

/**
 * Gives \a pdf the outline \a entries, each showing its page whole, and has
 * it shown when the document opens. An entry with children starts closed,
 * so that a long batch opens as its list of spans.
 */
void setOutline(QPDF &pdf, const std::vector<OutlineEntry> &entries);

/// "Tenrix 1.2.0": the program and its version, the Creator of every PDF it writes.
std::string pdfCreator();

/// "软导线实用力学计算书 - NAME": the Title of the report PDF of the span \a spanName; the plain title without a name.
std::string pdfTitle(const std::string &spanName);

} // namespace report
