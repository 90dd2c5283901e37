#include "ui/dialogs.h"
#include "ui/frmVertaile.h"
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
std::vector<ScoreRow> rowsOf(const QStringList& texts)
{
    std::vector<ScoreRow> rows;
    for (const QString& text : texts)
        rows.push_back(ScoreRow::fromText(text).value());
    return rows;
}

QStringList textsOf(const RowListModel& model)
{
    QStringList texts;
    for (ScoreRow row : model.rows())
        texts << row.text();
    return texts;
}

QString ticks(const RowListModel& model)
{
    QString marks;
    for (int i = 0; i < model.count(); ++i)
        marks += model.isChecked(i) ? 'x' : '.';
    return marks;
}
} // namespace

class FrmVertaileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RowListModel m_main;
    int m_mainColumns = 3;
    std::unique_ptr<frmVertaile> m_window;

    QString fileWith(const QString& name, const QByteArray& content)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(content);
        return path;
    }

    void click(const char* name)
    {
        auto* button = m_window->findChild<QPushButton*>(QLatin1String(name));
        QVERIFY2(button, name);
        button->click();
    }
    RowListModel& list(int n)
    {
        auto* view = m_window->findChild<QListView*>(QStringLiteral("Lista%1").arg(n));
        return *qobject_cast<RowListModel*>(view->model());
    }
    QString countText(int n)
    {
        return m_window->findChild<QLabel*>(QStringLiteral("lblRivit_%1").arg(n))->text();
    }
    void open(int n, const QString& path)
    {
        FileDialog::setNextFileName(path);
        click(n == 1 ? "cmdAvaa_1" : "cmdAvaa_2");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        MessageBox::setHeadless(true);
    }
    void init()
    {
        MessageBox::reset();
        m_main.clear();
        m_mainColumns = 3;
        m_window = std::make_unique<frmVertaile>(m_main, [this] { return m_mainColumns; });
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        const auto row = [](const char* name, const char* caption, const char* tip) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(caption)
                                << QString::fromUtf8(tip);
        };
        row("cmdAvaa_1", "Avaa Sarvento 1", " Avaa sarvento1.");
        row("cmdAvaa_2", "Avaa Sarvento 2", " Avaa sarvento2.");
        row("cmdVertaa", "Vertaile 1 ja 2", " Vertailee 2 tiedostoa ja ruksaa samat rivit.");
        row("cmdPoista1_Samat", "Poista 1 valitut", " Poista valitut rivit 1.");
        row("cmdPoista2_Samat", "Poista 2 valitut", " Poista valitut rivit 2.");
        row("cmdTalleta1", "Tallenna 1 rivit", " Tallenna veto 1.");
        row("cmdTalleta2", "Tallenna 2 rivit", "Tallenna veto 2.");
        row("cmdListaa_1", "Listaa 1 rivit", " Siirrä rivit listalle");
        row("cmdListaa_2", "Listaa 2 rivit", " Siirrä rivit listalle");
        row("Label1", "Sarvento 1 rivit", "");
        row("Label2", "Sarvento 2 rivit", "");
        row("lblRivit_1", "0", " Arvottujen ja / tai avattujen rivien määrä.");
        row("lblRivit_2", "0", " Arvottujen ja / tai avattujen rivien määrä.");
        row("Lista1", "", "Ruksaamalla rivi(t) voit poistaa niitä. ");
        row("Lista2", "", "Ruksaamalla rivi(t) voit poistaa niitä. ");
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Poista samat tulokset"));
        auto* widget = m_window->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->toolTip(), tip);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), caption);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), caption);
        else
            QVERIFY(qobject_cast<QListView*>(widget)->uniformItemSizes());
    }

    void openAppendsToItsOwnSide()
    {
        const QString a = fileWith("a.txt", "1-1 1-1 1-1\r\n2-2 2-2 2-2\r\n");
        const QString b = fileWith("b.txt", "3-3 3-3\n");
        open(1, a);
        open(2, b);
        open(1, a); // a second open appends, duplicates and all
        QCOMPARE(textsOf(list(1)),
                 (QStringList{"1-1 1-1 1-1", "2-2 2-2 2-2", "1-1 1-1 1-1", "2-2 2-2 2-2"}));
        QCOMPARE(textsOf(list(2)), QStringList{"3-3 3-3"});
        QCOMPARE(countText(1), QStringLiteral("4"));
        QCOMPARE(countText(2), QStringLiteral("1"));
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QVERIFY(m_main.isEmpty());
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString cannot = QStringLiteral("Tiedostoa ei voi avata tai peruutus");
        const QString retry = QStringLiteral("Yritä uudelleen!");
        const QString bad = QStringLiteral("Tiedosto sisältää vääränlaista dataa!!");
        QTest::newRow("cancelled") << QString() << cannot << retry;
        QTest::newRow("missing") << m_dir.filePath("missing.txt") << cannot << retry;
        QTest::newRow("folder") << m_dir.path() << cannot << retry;
        QTest::newRow("binary") << fileWith("bin.txt", QByteArray("\0\1\2\3", 4)) << cannot
                                << retry;
        QTest::newRow("empty line")
            << fileWith("empty.txt", "1-1 1-1\r\n\r\n") << "Sarvento" << bad;
        QTest::newRow("three characters") << fileWith("short.txt", "1-2\r\n") << "Sarvento" << bad;
        QTest::newRow("mixed widths")
            << fileWith("mixed.txt", "1-1 1-1\r\n1-1 1-1 1-1\r\n") << "Sarvento" << bad;
    }
    void openFailures()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QFETCH(QString, text);
        open(1, fileWith("good.txt", "5-5 5-5\r\n"));
        open(1, path);
        QCOMPARE(MessageBox::shownTexts(), QStringList{text});
        QCOMPARE(MessageBox::shownTitles(), QStringList{title});
        QCOMPARE(textsOf(list(1)), QStringList{"5-5 5-5"});
        QCOMPARE(countText(1), QStringLiteral("1"));
    }

    void compareThenRemoveTicked()
    {
        open(1, fileWith("one.txt", "1-1 1-1\r\n2-2 2-2\r\n3-3 3-3\r\n2-2 2-2\r\n4-4 4-4\r\n"));
        open(2, fileWith("two.txt", "4-4 4-4\r\n2-2 2-2\r\n9-9 9-9\r\n"));
        list(1).setChecked(0, true); // a tick of the player's stays
        click("cmdVertaa");
        QCOMPARE(ticks(list(1)), QStringLiteral("xx.xx"));
        QCOMPARE(ticks(list(2)), QStringLiteral("xx."));
        QCOMPARE(countText(1), QStringLiteral("5")); // comparing does not recount

        click("cmdPoista1_Samat");
        QCOMPARE(textsOf(list(1)), QStringList{"3-3 3-3"});
        QCOMPARE(countText(1), QStringLiteral("1"));
        QCOMPARE(textsOf(list(2)), (QStringList{"4-4 4-4", "2-2 2-2", "9-9 9-9"}));

        click("cmdPoista2_Samat");
        QCOMPARE(textsOf(list(2)), QStringList{"9-9 9-9"});
        QCOMPARE(countText(2), QStringLiteral("1"));
        click("cmdPoista2_Samat"); // nothing ticked: nothing goes
        QCOMPARE(list(2).count(), 1);
    }

    void saveWritesCrLfInListOrder()
    {
        open(2, fileWith("in.txt", "3-0 0-0\n1-0 0-0\r2-0 0-0\r\n"));
        const QString out = m_dir.filePath("out2.txt");
        FileDialog::setNextFileName(out);
        click("cmdTalleta2");
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("3-0 0-0\r\n1-0 0-0\r\n2-0 0-0\r\n"));
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }

    void saveWithoutWriting_data()
    {
        QTest::addColumn<bool>("haveRows");
        QTest::newRow("cancelled dialog") << true;
        QTest::newRow("empty list asks no file") << false;
    }
    void saveWithoutWriting()
    {
        QFETCH(bool, haveRows);
        if (haveRows)
            open(1, fileWith("rows.txt", "1-1 1-1\r\n"));
        // With rows the dialog is cancelled; without rows no dialog may take a name at all.
        FileDialog::setNextFileName(haveRows ? QString() : m_dir.filePath("never.txt"));
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        click("cmdTalleta1");
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }

    void failedSaveIsReported()
    {
        open(1, fileWith("rows.txt", "1-1 1-1\r\n"));
        QDir(m_dir.path()).mkpath("taken.txt");
        FileDialog::setNextFileName(m_dir.filePath("taken.txt"));
        click("cmdTalleta1");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Tallennus epäonnistui!"});
        QVERIFY(QFileInfo(m_dir.filePath("taken.txt")).isDir());
    }

    void moveIntoMainList_data()
    {
        QTest::addColumn<int>("mainColumns");
        QTest::addColumn<QStringList>("mainBefore");
        QTest::addColumn<QByteArray>("threeMatchFile");
        QTest::addColumn<QStringList>("mainAfter");
        QTest::addColumn<QStringList>("messages");
        // Side 1 always holds two-match rows "7-7 7-7", "8-8 8-8", "7-7 7-7".
        QTest::newRow("three matches")
            << 3 << QStringList{"1-1 1-1 1-1"}
            << QByteArray("5-5 5-5 5-5\r\n1-1 1-1 1-1\r\n6-6 6-6 6-6\r\n5-5 5-5 5-5\r\n")
            << QStringList{"1-1 1-1 1-1", "5-5 5-5 5-5", "6-6 6-6 6-6"}
            << QStringList{"3 riviä jäi siirtämättä, koska niissä on 2 kohdetta, mutta "
                           "pääikkunan listan riveissä on 3."};
        QTest::newRow("two matches")
            << 2 << QStringList{"7-7 7-7"} << QByteArray("5-5 5-5 5-5\r\n")
            << QStringList{"7-7 7-7", "8-8 8-8"}
            << QStringList{"1 rivi jäi siirtämättä, koska siinä on 3 kohdetta, mutta "
                           "pääikkunan listan riveissä on 2."};
    }
    void moveIntoMainList()
    {
        QFETCH(int, mainColumns);
        QFETCH(QStringList, mainBefore);
        QFETCH(QByteArray, threeMatchFile);
        QFETCH(QStringList, mainAfter);
        QFETCH(QStringList, messages);
        m_mainColumns = mainColumns;
        m_main.appendAll(rowsOf(mainBefore));
        open(1, fileWith("two.txt", "7-7 7-7\r\n8-8 8-8\r\n7-7 7-7\r\n"));
        open(2, fileWith("three.txt", threeMatchFile));
        const int sideCount2 = list(2).count();

        const QSignalSpy counted(&m_main, &RowListModel::countChanged);
        click("cmdListaa_1");
        click("cmdListaa_2");
        QCOMPARE(textsOf(m_main), mainAfter);
        QCOMPARE(counted.count(), 1); // one side fits, the other is left out whole
        QCOMPARE(list(1).count(), 3); // the sides keep their rows
        QCOMPARE(list(2).count(), sideCount2);
        QCOMPARE(MessageBox::shownTexts(), messages);

        // Moving again adds nothing twice.
        MessageBox::reset();
        click(mainColumns == 3 ? "cmdListaa_2" : "cmdListaa_1");
        QCOMPARE(textsOf(m_main), mainAfter);
        QVERIFY(MessageBox::shownTexts().isEmpty());
    }

    void closingTellsTheMainWindow()
    {
        QSignalSpy closed(m_window.get(), &frmVertaile::closed);
        m_window->close();
        QCOMPARE(closed.count(), 1);
    }
};

QTEST_MAIN(FrmVertaileTest)
#include "tst_frmvertaile.moc"
