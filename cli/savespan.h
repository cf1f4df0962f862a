#pragma once

#include "app/model/spanfile.h"

#include <ostream>
#include <string>

namespace cli {

/**
 * Writes \a span to the span file \a fileName, replacing an old one only
 * once the new one is complete. Why it failed goes to \a errors.
 * @return true when the file was written
 */
bool saveSpanFile(const std::string &fileName, const app::SpanFile &span, std::ostream &errors);

} // namespace cli
