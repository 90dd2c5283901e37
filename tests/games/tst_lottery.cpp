#include "games/lottomachine.h"
#include "games/vakio.h"
#include "games/veto.h"
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

// Pools draws as a script over the matches: "3 0:x" picks box 3, then box 0 with the mark "x".
struct VakioScript : RandomSource
{
    VakioScript(int matches, const QString& script)
    {
        for (const QString& pick : script.split(' ', Qt::SkipEmptyParts)) {
            parts.push_back((pick.section(':', 0, 0).toInt() + 0.5) / matches);
            if (pick.contains(':'))
                parts.push_back((QString("x12").indexOf(pick.section(':', 1)) + 0.5) / 3);
        }
    }
    double next() override { return parts.at(at++); }
    std::vector<double> parts;
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

    // Long-odds outcomes from the draws 1: "X", 2: "1", 3: "2"; labels past the matches keep
    // their text, and of repeated rounds the last stands.
    void veto_data()
    {
        QTest::addColumn<int>("matches");
        QTest::addColumn<qint64>("repetitions");
        QTest::addColumn<std::vector<int>>("draws");
        QTest::addColumn<QString>("labels");
        QTest::newRow("three matches") << 3 << 0LL << std::vector<int>{2, 1, 3} << "1 X 2 v v v";
        QTest::newRow("the last round stands")
            << 2 << 1LL << std::vector<int>{1, 1, 3, 2} << "2 1 v v v v";
        QTest::newRow("no round below zero") << 6 << -1LL << std::vector<int>{} << "v v v v v v";
    }
    void veto()
    {
        QFETCH(int, matches);
        QFETCH(qint64, repetitions);
        QFETCH(std::vector<int>, draws);
        ScriptedRandom random(3, draws);
        Veto::Outcomes labels;
        labels.fill("v");
        Veto::draw(labels, matches, repetitions, random);
        QCOMPARE(random.at, draws.size());
        QTEST(QStringList(labels.begin(), labels.end()).join(' '), "labels");
    }

    // Covers over the drawn row "1 x 2 1 x 2 1 x 2 1": a half cover keeps the drawn mark and
    // reads "1x", "12" or "x2" whichever came first; a box already covered or the same mark again
    // is drawn anew.
    void placeCovers_data()
    {
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("half");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("boxes");
        // clang-format off
        QTest::newRow("1 after x") << 0 << 1 << "1:1" << "1 1x 2 1 x 2 1 x 2 1";
        QTest::newRow("x after 2") << 0 << 1 << "2:x" << "1 x x2 1 x 2 1 x 2 1";
        QTest::newRow("1 after 2") << 0 << 1 << "2:1" << "1 x 12 1 x 2 1 x 2 1";
        QTest::newRow("2 after 1") << 0 << 1 << "9:2" << "1 x 2 1 x 2 1 x 2 12";
        QTest::newRow("the same mark again") << 0 << 1 << "0:1 0:x" << "1x x 2 1 x 2 1 x 2 1";
        QTest::newRow("half-covered box again") << 0 << 2 << "4:1 4:2 5:x" << "1 x 2 1 1x x2 1 x 2 1";
        QTest::newRow("full cover not halved") << 1 << 1 << "3 3:x 6:x" << "1 x 2 1x2 x 2 1x x 2 1";
        QTest::newRow("full cover twice") << 2 << 0 << "8 8 0" << "1x2 x 2 1 x 2 1 x 1x2 1";
        // clang-format on
    }
    void placeCovers()
    {
        QFETCH(int, full);
        QFETCH(int, half);
        QFETCH(QString, script);
        const QStringList drawn = QString("1 x 2 1 x 2 1 x 2 1").split(' ');
        Vakio::Boxes boxes;
        std::copy(drawn.begin(), drawn.end(), boxes.begin());
        boxes[10] = boxes[11] = boxes[12] = "v"; // above the matches: never covered
        VakioScript random(int(drawn.size()), script);
        QCOMPARE(Vakio::placeCovers(boxes, int(drawn.size()), full, half, random),
                 Vakio::CoverResult::Placed);
        QCOMPARE(random.at, random.parts.size()); // every pick taken, no more
        QCOMPARE(boxes[10] + boxes[11] + boxes[12], "vvv");
        QTEST(QStringList(boxes.begin(), boxes.begin() + drawn.size()).join(' '), "boxes");
    }
};

QTEST_GUILESS_MAIN(TestLottery)
#include "tst_lottery.moc"
