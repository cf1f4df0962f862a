#pragma once

#include <array>
#include <string>

namespace engine {

/**
 * Slots of the calculation input: the texts of the main window and of the
 * options, exactly as the controls showed them. Unlisted slots hold "0".
 */
namespace slot {
constexpr int spanTitle = 0;
constexpr int voltageLevel = 1;         ///< kV
constexpr int spanLength = 2;           ///< L, m
constexpr int heightDifference = 3;     ///< h, m
constexpr int controlSag = 4;           ///< f, m
constexpr int maintenancePoint = 5;     ///< distance from structure A, m
constexpr int higherStructure = 6;      ///< higherStructureText: which structure stands h higher
constexpr int conditionTemperature = 10; ///< nine texts 10..18, degC, in the options' condition order
constexpr int iceThickness = 19;        ///< "0", "5", "10", "15" or "20", mm
constexpr int conditionWindSpeed = 20;  ///< nine texts 20..28, m/s
constexpr int conductorType = 30;
constexpr int conductorDiameter = 31;   ///< mm
constexpr int conductorUnitWeight = 32; ///< kg/m of one sub-conductor
constexpr int bundleCount = 33;
constexpr int expansionCoefficient = 34; ///< in 10⁻⁶ per degC
constexpr int elasticModulus = 35;      ///< N/mm2
constexpr int conductorArea = 36;       ///< mm2 of one sub-conductor
constexpr int subSpan = 37;             ///< spacer interval, m
constexpr int spacerWeight = 38;        ///< kg
constexpr int stringA = 50;             ///< six texts 50..55, see StringField
constexpr int stringB = 60;             ///< six texts 60..65
constexpr int leads = 70;               ///< six loads of nine texts, see leadSlot()
constexpr int markingState = 141;       ///< five texts 141..145
constexpr int markingTemperature = 150; ///< nine texts 150..158, degC
} // namespace slot

/// Offsets of an insulator string's texts from slot::stringA or slot::stringB.
enum StringField {
    stringType = 0,
    stringLength = 1,        ///< mm
    stringWeight = 2,        ///< kg without ice
    stringIcedWeight = 3,    ///< kg, total with ice
    stringWindArea = 4,      ///< m2 without ice
    stringIcedWindArea = 5,  ///< m2 with ice
};

/// Offsets of a concentrated load's texts (grid rows 1..9).
enum LeadField {
    leadConductorType = 0,
    leadUnitWeight = 1,      ///< kg/m of one lead sub-conductor
    leadDiameter = 2,        ///< mm
    leadBundleCount = 3,
    leadSubSpan = 4,         ///< m
    leadSpacerWeight = 5,    ///< kg
    leadLength = 6,          ///< m
    fittingWeight = 7,       ///< kg
    relativeDistance = 8,    ///< m; P1 from structure A, P2..P4 from the previous lead
};

/// The six concentrated loads, in grid column order.
enum Lead { leadPA = 0, leadP1, leadP2, leadP3, leadP4, leadPB, leadCount };

/// Slot of \a field of concentrated load \a lead (0 = PA .. 5 = PB).
constexpr int leadSlot(int lead, int field) { return slot::leads + 10 * lead + field; }

/// The texts of the list beside the height difference: the structure that stands higher.
namespace higherStructureText {
constexpr const char *structureA = "A侧高";
constexpr const char *structureB = "B侧高";
} // namespace higherStructureText

/// The texts of the five marking switches when ticked (slots 141..145).
namespace markingText {
constexpr const char *noStringB = "无绝缘子串B";
constexpr const char *leadsNotConnected = "引线未连接";
constexpr const char *jumpersNotConnected = "跳线未连接";
constexpr const char *leadFittingsNotConnected = "引线金具未连接";
constexpr const char *leftJumperFittingsNotConnected = "左跳线金具未连接";
} // namespace markingText

/**
 * The snapshot of every input of one calculation: 160 texts, UTF-8, each as
 * its control showed it (no trimming). A new input holds "0" in every slot.
 */
struct CalculationInput
{
    static constexpr int slotCount = 160;

    CalculationInput();

    std::string &operator[](int index) { return texts.at(index); }
    const std::string &operator[](int index) const { return texts.at(index); }

    bool operator==(const CalculationInput &) const = default;

    std::array<std::string, slotCount> texts;
};

} // namespace engine
