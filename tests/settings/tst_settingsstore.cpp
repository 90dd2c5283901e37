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
    void keysAreSeparate();

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
    QTest::newRow("lower-case false") << "false" << false << false;
    QTest::newRow("-1") << "-1" << true << true;
    QTest::newRow("0") << "0" << false << false;
    QTest::newRow("1") << "1" << false << false;
    QTest::newRow("other number") << "42" << false << false;
    QTest::newRow("garbage") << "kyllä" << true << false;
    QTest::newRow("blank") << " " << true << false;
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

// What the start-up makes of the store; a null text leaves the key unwritten.
void TestSettingsStore::startup_data()
{
    QTest::addColumn<QString>("hyvaksy");
    QTest::addColumn<QString>("alaNaytaInfoa");
    QTest::addColumn<QString>("varoitus");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("skipNotice");
    QTest::addColumn<bool>("warningsOn");

    QTest::newRow("first start") << QString() << QString() << QString() << false << false << true;
    QTest::newRow("accepted only") << "True" << QString() << QString() << true << false << true;
    QTest::newRow("accepted and skipped")
        << "True" << "True" << QString() << true << true << true;
    QTest::newRow("refused") << "False" << "False" << QString() << false << false << true;
    QTest::newRow("warnings stored off") << "True" << "True" << "False" << true << true << false;
    QTest::newRow("warnings stored on") << QString() << QString() << "True" << false << false << true;
    QTest::newRow("older store with numbers") << "True" << "-1" << "0" << true << true << false;
    QTest::newRow("numbers, warnings -1") << QString() << "0" << "-1" << false << false << true;
    QTest::newRow("garbage everywhere") << "joo" << "joo" << "joo" << false << false << true;
    QTest::newRow("empty texts") << "" << "" << "" << false << false << true;
}

void TestSettingsStore::startup()
{
    QFETCH(QString, hyvaksy);
    QFETCH(QString, alaNaytaInfoa);
    QFETCH(QString, varoitus);
    QFETCH(bool, accepted);
    QFETCH(bool, skipNotice);
    QFETCH(bool, warningsOn);

    const QString section = QStringLiteral("Rekisteri");
    if (!hyvaksy.isNull())
        SettingsStore::write(section, QStringLiteral("Hyvaksy"), hyvaksy);
    if (!alaNaytaInfoa.isNull())
        SettingsStore::write(section, QStringLiteral("AlaNaytaInfoa"), alaNaytaInfoa);
    if (!varoitus.isNull())
        SettingsStore::write(section, QStringLiteral("Varoitus"), varoitus);

    const StartupSettings settings = StartupSettings::load();
    QCOMPARE(settings.accepted, accepted);
    QCOMPARE(settings.skipNotice, skipNotice);
    QCOMPARE(settings.warningsOn, warningsOn);
}

void TestSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("accepted") << "Rekisteri" << "Hyvaksy" << SettingsStore::boolText(true);
    QTest::newRow("warnings off") << "Rekisteri" << "Varoitus" << SettingsStore::boolText(false);
    QTest::newRow("offset with comma") << "Tulostus" << "VaakaReuna" << "1,5";
    QTest::newRow("negative offset") << "Tulostus" << "PystyReuna" << "-2,25";
    QTest::newRow("offset with dot") << "Tulostus" << "PystyReuna" << "0.75";
    QTest::newRow("empty") << "Tulostus" << "VaakaReuna" << "";
    QTest::newRow("umlauts") << "Rekisteri" << "Hyvaksy" << "päällä";
    QTest::newRow("blanks around") << "Tulostus" << "VaakaReuna" << " 3 ";
    QTest::newRow("ini syntax") << "Tulostus" << "VaakaReuna" << "[a]=b;c\"d";
}

void TestSettingsStore::roundTrip()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);

    QVERIFY(SettingsStore::read(section, key).isEmpty());
    SettingsStore::write(section, key, value);
    QCOMPARE(SettingsStore::read(section, key), value);

    // Read back a copy of the file, so that nothing kept in memory can answer.
    QDirIterator files(m_dir.path(), {QStringLiteral("*.ini")}, QDir::Files,
                       QDirIterator::Subdirectories);
    QVERIFY2(files.hasNext(), "the store was not written under the test folder");
    const QString copy = m_dir.filePath(QStringLiteral("copy-%1.conf").arg(QTest::currentDataTag()));
    QVERIFY(QFile::copy(files.next(), copy));
    const QSettings reread(copy, QSettings::IniFormat);
    QCOMPARE(reread.value(section + QLatin1Char('/') + key).toString(), value);
}

void TestSettingsStore::keysAreSeparate()
{
    SettingsStore::write(QStringLiteral("Rekisteri"), QStringLiteral("Varoitus"), QStringLiteral("False"));
    SettingsStore::write(QStringLiteral("Tulostus"), QStringLiteral("Varoitus"), QStringLiteral("True"));
    SettingsStore::write(QStringLiteral("Rekisteri"), QStringLiteral("Hyvaksy"), QStringLiteral("True"));
    QCOMPARE(SettingsStore::read(QStringLiteral("Rekisteri"), QStringLiteral("Varoitus")), "False");
    QCOMPARE(SettingsStore::read(QStringLiteral("Tulostus"), QStringLiteral("Varoitus")), "True");
    QCOMPARE(SettingsStore::read(QStringLiteral("Rekisteri"), QStringLiteral("Hyvaksy")), "True");
    QVERIFY(SettingsStore::read(QStringLiteral("Rekisteri"), QStringLiteral("AlaNaytaInfoa")).isEmpty());
    QVERIFY(StartupSettings::load().accepted);
    QVERIFY(!StartupSettings::load().warningsOn);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
