#pragma once

#include <QObject>

#include <memory>

// The Qt Test classes of app_gui_tests, one per file; the test main runs the one its argument names.
std::unique_ptr<QObject> makeMainWindowTest();
std::unique_ptr<QObject> makeCalculateTest();
std::unique_ptr<QObject> makeStartAndCloseTest();
std::unique_ptr<QObject> makeHelpWindowTest();
std::unique_ptr<QObject> makeClipboardTest();
std::unique_ptr<QObject> makeFileMenuTest();
std::unique_ptr<QObject> makeConductorTest();
std::unique_ptr<QObject> makeBookDialogTest();
