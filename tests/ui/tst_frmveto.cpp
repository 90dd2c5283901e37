#include "ui/frmVeto.h"
#include "windowtest.h"
#include <QRadioButton>

using namespace WindowTest;

class FrmVetoTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<GeneratorRandom> m_random;
    std::unique_ptr<frmVeto> m_window;

    QLabel* labelOf(int j) { return child<QLabel>(*m_window, "lbltulo_" + QString::number(j)); }

private slots:
    void initTestCase() { setUpHeadless(m_dir); }
    void init()
    {
        resetBetweenTests(m_dir);
        m_random = std::make_unique<GeneratorRandom>(17);
        m_window = std::make_unique<frmVeto>(*m_random);
        m_window->show();
    }

    // Only the chosen number of lines gets an outcome; a refused or empty draw changes none.
    void draw_data()
    {
        QTest::addColumn<QString>("option"); // empty: as the window opened
        QTest::addColumn<QString>("repetitions");
        QTest::addColumn<QString>("repetitionsAfter");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("messages");
        QTest::newRow("opened with 3, empty box") << ""
                                                  << ""
                                                  << "1" << 3 << 0;
        QTest::newRow("4") << "opt4"
                           << "0"
                           << "0" << 4 << 0;
        QTest::newRow("5") << "opt5"
                           << "2"
                           << "2" << 5 << 0;
        QTest::newRow("6") << "opt6"
                           << "0"
                           << "0" << 6 << 0;
        QTest::newRow("-1 draws nothing") << "opt6"
                                          << "-1"
                                          << "-1" << 0 << 0;
        QTest::newRow("not a number") << "opt6"
                                      << "kaksi"
                                      << "kaksi" << 0 << 1;
    }
    void draw()
    {
        QFETCH(QString, option);
        QFETCH(QString, repetitions);
        QFETCH(int, drawn);
        for (int j = 0; j < 6; ++j)
            labelOf(j)->setText("-");
        if (!option.isEmpty())
            child<QRadioButton>(*m_window, option)->setChecked(true);
        auto* box = child<QLineEdit>(*m_window, "txtKertaa");
        box->setText(repetitions);
        child<QPushButton>(*m_window, "cmdArvo")->click();

        QTEST(box->text(), "repetitionsAfter");
        for (int j = 0; j < 6; ++j)
            QVERIFY(QString(j < drawn ? "1X2" : "-").contains(labelOf(j)->text()));
        QTEST(int(MessageBox::shownTexts().size()), "messages");
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
