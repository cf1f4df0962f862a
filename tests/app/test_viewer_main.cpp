#include "test_viewer.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ViewerZoomTest zoom;
    ResultViewerTest viewer;
    int failures = QTest::qExec(&zoom, argc, argv);
    failures += QTest::qExec(&viewer, argc, argv);
    return failures == 0 ? 0 : 1;
}
