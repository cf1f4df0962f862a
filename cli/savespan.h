#pragma once

#include "app/model/spanfile.h"
#include "cli/commandoutputs.h"

#include <string>

namespace cli {

/**
 * Stages \a span as the span file \a fileName among \a outputs (standard
 * output for "-"); a span the reader would refuse (too large, a text that is
 * not UTF-8) fails the outputs with the reason.
 */
void stageSpanFile(const std::string &fileName, const app::SpanFile &span, CommandOutputs &outputs);

} // namespace cli
