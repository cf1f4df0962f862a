#pragma once

namespace cli {

/**
 * A single-precision result as a JSON number in its shortest exact form: a
 * float widened to double prints as 2.9649999141693115, its shortest text
 * read back as a double as 2.965.
 */
double jsonNumber(float value);

/// The JSON name of load state \a state: "maxTemperature" .. "marking".
const char *stateName(int state);

} // namespace cli
