#include "core/bestvaluerows.h"
#include "core/poolvalue.h"
#include "core/stakeshares.h"
#include <QTest>
#include <algorithm>

namespace {
const QLocale Finnish(QLocale::Finnish);

ScoreModel model(std::vector<ExpectedGoals> goals)
{
    return *ScoreModel::make(goals, 0);
}

// The table as "1-0=12.3 0-0=10 muu=77.7 sum=100", or the error.
QString described(const ShareTableRead& read)
{
    if (!read.table)
        return read.error;
    QStringList parts;
    for (const ListedScore& score : read.table->scores)
        parts << QString("%1-%2=%3").arg(score.home).arg(score.away).arg(score.percent);
    if (read.table->other)
        parts << QString("muu=%1").arg(*read.table->other);
    parts << QString("sum=%1").arg(read.table->sum);
    return parts.join(' ');
}

ShareTable table(const QString& text)
{
    return *StakeShares::readTable(text, Finnish).table;
}

// The pool value of the matches' goals and tables; T and C in euros, R per cent, b in cents.
std::shared_ptr<const PoolValue> poolValue(std::vector<ExpectedGoals> goals,
                                           const QStringList& tables, double total, double returned,
                                           double jackpot, qint64 stakeCents)
{
    auto scores = std::make_shared<const ScoreModel>(model(goals));
    std::vector<std::vector<double>> shares;
    for (int m = 0; m < scores->matchCount(); ++m)
        shares.push_back(StakeShares::shareCells(table(tables[m]), scores->match(m)));
    return PoolValue::make(scores, shares,
                           Pool{qint64(total * 100), returned / 100, qint64(jackpot * 100)},
                           stakeCents);
}

ScoreRow row(const char* text)
{
    return *ScoreRow::fromText(QString::fromLatin1(text));
}

// Every row within the ranges at least that likely, highest value first, equal values in goal
// order, without rows that cannot happen: the top N taken from all of them.
std::vector<ScoreRow> bruteForce(const PoolValue& value, const GoalRanges& ranges, qint64 count,
                                 double least)
{
    const int matches = value.model().matchCount();
    std::vector<ScoreRow> rows;
    std::array<int, 6> goals{};
    std::function<void(int)> each = [&](int team) {
        if (team == 2 * matches) {
            const ScoreRow row(matches, goals);
            if (value.model().probability(row) >= least && value.valueOf(row) > 0)
                rows.push_back(row);
            return;
        }
        for (int g = ranges.teams[size_t(team)].min; g <= ranges.teams[size_t(team)].max; ++g) {
            goals[size_t(team)] = g;
            each(team + 1);
        }
    };
    each(0);
    std::stable_sort(rows.begin(), rows.end(),
                     [&](ScoreRow x, ScoreRow y) { return value.valueOf(x) > value.valueOf(y); });
    rows.resize(size_t(std::min(count, qint64(rows.size()))));
    return rows;
}

QStringList texts(const std::vector<ScoreRow>& rows)
{
    QStringList list;
    for (ScoreRow row : rows)
        list << row.text();
    return list;
}

const QStringList Tables = {"1-0 14\n0-0 9\n1-1 12\n0-1 8\n2-1 9\n2-0 10\n muu 38",
                            "0-0 7,5 %\n1-1 11,5 %\n1-0 9 %\n0-1 9 %\n2-2 4\n3-3 0\nmuut 59",
                            "1–0\t20\n0–1\t20\n1–1\t20\n0–0\t20\n2–2\t18"};
} // namespace

class TestValue : public QObject
{
    Q_OBJECT

private slots:
    void readTable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        // clang-format off
        QTest::newRow("comma, per cent, muu") << "1-0 12,3 %\n0-0 10\nmuu 77,7" << "1-0=12.3 0-0=10 muu=77.7 sum=100";
        QTest::newRow("tab, dot") << "1-0\t12.3\n0-1\t87.7" << "1-0=12.3 0-1=87.7 sum=100";
        QTest::newRow("en dash, blanks, muut") << "1 – 0 12,3%\n\n  2–1  50 \nMuut 37,7" << "1-0=12.3 2-1=50 muu=37.7 sum=100";
        QTest::newRow("no-break spaces, CRLF") << "1-0\u00a012,3\u00a0%\r\n\r\nMUU 87,7\r\n" << "1-0=12.3 muu=87.7 sum=100";
        QTest::newRow("semicolons, two digits") << "10-0;50\n0-12;48" << "10-0=50 0-12=48 sum=98";
        QTest::newRow("rounded up to 104") << "1-0 52\n0-0 52" << "1-0=52 0-0=52 sum=104";
        QTest::newRow("a zero share") << "1-0 0\n0-0 100" << "1-0=0 0-0=100 sum=100";
        QTest::newRow("sum 80") << "1-0 40\n0-0 40" << "Osuuksien summa on 80,0 %; sen pitää olla 95–105 %.";
        QTest::newRow("sum 106") << "1-0 60\nmuu 46" << "Osuuksien summa on 106,0 %; sen pitää olla 95–105 %.";
        QTest::newRow("a score twice") << "1-0 40\n0-0 20\n1–0 40" << "Rivillä 3 tulos 1-0 on toiseen kertaan; ensimmäinen on rivillä 1.";
        QTest::newRow("muu twice") << "muu 40\n0-0 20\nmuut 40" << "Rivillä 3 on toinen \"muu\"-rivi; ensimmäinen on rivillä 1.";
        QTest::newRow("negative share") << "1-0 -5\n0-0 105" << "Rivillä 1 osuus on alle 0: \"1-0 -5\"";
        QTest::newRow("negative, minus sign") << "0-0 100\n2-2 \u22121,5 %" << "Rivillä 2 osuus on alle 0: \"2-2 \u22121,5 %\"";
        QTest::newRow("no table") << "Tulos Osuus\n1-0 50" << "Rivi 1 ei ole tulos ja osuus (esim. \"1-0 12,3 %\"): \"Tulos Osuus\"";
        QTest::newRow("three goals") << "100-0 50\n0-0 50" << "Rivi 1 ei ole tulos ja osuus (esim. \"1-0 12,3 %\"): \"100-0 50\"";
        QTest::newRow("score without share") << "0-0 100\n1-0" << "Rivi 2 ei ole tulos ja osuus (esim. \"1-0 12,3 %\"): \"1-0\"";
        QTest::newRow("empty") << " \n\n" << "Jakauma on tyhjä: liitä tulokset ja osuudet, yksi tulos riviä kohti.";
        // clang-format on
    }
    void readTable()
    {
        QFETCH(QString, text);
        QTEST(described(StakeShares::readTable(text, Finnish)), "read");
    }

    // The listed shares, scaled when there is "muu" or more than 100 %, and the rest spread
    // over the scores not listed by their chances.
    void shareCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("oneNil");
        QTest::addColumn<double>("rest");
        QTest::addColumn<QString>("sum");
        QTest::newRow("muu, 100") << "1-0 20\n0-0 30\nmuu 50" << 0.2 << 0.5 << "Summa 100,0 %";
        QTest::newRow("muu, scaled") << "1-0 20\n0-0 30\nmuu 48" << 20 / 98.0 << 48 / 98.0
                                     << "Summa 98,0 %, skaalattu 100 %:iin";
        QTest::newRow("no muu, the rest left") << "1-0 40\n0-0 57" << 0.4 << 0.03
                                               << "Summa 97,0 %, loput 3,0 % listaamattomille "
                                                  "tuloksille";
        QTest::newRow("no muu, over 100")
            << "1-0 50\n0-0 52" << 50 / 102.0 << 0.0 << "Summa 102,0 %, skaalattu 100 %:iin";
    }
    void shareCells()
    {
        QFETCH(QString, text);
        QFETCH(double, rest);
        const ScoreModel scores = model({{1.4, 0.9}, {1, 1}});
        const MatchScores& match = scores.match(0);
        const ShareTable read = table(text);
        QTEST(StakeShares::sumText(read, Finnish), "sum");
        const std::vector<double> cells = StakeShares::shareCells(read, match);
        QTEST(cells[size_t(MatchScores::Goals)], "oneNil");
        const double unlisted = 1 - match.at(1, 0) - match.at(0, 0);
        for (auto [h, a] : {std::pair{0, 1}, {2, 3}, {7, 0}})
            QVERIFY(qFuzzyCompare(1 + cells[size_t(h * MatchScores::Goals + a)],
                                  1 + rest * match.at(h, a) / unlisted));
    }

    void readFile_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QStringList>("tables");
        QTest::addColumn<QString>("error");
        QTest::newRow("all matches, head line")
            << "\ufeffkohde;tulos;osuus\r\n1;1-0;60\n2;0-0;55,5\n1;muu;40\r\n\n2;muu;44,5\n3;1-1;"
               "100"
            << QStringList{"1-0 60\nmuu 40", "0-0 55,5\nmuu 44,5", "1-1 100"} << "";
        QTest::newRow("a match left out")
            << "1;1-0;100\n3;0-0;100" << QStringList{"1-0 100", "", "0-0 100"} << "";
        QTest::newRow("match 4")
            << "1;1-0;100\n4;0-0;100" << QStringList{}
            << "Rivi 2 ei ole muotoa kohde;tulos;osuus (kohde 1–3): \"4;0-0;100\"";
        QTest::newRow("two fields")
            << "1;1-0 100" << QStringList{}
            << "Rivi 1 ei ole muotoa kohde;tulos;osuus (kohde 1–3): \"1;1-0 100\"";
        QTest::newRow("twice, told by the file's lines")
            << "1;1-0;100\n2;0-0;50\n2;1-1;20\n2;0-0;30" << QStringList{}
            << "Kohde 2: Rivillä 4 tulos 0-0 on toiseen kertaan; ensimmäinen on rivillä 2.";
        QTest::newRow("sum of a match") << "1;1-0;100\n2;0-0;50" << QStringList{}
                                        << "Kohde 2: Osuuksien summa on 50,0 %; sen pitää olla "
                                           "95–105 %.";
    }
    void readFile()
    {
        QFETCH(QString, content);
        const StakeShares::FileRead read = StakeShares::readFile(content, Finnish);
        QTEST(read.error, "error");
        QTEST(read.tables ? QStringList(read.tables->begin(), read.tables->end()) : QStringList(),
              "tables");
    }

    void readPool_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("read");
        // clang-format off
        QTest::newRow("grouped, comma") << QStringList{"250 000", "65,5", ""} << "25000000 0.655 0";
        QTest::newRow("dot, jackpot") << QStringList{"1000.50", "70", "12\u00a0000"} << "100050 0.7 1200000";
        QTest::newRow("no stakes") << QStringList{"0", "65", ""} << "0: Anna pelin odotettu vaihto euroina, esim. 250000.";
        QTest::newRow("no return given") << QStringList{"1000", "", ""} << "1: Anna voittoihin palautettava osuus prosentteina (yli 0 ja enintään 100), esim. 65.";
        QTest::newRow("return over 100") << QStringList{"1000", "100,5", ""} << "1: Anna voittoihin palautettava osuus prosentteina (yli 0 ja enintään 100), esim. 65.";
        QTest::newRow("negative jackpot") << QStringList{"1000", "65", "-1"} << "2: Potti on euroina 0 tai enemmän; tyhjä on 0.";
        // clang-format on
    }
    void readPool()
    {
        QFETCH(QStringList, texts);
        const PoolRead read = ::readPool({texts[0], texts[1], texts[2]}, Finnish);
        QTEST(read.pool ? QString("%1 %2 %3")
                              .arg(read.pool->totalCents)
                              .arg(read.pool->returnShare)
                              .arg(read.pool->jackpotCents)
                        : QString("%1: %2").arg(read.field).arg(read.error),
              "read");
    }

    // Shares 1-0 20 % and 0-0 30 % in both matches, the rest by the chances.
    void valueByHand_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("jackpot");
        QTest::addColumn<qint64>("stakeCents");
        QTest::addColumn<double>("share");
        QTest::addColumn<double>("payout");
        // payout: the winnings per euro; share: the public's on the row.
        QTest::newRow("plain") << "1-0 0-0" << 1000.0 << 0.0 << qint64(100) << 0.06
                               << 500 / (1000 * 0.06 + 1);
        QTest::newRow("jackpot") << "1-0 0-0" << 1000.0 << 300.0 << qint64(100) << 0.06
                                 << 800 / (1000 * 0.06 + 1);
        QTest::newRow("nobody played it")
            << "2-2 0-0" << 1000.0 << 0.0 << qint64(100) << 0.0 << 500.0 / 1;
        QTest::newRow("own stake dominates")
            << "1-0 1-0" << 10.0 << 0.0 << qint64(500) << 0.04 << 5 / (10 * 0.04 + 5);
    }
    void valueByHand()
    {
        QFETCH(QString, row);
        QFETCH(double, total);
        QFETCH(double, jackpot);
        QFETCH(qint64, stakeCents);
        QFETCH(double, share);
        QFETCH(double, payout);
        const QString table = "1-0 20\n0-0 30\n2-2 0\nmuu 50";
        const auto value =
            poolValue({{1.4, 0.9}, {1, 1}}, {table, table}, total, 50, jackpot, stakeCents);
        QVERIFY(value);
        const ScoreRow scores = *ScoreRow::fromText(row);
        const double p = value->model().probability(scores);
        QVERIFY(qFuzzyCompare(value->share(scores) + 1, share + 1));
        QVERIFY(qFuzzyCompare(value->value(scores), p * payout));
    }

    void bestValueRows_data()
    {
        QTest::addColumn<int>("matches");
        QTest::addColumn<int>("max");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<double>("least");
        QTest::addColumn<qint64>("stakeCents");
        // clang-format off
        QTest::newRow("3 matches, top 1") << 3 << 3 << qint64(1) << 0.0 << qint64(20);
        QTest::newRow("3 matches, top 50") << 3 << 3 << qint64(50) << 0.0 << qint64(20);
        QTest::newRow("3 matches, own stake large") << 3 << 3 << qint64(300) << 0.0 << qint64(500000);
        QTest::newRow("3 matches, all and more") << 3 << 3 << qint64(5000) << 0.0 << qint64(20);
        QTest::newRow("3 matches, least chance") << 3 << 3 << qint64(100) << 0.0005 << qint64(20);
        QTest::newRow("least chance above all") << 3 << 3 << qint64(100) << 0.5 << qint64(20);
        QTest::newRow("2 matches, ties") << 2 << 5 << qint64(30) << 0.0 << qint64(20);
        QTest::newRow("2 matches, least chance") << 2 << 9 << qint64(40) << 0.002 << qint64(100);
        // clang-format on
    }
    void bestValueRows()
    {
        QFETCH(int, matches);
        QFETCH(int, max);
        QFETCH(qint64, count);
        QFETCH(double, least);
        QFETCH(qint64, stakeCents);
        // Match 3 even with even shares: equal values to be taken in goal order.
        std::vector<ExpectedGoals> goals = {{1.6, 0.8}, {1.1, 1.3}, {1, 1}};
        goals.erase(goals.begin(), goals.end() - matches);
        const auto value = poolValue(goals, Tables.mid(3 - matches), 50000, 65, 1000, stakeCents);
        GoalRanges ranges = GoalRanges::upTo(matches, max);
        ranges.teams[1].min = 1; // a team with a least goal count too
        const BestValueRows::Result found = BestValueRows::find(*value, ranges, count, least);
        QCOMPARE(texts(found.rows), texts(bruteForce(*value, ranges, count, least)));
        QVERIFY(!found.stopped);
        // A row listed before is not listed again.
        RowListModel list;
        if (!found.rows.empty())
            list.appendAll({found.rows.back()});
        const BestRows::Appended appended =
            BestValueRows::appendTo(list, *value, ranges, count, least);
        QCOMPARE(appended.found, qint64(found.rows.size()));
        QCOMPARE(appended.added, qint64(found.rows.size()) - (found.rows.empty() ? 0 : 1));
    }

    void stopKeepsBestMet()
    {
        const auto value = poolValue({{1.6, 0.8}, {1.1, 1.3}, {1, 1}}, Tables, 50000, 65, 0, 20);
        int told = 0;
        bool inRange = true;
        const BestValueRows::Result found = BestValueRows::find(
            *value, GoalRanges::upTo(3, 99), 300000, 0, [&](qint64 done, qint64 total) {
                inRange = inRange && done >= 0 && done < total;
                return ++told < 3;
            });
        QVERIFY(inRange);
        QVERIFY(found.stopped);
        QCOMPARE(told, 3);
        QVERIFY(found.rows.size() > 1000);
        QVERIFY(std::is_sorted(found.rows.begin(), found.rows.end(), [&](ScoreRow x, ScoreRow y) {
            return value->valueOf(x) > value->valueOf(y);
        }));
    }

    // Highest value first, equal values in list order, ticks with their rows; the return is
    // the sum of stake times value over the list's stake, kept as rows come and go.
    void orderAndReturn()
    {
        const auto value = poolValue({{1.6, 0.8}, {1.1, 1.3}}, Tables.mid(1), 2000, 60, 0, 100);
        RowListModel list;
        const char* rows[] = {"0-0 0-0", "3-3 2-2", "1-0 1-1", "3-3 2-2", "0-0 1-0", "5-0 0-1"};
        for (const char* text : rows)
            list.appendAll({row(text)});
        list.checkPositions({1, 4});
        const std::optional<Chance::Ordered> ordered = RowValues::orderedByValue(*value, list);
        QVERIFY(ordered);
        QVERIFY(
            std::is_sorted(ordered->rows.begin(), ordered->rows.end(), [&](ScoreRow x, ScoreRow y) {
                return value->valueOf(x) > value->valueOf(y);
            }));
        QStringList ticked;
        for (int i : ordered->ticked)
            ticked << ordered->rows[size_t(i)].text();
        ticked.sort();
        QCOMPARE(ticked, QStringList({"0-0 1-0", "3-3 2-2"}));
        RowListModel inOrder;
        inOrder.appendAll(ordered->rows);
        QVERIFY(!RowValues::orderedByValue(*value, inOrder));

        ValueTally tally;
        tally.setValue(value);
        tally.reset(list.rows().data(), list.rows().size());
        double staked = 0;
        for (ScoreRow r : list.rows())
            staked += 1.0 * value->value(r);
        QVERIFY(qFuzzyCompare(tally.expectedReturn(), staked / (1.0 * list.count())));
        tally.remove(row("3-3 2-2"));
        tally.add(row("2-1 0-0"));
        staked += value->value(row("2-1 0-0")) - value->value(row("3-3 2-2"));
        QVERIFY(qFuzzyCompare(tally.expectedReturn(), staked / 6));
        // Emptied, the return is exactly 0 whatever the rounding of the removals.
        for (const char* text : {"0-0 0-0", "1-0 1-1", "3-3 2-2", "0-0 1-0", "5-0 0-1", "2-1 0-0"})
            tally.remove(row(text));
        QCOMPARE(tally.rowCount(), qint64(0));
        QCOMPARE(tally.expectedReturn(), 0.0);
        QCOMPARE(RowValues::expectedReturnText(0.874, Finnish),
                 QString("Odotettu palautus 87 % panoksesta"));
    }
};

QTEST_GUILESS_MAIN(TestValue)
#include "tst_value.moc"
