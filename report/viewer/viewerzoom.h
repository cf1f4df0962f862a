#pragma once

#include <optional>

namespace report {

/// Size of the shown page picture, screen pixels.
struct PictureSize
{
    int width = 0;
    int height = 0;

    bool operator==(const PictureSize &) const = default;
};

/// How far a pan moves the scroll bars, pixels; positive moves right and down.
struct ScrollShift
{
    int dx = 0;
    int dy = 0;

    bool operator==(const ScrollShift &) const = default;
};

/**
 * Zoom and pan state of the result viewer, without a window.
 *
 * The picture keeps the paper proportions 297 : 210: a zoom step adds or
 * removes 297 px on the long side and 210 px on the short side. A landscape
 * page grows from 1188 x 840 up to 2970 x 2100 and shrinks down to
 * 594 x 420; an upright picture (narrower than high) grows while it is less
 * than 2100 wide and shrinks while it is more than 420 wide. The upright
 * step comes first, and a picture it turns into a landscape one also takes
 * the landscape step. A square picture never changes by zooming.
 *
 * Panning follows the hand on release: the press position is kept and the
 * release moves the scroll bars by the distance between the two.
 */
class ViewerZoom
{
public:
    static constexpr PictureSize initialSize{1188, 840};

    /// A picture of \a size, by default the page at one pixel per page unit.
    explicit ViewerZoom(PictureSize size = initialSize) : mSize(size) {}

    PictureSize size() const { return mSize; }

    void zoomIn();
    void zoomOut();

    /**
     * The picture as wide as \a viewportWidth pixels, its height by the
     * paper ratio. A viewport without width (0 or less, a collapsed window)
     * leaves the size as it is, since a picture of no size could never be
     * zoomed again.
     */
    void fitWidth(int viewportWidth);

    /// The picture as high as \a viewportHeight; the same rule as fitWidth().
    void fitHeight(int viewportHeight);

    /// Back to 1188 x 840, one screen pixel per page unit.
    void restoreInitialSize() { mSize = initialSize; }

    /// A mouse button went down at (x, y) on the picture, picture pixels.
    void press(int x, int y);

    /**
     * The button came up at (x, y): the scroll bars move by the distance
     * from there back to the press position, so the point under the hand
     * at the press ends up under it again. Nothing moves without a press.
     */
    ScrollShift release(int x, int y);

private:
    struct Point
    {
        int x;
        int y;
    };

    PictureSize mSize;
    std::optional<Point> mPressedAt;
};

} // namespace report
