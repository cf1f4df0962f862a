#include "options/model/typicalzonetable.h"

#include "engine/numberformatting.h"

#include <string>

namespace options {

namespace {

// Lightning overvoltage is checked at 15 m/s where the design wind reaches 35 m/s.
constexpr int strongWindSpeed = 35;
constexpr int lightningWindStrong = 15;
constexpr int lightningWindNormal = 10;
constexpr int powerFrequencyWind = 10;
constexpr int iceThicknessStep = 5;

void setTemperature(ConditionTable &table, int row, int value)
{
    table.setCell({temperatureColumn, row}, std::to_string(value));
}

void setWindSpeed(ConditionTable &table, int row, const std::string &text)
{
    table.setCell({windSpeedColumn, row}, text);
}

} // namespace

const TypicalZoneTable &typicalZoneTable()
{
    static const TypicalZoneTable table = {{
        {"一类", -5, 30, 0, 10, 0, 35, 10, 10, 0},
        {"二类", -10, 30, 0, 10, -5, 30, 10, 10, 5},
        {"三类", -10, 30, -5, -5, -5, 25, 10, 10, 5},
        {"四类", -20, 30, -10, -5, -5, 25, 10, 10, 5},
        {"五类", -10, 30, -5, 10, -5, 30, 10, 10, 10},
        {"六类", -20, 30, -10, -5, -5, 25, 10, 10, 10},
        {"七类", -40, 30, -15, -5, -5, 30, 10, 10, 10},
        {"八类", -20, 30, -10, -5, -5, 30, 10, 15, 15},
        {"九类", -20, 30, -10, -5, -5, 30, 10, 15, 20},
    }};
    return table;
}

int applyTypicalZone(const TypicalZone &zone, ConditionTable &table)
{
    setTemperature(table, 2, zone.minTemperature);
    setTemperature(table, 3, zone.maintenanceHighTemperature);
    setTemperature(table, 4, zone.maintenanceLowTemperature);
    setTemperature(table, 5, zone.maxWindTemperature);
    setTemperature(table, 6, zone.maxIceTemperature);

    const std::string maintenanceWind = std::to_string(zone.maintenanceWindSpeed);
    setWindSpeed(table, 3, maintenanceWind);
    setWindSpeed(table, 4, maintenanceWind);
    setWindSpeed(table, 5, std::to_string(zone.maxWindSpeed));
    setWindSpeed(table, 6, std::to_string(zone.iceWindSpeed));
    setWindSpeed(table, 7, std::to_string(zone.maxWindSpeed >= strongWindSpeed
                                              ? lightningWindStrong : lightningWindNormal));
    // Switching overvoltage is checked at half the design wind speed.
    setWindSpeed(table, 8, engine::formatGeneral(zone.maxWindSpeed / 2.0));
    setWindSpeed(table, 9, std::to_string(powerFrequencyWind));

    return zone.iceThickness / iceThicknessStep;
}

} // namespace options
