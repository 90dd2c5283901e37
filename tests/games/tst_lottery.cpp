#include "games/lottery.h"
#include <QTest>

namespace {
// Numbers that break the row: out of range, repeated or out of order ("" when none).
QString faults(const std::vector<int>& row, int highest)
{
    for (size_t k = 0; k < row.size(); ++k) {
        if (row[k] < 1 || row[k] > highest)
            return QStringLiteral("%1 out of range").arg(row[k]);
        if (k > 0 && row[k] <= row[k - 1])
            return QStringLiteral("%1 after %2").arg(row[k]).arg(row[k - 1]);
    }
    return {};
}
} // namespace

class TestLottery : public QObject
{
    Q_OBJECT
private slots:
    // size 0 stands for no system chosen; wanted -1 for a size the game does not offer.
    void lottoNumbers_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<int>("highest");
        QTest::newRow("Lotto plain") << int(LottoGame::Lotto) << 0 << 7 << 39;
        QTest::newRow("Lotto 7 is the plain row") << int(LottoGame::Lotto) << 7 << 7 << 39;
        QTest::newRow("Lotto 8") << int(LottoGame::Lotto) << 8 << 8 << 39;
        QTest::newRow("Lotto 9") << int(LottoGame::Lotto) << 9 << 9 << 39;
        QTest::newRow("Lotto 10") << int(LottoGame::Lotto) << 10 << 10 << 39;
        QTest::newRow("Viking plain") << int(LottoGame::Viking) << 0 << 6 << 48;
        QTest::newRow("Viking 7") << int(LottoGame::Viking) << 7 << 7 << 48;
        QTest::newRow("Viking 8") << int(LottoGame::Viking) << 8 << 8 << 48;
        QTest::newRow("Viking 9") << int(LottoGame::Viking) << 9 << 9 << 48;
        QTest::newRow("Viking 10 refused") << int(LottoGame::Viking) << 10 << -1 << 48;
    }
    void lottoNumbers()
    {
        QFETCH(int, game);
        QFETCH(int, size);
        QFETCH(int, wanted);
        QFETCH(int, highest);
        GeneratorRandom random(quint64(size * 100 + game));
        bool seenHighest = false;
        for (int draw = 0; draw < 500; ++draw) {
            const auto row = drawLottoNumbers(random, LottoGame(game),
                                              size ? std::optional<int>(size) : std::nullopt);
            if (wanted < 0) {
                QVERIFY(!row);
                return;
            }
            QVERIFY(row);
            QCOMPARE(int(row->size()), wanted);
            QCOMPARE(faults(*row, highest), QString());
            seenHighest = seenHighest || row->back() == highest;
        }
        QVERIFY(seenHighest); // the top number is reachable, not cut off by rounding
    }

    void kenoRow_data()
    {
        QTest::addColumn<int>("size");
        for (int size = KenoSmallest; size <= KenoLargest; ++size)
            QTest::addRow("%d numbers", size) << size;
    }
    void kenoRow()
    {
        QFETCH(int, size);
        GeneratorRandom random{quint64(size)};
        for (int draw = 0; draw < 300; ++draw) {
            const std::vector<int> row = drawKenoRow(random, size);
            QCOMPARE(int(row.size()), size);
            QCOMPARE(faults(row, KenoHighest), QString());
            QCOMPARE(numberRowText(row).split(u',').size(), size);
        }
    }

    void rowText_data()
    {
        QTest::addColumn<std::vector<int>>("numbers");
        QTest::addColumn<QString>("text");
        QTest::newRow("Lotto row")
            << std::vector<int>{3, 11, 17, 22, 28, 35, 39} << "3,11,17,22,28,35,39";
        QTest::newRow("two Keno numbers") << std::vector<int>{5, 63} << "5,63";
        QTest::newRow("one number") << std::vector<int>{70} << "70";
    }
    void rowText()
    {
        QFETCH(std::vector<int>, numbers);
        QTEST(numberRowText(numbers), "text");
    }
};

QTEST_GUILESS_MAIN(TestLottery)
#include "tst_lottery.moc"
