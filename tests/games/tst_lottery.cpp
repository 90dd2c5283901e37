#include "games/lottery.h"
#include <QTest>

class TestLottery : public QObject
{
    Q_OBJECT
private slots:
    // size 0: no system chosen; wanted -1: a size the game does not offer.
    void rows_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<int>("highest");
        QTest::newRow("Lotto plain") << "Lotto" << 0 << 7 << 39;
        QTest::newRow("Lotto 7 is plain") << "Lotto" << 7 << 7 << 39;
        for (int size = 8; size <= 10; ++size)
            QTest::addRow("Lotto %d", size) << "Lotto" << size << size << 39;
        QTest::newRow("Viking plain") << "Viking" << 0 << 6 << 48;
        for (int size = 7; size <= 9; ++size)
            QTest::addRow("Viking %d", size) << "Viking" << size << size << 48;
        QTest::newRow("Viking 10 refused") << "Viking" << 10 << -1 << 48;
        for (int size = KenoSmallest; size <= KenoLargest; ++size)
            QTest::addRow("Keno %d", size) << "Keno" << size << size << KenoHighest;
    }
    void rows()
    {
        QFETCH(QString, game);
        QFETCH(int, size);
        QFETCH(int, wanted);
        QFETCH(int, highest);
        GeneratorRandom random{quint64(size * 31 + game.size())};
        bool seenHighest = false;
        for (int draw = 0; draw < 500; ++draw) {
            const auto row =
                game == "Keno"
                    ? std::optional(drawKenoRow(random, size))
                    : drawLottoNumbers(random,
                                       game == "Lotto" ? LottoGame::Lotto : LottoGame::Viking,
                                       size ? std::optional(size) : std::nullopt);
            QCOMPARE(row.has_value(), wanted > 0);
            if (!row)
                return;
            QCOMPARE(int(row->size()), wanted);
            QVERIFY(row->front() >= 1 && row->back() <= highest);
            QVERIFY(std::adjacent_find(row->begin(), row->end(), std::greater_equal<int>()) ==
                    row->end());
            seenHighest = seenHighest || row->back() == highest;
        }
        QVERIFY(seenHighest); // the top number is reachable, not lost to rounding
    }

    void rowText()
    {
        QCOMPARE(numberRowText({3, 11, 17, 22, 28, 35, 39}), "3,11,17,22,28,35,39");
        QCOMPARE(numberRowText({5, 63}), "5,63");
    }
};

QTEST_GUILESS_MAIN(TestLottery)
#include "tst_lottery.moc"
