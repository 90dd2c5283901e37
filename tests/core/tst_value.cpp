#include "core/bestvaluerows.h"
#include "core/poolvalue.h"
#include "core/stakeshares.h"
#include <QTest>
#include <algorithm>

namespace {
const QLocale Finnish(QLocale::Finnish);

// What is read of text as a table ("1-0=12.3 0-0=10 muu=77.7 sum=100"), a file ("1-0 60 / ..."
// by match) or a pool's figures between '|' ("totalCents returnShare jackpotCents"), or the
// error (for the pool with the box at fault first).
QString described(const QString& what, const QString& text)
{
    if (what == "pool") {
        const QStringList f = text.split('|');
        const PoolRead read = ::readPool({f[0], f[1], f[2]}, Finnish);
        return read.pool ? QString("%1 %2 %3")
                               .arg(read.pool->totalCents)
                               .arg(read.pool->returnShare)
                               .arg(read.pool->jackpotCents)
                         : QString("%1: %2").arg(read.field).arg(read.error);
    }
    if (what == "file") {
        const StakeShares::FileRead read = StakeShares::readFile(text, Finnish);
        return read.tables ? QStringList(read.tables->begin(), read.tables->end()).join(" / ")
                           : read.error;
    }
    const ShareTableRead read = StakeShares::readTable(text, Finnish);
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
    auto scores = std::make_shared<const ScoreModel>(*ScoreModel::make(goals, 0));
    std::vector<std::vector<double>> shares;
    for (int m = 0; m < scores->matchCount(); ++m)
        shares.push_back(StakeShares::shareCells(table(tables[m]), scores->match(m)));
    return PoolValue::make(scores, shares,
                           Pool{qint64(total * 100), returned / 100, qint64(jackpot * 100)},
                           stakeCents);
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

const QStringList Tables = {"1-0 14\n0-0 9\n1-1 12\n0-1 8\n2-1 9\n2-0 10\n muu 38",
                            "0-0 7,5 %\n1-1 11,5 %\n1-0 9 %\n0-1 9 %\n2-2 4\n3-3 0\nmuut 59",
                            "1–0\t20\n0–1\t20\n1–1\t20\n0–0\t20\n2–2\t18"};
} // namespace

class TestValue : public QObject
{
    Q_OBJECT

private slots:
    void reads_data()
    {
        QTest::addColumn<QString>("what"); // table, file or pool
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        // clang-format off
        QTest::newRow("comma, per cent, muu") << "table" << "1-0 12,3 %\n0-0 10\nmuu 77,7" << "1-0=12.3 0-0=10 muu=77.7 sum=100";
        QTest::newRow("tab, dot") << "table" << "1-0\t12.3\n0-1\t87.7" << "1-0=12.3 0-1=87.7 sum=100";
        QTest::newRow("en dash, blanks, muut") << "table" << "1 – 0 12,3%\n\n  2–1  50 \nMuut 37,7" << "1-0=12.3 2-1=50 muu=37.7 sum=100";
        QTest::newRow("no-break spaces, CRLF") << "table" << "1-0\u00a012,3\u00a0%\r\n\r\nMUU 87,7\r\n" << "1-0=12.3 muu=87.7 sum=100";
        QTest::newRow("semicolons, two digits") << "table" << "10-0;50\n0-12;48" << "10-0=50 0-12=48 sum=98";
        QTest::newRow("rounded up to 104") << "table" << "1-0 52\n0-0 52" << "1-0=52 0-0=52 sum=104";
        QTest::newRow("a zero share") << "table" << "1-0 0\n0-0 100" << "1-0=0 0-0=100 sum=100";
        QTest::newRow("sum 80") << "table" << "1-0 40\n0-0 40" << "Osuuksien summa on 80,0 %; sen pitää olla 95–105 %.";
        QTest::newRow("sum 106") << "table" << "1-0 60\nmuu 46" << "Osuuksien summa on 106,0 %; sen pitää olla 95–105 %.";
        QTest::newRow("a score twice") << "table" << "1-0 40\n0-0 20\n1–0 40" << "Rivillä 3 tulos 1-0 on toiseen kertaan; ensimmäinen on rivillä 1.";
        QTest::newRow("muu twice") << "table" << "muu 40\n0-0 20\nmuut 40" << "Rivillä 3 on toinen \"muu\"-rivi; ensimmäinen on rivillä 1.";
        QTest::newRow("negative share") << "table" << "1-0 -5\n0-0 105" << "Rivillä 1 osuus on alle 0: \"1-0 -5\"";
        QTest::newRow("negative, minus sign") << "table" << "0-0 100\n2-2 \u22121,5 %" << "Rivillä 2 osuus on alle 0: \"2-2 \u22121,5 %\"";
        QTest::newRow("no table") << "table" << "Tulos Osuus\n1-0 50" << "Rivi 1 ei ole tulos ja osuus (esim. \"1-0 12,3 %\"): \"Tulos Osuus\"";
        QTest::newRow("three goals") << "table" << "100-0 50\n0-0 50" << "Rivi 1 ei ole tulos ja osuus (esim. \"1-0 12,3 %\"): \"100-0 50\"";
        QTest::newRow("score without share") << "table" << "0-0 100\n1-0" << "Rivi 2 ei ole tulos ja osuus (esim. \"1-0 12,3 %\"): \"1-0\"";
        QTest::newRow("empty") << "table" << " \n\n" << "Jakauma on tyhjä: liitä tulokset ja osuudet, yksi tulos riviä kohti.";
        QTest::newRow("file, head line") << "file" << "\ufeffkohde;tulos;osuus\r\n1;1-0;60\n2;0-0;55,5\n1;muu;40\r\n\n2;muu;44,5\n3;1-1;100" << "1-0 60\nmuu 40 / 0-0 55,5\nmuu 44,5 / 1-1 100";
        QTest::newRow("file, a match left out") << "file" << "1;1-0;100\n3;0-0;100" << "1-0 100 /  / 0-0 100";
        QTest::newRow("file, match 4") << "file" << "1;1-0;100\n4;0-0;100" << "Rivi 2 ei ole muotoa kohde;tulos;osuus (kohde 1–3): \"4;0-0;100\"";
        QTest::newRow("file, two fields") << "file" << "1;1-0 100" << "Rivi 1 ei ole muotoa kohde;tulos;osuus (kohde 1–3): \"1;1-0 100\"";
        QTest::newRow("file, twice, told by its lines") << "file" << "1;1-0;100\n2;0-0;50\n2;1-1;20\n2;0-0;30" << "Kohde 2: Rivillä 4 tulos 0-0 on toiseen kertaan; ensimmäinen on rivillä 2.";
        QTest::newRow("file, sum of a match") << "file" << "1;1-0;100\n2;0-0;50" << "Kohde 2: Osuuksien summa on 50,0 %; sen pitää olla 95–105 %.";
        QTest::newRow("pool, grouped, comma") << "pool" << "250 000|65,5|" << "25000000 0.655 0";
        QTest::newRow("pool, dot, jackpot") << "pool" << "1000.50|70|12\u00a0000" << "100050 0.7 1200000";
        QTest::newRow("pool, no stakes") << "pool" << "0|65|" << "0: Anna pelin odotettu vaihto euroina, esim. 250000.";
        QTest::newRow("pool, no return given") << "pool" << "1000||" << "1: Anna voittoihin palautettava osuus prosentteina (yli 0 ja enintään 100), esim. 65.";
        QTest::newRow("pool, return over 100") << "pool" << "1000|100,5|" << "1: Anna voittoihin palautettava osuus prosentteina (yli 0 ja enintään 100), esim. 65.";
        QTest::newRow("pool, negative jackpot") << "pool" << "1000|65|-1" << "2: Potti on euroina 0 tai enemmän; tyhjä on 0.";
        // clang-format on
    }
    void reads()
    {
        QFETCH(QString, what);
        QFETCH(QString, text);
        QTEST(described(what, text), "read");
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
        const ScoreModel scores = *ScoreModel::make({{1.4, 0.9}, {1, 1}}, 0);
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

    // Shares 1-0 20 % and 0-0 30 % in both matches, the rest by the chances; R is 50 %.
    void valueByHand_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("jackpot");
        QTest::addColumn<qint64>("stakeCents");
        QTest::addColumn<double>("payout"); // the winnings per euro, of the public's share
        // clang-format off
        QTest::newRow("plain") << "1-0 0-0" << 1000.0 << 0.0 << qint64(100) << 500 / (1000 * 0.06 + 1);
        QTest::newRow("jackpot") << "1-0 0-0" << 1000.0 << 300.0 << qint64(100) << 800 / (1000 * 0.06 + 1);
        QTest::newRow("nobody played it") << "2-2 0-0" << 1000.0 << 0.0 << qint64(100) << 500.0 / 1;
        QTest::newRow("own stake dominates") << "1-0 1-0" << 10.0 << 0.0 << qint64(500) << 5 / (10 * 0.04 + 5);
        // clang-format on
    }
    void valueByHand()
    {
        QFETCH(QString, row);
        QFETCH(double, total);
        QFETCH(double, jackpot);
        QFETCH(qint64, stakeCents);
        QFETCH(double, payout);
        const QString table = "1-0 20\n0-0 30\n2-2 0\nmuu 50";
        const auto value =
            poolValue({{1.4, 0.9}, {1, 1}}, {table, table}, total, 50, jackpot, stakeCents);
        const ScoreRow scores = *ScoreRow::fromText(row);
        QVERIFY(qFuzzyCompare(value->value(scores), value->model().probability(scores) * payout));
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
        QCOMPARE(found.rows, bruteForce(*value, ranges, count, least));
        QVERIFY(!found.stopped);
    }

    // Stopped, the search keeps the best rows met, in order; the progress is within its total.
    void stopKeepsBestMet()
    {
        const auto value = poolValue({{1.6, 0.8}, {1.1, 1.3}, {1, 1}}, Tables, 50000, 65, 0, 20);
        QList<bool> inRange;
        const BestValueRows::Result found = BestValueRows::find(
            *value, GoalRanges::upTo(3, 99), 300000, 0, [&](qint64 done, qint64 total) {
                inRange << (done >= 0 && done < total);
                return inRange.size() < 3;
            });
        QCOMPARE(inRange, QList<bool>({true, true, true}));
        QVERIFY(found.stopped && found.rows.size() > 1000);
        QVERIFY(std::is_sorted(found.rows.begin(), found.rows.end(), [&](ScoreRow x, ScoreRow y) {
            return value->valueOf(x) > value->valueOf(y);
        }));
    }
};

QTEST_GUILESS_MAIN(TestValue)
#include "tst_value.moc"
