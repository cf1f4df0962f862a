#include "report/fonts.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// Pages measure their texts with real fonts, which need a GUI application;
// the offscreen platform is set by the test's environment.
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    report::installReportFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
