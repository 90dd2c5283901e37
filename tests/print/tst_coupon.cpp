// Coupon geometry, print offsets and the print menu rule.
#include "print/coupon.h"
#include "print/printmenu.h"
#include "print/printoffset.h"
#include <QtTest>

namespace {
StakeBoxes boxes(std::initializer_list<int> ticked)
{
    StakeBoxes b{};
    for (int i : ticked)
        b[size_t(i)] = true;
    return b;
}

// "x,y x,y ..." in print order.
QString marksText(const std::vector<Mark>& marks)
{
    QStringList parts;
    for (Mark m : marks)
        parts << QStringLiteral("%1,%2").arg(m.x).arg(m.y);
    return parts.join(' ');
}
} // namespace

class CouponTest : public QObject
{
    Q_OBJECT

private slots:
    void rowCoupon_data()
    {
        QTest::addColumn<StakeBoxes>("stakes");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("marks");
        // Stake boxes: 0 = 0,2 ... 10 = 50, 11 = 100 euros.
        // clang-format off
        QTest::newRow("two matches, game 3, 0,5") << boxes({2}) << 3 << 2 << "2-1 0-3" << "8,20 73,66 38,66 27,52 22,48 17,38 32,34";
        QTest::newRow("100 euros hides the rest") << boxes({0, 1, 11}) << 1 << 3 << "0-0 0-0 0-0" << "8,20 93,61 28,66 17,52 17,48 17,38 17,34 17,25 17,20";
        QTest::newRow("every stake but 100, in order") << boxes({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) << 6 << 3 << "9-8 7-6 5-4" << "8,20 68,66 73,66 78,66 83,66 88,66 93,66 68,61 73,61 78,61 83,61 88,61 53,66 63,52 58,48 52,38 48,34 42,25 37,20";
        QTest::newRow("game 5, 0,2 and 0,3") << boxes({0, 1}) << 5 << 2 << "3-4 2-2" << "8,20 68,66 68,61 48,66 32,52 37,48 27,38 27,34";
        QTest::newRow("third match not printed in two-match mode") << boxes({3}) << 2 << 2 << "1-2 3-4 5-6" << "8,20 73,61 32,66 22,52 27,48 32,38 37,34";
        QTest::newRow("no game chosen") << boxes({4}) << 0 << 2 << "1-1 1-1" << "8,20 78,66 22,52 22,48 22,38 22,34";
        QTest::newRow("goal 10: no goal marks") << boxes({4}) << 4 << 2 << "10-1 0-3" << "8,20 78,66 42,66";
        QTest::newRow("goal 10 in the unprinted match") << boxes({4}) << 4 << 2 << "1-1 1-1 1-10" << "8,20 78,66 42,66 22,52 22,48 22,38 22,34";
        QTest::newRow("two-match row on a three-match coupon") << boxes({4}) << 4 << 3 << "1-1 1-1" << "8,20 78,66 42,66 22,52 22,48 22,38 22,34";
        // clang-format on
    }
    void rowCoupon()
    {
        QFETCH(StakeBoxes, stakes);
        QFETCH(int, game);
        QFETCH(int, columns);
        QFETCH(QString, row);
        const ScoreRow scoreRow = *ScoreRow::fromText(row);
        const std::vector<Mark> marks = Coupon::rowCoupon({stakes, game, columns}, scoreRow);
        QTEST(marksText(marks), "marks");
        QCOMPARE(Coupon::rowFits(scoreRow, columns), marks.size() > 4);
    }

    void systemCoupon_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("ticks"); // team:box ...
        QTest::addColumn<QString>("marks");
        // clang-format off
        QTest::newRow("boxes 10 and 11") << 3 << "0:10 0:11 1:0 2:5 3:6 4:7 5:9" << "8,20 88,66 38,66 68,52 73,52 17,48 42,38 48,34 52,25 63,20";
        QTest::newRow("two matches ignore the third") << 2 << "0:1 0:2 1:3 2:4 3:8 4:0 5:11" << "8,20 88,66 38,66 22,52 27,52 32,48 37,38 58,34";
        // clang-format on
    }
    void systemCoupon()
    {
        QFETCH(int, columns);
        QFETCH(QString, ticks);
        GridTicks grid{};
        for (const QString& tick : ticks.split(' '))
            grid[size_t(tick.section(':', 0, 0).toInt())][size_t(tick.section(':', 1).toInt())] =
                true;
        QTEST(marksText(Coupon::systemCoupon({boxes({8}), 3, columns}, grid)), "marks");
    }

    void parseOffset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("mm");
        // clang-format off
        QTest::newRow("whole") << "3" << true << 3.0;
        QTest::newRow("negative") << "-2" << true << -2.0;
        QTest::newRow("decimal comma") << "2,6" << true << 2.6;
        QTest::newRow("negative comma") << "-4,5" << true << -4.5;
        QTest::newRow("decimal point") << "2.6" << true << 2.6;
        QTest::newRow("blanks, plus") << " +7 " << true << 7.0;
        QTest::newRow("no whole part") << ",5" << true << 0.5;
        QTest::newRow("Finnish minus sign") << "\u22123,5" << true << -3.5;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("number then letters") << "3mm" << false << 0.0;
        QTest::newRow("two separators") << "1,2,3" << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("exponent") << "1e2" << false << 0.0;
        QTest::newRow("beyond a metre") << "1001" << false << 0.0;
        // clang-format on
    }
    void parseOffset()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, mm);
        const QLocale finnish(QLocale::Finnish, QLocale::Finland);
        QCOMPARE(PrintOffsets::parse(text, finnish).has_value(), isNumber);
        QCOMPARE(PrintOffsets::parseOrZero(text, finnish), mm);
    }

    void formatOffset_data()
    {
        QTest::addColumn<double>("mm");
        QTest::addColumn<QString>("finnish");
        QTest::addColumn<QString>("english");
        // clang-format off
        QTest::newRow("trailing zero") << -4.0 << "-4" << "-4";
        QTest::newRow("fraction") << 2.5 << "2,5" << "2.5";
        QTest::newRow("binary noise") << 0.1 + 0.2 << "0,3" << "0.3";
        QTest::newRow("negative zero") << -0.0 << "0" << "0";
        QTest::newRow("no grouping") << 1000.0 << "1000" << "1000";
        // clang-format on
    }
    void formatOffset()
    {
        QFETCH(double, mm);
        QTEST(PrintOffsets::format(mm, QLocale(QLocale::Finnish)), "finnish");
        QTEST(PrintOffsets::format(mm, QLocale(QLocale::English)), "english");
    }

    void menuState_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("ticked");
        QTest::addColumn<qint64>("systemSize");
        QTest::addColumn<QString>("enabled"); // rows, ticked, listing, system
        // clang-format off
        QTest::newRow("nothing") << 0 << 0 << qint64(0) << "0000";
        QTest::newRow("rows, none ticked") << 5 << 0 << qint64(0) << "1010";
        QTest::newRow("rows, one ticked") << 5 << 1 << qint64(0) << "1110";
        QTest::newRow("system only") << 0 << 0 << qint64(1) << "0001";
        QTest::newRow("all") << 2 << 2 << qint64(4096) << "1111";
        // clang-format on
    }
    void menuState()
    {
        QFETCH(int, rows);
        QFETCH(int, ticked);
        QFETCH(qint64, systemSize);
        const PrintMenuState s = PrintMenuState::of(rows, ticked, systemSize);
        QString enabled;
        for (bool on : {s.rows, s.ticked, s.listing, s.system})
            enabled += on ? '1' : '0';
        QTEST(enabled, "enabled");
    }
};

QTEST_GUILESS_MAIN(CouponTest)
#include "tst_coupon.moc"
