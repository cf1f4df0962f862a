#pragma once

#include <QString>

class QCoreApplication;

namespace common {

/// Qt's folder of translations, /usr/share/qt6/translations on Debian.
QString qtTranslationsFolder();

/**
 * Makes Qt's own texts Chinese: loads Qt's Simplified Chinese translation
 * "qtbase_zh_CN" (Debian package qt6-translations-l10n) from \a folder into
 * \a application, so that the file, print and message dialogs and the edit
 * boxes' context menus read as the rest of the program, and makes Chinese
 * (China) the default locale, so that those dialogs also write dates the
 * Chinese way.
 *
 * The program works without the file: when it is missing or unreadable the
 * result is false and Qt keeps its English texts; the locale is set either
 * way.
 *
 * @return whether the translation was installed
 */
bool installQtChineseTranslation(QCoreApplication &application, const QString &folder = qtTranslationsFolder());

} // namespace common
