#include "common/widgets/usersettings.h"

#include <QFile>

namespace common {

namespace {

const QString organisation = QStringLiteral("Tenrix");
const QString application = QStringLiteral("Tenrix");

/// Moves the keys of the former file of the recent files into \a store, once.
void takeOverFormerSettings(QSettings &store)
{
    QSettings former(organisation, application);
    if (former.fileName() == store.fileName() || !QFile::exists(former.fileName()))
        return;
    for (const QString &key : former.allKeys()) {
        if (!store.contains(key))
            store.setValue(key, former.value(key));
    }
    store.sync();
    if (store.status() == QSettings::NoError)
        QFile::remove(former.fileName());
}

} // namespace

UserSettings::UserSettings()
    : QSettings(QSettings::IniFormat, QSettings::UserScope, organisation, application)
{
    takeOverFormerSettings(*this);
}

} // namespace common
