// Runs every Qt Test class of the windows on one QApplication, with the
// program's fonts and Qt's Chinese texts, and fails when any of them fails.
#include "guitests.h"

#include "app/applicationfont.h"
#include "app/dropdownstyle.h"
#include "app/qttranslations.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <array>

int main(int argc, char *argv[])
{
    // Window activation and focus, which the tests rely on, need no window
    // manager on the offscreen platform; a desktop run would also steal the focus.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The options dialog keeps the user's settings; a test run keeps its own.
    QStandardPaths::setTestModeEnabled(true);
    app::installDropDownListStyle();
    app::installApplicationFonts();
    app::installQtChineseTranslation(application);

    const std::array<std::unique_ptr<QObject>, 7> tests{makeMainWindowTest(), makeCalculateTest(),
                                                        makeStartAndCloseTest(), makeHelpWindowTest(),
                                                        makeScreenshotTest(), makeClipboardTest(),
                                                        makeFileMenuTest()};
    int failed = 0;
    for (const std::unique_ptr<QObject> &test : tests)
        failed += QTest::qExec(test.get(), argc, argv);
    return failed == 0 ? 0 : 1;
}
