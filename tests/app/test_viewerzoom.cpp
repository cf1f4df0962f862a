// Zoom, pan and print-area rules of the result viewer, without a window.
#include "test_viewer.h"

#include "app/printlayout.h"
#include "app/viewerzoom.h"

#include <QTest>

using app::PictureSize;
using app::ViewerZoom;

void ViewerZoomTest::zoomInStepsUpToTheLargestPage()
{
    ViewerZoom zoom;
    const std::vector<PictureSize> expected = {
        {1485, 1050}, {1782, 1260}, {2079, 1470}, {2376, 1680}, {2673, 1890}, {2970, 2100}};
    for (const PictureSize &size : expected) {
        zoom.zoomIn();
        QCOMPARE(zoom.size(), size);
    }
    zoom.zoomIn();
    QCOMPARE(zoom.size(), (PictureSize{2970, 2100}));
}

void ViewerZoomTest::zoomOutStepsDownToTheSmallestPage()
{
    ViewerZoom zoom;
    zoom.zoomOut();
    QCOMPARE(zoom.size(), (PictureSize{891, 630}));
    zoom.zoomOut();
    QCOMPARE(zoom.size(), (PictureSize{594, 420}));
    zoom.zoomOut();
    QCOMPARE(zoom.size(), (PictureSize{594, 420}));
    zoom.restoreInitialSize();
    QCOMPARE(zoom.size(), ViewerZoom::kInitialSize);
}

void ViewerZoomTest::uprightAndSquarePictures()
{
    ViewerZoom upright({840, 1188});
    upright.zoomIn();
    QCOMPARE(upright.size(), (PictureSize{1050, 1485}));
    upright.zoomOut();
    upright.zoomOut();
    QCOMPARE(upright.size(), (PictureSize{630, 891}));

    // Near the bound an upright step can turn the picture landscape; the
    // landscape step then follows at once.
    ViewerZoom nearlySquare({2000, 2001});
    nearlySquare.zoomIn();
    QCOMPARE(nearlySquare.size(), (PictureSize{2210, 2298}));

    ViewerZoom square({1000, 1000});
    square.zoomIn();
    square.zoomOut();
    QCOMPARE(square.size(), (PictureSize{1000, 1000}));
}

void ViewerZoomTest::fitsKeepThePaperRatio()
{
    ViewerZoom zoom;
    zoom.fitWidth(1000);
    QCOMPARE(zoom.size(), (PictureSize{1000, 707}));
    zoom.zoomIn();
    QCOMPARE(zoom.size(), (PictureSize{1297, 917}));

    zoom.fitHeight(600);
    QCOMPARE(zoom.size(), (PictureSize{848, 600}));

    // A collapsed viewport would leave a picture that no zoom step could
    // bring back; the fit is ignored instead.
    zoom.fitWidth(0);
    zoom.fitHeight(-5);
    QCOMPARE(zoom.size(), (PictureSize{848, 600}));
}

void ViewerZoomTest::panFollowsTheHandOnRelease()
{
    ViewerZoom zoom;
    QCOMPARE(zoom.release(10, 10), (app::ScrollShift{0, 0}));
    zoom.press(300, 200);
    QCOMPARE(zoom.release(250, 260), (app::ScrollShift{50, -60}));
    // One press moves the picture once.
    QCOMPARE(zoom.release(0, 0), (app::ScrollShift{0, 0}));
}

void ViewerZoomTest::printAreaFillsTheSheetAtThePageRatio()
{
    QCOMPARE(app::reportPrintArea(6814, 4760), (std::optional<app::PrintArea>{{6730, 4760}}));
    QCOMPARE(app::reportPrintArea(4760, 6814), (std::optional<app::PrintArea>{{4760, 3365}}));
    // The ratio is compared in single precision, where 1414 / 1000 lies just above 1.414.
    QCOMPARE(app::reportPrintArea(1414, 1000), (std::optional<app::PrintArea>{{1414, 1000}}));
    QCOMPARE(app::reportPrintArea(0, 4760), std::optional<app::PrintArea>{});
    QCOMPARE(app::reportPrintArea(4760, -1), std::optional<app::PrintArea>{});

    QVERIFY(app::paperOrientationLooksWrong(4760, 6814, true));
    QVERIFY(!app::paperOrientationLooksWrong(4760, 6814, false));
    QVERIFY(!app::paperOrientationLooksWrong(6814, 4760, true));
}
