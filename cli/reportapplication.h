#pragma once

#include <QGuiApplication>

#include <memory>

namespace cli {

/**
 * The application the report pages need for their fonts and painting, on
 * the offscreen platform unless QT_QPA_PLATFORM names another, with the
 * program's report fonts installed.
 */
std::unique_ptr<QGuiApplication> startReportApplication(int &argc, char *argv[]);

} // namespace cli
