// tenrix: the desktop program. No arguments; it runs until the main window is closed.
#include "app/applicationfont.h"
#include "app/dropdownstyle.h"
#include "app/dialogrunner.h"
#include "app/programwindows.h"
#include "app/qtmessenger.h"
#include "app/qttranslations.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tenrix"));
    app::installDropDownListStyle();
    app::installApplicationFonts();
    app::installQtChineseTranslation(application);

    try {
        app::QtMessenger messenger;
        app::ModalDialogRunner dialogs;
        app::ProgramWindows windows(messenger, dialogs);

        // The viewer or the help window may still be open: the main window alone ends the program.
        QApplication::setQuitOnLastWindowClosed(false);
        QObject::connect(&windows.Form_zcx, &TForm_zcx::closed, &application, &QApplication::quit);
        windows.Form_zcx.show();
        return application.exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tenrix"), QString::fromUtf8(error.what()));
    }
    return 0;
}
