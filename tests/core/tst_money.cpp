#include "core/money.h"
#include <QTest>

class TestMoney : public QObject
{
    Q_OBJECT
    const QLocale finnish{QLocale::Finnish, QLocale::Finland};

private slots:
    // A sum as typed and, where shown is set, as the price label shows it.
    void cents_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("cents"); // -1: not a sum of money
        QTest::addColumn<bool>("shown");
        QTest::newRow("3 rows at 0,2") << "0,6" << qint64(3 * 20) << true;
        QTest::newRow("3 rows at 0,2 + 0,3") << "1,5" << qint64(3 * (20 + 30)) << true;
        QTest::newRow("2 rows at 1") << "2" << qint64(2 * 100) << true;
        QTest::newRow("no stake") << "0" << qint64(0) << true;
        // Shown without grouping.
        QTest::newRow("12345 rows at 100") << "1234500" << qint64(12345 * 10000) << true;
        QTest::newRow("two decimals") << "0,05" << qint64(5) << true;
        QTest::newRow("dot") << "1.5" << qint64(150) << false;
        QTest::newRow("three decimals") << "1,234" << qint64(-1) << false;
        QTest::newRow("letter") << "1a" << qint64(-1) << false;
        QTest::newRow("empty") << "" << qint64(-1) << false;
    }

    void cents()
    {
        QFETCH(QString, text);
        QFETCH(qint64, cents);
        QFETCH(bool, shown);
        QCOMPARE(Money::parseCents(text, finnish).value_or(-1), cents);
        if (shown)
            QCOMPARE(Money::formatCents(cents, finnish), text);
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
