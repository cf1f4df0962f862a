#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace testing_settings {

/**
 * Gives this test process user settings of its own, in a folder removed at
 * exit. Test mode alone puts every test program's settings into one shared
 * file, and under ctest -j two programs then read each other's last folder.
 */
inline void keepSettingsOfThisRun()
{
    QStandardPaths::setTestModeEnabled(true);
    static QTemporaryDir folder;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder.path());
}

} // namespace testing_settings
