#include "options/model/markingstates.h"

#include <stdexcept>

namespace options {

namespace {

struct BoxWords
{
    std::string_view ticked;
    std::string_view unticked;
    bool tickedByDefault;
};

constexpr std::array<BoxWords, markingStateCount> kBoxes = {{
    {"无绝缘子串B", "有绝缘子串B", true},
    {"引线未连接", "引线已连接", true},
    {"跳线未连接", "跳线已连接", true},
    {"引线金具未连接", "引线金具已连接", false},
    {"左跳线金具未连接", "左跳线金具已连接", false},
}};

/// The box that forces \a box ticked, or -1: box 4 governs box 2, box 5 box 3.
int governorOf(int box)
{
    switch (box) {
    case 1: return 3;
    case 2: return 4;
    default: return -1;
    }
}

int governedBy(int box)
{
    switch (box) {
    case 3: return 1;
    case 4: return 2;
    default: return -1;
    }
}

std::size_t checkedIndex(int box)
{
    if (box < 0 || box >= markingStateCount)
        throw std::out_of_range("marking-state box outside 0..4");
    return static_cast<std::size_t>(box);
}

} // namespace

MarkingStates::MarkingStates()
{
    restoreDefaults();
}

bool MarkingStates::isTicked(int box) const
{
    return mTicked[checkedIndex(box)];
}

bool MarkingStates::isEnabled(int box) const
{
    checkedIndex(box);
    const int governor = governorOf(box);
    return governor < 0 || !isTicked(governor);
}

void MarkingStates::setTicked(int box, bool ticked)
{
    const std::size_t index = checkedIndex(box);
    if (!isEnabled(box))
        return;
    mTicked[index] = ticked;
    const int governed = governedBy(box);
    if (governed >= 0 && ticked)
        mTicked[static_cast<std::size_t>(governed)] = true;
}

void MarkingStates::restoreDefaults()
{
    for (std::size_t box = 0; box < kBoxes.size(); ++box)
        mTicked[box] = kBoxes[box].tickedByDefault;
}

std::string_view MarkingStates::caption(int box)
{
    return kBoxes[checkedIndex(box)].ticked;
}

std::string_view MarkingStates::stateWord(int box) const
{
    const BoxWords &words = kBoxes[checkedIndex(box)];
    return isTicked(box) ? words.ticked : words.unticked;
}

} // namespace options
