// tenrix: the desktop program. It runs until the main window is closed.
// `tenrix FILE.tenrix` opens that span file, as the desktop entry and file
// managers start it; without an argument it starts from the last inputs.
#include "app/widgets/programwindows.h"
#include "common/widgets/applicationfont.h"
#include "common/widgets/dialogrunner.h"
#include "common/widgets/dropdownstyle.h"
#include "common/widgets/qtmessenger.h"
#include "common/widgets/qttranslations.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tenrix"));
    common::installDropDownListStyle();
    common::installApplicationFonts();
    common::installQtChineseTranslation(application);

    try {
        common::QtMessenger messenger;
        common::ModalDialogRunner dialogs;
        app::ProgramWindows windows(messenger, dialogs);

        // The viewer or the help window may still be open: the main window alone ends the program.
        QApplication::setQuitOnLastWindowClosed(false);
        QObject::connect(&windows.Form_zcx, &TForm_zcx::closed, &application, &QApplication::quit);
        windows.Form_zcx.show();
        // A file that cannot be read has said why; the window then keeps the last inputs.
        const QStringList arguments = QApplication::arguments();
        if (arguments.size() > 1)
            windows.Form_zcx.openSpanFile(arguments.at(1));
        return application.exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tenrix"), QString::fromUtf8(error.what()));
    }
    return 0;
}
