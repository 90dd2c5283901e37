// The main window's file comforts: a file dropped on the list and a recent file open as
// "&Avaa" would, and what was opened or saved comes back in "Viimeksi avatut".
#include "../namedpipe.h"
#include "../testfile.h"
#include "files/rowfile.h"
#include "ui/frmTilastot.h"
#include "ui/frmVertaile.h"
#include "windowtest.h"
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QTextDocument>

using namespace WindowTest;

namespace {
// A tooltip as the player reads it: Qt shows a tooltip that looks like markup as markup.
QString shownToolTip(const QString& tip)
{
    QTextDocument shown;
    if (Qt::mightBeRichText(tip))
        shown.setHtml(tip);
    else
        shown.setPlainText(tip);
    return shown.toPlainText();
}

// A drag that enters the list and is dropped there.
void dropOn(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}
} // namespace

class TestFileComforts : public QObject
{
    Q_OBJECT
    QTemporaryDir m_settings;

    static QStringList recentItems(frmSarvento& w)
    {
        auto* menu = w.findChild<QMenu*>("MnuViimeksiAvatut");
        QStringList texts;
        for (QAction* item : menu->actions())
            texts << shownToolTip(item->toolTip()) + "/" + item->text().section(' ', 1);
        return texts;
    }

private slots:
    void initTestCase() { setUpHeadless(m_settings); }
    void init() { resetBetweenTests(m_settings); }
    // An answer or a file name left over means the test did not run as written.
    void cleanup() { QCOMPARE(unusedQueues(), QString()); }

    void dropOpensAndRecentReopens()
    {
        QTemporaryDir files;
        const QString path = TestFile::write(files, "pudotettu.txt", "1-2 3-4 5-6\r\n");
        MainWindow w;
        w.show();

        dropOn(child<QListView>(w, "lstLista")->viewport(),
               {QUrl::fromLocalFile(path), QUrl("https://www.example.com/rivit.txt")});
        QTRY_COMPARE(listed(w.rowList()), QStringList{"1-2 3-4 5-6"});
        QCOMPARE(recentItems(w), QStringList{files.path() + "/pudotettu.txt"});

        // The same file again from the recent list: the duplicate question is asked and
        // answered Yes, so nothing is added twice and the count left out is shown.
        QStringList shownWindows;
        ModalRunner::setHandler([&shownWindows](QDialog& dialog) {
            shownWindows << dialog.objectName();
            return 0;
        });
        MessageBox::setNextAnswer(true);
        w.findChild<QMenu*>("MnuViimeksiAvatut")->actions().value(0)->trigger();
        QCOMPARE(MessageBox::shownTexts().size(), 1);
        QCOMPARE(shownWindows, QStringList{"frmSamaTulos"});
        QCOMPARE(listed(w.rowList()), QStringList{"1-2 3-4 5-6"});
    }

    // Every file of a drop opens, in the order dragged, and each enters the recent list.
    void dropOfSeveralFilesOpensEach()
    {
        QTemporaryDir files;
        const QString first = TestFile::write(files, "eka.txt", "1-2 3-4 5-6\r\n");
        const QString second = TestFile::write(files, "toka.txt", "0-0 0-0 0-0\r\n");
        MainWindow w;
        // The second file comes into a list that has rows: it asks about duplicates.
        MessageBox::setNextAnswer(false);
        dropOn(child<QListView>(w, "lstLista")->viewport(),
               {QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
        QTRY_COMPARE(listed(w.rowList()), QStringList({"1-2 3-4 5-6", "0-0 0-0 0-0"}));
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Samat rivit pois "});
        QCOMPARE(recentItems(w),
                 QStringList({files.path() + "/toka.txt", files.path() + "/eka.txt"}));
    }

    // "&Tallenna" to rows.txt: a saved file enters the recent list; a failed save says why
    // below "Tallennus epäonnistui!", a full disk otherwise than a folder that takes no file.
    // target: new, old (a file there), folder; seams as in the row file test.
    void save_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("seams");
        QTest::addColumn<bool>("replace"); // the answer to the question about an existing file
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("detail"); // of the last message
        QTest::addColumn<bool>("recent");
        const QString replace = "Talletetaanko olemassa olevan tiedoston päälle / ";
        const QString failed = "Tallennus epäonnistui!";
        // clang-format off
        QTest::newRow("new file") << "new" << "" << false << "" << "" << true;
        QTest::newRow("replaced") << "old" << "" << true << replace.chopped(3) << "" << true;
        QTest::newRow("not replaced") << "old" << "" << false << replace.chopped(3) << "" << false;
        QTest::newRow("a folder of the name") << "folder" << "" << true << replace + failed << "Valittu nimi on kansio, ei tiedosto." << false;
        QTest::newRow("disk full, in place") << "old" << "in place|full" << true << replace + failed << "Levyllä ei ole tilaa tiedostolle." << false;
        QTest::newRow("folder takes no new file") << "new" << "in place" << false << failed << "Kansioon tai tiedostoon ei ole kirjoitusoikeutta." << false;
        // clang-format on
    }
    void save()
    {
        QFETCH(QString, target);
        QFETCH(QString, seams);
        QTemporaryDir files;
        const QString path = files.filePath("rows.txt");
        if (target == "old")
            TestFile::write(files, "rows.txt", "3-3 3-3 3-3\r\n");
        else if (target == "folder")
            QVERIFY(QDir().mkdir(path));
        const QByteArray before = TestFile::read(path);
        RowFile::Testing::setNoTemporaryFile(seams.contains("in place"));
        if (seams.contains("full"))
            RowFile::Testing::setReserve([](int, qint64) { return ENOSPC; });
        MainWindow w;
        w.rowList().appendAll({ScoreRow(3, {1, 2, 3, 4, 5, 6})});
        FileDialog::setNextFileName(path);
        if (target != "new") { // something has the name: the question comes
            QFETCH(bool, replace);
            MessageBox::setNextAnswer(replace);
        }
        QVERIFY(chooseMenuItem(w, "MnuTallenna"));
        RowFile::Testing::setNoTemporaryFile(false);
        RowFile::Testing::setReserve({});

        QTEST(MessageBox::shownTexts().join(" / "), "told");
        QTEST(MessageBox::shownDetails().value(MessageBox::shownDetails().size() - 1), "detail");
        QTEST(recentItems(w) == QStringList{files.path() + "/rows.txt"}, "recent");
        QCOMPARE(TestFile::read(path), QTest::currentDataTag() == QByteArray("new file") ||
                                               QTest::currentDataTag() == QByteArray("replaced")
                                           ? QByteArray("1-2 3-4 5-6\r\n")
                                           : before);
    }

    // A named pipe (fifo.txt) chosen in an open dialog or dropped is refused at once with the
    // open-failure message: nothing waits for a writer that never comes.
    void pipeIsRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("title");
        QTest::newRow("Avaa") << "MnuAvaa"
                              << "Tiedostoa ei voi avata";
        QTest::newRow("dropped on the list") << "lstLista"
                                             << "Tiedostoa ei voi avata";
        QTest::newRow("comparison window's Avaa") << "cmdAvaa_1"
                                                  << "Tiedostoa ei voi avata tai peruutus";
        QTest::newRow("dropped on the comparison window") << "Lista2"
                                                          << "Tiedostoa ei voi avata tai peruutus";
    }
    void pipeIsRefusedAtOnce()
    {
        QFETCH(QString, way);
        QTemporaryDir files;
        const QString path = files.filePath("fifo.txt");
        NamedPipe pipe(path);
        QVERIFY(pipe.made());
        MainWindow w;
        frmVertaile compare(w.listHistory(), [] { return 3; });
        QWidget& window =
            way.startsWith("Mnu") || way == "lstLista" ? static_cast<QWidget&>(w) : compare;
        if (way.startsWith("Lista") || way == "lstLista") {
            dropOn(child<QListView>(window, way)->viewport(), {QUrl::fromLocalFile(path)});
        } else {
            FileDialog::setNextFileName(path);
            if (way.startsWith("Mnu"))
                QVERIFY(chooseMenuItem(w, way));
            else
                child<QPushButton>(window, way)->click();
        }
        QTRY_COMPARE(MessageBox::shownTexts(), QStringList{"Yritä uudelleen!"});
        QTEST(MessageBox::shownTitles().join(" / "), "title");
        QVERIFY(!pipe.waitedFor());
        QVERIFY(w.rowList().isEmpty());
        QCOMPARE(recentItems(w), QStringList());
    }

    // "Tilastot" opens one window, which follows the list and its undo.
    void statisticsFollowTheList()
    {
        MainWindow w;
        w.rowList().appendAll({ScoreRow(3, {1, 0, 0, 0, 0, 0})});
        QVERIFY(chooseMenuItem(w, "MnuTilastot"));
        QVERIFY(chooseMenuItem(w, "MnuTilastot"));
        const QList<frmTilastot*> windows = w.findChildren<frmTilastot*>();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows[0]->statistics().rowCount(), 1);
        w.rowList().appendAll({ScoreRow(3, {2, 0, 0, 0, 0, 0})});
        QTRY_COMPARE(windows[0]->statistics().rowCount(), 2);
        QVERIFY(chooseMenuItem(w, "MnuKumoa"));
        QTRY_COMPARE(windows[0]->statistics().rowCount(), 1); // the second row taken back
    }

    // Dropping something that is not a local file opens nothing.
    void dropOfAnAddressIsIgnored()
    {
        MainWindow w;
        dropOn(child<QListView>(w, "lstLista")->viewport(),
               {QUrl("https://www.example.com/rivit.txt")});
        QCoreApplication::processEvents();
        QVERIFY(w.rowList().isEmpty());
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }
};

QTEST_MAIN(TestFileComforts)
#include "tst_filecomforts.moc"
