#include "ui/frmVakio.h"
#include "windowtest.h"
#include <QCheckBox>
#include <QComboBox>

using namespace WindowTest;

namespace {
// Answers the cover counts and notes whether the window had stepped aside meanwhile.
class AnswerBox : public InputBox
{
public:
    QStringList answers;
    QStringList asked;
    QWidget* window = nullptr;
    bool windowShownWhileAsked = false;

    QString ask(QWidget*, const QString& title, const QString& prompt,
                const QString& initial) override
    {
        asked << title + " / " + prompt + " / " + initial;
        windowShownWhileAsked |= window->isVisible();
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

const quint64 seed = 42;
} // namespace

class FrmVakioTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<GeneratorRandom> m_random;
    std::unique_ptr<frmVakio> m_window;
    AnswerBox m_answers;

    QLineEdit* box(int i)
    {
        return child<QLineEdit>(*m_window, QStringLiteral("txtvakio_%1").arg(i));
    }
    void choose(const QString& matches)
    {
        auto* list = child<QComboBox>(*m_window, "cboKohteita");
        list->setCurrentIndex(list->findText(matches));
    }
    void fillBoxes(const QString& text)
    {
        for (int i = 1; i <= 13; ++i)
            box(i)->setText(text);
    }
    // The row the window's generator draws first for the given number of matches.
    Vakio::Boxes expectedRow(int matches)
    {
        GeneratorRandom twin(seed);
        Vakio::Boxes boxes;
        boxes.fill("v");
        Vakio::drawRow(boxes, matches, twin);
        return boxes;
    }

private slots:
    void initTestCase() { setUpHeadless(m_dir); }
    void init()
    {
        resetBetweenTests(m_dir);
        m_random = std::make_unique<GeneratorRandom>(seed);
        m_window = std::make_unique<frmVakio>(*m_random);
        m_answers = AnswerBox();
        m_answers.window = m_window.get();
        m_window->setInputBox(m_answers);
        m_window->show();
    }

    // Boxes above the number of matches are hidden and keep their text until a draw with more
    // matches shows and fills them again.
    void matchCount_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("matches");
        QTest::newRow("10") << "10" << 10;
        QTest::newRow("11") << "11" << 11;
        QTest::newRow("12") << "12" << 12;
        QTest::newRow("13") << "13" << 13;
        QTest::newRow("no choice") << "" << 13;
    }
    void matchCount()
    {
        QFETCH(QString, choice);
        QFETCH(int, matches);
        fillBoxes("v");
        choose(choice);
        child<QPushButton>(*m_window, "cmdArvoVakio")->click();
        const Vakio::Boxes expected = expectedRow(matches);
        for (int i = 1; i <= 13; ++i) {
            QCOMPARE(box(i)->text(), expected[i - 1]);
            QCOMPARE(box(i)->isHidden(), i > matches);
        }
        choose("13");
        child<QPushButton>(*m_window, "cmdArvoVakio")->click();
        for (int i = 1; i <= 13; ++i) {
            QVERIFY(box(i)->isVisible());
            QVERIFY(QStringList({"1", "x", "2"}).contains(box(i)->text()));
        }
    }

    void system_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("covers"); // full and half covers found
        QTest::addColumn<QString>("message");
        const QString refused = "Koitappa uudestaan!";
        QTest::newRow("not ticked") << "13" << false << QStringList{"13", "0"} << "0 0"
                                    << "";
        QTest::newRow("F 13") << "13" << true << QStringList{"13", "0"} << "13 0"
                              << "";
        QTest::newRow("H 13") << "13" << true << QStringList{"0", "13"} << "0 13"
                              << "";
        QTest::newRow("F 2,9 H 3") << "12" << true << QStringList{"2,9", "3"} << "2 3"
                                   << "";
        QTest::newRow("10 matches, F 3 H 7") << "10" << true << QStringList{"3", "7"} << "3 7"
                                             << "";
        QTest::newRow("F 7 H 7") << "13" << true << QStringList{"7", "7"} << "0 0" << refused;
        QTest::newRow("10 matches, F 6 H 5")
            << "10" << true << QStringList{"6", "5"} << "0 0" << refused;
        QTest::newRow("first cancelled") << "13" << true << QStringList{"", "3"} << "0 0"
                                         << "";
        QTest::newRow("second not a number") << "13" << true << QStringList{"2", "x"} << "0 0"
                                             << "";
    }
    void system()
    {
        QFETCH(QString, choice);
        QFETCH(bool, ticked);
        QFETCH(QStringList, answers);
        fillBoxes("v");
        choose(choice);
        child<QCheckBox>(*m_window, "chkVakio")->setChecked(ticked);
        m_answers.answers = answers;
        child<QPushButton>(*m_window, "cmdArvoVakio")->click();

        const int matches = choice.toInt();
        const Vakio::Boxes drawn = expectedRow(matches);
        int fulls = 0, halves = 0;
        for (int i = 1; i <= 13; ++i) {
            const QString text = box(i)->text();
            if (i > matches)
                QCOMPARE(text, drawn[i - 1]);
            else if (text == "1x2")
                ++fulls;
            else if (text.size() == 2 && text.contains(drawn[i - 1]))
                ++halves;
            else
                QCOMPARE(text, drawn[i - 1]);
            QCOMPARE(box(i)->isHidden(), i > matches);
        }
        QTEST(QString("%1 %2").arg(fulls).arg(halves), "covers");
        QTEST(MessageBox::shownTexts().join('\n'), "message");
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_answers.windowShownWhileAsked);
        if (ticked)
            QCOMPARE(
                m_answers.asked,
                (QStringList{"Montako täysin pelattua? / Anna kpl-määrä, eli merkki on 1x2. / 0",
                             "Montako osin pelattua? / Anna kpl-määrä, eli merkki on 1x, 12 tai "
                             "x2. / 0"}));
        else
            QVERIFY(m_answers.asked.isEmpty());
    }

    // Emptying reaches the hidden boxes too and leaves them hidden.
    void empty()
    {
        choose("10");
        auto* system = child<QCheckBox>(*m_window, "chkVakio");
        system->setChecked(true);
        m_answers.answers = QStringList{"2", "2"};
        child<QPushButton>(*m_window, "cmdArvoVakio")->click();
        box(12)->setText("1x2");
        child<QPushButton>(*m_window, QString::fromUtf8("cmdtyhjäävakio"))->click();
        for (int i = 1; i <= 13; ++i) {
            QCOMPARE(box(i)->text(), QString());
            QCOMPARE(box(i)->isHidden(), i > 10);
        }
        QVERIFY(!system->isChecked());
    }

    void closing_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Lopeta") << true;
        QTest::newRow("close control") << false;
    }
    void closing()
    {
        QFETCH(bool, byButton);
        QSignalSpy closed(m_window.get(), &frmVakio::closed);
        if (byButton)
            child<QPushButton>(*m_window, "cmdLopeta")->click();
        else
            m_window->close();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!m_window->isVisible());
    }
};

QTEST_MAIN(FrmVakioTest)
#include "tst_frmvakio.moc"
