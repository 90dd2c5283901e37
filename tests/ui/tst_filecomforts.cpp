// The main window's dropped and recent files, and the recent list.
#include "../namedpipe.h"
#include "ui/betsettings.h"
#include "ui/frmVertaile.h"
#include "windowtest.h"
#include <QProgressDialog>

using namespace WindowTest;

class TestFileComforts : public HeadlessWindowTest
{
    Q_OBJECT

private slots:
    // A file of 8 MiB or more opens under a progress window; stopped there, nothing of it is
    // opened. A file of more rows than a list holds is refused before it is read.
    void largeFile_data()
    {
        QTest::addColumn<qint64>("rows"); // of 8 bytes: 1 << 20 fill 8 MiB; past 1 << 30 sparse
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QString>("window"); // the progress window's text while it was up
        QTest::addColumn<QString>("expected");
        const QString none = "told=|matches=3|rows=|steps=0", up = "Avataan tiedostoa...";
        const QString opened = "told=|matches=2|steps=1|lblArvottu=";
        // clang-format off
        QTest::newRow("under 8 MiB") << ((1LL << 20) - 1) << false << "" << opened + "1048575";
        QTest::newRow("8 MiB") << (1LL << 20) << false << up << opened + "1048576";
        QTest::newRow("8 MiB, stopped") << (1LL << 20) << true << up << none;
        QTest::newRow("16 GiB") << (1LL << 31) << false << "" << "told=Tiedosto on liian suuri avattavaksi.|rows=";
        // clang-format on
    }
    void largeFile()
    {
        QFETCH(qint64, rows);
        QFETCH(bool, stop);
        QTemporaryDir files;
        QFile file(files.filePath("suuri.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(rows < 1 << 30 ? file.write(QByteArray("2-1 0-3\n").repeated(rows)) == rows * 8
                               : file.resize(rows * 8)); // sparse: its size alone refuses it
        file.close();
        MainWindow w;
        w.show();
        QString window;
        QTimer watch; // runs while the progress window lets events through
        connect(&watch, &QTimer::timeout, [&] {
            auto* progress = w.findChild<QProgressDialog*>();
            if (!progress || !progress->isVisible())
                return;
            window = progress->labelText();
            if (stop)
                child<QPushButton>(*progress, QString())->click();
        });
        watch.start(0);
        QCOMPARE(play(w, "file " + file.fileName() + "; menu MnuAvaa"), QString());
        watch.stop();
        QTEST(window, "window");
        QFETCH(QString, expected);
        QCOMPARE(seen(w, expected), expected);
        const bool opened = expected.contains("steps=1");
        QCOMPARE(RecentFiles::load().paths(),
                 opened ? QStringList{file.fileName()} : QStringList());
    }

    // A saved file enters the recent list; a failed save says why, as its detail.
    void save_data()
    {
        QTest::addColumn<QString>("target"); // new, old (a file there), folder
        QTest::addColumn<QString>("answer"); // about an existing file
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("detail"); // of the last message
        const QString replace = "Talletetaanko olemassa olevan tiedoston päälle / ";
        // clang-format off
        QTest::newRow("new file") << "new" << "" << "" << "";
        QTest::newRow("replaced") << "old" << "yes" << replace.chopped(3) << "";
        QTest::newRow("not replaced") << "old" << "no" << replace.chopped(3) << "";
        QTest::newRow("a folder of the name") << "folder" << "yes" << replace + "Tallennus epäonnistui!" << "Valittu nimi on kansio, ei tiedosto.";
        // clang-format on
    }
    void save()
    {
        QFETCH(QString, target);
        QFETCH(QString, answer);
        QTemporaryDir files;
        const QString path = files.filePath("rows.txt");
        if (target == "old")
            TestFile::write(files, "rows.txt", "3-3 3-3 3-3\r\n");
        else if (target == "folder")
            QVERIFY(QDir().mkdir(path));
        const QByteArray before = TestFile::read(path);
        MainWindow w;
        w.rowList().appendAll({ScoreRow(3, {1, 2, 3, 4, 5, 6})});
        QCOMPARE(play(w, "file " + path + "; " + answer + "; menu MnuTallenna"), QString());
        QFETCH(QString, told);
        QCOMPARE(MessageBox::shownTexts().join(" / "), told);
        QTEST(MessageBox::shownDetails().value(MessageBox::shownDetails().size() - 1), "detail");
        const bool saved = !told.contains("epäonnistui") && answer != "no";
        QCOMPARE(RecentFiles::load().paths(), saved ? QStringList{path} : QStringList());
        QCOMPARE(TestFile::read(path), saved ? QByteArray("1-2 3-4 5-6\r\n") : before);
    }

    // A named pipe chosen or dropped is refused at once, never waited on.
    void pipeIsRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("title");
        const QString title = "Tiedostoa ei voi avata";
        QTest::newRow("Avaa") << "MnuAvaa" << title;
        QTest::newRow("dropped on the list") << "lstLista" << title;
        QTest::newRow("comparison window's Avaa") << "cmdAvaa_1" << title + " tai peruutus";
        QTest::newRow("dropped on the comparison") << "Lista2" << title + " tai peruutus";
    }
    void pipeIsRefusedAtOnce()
    {
        QFETCH(QString, way);
        QTemporaryDir files;
        const QString path = files.filePath("fifo.txt");
        NamedPipe pipe(path);
        QVERIFY(pipe.made());
        MainWindow w;
        BetSettings settings;
        frmVertaile compare(w.listHistory(), settings);
        if (way == "MnuAvaa" || way == "lstLista") {
            QCOMPARE(play(w, way == "MnuAvaa" ? "file " + path + "; menu MnuAvaa" : "drop " + path),
                     QString());
        } else if (way == "Lista2") {
            QCOMPARE(dropFiles(child<QListView>(compare, way)->viewport(), {path}), "copied");
        } else {
            FileDialog::setNextFileName(path);
            child<QPushButton>(compare, way)->click();
        }
        QTRY_COMPARE(MessageBox::shownTexts(), QStringList{"Yritä uudelleen!"});
        QTEST(MessageBox::shownTitles().join(" / "), "title");
        QVERIFY(!pipe.waitedFor());
        QVERIFY(w.rowList().isEmpty());
        QCOMPARE(RecentFiles::load().paths(), QStringList());
    }
};

QTEST_MAIN(TestFileComforts)
#include "tst_filecomforts.moc"
