#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "tests/testfile.h"
#include <QDir>
#include <QSettings>
#include <QTest>
#include <unistd.h>

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    // Truth values as older stores wrote them; anything else leaves each setting at its default
    // (warnings on, other choices off).
    void storedTexts()
    {
        using namespace StoredSettings;
        for (const char* yes : {"TRUE", "-1"})
            QVERIFY2(isTrue(yes) && warningsOn(yes), yes);
        for (const char* no : {"false", "0"})
            QVERIFY2(!isTrue(no) && !warningsOn(no), no);
        for (const char* garbage : {"kyllä", "nan", "inf"}) // toDouble reads "nan" and "inf"
            QVERIFY2(!isTrue(garbage) && warningsOn(garbage), garbage);
    }

    // The notice counts as accepted only for the very text it stores; the other switches
    // also take the older true texts.
    void startupSwitches_data()
    {
        QTest::addColumn<QString>("stored"); // Hyvaksy, AlaNaytaInfoa and Varoitus alike
        QTest::addColumn<QString>("read");   // accepted, skip notice, warnings on
        QTest::newRow("True") << "True"
                              << "111";
        QTest::newRow("TRUE") << "TRUE"
                              << "011";
        QTest::newRow("-1") << "-1"
                            << "011";
        QTest::newRow("False") << "False"
                               << "000";
        QTest::newRow("missing") << ""
                                 << "001";
    }
    void startupSwitches()
    {
        QFETCH(QString, stored);
        QTemporaryDir dir;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        using namespace SettingsKeys;
        if (!stored.isEmpty())
            for (QLatin1String key : {Hyvaksy, AlaNaytaInfoa, Varoitus})
                QVERIFY(SettingsStore::write(Rekisteri, key, stored));
        const StartupSettings read = StartupSettings::load();
        QTEST(QString::number(read.accepted) + QString::number(read.skipNotice) +
                  QString::number(read.warningsOn),
              "read");
    }

    // A write says whether it reached the store's file; the first one of the run that did not
    // is told (once), and the value still holds for the rest of the run.
    void writeReachesTheFile_data()
    {
        QTest::addColumn<QString>("store");
        QTest::addColumn<bool>("reached");
        QTest::newRow("writable") << "file" << true;
        QTest::newRow("a folder in the store file's place") << "folder" << false;
        QTest::newRow("a file in the store folder's place") << "no folder" << false;
        QTest::newRow("read-only store file") << "read-only" << false;
    }
    void writeReachesTheFile()
    {
        QFETCH(QString, store);
        QFETCH(bool, reached);
        if (store == "read-only" && geteuid() == 0)
            QSKIP("root writes into read-only files");
        QTemporaryDir dir;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        const QString file = dir.filePath("SarVento/SarVento.ini");
        if (store == "no folder")
            TestFile::write(dir, "SarVento", "");
        else if (store == "folder")
            QVERIFY(QDir().mkpath(file));
        else
            QVERIFY(QDir().mkpath(dir.filePath("SarVento")));
        if (store == "read-only") {
            TestFile::write(dir, "SarVento/SarVento.ini", "[Rekisteri]\nVaroitus=True\n");
            QFile::setPermissions(file, QFile::ReadOwner);
        }
        QStringList told;
        SettingsStore::setWriteFailureHandler([&told](const QString& path) { told << path; });
        SettingsStore::resetWriteFailureTold();

        using namespace SettingsKeys;
        const bool wrote = SettingsStore::write(Rekisteri, Hyvaksy, "True");
        const bool wroteList = SettingsStore::writeList(Tiedostot, ViimeksiAvatut, {"a", "b"});
        const bool wroteAll = SettingsStore::writeAll(Todennakoisyydet, {{Rho, "0,1"}, {Yli, "2"}});
        SettingsStore::setWriteFailureHandler({});
        QCOMPARE(wrote, reached);
        QCOMPARE(wroteList, reached);
        QCOMPARE(wroteAll, reached);
        QCOMPARE(told, reached ? QStringList() : QStringList{file});
        QCOMPARE(SettingsStore::read(Rekisteri, Hyvaksy), "True");
        QCOMPARE(SettingsStore::readList(Tiedostot, ViimeksiAvatut), QStringList({"a", "b"}));
        QCOMPARE(SettingsStore::read(Todennakoisyydet, Rho) +
                     SettingsStore::read(Todennakoisyydet, Yli),
                 "0,12");

        // Once the file can be written, the next write takes the kept values along.
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QDir(file).removeRecursively();
        QFile::remove(dir.filePath("SarVento"));
        QVERIFY(SettingsStore::write(Rekisteri, Varoitus, "False"));
        const QSettings onDisk(file, QSettings::IniFormat);
        QCOMPARE(onDisk.value("Rekisteri/Hyvaksy").toString(), "True");
        QCOMPARE(onDisk.value("Rekisteri/Varoitus").toString(), "False");
        QCOMPARE(onDisk.value("Tiedostot/ViimeksiAvatut").toStringList(), QStringList({"a", "b"}));
        QCOMPARE(onDisk.value("Todennakoisyydet/Yli").toString(), "2");
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
