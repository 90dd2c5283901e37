#include "files/rowmerge.h"
#include <QtTest>

Q_DECLARE_METATYPE(RowMerge::Plan)

namespace {
std::vector<ScoreRow> rowsOf(const QStringList& texts)
{
    std::vector<ScoreRow> rows;
    for (const QString& text : texts)
        rows.push_back(*ScoreRow::fromText(text));
    return rows;
}
} // namespace

class TestRowMerge : public QObject
{
    Q_OBJECT
private slots:
    // Opening a file into the list: the plan, then the rows appended with the player's answer
    // about duplicates (skip) where the plan asks.
    void merge_data()
    {
        using Plan = RowMerge::Plan;
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<Plan>("plan");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<int>("count");
        const QStringList three{"1-1 1-1 1-1"};
        const QStringList two{"1-1 1-1", "2-2 2-2", "1-1 1-1"};
        // clang-format off
        QTest::newRow("empty list, same width") << QStringList() << 2 << two << Plan::Append << false << 0 << 3;
        QTest::newRow("empty list, other width") << QStringList() << 3 << two << Plan::SwitchModeThenAppend << false << 0 << 3;
        QTest::newRow("empty list, empty file") << QStringList() << 2 << QStringList() << Plan::Append << false << 0 << 0;
        QTest::newRow("listed, other width") << three << 3 << two << Plan::WidthMismatch << false << 0 << 1;
        // The list's rows decide, not the mode: after a mode switch with rows kept.
        QTest::newRow("listed rows wider than the mode") << three << 2 << QStringList{"1-1 1-1 1-1"} << Plan::AskAboutDuplicates << true << 1 << 1;
        QTest::newRow("listed, empty file") << three << 3 << QStringList() << Plan::WidthMismatch << false << 0 << 1;
        QTest::newRow("duplicates skipped") << QStringList{"1-1 1-1"} << 2 << two << Plan::AskAboutDuplicates << true << 2 << 2;
        QTest::newRow("duplicates kept") << QStringList{"1-1 1-1"} << 2 << two << Plan::AskAboutDuplicates << false << 0 << 4;
        // clang-format on
    }
    void merge()
    {
        QFETCH(QStringList, listed);
        QFETCH(int, mode);
        QFETCH(QStringList, file);
        QFETCH(RowMerge::Plan, plan);
        QFETCH(bool, skip);
        QFETCH(int, skipped);
        QFETCH(int, count);
        RowListModel list;
        list.appendAll(rowsOf(listed));
        const int fileColumns = file.isEmpty() ? 0 : int(file[0].count(' ')) + 1;
        QCOMPARE(RowMerge::plan(list, mode, fileColumns), plan);
        if (plan == RowMerge::Plan::WidthMismatch)
            return;
        QCOMPARE(RowMerge::append(list, rowsOf(file), skip), qint64(skipped));
        QCOMPARE(list.count(), count);
    }
};

QTEST_GUILESS_MAIN(TestRowMerge)
#include "tst_rowmerge.moc"
