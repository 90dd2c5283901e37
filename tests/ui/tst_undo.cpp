// Undo and redo over every command that changes the row list: the rows, their order and
// ticks, the count and the price come back exactly, and redo brings the command's result back.
#include "../testfile.h"
#include "core/money.h"
#include "ui/frmVertaile.h"
#include "windowtest.h"
#include <QCheckBox>

using namespace WindowTest;

namespace {
struct Seen
{
    QStringList rows;
    QList<int> ticked;
    QString count;
    int columns = 3;
    bool operator==(const Seen& other) const
    {
        return rows == other.rows && ticked == other.ticked && count == other.count &&
               columns == other.columns;
    }
};

Seen seen(frmSarvento& w)
{
    Seen s{listed(w.rowList()), {}, labelText(w, "lblArvottu"), w.ColumnCount()};
    for (int i = 0; i < w.rowList().count(); ++i)
        if (w.rowList().isChecked(i))
            s.ticked << i;
    return s;
}
} // namespace

class TestUndo : public QObject
{
    Q_OBJECT
    QTemporaryDir m_settings;

    void tickGrid(frmSarvento& w)
    {
        for (const char* team :
             {"chkKoti1", "chkVieras1", "chkKoti2", "chkVieras2", "chkKoti3", "chkVieras3"})
            child<QCheckBox>(w, QString::fromLatin1(team) + "_0")->setChecked(true);
        child<QCheckBox>(w, "chkKoti1_1")->setChecked(true);
    }

private slots:
    void initTestCase() { setUpHeadless(m_settings); }
    void init() { resetBetweenTests(m_settings); }
    // An answer or a file name left over means the test did not run as written.
    void cleanup() { QCOMPARE(unusedQueues(), QString()); }

    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("command");
        for (const char* command :
             {"remove ticked", "clear list", "clear all", "draw", "system, Poisto",
              "system, no Poisto", "open file", "open file of the other width",
              "move from comparison", "mode switch"})
            QTest::newRow(command) << QString::fromLatin1(command);
    }
    void undoAndRedo()
    {
        QFETCH(QString, command);
        MainWindow w;
        for (int i = 0; i < 4; ++i)
            w.rowList().appendAll({ScoreRow(3, {i, 1, 2, 3, 4, 5})});
        w.rowList().setChecked(1, true);
        w.rowList().setChecked(3, true);
        w.sealListChange();
        const Seen before = seen(w);

        QTemporaryDir files;
        std::unique_ptr<frmVertaile> compare;
        if (command == "remove ticked") {
            QVERIFY(chooseMenuItem(w, "MnuPoistavalitutListalta"));
        } else if (command == "clear list" || command == "clear all") {
            MessageBox::setNextAnswer(true);
            QVERIFY(chooseMenuItem(w, command == "clear list" ? "MnuTyhjennäLista"
                                                              : "MnuTyhjennäKaikki"));
        } else if (command == "draw") {
            child<QLineEdit>(w, "txtMaali")->setText("5");
            child<QLineEdit>(w, "txtKertaa")->setText("30");
            child<QPushButton>(w, "cmdArvo_Tulokset")->click();
        } else if (command.startsWith("system")) {
            tickGrid(w);
            MessageBox::setNextAnswer(command == "system, Poisto");
            child<QPushButton>(w, "cmdListaa_Rivit")->click();
        } else if (command.startsWith("open file")) {
            const bool other = command.endsWith("width");
            FileDialog::setNextFileName(TestFile::write(
                files, "rows.txt", other ? "1-1 1-1\r\n2-2 2-2\r\n" : "9-9 9-9 9-9\r\n"));
            if (other) {
                w.rowList().clear(); // into an empty list the mode follows the file
                w.sealListChange();
            } else {
                MessageBox::setNextAnswer(true); // the list has rows: duplicates are asked about
            }
            QVERIFY(chooseMenuItem(w, "MnuAvaa"));
        } else if (command == "move from comparison") {
            compare = std::make_unique<frmVertaile>(w.rowList(), [&w] { return w.ColumnCount(); });
            FileDialog::setNextFileName(TestFile::write(files, "side.txt", "8-8 8-8 8-8\r\n"));
            child<QPushButton>(*compare, "cmdAvaa_1")->click();
            child<QPushButton>(*compare, "cmdListaa_1")->click();
        } else if (command == "mode switch") {
            MessageBox::setNextAnswer(true);
            QVERIFY(chooseMenuItem(w, "MnuSarake2"));
        }
        // Switching the mode back leaves the count blank, as every mode switch does.
        const Seen undoneTo = command.endsWith("width") ? Seen{{}, {}, "", 3} : before;
        const Seen after = seen(w);
        QVERIFY(!(after == undoneTo));

        QVERIFY(chooseMenuItem(w, "MnuKumoa"));
        QCOMPARE(seen(w).rows, undoneTo.rows);
        QCOMPARE(seen(w).ticked, undoneTo.ticked);
        QCOMPARE(seen(w).count, undoneTo.count);
        QCOMPARE(seen(w).columns, undoneTo.columns);
        QCOMPARE(labelText(w, "lblKokoHinta"),
                 Money::formatCents(w.StakePerRowCents() * w.rowList().count()));

        QVERIFY(chooseMenuItem(w, "MnuTeeUudelleen"));
        QCOMPARE(seen(w).rows, after.rows);
        QCOMPARE(seen(w).ticked, after.ticked);
        QCOMPARE(seen(w).columns, after.columns);
    }

    // Only the last 20 list changes can be taken back: each entry may hold millions of rows.
    void undoLimit_data()
    {
        QTest::addColumn<int>("changes");
        QTest::addColumn<int>("undoable");
        QTest::newRow("19") << 19 << 19;
        QTest::newRow("20") << 20 << 20;
        QTest::newRow("21") << 21 << 20;
        QTest::newRow("40") << 40 << 20;
    }
    void undoLimit()
    {
        QFETCH(int, changes);
        QFETCH(int, undoable);
        MainWindow w;
        for (int i = 0; i < changes; ++i) {
            w.rowList().appendAll({ScoreRow(3, {i % 10, i / 10, 0, 0, 0, 0})});
            w.sealListChange();
        }
        int undone = 0;
        while (menuItemEnabled(w, "MnuKumoa") && undone <= changes) {
            QVERIFY(chooseMenuItem(w, "MnuKumoa"));
            ++undone;
        }
        QCOMPARE(undone, undoable);
        QCOMPARE(w.rowList().count(), changes - undoable);
        QCOMPARE(labelText(w, "lblArvottu"), QString::number(changes - undoable));
    }

    // A question answered No changes nothing, so there is nothing to take back.
    void refusedCommandLeavesNoEntry_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("mode switch") << "MnuSarake2";
        QTest::newRow("clear list") << "MnuTyhjennäLista";
    }
    void refusedCommandLeavesNoEntry()
    {
        QFETCH(QString, item);
        MainWindow w;
        MessageBox::setNextAnswer(false);
        w.rowList().appendAll({ScoreRow(3, {1, 1, 1, 1, 1, 1})});
        w.sealListChange();
        QVERIFY(chooseMenuItem(w, "MnuKumoa")); // takes the append back
        QVERIFY(!menuItemEnabled(w, "MnuKumoa"));
        QVERIFY(chooseMenuItem(w, "MnuTeeUudelleen"));
        QVERIFY(chooseMenuItem(w, item));
        QCOMPARE(w.rowList().count(), 1);
        QVERIFY(chooseMenuItem(w, "MnuKumoa"));
        QCOMPARE(w.rowList().count(), 0); // the entry undone is still the append
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
