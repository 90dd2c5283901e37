#include "core/resultcheck.h"
#include "core/rowlistmodel.h"
#include "core/rowstatistics.h"
#include <QTest>

namespace {
std::vector<ScoreRow> rowsOf(const QStringList& texts)
{
    std::vector<ScoreRow> rows;
    for (const QString& text : texts)
        rows.push_back(*ScoreRow::fromText(text));
    return rows;
}

template <typename Counts> QList<qint64> listOf(const Counts& counts, size_t size)
{
    return QList<qint64>(counts.begin(), counts.begin() + qsizetype(size));
}
} // namespace

class TestRowChecks : public QObject
{
    Q_OBJECT
private slots:
    void finalScores()
    {
        QCOMPARE(readFinalScores(" 10-2 0-0 ", 2)->text(), "10-2 0-0");
        for (const char* text : {"1-2 0-1", "01-2 0-1 2-0", "1-2  0-1 2-0"})
            QVERIFY2(!readFinalScores(text, 3), text);
    }

    void counts_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<qint64>>("right"); // rows with 0, 1, 2 (, 3) matches right
        QTest::addColumn<int>("winning");
        const QStringList three{"1-2 0-0 2-0", "1-2 0-1 2-0", "0-0 0-1 3-0",
                                "2-1 1-0 0-2", "1-2 0-1 2-1", "1-2 0-1 2-0"};
        // clang-format off
        QTest::newRow("hit") << "1-2 0-1 2-0" << three << QList<qint64>{1, 1, 2, 2} << 1;
        QTest::newRow("miss") << "1-2 0-1 0-2" << three << QList<qint64>{0, 3, 3, 0} << -1;
        QTest::newRow("nothing right") << "2-1 1-0 0-2" << QStringList{"1-2 0-1 2-0"} << QList<qint64>{1, 0, 0, 0} << -1;
        QTest::newRow("two matches") << "3-1 0-0" << QStringList{"3-1 0-1", "0-0 3-1", "3-1 0-0"} << QList<qint64>{1, 1, 1} << 2;
        QTest::newRow("narrower row") << "1-0 2-2 0-0" << QStringList{"1-0 2-2"} << QList<qint64>{0, 0, 1, 0} << -1;
        // clang-format on
    }
    void counts()
    {
        QFETCH(QString, result);
        QFETCH(QStringList, rows);
        QFETCH(QList<qint64>, right);
        const ResultCheck check = checkResult(*ScoreRow::fromText(result), rowsOf(rows));
        QCOMPARE(check.matches, int(right.size()) - 1);
        QCOMPARE(listOf(check.rowsWithRight, size_t(right.size())), right);
        QTEST(check.firstWinning, "winning");
        QCOMPARE(check.rows, qint64(rows.size()));
    }

    // Staged rows are not listed yet; goal 99 must not fall off the end of the counts.
    void statistics_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("match");
        QTest::addColumn<QList<qint64>>("home");
        QTest::addColumn<QList<qint64>>("away");
        QTest::addColumn<QList<qint64>>("outcomes"); // 1, X, 2
        // clang-format off
        QTest::newRow("away further") << QStringList{"2-1 0-0 1-3", "1-1 0-2 1-0", "0-1 0-0 3-3", "2-0 1-0 1-1"} << 1
            << QList<qint64>{3, 1, 0} << QList<qint64>{3, 0, 1} << QList<qint64>{1, 2, 1};
        QTest::newRow("two matches") << QStringList{"3-0 1-1", "0-0 1-2"} << 1
            << QList<qint64>{0, 2, 0} << QList<qint64>{0, 1, 1} << QList<qint64>{0, 1, 1};
        QTest::newRow("99 goals") << QStringList{"99-98 0-0"} << 0
            << (QList<qint64>(99, 0) << 1) << (QList<qint64>(98, 0) << 1 << 0) << QList<qint64>{1, 0, 0};
        // clang-format on
    }
    void statistics()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, match);
        QFETCH(QList<qint64>, outcomes);
        RowListModel list;
        list.appendAll(rowsOf(rows));
        list.stageIfNew(ScoreRow(int(rows[0].count(' ')) + 1, {5, 5, 5, 5, 5, 5}));
        const RowStatistics stats(list);
        QCOMPARE(stats.matchCount(), int(rows[0].count(' ')) + 1);
        QCOMPARE(stats.rowCount(), qint64(rows.size()));
        const MatchStatistics& m = stats.match(match);
        QTEST(listOf(m.homeGoals, m.homeGoals.size()), "home");
        QTEST(listOf(m.awayGoals, m.awayGoals.size()), "away");
        QCOMPARE(listOf(m.outcomes, 3), outcomes);
        QCOMPARE(m.share(MatchStatistics::AwayWin), double(outcomes[2]) / double(rows.size()));
    }
};

QTEST_GUILESS_MAIN(TestRowChecks)
#include "tst_rowchecks.moc"
