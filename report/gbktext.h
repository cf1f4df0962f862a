#pragma once

#include <QByteArray>
#include <QString>

namespace report {

/**
 * \a text in the GBK code page of Chinese Windows, as metafiles store their
 * texts and face names. A character GBK cannot hold becomes "?", so the
 * rest of the text is kept.
 */
QByteArray toGbk(const QString &text);

} // namespace report
