#include "core/money.h"
#include <QTest>

namespace {
const QLocale finnish(QLocale::Finnish, QLocale::Finland);
const QLocale english(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestMoney : public QObject
{
    Q_OBJECT
private slots:
    void formatCents_data();
    void formatCents();
    void price_data();
    void price();
    void parseCents_data();
    void parseCents();
    void formatThenParse();
};

void TestMoney::formatCents_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("text");

    QTest::newRow("fi zero") << finnish << qint64(0) << "0";
    QTest::newRow("fi 60 cents") << finnish << qint64(60) << "0,6";
    QTest::newRow("fi 5 cents") << finnish << qint64(5) << "0,05";
    QTest::newRow("fi 150 cents") << finnish << qint64(150) << "1,5";
    QTest::newRow("fi 200 cents") << finnish << qint64(200) << "2";
    QTest::newRow("fi no grouping") << finnish << qint64(123456789) << "1234567,89";
    QTest::newRow("fi negative") << finnish << qint64(-150) << finnish.negativeSign() + "1,5";
    QTest::newRow("en 60 cents") << english << qint64(60) << "0.6";
    QTest::newRow("en no grouping") << english << qint64(123456700) << "1234567";
}

void TestMoney::formatCents()
{
    QFETCH(QLocale, locale);
    QFETCH(qint64, cents);
    QFETCH(QString, text);
    QCOMPARE(Money::formatCents(cents, locale), text);
}

// The price label: the ticked stake boxes times the rows, exact in cents.
void TestMoney::price_data()
{
    QTest::addColumn<QList<int>>("boxes"); // indexes into the twelve stake boxes
    QTest::addColumn<qint64>("rows");
    QTest::addColumn<QString>("price");

    QTest::newRow("0,2 with 3 rows") << QList<int>{0} << qint64(3) << "0,6";
    QTest::newRow("0,2+0,3 with 3 rows") << QList<int>{0, 1} << qint64(3) << "1,5";
    QTest::newRow("nothing ticked") << QList<int>{} << qint64(5) << "0";
    QTest::newRow("1 with 16 system rows") << QList<int>{3} << qint64(16) << "16";
    QTest::newRow("0,3 with 7 rows") << QList<int>{1} << qint64(7) << "2,1";
    QTest::newRow("every box, full grid")
        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11} << qint64(2985984) << "662888448";
}

void TestMoney::price()
{
    QFETCH(QList<int>, boxes);
    QFETCH(qint64, rows);
    QFETCH(QString, price);

    qint64 stake = 0;
    for (int box : boxes)
        stake += Money::StakeBoxCents[size_t(box)];
    QCOMPARE(Money::formatCents(stake * rows, finnish), price);
}

void TestMoney::parseCents_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("cents"); // -1: not a sum of money

    QTest::newRow("fi comma") << finnish << "1,5" << qint64(150);
    QTest::newRow("fi dot") << finnish << "1.5" << qint64(150);
    QTest::newRow("fi two decimals") << finnish << "0,05" << qint64(5);
    QTest::newRow("fi no whole part") << finnish << ",5" << qint64(50);
    QTest::newRow("fi blanks around") << finnish << " 3 " << qint64(300);
    QTest::newRow("fi locale minus") << finnish << finnish.negativeSign() + "2,25" << qint64(-225);
    QTest::newRow("en dot") << english << "1.5" << qint64(150);

    QTest::newRow("empty") << finnish << "" << qint64(-1);
    QTest::newRow("only comma") << finnish << "," << qint64(-1);
    QTest::newRow("only minus") << finnish << "-" << qint64(-1);
    QTest::newRow("three decimals") << finnish << "1,234" << qint64(-1);
    QTest::newRow("two separators") << finnish << "1,2,3" << qint64(-1);
    QTest::newRow("digit then letter") << finnish << "1a" << qint64(-1);
    QTest::newRow("grouped") << finnish << "1 000" << qint64(-1);
    QTest::newRow("exponent") << finnish << "1e3" << qint64(-1);
    QTest::newRow("too long") << finnish << "12345678901234" << qint64(-1);
}

void TestMoney::parseCents()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(qint64, cents);

    const auto parsed = Money::parseCents(text, locale);
    QCOMPARE(parsed.value_or(-1), cents);
    QCOMPARE(bool(parsed), cents != -1);
}

void TestMoney::formatThenParse()
{
    for (const QLocale& locale : {finnish, english}) {
        for (qint64 cents = -1000; cents <= 100000; cents += 7) {
            const QString text = Money::formatCents(cents, locale);
            QVERIFY2(Money::parseCents(text, locale) == cents, qPrintable(text));
        }
    }
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
