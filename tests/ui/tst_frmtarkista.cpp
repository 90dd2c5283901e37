// The result check window: the final scores typed, the list checked against them.
#include "ui/frmTarkista.h"
#include "windowtest.h"

using namespace WindowTest;

class FrmTarkistaTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_settings;

private slots:
    void initTestCase() { setUpHeadless(m_settings); }
    void init() { resetBetweenTests(m_settings); }

    void namedAndNotModal()
    {
        RowListModel rows;
        frmTarkista w(rows, [] { return 3; });
        QCOMPARE(w.objectName(), "frmTarkista");
        QCOMPARE(w.windowTitle(), "Tarkista tulos");
        QVERIFY(w.isWindow());
        QCOMPARE(w.windowModality(), Qt::NonModal);
    }

    // Whether the list wins, at which row, and the rows by matches right; a winning row is
    // handed to the main window. Final scores that cannot be read are told, and what the
    // last check showed stays. Rows staged by a running draw are not yet in the list.
    void check_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("staged");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("winning"); // -1: none
        QTest::addColumn<QString>("told");
        const QStringList three{"1-2 0-0 2-0", "1-2 0-1 2-0", "0-0 0-1 3-0", "2-1 1-0 0-2",
                                "1-2 0-1 2-0"};
        const QStringList two{"3-1 0-1", "0-0 3-1", "3-1 0-0", "2-2 1-1"};
        const QString before3 = "Voittava rivi on listalla (rivi 1).\n3 oikein: 1 riviä\n"
                                "2 oikein: 2 riviä\n1 oikein: 0 riviä\n0 oikein: 2 riviä";
        const QString before2 = "Voittava rivi on listalla (rivi 1).\n2 oikein: 1 riviä\n"
                                "1 oikein: 1 riviä\n0 oikein: 2 riviä";
        // clang-format off
        QTest::newRow("hit, first of two") << 3 << three << "" << "1-2 0-1 2-0"
            << "Voittava rivi on listalla (rivi 2).\n3 oikein: 2 riviä\n2 oikein: 1 riviä\n"
               "1 oikein: 1 riviä\n0 oikein: 1 riviä" << 1 << "";
        QTest::newRow("miss") << 3 << three << "" << " 1-2 0-1 0-2 "
            << "Voittavaa riviä ei ole listalla.\n3 oikein: 0 riviä\n2 oikein: 2 riviä\n"
               "1 oikein: 3 riviä\n0 oikein: 0 riviä" << -1 << "";
        QTest::newRow("two matches") << 2 << two << "" << "3-1 0-0"
            << "Voittava rivi on listalla (rivi 3).\n2 oikein: 1 riviä\n1 oikein: 1 riviä\n"
               "0 oikein: 2 riviä" << 2 << "";
        QTest::newRow("staged row left out") << 2 << two << "1-1 1-1" << "1-1 1-1"
            << "Voittavaa riviä ei ole listalla.\n2 oikein: 0 riviä\n1 oikein: 1 riviä\n"
               "0 oikein: 3 riviä" << -1 << "";
        QTest::newRow("empty list") << 3 << QStringList{} << "" << "0-0 0-0 0-0"
            << "Voittavaa riviä ei ole listalla.\n3 oikein: 0 riviä\n2 oikein: 0 riviä\n"
               "1 oikein: 0 riviä\n0 oikein: 0 riviä" << -1 << "";
        QTest::newRow("three for two") << 2 << two << "" << "3-1 0-0 1-1" << before2 << -1
            << "Anna lopputulos muodossa 1-2 0-1.";
        QTest::newRow("two for three") << 3 << three << "" << "1-2 0-1" << before3 << -1
            << "Anna lopputulos muodossa 1-2 0-1 2-0.";
        QTest::newRow("letters") << 3 << three << "" << "1-2 0-1 2-x" << before3 << -1
            << "Anna lopputulos muodossa 1-2 0-1 2-0.";
        QTest::newRow("nothing typed") << 2 << two << "" << "" << before2 << -1
            << "Anna lopputulos muodossa 1-2 0-1.";
        // clang-format on
    }
    void check()
    {
        QFETCH(int, columns);
        QFETCH(QStringList, rows);
        QFETCH(QString, staged);
        QFETCH(QString, result);
        RowListModel list;
        for (const QString& row : rows)
            list.appendAll({*ScoreRow::fromText(row)});
        if (!staged.isEmpty())
            QVERIFY(list.stageIfNew(*ScoreRow::fromText(staged)));
        frmTarkista w(list, [columns] { return columns; });
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QLineEdit* tulos = child<QLineEdit>(w, "txtTulos");
        // A check before, so that a refused one can be seen to change nothing.
        if (!rows.isEmpty()) {
            tulos->setText(rows[0]);
            child<QPushButton>(w, "cmdTarkista")->click();
        }
        QSignalSpy found(&w, &frmTarkista::winningRowFound);
        tulos->setText(result);
        child<QPushButton>(w, "cmdTarkista")->click();
        QTEST(labelText(w, "lblOsumat"), "shown");
        QTEST(MessageBox::shownTexts().join(" / "), "told");
        QFETCH(int, winning);
        QCOMPARE(found.count(), winning < 0 ? 0 : 1);
        if (winning >= 0)
            QCOMPARE(found[0][0].toInt(), winning);
        if (!MessageBox::shownTexts().isEmpty())
            QCOMPARE(QApplication::focusWidget(), tulos);
        QCOMPARE(child<QLabel>(w, "lblOsumat")->textFormat(), Qt::PlainText);
    }

    // Enter in the box checks as the button does; the example follows the list's width at
    // each showing.
    void enterAndExample()
    {
        RowListModel list;
        list.appendAll({*ScoreRow::fromText(u"2-0 1-1")});
        int columns = 3;
        frmTarkista w(list, [&columns] { return columns; });
        w.show();
        QLineEdit* tulos = child<QLineEdit>(w, "txtTulos");
        QCOMPARE(tulos->placeholderText(), "1-2 0-1 2-0");
        w.hide();
        columns = 2;
        w.show();
        QCOMPARE(tulos->placeholderText(), "1-2 0-1");
        QSignalSpy found(&w, &frmTarkista::winningRowFound);
        tulos->setText("2-0 1-1");
        QTest::keyClick(tulos, Qt::Key_Return);
        QCOMPARE(found.count(), 1);
    }
};

QTEST_MAIN(FrmTarkistaTest)
#include "tst_frmtarkista.moc"
