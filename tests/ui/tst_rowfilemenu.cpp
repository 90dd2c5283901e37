#include "core/money.h"
#include "windowtest.h"
#include <QRegularExpression>
#include <csignal>
#include <sys/resource.h>

using namespace WindowTest;

// The main window's file menu: opening, saving and moving rows in from the comparison window.
class TestRowFileMenu : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;
    QTemporaryDir m_files;
    int m_fileCount = 0;
    std::unique_ptr<GeneratorRandom> m_random;

    QString file(const QByteArray& content)
    {
        return TestFile::write(m_files, QStringLiteral("rows%1.txt").arg(++m_fileCount), content);
    }
    static bool open(frmSarvento& w, const QString& path)
    {
        FileDialog::setNextFileName(path);
        return chooseMenuItem(w, "MnuAvaa");
    }
    static bool save(frmSarvento& w, const QString& path)
    {
        FileDialog::setNextFileName(path);
        return chooseMenuItem(w, "MnuTallenna");
    }
    // Lists "0-0 0-0 0-0".
    static void drawZeros(frmSarvento& w)
    {
        child<QLineEdit>(w, "txtMaali")->setText("0");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
    }

private slots:
    void initTestCase() { setUpHeadless(m_settingsDir); }
    void init()
    {
        resetBetweenTests(m_settingsDir);
        m_random = std::make_unique<GeneratorRandom>(21);
    }

    void opening_data()
    {
        QTest::addColumn<bool>("listHasRows");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("rows");
        const QString bad = QStringLiteral("Tiedosto sisältää vääränlaista dataa!!");
        const QString width = QStringLiteral("Toisessa 2 saraketta ja toisessa 3 saraketta!");
        const QStringList zeros{"0-0 0-0 0-0"};
        // clang-format off
        QTest::newRow("two matches switch the mode") << false << QByteArray("2-1 0-3\r\n1-1 1-1\r\n") << "" << 2 << QStringList{"2-1 0-3", "1-1 1-1"};
        QTest::newRow("same width appends") << true << QByteArray("2-1 0-3 1-1\n10-2 11-0 0-0\r") << "" << 3 << zeros + QStringList{"2-1 0-3 1-1", "10-2 11-0 0-0"};
        QTest::newRow("empty file into an empty list") << false << QByteArray() << "" << 3 << QStringList();
        QTest::newRow("bad line, no mode switch") << false << QByteArray("2-1 0-3\r\nx-1 0-3\r\n") << bad << 3 << QStringList();
        QTest::newRow("bad line into rows") << true << QByteArray("2-1 0-3 1-1\r\n\r\n") << bad << 3 << zeros;
        QTest::newRow("other width") << true << QByteArray("2-1 0-3\r\n") << width << 3 << zeros;
        QTest::newRow("empty file into rows") << true << QByteArray() << width << 3 << zeros;
        QTest::newRow("binary") << false << QByteArray("1-1\0\0\0", 6) << "Yritä uudelleen!" << 3 << QStringList();
        // clang-format on
    }
    void opening()
    {
        QFETCH(bool, listHasRows);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(int, columns);
        QFETCH(QStringList, rows);
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaali")->setText("0");
        if (listHasRows)
            drawZeros(w);
        MessageBox::setNextAnswer(false); // keep duplicates
        QVERIFY(open(w, file(content)));
        QCOMPARE(MessageBox::shownTexts().filter(QRegularExpression("Toisessa|dataa|uudelleen")),
                 message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(w.ColumnCount(), columns);
        QCOMPARE(listed(w.rowList()), rows);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rows.size()));
        // Only a switch of mode clears the window and hides the third match.
        QCOMPARE(child<QLineEdit>(w, "txtMaali")->text(), columns == 2 ? "" : "0");
        QCOMPARE(child<QWidget>(w, "lbl1_4")->isHidden(), columns == 2);
        QCOMPARE(child<QWidget>(w, "FraPeli3")->isHidden(), columns == 2);
    }

    void cancelledOpen()
    {
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        QVERIFY(open(w, QString()));
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
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        drawZeros(w);
        QString notice;
        ModalRunner::setHandler([&notice](QDialog& dialog) {
            notice = dialog.findChild<QLabel*>("txtSamaLuku")->text();
            return 1;
        });
        MessageBox::setNextAnswer(answer);
        QVERIFY(open(w, file("0-0 0-0 0-0\r\n1-2 3-4 5-6\r\n1-2 3-4 5-6\r\n0-0 0-0 0-0\r\n")));
        QCOMPARE(MessageBox::shownTitles(), QStringList{"Samat rivit pois "});
        QCOMPARE(w.rowList().count(), rows);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rows));
        QCOMPARE(labelText(w, "lblKokoHinta"), Money::formatCents(rows * 20));
        QCOMPARE(notice, shownCount);
    }

    void saving()
    {
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaali")->setText("9");
        child<QLineEdit>(w, "txtKertaa")->setText("40");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
        const QStringList rows = listed(w.rowList());
        QCOMPARE(rows.size(), 40);
        const QString path = m_files.filePath("saved.txt");
        const QByteArray content = (rows.join("\r\n") + "\r\n").toLatin1();
        QVERIFY(save(w, path));
        QCOMPARE(TestFile::read(path), content);
        QVERIFY(MessageBox::shownTexts().isEmpty());

        frmSarvento other(*m_random);
        QVERIFY(start(other));
        QVERIFY(open(other, path));
        QCOMPARE(listed(other.rowList()), rows);

        // Replacing asks first; No keeps the old file.
        drawZeros(other);
        MessageBox::setNextAnswer(false);
        QVERIFY(save(other, path));
        QCOMPARE(TestFile::read(path), content);
        QCOMPARE(MessageBox::shownTitles().last(), QStringLiteral("Tiedosto jo olemassa"));
        MessageBox::setNextAnswer(true);
        QVERIFY(save(other, path));
        QCOMPARE(TestFile::read(path).count('\n'), rows.size() + 1);
    }

    // A save that fails is told, and neither the list nor an old file changes.
    void failedSave_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("folder cannot be written") << "under a file";
        QTest::newRow("disk full while writing") << "full";
    }
    void failedSave()
    {
        QFETCH(QString, how);
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        child<QLineEdit>(w, "txtMaali")->setText("99");
        child<QLineEdit>(w, "txtKertaa")->setText("3000");
        child<QPushButton>(w, "cmdArvo_Tulokset")->click();
        const QStringList rows = listed(w.rowList());
        const QString old = file("3-3 3-3 3-3\r\n");
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit unlimited = limit;
        limit.rlim_cur = 4096;
        if (how == "full")
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        MessageBox::setNextAnswer(true); // replace the old file
        const bool chosen = save(w, how == "full" ? old : old + "/Sarvento.txt");
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QVERIFY(chosen);
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("Tallennus epäonnistui!"));
        QCOMPARE(listed(w.rowList()), rows);
        QCOMPARE(TestFile::read(old), QByteArray("3-3 3-3 3-3\r\n"));
    }

    // Every move refreshes the count and the price, also one that moves nothing after a mode
    // switch left the count blank.
    void comparisonMovesIntoMainList_data()
    {
        QTest::addColumn<bool>("twoMatches");
        QTest::addColumn<QByteArray>("side");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("price");
        // clang-format off
        QTest::newRow("new rows") << false << QByteArray("0-0 0-0 0-0\r\n1-1 1-1 1-1\r\n") << QStringList{"0-0 0-0 0-0", "1-1 1-1 1-1"} << "0,4";
        QTest::newRow("all listed") << false << QByteArray("0-0 0-0 0-0\r\n") << QStringList{"0-0 0-0 0-0"} << "0,2";
        QTest::newRow("none fit after a mode switch") << true << QByteArray("1-1 1-1 1-1\r\n") << QStringList() << "0";
        // clang-format on
    }
    void comparisonMovesIntoMainList()
    {
        QFETCH(bool, twoMatches);
        QFETCH(QByteArray, side);
        QFETCH(QStringList, rows);
        QFETCH(QString, price);
        frmSarvento w(*m_random);
        QVERIFY(start(w));
        w.show();
        drawZeros(w);
        QVERIFY(chooseMenuItem(w, "MnuVetaile"));
        auto* compare = child<QWidget>(w, "frmVertaile");
        QVERIFY(compare->isVisible() && w.isVisible());
        FileDialog::setNextFileName(file(side));
        child<QPushButton>(*compare, "cmdAvaa_1")->click();
        MessageBox::setNextAnswer(true);
        if (twoMatches)
            QVERIFY(chooseMenuItem(w, "MnuSarake2"));
        QCOMPARE(labelText(w, "lblArvottu"), twoMatches ? "" : "1");
        child<QPushButton>(*compare, "cmdListaa_1")->click();
        QCOMPARE(listed(w.rowList()), rows);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(rows.size()));
        QCOMPARE(labelText(w, "lblKokoHinta"), price);
    }
};

QTEST_MAIN(TestRowFileMenu)
#include "tst_rowfilemenu.moc"
