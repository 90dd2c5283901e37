#include "settings/settingsstore.h"
#include <QTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void storedTexts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("warningsOn");
        QTest::addColumn<bool>("isTrue");
        QTest::newRow("missing") << QString() << true << false;
        QTest::newRow("True") << "True" << true << true;
        QTest::newRow("False") << "False" << false << false;
        QTest::newRow("-1") << "-1" << true << true;
        QTest::newRow("garbage") << "kyllä" << true << false;
        QTest::newRow("nan") << "nan" << true << false; // no number, though toDouble reads it
    }

    void storedTexts()
    {
        QFETCH(QString, stored);
        QFETCH(bool, warningsOn);
        QFETCH(bool, isTrue);
        QCOMPARE(StoredSettings::warningsOn(stored), warningsOn);
        QCOMPARE(StoredSettings::isTrue(stored), isTrue);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
