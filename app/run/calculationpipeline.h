#pragma once

#include "app/model/mainwindowmodel.h"
#include "common/messenger.h"
#include "engine/calculationinput.h"
#include "engine/calculationresult.h"
#include "engine/clearances.h"
#include "engine/designchecks.h"
#include "engine/shortcircuitspan.h"
#include "options/model/clearanceoptions.h"
#include "options/model/designcheckoptions.h"
#include "options/model/optionstexts.h"
#include "options/model/shortcircuitoptions.h"
#include "report/reportpage.h"

#include <optional>
#include <string>
#include <vector>

namespace app {

/// Whether a run builds the report pages, and in which colour the results are written.
enum class ReportPages { None, Teal, Black };

/// Whether a span with book data gets its own cover and contents: a batch
/// has one cover and one contents for all its spans.
enum class FrontMatter { Included, Omitted };

/// The design check a run makes: its strengths and factors as typed, and
/// whether its page follows the 17 as page 18.
struct DesignCheckRequest
{
    options::DesignCheckOptions options;
    bool withPage = false;
};

/// What a run does with values that are possible but unusual (implausibleValues()).
enum class UnusualValues {
    Ask,     ///< asks once whether to compute them; "返回修改" refuses the run
    Compute, ///< computes them; the run carries the warnings
};

/// How a run ended.
enum class RunOutcome {
    Done,    ///< every step went through
    Refused, ///< an input check refused, or the user chose to revise an unusual value; nothing was calculated
    Failed,  ///< the calculation or its pages failed; nothing was shown
};

/// What one run of the calculation gives.
struct CalculationRun
{
    RunOutcome outcome = RunOutcome::Refused;
    /// The snapshot of the inputs, once assembled.
    engine::CalculationInput input;
    /// The unusual values of the input that were computed all the same, one line each.
    std::vector<std::string> warnings;
    /// The results, when Done.
    engine::CalculationResult result;
    /// The design check and what it used, when one was asked for and Done.
    std::optional<engine::DesignChecks> checks;
    engine::DesignCheckSettings checkSettings;
    /// What the governing figures rest on, when Done: the design check when
    /// one was made, otherwise one without strengths, which gives the pulls
    /// on the structures and checks nothing ("未校核").
    engine::DesignChecks governingChecks;
    /// The short-circuit forces and thermal withstand, when a short circuit was asked for and Done.
    std::optional<engine::ShortCircuitResult> shortCircuit;
    /// The swing under wind and the air distances, when clearance settings were given and Done.
    std::optional<engine::ClearanceResult> clearances;
    /// The pages (17, or 18 with the check's page), when Done and pages were asked for.
    std::vector<report::ReportPage> pages;
    /// When Failed: what went wrong, in the words of the step that failed.
    std::string failure;
};

/**
 * The one road from the inputs as shown to the results, for the window and
 * for tenrix-calc alike: checks the load table of \a window, takes the
 * snapshot of \a window and \a options, checks its plausibility, deals with
 * its unusual values as \a unusual says, runs the calculation, the design
 * check \a checks asks for and the short circuit \a shortCircuit asks for
 * and the clearances \a clearances asks for and, unless \a pages is None,
 * builds the report pages. The short circuit and the clearances are
 * computed beside the design check, from the finished result (the
 * clearances after the short circuit, whose a_min they judge): like the
 * check they take settings of their own, not texts of the calculation
 * input, and a span without them computes exactly as before.
 *
 * The checks show their own messages through \a messenger (a check setting
 * or a short-circuit text that cannot be used is refused with caption
 * "选项设置"); a failure of the
 * calculation or of the pages shows nothing and is described in the result,
 * for each program to tell in its own way. The pages need a
 * QGuiApplication. A span with book data is reported as a book, with its
 * cover and contents unless \a front omits them.
 */
CalculationRun runCalculationPipeline(const MainWindowModel &window, const options::OptionsTexts &options,
                                      const std::optional<DesignCheckRequest> &checks, ReportPages pages,
                                      UnusualValues unusual, common::Messenger &messenger,
                                      FrontMatter front = FrontMatter::Included,
                                      const options::ShortCircuitOptions &shortCircuit = {},
                                      const options::ClearanceOptions &clearances = {});

} // namespace app
