#include "ui/frmVertaile.h"
#include "windowtest.h"
#include <QListView>
#include <QSignalSpy>

using namespace WindowTest;

class FrmVertaileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RowListModel m_main;
    int m_mainColumns = 0;
    std::unique_ptr<frmVertaile> m_window;

    void click(const char* name) { child<QPushButton>(*m_window, name)->click(); }
    // Opens content as the file sideN.txt into side n.
    void open(int n, const QByteArray& content)
    {
        FileDialog::setNextFileName(
            TestFile::write(m_dir, QStringLiteral("side%1.txt").arg(n), content));
        click(n == 1 ? "cmdAvaa_1" : "cmdAvaa_2");
    }
    RowListModel& list(int n)
    {
        auto* view = child<QListView>(*m_window, "Lista" + QString::number(n));
        return *qobject_cast<RowListModel*>(view->model());
    }
    QString count(int n) { return labelText(*m_window, "lblRivit_" + QString::number(n)); }

private slots:
    void initTestCase() { MessageBox::setHeadless(true); }
    void init()
    {
        MessageBox::reset();
        m_main.clear();
        m_mainColumns = 3;
        m_window = std::make_unique<frmVertaile>(m_main, [this] { return m_mainColumns; });
    }

    // Removing shows which rows the comparison ticked.
    void openCompareAndRemoveTicked()
    {
        open(1, "1-1 1-1\n2-2 2-2\n3-3 3-3\n2-2 2-2\n5-5 5-5\n4-4 4-4\n");
        open(2, "4-4 4-4\r\n8-8 8-8\r\n2-2 2-2\r\n9-9 9-9\r\n7-7 7-7\r\n");
        QCOMPARE(count(1) + " " + count(2), "6 5");
        list(1).setChecked(0, true); // a tick of the player's stays
        click("cmdVertaa");
        click("cmdPoista1_Samat");
        click("cmdPoista2_Samat");
        QCOMPARE(listed(list(1)).join(", "), "3-3 3-3, 5-5 5-5");
        QCOMPARE(listed(list(2)).join(", "), "8-8 8-8, 9-9 9-9, 7-7 7-7");
        QCOMPARE(count(1) + " " + count(2), "2 3");
    }

    // Side 2 is saved onto the file it was read from.
    void save_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray read("3-0 0-0\n1-0 0-0\r");
        QTest::newRow("written") << "side2.txt" << QByteArray("3-0 0-0\r\n1-0 0-0\r\n") << "";
        QTest::newRow("cancelled") << "" << read << "";
        QTest::newRow("onto a folder") << "." << read << "Tallennus epäonnistui!";
    }
    void save()
    {
        QFETCH(QString, target);
        open(2, "3-0 0-0\n1-0 0-0\r");
        FileDialog::setNextFileName(target.isEmpty() ? target : m_dir.filePath(target));
        click("cmdTalleta2");
        QTEST(MessageBox::shownTexts().join('\n'), "message");
        QFile file(m_dir.filePath("side2.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTEST(file.readAll(), "content");
    }

    // A move takes the main list's number of matches as it is at that moment, leaves out rows
    // listed already, and always tells the main window once: it recounts and reprices then.
    void moveIntoMainList_data()
    {
        QTest::addColumn<QByteArray>("side");
        QTest::addColumn<int>("mainColumns");
        QTest::addColumn<QString>("listedBefore");
        QTest::addColumn<QString>("listedAfter");
        QTest::addColumn<QString>("message");
        const QByteArray row3("1-1 1-1 1-1\r\n");
        const QByteArray four("5-5 5-5 5-5\r\n1-1 1-1 1-1\r\n5-5 5-5 5-5\r\n6-6 6-6 6-6\r\n");
        // clang-format off
        QTest::newRow("rows moved") << row3 << 3 << "" << "1-1 1-1 1-1" << "";
        QTest::newRow("duplicates within the side") << four << 3 << "" << "5-5 5-5 5-5, 1-1 1-1 1-1, 6-6 6-6 6-6" << "";
        QTest::newRow("all listed") << row3 + row3 << 3 << "1-1 1-1 1-1" << "1-1 1-1 1-1" << "";
        QTest::newRow("two matches into two") << QByteArray("7-7 7-7\r\n") << 2 << "" << "7-7 7-7" << "";
        QTest::newRow("one of another width") << QByteArray("7-7 7-7\r\n") << 3 << "" << "" << "1 rivi jäi siirtämättä, koska siinä on 2 kohdetta, mutta pääikkunan listan riveissä on 3.";
        QTest::newRow("four of another width") << four << 2 << "" << "" << "4 riviä jäi siirtämättä, koska niissä on 3 kohdetta, mutta pääikkunan listan riveissä on 2.";
        QTest::newRow("empty side") << QByteArray() << 3 << "" << "" << "";
        // clang-format on
    }
    void moveIntoMainList()
    {
        QFETCH(QByteArray, side);
        QFETCH(QString, listedBefore);
        QFETCH(int, mainColumns);
        m_mainColumns = mainColumns;
        open(1, side);
        if (!listedBefore.isEmpty())
            m_main.appendAll({*ScoreRow::fromText(listedBefore)});
        QSignalSpy changed(m_window.get(), &frmVertaile::mainListChanged);
        click("cmdListaa_1");
        QCOMPARE(changed.count(), 1);
        QTEST(listed(m_main).join(", "), "listedAfter");
        QTEST(MessageBox::shownTexts().join('\n'), "message");
    }
};

QTEST_MAIN(FrmVertaileTest)
#include "tst_frmvertaile.moc"
