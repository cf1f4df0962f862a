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

/// What numbers are written with: most of the texts a batch measures only once.
inline constexpr QStringView numberCharacters = u"0123456789.-+";

/// Whether \a text is written with number characters alone (digits, point, signs):
/// a text that differs from span to span, measured from its characters' advances.
bool isNumberText(QStringView text);

/// Advance width of \a text in reportFont(\a name, \a pixelHeight), page units.
int textAdvance(const QString &name, int pixelHeight, const QString &text);

} // namespace report
