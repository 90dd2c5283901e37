// Coupon geometry: where every mark of a row or system coupon goes, and whether it is on paper
// at the offsets players type.
#include "tests/print/pdfreading.h"
#include <QtTest>

class CouponTest : public QObject
{
    Q_OBJECT

private slots:
    void marks_data()
    {
        QTest::addColumn<QList<int>>("stakes"); // 0 = 0,2 ... 10 = 50, 11 = 100 euros
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("bet"); // a row, or a system as team:box ...
        QTest::addColumn<QString>("marks");
        // clang-format off
        QTest::newRow("two matches, game 3, 0,5") << QList<int>{2} << 3 << 2 << "2-1 0-3" << "17,38 22,48 27,52 32,34 38,66 73,66 8,20";
        QTest::newRow("100 euros hides the rest") << QList<int>{0, 1, 11} << 1 << 3 << "0-0 0-0 0-0" << "17,20 17,25 17,34 17,38 17,48 17,52 28,66 8,20 93,61";
        QTest::newRow("every stake but 100, game 6") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 6 << 3 << "9-8 7-6 5-4" << "37,20 42,25 48,34 52,38 53,66 58,48 63,52 68,61 68,66 73,61 73,66 78,61 78,66 8,20 83,61 83,66 88,61 88,66 93,66";
        QTest::newRow("no game, third match not printed") << QList<int>{3} << 0 << 2 << "1-2 3-4 5-6" << "22,52 27,48 32,38 37,34 73,61 8,20";
        QTest::newRow("goal 10: no goal marks") << QList<int>{4} << 4 << 2 << "10-1 0-3" << "42,66 78,66 8,20";
        QTest::newRow("goal 10 in the unprinted match") << QList<int>{4} << 4 << 2 << "1-1 1-1 1-10" << "22,34 22,38 22,48 22,52 42,66 78,66 8,20";
        QTest::newRow("two-match row on a three-match coupon") << QList<int>{4} << 4 << 3 << "1-1 1-1" << "22,34 22,38 22,48 22,52 42,66 78,66 8,20";
        QTest::newRow("system, boxes 10 and 11") << QList<int>{8} << 3 << 3 << "0:10 0:11 1:0 2:5 3:6 4:7 5:9" << "17,48 38,66 42,38 48,34 52,25 63,20 68,52 73,52 8,20 88,66";
        QTest::newRow("system, third match not printed") << QList<int>{8} << 3 << 2 << "0:1 0:2 1:3 2:4 3:8 4:0 5:11" << "22,52 27,52 32,48 37,38 38,66 58,34 8,20 88,66";
        // clang-format on
    }
    void marks()
    {
        QFETCH(QList<int>, stakes);
        QFETCH(int, game);
        QFETCH(int, columns);
        QFETCH(QString, bet);
        CouponBet coupon{{}, game, columns};
        for (int box : stakes)
            coupon.stakeBoxes[size_t(box)] = true;
        GridTicks grid{};
        for (const QString& tick : bet.split(' ', Qt::SkipEmptyParts))
            if (tick.contains(':'))
                grid[size_t(tick.section(':', 0, 0).toInt())]
                    [size_t(tick.section(':', 1).toInt())] = true;
        const std::vector<Mark> marks = bet.contains(':')
                                            ? Coupon::systemCoupon(coupon, grid)
                                            : Coupon::rowCoupon(coupon, *ScoreRow::fromText(bet));
        QTEST(PdfReading::marksText(marks), "marks");
    }

    // Every box, shifted, must fit whole inside the printable area, at each edge.
    void onArea_data()
    {
        QTest::addColumn<QSizeF>("area"); // mm
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<bool>("on");
        const QSizeF a4(188, 280);
        // clang-format off
        QTest::newRow("right edge, inside") << a4 << QPointF(91.4, 0) << true;
        QTest::newRow("right edge, over") << a4 << QPointF(91.5, 0) << false;
        QTest::newRow("left edge, on it") << a4 << QPointF(-8, 0) << true;
        QTest::newRow("left edge, over") << a4 << QPointF(-8.1, 0) << false;
        QTest::newRow("top edge, on it") << a4 << QPointF(0, -20) << true;
        QTest::newRow("top edge, over") << a4 << QPointF(0, -20.1) << false;
        QTest::newRow("short page, bottom inside") << QSizeF(97, 70) << QPointF(0, 0) << true;
        QTest::newRow("short page, bottom over") << QSizeF(97, 69.5) << QPointF(0, 0) << false;
        QTest::newRow("right edge, exactly") << QSizeF(93 + Coupon::MarkSize, 280) << QPointF(0, 0) << true;
        // clang-format on
    }
    void onArea()
    {
        QFETCH(QSizeF, area);
        QFETCH(QPointF, offset);
        QTEST(Coupon::onArea(Coupon::allPositions(), offset.x(), offset.y(), area.width(),
                             area.height()),
              "on");
    }

    // A comma and a point both separate decimals in either language.
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
        QTest::newRow("two separators") << "1,2.3" << false << "-";
        QTest::newRow("grouped") << "1.000,5" << false << "-";
        QTest::newRow("exponent") << "1e3" << true << "-";
        QTest::newRow("sign alone") << "-" << false << "-";
        QTest::newRow("empty") << "" << false << "-";
        // clang-format on
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, english);
        const std::optional<double> mm =
            PrintOffsets::parse(text, english ? QLocale(QLocale::English, QLocale::UnitedStates)
                                              : QLocale(QLocale::Finnish, QLocale::Finland));
        QTEST(mm ? QString::number(*mm) : QStringLiteral("-"), "read");
    }
};

QTEST_GUILESS_MAIN(CouponTest)
#include "tst_coupon.moc"
