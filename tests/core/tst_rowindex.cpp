#include "core/rowindex.h"
#include <QTest>

// Three-match rows counting through the goals 0..12 from first on.
static std::vector<ScoreRow> counting(int count, int first = 0)
{
    std::vector<ScoreRow> rows;
    for (int n = first; n < first + count; ++n) {
        std::array<int, ScoreRow::MaxTeams> goals{};
        int rest = n;
        for (int& goal : goals) {
            goal = rest % 13;
            rest /= 13;
        }
        rows.push_back(ScoreRow(3, goals));
    }
    return rows;
}

class TestRowIndex : public QObject
{
    Q_OBJECT
private slots:
    // Rows inserted one by one past every growth of the table, or after a reservation: each is
    // new once, known afterwards, and rows never inserted stay unknown.
    void insertAndFind_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("reserved");
        QTest::newRow("fewer than the smallest table fills") << 48 << 0;
        QTest::newRow("one past the smallest table") << 49 << 0;
        QTest::newRow("many growths") << 100000 << 0;
        QTest::newRow("reserved for all") << 100000 << 100000;
        QTest::newRow("reserved for fewer") << 5000 << 1000;
    }
    void insertAndFind()
    {
        QFETCH(int, count);
        QFETCH(int, reserved);
        RowIndex index;
        index.reserve(size_t(reserved));
        const std::vector<ScoreRow> rows = counting(count);
        for (ScoreRow row : rows)
            QVERIFY(index.insert(row));
        QCOMPARE(index.size(), size_t(count));
        for (ScoreRow row : rows) {
            QVERIFY(index.contains(row));
            QVERIFY(!index.insert(row));
        }
        for (ScoreRow row : counting(1000, count))
            QVERIFY(!index.contains(row));
        QCOMPARE(index.size(), size_t(count));
        QVERIFY(index.slotCount() * 3 / 4 >= size_t(count));
    }

    // A reservation sizes the table once: filling it up to the reserved count moves nothing, and
    // 3,000,000 rows fit into 4Mi tableSize of 8 bytes.
    void reservationHoldsItsRows_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("tableSize");
        QTest::newRow("none") << 0 << 64;
        QTest::newRow("three quarters of 64") << 48 << 64;
        QTest::newRow("one more") << 49 << 128;
        QTest::newRow("3,000,000") << 3000000 << (4 << 20);
    }
    void reservationHoldsItsRows()
    {
        QFETCH(int, count);
        QFETCH(int, tableSize);
        RowIndex index;
        index.reserve(size_t(count));
        QCOMPARE(index.slotCount(), size_t(tableSize));
        for (ScoreRow row : counting(count))
            index.insert(row);
        QCOMPARE(index.slotCount(), size_t(tableSize));
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
        const size_t tableSize = index.slotCount();
        QVERIFY(tableSize * 3 / 4 >= 6000);
        for (ScoreRow row : counting(5000, 1000))
            index.insert(row);
        QCOMPARE(index.slotCount(), tableSize);
        index.clear();
        QCOMPARE(index.size(), size_t(0));
        QVERIFY(!index.contains(rows[0]));
        QVERIFY(index.insert(rows[0]));
    }
};

QTEST_GUILESS_MAIN(TestRowIndex)
#include "tst_rowindex.moc"
