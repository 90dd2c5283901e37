// Files dropped on the lists, and the recent files menu.
#include "../namedpipe.h"
#include "ui/filedropfilter.h"
#include "ui/recentfilesmenu.h"
#include "windowtest.h"

using namespace WindowTest;

class FileDropTest : public HeadlessWindowTest
{
    Q_OBJECT

private slots:
    // Only local files are taken, in the order dragged.
    void dropOnFilter_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("taken"); // see dropFiles
        QTest::addColumn<QString>("dropped");
        const QString a = "/kansio/a.txt", b = "/kansio/b b.txt";
        const QString web("https://esimerkki.fi/a.txt");
        // clang-format off
        QTest::newRow("two in order") << QStringList{b, a} << "copied" << "/kansio/b b.txt|/kansio/a.txt";
        QTest::newRow("web address") << QStringList{web} << "refused" << "";
        QTest::newRow("web and file") << QStringList{web, a} << "copied" << "/kansio/a.txt";
        QTest::newRow("dragged over, not dropped") << QStringList{a} << "entered" << "";
        // clang-format on
    }
    void dropOnFilter()
    {
        QFETCH(QStringList, urls);
        QListView view;
        FileDropFilter filter;
        filter.watch(&view);
        QStringList dropped;
        connect(&filter, &FileDropFilter::filesDropped, this,
                [&](const QStringList& files) { dropped << files.join('|'); });
        QTEST(dropFiles(view.viewport(), urls,
                        !QByteArray(QTest::currentDataTag()).contains("not dropped")),
              "taken");
        QTest::qWait(0); // the signal comes after the drop has finished
        QTEST(dropped.join('/'), "dropped");
    }

    // A chosen file is opened; one gone or no regular file is taken off with a message that
    // says which.
    void recentMenuChoice_data()
    {
        QTest::addColumn<QString>("now"); // what stands in rivit/vanha.txt's place when chosen
        QTest::addColumn<QStringList>("listedAfter");
        QTest::addColumn<QString>("told"); // %1: the chosen path
        const QStringList newOnly{"&1 uusi.txt"};
        const QString off = " Se poistettiin listalta.";
        // clang-format off
        QTest::newRow("present") << "file" << QStringList{"&1 uusi.txt", "&2 vanha.txt"} << "";
        QTest::newRow("gone") << "nothing" << newOnly << "Tiedostoa %1 ei enää ole." + off;
        QTest::newRow("a named pipe") << "pipe" << newOnly << "%1 on nimetty putki, ei rivitiedosto." + off;
        QTest::newRow("a device") << "device" << newOnly << "%1 on laite, ei rivitiedosto." + off;
        // clang-format on
    }
    void recentMenuChoice()
    {
        QFETCH(QString, now);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("rivit"));
        QWidget window;
        auto* menu = new QMenu(QStringLiteral("Viimeksi avatut"), &window);
        RecentFilesMenu recent(menu, &window);
        for (const char* name : {"rivit/vanha.txt", "rivit/uusi.txt"})
            recent.noteUsed(TestFile::write(dir, name, "1-0 0-0\n"));
        const QString chosen = RecentFiles::load().paths().last(); // vanha.txt
        std::unique_ptr<NamedPipe> pipe;
        if (now != "file")
            QVERIFY(QFile::remove(chosen));
        if (now == "pipe")
            pipe = std::make_unique<NamedPipe>(chosen);
        else if (now == "device")
            QVERIFY(QFile::link("/dev/null", chosen));
        QStringList opened;
        connect(&recent, &RecentFilesMenu::openRequested, this,
                [&](const QString& path) { opened << path; });
        menu->actions().last()->trigger();
        QCOMPARE(opened, now == "file" ? QStringList{chosen} : QStringList());
        QFETCH(QString, told);
        QCOMPARE(MessageBox::shownTexts().join('\n'), told.arg(chosen));
        QStringList listed;
        for (QAction* action : menu->actions())
            listed << action->text();
        QTEST(listed, "listedAfter");
        QCOMPARE(RecentFiles::load().paths().size(), listed.size());
        QCOMPARE(menu->menuAction()->isEnabled(), !listed.isEmpty());
        QVERIFY(!pipe || !pipe->waitedFor());
    }
};

QTEST_MAIN(FileDropTest)
#include "tst_filedrop.moc"
