// Zoom, pan and print-area rules of the result viewer, without a window.
#include "report/viewer/printlayout.h"
#include "report/viewer/viewerzoom.h"

#include <gtest/gtest.h>

using report::PictureSize;
using report::ViewerZoom;

TEST(ViewerZoom, ZoomInStepsUpToTheLargestPage)
{
    ViewerZoom zoom;
    const std::vector<PictureSize> expected = {
        {1485, 1050}, {1782, 1260}, {2079, 1470}, {2376, 1680}, {2673, 1890}, {2970, 2100}};
    for (const PictureSize &size : expected) {
        zoom.zoomIn();
        EXPECT_EQ(zoom.size(), size);
    }
    zoom.zoomIn();
    EXPECT_EQ(zoom.size(), (PictureSize{2970, 2100}));
}

TEST(ViewerZoom, ZoomOutStepsDownToTheSmallestPage)
{
    ViewerZoom zoom;
    zoom.zoomOut();
    EXPECT_EQ(zoom.size(), (PictureSize{891, 630}));
    zoom.zoomOut();
    EXPECT_EQ(zoom.size(), (PictureSize{594, 420}));
    zoom.zoomOut();
    EXPECT_EQ(zoom.size(), (PictureSize{594, 420}));
    zoom.restoreInitialSize();
    EXPECT_EQ(zoom.size(), ViewerZoom::initialSize);
}

TEST(ViewerZoom, UprightAndSquarePictures)
{
    ViewerZoom upright({840, 1188});
    upright.zoomIn();
    EXPECT_EQ(upright.size(), (PictureSize{1050, 1485}));
    upright.zoomOut();
    upright.zoomOut();
    EXPECT_EQ(upright.size(), (PictureSize{630, 891}));

    // Near the bound an upright step can turn the picture landscape; the
    // landscape step then follows at once.
    ViewerZoom nearlySquare({2000, 2001});
    nearlySquare.zoomIn();
    EXPECT_EQ(nearlySquare.size(), (PictureSize{2210, 2298}));

    ViewerZoom square({1000, 1000});
    square.zoomIn();
    square.zoomOut();
    EXPECT_EQ(square.size(), (PictureSize{1000, 1000}));
}

TEST(ViewerZoom, FitsKeepThePaperRatio)
{
    ViewerZoom zoom;
    zoom.fitWidth(1000);
    EXPECT_EQ(zoom.size(), (PictureSize{1000, 707}));
    zoom.zoomIn();
    EXPECT_EQ(zoom.size(), (PictureSize{1297, 917}));

    zoom.fitHeight(600);
    EXPECT_EQ(zoom.size(), (PictureSize{848, 600}));

    // A collapsed viewport would leave a picture that no zoom step could
    // bring back; the fit is ignored instead.
    zoom.fitWidth(0);
    zoom.fitHeight(-5);
    EXPECT_EQ(zoom.size(), (PictureSize{848, 600}));
}

TEST(ViewerZoom, PanFollowsTheHandOnRelease)
{
    ViewerZoom zoom;
    EXPECT_EQ(zoom.release(10, 10), (report::ScrollShift{0, 0}));
    zoom.press(300, 200);
    EXPECT_EQ(zoom.release(250, 260), (report::ScrollShift{50, -60}));
    // One press moves the picture once.
    EXPECT_EQ(zoom.release(0, 0), (report::ScrollShift{0, 0}));
}

TEST(PrintLayout, PrintAreaFillsTheSheetAtThePageRatio)
{
    EXPECT_EQ(report::reportPrintArea(6814, 4760), (std::optional<report::PrintArea>{{6730, 4760}}));
    EXPECT_EQ(report::reportPrintArea(4760, 6814), (std::optional<report::PrintArea>{{4760, 3365}}));
    // The ratio is compared in single precision, where 1414 / 1000 lies just above 1.414.
    EXPECT_EQ(report::reportPrintArea(1414, 1000), (std::optional<report::PrintArea>{{1414, 1000}}));
    EXPECT_EQ(report::reportPrintArea(0, 4760), std::optional<report::PrintArea>{});
    EXPECT_EQ(report::reportPrintArea(4760, -1), std::optional<report::PrintArea>{});

    EXPECT_TRUE(report::paperOrientationLooksWrong(4760, 6814, true));
    EXPECT_FALSE(report::paperOrientationLooksWrong(4760, 6814, false));
    EXPECT_FALSE(report::paperOrientationLooksWrong(6814, 4760, true));
}
