#pragma once

#include "app/model/conductorcatalogue.h"
#include "app/model/customconductor.h"
#include "app/model/loadtable.h"
#include "common/bookdata.h"
#include "tools/model/composedstring.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace app {

struct InsulatorStringEntry;

/**
 * The 23 single-line edit boxes of the main window, named as the controls,
 * in the order of lines 1..23 of the last-input file.
 */
enum class EditBox {
    Edit_bt,       ///< span name, at most 100 characters
    Edit_L,        ///< span L, m
    Edit_h,        ///< height difference, m
    Edit_f,        ///< control sag, m
    Edit_jxd,      ///< maintenance point from structure A, m
    Edit_dx_d,     ///< conductor outer diameter, mm (filled from the catalogue)
    Edit_dx_ax,    ///< expansion coefficient, 10⁻⁶ per degC (catalogue)
    Edit_dx_E,     ///< elastic modulus, N/mm2 (catalogue)
    Edit_dx_S,     ///< cross-section of one sub-conductor, mm2 (catalogue)
    Edit_dx_kg,    ///< weight of one sub-conductor, kg/m (catalogue)
    Edit_dx_flgs,  ///< number of sub-conductors, as typed (the key filter lets digits in)
    Edit_dx_cdj,   ///< spacer interval, m
    Edit_dx_flkg,  ///< spacer weight, kg
    Edit_jyza_l,   ///< string A length, mm
    Edit_jyza_kg,  ///< string A weight without ice, kg
    Edit_jyza_kgb, ///< string A total weight with ice, kg
    Edit_jyza_f1,  ///< string A wind area without ice, m2
    Edit_jyza_f2,  ///< string A wind area with ice, m2
    Edit_jyzb_l,   ///< string B, as string A
    Edit_jyzb_kg,
    Edit_jyzb_kgb,
    Edit_jyzb_f1,
    Edit_jyzb_f2,
};

inline constexpr int editBoxCount = 23;

/// Items of ComboBox_zdx: the catalogue types and "自定义".
inline constexpr int conductorListCount = conductorCount + 1;

/// The most characters the span name holds.
inline constexpr int spanNameMaxLength = 100;

/// String A (left, structure A side) or string B (right).
enum class StringSide { A, B };

/// The presence boxes of the six loads; box b belongs to grid column b + 1.
enum class PresenceBox { CheckBox_tx1, CheckBox_yx1, CheckBox_yx2, CheckBox_yx3, CheckBox_yx4, CheckBox_tx2 };

inline constexpr int presenceBoxCount = 6;

/// Grid column (1..6) of a presence box.
constexpr int columnOf(PresenceBox box) { return static_cast<int>(box) + 1; }

/// Which weight table a double-click opens.
enum class Lookup { None, Spacer, Fitting };

/// What a weight lookup is prepared with: the rows fitting this conductor are marked.
struct LookupRequest
{
    Lookup lookup = Lookup::None;
    std::string conductorType; ///< designation, trimmed
    float diameter_mm = 9999;  ///< 9999 when the diameter text is not a number
};

/// The diameter that stands for "not known" in a lookup.
inline constexpr float missingDiameter_mm = 9999;

/**
 * The diameter a lookup is prepared with: the value of \a text when it is an
 * unsigned decimal number that fits a single-precision float, otherwise
 * missingDiameter_mm.
 */
float lookupDiameter_mm(std::string_view text);

/**
 * The inputs of the main window without the window: every text its controls
 * show, the list selections, the presence boxes and the load grid, with the
 * rules the window's event handlers apply. A Qt window binds to it and
 * re-reads the texts after every call, since one change may move others
 * (the span moves the maintenance point, a presence box rewrites its column).
 *
 * A new model holds the window's defaults: the default span, conductor
 * "NAHLGJQ-1440", both strings "16*XWP2-160耐张(单串双线,分裂间距200)"
 * with its catalogue values for 10 mm of ice, 2965, 165.3, 187.8, 0.529,
 * 0.695, and the load table defaults.
 */
class MainWindowModel
{
public:
    MainWindowModel();

    /// @name Edit boxes
    ///@{
    const std::string &text(EditBox box) const;

    /**
     * Sets the text of \a box and runs its change rule: a new span that is an
     * unsigned decimal number puts half of it into Edit_jxd (general format);
     * the bundle count becomes the decimal text of its integer value, 1 for
     * a text that is not an integer; the span name keeps its first 100
     * characters.
     */
    void setText(EditBox box, std::string_view text);
    ///@}

    /// @name Voltage level (ComboBox_kV, pick-only)
    ///@{
    /// The list: "1000", "750", "500", "330", "220", "110", "60", "35", "20", "10".
    static const std::array<std::string_view, 10> &voltageLevels();
    int voltageIndex() const { return mVoltageIndex; }
    /// Selects item \a index; an index outside the list leaves no selection.
    void setVoltageIndex(int index);
    /// The text of the selected item, empty without a selection.
    std::string voltageText() const;
    ///@}

    /// @name The higher structure (ComboBox_gd beside the height difference, pick-only)
    ///@{
    bool structureBHigher() const { return mStructureBHigher; }
    void setStructureBHigher(bool higher) { mStructureBHigher = higher; }
    /// The list's text as the calculation reads it: "A侧高" or "B侧高".
    std::string higherStructureText() const;
    ///@}

    /// @name The book's project, revision and signatures (dialog 计算书信息)
    ///@{
    const common::BookData &book() const { return mBook; }
    void setBook(const common::BookData &book) { mBook = book; }
    ///@}

    /// @name Main conductor type (ComboBox_zdx: the catalogue types, then "自定义")
    ///@{
    /// The last item of ComboBox_zdx, after the catalogue types: the engineer's own conductor.
    static constexpr std::string_view customConductorItem = "自定义";
    /// The list index of customConductorItem.
    static constexpr int customConductorIndex = conductorListCount - 1;

    /// The selected list item: a catalogue index, customConductorIndex, or -1 for none.
    int conductorIndex() const { return mCustomConductor ? customConductorIndex : mConductorIndex; }
    /// Whether the conductor is the engineer's own: its five boxes and designation are typed.
    bool isCustomConductor() const { return mCustomConductor; }
    /// Selects catalogue entry \a index without filling the conductor boxes; outside the catalogue: no selection.
    void setConductorIndex(int index);
    /**
     * The user picked list item \a index. A catalogue entry is selected and
     * its diameter, area, expansion coefficient, modulus and unit weight are
     * written into the five conductor boxes. customConductorItem makes the
     * conductor the engineer's own: the five boxes keep their figures to be
     * edited, and the designation starts empty unless the conductor was
     * already a custom one. Bundle count, spacer interval and spacer weight
     * stay. An index outside the list changes nothing.
     */
    void pickConductor(int index);
    /// Makes the conductor a custom one named \a designation, as a file restores it; the boxes stay.
    void setCustomConductor(std::string_view designation);
    /// The designation typed for a custom conductor; ignored for a catalogue one.
    void setConductorDesignation(std::string_view designation);
    /// The user picked \a conductor from the library: custom, with its designation and five figures.
    void pickLibraryConductor(const CustomConductor &conductor);
    /// The designation and the five figures as the boxes hold them.
    CustomConductor conductor() const;
    /// The selected type name or the custom designation; empty without a selection.
    std::string conductorText() const;
    ///@}

    /// @name Insulator string types (ComboBox_jyza, ComboBox_jyzb, editable lists)
    ///@{
    const std::string &stringTypeText(StringSide side) const;
    /// Selected catalogue entry, -1 when the text was typed, composed or restored.
    int stringTypeIndex(StringSide side) const;
    /// The user typed \a text, or the file restored it: no selection, no values change.
    void setStringTypeText(StringSide side, std::string_view text);
    /**
     * The user picked catalogue entry \a index while the options' ice index
     * is \a iceIndex (0..4 for 0, 5, 10, 15, 20 mm): length, weight and wind
     * area are written; the iced weight and area come from the 5 mm columns
     * for ice index 1 and the 10 mm columns for 2, are the bare ones without
     * ice, and are emptied for 15 and 20 mm, which the catalogue has no data
     * for. An index outside the catalogue changes nothing.
     */
    void pickStringType(StringSide side, int index, int iceIndex);
    /**
     * The options' ice index became \a iceIndex: a string still picked from
     * the catalogue takes the iced weight and area of that ice as
     * pickStringType() would, a string still showing its composition is
     * recomposed for that ice; beyond 10 mm, where neither has data, their
     * iced boxes are emptied for the engineer to fill. A typed string stays.
     */
    void followIceIndex(int iceIndex);
    /// Copies a confirmed composition: the five values, then the designation.
    void applyComposedString(StringSide side, const tools::ComposedString &composed);
    /**
     * The string just applied to \a side was composed of \a discCount discs
     * of model \a discModelIndex with fitting set \a fittingSetIndex. While
     * the side shows its designation, its rated load is the composition's
     * (the designation does not name the fittings, which may be weaker than
     * the discs) and a change of ice recomposes its iced values.
     */
    void noteComposition(StringSide side, int discModelIndex, int fittingSetIndex, int discCount);
    std::optional<double> composedRatedLoad(StringSide side) const;
    ///@}

    /// @name Presence boxes of the six loads
    ///@{
    bool isTicked(PresenceBox box) const;
    /**
     * Ticks or clears \a box. A change of state rewrites the column: ticked,
     * the header for a present load and rows 4..8 "1", "2", "2.5", "5", "10"
     * (rows 1..3 and 9 keep their texts); cleared, the header for an absent
     * load and rows 1..8 (jumpers) or 1..9 (leads) emptied. Setting the state
     * the box already has does nothing.
     */
    void setTicked(PresenceBox box, bool ticked);
    ///@}

    /// @name Load grid (SGrid_hz, 7 columns x 10 rows)
    ///@{
    /// Text of cell (\a column 0..6, \a row 0..9); out of range throws std::out_of_range.
    const std::string &cell(int column, int row) const;
    /// Data cells (columns 1..6, rows 1..9) except row 9 of the two jumper columns.
    static bool isCellEditable(int column, int row);
    /// Sets an editable cell; returns false and changes nothing for any other cell.
    bool setCell(int column, int row, std::string_view text);

    int currentColumn() const { return mCurrentColumn; }
    int currentRow() const { return mCurrentRow; }
    /// Makes (\a column 1..6, \a row 1..9) the current cell; switches editing
    /// off on the jumpers' row 9 and on everywhere else.
    void selectCell(int column, int row);
    /// Whether the grid lets the current cell be edited.
    bool gridEditing() const { return mGridEditing; }

    /// The grid was clicked: the conductor list floats over the current cell
    /// when it is in row 1, and is hidden otherwise. Returns its visibility.
    bool clickGrid();
    bool leadTypeListVisible() const { return mLeadTypeListVisible; }
    /// Selected entry of the floating conductor list, -1 for none.
    int leadTypeIndex() const { return mLeadTypeIndex; }
    /**
     * The user picked catalogue entry \a index in the floating list: rows 1,
     * 2 and 3 of the current column receive its type name, unit weight and
     * diameter as the catalogue writes them. Rows 4..9 stay. An index outside
     * the catalogue changes nothing.
     */
    void pickLeadConductor(int index);
    ///@}

    /// @name Weight lookups
    ///@{
    /**
     * The lookup a double-click on the current cell opens. Row 6: the spacer
     * table for the load's own conductor (row 1, trimmed) and its own row-3
     * diameter. Row 8: the fitting table for the main conductor and the
     * diameter of Edit_dx_d. Other rows: Lookup::None.
     */
    LookupRequest gridLookupRequest() const;
    /// A confirmed lookup from the grid: the current cell of row 6 or 8 receives \a weight trimmed.
    void applyGridLookupWeight(std::string_view weight);
    /// The spacer lookup of Edit_dx_flkg: the main conductor and the diameter of Edit_dx_d.
    LookupRequest conductorSpacerLookupRequest() const;
    /// A confirmed spacer lookup for the main conductor: Edit_dx_flkg receives \a weight as it is.
    void applyConductorSpacerWeight(std::string_view weight);
    ///@}

private:
    std::string &edit(EditBox box) { return mEdits[static_cast<int>(box)]; }
    static int checkedCellIndex(int column, int row);
    std::string &gridCell(int column, int row);
    void onSpanChanged();
    void rewriteColumnForPresence(PresenceBox box);
    /// The iced weight and wind area of catalogue \a entry for \a iceIndex, where the catalogue has them.
    void takeIcedValues(StringSide side, const InsulatorStringEntry &entry, int iceIndex);

    std::array<std::string, editBoxCount> mEdits;
    int mVoltageIndex = 4;
    int mConductorIndex = 0;
    bool mCustomConductor = false;
    bool mStructureBHigher = false;
    common::BookData mBook;
    std::string mConductorDesignation;
    std::array<std::string, 2> mStringTypeTexts;
    std::array<int, 2> mStringTypeIndices{};
    struct Composition
    {
        std::string designation;
        int discModelIndex = 0;
        int fittingSetIndex = 0;
        int discCount = 0;
        double ratedLoad_kN = 0;
    };
    /// The composition of \a side while the side still shows its designation.
    const Composition *shownComposition(StringSide side) const;
    std::array<std::optional<Composition>, 2> mCompositions;
    std::array<bool, presenceBoxCount> mTicked{};
    std::array<std::string, loadtable::columnCount * loadtable::rowCount> mGrid;
    int mCurrentColumn = 1;
    int mCurrentRow = 1;
    bool mGridEditing = true;
    bool mLeadTypeListVisible = false;
    int mLeadTypeIndex = -1;
};

} // namespace app
