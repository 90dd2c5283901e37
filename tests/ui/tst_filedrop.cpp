#include "../namedpipe.h"
#include "settings/recentfiles.h"
#include "ui/filedropfilter.h"
#include "ui/frmVertaile.h"
#include "ui/recentfilesmenu.h"
#include "ui/rowlisthistory.h"
#include "windowtest.h"
#include <QListView>
#include <QMimeData>
#include <QSignalSpy>
#include <QTextDocument>

using namespace WindowTest;

class FileDropTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;
    QTemporaryDir m_dir;

    // Drags data onto target with a move proposed, and drops it when taken. Returns "copied"
    // when the drag was taken as a copy and its drop accepted, "refused" when it was not taken,
    // and otherwise what went wrong.
    static QString dragAndDrop(QWidget* target, const QMimeData& data)
    {
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(QPoint(5, 5), actions, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setDropAction(Qt::MoveAction);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return "refused";
        if (enter.dropAction() != Qt::CopyAction)
            return "taken as a move";
        QDropEvent drop(QPointF(5, 5), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return drop.isAccepted() ? "copied" : "drop not accepted";
    }

private slots:
    void initTestCase() { setUpHeadless(m_settings); }
    void init() { resetBetweenTests(m_settings); }
    // An answer or a file name left over means the test did not run as written.
    void cleanup() { QCOMPARE(unusedQueues(), QString()); }

    // Only local files are taken, in the order dragged; anything else leaves the list alone.
    void dropOnFilter_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("taken"); // see dragAndDrop
        QTest::addColumn<QStringList>("dropped");
        const QString a = QUrl::fromLocalFile("/kansio/a.txt").toString();
        const QString b = QUrl::fromLocalFile("/kansio/b b.txt").toString();
        const QString web("https://esimerkki.fi/a.txt");
        QTest::newRow("a file") << QStringList{a} << "copied" << QStringList{"/kansio/a.txt"};
        QTest::newRow("two in order")
            << QStringList{b, a} << "copied" << QStringList{"/kansio/b b.txt", "/kansio/a.txt"};
        QTest::newRow("web address") << QStringList{web} << "refused" << QStringList();
        QTest::newRow("web and file")
            << QStringList{web, a} << "copied" << QStringList{"/kansio/a.txt"};
        QTest::newRow("text only") << QStringList() << "refused" << QStringList();
    }
    void dropOnFilter()
    {
        QFETCH(QStringList, urls);
        QListView view;
        FileDropFilter filter;
        filter.watch(&view);
        QSignalSpy dropped(&filter, &FileDropFilter::filesDropped);
        QMimeData data;
        data.setText("1-0 0-0");
        data.setUrls(QList<QUrl>(urls.cbegin(), urls.cend()));

        QTEST(dragAndDrop(view.viewport(), data), "taken");
        QTest::qWait(0); // the signal comes after the drop has finished
        QTEST(dropped.isEmpty() ? QStringList() : dropped.first().first().toStringList(),
              "dropped");
        QVERIFY(dropped.count() <= 1);
    }

    // Files dropped on one side of the comparison window are read into that side only, one
    // after another, as its open button would.
    void dropOnComparisonSide()
    {
        RowListModel main;
        RowListHistory history(main);
        frmVertaile window(history, [] { return 3; });
        const QString first = TestFile::write(m_dir, "eka.txt", "1-0 0-0\n2-0 0-0\n");
        const QString second = TestFile::write(m_dir, "toka.txt", "3-0 0-0\n");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
        auto* list2 = child<QListView>(window, "Lista2");
        QCOMPARE(dragAndDrop(list2->viewport(), data), "copied");

        QTRY_COMPARE(list2->model()->rowCount(), 3);
        QCOMPARE(listed(*qobject_cast<RowListModel*>(list2->model())).join(", "),
                 "1-0 0-0, 2-0 0-0, 3-0 0-0");
        QCOMPARE(labelText(window, "lblRivit_2"), "3");
        QCOMPARE(child<QListView>(window, "Lista1")->model()->rowCount(), 0);
        QCOMPARE(MessageBox::shownTexts(), QStringList());
    }

    // A chosen file is asked to be opened; one that is gone, or that is no regular file any
    // more, is taken off with a message that says which, and with none left the menu cannot
    // be opened.
    void recentMenuChoice_data()
    {
        QTest::addColumn<QStringList>("used");
        QTest::addColumn<QString>("now"); // what stands in vanha.txt's place when chosen
        QTest::addColumn<QStringList>("listedAfter");
        QTest::addColumn<QString>("told"); // %1: the chosen path
        const QStringList both{"vanha.txt", "uusi.txt"};
        const QStringList newOnly{"&1 uusi.txt"};
        const QString takenOff = " Se poistettiin listalta.";
        // clang-format off
        QTest::newRow("present") << both << "file" << QStringList{"&1 uusi.txt", "&2 vanha.txt"} << "";
        QTest::newRow("gone") << both << "nothing" << newOnly << "Tiedostoa %1 ei enää ole." + takenOff;
        QTest::newRow("last gone") << QStringList{"vanha.txt"} << "nothing" << QStringList() << "Tiedostoa %1 ei enää ole." + takenOff;
        QTest::newRow("a folder") << both << "folder" << newOnly << "%1 on kansio, ei rivitiedosto." + takenOff;
        QTest::newRow("a named pipe") << both << "pipe" << newOnly << "%1 on nimetty putki, ei rivitiedosto." + takenOff;
        QTest::newRow("a device") << both << "device" << newOnly << "%1 on laite, ei rivitiedosto." + takenOff;
        // clang-format on
    }
    void recentMenuChoice()
    {
        QFETCH(QStringList, used);
        QFETCH(QString, now);
        QTemporaryDir dir;
        QWidget window;
        auto* menu = new QMenu(QStringLiteral("Viimeksi avatut"), &window);
        RecentFilesMenu recent(menu, &window);
        for (const QString& name : used)
            recent.noteUsed(TestFile::write(dir, name, "1-0 0-0\n"));
        const QString chosen = RecentFiles::load().paths().last(); // vanha.txt
        std::unique_ptr<NamedPipe> pipe;
        if (now != "file")
            QVERIFY(QFile::remove(chosen));
        if (now == "folder")
            QVERIFY(QDir().mkdir(chosen));
        else if (now == "pipe")
            pipe = std::make_unique<NamedPipe>(chosen);
        else if (now == "device")
            QVERIFY(QFile::link("/dev/null", chosen));
        QSignalSpy opened(&recent, &RecentFilesMenu::openRequested);

        menu->actions().last()->trigger();
        QCOMPARE(opened.isEmpty(), now != "file");
        if (!opened.isEmpty())
            QCOMPARE(opened.first().first().toString(), chosen);
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

    // Each file's folder shows as its tooltip, as written: Qt shows a tooltip that looks like
    // markup as markup.
    void recentToolTipShowsTheFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "rivit";
        QTest::newRow("bold") << "<b>lihava";
        QTest::newRow("entity") << "a &amp; b";
        QTest::newRow("picture") << "<img src='x.png'>";
        QTest::newRow("spaces") << "kaksi  välilyöntiä";
    }
    void recentToolTipShowsTheFolder()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(folder));
        QWidget window;
        auto* menu = new QMenu(QStringLiteral("Viimeksi avatut"), &window);
        RecentFilesMenu recent(menu, &window);
        recent.noteUsed(TestFile::write(dir, folder + "/rivit.txt", "1-0 0-0\n"));
        const QString tip = menu->actions().value(0)->toolTip();
        QTextDocument shown;
        if (Qt::mightBeRichText(tip))
            shown.setHtml(tip);
        else
            shown.setPlainText(tip);
        QCOMPARE(shown.toPlainText(), dir.filePath(folder));
    }
};

QTEST_MAIN(FileDropTest)
#include "tst_filedrop.moc"
