#include "settings/recentfiles.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "tests/testfile.h"
#include <QDir>
#include <QSettings>
#include <QTest>

class TestRecentFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;
    QTemporaryDir m_files;

    static QStringList names(const QStringList& paths)
    {
        QStringList names;
        for (const QString& path : paths)
            names << QFileInfo(path).fileName();
        return names;
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
        QVERIFY(QDir(m_files.path()).mkdir("sub"));
    }
    void init()
    {
        SettingsStore::writeList(SettingsKeys::Tiedostot, SettingsKeys::ViimeksiAvatut, {});
        for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "a,b"})
            TestFile::write(m_files, name, "1-0 0-0\n");
        QFile::remove(m_files.filePath("link"));
        QVERIFY(QFile::link(m_files.filePath("a"), m_files.filePath("link")));
    }

    // Steps: a name is opened or saved, "-name" is taken off, "!name" is deleted from disk.
    // The list is checked as kept and as read back after a restart.
    void steps_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("listed");
        // clang-format off
        QTest::newRow("same file again moves first") << "a b c a" << "a c b";
        QTest::newRow("five kept") << "a b c d e f g" << "g f e d c";
        QTest::newRow("another spelling") << "a b sub/../a" << "a b";
        QTest::newRow("through a link") << "a b link" << "a b";
        QTest::newRow("taken off by another spelling") << "a b c -sub/../b" << "c a";
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
        QTEST(names(files.paths()).join(' '), "listed");
        QTEST(names(RecentFiles::load().paths()).join(' '), "listed");
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
