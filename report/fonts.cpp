#include "report/fonts.h"

#include <QStringList>

#include <algorithm>
#include <mutex>

namespace report {

void installReportFonts()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        // Song (Ming) faces first, as the report is set in SimSun; the sans
        // faces only keep Chinese readable where no Song face is installed.
        const QStringList songFaces = {
            QStringLiteral("AR PL UMing CN"),    QStringLiteral("AR PL UMing TW"),
            QStringLiteral("AR PL SungtiL GB"),  QStringLiteral("Noto Serif CJK SC"),
            QStringLiteral("Source Han Serif SC"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Droid Sans Fallback"),
        };
        for (const QString &windowsFace :
             {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("新宋体"), QStringLiteral("NSimSun")}) {
            QFont::insertSubstitutions(windowsFace, songFaces);
        }
    });
}

QFont reportFont(const QString &name, int pixelHeight)
{
    installReportFonts();
    QFont font(name);
    font.setPixelSize(std::max(1, pixelHeight));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

} // namespace report
