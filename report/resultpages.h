#pragma once

#include <string>

namespace report {

class ReportPage;

/**
 * The side of the result viewer the calculate command talks to. The viewer
 * window implements it; tests record the pages instead.
 */
class ResultPages
{
public:
    virtual ~ResultPages() = default;

    /// Whether results are drawn in black rather than teal ("计算结果用黑色文字显示").
    virtual bool resultsInBlack() const = 0;

    /// The report about to be stored has \a count pages: 17, 18 with the design check, more for a book.
    virtual void setPageCount(int count) = 0;

    /// Replaces stored page \a pageIndex (0 .. count - 1) by a copy of \a page.
    virtual void storePage(int pageIndex, const ReportPage &page) = 0;

    /// The verdict of the design check for the status line; empty clears it.
    virtual void showDesignCheckStatus(const std::string &text) = 0;

    /// Shows the viewer on page 1, its page choice on the first entry.
    virtual void showFirstPage() = 0;
};

} // namespace report
