#include "app/widgets/programwindows.h"

namespace app {

ProgramWindows::ProgramWindows(common::Messenger &messenger, common::DialogRunner &dialogs,
                               std::unique_ptr<report::ViewerDialogs> viewerDialogs)
    : Form_zcx(messenger, dialogs)
    , Form_xuan_xiang(messenger, &Form_zcx)
    , Form_jyz(&Form_zcx)
    , Form_tjjj(&Form_zcx)
    , Form_print(messenger, std::move(viewerDialogs))
    , Form_help()
    , Form_jgb(&Form_zcx)
{
    Form_zcx.setCompanions({&Form_xuan_xiang, &Form_jyz, &Form_tjjj, &Form_print, &Form_help, &Form_jgb});
}

} // namespace app
