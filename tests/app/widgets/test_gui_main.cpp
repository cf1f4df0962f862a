// Runs the Qt Test class of the windows named by the first argument
// ("app_gui_tests CalculateTest"), on a QApplication with the program's fonts
// and Qt's Chinese texts; the remaining arguments go to Qt Test. ctest runs
// each class as a test of its own, so a failure names its class.
#include "guitests.h"

#include "common/widgets/applicationfont.h"
#include "common/widgets/dropdownstyle.h"
#include "common/widgets/qttranslations.h"
#include "support/settingsofthisrun.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    const std::map<std::string, std::function<std::unique_ptr<QObject>()>> classes{
        {"MainWindowTest", makeMainWindowTest}, {"CalculateTest", makeCalculateTest},
        {"StartAndCloseTest", makeStartAndCloseTest}, {"HelpWindowTest", makeHelpWindowTest},
        {"ClipboardTest", makeClipboardTest}, {"FileMenuTest", makeFileMenuTest},
        {"ConductorTest", makeConductorTest}, {"BookDialogTest", makeBookDialogTest}};
    const auto chosen = argc > 1 ? classes.find(argv[1]) : classes.end();
    if (chosen == classes.end()) {
        std::fputs("usage: app_gui_tests CLASS [Qt Test options]; CLASS is one of:\n", stderr);
        for (const auto &[name, make] : classes)
            std::fprintf(stderr, "  %s\n", name.c_str());
        return 2;
    }

    // Window activation and focus, which the tests rely on, need no window
    // manager on the offscreen platform; a desktop run would also steal the focus.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<char *> qtArguments{argv[0]};
    qtArguments.insert(qtArguments.end(), argv + 2, argv + argc);
    int qtArgumentCount = static_cast<int>(qtArguments.size());
    QApplication application(qtArgumentCount, qtArguments.data());
    // The options dialog keeps the user's settings; a test run keeps its own.
    testing_settings::keepSettingsOfThisRun();
    common::installDropDownListStyle();
    common::installApplicationFonts();
    common::installQtChineseTranslation(application);

    const std::unique_ptr<QObject> test = chosen->second();
    return QTest::qExec(test.get(), qtArgumentCount, qtArguments.data());
}
