#include "ui/frmVeto.h"
#include "windowtest.h"
#include <QRadioButton>

using namespace WindowTest;

namespace {
const quint64 seed = 17;
}

class FrmVetoTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<GeneratorRandom> m_random;
    std::unique_ptr<frmVeto> m_window;

    QLabel* result(int j) { return child<QLabel>(*m_window, QStringLiteral("lbltulo_%1").arg(j)); }

private slots:
    void initTestCase() { setUpHeadless(m_dir); }
    void init()
    {
        resetBetweenTests(m_dir);
        m_random = std::make_unique<GeneratorRandom>(seed);
        m_window = std::make_unique<frmVeto>(*m_random);
        m_window->show();
    }

    // Only the chosen number of lines changes; the window's draw is compared with the same
    // generator's draw.
    void draw_data()
    {
        QTest::addColumn<QString>("option"); // empty: as the window opened
        QTest::addColumn<QString>("repetitions");
        QTest::addColumn<QString>("repetitionsAfter");
        QTest::addColumn<bool>("refused");
        QTest::newRow("opened with 3, empty box") << ""
                                                  << ""
                                                  << "1" << false;
        QTest::newRow("4") << "opt4"
                           << "0"
                           << "0" << false;
        QTest::newRow("5, three rounds") << "opt5"
                                         << "2"
                                         << "2" << false;
        QTest::newRow("6") << "opt6"
                           << "0"
                           << "0" << false;
        QTest::newRow("3 again") << "opt3"
                                 << "3"
                                 << "3" << false;
        QTest::newRow("-1 draws nothing") << "opt6"
                                          << "-1"
                                          << "-1" << false;
        QTest::newRow("not a number") << "opt6"
                                      << "kaksi"
                                      << "kaksi" << true;
        QTest::newRow("too many") << "opt6"
                                  << "2000000"
                                  << "2000000" << true;
    }
    void draw()
    {
        QFETCH(QString, option);
        QFETCH(QString, repetitions);
        QFETCH(QString, repetitionsAfter);
        QFETCH(bool, refused);
        Veto::Outcomes expected;
        expected.fill("-");
        for (int j = 0; j < 6; ++j)
            result(j)->setText("-");
        if (!option.isEmpty())
            child<QRadioButton>(*m_window, option)->setChecked(true);
        child<QLineEdit>(*m_window, "txtKertaa")->setText(repetitions);
        child<QPushButton>(*m_window, "cmdArvo")->click();

        QCOMPARE(child<QLineEdit>(*m_window, "txtKertaa")->text(), repetitionsAfter);
        const int matches = option.isEmpty() ? 3 : option.mid(3).toInt();
        GeneratorRandom twin(seed);
        if (!refused)
            Veto::draw(expected, matches, qMax(qint64(-1), repetitionsAfter.toLongLong()), twin);
        for (int j = 0; j < 6; ++j)
            QCOMPARE(result(j)->text(), expected[j]);
        QCOMPARE(MessageBox::shownTexts().size(), refused ? 1 : 0);
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
        QSignalSpy closed(m_window.get(), &frmVeto::closed);
        if (byButton)
            child<QPushButton>(*m_window, "cmdEnd")->click();
        else
            m_window->close();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!m_window->isVisible());
    }
};

QTEST_MAIN(FrmVetoTest)
#include "tst_frmveto.moc"
