#pragma once

#include "report/reportpage.h"

#include <gtest/gtest.h>

/// The markup text drawn at (\a x, \a y) of \a page; fails the test and gives an empty one when there is none.
inline report::MarkupAnnotation annotationAt(const report::ReportPage &page, int x, int y)
{
    for (const report::MarkupAnnotation &a : page.markupAnnotations())
        if (a.x == x && a.y == y)
            return a;
    ADD_FAILURE() << "no text at (" << x << ", " << y << ")";
    return {};
}
