#pragma once

#include <string>

namespace cli {

/// The JSON name of load state \a state: "maxTemperature" .. "marking".
const char *stateName(int state);

/// The JSON name of state-equation column \a column: a state's name, or
/// "installation1" .. "marking9" for the stringing temperatures.
std::string stateEquationColumnName(int column);

} // namespace cli
