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
    QTest::newRow("fi 1001 cents") << finnish << qint64(1001) << "10,01";
    QTest::newRow("fi no grouping") << finnish << qint64(123456789) << "1234567,89";
    QTest::newRow("fi millions") << finnish << qint64(100000000) << "1000000";
    QTest::newRow("fi negative") << finnish << qint64(-150) << finnish.negativeSign() + "1,5";
    QTest::newRow("en 60 cents") << english << qint64(60) << "0.6";
    QTest::newRow("en 150 cents") << english << qint64(150) << "1.5";
    QTest::newRow("en 200 cents") << english << qint64(200) << "2";
    QTest::newRow("en no grouping") << english << qint64(123456700) << "1234567";
    QTest::newRow("en zero") << english << qint64(0) << "0";
}

void TestMoney::formatCents()
{
    QFETCH(QLocale, locale);
    QFETCH(qint64, cents);
    QFETCH(QString, text);
    QCOMPARE(Money::formatCents(cents, locale), text);
}

// The price label: the sum of the ticked stake boxes times the rows, exact in cents.
void TestMoney::price_data()
{
    QTest::addColumn<QList<int>>("boxes"); // indexes into the twelve stake boxes
    QTest::addColumn<qint64>("rows");
    QTest::addColumn<QString>("finnish");
    QTest::addColumn<QString>("english");

    QTest::newRow("0,2 with 3 rows") << QList<int>{0} << qint64(3) << "0,6" << "0.6";
    QTest::newRow("0,2+0,3 with 3 rows") << QList<int>{0, 1} << qint64(3) << "1,5" << "1.5";
    QTest::newRow("0,2+0,3 with 1 row") << QList<int>{0, 1} << qint64(1) << "0,5" << "0.5";
    QTest::newRow("nothing ticked") << QList<int>{} << qint64(5) << "0" << "0";
    QTest::newRow("no rows") << QList<int>{0, 1, 2} << qint64(0) << "0" << "0";
    QTest::newRow("1 with 16 system rows") << QList<int>{3} << qint64(16) << "16" << "16";
    QTest::newRow("0,3 with 7 rows") << QList<int>{1} << qint64(7) << "2,1" << "2.1";
    QTest::newRow("0,2+0,5 with 10 rows") << QList<int>{0, 2} << qint64(10) << "7" << "7";
    QTest::newRow("every box") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11} << qint64(1)
                               << "222" << "222";
    QTest::newRow("fill-all boxes") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << qint64(3)
                                    << "216" << "216";
    QTest::newRow("every box, full grid") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}
                                          << qint64(2985984) << "662888448" << "662888448";
    QTest::newRow("0,3 with a million rows") << QList<int>{1} << qint64(1000001) << "300000,3"
                                             << "300000.3";
}

void TestMoney::price()
{
    QFETCH(QList<int>, boxes);
    QFETCH(qint64, rows);
    QFETCH(QString, finnish);
    QFETCH(QString, english);

    qint64 stake = 0;
    for (int box : boxes)
        stake += Money::StakeBoxCents[size_t(box)];
    QCOMPARE(Money::formatCents(stake * rows, ::finnish), finnish);
    QCOMPARE(Money::formatCents(stake * rows, ::english), english);
}

void TestMoney::parseCents_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("cents"); // -1 for "not a sum of money"

    QTest::newRow("fi comma") << finnish << "1,5" << qint64(150);
    QTest::newRow("fi dot") << finnish << "1.5" << qint64(150);
    QTest::newRow("fi two decimals") << finnish << "0,05" << qint64(5);
    QTest::newRow("fi whole") << finnish << "2" << qint64(200);
    QTest::newRow("fi zero") << finnish << "0" << qint64(0);
    QTest::newRow("fi no whole part") << finnish << ",5" << qint64(50);
    QTest::newRow("fi blanks around") << finnish << " 3 " << qint64(300);
    QTest::newRow("fi hyphen minus") << finnish << "-0,5" << qint64(-50);
    QTest::newRow("fi locale minus") << finnish << finnish.negativeSign() + "2,25" << qint64(-225);
    QTest::newRow("en dot") << english << "1.5" << qint64(150);
    QTest::newRow("en whole") << english << "12" << qint64(1200);

    QTest::newRow("empty") << finnish << "" << qint64(-1);
    QTest::newRow("blank") << finnish << "  " << qint64(-1);
    QTest::newRow("only comma") << finnish << "," << qint64(-1);
    QTest::newRow("only minus") << finnish << "-" << qint64(-1);
    QTest::newRow("three decimals") << finnish << "1,234" << qint64(-1);
    QTest::newRow("two separators") << finnish << "1,2,3" << qint64(-1);
    QTest::newRow("letters") << finnish << "abc" << qint64(-1);
    QTest::newRow("digit then letter") << finnish << "1a" << qint64(-1);
    QTest::newRow("grouped") << finnish << "1 000" << qint64(-1);
    QTest::newRow("exponent") << finnish << "1e3" << qint64(-1);
    QTest::newRow("euro sign") << finnish << QString::fromUtf8("2 \u20ac") << qint64(-1);
    QTest::newRow("too long") << finnish << "12345678901234" << qint64(-1);
}

void TestMoney::parseCents()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(qint64, cents);

    const auto parsed = Money::parseCents(text, locale);
    if (cents == -1) {
        QVERIFY2(!parsed, qPrintable(QString::number(parsed.value_or(0))));
    } else {
        QVERIFY(parsed);
        QCOMPARE(*parsed, cents);
    }
}

void TestMoney::formatThenParse()
{
    for (const QLocale& locale : {finnish, english}) {
        for (qint64 cents = -1000; cents <= 100000; cents += 7) {
            const QString text = Money::formatCents(cents, locale);
            const auto back = Money::parseCents(text, locale);
            QVERIFY2(back && *back == cents, qPrintable(text));
        }
    }
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
