#pragma once

namespace cli {

/// The JSON name of load state \a state: "maxTemperature" .. "marking".
const char *stateName(int state);

} // namespace cli
