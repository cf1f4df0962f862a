#pragma once

#include <QString>

#include <string>

namespace report {

/**
 * Appends \a value to \a out as a PDF number: at most \a decimals
 * decimals, no exponent, no trailing zeros ("12", "0.7083", "-3.5"). Four
 * decimals of a page unit are a thirtieth of a micrometre, far below what a
 * printer resolves. A value that is not finite (or beyond any page) is
 * written as 0, so that a page never holds what a reader cannot parse.
 */
void appendNumber(std::string &out, double value, int decimals = 4);

/// \a text as a PDF text string: UTF-16BE with its byte-order mark, in hex ("<FEFF…>").
std::string pdfTextString(const QString &text);

/// Appends the code unit \a unit as four hex digits.
void appendHex4(std::string &out, unsigned unit);

} // namespace report
