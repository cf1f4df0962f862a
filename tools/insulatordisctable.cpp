#include "tools/insulatordisctable.h"

namespace tools {

const InsulatorDiscTable &insulatorDiscTable()
{
    static constexpr InsulatorDiscTable table = {{
        {"XWP2-160", 155, 9.5, 0.6, 1.35, 0.03, 0.035, 0.039},
        {"XWP2-100", 160, 7.5, 0.52, 1.1, 0.025, 0.033, 0.037},
        {"XP-16", 146, 5.2, 0.56, 1.19, 0.019, 0.022, 0.0256},
        {"XP-10", 146, 5.0, 0.56, 1.19, 0.019, 0.022, 0.0256},
        {"XP-7", 146, 4.0, 0.56, 1.19, 0.019, 0.022, 0.0256},
        {"XP-4.5", 146, 5.0, 0.56, 1.19, 0.019, 0.022, 0.0256},
        {"XW-4.5", 180, 7.0, 0.80, 1.8, 0.02, 0.030, 0.034},
    }};
    return table;
}

} // namespace tools
