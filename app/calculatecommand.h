#pragma once

#include "app/mainwindowmodel.h"
#include "common/messenger.h"
#include "options/designcheckoptions.h"
#include "options/optionstexts.h"

#include <string>

namespace report {
class ReportPage;
}

namespace app {

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

    /// The report about to be stored has \a count pages: 17, or 18 with the design check.
    virtual void setPageCount(int count) = 0;

    /// Replaces stored page \a pageIndex (0 .. count - 1) by a copy of \a page.
    virtual void storePage(int pageIndex, const report::ReportPage &page) = 0;

    /// The verdict of the design check for the status line; empty clears it.
    virtual void showDesignCheckStatus(const std::string &text) = 0;

    /// Shows the viewer on page 1, its page choice reading "第1页".
    virtual void showFirstPage() = 0;
};

/// How one press of "计算" ended.
enum class CalculationOutcome {
    Shown,   ///< all pages replaced and the viewer shown on page 1
    Refused, ///< an input check refused; its message was shown, no page was made
    Failed,  ///< the calculation failed; its message was shown, the viewer was not touched
};

/// What the user reads when a calculation cannot be completed.
inline constexpr const char *calculationFailedText = "计算过程中遇到错误,请尝试调整输入数据再算.";
inline constexpr const char *calculationFailedCaption = "计算出错";

/// "计算过程中遇到错误,请尝试调整输入数据再算." with \a cause, the calculation's own message, below it.
std::string failedCalculationText(const std::string &cause);

/**
 * The calculate command: runs the calculation pipeline on \a window and
 * \a options (results in the colour the viewer asks for), then hands the
 * pages to \a viewer and shows it on page 1. When \a checks asks for the
 * design-check page it follows as page 18 and the verdict goes to the
 * viewer's status line; a failing check shows nothing more. A field of
 * \a checks that is not a number is refused with its message (caption
 * "选项设置") before the calculation.
 *
 * A refused check has shown its own message through \a messenger. A failed
 * calculation shows "计算过程中遇到错误,请尝试调整输入数据再算." (caption
 * "计算出错", error icon) with the calculation's own message below it, which
 * tells the user which input to change. The pages are complete
 * before the first one is handed over, so a failure leaves every page of the
 * viewer as it was.
 */
CalculationOutcome calculateAndShow(const MainWindowModel &window, const options::OptionsTexts &options,
                                    const options::DesignCheckOptions &checks, ResultPages &viewer,
                                    common::Messenger &messenger);

} // namespace app
