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

QList<qint64> listOf(const std::vector<qint64>& counts)
{
    return QList<qint64>(counts.begin(), counts.end());
}
} // namespace

class TestRowStatistics : public QObject
{
    Q_OBJECT
private slots:
    void counts_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("matchCount");
        QTest::addColumn<int>("match");
        QTest::addColumn<QList<qint64>>("home");
        QTest::addColumn<QList<qint64>>("away");
        QTest::addColumn<QList<qint64>>("outcomes"); // 1, X, 2
        const QStringList four{"2-1 0-0 1-3", "1-1 0-2 1-0", "0-1 0-0 3-3", "2-0 1-0 1-1"};
        // clang-format off
        // The away side reaches further than the home side: both run to 2.
        QTest::newRow("second match") << four << 3 << 1
            << QList<qint64>{3, 1, 0} << QList<qint64>{3, 0, 1} << QList<qint64>{1, 2, 1};
        QTest::newRow("two matches") << QStringList{"3-0 1-1", "0-0 1-2"} << 2 << 1
            << QList<qint64>{0, 2, 0} << QList<qint64>{0, 1, 1} << QList<qint64>{0, 1, 1};
        // The highest goal a row can hold must not fall off the end of the counts.
        QTest::newRow("99 goals") << QStringList{"99-98 0-0"} << 2 << 0
            << (QList<qint64>(99, 0) << 1) << (QList<qint64>(98, 0) << 1 << 0)
            << QList<qint64>{1, 0, 0};
        // clang-format on
    }

    void counts()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, matchCount);
        QFETCH(int, match);
        QFETCH(QList<qint64>, home);
        QFETCH(QList<qint64>, away);
        QFETCH(QList<qint64>, outcomes);
        const RowStatistics stats(rowsOf(rows));
        QCOMPARE(stats.matchCount(), matchCount);
        QCOMPARE(stats.rowCount(), qint64(rows.size()));
        const MatchStatistics& m = stats.match(match);
        QCOMPARE(listOf(m.homeGoals), home);
        QCOMPARE(listOf(m.awayGoals), away);
        QCOMPARE(QList<qint64>(m.outcomes.begin(), m.outcomes.end()), outcomes);
        QCOMPARE(m.share(MatchStatistics::AwayWin), double(outcomes[2]) / double(rows.size()));
    }

    // Only the rows the list shows count: a draw's staged rows are not listed yet.
    void listedRowsOnly()
    {
        RowListModel list;
        list.appendAll(rowsOf({"1-0 2-2", "0-0 0-1"}));
        list.stageIfNew(*ScoreRow::fromText(QStringLiteral("5-5 5-5")));
        const RowStatistics stats(list);
        QCOMPARE(stats.rowCount(), qint64(2));
        QCOMPARE(stats.matchCount(), 2);
        QCOMPARE(listOf(stats.match(1).homeGoals), (QList<qint64>{1, 0, 1}));
    }
};

QTEST_APPLESS_MAIN(TestRowStatistics)
#include "tst_rowstatistics.moc"
