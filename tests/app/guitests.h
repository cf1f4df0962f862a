#pragma once

#include <QObject>

#include <memory>

// The Qt Test classes of app_gui_tests, one per file, run one after another by the test main.
std::unique_ptr<QObject> makeMainWindowTest();
std::unique_ptr<QObject> makeCalculateTest();
std::unique_ptr<QObject> makeStartAndCloseTest();
std::unique_ptr<QObject> makeHelpWindowTest();
std::unique_ptr<QObject> makeScreenshotTest();
std::unique_ptr<QObject> makeClipboardTest();
std::unique_ptr<QObject> makeFileMenuTest();
