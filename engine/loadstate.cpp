#include "engine/loadstate.h"

#include <stdexcept>

namespace engine {

namespace {
constexpr std::array<const char *, loadStateCount> labels = {
    "最高温度", "最大荷载", "最大风速", "最低温度", "雷电电压", "操作电压", "工频电压",
    "三相上人高温", "三相上人低温", "单相上人高温", "单相上人低温", "安装", "划印",
};

// Condition numbers: 1 最高温度, 2 最低温度, 3 检修高温, 4 检修低温, 5 最大风速,
// 6 最大覆冰, 7 雷电电压, 8 操作电压, 9 工频电压. Every maintenance, installation
// and marking state is taken at the maintenance conditions.
constexpr std::array<int, loadStateCount> conditions = {1, 6, 5, 2, 7, 8, 9, 3, 4, 3, 4, 3, 3};
} // namespace

const char *loadStateLabel(int state)
{
    return labels.at(state);
}

int conditionOfState(int state)
{
    return conditions.at(state);
}

} // namespace engine
