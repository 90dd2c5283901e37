#include "games/lottomachine.h"
#include <QTest>

namespace {
// Gives the listed numbers in turn, as draws from 1 to highest.
class ScriptedRandom : public RandomSource
{
public:
    ScriptedRandom(int highest, std::vector<int> numbers)
        : m_highest(highest), m_numbers(std::move(numbers))
    {
    }
    double next() override { return (m_numbers.at(m_next++) - 0.5) / m_highest; }

private:
    int m_highest;
    std::vector<int> m_numbers;
    size_t m_next = 0;
};

QString joined(const std::vector<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(u',');
}

// Counts of the first n positions as the window shows them ("-" for empty).
QString shownCounts(const LottoMachine& machine, int n)
{
    QStringList parts;
    for (int k = 0; k < n; ++k) {
        const auto& count = machine.table()[size_t(k)].count;
        parts << (count ? QString::number(*count) : QStringLiteral("-"));
    }
    return parts.join(u',');
}
} // namespace

class TestLottoMachine : public QObject
{
    Q_OBJECT
private slots:
    // A seeded run: each number counted once per row it came in, none outside the game.
    void countsAddUp_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<qint64>("rows");
        QTest::addColumn<qint64>("stopAt"); // the rows after which the stop is noticed, or 0
        QTest::addColumn<qint64>("drawn");
        QTest::addColumn<int>("perRow");
        QTest::newRow("Lotto 1000")
            << int(LottoGame::Lotto) << qint64(1000) << qint64(0) << qint64(1000) << 7;
        QTest::newRow("Viking 1000")
            << int(LottoGame::Viking) << qint64(1000) << qint64(0) << qint64(1000) << 6;
        QTest::newRow("one row") << int(LottoGame::Lotto) << qint64(1) << qint64(0) << qint64(1)
                                 << 7;
        QTest::newRow("none") << int(LottoGame::Lotto) << qint64(0) << qint64(0) << qint64(0) << 7;
        QTest::newRow("below none")
            << int(LottoGame::Viking) << qint64(-5) << qint64(0) << qint64(0) << 6;
        QTest::newRow("stopped at 300")
            << int(LottoGame::Lotto) << qint64(1000) << qint64(300) << qint64(300) << 7;
        QTest::newRow("stop on the last row")
            << int(LottoGame::Viking) << qint64(200) << qint64(200) << qint64(200) << 6;
    }
    void countsAddUp()
    {
        QFETCH(int, game);
        QFETCH(qint64, rows);
        QFETCH(qint64, stopAt);
        QFETCH(qint64, drawn);
        QFETCH(int, perRow);
        GeneratorRandom random(quint64(rows + game));
        LottoMachine machine;
        QList<qint64> asked;
        const qint64 ran = machine.run(random, LottoGame(game), rows, [&](qint64 soFar) {
            asked << soFar;
            return soFar != stopAt;
        });
        QCOMPARE(ran, drawn);
        QCOMPARE(asked.size(), int(drawn / LottoMachine::RowsPerCheck));
        qint64 sum = 0;
        const int highest = lottoRules(LottoGame(game)).highest;
        for (int k = 0; k < LottoMachine::Positions; ++k) {
            const auto& position = machine.table()[size_t(k)];
            QCOMPARE(position.ball, k + 1);
            if (position.ball > highest || drawn == 0)
                QVERIFY(!position.count);
            sum += position.count.value_or(0);
        }
        QCOMPARE(sum, drawn * perRow);
    }

    // Rows given number by number; "ISO" ranks most drawn first, "PIENI" least drawn first,
    // each on the table the previous ranking left.
    void ranking_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("rows");
        QTest::addColumn<std::vector<int>>("numbers");
        QTest::addColumn<QStringList>("rankings");
        QTest::addColumn<QString>("leaders");
        QTest::addColumn<QString>("counts");
        const std::vector<int> oneRow{5, 3, 9, 1, 2, 4, 6};
        const std::vector<int> twoRows{1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 8};
        QTest::newRow("none: nothing moves") << int(LottoGame::Lotto) << 0 << std::vector<int>{}
                                             << QStringList{"ISO"} << "1,2,3,4,5,6,7,8"
                                             << "-,-,-,-,-,-,-,-";
        QTest::newRow("one row, moved empty counts read 0")
            << int(LottoGame::Lotto) << 1 << oneRow << QStringList{"ISO"} << "1,2,3,4,5,6,9,8,7,10"
            << "1,1,1,1,1,1,1,-,0,-";
        QTest::newRow("then least first")
            << int(LottoGame::Lotto) << 1 << oneRow << QStringList{"ISO", "PIENI"} << "8,7,10,11"
            << "0,0,0,0";
        QTest::newRow("ties keep their order")
            << int(LottoGame::Lotto) << 2 << twoRows << QStringList{"ISO"} << "2,3,4,5,6,7,1,8,9"
            << "2,2,2,2,2,2,1,1,-";
        QTest::newRow("repeats rejected")
            << int(LottoGame::Lotto) << 1 << std::vector<int>{4, 4, 4, 1, 2, 3, 5, 6, 7}
            << QStringList{"PIENI"} << "8"
            << "0";
        QTest::newRow("Viking ranks up to 48")
            << int(LottoGame::Viking) << 1 << std::vector<int>{48, 47, 40, 1, 2, 3}
            << QStringList{"ISO"} << "1,2,3,40,47,48"
            << "1,1,1,1,1,1";
    }
    void ranking()
    {
        QFETCH(int, game);
        QFETCH(int, rows);
        QFETCH(std::vector<int>, numbers);
        QFETCH(QStringList, rankings);
        QFETCH(QString, leaders);
        const int highest = lottoRules(LottoGame(game)).highest;
        ScriptedRandom random(highest, numbers);
        LottoMachine machine;
        machine.run(random, LottoGame(game), rows);
        for (const QString& order : rankings)
            order == "ISO" ? machine.rankMostFirst() : machine.rankLeastFirst();
        const int n = int(leaders.count(u',')) + 1;
        QCOMPARE(joined(machine.leaders(n)), leaders);
        QTEST(shownCounts(machine, n), "counts");
    }

    // Lotto never ranks the balls above 39, even after a Viking run's range.
    void lottoLeavesHighBallsAlone()
    {
        GeneratorRandom random(7);
        LottoMachine machine(LottoGame::Viking);
        machine.run(random, LottoGame::Viking, 50);
        QCOMPARE(machine.rankingRange(), 48);
        machine.run(random, LottoGame::Lotto, 50);
        machine.rankLeastFirst();
        QCOMPARE(machine.rankingRange(), 39);
        QCOMPARE(joined(machine.leaders(48)).section(u',', 39), "40,41,42,43,44,45,46,47,48");
    }
};

QTEST_GUILESS_MAIN(TestLottoMachine)
#include "tst_lottomachine.moc"
