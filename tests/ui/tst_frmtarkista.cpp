// The result check window: the final scores typed, the list checked against them.
#include "ui/betsettings.h"
#include "ui/frmTarkista.h"
#include "windowtest.h"

using namespace WindowTest;

class FrmTarkistaTest : public HeadlessWindowTest
{
    Q_OBJECT

private slots:
    // A winning row is handed on by its place; scores that cannot be read are told, and the
    // last check's counts go, as they would be read as the refused text's. Rows staged by a
    // running draw are not in the list yet. The main window switches to two matches while the
    // window is open: the check and the example follow.
    void check_data()
    {
        QTest::addColumn<QString>("staged");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("shown"); // the first line of the summary
        QTest::addColumn<int>("winning");   // -1: none
        QTest::addColumn<QString>("told");
        // clang-format off
        QTest::newRow("hit, the first of two") << "" << "0-0 3-1" << "Voittava rivi on listalla (rivi 1)." << 0 << "";
        QTest::newRow("miss") << "" << "1-1 1-1" << "Voittavaa riviä ei ole listalla." << -1 << "";
        QTest::newRow("staged row left out") << "1-1 1-1" << "1-1 1-1" << "Voittavaa riviä ei ole listalla." << -1 << "";
        QTest::newRow("three for two") << "" << "3-1 0-0 1-1" << "" << -1 << "Anna lopputulos muodossa 1-2 0-1.";
        // clang-format on
    }
    void check()
    {
        QFETCH(QString, staged);
        QFETCH(QString, result);
        RowListModel list;
        for (const char* row : {"0-0 3-1", "3-1 0-1", "3-1 0-0", "0-0 3-1"})
            list.appendAll({*ScoreRow::fromText(QString::fromUtf8(row))});
        if (!staged.isEmpty())
            QVERIFY(list.stageIfNew(*ScoreRow::fromText(staged)));
        BetSettings settings;
        frmTarkista w(list, settings);
        w.show();
        settings.setColumnCount(2);
        QLineEdit* tulos = child<QLineEdit>(w, "txtTulos");
        QCOMPARE(tulos->placeholderText(), "1-2 0-1");
        tulos->setText("3-1 0-1"); // a check before
        QTest::keyClick(tulos, Qt::Key_Return);
        QSignalSpy found(&w, &frmTarkista::winningRowFound);
        tulos->setText(result);
        child<QPushButton>(w, "cmdTarkista")->click();
        QTEST(labelText(w, "lblOsumat").section('\n', 0, 0), "shown");
        QTEST(MessageBox::shownTexts().join(" / "), "told");
        QTEST(found.count() ? found[0][0].toInt() : -1, "winning");
        QCOMPARE(child<QLabel>(w, "lblOsumat")->textFormat(), Qt::PlainText);
    }
};

QTEST_MAIN(FrmTarkistaTest)
#include "tst_frmtarkista.moc"
