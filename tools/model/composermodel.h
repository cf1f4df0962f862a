#pragma once

#include "tools/model/composedstring.h"

#include <string>
#include <string_view>

namespace tools {

/**
 * The insulator-string composer `Form_jyz` without its widgets: the chosen
 * disc model, fitting set and disc count, the ice index on display and the
 * composed string. The choices last from one opening to the next.
 */
class ComposerModel
{
public:
    /// First disc model, first fitting set, 14 discs, ice index 2, composed once.
    ComposerModel();

    int discModelIndex() const { return mDiscModelIndex; }
    int fittingSetIndex() const { return mFittingSetIndex; }
    const std::string &discCountText() const { return mDiscCountText; }

    /// The ice index shown (0..4); copied from the options on every showing.
    int iceIndex() const { return mIceIndex; }

    /// The composed string as shown in the result boxes.
    const ComposedString &result() const { return mResult; }

    /// Picks a disc model (0..6) and composes. @throws std::out_of_range
    void selectDiscModel(int index);

    /// Picks a fitting set (0..11) and composes. @throws std::out_of_range
    void selectFittingSet(int index);

    /**
     * The disc-count field changed to \a text. A count of 1..99 written in
     * digits is composed at once; anything else (empty, 0, 100 and more, a
     * count too long to convert) leaves the result as it was until the
     * field is corrected.
     */
    void setDiscCountText(std::string_view text);

    /**
     * The field lost the focus: a count outside 1..99 is brought to the
     * nearest bound (an empty or unreadable field to 1) and composed.
     */
    void finishDiscCount();

    /// Only the digits can be typed into the disc-count field.
    static bool acceptsDiscCountKey(char typed);

    /**
     * Showing the dialog: the ice index of the options (0..4) goes to the
     * display only; the result keeps the thickness it was composed for
     * until the next change of disc model, fitting set or disc count.
     * @throws std::out_of_range outside 0..4
     */
    void showIceIndex(int index);

private:
    void compose();

    int mDiscModelIndex = 0;
    int mFittingSetIndex = 0;
    std::string mDiscCountText;
    int mIceIndex;
    ComposedString mResult;
};

/**
 * The disc count of a text of digits within 1..99, or -1 when \a text is
 * anything else.
 */
int discCountOf(std::string_view text);

} // namespace tools
