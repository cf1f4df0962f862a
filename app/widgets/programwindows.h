#pragma once

#include "app/widgets/mainwindow.h"
#include "help/helpwindow.h"
#include "options/dialog/optionsdialog.h"
#include "report/viewer/resultviewer.h"
#include "report/viewer/viewerdialogs.h"
#include "tools/dialogs/composerdialog.h"
#include "tools/dialogs/fittinglookupdialog.h"
#include "tools/dialogs/spacerlookupdialog.h"

#include <memory>

namespace common {
class DialogRunner;
class Messenger;
} // namespace common

namespace app {

/**
 * The seven windows of the program, created once in this order and living
 * until the end of the run: the main window, the options dialog, the
 * insulator-string composer, the fitting lookup, the result viewer, the
 * help window and the spacer lookup. Only the main window is shown; the
 * others are shown on demand and only hidden when closed, so their state
 * lasts the run.
 *
 * The main window is created first and must not consult the others while it
 * is; it is handed them once they all exist. The modal dialogs are centred
 * on it; the viewer and the help window are windows of their own.
 */
class ProgramWindows
{
public:
    /**
     * @param messenger      shows every window's messages; must outlive the windows
     * @param dialogs        runs the main window's modal dialogs; must outlive the windows
     * @param viewerDialogs  the viewer's save and printer dialogs; null for the platform's own
     */
    ProgramWindows(common::Messenger &messenger, common::DialogRunner &dialogs, std::unique_ptr<report::ViewerDialogs> viewerDialogs = nullptr);

    TForm_zcx Form_zcx;
    TForm_xuan_xiang Form_xuan_xiang;
    TForm_jyz Form_jyz;
    TForm_tjjj Form_tjjj;
    TForm_print Form_print;
    TForm_help Form_help;
    TForm_jgb Form_jgb;
};

} // namespace app
