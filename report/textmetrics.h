#pragma once

#include <QString>

namespace report {

/// Vertical metrics of a report font, page units.
struct LineMetrics
{
    /// Height of a text line (ascent + descent).
    int height = 0;
    /// From the top of the line to the baseline.
    int ascent = 0;
};

/**
 * Line metrics of reportFont(\a name, \a pixelHeight). Fonts and results are
 * cached per thread, since a report measures the same few fonts thousands of
 * times.
 */
LineMetrics lineMetrics(const QString &name, int pixelHeight);

/// Advance width of \a text in reportFont(\a name, \a pixelHeight), page units.
int textAdvance(const QString &name, int pixelHeight, const QString &text);

} // namespace report
