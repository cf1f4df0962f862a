#include "support/scriptedmessenger.h"

#include <QTest>

void failMessageScript(const std::string &what)
{
    QTest::qFail(what.c_str(), __FILE__, __LINE__);
}
