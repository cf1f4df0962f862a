// Qt's own texts in Chinese, and a start without them.
#include "common/widgets/qttranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

class QtTranslationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first, while no translation is installed.
    void aMissingTranslationLeavesQtsTextsAlone()
    {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        QVERIFY(!common::installQtChineseTranslation(*QCoreApplication::instance(), empty.path()));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Copy"));
        QCOMPARE(QLocale().language(), QLocale::Chinese);
    }

    void anUnreadableTranslationIsRefused()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile broken(QDir(folder.path()).filePath(QStringLiteral("qtbase_zh_CN.qm")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a translation");
        broken.close();
        QVERIFY(!common::installQtChineseTranslation(*QCoreApplication::instance(), folder.path()));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Copy"));
    }

    // The edit boxes' context menu and the dialog buttons, from Debian's qt6-translations-l10n.
    void debiansTranslationMakesQtChinese()
    {
        if (!QFile::exists(QDir(common::qtTranslationsFolder()).filePath(QStringLiteral("qtbase_zh_CN.qm"))))
            QSKIP("qt6-translations-l10n is not installed");
        QVERIFY(common::installQtChineseTranslation(*QCoreApplication::instance()));
        QVERIFY(QCoreApplication::translate("QLineEdit", "&Copy").contains(QStringLiteral("复制")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    }
};

QTEST_GUILESS_MAIN(QtTranslationTest)
#include "test_qttranslations.moc"
