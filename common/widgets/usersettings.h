#pragma once

#include <QSettings>

namespace common {

/**
 * The one store of the user's own settings (the design-check settings, the
 * recent span files): Tenrix/Tenrix.ini in the user's configuration folder,
 * ~/.config on Linux. The recent files used to live in a second file beside
 * it (Tenrix.conf); the first use moves what that file holds into the
 * store, leaving a key the store already has as it is, and removes it, so
 * nobody loses a setting.
 */
class UserSettings : public QSettings
{
public:
    UserSettings();
};

} // namespace common
