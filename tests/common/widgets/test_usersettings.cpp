// The one store of the user's settings takes over the former file of the
// recent files once, without overwriting what the store already holds.
#include "common/widgets/usersettings.h"
#include "support/settingsofthisrun.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

class UserSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing_settings::keepSettingsOfThisRun(); }

    void theFormerFileIsTakenOverOnce()
    {
        common::UserSettings().clear();
        QString formerFile;
        {
            QSettings former(QStringLiteral("Tenrix"), QStringLiteral("Tenrix"));
            former.setValue(QStringLiteral("recentFiles"), QStringList{QStringLiteral("/p/站1.tenrix")});
            former.setValue(QStringLiteral("designCheck/options"), QStringLiteral("from the former file"));
            former.sync();
            formerFile = former.fileName();
        }
        {
            QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tenrix"),
                            QStringLiteral("Tenrix"));
            store.setValue(QStringLiteral("designCheck/options"), QStringLiteral("kept"));
        }
        QVERIFY(QFile::exists(formerFile));

        common::UserSettings settings;
        QCOMPARE(settings.value(QStringLiteral("recentFiles")).toStringList(),
                 QStringList{QStringLiteral("/p/站1.tenrix")});
        QCOMPARE(settings.value(QStringLiteral("designCheck/options")).toString(), QStringLiteral("kept"));
        QVERIFY(!QFile::exists(formerFile));
        QVERIFY(settings.fileName().endsWith(QStringLiteral("Tenrix/Tenrix.ini")));
    }
};

QTEST_GUILESS_MAIN(UserSettingsTest)
#include "test_usersettings.moc"
