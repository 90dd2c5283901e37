// Undo and redo over every command that changes the row list: one step each, named as in the
// menu, the list (and what "Tyhjennä kaikki" cleared) back exactly, and redone.
#include "windowtest.h"
#include <QMessageBox>
#include <optional>

using namespace WindowTest;

namespace {
// What the list shows; with the inputs of "Tyhjennä kaikki" where a row names them.
const QString ListKeys = "rows=|ticked=|lblArvottu=|lblKokoHinta=|matches=";
const QString InputKeys = "|txtMaali=|txtMaaliEnint_1=|txtMaalivah_1=|lbl1_0=|txtKertaa=|"
                          "chkKoti1_2=|lblRiviMaara=|Chk1Markka=|Chk2Markka=";

// Questions shown as real message boxes, each answered Yes once it is up; before that, "Kumoa"
// is chosen while the command is still open, which must take nothing back.
struct RealQuestions
{
    explicit RealQuestions(frmSarvento& w)
    {
        MessageBox::setHeadless(false);
        QObject::connect(&timer, &QTimer::timeout, [&w, this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->button(QMessageBox::Yes))
                return;
            child<QAction>(w, "MnuKumoa")->trigger();
            ++answered;
            box->button(QMessageBox::Yes)->click();
        });
        timer.start(10);
    }
    ~RealQuestions() { MessageBox::setHeadless(true); }
    QTimer timer;
    int answered = 0;
};

// Steps on a history's list: "{Name" opens a command, "}" ends the innermost, "+n" appends
// "n-0 0-0", "c" clears, "x" removes every row ticked, "u" and "r" undo and redo.
void playHistory(RowListHistory& history, const QString& script)
{
    std::vector<std::unique_ptr<ListCommand>> open;
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        if (step.startsWith('{'))
            open.push_back(std::make_unique<ListCommand>(history, step.mid(1)));
        else if (step.startsWith('+'))
            history.rows().appendAll({ScoreRow(2, {step.mid(1).toInt(), 0, 0, 0})});
        else if (step == "x")
            history.rows().checkAll(), history.rows().removeChecked();
        else if (step == "}")
            open.pop_back();
        else
            step == "c" ? history.rows().clear() : step == "u" ? history.undo() : history.redo();
    }
}
} // namespace

class TestUndo : public HeadlessWindowTest
{
    Q_OBJECT
    QTemporaryDir m_files;

private slots:
    void initTestCase()
    {
        setUpHeadless(m_settings);
        TestFile::write(m_files, "a.txt", "9-9 9-9 9-9\r\n0-1 2-3 4-5\r\n");
        TestFile::write(m_files, "b.txt", "8-8 8-8 8-8\r\n9-9 9-9 9-9\r\n");
        TestFile::write(m_files, "two.txt", "1-1 1-1\r\n2-2 2-2\r\n");
    }

    // Four rows, two ticked, then the setup. %1, %2: files of three matches, %3 of two. A
    // command starting "real;" answers its questions in real message boxes.
    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("step");   // "" for a command that leaves no step
        QTest::addColumn<QString>("undone"); // what differs from before once undone
        const QString limits = "set txtMaali 5; set txtKertaa 1; set txtMaaliEnint_1 4; set "
                               "txtMaalivah_1 1; click cmdArvo_Tulokset; set txtKertaa 3; tab 1; "
                               "grid 1,2 0 3 0 1 2; tab 0; tick Chk2Markka";
        const QString grid = "tab 1; grid 0 0 0 0 0 0,1";
        const auto compare = [](const QString& side) {
            return "menu MnuVetaile; file %2; click cmdAvaa_" + side + "; click cmdListaa_" + side;
        };
        // clang-format off
        QTest::newRow("remove ticked") << "" << "menu MnuPoistavalitutListalta" << "Poista valitut listalta" << "";
        QTest::newRow("clear list") << "" << "yes; menu MnuTyhjennäLista" << "Tyhjennä lista" << "";
        QTest::newRow("clear all") << limits << "yes; menu MnuTyhjennäKaikki" << "Tyhjennä kaikki" << "";
        QTest::newRow("clear all, real question") << limits << "real; menu MnuTyhjennäKaikki" << "Tyhjennä kaikki" << "";
        QTest::newRow("clear all, list kept") << limits << "no; menu MnuTyhjennäKaikki" << "Tyhjennä kaikki" << "";
        QTest::newRow("clear all, nothing to clear, list kept") << "" << "no; menu MnuTyhjennäKaikki" << "" << "";
        QTest::newRow("clear goals") << limits << "menu MnuTyhjennäMaalit" << "" << "";
        QTest::newRow("draw") << "set txtMaali 5; set txtKertaa 30" << "click cmdArvo_Tulokset" << "Arvo lopputulokset" << "";
        QTest::newRow("draw behind a progress window") << "set txtMaali 99; set txtKertaa 20000" << "click cmdArvo_Tulokset" << "Arvo lopputulokset" << "";
        QTest::newRow("system, old rows removed") << grid << "yes; click cmdListaa_Rivit" << "Listaa rivit" << "";
        QTest::newRow("system, old rows kept") << grid << "no; click cmdListaa_Rivit" << "Listaa rivit" << "";
        QTest::newRow("grid draw") << "set txtMaali 3; " + grid << "click cmd_Arvo_Jarjestelma" << "" << "";
        QTest::newRow("open") << "" << "yes; file %1; menu MnuAvaa" << "Avaa" << "";
        QTest::newRow("open of the other width") << "yes; menu MnuTyhjennäLista" << "file %3; menu MnuAvaa" << "Avaa" << "lblArvottu=";
        QTest::newRow("recent file") << "yes; file %2; menu MnuAvaa" << "no; recent 1" << "Avaa" << "";
        QTest::newRow("drop of two files") << "" << "yes; yes; drop %1 %2" << "Avaa" << "";
        QTest::newRow("drop of two files, real questions") << "" << "real; drop %1 %2" << "Avaa" << "";
        QTest::newRow("move from comparison 1") << "" << compare("1") << "Listaa 1 rivit" << "";
        QTest::newRow("move from comparison 2") << "" << compare("2") << "Listaa 2 rivit" << "";
        QTest::newRow("two matches") << "" << "yes; menu MnuSarake2" << "Sarakemäärä 2" << "";
        QTest::newRow("two matches, No") << "" << "no; menu MnuSarake2" << "" << "";
        QTest::newRow("three matches") << "yes; menu MnuSarake2; add 1-1 1-1" << "yes; menu MnuSarake3" << "Sarakemäärä 3" << "";
        // clang-format on
    }
    void undoAndRedo()
    {
        QFETCH(QString, setup);
        QFETCH(QString, command);
        QFETCH(QString, step);
        const bool inputs = command.contains("MnuTyhjennäKaikki");
        ModalRunner::setHandler([](QDialog&) { return 1; }); // the duplicates notice
        MainWindow w;
        const auto withFiles = [this](QString script) {
            for (const char* file : {"%1 a.txt", "%2 b.txt", "%3 two.txt"})
                script.replace(QString(file).left(2), m_files.filePath(QString(file).mid(3)));
            return script;
        };
        QCOMPARE(play(w, "add 0-1 2-3 4-5; add 1-1 2-3 4-5; add 2-1 2-3 4-5; add 3-1 2-3 4-5; "
                         "check 1; check 3; " +
                             withFiles(setup)),
                 QString());
        const QString keys = ListKeys + (inputs ? InputKeys : QString());
        const QString before = seen(w, keys), was = seen(w, "undo=|steps=");
        std::optional<RealQuestions> questions;
        if (command.startsWith("real;"))
            questions.emplace(w);
        QCOMPARE(play(w, withFiles(command).remove("real;")), QString());
        QVERIFY(!questions || questions->answered > 0);
        questions.reset();
        const QString after = seen(w, keys);
        if (step.isEmpty()) { // nothing to take back: the last step stays the last
            QCOMPARE(seen(w, "undo=|steps="), was);
            return;
        }
        const QString done =
            QString("undo=Kumoa: %1|steps=%2").arg(step).arg(was.section('=', -1).toInt() + 1);
        QCOMPARE(seen(w, "undo=|steps="), done);
        QVERIFY(after != before);

        QCOMPARE(play(w, "menu MnuKumoa"), QString());
        QString undoneTo = before + '|' + was + "|redo=Tee uudelleen: " + step;
        QFETCH(QString, undone);
        for (const QString& pair : undone.split('|', Qt::SkipEmptyParts))
            undoneTo.replace(QRegularExpression(pair.section('=', 0, 0) + "=[^|]*"), pair);
        QCOMPARE(seen(w, keys + '|' + was + "|redo="), undoneTo);
        QCOMPARE(play(w, "menu MnuTeeUudelleen"), QString());
        QCOMPARE(seen(w, keys + '|' + done), after + '|' + done);
    }

    // One step a command whatever it nests, none for one that changed nothing, a step for a
    // change outside any command, no undo or redo while a command is open.
    void scopes_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("steps"); // the names on the stack
        QTest::addColumn<int>("done");      // how many of them are done
        QTest::addColumn<QString>("rows");
        // clang-format off
        QTest::newRow("one command") << "{A +1 +2 }" << "A" << 1 << "1,2";
        QTest::newRow("nested commands join the outer") << "{A +1 {B +2 } +3 }" << "A" << 1 << "1,2,3";
        QTest::newRow("a command that changed nothing") << "{A } +1" << "Listan muutos" << 1 << "1";
        QTest::newRow("outside, each change a step") << "+1 +2 x +3" << "Listan muutos,Listan muutos,Listan muutos,Listan muutos" << 4 << "3";
        QTest::newRow("outside after a command") << "{A +1 } c" << "A,Listan muutos" << 2 << "";
        QTest::newRow("outside taken back first") << "{A +1 } +2 u" << "A,Listan muutos" << 1 << "1";
        QTest::newRow("no undo while open") << "+1 {A +2 u } u" << "Listan muutos,A" << 1 << "1";
        QTest::newRow("no redo while open") << "+1 u {A r +2 }" << "A" << 1 << "2";
        QTest::newRow("clear and append, undone and redone") << "+1 {A c +2 +3 } u r" << "Listan muutos,A" << 2 << "2,3";
        // clang-format on
    }
    void scopes()
    {
        QFETCH(QString, script);
        RowListModel rows;
        RowListHistory history(rows);
        playHistory(history, script);
        QStringList steps;
        for (int i = 0; i < history.stack().count(); ++i)
            steps << history.stack().text(i);
        QTEST(steps.join(','), "steps");
        QTEST(history.stack().index(), "done");
        QTEST(listed(rows).join(',').remove("-0 0-0"), "rows");
    }

    // Only the last 20 list changes can be taken back: a step may hold millions of rows.
    void undoLimit()
    {
        MainWindow w;
        for (int i = 0; i < 21; ++i)
            QCOMPARE(play(w, QString("add %1-%2 0-0 0-0").arg(i % 10).arg(i / 10)), QString());
        int undone = 0;
        while (menuItemEnabled(w, "MnuKumoa") && undone <= 21) {
            QCOMPARE(play(w, "menu MnuKumoa"), QString());
            ++undone;
        }
        QCOMPARE(undone, 20);
        QCOMPARE(labelText(w, "lblArvottu"), "1");
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
