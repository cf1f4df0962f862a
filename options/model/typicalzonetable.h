#pragma once

#include "options/model/conditiontable.h"

#include <array>
#include <string_view>

namespace options {

/// One typical meteorological zone; temperatures degC, speeds m/s, ice mm.
struct TypicalZone
{
    std::string_view name;
    int minTemperature;
    int maintenanceHighTemperature;
    int maintenanceLowTemperature;
    int maxWindTemperature;
    int maxIceTemperature;
    int maxWindSpeed;
    int maintenanceWindSpeed;
    int iceWindSpeed;
    int iceThickness;        ///< 0, 5, 10, 15 or 20
};

inline constexpr int typicalZoneCount = 9;
using TypicalZoneTable = std::array<TypicalZone, typicalZoneCount>;

/// The zones "一类" .. "九类" in list order.
const TypicalZoneTable &typicalZoneTable();

/**
 * Fills the condition grid from \a zone: the temperatures of rows 2..6,
 * the wind speeds of rows 3..9. Row 1 (the conductor's own maximum
 * operating temperature), the temperatures of rows 7..9 and the wind
 * speeds of rows 1 and 2 are left as they are.
 *
 * @return the ice index the zone asks for, 0..4 (thickness / 5)
 */
int applyTypicalZone(const TypicalZone &zone, ConditionTable &table);

} // namespace options
