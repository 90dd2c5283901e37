#include "ui/frmVakio.h"
#include "windowtest.h"
#include <QCheckBox>
#include <QComboBox>

using namespace WindowTest;

namespace {
// Answers the cover counts and notes whether the window had stepped aside meanwhile.
struct AnswerBox : InputBox
{
    QStringList answers;
    int asked = 0;
    QWidget* window = nullptr;
    bool windowShownWhileAsked = false;

    QString ask(QWidget*, const QString&, const QString&, const QString&) override
    {
        ++asked;
        windowShownWhileAsked |= window->isVisible();
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

bool isMark(const QString& text)
{
    return text == "1" || text == "x" || text == "2";
}
} // namespace

class FrmVakioTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<GeneratorRandom> m_random;
    std::unique_ptr<frmVakio> m_window;
    AnswerBox m_answers;

    QLineEdit* box(int i) { return child<QLineEdit>(*m_window, "txtvakio_" + QString::number(i)); }
    // Fills the boxes with "v", chooses the number of matches and draws.
    void draw(const QString& matches)
    {
        for (int i = 1; i <= 13; ++i)
            box(i)->setText("v");
        auto* list = child<QComboBox>(*m_window, "cboKohteita");
        list->setCurrentIndex(list->findText(matches));
        child<QPushButton>(*m_window, "cmdArvoVakio")->click();
    }

private slots:
    void initTestCase() { setUpHeadless(m_dir); }
    void init()
    {
        resetBetweenTests(m_dir);
        m_random = std::make_unique<GeneratorRandom>(42);
        m_window = std::make_unique<frmVakio>(*m_random);
        m_answers = AnswerBox();
        m_answers.window = m_window.get();
        m_window->setInputBox(m_answers);
        m_window->show();
    }

    // Boxes above the number of matches hide with their old text; 13 shows and fills them.
    void matchCount_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("matches");
        QTest::newRow("10") << "10" << 10;
        QTest::newRow("12") << "12" << 12;
        QTest::newRow("no choice") << "" << 13;
    }
    void matchCount()
    {
        QFETCH(QString, choice);
        QFETCH(int, matches);
        draw(choice);
        for (int i = 1; i <= 13; ++i)
            QVERIFY2(i > matches ? box(i)->isHidden() && box(i)->text() == "v"
                                 : box(i)->isVisible() && isMark(box(i)->text()),
                     qPrintable(QString::number(i)));
        draw("13");
        for (int i = 1; i <= 13; ++i)
            QVERIFY(box(i)->isVisible() && isMark(box(i)->text()));
    }

    // The window steps aside for the questions and comes back whatever the answers; covers
    // stay on the matches in play.
    void system_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("covers");
        QTest::addColumn<QString>("message");
        QTest::newRow("not ticked") << false << QStringList{"3", "7"} << 0 << 0 << "";
        QTest::newRow("F 3 H 7") << true << QStringList{"3", "7"} << 2 << 10 << "";
        QTest::newRow("F 6 H 5") << true << QStringList{"6", "5"} << 2 << 0
                                 << "Koitappa uudestaan!";
        QTest::newRow("first cancelled") << true << QStringList{"", "3"} << 2 << 0 << "";
    }
    void system()
    {
        QFETCH(bool, ticked);
        QFETCH(QStringList, answers);
        child<QCheckBox>(*m_window, "chkVakio")->setChecked(ticked);
        m_answers.answers = answers;
        draw("10");
        int covers = 0;
        for (int i = 1; i <= 10; ++i)
            covers += box(i)->text().size() > 1;
        QTEST(covers, "covers");
        QCOMPARE(box(11)->text() + box(12)->text() + box(13)->text(), "vvv");
        QTEST(m_answers.asked, "asked");
        QTEST(MessageBox::shownTexts().join('\n'), "message");
        QVERIFY(m_window->isVisible() && !m_answers.windowShownWhileAsked);
    }

    // Emptying reaches the hidden boxes too and leaves them hidden.
    void empty()
    {
        auto* system = child<QCheckBox>(*m_window, "chkVakio");
        system->setChecked(true);
        draw("10");
        child<QPushButton>(*m_window, QString::fromUtf8("cmdtyhjäävakio"))->click();
        for (int i = 1; i <= 13; ++i)
            QCOMPARE(box(i)->text() + (box(i)->isHidden() ? " hidden" : ""),
                     i > 10 ? " hidden" : "");
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
