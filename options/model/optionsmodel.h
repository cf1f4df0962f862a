#pragma once

#include "options/model/conditiontable.h"
#include "options/model/markingstates.h"
#include "options/model/markingtemperatures.h"
#include "options/model/optionsfile.h"
#include "options/model/optionssnapshot.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace common {
class Messenger;
}

namespace options {

inline constexpr int kIceIndexCount = 5;
inline constexpr int defaultIceIndex = 2;
/// Ice thickness per ice index step, mm.
inline constexpr int kIceThicknessStep_mm = 5;

/// What pressing "确定" led to.
enum class SaveOutcome {
    Saved,        ///< default.dat holds the shown settings
    BadCell,      ///< a grid cell is not a number: nothing stored or written, the dialog stays open
    WriteFailed,  ///< the file could not be written; the settings still apply to this run
};

/**
 * The options dialog `Form_xuan_xiang` without its widgets: the condition
 * grid, the typical-zone list, the ice index, the nine marking temperatures
 * and the five marking-state boxes, with the rules that tie them together,
 * and the snapshot that default.dat stores.
 *
 * The controls are the live settings: the calculation reads the texts as
 * they stand, confirmed or not. The snapshot only changes by storeOptions()
 * and by loading the file.
 */
class OptionsModel
{
public:
    /**
     * Built-in settings and the initial snapshot; nothing is read yet.
     * @param optionsFile where default.dat lives (the bare name: the current directory)
     */
    explicit OptionsModel(std::filesystem::path optionsFile = optionsFileName);

    /**
     * Creation of the dialog: loads the file and shows it when it was read in
     * full. A file that is missing, no regular file or unreadable leaves the
     * built-in settings, as at a first start. A damaged one (not 40 numbers,
     * or larger than any the program writes) is shown as far as it could be
     * read, over the built-in settings.
     *
     * @return the damage, naming the file and the line and setting at fault;
     *         empty when the file is sound or was not there
     */
    std::string startUp();

    /**
     * A file the user named: loads it only when it is whole, and shows it.
     * @throws common::DataFileError naming the file, line and setting at fault;
     *         the settings are then unchanged
     */
    void loadNamedOptionsFile();

    // --- Condition grid `SGrid_qx`

    const ConditionTable &conditionTable() const { return mConditions; }

    /// Text of a cell; @throws std::out_of_range outside the grid.
    const std::string &conditionText(GridCell cell) const { return mConditions.cell(cell); }

    /// Edits a data cell; @throws std::out_of_range for fixed cells.
    void setConditionText(GridCell cell, std::string text);

    /// The grid's current cell, which the grid check moves to a bad cell.
    GridCell selectedCell() const { return mSelectedCell; }
    void selectCell(GridCell cell);

    /**
     * The check when the grid loses the focus: every data cell, row by row
     * and within a row column 1 before column 2, must be a signed decimal
     * number. Each bad cell gets its own message, caption "语法检查", and
     * becomes the selected cell, so the selection ends on the last one.
     * @return true when no cell failed
     */
    bool checkConditionGrid(common::Messenger &messenger);

    // --- Typical zone list `ComboBox1`

    /// The selected zone 0..8, or nothing: the list starts empty in every run.
    std::optional<int> zoneIndex() const { return mZoneIndex; }

    /**
     * Choosing a zone fills the grid and the ice index from it. An index
     * outside 0..8 (an empty entry of the list) changes nothing.
     */
    void chooseZone(int index);

    // --- Ice thickness `RadioGroup_fb`

    /// 0..4 for 0, 5, 10, 15, 20 mm.
    int iceIndex() const { return mIceIndex; }

    /// @throws std::out_of_range outside 0..4
    void setIceIndex(int index);

    /// The ice thickness, mm: the index x 5.
    int iceThickness_mm() const { return mIceIndex * kIceThicknessStep_mm; }

    // --- Marking temperatures `Edit_AZT1` .. `Edit_AZT9`

    /// The text edit \a index (0..8) shows: always a whole number of degC.
    const std::string &markingTemperatureText(int index) const;

    /**
     * The edit's text changed to \a text; it then shows the whole number,
     * or its own default when \a text is not one.
     * @throws std::out_of_range for an index outside 0..8
     */
    void setMarkingTemperatureText(int index, std::string_view text);

    // --- Marking states `CheckBox_huayin1` .. `CheckBox_huayin5`

    const MarkingStates &markingStates() const { return mMarkingStates; }
    void setMarkingState(int box, bool ticked) { mMarkingStates.setTicked(box, ticked); }

    // --- Commands

    /**
     * "恢复设置": asks "恢复到程序初始设置状态,是否确定?" and, on OK, puts
     * the built-in settings into grid, ice index, edits and boxes. The zone
     * list keeps its selection and nothing is saved.
     * @return true when the defaults were restored
     */
    bool restoreDefaults(common::Messenger &messenger);

    /**
     * "确定" (`BitBtn_YES`): storeOptions(), then default.dat is written.
     * A grid cell that is not a number is reported (caption "选项设置") and
     * selected, and nothing is stored or written. A file that cannot be
     * written is reported; the settings stay in effect for this run.
     */
    SaveOutcome saveOptionsFile(common::Messenger &messenger);

    // --- Snapshot

    const OptionsSnapshot &snapshot() const { return mSnapshot; }

    /// A span file was opened: its reserved numbers go to the next default.dat.
    void setReservedNumbers(const ReservedNumbers &reserved) { options::setReservedNumbers(mSnapshot, reserved); }

    /**
     * Controls to snapshot: the grid cells converted as decimal numbers, the
     * ice thickness, the marking temperatures and the boxes (1 or 0). The
     * reserved numbers are left alone.
     * @return the first cell (row by row, column 1 before 2) that does not
     *         convert to a finite float; the snapshot is then unchanged
     */
    std::optional<GridCell> storeOptions();

    /**
     * Snapshot to controls: the grid's data cells and the edits in general
     * format (the edits' whole-number rule then applies), the ice index as
     * the thickness / 5 truncated, each box ticked exactly when its number
     * is 1. A thickness outside 0..24.99 mm leaves the ice index as it is.
     */
    void showOptions();

    /**
     * Reads default.dat into the snapshot.
     * @return true when all 40 numbers were read; the controls are not updated
     */
    bool loadOptionsFile();

    const std::filesystem::path &optionsFile() const { return mOptionsFile; }

private:
    void restoreBuiltInSettings();

    std::filesystem::path mOptionsFile;
    ConditionTable mConditions;
    GridCell mSelectedCell;
    std::optional<int> mZoneIndex;
    int mIceIndex = defaultIceIndex;
    std::array<std::string, kMarkingTemperatureCount> mMarkingTemperatures;
    MarkingStates mMarkingStates;
    OptionsSnapshot mSnapshot;
};

} // namespace options
