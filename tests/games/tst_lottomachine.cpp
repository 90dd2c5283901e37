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

LottoGame gameNamed(const QString& name)
{
    return name == "Viking" ? LottoGame::Viking : LottoGame::Lotto;
}
} // namespace

class TestLottoMachine : public QObject
{
    Q_OBJECT
private slots:
    // Each number counted once per row it came in, none outside the game; a stop answered at
    // the check it was given.
    void countsAddUp_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<qint64>("rows");
        QTest::addColumn<qint64>("stopAt"); // the check that answers "stop", or 0
        QTest::addColumn<qint64>("drawn");
        // clang-format off
        QTest::newRow("Lotto 1000") << "Lotto" << 1000LL << 0LL << 1000LL;
        QTest::newRow("Viking 1050") << "Viking" << 1050LL << 0LL << 1050LL;
        QTest::newRow("below none") << "Viking" << -5LL << 0LL << 0LL;
        QTest::newRow("stopped at 300") << "Lotto" << 1000LL << 300LL << 300LL;
        QTest::newRow("stop on the last row") << "Viking" << 200LL << 200LL << 200LL;
        // clang-format on
    }
    void countsAddUp()
    {
        QFETCH(QString, game);
        QFETCH(qint64, rows);
        QFETCH(qint64, stopAt);
        QFETCH(qint64, drawn);
        GeneratorRandom random{quint64(rows)};
        LottoMachine machine;
        QList<qint64> asked;
        const qint64 ran = machine.run(random, gameNamed(game), rows, [&](qint64 soFar) {
            asked << soFar;
            return soFar != stopAt;
        });
        QCOMPARE(ran, drawn);
        QCOMPARE(asked.size(), int(drawn / LottoMachine::RowsPerCheck));
        const LottoRules rules = lottoRules(gameNamed(game));
        qint64 sum = 0;
        for (const LottoMachine::Position& position : machine.table()) {
            QVERIFY(position.ball <= rules.highest || !position.count);
            sum += position.count.value_or(0);
        }
        QCOMPARE(sum, drawn * rules.plainSize);
    }

    // Rows given number by number; "ISO" ranks most drawn first, "PIENI" least drawn first,
    // each on the table the one before left. counts: "-" for an empty count.
    void ranking_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("rows");
        QTest::addColumn<std::vector<int>>("numbers");
        QTest::addColumn<QStringList>("rankings");
        QTest::addColumn<QString>("leaders");
        QTest::addColumn<QString>("counts");
        const std::vector<int> row{5, 3, 9, 1, 2, 4, 6};
        const std::vector<int> twoRows{1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 8};
        // clang-format off
        QTest::newRow("none: nothing moves") << "Lotto" << 0 << std::vector<int>{} << QStringList{"ISO"} << "1,2,3,4,5,6,7,8" << "-,-,-,-,-,-,-,-";
        QTest::newRow("moved empty counts read 0") << "Lotto" << 1 << row << QStringList{"ISO"} << "1,2,3,4,5,6,9,8,7,10" << "1,1,1,1,1,1,1,-,0,-";
        QTest::newRow("then least first") << "Lotto" << 1 << row << QStringList{"ISO", "PIENI"} << "8,7,10,11" << "0,0,0,0";
        QTest::newRow("ties keep their order") << "Lotto" << 2 << twoRows << QStringList{"ISO"} << "2,3,4,5,6,7,1,8,9" << "2,2,2,2,2,2,1,1,-";
        QTest::newRow("repeats rejected") << "Lotto" << 1 << std::vector<int>{4, 4, 4, 1, 2, 3, 5, 6, 7} << QStringList{"PIENI"} << "8" << "0";
        QTest::newRow("Viking ranks up to 48") << "Viking" << 1 << std::vector<int>{48, 47, 40, 1, 2, 3} << QStringList{"ISO"} << "1,2,3,40,47,48" << "1,1,1,1,1,1";
        // clang-format on
    }
    void ranking()
    {
        QFETCH(QString, game);
        QFETCH(int, rows);
        QFETCH(std::vector<int>, numbers);
        QFETCH(QStringList, rankings);
        QFETCH(QString, leaders);
        const LottoRules rules = lottoRules(gameNamed(game));
        ScriptedRandom random(rules.highest, numbers);
        LottoMachine machine;
        machine.run(random, gameNamed(game), rows);
        for (const QString& order : rankings)
            order == "ISO" ? machine.rankMostFirst() : machine.rankLeastFirst();
        const int n = int(leaders.count(u',')) + 1;
        QCOMPARE(numberRowText(machine.leaders(n)), leaders);
        QStringList counts;
        for (int k = 0; k < n; ++k) {
            const auto& count = machine.table()[size_t(k)].count;
            counts << (count ? QString::number(*count) : QStringLiteral("-"));
        }
        QTEST(counts.join(u','), "counts");
    }

    // The range is the game last drawn: after a Viking run, Lotto ranks 1 to 39 again.
    void lottoLeavesHighBallsAlone()
    {
        GeneratorRandom random(7);
        LottoMachine machine(LottoGame::Viking);
        machine.run(random, LottoGame::Viking, 50);
        machine.run(random, LottoGame::Lotto, 50);
        machine.rankLeastFirst();
        QCOMPARE(numberRowText(machine.leaders(48)).section(u',', 39),
                 "40,41,42,43,44,45,46,47,48");
    }
};

QTEST_GUILESS_MAIN(TestLottoMachine)
#include "tst_lottomachine.moc"
