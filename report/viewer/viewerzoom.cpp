#include "report/viewer/viewerzoom.h"

#include "report/viewer/paperratio.h"

namespace report {

namespace {

// Zoom steps and bounds, pixels: one step is a tenth of an A4 sheet in mm.
constexpr int stepLong = 297;
constexpr int stepShort = 210;
constexpr int largestUprightWidth = 2100;
constexpr int largestLandscapeWidth = 2970;
constexpr int smallestUprightWidth = 420;
constexpr int smallestLandscapeWidth = 594;

} // namespace

void ViewerZoom::zoomIn()
{
    if (mSize.width < largestUprightWidth && mSize.width < mSize.height) {
        mSize.width += stepShort;
        mSize.height += stepLong;
    }
    if (mSize.width < largestLandscapeWidth && mSize.width > mSize.height) {
        mSize.width += stepLong;
        mSize.height += stepShort;
    }
}

void ViewerZoom::zoomOut()
{
    if (mSize.width > smallestUprightWidth && mSize.width < mSize.height) {
        mSize.width -= stepShort;
        mSize.height -= stepLong;
    }
    if (mSize.width > smallestLandscapeWidth && mSize.width > mSize.height) {
        mSize.width -= stepLong;
        mSize.height -= stepShort;
    }
}

void ViewerZoom::fitWidth(int viewportWidth)
{
    if (viewportWidth <= 0)
        return;
    mSize = {viewportWidth, paperHeightForWidth(viewportWidth)};
}

void ViewerZoom::fitHeight(int viewportHeight)
{
    if (viewportHeight <= 0)
        return;
    mSize = {paperWidthForHeight(viewportHeight), viewportHeight};
}

void ViewerZoom::press(int x, int y)
{
    mPressedAt = Point{x, y};
}

ScrollShift ViewerZoom::release(int x, int y)
{
    if (!mPressedAt)
        return {};
    const Point from = *mPressedAt;
    mPressedAt.reset();
    return {from.x - x, from.y - y};
}

} // namespace report
