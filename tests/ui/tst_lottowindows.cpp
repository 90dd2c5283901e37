#include "ui/frmKeno.h"
#include "ui/frmLotot.h"
#include "ui/frmRandom.h"
#include "ui/lottocountchart.h"
#include "windowtest.h"
#include <QClipboard>
#include <QRadioButton>
#include <QtCharts/QBarSet>

using namespace WindowTest;

namespace {
// "visible/filled/in row text" for one game's number boxes (prefix1, prefix2, ...); the row
// text must repeat the boxes when they are all filled.
QString numberBoxes(QWidget& w, const QString& prefix, int boxes, const QString& row)
{
    QStringList visible;
    for (int k = 1; k <= boxes; ++k) {
        auto* box = child<QLineEdit>(w, prefix + QString::number(k));
        if (box->isVisibleTo(&w))
            visible << box->text();
    }
    const QString rowText = child<QLineEdit>(w, row)->text();
    const int filled = int(visible.size() - visible.count(QString()));
    if (filled == visible.size() && rowText != visible.join(","))
        return rowText + " differs from the boxes";
    return QStringLiteral("%1/%2/%3")
        .arg(visible.size())
        .arg(filled)
        .arg(rowText.isEmpty() ? 0 : rowText.count(u',') + 1);
}

void click(QWidget& w, const QString& name)
{
    child<QAbstractButton>(w, name)->click();
}

QString text(QWidget& w, const QString& name)
{
    return child<QLineEdit>(w, name)->text();
}
} // namespace

class LottoWindowsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    GeneratorRandom m_random{20240611};

    // Counts the lotto machine shows, the sum of them and the visible positions' balls.
    struct Shown
    {
        qint64 total = 0;
        QStringList best;
    };
    Shown shown(frmRandom& w)
    {
        Shown s;
        for (int k = 1; k <= LottoMachine::Positions; ++k) {
            s.total += labelText(w, "nro_" + QString::number(k)).toLongLong();
            if (child<QLabel>(w, "Pallo_" + QString::number(k))->isVisibleTo(&w))
                s.best << labelText(w, "Pallo_" + QString::number(k));
        }
        return s;
    }

private slots:
    void initTestCase() { setUpHeadless(m_dir); }
    void init() { resetBetweenTests(m_dir); }

    // "Lopeta" and the window's own close control both bring the main window back.
    void closing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        for (const char* window : {"frmLotot", "frmRandom", "frmKeno"}) {
            const QString button = QString(window) == "frmKeno" ? "cmdEnd" : "cmdLopeta";
            QTest::addRow("%s button", window) << window << button;
            QTest::addRow("%s frame", window) << window << "";
        }
    }
    void closing()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        std::unique_ptr<QWidget> w;
        if (window == "frmLotot")
            w = std::make_unique<frmLotot>(m_random);
        else if (window == "frmRandom")
            w = std::make_unique<frmRandom>(m_random);
        else
            w = std::make_unique<frmKeno>(m_random);
        QSignalSpy closed(w.get(), SIGNAL(closed()));
        w->show();
        button.isEmpty() ? void(w->close()) : click(*w, button);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!w->isVisible());
    }

    // Steps: "optN" selects a size, "Lotto" or "Viking" draws, a button name clicks it.
    void lottoDraws_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("lotto");
        QTest::addColumn<QString>("viking");
        QTest::addColumn<bool>("sizeKept");
        QTest::addColumn<QString>("message");
        const QString refused = "Viking Lotossa ei ole 10 numeron järjestelmää.";
        // clang-format off
        QTest::newRow("plain Lotto") << QStringList{"Lotto"} << "7/7/7" << "6/0/0" << false << "";
        QTest::newRow("Lotto 10") << QStringList{"opt10", "Lotto"} << "10/10/10" << "6/0/0" << false << "";
        QTest::newRow("size for one draw only") << QStringList{"opt10", "Lotto", "Lotto"} << "7/7/7" << "6/0/0" << false << "";
        QTest::newRow("Lotto 7 is plain") << QStringList{"opt7", "Lotto"} << "7/7/7" << "6/0/0" << false << "";
        QTest::newRow("Viking 9") << QStringList{"opt9", "Viking"} << "7/0/0" << "9/9/9" << false << "";
        QTest::newRow("Viking 10 refused") << QStringList{"Viking", "opt10", "Viking"} << "7/0/0" << "6/6/6" << true << refused;
        QTest::newRow("clear keeps the row text") << QStringList{"opt8", "Viking", "Lotto", "opt9", "cmdTyhjaaViiking"} << "7/7/7" << "6/0/8" << false << "";
        QTest::newRow("clear Lotto") << QStringList{"opt9", "Lotto", "cmdtyhjäälotto"} << "7/0/9" << "6/0/0" << false << "";
        // clang-format on
    }
    void lottoDraws()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, sizeKept);
        frmLotot w(m_random);
        QGuiApplication::clipboard()->setText("before");
        QString lottoRow = "before";
        QString lastSize;
        for (const QString& step : steps) {
            click(w, step == "Lotto" ? "cmdArvoLotto" : step == "Viking" ? "cmdArvoViiking" : step);
            if (step == "Lotto")
                lottoRow = text(w, "txtLottoRivi");
            if (step.startsWith("opt"))
                lastSize = step;
        }
        QTEST(numberBoxes(w, "txtLotto_", 10, "txtLottoRivi"), "lotto");
        QTEST(numberBoxes(w, "txtViking_", 9, "txtVikingRivi"), "viking");
        QTEST(MessageBox::shownTexts().join(""), "message");
        QCOMPARE(QGuiApplication::clipboard()->text(), lottoRow);
        QCOMPARE(child<QRadioButton>(w, lastSize.isEmpty() ? "opt7" : lastSize)->isChecked(),
                 sizeKept);
    }

    // Drawn rows are selected whole for copying; so is a row text box the player clicks into.
    void wholeTextSelected_data()
    {
        QTest::addColumn<QString>("size"); // Keno option, or "" for the Lotto window
        QTest::addColumn<int>("numbers");
        QTest::newRow("Keno opening choice") << "" << 10;
        QTest::newRow("Keno 2") << "opt2" << 2;
        QTest::newRow("Viking row box clicked") << "Lotto" << 6;
    }
    void wholeTextSelected()
    {
        QFETCH(QString, size);
        std::unique_ptr<QWidget> w;
        QLineEdit* row = nullptr;
        if (size == "Lotto") {
            w = std::make_unique<frmLotot>(m_random);
            row = child<QLineEdit>(*w, "txtVikingRivi");
            row->setText("1,2,3,4,5,6");
        } else {
            w = std::make_unique<frmKeno>(m_random);
            row = child<QLineEdit>(*w, "txtArvottuKeno");
        }
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        if (size == "Lotto") {
            click(*w, "cmdArvoLotto"); // the focus goes to the Lotto row
            QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(4, 4));
        } else {
            if (!size.isEmpty())
                click(*w, size);
            click(*w, "cmdArvoKeno");
        }
        QCoreApplication::processEvents();
        QVERIFY(row->hasFocus());
        QCOMPARE(row->selectedText(), row->text());
        QTEST(int(row->text().split(u',').size()), "numbers");
    }

    // Steps: a game or show-best option to click, "rows N" to run N rows, "ISO"/"PIENI" to rank.
    void machine_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("drawn"); // the indicator
        QTest::addColumn<qint64>("total");  // the counts shown add up to this
        QTest::addColumn<int>("visible");   // positions shown
        QTest::addColumn<int>("best");      // numbers in the best row
        QTest::addColumn<QString>("first"); // count of the first position, "*" for any
        QTest::addColumn<QString>("message");
        const QString notWhole = "Anna arvottava rivimäärä kokonaislukuna.";
        const QStringList viking11{"optPeli_1", "rows 1000", "optNayta_11"};
        // clang-format off
        QTest::newRow("Lotto 1000") << QStringList{"rows 1000"} << "1000" << 7000LL << 7 << 7 << "*" << "";
        QTest::newRow("Viking 1000") << viking11 << "1000" << 6000LL << 11 << 11 << "*" << "";
        QTest::newRow("6 before any change") << QStringList{"optNayta_6", "rows 1"} << "1" << 7LL << 6 << 6 << "1" << "";
        QTest::newRow("least first") << QStringList{"rows 1", "PIENI"} << "1" << 7LL << 7 << 7 << "0" << "";
        QTest::newRow("none drawn") << QStringList{"rows 0", "PIENI"} << "" << 0LL << 0 << 0 << "" << "";
        // The show-best change the game makes still shows the old table's best positions.
        QTest::newRow("game change clears") << QStringList{"rows 200", "optPeli_1", "optNayta_9"} << "" << 0LL << 6 << 0 << "" << "";
        QTest::newRow("fraction refused") << QStringList{"rows 12,5"} << "" << 0LL << 48 << 0 << "" << notWhole;
        QTest::newRow("beyond 32 bits refused") << QStringList{"rows 2147483648"} << "" << 0LL << 48 << 0 << "" << notWhole;
        // clang-format on
    }
    void machine()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, best);
        frmRandom w(m_random);
        for (const QString& step : steps) {
            if (step.startsWith("rows ")) {
                child<QLineEdit>(w, "txtLkmMaara")->setText(step.mid(5));
                click(w, "Command1");
            } else {
                click(w, step == "ISO"     ? "cmdJarjestaIso"
                         : step == "PIENI" ? "cmdJarjestaPieni"
                                           : step);
            }
        }
        QTEST(labelText(w, "Arvottu"), "drawn");
        QTEST(MessageBox::shownTexts().join(""), "message");
        QFETCH(QString, first);
        if (first != "*")
            QCOMPARE(labelText(w, "nro_1"), first);
        const Shown s = shown(w);
        QTEST(s.total, "total");
        QTEST(int(s.best.size()), "visible");
        QCOMPARE(text(w, "txtLottoRivi"), best ? s.best.join(",") : QString());
        // The chart counts what the table counts and highlights the best row.
        const QBarSet* bars = w.findChild<LottoCountChart*>("chtArvotut")->bars();
        qint64 charted = 0;
        for (int k = 0; k < bars->count(); ++k)
            charted += qint64(bars->at(k));
        QCOMPARE(charted, s.total);
        QStringList highlighted;
        for (const QString& ball : s.best.mid(0, best))
            highlighted << (bars->isBarSelected(ball.toInt() - 1) ? ball : "not " + ball);
        QCOMPARE(highlighted, s.best.mid(0, best));
        QCOMPARE(bars->selectedBars().size(), best);
    }

    // Stop, and closing the window, end a run at the next check; meanwhile only Stop and
    // the show-best choice answer.
    void stopDuringRun_data()
    {
        QTest::addColumn<bool>("closing");
        QTest::newRow("Stop") << false;
        QTest::newRow("close") << true;
    }
    void stopDuringRun()
    {
        QFETCH(bool, closing);
        frmRandom w(m_random);
        QSignalSpy closed(&w, SIGNAL(closed()));
        w.show();
        child<QLineEdit>(w, "txtLkmMaara")->setText("2000000000");
        QStringList enabled;
        QTimer::singleShot(150, &w, [&] {
            for (const char* name : {"Command1", "cmdLopeta", "cmdJarjestaIso", "cmdJarjestaPieni",
                                     "optPeli_1", "optNayta_8", "cmdStop"}) {
                if (w.findChild<QWidget*>(name)->isEnabled())
                    enabled << name;
            }
            closing ? void(w.close()) : click(w, "cmdStop");
        });
        click(w, "Command1");
        QCOMPARE(enabled, (QStringList{"optNayta_8", "cmdStop"}));
        QVERIFY(!w.isRunning());
        const qint64 drawn = labelText(w, "Arvottu").toLongLong();
        QVERIFY(drawn > 0 && drawn < 2000000000 && drawn % 100 == 0);
        QCOMPARE(shown(w).total, 7 * drawn);
        QCOMPARE(closed.count(), int(closing));
        QCOMPARE(w.isVisible(), !closing);
        QVERIFY(child<QPushButton>(w, "cmdLopeta")->isEnabled());
    }
};

QTEST_MAIN(LottoWindowsTest)
#include "tst_lottowindows.moc"
