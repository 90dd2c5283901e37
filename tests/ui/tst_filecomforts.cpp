// The main window's file comforts: a file dropped on the list and a recent file open as
// "&Avaa" would, and what was opened or saved comes back in "Viimeksi avatut".
#include "../testfile.h"
#include "ui/frmTilastot.h"
#include "windowtest.h"
#include <QListView>
#include <QMenu>
#include <QMimeData>

using namespace WindowTest;

namespace {
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
            texts << item->toolTip() + "/" + item->text().section(' ', 1);
        return texts;
    }

private slots:
    void initTestCase() { setUpHeadless(m_settings); }
    void init() { resetBetweenTests(m_settings); }

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
