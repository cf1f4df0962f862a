#include "report/viewer/viewerzoom.h"

#include "report/viewer/paperratio.h"

namespace report {

namespace {

// Zoom steps and bounds, pixels: one step is a tenth of an A4 sheet in mm.
constexpr int kStepLong = 297;
constexpr int kStepShort = 210;
constexpr int kLargestUprightWidth = 2100;
constexpr int kLargestLandscapeWidth = 2970;
constexpr int kSmallestUprightWidth = 420;
constexpr int kSmallestLandscapeWidth = 594;

} // namespace

void ViewerZoom::zoomIn()
{
    if (mSize.width < kLargestUprightWidth && mSize.width < mSize.height) {
        mSize.width += kStepShort;
        mSize.height += kStepLong;
    }
    if (mSize.width < kLargestLandscapeWidth && mSize.width > mSize.height) {
        mSize.width += kStepLong;
        mSize.height += kStepShort;
    }
}

void ViewerZoom::zoomOut()
{
    if (mSize.width > kSmallestUprightWidth && mSize.width < mSize.height) {
        mSize.width -= kStepShort;
        mSize.height -= kStepLong;
    }
    if (mSize.width > kSmallestLandscapeWidth && mSize.width > mSize.height) {
        mSize.width -= kStepLong;
        mSize.height -= kStepShort;
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
