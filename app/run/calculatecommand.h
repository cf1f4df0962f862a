#pragma once

#include "app/model/mainwindowmodel.h"
#include "common/messenger.h"
#include "engine/clearances.h"
#include "engine/governingstates.h"
#include "engine/shortcircuitspan.h"
#include "options/model/clearanceoptions.h"
#include "options/model/designcheckoptions.h"
#include "options/model/optionstexts.h"
#include "options/model/shortcircuitoptions.h"
#include "report/resultpages.h"

#include <optional>
#include <string>

namespace app {

/// How one press of "计算" ended.
enum class CalculationOutcome {
    Shown,   ///< all pages replaced and the viewer shown on page 1
    Refused, ///< an input check refused; its message was shown, no page was made
    Failed,  ///< the calculation failed; its message was shown, the viewer was not touched
};

/// How one press of "计算" ended and, when Shown, the figures the main window sums the result up with.
struct CalculationShown
{
    CalculationOutcome outcome = CalculationOutcome::Refused;
    engine::GoverningStates governing;
    engine::DesignChecks checks; ///< what governing rests on (CalculationRun::governingChecks)
    std::optional<engine::ShortCircuitResult> shortCircuit;
    std::optional<engine::ClearanceResult> clearances;
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
 * viewer's status line; a failing check shows nothing more. When
 * \a shortCircuit gives a current, the page "短路效应计算" follows, and when
 * \a clearances holds anything, "电气距离校验". A field of \a checks,
 * \a shortCircuit or \a clearances that cannot be used is refused with its
 * message (caption "选项设置") before the calculation.
 *
 * Before a span with unusual values is computed the user is asked once,
 * naming each of them ("继续计算" / "返回修改"); going back is Refused.
 * A refused check has shown its own message through \a messenger. A failed
 * calculation shows "计算过程中遇到错误,请尝试调整输入数据再算." (caption
 * "计算出错", error icon) with the calculation's own message below it, which
 * tells the user which input to change. The pages are complete
 * before the first one is handed over, so a failure leaves every page of the
 * viewer as it was.
 */
CalculationShown calculateAndShow(const MainWindowModel &window, const options::OptionsTexts &options,
                                  const options::DesignCheckOptions &checks, report::ResultPages &viewer,
                                  common::Messenger &messenger, const options::ShortCircuitOptions &shortCircuit = {},
                                  const options::ClearanceOptions &clearances = {});

} // namespace app
