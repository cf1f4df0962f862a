#pragma once

#include <array>
#include <string_view>

namespace options {

inline constexpr int markingStateCount = 5;

/// The order in which stored states are put into the boxes: governing boxes
/// first, so that a box they release takes its own stored state.
inline constexpr std::array<int, markingStateCount> markingStateShowOrder = {3, 4, 0, 1, 2};

/**
 * The five marking-state boxes `CheckBox_huayin1` .. `CheckBox_huayin5`
 * (indices 0..4), which describe the structure while the conductor is
 * marked for cutting.
 *
 * Unconnected lead fittings (box 4) imply unconnected leads (box 2), and
 * unconnected left-jumper fittings (box 5) imply unconnected jumpers
 * (box 3): while box 4 is ticked, box 2 is ticked and disabled; unticking
 * box 4 enables box 2 again and leaves it ticked. Box 5 governs box 3 alike.
 */
class MarkingStates
{
public:
    /// Boxes 1..3 ticked, 4 and 5 not.
    MarkingStates();

    /// @param box 0..4; @throws std::out_of_range otherwise
    bool isTicked(int box) const;

    /// False only for box 2 or 3 while its governing box is ticked.
    bool isEnabled(int box) const;

    /**
     * Ticks or unticks \a box and applies the dependency. A disabled box
     * stays ticked whatever is asked, so the implication always holds.
     * @throws std::out_of_range for a box outside 0..4
     */
    void setTicked(int box, bool ticked);

    /// Boxes 1..3 ticked, 4 and 5 not (which enables boxes 2 and 3).
    void restoreDefaults();

    /// The box's caption, e.g. "无绝缘子串B".
    static std::string_view caption(int box);

    /**
     * The words the calculation compares: the caption when ticked, the
     * opposite state when not ("有绝缘子串B", "引线已连接", ...).
     */
    std::string_view stateWord(int box) const;

private:
    std::array<bool, markingStateCount> mTicked{};
};

} // namespace options
