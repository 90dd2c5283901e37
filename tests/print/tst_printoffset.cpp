// Print offsets as players type them, in either language.
#include "print/printoffset.h"
#include <QtTest>

namespace {
const QLocale fi(QLocale::Finnish, QLocale::Finland);
const QLocale en(QLocale::English, QLocale::UnitedStates);
} // namespace

class PrintOffsetTest : public QObject
{
    Q_OBJECT

private slots:
    // A comma and a point both separate decimals in either language; within a metre.
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("read"); // the value, or "-" when refused
        // clang-format off
        QTest::newRow("comma is no thousands") << "1,000" << true << "1";
        QTest::newRow("blanks and plus") << " +1,5 " << false << "1.5";
        QTest::newRow("Finnish minus sign") << "\u22123,5" << false << "-3.5";
        QTest::newRow("minus sign, English") << "\u22123,5" << true << "-";
        QTest::newRow("separator first") << ",5" << true << "0.5";
        QTest::newRow("negative zero") << "-0" << false << "0";
        QTest::newRow("a metre") << "-1000,0" << false << "-1000";
        QTest::newRow("past a metre") << "1000,5" << true << "-";
        QTest::newRow("two separators") << "1,2.3" << false << "-";
        QTest::newRow("grouped") << "1.000,5" << false << "-";
        QTest::newRow("exponent") << "1e3" << true << "-";
        QTest::newRow("unit") << "3mm" << false << "-";
        QTest::newRow("sign alone") << "-" << false << "-";
        QTest::newRow("empty") << "" << false << "-";
        // clang-format on
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, english);
        const std::optional<double> mm = PrintOffsets::parse(text, english ? en : fi);
        QTEST(mm ? QString::number(*mm) : QStringLiteral("-"), "read");
    }
};

QTEST_GUILESS_MAIN(PrintOffsetTest)
#include "tst_printoffset.moc"
