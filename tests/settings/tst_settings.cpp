#include "settings/recentfiles.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "tests/testfile.h"
#include <QDir>
#include <QSettings>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT
    QTemporaryDir m_files;
    std::unique_ptr<QTemporaryDir> m_settings;

private slots:
    void init()
    {
        m_settings = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings->path());
        for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "a,b"})
            TestFile::write(m_files, name, "1-0 0-0\n");
    }

    // A name opened or saved, "-name" taken off, "!name" deleted; kept and after a restart.
    void steps_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("listed");
        // clang-format off
        QTest::newRow("same file again moves first") << "a b c a" << "a c b";
        QTest::newRow("five kept") << "a b c d e f g" << "g f e d c";
        QTest::newRow("taken off") << "a b c -b" << "c a";
        QTest::newRow("vanished, taken off") << "a b !b -b" << "a";
        QTest::newRow("comma in the name") << "a,b a" << "a a,b";
        // clang-format on
    }
    void steps()
    {
        QFETCH(QString, steps);
        RecentFiles files = RecentFiles::load();
        for (const QString& step : steps.split(' ')) {
            if (step.startsWith('-'))
                files.remove(m_files.filePath(step.mid(1)));
            else if (step.startsWith('!'))
                QVERIFY(QFile::remove(m_files.filePath(step.mid(1))));
            else
                files.add(m_files.filePath(step));
        }
        for (const QStringList& paths : {files.paths(), RecentFiles::load().paths()}) {
            QStringList names;
            for (const QString& path : paths)
                names << QFileInfo(path).fileName();
            QTEST(names.join(' '), "listed");
        }
    }
    // A write that did not reach the file is told once; the value holds for the run.
    void writeReachesTheFile_data()
    {
        QTest::addColumn<QString>("store");
        QTest::addColumn<bool>("reached");
        QTest::newRow("writable") << "file" << true;
        QTest::newRow("a folder in the store file's place") << "folder" << false;
        // Readable as a missing file, so only a synced store sees it cannot be written.
        QTest::newRow("a file in the store folder's place") << "folder is a file" << false;
    }
    void writeReachesTheFile()
    {
        QFETCH(QString, store);
        QFETCH(bool, reached);
        const QTemporaryDir& dir = *m_settings;
        const QString file = dir.filePath("SarVento/SarVento.ini");
        if (store == "folder")
            QVERIFY(QDir().mkpath(file));
        else if (store == "folder is a file")
            TestFile::write(dir, "SarVento", "");
        else
            QVERIFY(QDir().mkpath(dir.filePath("SarVento")));
        QStringList told;
        SettingsStore::setWriteFailureHandler([&told](const QString& path) { told << path; });
        SettingsStore::resetWriteFailureTold();

        using namespace SettingsKeys;
        QCOMPARE(SettingsStore::write(Rekisteri, Hyvaksy, "True"), reached);
        QCOMPARE(SettingsStore::writeList(Tiedostot, ViimeksiAvatut, {"a", "b"}), reached);
        QCOMPARE(SettingsStore::writeAll(Todennakoisyydet, {{Rho, "0,1"}, {Yli, "2"}}), reached);
        SettingsStore::setWriteFailureHandler({});
        QCOMPARE(told, reached ? QStringList() : QStringList{file});
        QCOMPARE(SettingsStore::read(Rekisteri, Hyvaksy), "True");
        QCOMPARE(SettingsStore::read(Todennakoisyydet, Rho) +
                     SettingsStore::read(Todennakoisyydet, Yli),
                 "0,12");

        // Once the file can be written, the next write takes the kept values along.
        QDir(file).removeRecursively();
        if (store == "folder is a file")
            QVERIFY(QFile::remove(dir.filePath("SarVento")));
        QVERIFY(SettingsStore::write(Rekisteri, Varoitus, "False"));
        const QSettings onDisk(file, QSettings::IniFormat);
        QCOMPARE(onDisk.value("Rekisteri/Hyvaksy").toString(), "True");
        QCOMPARE(onDisk.value("Rekisteri/Varoitus").toString(), "False");
        QCOMPARE(onDisk.value("Todennakoisyydet/Yli").toString(), "2");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
