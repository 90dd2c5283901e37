#include "core/rowindex.h"
#include <QTest>
#include <utility>

// Three-match rows counting through the goals 0..12 from first on.
static std::vector<ScoreRow> counting(int count, int first = 0)
{
    std::vector<ScoreRow> rows;
    for (int n = first; n < first + count; ++n) {
        std::array<int, ScoreRow::MaxTeams> goals{};
        int rest = n;
        for (int& goal : goals)
            goal = std::exchange(rest, rest / 13) % 13;
        rows.push_back(ScoreRow(3, goals));
    }
    return rows;
}

class TestRowIndex : public QObject
{
    Q_OBJECT
private slots:
    // Rows inserted one by one past every growth of the table, or after a reservation: each is
    // new once, known afterwards, and rows never inserted stay unknown. A reservation sizes
    // the table once: 3,000,000 rows fit into 4Mi slots.
    void insertAndFind_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("reserved");
        QTest::addColumn<int>("table"); // after a reservation for all, 0: not checked
        QTest::newRow("one past the smallest table") << 49 << 49 << 128;
        QTest::newRow("many growths") << 100000 << 0 << 0;
        QTest::newRow("reserved for fewer") << 5000 << 1000 << 0;
        QTest::newRow("3,000,000") << 3000000 << 3000000 << (4 << 20);
    }
    void insertAndFind()
    {
        QFETCH(int, count);
        QFETCH(int, reserved);
        QFETCH(int, table);
        RowIndex index;
        index.reserve(size_t(reserved));
        const std::vector<ScoreRow> rows = counting(count);
        for (ScoreRow row : rows)
            QVERIFY(index.insert(row));
        for (ScoreRow row : rows) {
            QVERIFY(index.contains(row));
            QVERIFY(!index.insert(row));
        }
        for (ScoreRow row : counting(1000, count))
            QVERIFY(!index.contains(row));
        QCOMPARE(index.size(), size_t(count));
        QVERIFY(index.slotCount() * 3 / 4 >= size_t(count));
        QVERIFY(!table || index.slotCount() == size_t(table));
    }

    // A rebuild knows every row once, duplicates of the list included, and keeps the room asked
    // for; clearing forgets everything.
    void rebuildAndClear()
    {
        std::vector<ScoreRow> rows = counting(1000);
        rows.push_back(rows[10]);
        RowIndex index;
        index.insert(counting(1, 5000)[0]);
        index.rebuild(rows, 5000);
        QCOMPARE(index.size(), size_t(1000));
        QVERIFY(index.contains(rows[999]));
        QVERIFY(!index.contains(counting(1, 5000)[0]));
        QVERIFY(index.slotCount() * 3 / 4 >= 6000);
        index.clear();
        QVERIFY(!index.contains(rows[0]) && index.insert(rows[0]));
    }
};

QTEST_GUILESS_MAIN(TestRowIndex)
#include "tst_rowindex.moc"
