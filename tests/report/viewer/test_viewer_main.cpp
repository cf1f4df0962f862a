#include "test_viewer.h"

#include "common/widgets/dropdownstyle.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The lists open as the program opens them.
    common::installDropDownListStyle();
    ResultViewerTest viewer;
    return QTest::qExec(&viewer, argc, argv);
}
