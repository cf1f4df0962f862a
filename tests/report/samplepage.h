#pragma once

#include "report/reportpage.h"

/**
 * A page that uses every drawing call the report pages use: whitened
 * background, red border, grid lines, dotted and dashed lines, a circle, a
 * curve, a filled quadrilateral, arrows, and Chinese markup texts in black
 * and teal, opaque and with a clear brush.
 */
report::ReportPage samplePage();
