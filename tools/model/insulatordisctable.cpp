#include "tools/model/insulatordisctable.h"

namespace tools {

const InsulatorDiscTable &insulatorDiscTable()
{
    // The rated failing loads follow the model numbers: XWP2-160 and XP-16
    // 160 kN, XWP2-100 and XP-10 100 kN, XP-7 70 kN, XP-4.5 and XW-4.5 45 kN.
    static constexpr InsulatorDiscTable table = {{
        {"XWP2-160", 155, 9.5, 0.6, 1.35, 0.03, 0.035, 0.039, 160},
        {"XWP2-100", 160, 7.5, 0.52, 1.1, 0.025, 0.033, 0.037, 100},
        {"XP-16", 146, 5.2, 0.56, 1.19, 0.019, 0.022, 0.0256, 160},
        {"XP-10", 146, 5.0, 0.56, 1.19, 0.019, 0.022, 0.0256, 100},
        {"XP-7", 146, 4.0, 0.56, 1.19, 0.019, 0.022, 0.0256, 70},
        {"XP-4.5", 146, 5.0, 0.56, 1.19, 0.019, 0.022, 0.0256, 45},
        {"XW-4.5", 180, 7.0, 0.80, 1.8, 0.02, 0.030, 0.034, 45},
    }};
    return table;
}

} // namespace tools
