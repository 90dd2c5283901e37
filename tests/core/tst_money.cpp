#include "core/money.h"
#include <QTest>

class TestMoney : public QObject
{
    Q_OBJECT
private slots:
    // Sums as the price label writes them (no trailing zeros, no grouping) read back as typed;
    // a dot is taken for the comma, and more than two decimals or a letter make no sum.
    void cents()
    {
        const QLocale finnish(QLocale::Finnish, QLocale::Finland);
        for (const auto& [text, cents] :
             {std::pair{"0,6", 60}, {"0,05", 5}, {"1234500", 123450000}}) {
            QCOMPARE(Money::formatCents(cents, finnish), text);
            QCOMPARE(Money::parseCents(text, finnish), cents);
        }
        QCOMPARE(Money::parseCents("1.5", finnish), 150);
        for (const char* text : {"1,234", "1a", ""})
            QVERIFY2(!Money::parseCents(text, finnish), text);
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
