#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

namespace report {

class ReportPage;

/**
 * Paints \a page stretched into \a target (device coordinates of \a painter)
 * on any Qt paint device: the viewer's screen, a printer,
 * QSvgGenerator or a QImage. Page units are scaled separately in x and y,
 * so a target of another aspect ratio distorts the page as a stretched
 * picture would. The painter's state is restored afterwards; render hints
 * are the caller's.
 *
 * Does nothing when \a target is empty or not finite.
 */
void paintPage(QPainter &painter, const ReportPage &page, const QRectF &target);

/// Smallest and largest resolution renderPageImage() accepts, dots per inch.
constexpr double minimumImageDpi = 10.0;
constexpr double maximumImageDpi = 2400.0;

/**
 * The page as an RGB image on white at \a dotsPerInch (a page unit is one
 * dot at 96 dpi), antialiased. Returns a null image when the resolution lies
 * outside minimumImageDpi..maximumImageDpi or the image cannot be allocated.
 */
QImage renderPageImage(const ReportPage &page, double dotsPerInch = 96.0);

} // namespace report
