#include "liveobjects.h"
#include "ui/games/frmKeno.h"
#include "ui/games/frmLotot.h"
#include "ui/games/frmRandom.h"
#include "ui/games/frmVakio.h"
#include "ui/games/frmVeto.h"
#include "ui/games/lottocountchart.h"
#include "windowtest.h"
#include <QtCharts/QBarSet>

using namespace WindowTest;

// Answers the cover counts in turn.
struct AnswerBox : InputBox
{
    QStringList answers;
    QString ask(QWidget*, const QString&, const QString&, const QString&) override
    {
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

class LottoWindowsTest : public HeadlessWindowTest
{
    Q_OBJECT
    GeneratorRandom m_random{20240611};

    static void click(QWidget& w, const QString& name) { child<QAbstractButton>(w, name)->click(); }
    static QString messages() { return QString("!").repeated(MessageBox::shownTexts().size()); }
    // "boxes shown/filled/numbers in the row text" for one half; filled boxes match the row.
    static QString half(QWidget& w, const QString& game)
    {
        QStringList shown;
        for (auto* box : w.findChildren<QLineEdit*>(QRegularExpression("^txt" + game + "_")))
            if (box->isVisibleTo(&w))
                shown << box->text();
        const QString row = child<QLineEdit>(w, "txt" + game + "Rivi")->text();
        const int filled = int(shown.size() - shown.count(QString()));
        if (filled == shown.size() && row != shown.join(','))
            return row + " differs from the boxes";
        return QString::number(shown.size()) + "/" + QString::number(filled) + "/" +
               QString::number(row.count(',') + !row.isEmpty());
    }

private slots:

    // Steps: "optN" sizes the next draw, "Lotto"/"Viking" draws, else a button. "!": a message.
    void lottoDraws_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("lotto");
        QTest::addColumn<QString>("viking");
        // clang-format off
        QTest::newRow("then plain Lotto") << QStringList{"opt10", "Lotto", "Lotto"} << "7/7/7" << "6/0/0";
        QTest::newRow("Viking 9") << QStringList{"opt9", "Viking"} << "7/0/0" << "9/9/9";
        QTest::newRow("Viking 10 refused") << QStringList{"Viking", "opt10", "Viking"} << "7/0/0" << "6/6/6!";
        QTest::newRow("Lotto clear") << QStringList{"opt8", "Lotto", "Viking", "cmdtyhjäälotto"} << "7/0/8" << "6/6/6";
        QTest::newRow("clear drops the size") << QStringList{"opt9", "cmdtyhjäälotto", "Lotto"} << "7/7/7" << "6/0/0";
        QTest::newRow("clear keeps the row text") << QStringList{"opt8", "Viking", "Lotto", "opt9", "cmdTyhjaaViiking"} << "7/7/7" << "6/0/8";
        // clang-format on
    }
    void lottoDraws()
    {
        QFETCH(QStringList, steps);
        frmLotot w(m_random);
        for (const QString& step : steps)
            click(w, step == "Lotto" ? "cmdArvoLotto" : step == "Viking" ? "cmdArvoViiking" : step);
        QTEST(half(w, "Lotto"), "lotto");
        QTEST(half(w, "Viking") + messages(), "viking");
    }

    // Steps: "rows N" runs N rows, "Stop"/"close" comes during the next run, else a click.
    void machine_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("drawn"); // the indicator, a pattern; "!": a message
        QTest::addColumn<int>("visible");   // positions shown
        QTest::addColumn<QString>("told");  // part of the message
        // clang-format off
        QTest::newRow("Viking, best 11") << QStringList{"optPeli_1", "rows 1000", "optNayta_11"} << "1000" << 11 << "";
        QTest::newRow("least first") << QStringList{"rows 1", "cmdJarjestaPieni"} << "1" << 7 << "";
        QTest::newRow("none after a run") << QStringList{"rows 1000", "rows 0"} << "0" << 0 << "";
        QTest::newRow("far below 0 after a run") << QStringList{"rows 300", "rows -99999999999"} << "0" << 0 << "";
        QTest::newRow("game change clears") << QStringList{"rows 200", "optPeli_1", "optNayta_9"} << "" << 6 << "";
        QTest::newRow("fraction refused") << QStringList{"rows 12,5"} << "!" << 48 << "kokonaislukuna";
        QTest::newRow("too large after a run") << QStringList{"rows 100", "rows 2147483648"} << "100!" << 7 << "liian suuri. Suurin sallittu on 2147483647.";
        QTest::newRow("Stop") << QStringList{"Stop", "rows 2147483647"} << "[1-9]\\d*00" << 7 << "";
        QTest::newRow("closed during a run") << QStringList{"close", "rows 2000000000"} << "[1-9]\\d*00" << 7 << "";
        // clang-format on
    }
    void machine()
    {
        QFETCH(QStringList, steps);
        const int perRow = steps.contains("optPeli_1") ? 6 : 7; // numbers in a Viking or Lotto row
        QVERIFY(LiveObjects::available());
        LiveObjects live;
        auto window = std::make_unique<frmRandom>(m_random);
        frmRandom& w = *window;
        QSignalSpy closed(&w, SIGNAL(closed()));
        w.show();
        QStringList enabled;
        for (const QString& step : steps) {
            if (step.startsWith("rows "))
                child<QLineEdit>(w, "txtLkmMaara")->setText(step.mid(5));
            if (step != "Stop" && step != "close")
                click(w, step.startsWith("rows ") ? "Command1" : step);
            else
                QTimer::singleShot(150, &w, [&w, &enabled, step] {
                    for (const char* name :
                         {"Command1", "cmdLopeta", "cmdJarjestaIso", "cmdJarjestaPieni",
                          "optPeli_1", "optNayta_8", "cmdStop"})
                        if (w.findChild<QWidget*>(name)->isEnabled())
                            enabled << name;
                    step == "close" ? void(w.close()) : click(w, "cmdStop");
                });
        }
        const QString indicator = labelText(w, "Arvottu");
        QFETCH(QString, drawn);
        QFETCH(QString, told);
        QVERIFY2(QRegularExpression("^(" + drawn + ")$").match(indicator + messages()).hasMatch(),
                 qPrintable(indicator + messages()));
        QVERIFY(MessageBox::shownTexts().join('/').contains(told));
        QVERIFY(!w.isRunning() && child<QPushButton>(w, "cmdLopeta")->isEnabled());
        const bool stopped = steps.contains("Stop") || steps.contains("close");
        QCOMPARE(enabled.join(','), stopped ? "optNayta_8,cmdStop" : "");
        QCOMPARE(closed.count(), int(steps.contains("close")));
        qint64 total = 0;
        QStringList best;
        for (int k = 1; k <= LottoMachine::Positions; ++k) {
            total += labelText(w, "nro_" + QString::number(k)).toLongLong();
            if (child<QLabel>(w, "Pallo_" + QString::number(k))->isVisibleTo(&w))
                best << labelText(w, "Pallo_" + QString::number(k));
        }
        QCOMPARE(total, perRow * indicator.toLongLong());
        QTEST(int(best.size()), "visible");
        QCOMPARE(child<QLineEdit>(w, "txtLottoRivi")->text(),
                 indicator.isEmpty() ? "" : best.join(","));
        if (steps.contains("cmdJarjestaPieni")) // with nothing drawn, nothing moves
            QCOMPARE(labelText(w, "nro_1"), indicator.toLongLong() > 0 ? "0" : "");
        // The chart counts what the table counts and lights the best row.
        const QBarSet* bars = w.findChild<LottoCountChart*>("chtArvotut")->bars();
        for (int k = 0; k < bars->count(); ++k) {
            total -= qint64(bars->at(k));
            QVERIFY(!bars->isBarSelected(k) || best.contains(QString::number(k + 1)));
        }
        QCOMPARE(total, 0);
        QCOMPARE(bars->selectedBars().size(), indicator.isEmpty() ? 0 : best.size());
        window.reset(); // no chart left behind
        QCOMPARE(live.count<QChart>(), 0);
    }

    // Steps: matches drawn over boxes holding "v", or "tyhjää"; answers tick the system box.
    // Boxes sorted: "m" mark, "c" cover, "v" old text, "e" empty, hidden upper case.
    void vakio_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("boxes");
        // clang-format off
        QTest::newRow("13 after 10 shows all") << QStringList{"10", "13"} << QStringList{} << "mmmmmmmmmmmmm";
        QTest::newRow("10, F 2,7 H -3") << QStringList{"10"} << QStringList{"2,7", "-3"} << "VVVccmmmmmmmm";
        QTest::newRow("F 6 H 5 refused") << QStringList{"10"} << QStringList{"6", "5"} << "VVVmmmmmmmmmm!";
        QTest::newRow("emptying reaches hidden boxes") << QStringList{"10", "tyhjää"} << QStringList{"0", "0"} << "EEEeeeeeeeeee";
        // clang-format on
    }
    void vakio()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, answers);
        frmVakio w(m_random);
        AnswerBox input;
        input.answers = answers;
        w.setInputBox(input);
        w.show();
        child<QCheckBox>(w, "chkVakio")->setChecked(!answers.isEmpty());
        const auto boxes = w.findChildren<QLineEdit*>(QRegularExpression("^txtvakio_"));
        for (const QString& step : steps) {
            for (QLineEdit* box : boxes)
                box->setText("v");
            auto* list = child<QComboBox>(w, "cboKohteita");
            list->setCurrentIndex(list->findText(step));
            child<QPushButton>(w, step == "tyhjää" ? "cmdtyhjäävakio" : "cmdArvoVakio")->click();
        }
        QString shape;
        for (QLineEdit* box : boxes) {
            const QString t = box->text();
            const QChar c = t.isEmpty() ? 'e' : t == "v" ? 'v' : t.size() > 1 ? 'c' : 'm';
            shape += box->isHidden() ? c.toUpper() : c;
        }
        std::sort(shape.begin(), shape.end());
        QTEST(shape + messages(), "boxes");
        QVERIFY(input.answers.isEmpty()); // both counts asked
        QCOMPARE(child<QCheckBox>(w, "chkVakio")->isChecked(),
                 !answers.isEmpty() && steps.last() != "tyhjää");
    }

    // Each size draws that many distinct numbers from 1 to 70, ascending.
    void keno_data()
    {
        QTest::addColumn<QString>("option"); // empty: as the window opened
        QTest::addColumn<int>("size");
        QTest::newRow("opened with 10") << "" << 10;
        for (int size = KenoSmallest; size <= KenoLargest; ++size)
            QTest::addRow("opt%d", size) << QString("opt%1").arg(size) << size;
    }
    void keno()
    {
        QFETCH(QString, option);
        QFETCH(int, size);
        frmKeno w(m_random);
        w.show();
        if (!option.isEmpty())
            click(w, option);
        auto* row = child<QLineEdit>(w, "txtArvottuKeno");
        QSet<int> seen;
        for (int draw = 0; draw < 20; ++draw) {
            click(w, "cmdArvoKeno");
            int last = 0;
            for (const QString& text : row->text().split(',')) {
                QVERIFY2(text.toInt() > last && text.toInt() <= KenoHighest,
                         qPrintable(row->text()));
                seen << (last = text.toInt());
            }
            QCOMPARE(int(row->text().split(',').size()), size);
        }
        QVERIFY(seen.size() > size); // a fresh row each time
    }

    // The chosen number of matches get an outcome ("o"); an empty box is one repetition.
    void veto_data()
    {
        QTest::addColumn<QString>("option"); // empty: as the window opened
        QTest::addColumn<QString>("repetitions");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("opened with 3, empty box") << "" << "" << "ooo";
        QTest::newRow("4") << "opt4" << "0" << "oooo";
        QTest::newRow("far below zero draws nothing") << "opt6" << "-50" << "";
        QTest::newRow("one more refused") << "opt6" << "1000001" << "!";
        // clang-format on
    }
    void veto()
    {
        QFETCH(QString, option);
        QFETCH(QString, repetitions);
        frmVeto w(m_random);
        if (!option.isEmpty())
            click(w, option);
        child<QLineEdit>(w, "txtKertaa")->setText(repetitions);
        click(w, "cmdArvo");
        QString shape;
        for (QLabel* label : w.findChildren<QLabel*>(QRegularExpression("^lbltulo_")))
            shape += QStringList{"1", "X", "2"}.contains(label->text()) ? "o" : label->text();
        QTEST(shape + messages(), "expected");
    }
};

QTEST_MAIN(LottoWindowsTest)
#include "tst_lottowindows.moc"
