#include "settings/settingsstore.h"
#include <QDirIterator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void storedTexts_data();
    void storedTexts();
    void startup_data();
    void startup();
    void roundTrip_data();
    void roundTrip();

private:
    // Never touch the real user's settings: everything goes to a folder of this run.
    QTemporaryDir m_dir;
};

void TestSettingsStore::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

void TestSettingsStore::init()
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SarVento"),
              QStringLiteral("SarVento"))
        .clear();
}

void TestSettingsStore::storedTexts_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("warningsOn");
    QTest::addColumn<bool>("isTrue");

    QTest::newRow("missing") << QString() << true << false;
    QTest::newRow("True") << "True" << true << true;
    QTest::newRow("False") << "False" << false << false;
    QTest::newRow("lower-case true") << "true" << true << true;
    QTest::newRow("-1") << "-1" << true << true;
    QTest::newRow("0") << "0" << false << false;
    QTest::newRow("1") << "1" << false << false;
    QTest::newRow("garbage") << "kyllä" << true << false;
    QTest::newRow("True with tail") << "Truex" << true << false;
    QTest::newRow("not a number word") << "nan" << true << false;
    QTest::newRow("infinity word") << "inf" << true << false;
}

void TestSettingsStore::storedTexts()
{
    QFETCH(QString, stored);
    QFETCH(bool, warningsOn);
    QFETCH(bool, isTrue);
    QCOMPARE(StoredSettings::warningsOn(stored), warningsOn);
    QCOMPARE(StoredSettings::isTrue(stored), isTrue);
}

// What the start-up makes of "Hyvaksy", "AlaNaytaInfoa" and "Varoitus"; a null text leaves
// the key unwritten.
void TestSettingsStore::startup_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("skipNotice");
    QTest::addColumn<bool>("warningsOn");

    const QString none;
    QTest::newRow("first start") << QStringList{none, none, none} << false << false << true;
    QTest::newRow("accepted only") << QStringList{"True", none, none} << true << false << true;
    QTest::newRow("accepted, skipped") << QStringList{"True", "True", none} << true << true << true;
    QTest::newRow("refused") << QStringList{"False", "False", none} << false << false << true;
    QTest::newRow("warnings off") << QStringList{"True", "True", "False"} << true << true << false;
    QTest::newRow("older numbers") << QStringList{"True", "-1", "0"} << true << true << false;
    QTest::newRow("numbers, -1 warns") << QStringList{none, "0", "-1"} << false << false << true;
    QTest::newRow("garbage") << QStringList{"joo", "joo", "joo"} << false << false << true;
    QTest::newRow("empty texts") << QStringList{"", "", ""} << false << false << true;
}

void TestSettingsStore::startup()
{
    QFETCH(QStringList, stored);
    QFETCH(bool, accepted);
    QFETCH(bool, skipNotice);
    QFETCH(bool, warningsOn);

    const QStringList keys{"Hyvaksy", "AlaNaytaInfoa", "Varoitus"};
    for (int i = 0; i < keys.size(); ++i) {
        if (!stored[i].isNull())
            SettingsStore::write(QStringLiteral("Rekisteri"), keys[i], stored[i]);
    }
    const StartupSettings settings = StartupSettings::load();
    QCOMPARE(settings.accepted, accepted);
    QCOMPARE(settings.skipNotice, skipNotice);
    QCOMPARE(settings.warningsOn, warningsOn);
}

void TestSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("key"); // section/key
    QTest::addColumn<QString>("value");

    QTest::newRow("accepted") << "Rekisteri/Hyvaksy" << SettingsStore::boolText(true);
    QTest::newRow("offset with comma") << "Tulostus/VaakaReuna" << QStringLiteral("1,5");
    QTest::newRow("negative offset") << "Tulostus/PystyReuna" << QStringLiteral("-2,25");
    QTest::newRow("empty") << "Tulostus/VaakaReuna" << QString("");
    QTest::newRow("umlauts") << "Rekisteri/Hyvaksy" << QStringLiteral("päällä");
    QTest::newRow("blanks around") << "Tulostus/VaakaReuna" << QStringLiteral(" 3 ");
    QTest::newRow("ini syntax") << "Tulostus/VaakaReuna" << QStringLiteral("[a]=b;c\"d");
}

void TestSettingsStore::roundTrip()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QString section = key.section(QLatin1Char('/'), 0, 0);
    key = key.section(QLatin1Char('/'), 1);

    QVERIFY(SettingsStore::read(section, key).isEmpty());
    SettingsStore::write(section, key, value);
    QCOMPARE(SettingsStore::read(section, key), value);

    // Read back a copy of the file, so that nothing kept in memory can answer.
    QDirIterator files(m_dir.path(), {QStringLiteral("*.ini")}, QDir::Files,
                       QDirIterator::Subdirectories);
    QVERIFY2(files.hasNext(), "the store was not written under the test folder");
    const QString copy =
        m_dir.filePath(QStringLiteral("copy-%1.conf").arg(QTest::currentDataTag()));
    QVERIFY(QFile::copy(files.next(), copy));
    const QSettings reread(copy, QSettings::IniFormat);
    QCOMPARE(reread.value(section + QLatin1Char('/') + key).toString(), value);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
