#include "core/money.h"
#include "core/numbers.h"
#include <QTest>
#include <limits>

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

    // Some locales write a minus sign of their own, some a direction mark before it: a sum
    // written in the locale reads back in it.
    void negativeSums_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"fi_FI", "sv_SE", "he_IL", "fa_IR", "ar_EG"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void negativeSums()
    {
        QFETCH(QString, locale);
        for (qint64 cents : {-150LL, -5LL, -100'000'000'000'000LL + 1}) {
            const QString text = Money::formatCents(cents, QLocale(locale));
            QCOMPARE(Money::parseCents(text, QLocale(locale)), cents);
        }
        QCOMPARE(Money::parseCents("-1.5", QLocale(locale)), -150);
    }

    // Whole numbers up to the limit, however near the top of the range the limit lies.
    void wholeNumberLimits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<std::optional<qint64>>("value");
        constexpr qint64 top = std::numeric_limits<qint64>::max();
        QTest::newRow("top") << "9223372036854775807" << top << std::optional<qint64>(top);
        QTest::newRow("past the top") << "9223372036854775808" << top << std::optional<qint64>();
        QTest::newRow("one digit over") << "5" << qint64(3) << std::optional<qint64>();
        QTest::newRow("at the limit") << "-3" << qint64(3) << std::optional<qint64>(-3);
        QTest::newRow("goal") << " 099 " << qint64(99) << std::optional<qint64>(99);
    }
    void wholeNumberLimits()
    {
        QFETCH(QString, text);
        QFETCH(qint64, limit);
        QFETCH(std::optional<qint64>, value);
        QCOMPARE(parseWholeNumber(text, limit), value);
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
