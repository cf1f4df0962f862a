#pragma once

#include "app/mainwindowmodel.h"
#include "common/messenger.h"
#include "options/optionstexts.h"

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

    /// Replaces stored page \a pageIndex (0..16, page 1..17) by a copy of \a page.
    virtual void storePage(int pageIndex, const report::ReportPage &page) = 0;

    /// Shows the viewer on page 1, its page choice reading "第1页".
    virtual void showFirstPage() = 0;
};

/// How one press of "计算" ended.
enum class CalculationOutcome {
    Shown,   ///< all 17 pages replaced and the viewer shown on page 1
    Refused, ///< an input check refused; its message was shown, no page was made
    Failed,  ///< the calculation failed; its message was shown, the viewer was not touched
};

/// What the user reads when a calculation cannot be completed.
inline constexpr const char *calculationFailedText = "计算过程中遇到错误,请尝试调整输入数据再算.";
inline constexpr const char *calculationFailedCaption = "计算出错";

/**
 * The calculate command: runs the calculation pipeline on \a window and
 * \a options (results in the colour the viewer asks for), then hands the 17
 * pages to \a viewer and shows it on page 1.
 *
 * A refused check has shown its own message through \a messenger. A failed
 * calculation shows "计算过程中遇到错误,请尝试调整输入数据再算." (caption
 * "计算出错", error icon); when the state equation has no usable root, its
 * own message (caption "错误信息") comes first. The pages are complete
 * before the first one is handed over, so a failure leaves every page of the
 * viewer as it was.
 */
CalculationOutcome calculateAndShow(const MainWindowModel &window, const options::OptionsTexts &options,
                                    ResultPages &viewer, common::Messenger &messenger);

} // namespace app
