#include "games/lottomachine.h"
#include <QtTest>

// Gives the listed numbers in turn, as draws from 1 to highest.
struct ScriptedRandom : RandomSource
{
    ScriptedRandom(int highest, std::vector<int> numbers) : highest(highest), numbers(numbers) {}
    double next() override { return (numbers.at(at++) - 0.5) / highest; }
    int highest;
    std::vector<int> numbers;
    size_t at = 0;
};

class TestLottery : public QObject
{
    Q_OBJECT
    static LottoGame game(int top) { return top == 39 ? LottoGame::Lotto : LottoGame::Viking; }

private slots:
    // size 0: no system chosen; wanted 0: a size the game does not offer.
    void rows_data()
    {
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("wanted");
        for (int size : {0, 7, 10}) {
            QTest::addRow("Lotto %d", size) << 39 << size << (size ? size : 7);
            QTest::addRow("Viking %d", size) << 48 << size << (size == 10 ? 0 : size ? size : 6);
        }
        for (int size = KenoSmallest; size <= KenoLargest; ++size)
            QTest::addRow("Keno %d", size) << KenoHighest << size << size;
    }
    void rows()
    {
        QFETCH(int, highest);
        QFETCH(int, size);
        QFETCH(int, wanted);
        GeneratorRandom random{quint64(size * 31 + highest)};
        const auto system = size ? std::optional(size) : std::nullopt;
        for (int draw = 0; draw < 500; ++draw) {
            const auto row =
                highest == KenoHighest
                    ? drawKenoRow(random, size)
                    : drawLottoNumbers(random, game(highest), system).value_or(std::vector<int>());
            QCOMPARE(int(row.size()), wanted);
            if (row.empty())
                return;
            QVERIFY(row.front() >= 1 && row.back() <= highest &&
                    std::adjacent_find(row.begin(), row.end(), std::greater_equal<int>()) ==
                        row.end());
        }
    }

    // Rankings in turn ("+" most drawn first); set up for Viking Lotto, the machine ranks only
    // the range of the game last drawn.
    void machine_data()
    {
        QTest::addColumn<int>("highest"); // 39: Lotto, 48: Viking Lotto
        QTest::addColumn<qint64>("rows");
        QTest::addColumn<qint64>("stopAt"); // the check that answers "stop", or 0
        QTest::addColumn<std::vector<int>>("numbers");
        QTest::addColumn<QString>("rankings");
        QTest::addColumn<QString>("leaders");
        // clang-format off
        QTest::newRow("Viking, not whole hundreds") << 48 << 1050LL << 0LL << std::vector<int>{} << "" << "";
        QTest::newRow("no rows") << 39 << -5LL << 0LL << std::vector<int>{} << "" << "";
        QTest::newRow("Lotto, stopped at 300") << 39 << 1000LL << 300LL << std::vector<int>{} << "" << "";
        QTest::newRow("then least first") << 39 << 1LL << 0LL << std::vector<int>{5, 3, 9, 1, 2, 4, 6} << "+-" << "8,7,10,11";
        QTest::newRow("repeats rejected") << 39 << 1LL << 0LL << std::vector<int>{4, 4, 4, 1, 2, 3, 5, 6, 7} << "-" << "8";
        QTest::newRow("Viking ranks up to 48") << 48 << 1LL << 0LL << std::vector<int>{48, 47, 40, 1, 2, 3} << "+" << "1,2,3,40,47,48";
        // clang-format on
    }
    void machine()
    {
        QFETCH(int, highest);
        QFETCH(qint64, rows);
        QFETCH(qint64, stopAt);
        QFETCH(std::vector<int>, numbers);
        QFETCH(QString, leaders);
        const LottoRules rules = lottoRules(game(highest));
        GeneratorRandom generated{quint64(rows)};
        ScriptedRandom scripted(rules.highest, numbers);
        LottoMachine machine(LottoGame::Viking);
        QList<qint64> asked;
        const qint64 drawn = stopAt ? stopAt : std::max(rows, qint64(0));
        QCOMPARE(machine.run(numbers.empty() ? static_cast<RandomSource&>(generated) : scripted,
                             game(highest), rows,
                             [&](qint64 soFar) { return (asked << soFar).last() != stopAt; }),
                 drawn);
        QCOMPARE(asked.size(), int(drawn / LottoMachine::RowsPerCheck));
        qint64 sum = 0;
        for (const LottoMachine::Position& position : machine.table()) {
            QVERIFY(position.ball <= rules.highest || !position.count);
            sum += position.count.value_or(0);
        }
        QCOMPARE(sum, drawn * rules.plainSize);
        QFETCH(QString, rankings);
        for (QChar order : rankings)
            order == '+' ? machine.rankMostFirst() : machine.rankLeastFirst();
        if (!leaders.isEmpty())
            QCOMPARE(numberRowText(machine.leaders(int(leaders.count(',')) + 1)), leaders);
        machine.rankLeastFirst();
        for (int k = rules.highest; k < LottoMachine::Positions; ++k)
            QCOMPARE(machine.table()[size_t(k)].ball, k + 1);
    }
};

QTEST_GUILESS_MAIN(TestLottery)
#include "tst_lottery.moc"
