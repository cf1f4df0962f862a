#include "common/widgets/applicationfont.h"

#include "report/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace common {

void installApplicationFonts()
{
    report::installReportFonts();
    // The report's face name, so that windows and report share one Song face.
    const QFont song(QStringLiteral("宋体"), 9);
    const QString family = QFontInfo(song).family();
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese))
        QApplication::setFont(song);
}

} // namespace common
