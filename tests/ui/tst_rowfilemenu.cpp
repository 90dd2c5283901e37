#include "windowtest.h"
#include <QAction>

using namespace WindowTest;

// The main window's file menu: opening, saving and moving rows in from the comparison window.
class TestRowFileMenu : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;
    QTemporaryDir m_files;

    QString file(const QByteArray& content)
    {
        const QString path = m_files.filePath(QStringLiteral("rows%1.txt").arg(++m_fileCount));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    int m_fileCount = 0;

    static void open(frmSarvento& w, const QString& path)
    {
        FileDialog::setNextFileName(path);
        child<QAction>(w, "MnuAvaa")->trigger();
    }
    static QByteArray saveAndRead(frmSarvento& w, const QString& path)
    {
        FileDialog::setNextFileName(path);
        child<QAction>(w, "MnuTallenna")->trigger();
        QFile saved(path);
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { setUpHeadless(m_settingsDir); }
    void init() { resetBetweenTests(m_settingsDir); }

    void opening_data()
    {
        QTest::addColumn<bool>("listHasRows");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("rows");
        const QString bad = QStringLiteral("Tiedosto sisältää vääränlaista dataa!!");
        const QString width = QStringLiteral("Toisessa 2 saraketta ja toisessa 3 saraketta!");
        QTest::newRow("two matches switch the mode")
            << false << QByteArray("2-1 0-3\r\n1-1 1-1\r\n") << "" << 2
            << QStringList{"2-1 0-3", "1-1 1-1"};
        QTest::newRow("same width, any line end")
            << false << QByteArray("2-1 0-3 1-1\n10-2 11-0 0-0\r") << "" << 3
            << QStringList{"2-1 0-3 1-1", "10-2 11-0 0-0"};
        QTest::newRow("bad line, no mode switch")
            << false << QByteArray("2-1 0-3\r\nx-1 0-3\r\n") << bad << 3 << QStringList();
        QTest::newRow("trailing empty line")
            << true << QByteArray("2-1 0-3 1-1\r\n\r\n") << bad << 3 << QStringList{"0-0 0-0 0-0"};
        QTest::newRow("other width")
            << true << QByteArray("2-1 0-3\r\n") << width << 3 << QStringList{"0-0 0-0 0-0"};
        QTest::newRow("empty file into rows")
            << true << QByteArray() << width << 3 << QStringList{"0-0 0-0 0-0"};
        QTest::newRow("binary") << false << QByteArray("1-1\0\0\0", 6) << "Yritä uudelleen!" << 3
                                << QStringList();
    }
    void opening()
    {
        QFETCH(bool, listHasRows);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(int, columns);
        QFETCH(QStringList, rows);
        frmSarvento w;
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaali")->setText("0");
        if (listHasRows)
            child<QPushButton>(w, "cmdArvo_Tulokset")->click(); // 0-0 0-0 0-0
        open(w, file(content));
        QCOMPARE(MessageBox::shownTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(w.ColumnCount(), columns);
        QCOMPARE(listed(w.rowList()), rows);
        // Only a switch of mode clears the window.
        QCOMPARE(child<QLineEdit>(w, "txtMaali")->text(), columns == 2 ? "" : "0");
    }

    void cancelledOpen()
    {
        frmSarvento w;
        QVERIFY(start(w));
        open(w, QString());
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Yritä uudelleen!"});
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Tiedostoa ei voi avata"});
    }

    void duplicateQuestion_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("shownCount");
        QTest::newRow("yes skips and tells") << true << 2 << "3";
        QTest::newRow("no loads everything") << false << 5 << "";
    }
    void duplicateQuestion()
    {
        QFETCH(bool, answer);
        QFETCH(int, rows);
        QFETCH(QString, shownCount);
        frmSarvento w;
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaali")->setText("0");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
        QString notice;
        ModalRunner::setHandler([&notice](QDialog& dialog) {
            notice = dialog.findChild<QLabel*>("txtSamaLuku")->text();
            return 1;
        });
        MessageBox::setNextAnswer(answer);
        open(w, file("0-0 0-0 0-0\r\n1-2 3-4 5-6\r\n1-2 3-4 5-6\r\n0-0 0-0 0-0\r\n"));
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Samat rivit pois "});
        QCOMPARE(w.rowList().count(), rows);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rows));
        QCOMPARE(notice, shownCount);
    }

    void saving()
    {
        GeneratorRandom random(21);
        frmSarvento w(random);
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaali")->setText("9");
        child<QLineEdit>(w, "txtKertaa")->setText("40");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
        const QStringList rows = listed(w.rowList());
        const QString path = m_files.filePath("saved.txt");
        QCOMPARE(saveAndRead(w, path), (rows.join("\r\n") + "\r\n").toLatin1());
        QVERIFY(MessageBox::shownTexts().isEmpty());

        frmSarvento other;
        QVERIFY(start(other));
        open(other, path);
        QCOMPARE(listed(other.rowList()), rows);

        // Replacing asks first; No keeps the old file.
        child<QLineEdit>(other, "txtMaali")->setText("0");
        child<QPushButton>(other, "cmdArvo_Tulokset")->click();
        MessageBox::setNextAnswer(false);
        QCOMPARE(saveAndRead(other, path), (rows.join("\r\n") + "\r\n").toLatin1());
        QCOMPARE(MessageBox::shownTitles().last(), QStringLiteral("Tiedosto jo olemassa"));
        MessageBox::setNextAnswer(true);
        QCOMPARE(saveAndRead(other, path).count('\n'), rows.size() + 1);

        // A folder that cannot be written is told, not silently ignored.
        MessageBox::reset();
        saveAndRead(other, file("x") + "/Sarvento.txt");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Tallennus epäonnistui!"});
    }

    void comparisonMovesIntoMainList()
    {
        frmSarvento w;
        QVERIFY(start(w));
        w.show();
        child<QLineEdit>(w, "txtMaali")->setText("0");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
        child<QAction>(w, "MnuVetaile")->trigger();
        auto* compare = child<QWidget>(w, "frmVertaile");
        QVERIFY(compare->isVisible() && w.isVisible());
        FileDialog::setNextFileName(file("0-0 0-0 0-0\r\n1-1 1-1 1-1\r\n"));
        child<QPushButton>(*compare, "cmdAvaa_1")->click();
        child<QPushButton>(*compare, "cmdListaa_1")->click();
        QCOMPARE(listed(w.rowList()), (QStringList{"0-0 0-0 0-0", "1-1 1-1 1-1"}));
        QCOMPARE(labelText(w, "lblKokoHinta"), QStringLiteral("0,4"));
    }
};

QTEST_MAIN(TestRowFileMenu)
#include "tst_rowfilemenu.moc"
