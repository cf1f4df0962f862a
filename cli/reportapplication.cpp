#include "cli/reportapplication.h"

#include "report/fonts.h"

namespace cli {

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// On a headless machine Qt notes that XDG_RUNTIME_DIR is unset. The report
// never uses that folder, and in a batch log the note reads like a failure.
void dropRuntimeDirNote(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    qtDefaultHandler(type, context, message);
}

} // namespace

std::unique_ptr<QGuiApplication> startReportApplication(int &argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(dropRuntimeDirNote);
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    report::installReportFonts();
    return application;
}

} // namespace cli
