#include "windowtest.h"
#include <QAction>
#include <QDir>
#include <QMenu>

using namespace WindowTest;

// The main window's file menu: opening, saving and the comparison window's moves.
class TestRowFileMenu : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;
    QTemporaryDir m_files;

    QString file(const char* name, const QByteArray& content)
    {
        const QString path = m_files.filePath(QString::fromLatin1(name));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qFatal("cannot write %s", name);
        return path;
    }
    static void open(frmSarvento& w, const QString& path)
    {
        FileDialog::setNextFileName(path);
        child<QAction>(w, "MnuAvaa")->trigger();
    }
    static void drawThreeMatchRows(frmSarvento& w)
    {
        child<QLineEdit>(w, "txtMaali")->setText("0");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click(); // 0-0 0-0 0-0
    }

private slots:
    void initTestCase() { setUpHeadless(m_settingsDir); }
    void init() { resetBetweenTests(m_settingsDir); }

    void openIntoEmptyList_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("limitsKept");
        QTest::newRow("two matches switch the mode") << QByteArray("2-1 0-3\r\n1-1 1-1\r\n") << 2
                                                     << QStringList{"2-1 0-3", "1-1 1-1"} << false;
        QTest::newRow("same width keeps the window")
            << QByteArray("2-1 0-3 1-1\n10-2 11-0 0-0\n") << 3
            << QStringList{"2-1 0-3 1-1", "10-2 11-0 0-0"} << true;
        QTest::newRow("empty file") << QByteArray() << 3 << QStringList() << true;
        QTest::newRow("duplicates of the file kept")
            << QByteArray("1-1 1-1 1-1\r1-1 1-1 1-1\r") << 3
            << QStringList{"1-1 1-1 1-1", "1-1 1-1 1-1"} << true;
    }
    void openIntoEmptyList()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, columns);
        QFETCH(QStringList, rows);
        QFETCH(bool, limitsKept);
        frmSarvento w;
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaali")->setText("5");
        open(w, file("rows.txt", content));
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(w.ColumnCount(), columns);
        QCOMPARE(listed(w.rowList()), rows);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rows.size()));
        QCOMPARE(child<QLineEdit>(w, "txtMaali")->text(),
                 limitsKept ? QStringLiteral("5") : QString());
    }

    void openFailures_data()
    {
        QTest::addColumn<bool>("listHasRows");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("bad line") << false << QByteArray("2-1 0-3\r\nx-1 0-3\r\n")
                                  << "Tiedosto sisältää vääränlaista dataa!!"
                                  << "Sarvento";
        QTest::newRow("trailing empty line")
            << true << QByteArray("2-1 0-3 1-1\r\n\r\n") << "Tiedosto sisältää vääränlaista dataa!!"
            << "Sarvento";
        QTest::newRow("other width")
            << true << QByteArray("2-1 0-3\r\n") << "Toisessa 2 saraketta ja toisessa 3 saraketta!"
            << "Ei voi avata tiedostoa";
        QTest::newRow("empty file into rows")
            << true << QByteArray() << "Toisessa 2 saraketta ja toisessa 3 saraketta!"
            << "Ei voi avata tiedostoa";
        QTest::newRow("binary") << true << QByteArray("1-1\0\0\0", 6) << "Yritä uudelleen!"
                                << "Tiedostoa ei voi avata";
    }
    void openFailures()
    {
        QFETCH(bool, listHasRows);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(QString, title);
        frmSarvento w;
        QVERIFY(start(w));
        if (listHasRows)
            drawThreeMatchRows(w);
        child<QLineEdit>(w, "txtMaali")->setText("4");
        const QStringList before = listed(w.rowList());
        open(w, file("bad.txt", content));
        QCOMPARE(MessageBox::shownTexts(), QStringList{message});
        QCOMPARE(MessageBox::shownTitles(), QStringList{title});
        QCOMPARE(listed(w.rowList()), before);
        // A rejected file switches no mode and clears nothing.
        QCOMPARE(w.ColumnCount(), 3);
        QCOMPARE(child<QLineEdit>(w, "txtMaali")->text(), QStringLiteral("4"));
    }

    void cancelledOrMissing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("cancelled") << QString();
        QTest::newRow("missing") << QStringLiteral("/nonexistent/Sarvento.txt");
        QTest::newRow("folder") << QDir::tempPath();
    }
    void cancelledOrMissing()
    {
        QFETCH(QString, path);
        frmSarvento w;
        QVERIFY(start(w));
        open(w, path);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Yritä uudelleen!"});
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Tiedostoa ei voi avata"});
        QVERIFY(w.rowList().isEmpty());
    }

    void duplicateQuestion_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("shownCount");
        QTest::newRow("yes skips and tells")
            << true << QStringList{"0-0 0-0 0-0", "1-2 3-4 5-6"} << "3";
        QTest::newRow("no loads everything")
            << false
            << QStringList{"0-0 0-0 0-0", "0-0 0-0 0-0", "1-2 3-4 5-6", "1-2 3-4 5-6",
                           "0-0 0-0 0-0"}
            << "";
    }
    void duplicateQuestion()
    {
        QFETCH(bool, answer);
        QFETCH(QStringList, rows);
        QFETCH(QString, shownCount);
        frmSarvento w;
        QVERIFY(start(w));
        drawThreeMatchRows(w);
        QString notice;
        ModalRunner::setHandler([&notice](QDialog& dialog) {
            notice = dialog.findChild<QLabel*>(QStringLiteral("txtSamaLuku"))->text();
            dialog.findChild<QPushButton*>(QStringLiteral("cmdKuittaus"))->click();
            return dialog.result();
        });
        MessageBox::setNextAnswer(answer);
        open(w, file("dup.txt", "0-0 0-0 0-0\r\n1-2 3-4 5-6\r\n1-2 3-4 5-6\r\n0-0 0-0 0-0\r\n"));
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Samat rivit pois "});
        QCOMPARE(listed(w.rowList()), rows);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rows.size()));
        QCOMPARE(labelText(w, "lblKokoHinta"),
                 QString::number(rows.size() * 2 / 10.0, 'g').replace('.', ','));
        QCOMPARE(notice, shownCount);
    }

    void saveAndReopenKeepOrder()
    {
        GeneratorRandom random(21);
        frmSarvento w(random);
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaali")->setText("9");
        child<QLineEdit>(w, "txtKertaa")->setText("40");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
        const QStringList rows = listed(w.rowList());
        const QString path = m_files.filePath("saved.txt");
        FileDialog::setNextFileName(path);
        child<QAction>(w, "MnuTallenna")->trigger();
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), (rows.join("\r\n") + "\r\n").toLatin1());

        frmSarvento other;
        QVERIFY(start(other));
        open(other, path);
        QCOMPARE(listed(other.rowList()), rows);
    }

    void saveOverExisting_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes replaces") << true;
        QTest::newRow("no keeps") << false;
    }
    void saveOverExisting()
    {
        QFETCH(bool, answer);
        frmSarvento w;
        QVERIFY(start(w));
        drawThreeMatchRows(w);
        const QString path = file("old.txt", "5-5 5-5 5-5\r\n");
        FileDialog::setNextFileName(path);
        MessageBox::setNextAnswer(answer);
        child<QAction>(w, "MnuTallenna")->trigger();
        QCOMPARE(MessageBox::shownTexts(),
                 QStringList{"Talletetaanko olemassa olevan tiedoston päälle"});
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Tiedosto jo olemassa"});
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(),
                 answer ? QByteArray("0-0 0-0 0-0\r\n") : QByteArray("5-5 5-5 5-5\r\n"));
    }

    void failedSaveIsTold()
    {
        frmSarvento w;
        QVERIFY(start(w));
        drawThreeMatchRows(w);
        const QString blocker = file("notafolder", "x");
        FileDialog::setNextFileName(blocker + "/Sarvento.txt");
        child<QAction>(w, "MnuTallenna")->trigger();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Tallennus epäonnistui!"});
    }

    void fileMenuOffersSaveOnlyWithRows()
    {
        frmSarvento w;
        QVERIFY(start(w));
        QMenu* menu = w.findChild<QMenu*>(QStringLiteral("MnuTiedosto"));
        emit menu->aboutToShow();
        QVERIFY(!child<QAction>(w, "MnuTallenna")->isEnabled());
        drawThreeMatchRows(w);
        emit menu->aboutToShow();
        QVERIFY(child<QAction>(w, "MnuTallenna")->isEnabled());
    }

    void comparisonMovesIntoMainList()
    {
        frmSarvento w;
        QVERIFY(start(w));
        w.show();
        drawThreeMatchRows(w);
        child<QAction>(w, "MnuVetaile")->trigger();
        auto* compare = w.findChild<QWidget*>(QStringLiteral("frmVertaile"));
        QVERIFY(compare && compare->isVisible());
        QVERIFY(w.isVisible());
        FileDialog::setNextFileName(file("one.txt", "0-0 0-0 0-0\r\n1-1 1-1 1-1\r\n2-2 2-2\r\n"));
        // Mixed widths are refused inside one file, so load the two-match row separately.
        child<QPushButton>(*compare, "cmdAvaa_1")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Tiedosto sisältää vääränlaista dataa!!"});
        FileDialog::setNextFileName(file("one.txt", "0-0 0-0 0-0\r\n1-1 1-1 1-1\r\n"));
        child<QPushButton>(*compare, "cmdAvaa_1")->click();
        child<QPushButton>(*compare, "cmdListaa_1")->click();
        QCOMPARE(listed(w.rowList()), (QStringList{"0-0 0-0 0-0", "1-1 1-1 1-1"}));
        QCOMPARE(labelText(w, "lblArvottu"), QStringLiteral("2"));
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("0,4"));
    }
};

QTEST_MAIN(TestRowFileMenu)
#include "tst_rowfilemenu.moc"
