#include "report/fonts.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Test discovery runs this program outside ctest's environment too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    report::installReportFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
