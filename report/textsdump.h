#pragma once

#include <QString>

#include <span>

namespace report {

class ReportPage;

/**
 * Every drawMarkupText() call of \a pages in drawing order, one line each:
 * page number (1 for the first page), x, y, size, anchor, font colour as six
 * hex digits RRGGBB, the text as passed with its markup tags, separated by
 * tabs and ended by "\n". So that a line stays one line, tabs, carriage
 * returns and line feeds inside a text are written as spaces.
 */
QString textsDump(std::span<const ReportPage> pages);

} // namespace report
