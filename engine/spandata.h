#pragma once

#include "engine/calculationinput.h"
#include "engine/loadstate.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace engine {

/// One insulator string, converted.
struct StringData
{
    float length = 0;          ///< along the string, m (entered in mm)
    float weight = 0;          ///< kgf without ice
    float icedWeight = 0;      ///< kgf, total with ice
    float windArea = 0;        ///< m² without ice
    float icedWindArea = 0;    ///< m² with ice
};

/// One concentrated load (jumper or drop-down lead), converted.
struct LeadData
{
    /// False when one of unit weight, diameter, bundle count, spacer interval
    /// or spacer weight is an empty text: such a load weighs nothing.
    bool present = false;
    float unitWeight = 0;       ///< kgf/m of one lead sub-conductor
    float diameter = 0;         ///< mm
    std::int32_t bundleCount = 0; ///< truncated toward zero
    float subSpan = 0;          ///< m
    float spacerWeight = 0;     ///< kgf
    float length = 0;           ///< conductor length of the lead, m
    float fittingWeight = 0;    ///< kgf
    /// P1: from structure A; P2..P4: from the previous lead (m); 0 when empty
    /// and for the jumpers.
    float relativeDistance = 0;
};

/**
 * The engine's numeric working record: the inputs of one calculation
 * converted to numbers (single precision, as every stored real) and the
 * geometry derived from them.
 */
struct SpanData
{
    std::array<float, loadStateCount> windSpeed{};    ///< m/s
    std::array<float, loadStateCount> iceOfState{};   ///< mm; only 最大荷载 carries ice
    std::array<float, loadStateCount> temperature{};  ///< degC
    std::array<float, markingTemperatureCount> markingTemperature{};  ///< degC

    std::int32_t voltageLevel = 0;  ///< kV, truncated toward zero
    std::int32_t bundleCount = 0;   ///< sub-conductors, truncated toward zero ("1.8" gives 1)

    float conductorDiameter = 0;    ///< d, mm
    float conductorUnitWeight = 0;  ///< kgf/m of one sub-conductor
    float elasticModulus = 0;       ///< E, N/mm²
    float conductorArea = 0;        ///< S, mm² of one sub-conductor
    float expansionCoefficient = 0; ///< α in 10⁻⁶ per degC
    float subSpan = 0;              ///< spacer interval, m
    float spacerWeight = 0;         ///< kgf

    float controlSag = 0;           ///< m
    float spanLength = 0;           ///< L, m
    float heightDifference = 0;     ///< h, m; its sign carries no meaning, structureBHigher says which end is up
    bool structureBHigher = false;  ///< B stands |h| above A; otherwise A stands |h| above B
    float cosGamma = 0;             ///< L/√(L² + h²)

    StringData stringA;
    StringData stringB;
    float stringAProjection = 0;    ///< horizontal length of string A, m
    float stringBProjection = 0;
    float maintenancePointX = 0;    ///< horizontal distance of the maintenance point from A, m

    std::array<LeadData, leadCount> leads{};  ///< PA, P1..P4, PB

    /// The five marking switches (slots 141..145), true when ticked.
    bool markingNoStringB = false;
    bool markingLeadsDisconnected = false;
    bool markingJumpersDisconnected = false;
    bool markingLeadFittingsDisconnected = false;
    bool markingLeftJumperFittingsDisconnected = false;

    /// Lc = L − lA − lB, the horizontal length of the conductor between the strings.
    float conductorSpan() const;
};

/**
 * Converts the texts the engine needs into a SpanData.
 * @throws ConversionError for a text that is not a number, naming its field
 * @throws CalculationError for a span that cannot be computed: L ≤ 0, the
 *         strings not shorter than the span, a modulus or area not above 0
 */
SpanData convertInput(const CalculationInput &input);

/**
 * The slots convertInput() reads as numbers from \a input, in the order it
 * reads them: the options' temperatures, wind speeds and ice, the span, the
 * conductor and both strings, the fields of each concentrated load whose
 * five weight fields are all filled in, and the relative distance of a
 * drop-down lead when it is filled in. Counts (the bundle counts) and the
 * voltage are among them. A check that converts each of these first leaves
 * the engine no text it cannot read.
 */
std::vector<int> numberSlots(const CalculationInput &input);

/// The slots among numberSlots() that the engine takes as whole numbers: the bundle counts and the voltage.
bool isWholeNumberSlot(int slotIndex);

/// Rounds a double to the stored single precision; a value that is not
/// finite there throws CalculationError naming \a what.
float storeFloat(double value, const char *what);

/// Throws CalculationError with \a message when \a divisor is 0 or not finite.
void requireDivisor(double divisor, const char *message);

} // namespace engine
