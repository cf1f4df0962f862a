#include "test_viewer.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ResultViewerTest viewer;
    return QTest::qExec(&viewer, argc, argv);
}
