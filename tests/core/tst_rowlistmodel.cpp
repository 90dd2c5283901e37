#include "core/rowlistmodel.h"
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {
ScoreRow row(const QString& text)
{
    const auto parsed = ScoreRow::fromText(text);
    if (!parsed)
        qFatal("bad row in test data: %s", qPrintable(text));
    return *parsed;
}

std::vector<ScoreRow> rows(const QStringList& texts)
{
    std::vector<ScoreRow> result;
    for (const QString& text : texts)
        result.push_back(row(text));
    return result;
}

// The list as a view sees it.
QStringList texts(const RowListModel& model)
{
    QStringList result;
    for (int i = 0; i < model.rowCount(); ++i)
        result << model.data(model.index(i)).toString();
    return result;
}

// Every model under test is watched by the model tester, which fails the test on any
// inconsistency between the signals and the contents.
struct WatchedModel
{
    RowListModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
};

// Eight distinct rows "1-0 0-0" .. "8-0 0-0", so that row n reads as its number.
QStringList numbered(int count)
{
    QStringList result;
    for (int n = 1; n <= count; ++n)
        result << QStringLiteral("%1-0 0-0").arg(n);
    return result;
}
} // namespace

class TestRowListModel : public QObject
{
    Q_OBJECT
private slots:
    void duplicateTest_data();
    void duplicateTest();
    void appendAllKeepsDuplicates();
    void ticking();
    void removeChecked_data();
    void removeChecked();
    void largeIndex();
};

void TestRowListModel::duplicateTest_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("batch");
    QTest::addColumn<QStringList>("list");

    QTest::newRow("duplicates inside the batch")
        << QStringList{} << QStringList{"1-1 1-1", "2-2 2-2", "1-1 1-1", "2-2 2-2", "3-3 3-3"}
        << QStringList{"1-1 1-1", "2-2 2-2", "3-3 3-3"};
    QTest::newRow("duplicates against the list")
        << QStringList{"1-1 1-1", "2-2 2-2"} << QStringList{"2-2 2-2", "3-3 3-3", "1-1 1-1"}
        << QStringList{"1-1 1-1", "2-2 2-2", "3-3 3-3"};
    QTest::newRow("both kinds") << QStringList{"5-0 0-5"}
                                << QStringList{"1-0 0-1", "5-0 0-5", "1-0 0-1", "0-1 1-0"}
                                << QStringList{"5-0 0-5", "1-0 0-1", "0-1 1-0"};
    QTest::newRow("two and three matches differ")
        << QStringList{"1-2 3-4"} << QStringList{"1-2 3-4 0-0", "1-2 3-4"}
        << QStringList{"1-2 3-4", "1-2 3-4 0-0"};
    QTest::newRow("two-digit goals")
        << QStringList{"10-2 11-0"} << QStringList{"1-0 2-11", "10-2 11-0"}
        << QStringList{"10-2 11-0", "1-0 2-11"};
    QTest::newRow("nothing new") << QStringList{"1-1 1-1", "2-2 2-2"}
                                 << QStringList{"2-2 2-2", "1-1 1-1", "2-2 2-2"}
                                 << QStringList{"1-1 1-1", "2-2 2-2"};
    QTest::newRow("empty batch") << QStringList{"1-1 1-1"} << QStringList{}
                                 << QStringList{"1-1 1-1"};
}

// A batch through appendNew and the same rows one by one through appendIfNew end alike.
void TestRowListModel::duplicateTest()
{
    QFETCH(QStringList, listed);
    QFETCH(QStringList, batch);
    QFETCH(QStringList, list);
    const int added = int(list.size() - listed.size());

    WatchedModel watched;
    RowListModel& model = watched.model;
    QCOMPARE(model.appendNew(rows(listed)), int(listed.size()));
    QSignalSpy counts(&model, &RowListModel::countChanged);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QCOMPARE(model.appendNew(rows(batch)), added);
    QCOMPARE(texts(model), list);
    // One insertion of the new rows, announced once.
    QCOMPARE(inserted.count(), added > 0 ? 1 : 0);
    QCOMPARE(counts.count(), added > 0 ? 1 : 0);
    if (added > 0) {
        QCOMPARE(inserted.first().at(1).toInt(), int(listed.size()));
        QCOMPARE(inserted.first().at(2).toInt(), int(list.size() - 1));
        QCOMPARE(counts.first().at(0).toInt(), int(list.size()));
    }
    for (const QString& text : list)
        QVERIFY(model.contains(row(text)));
    QVERIFY(!model.contains(row("9-9 9-9")));

    WatchedModel single;
    QSignalSpy singleCounts(&single.model, &RowListModel::countChanged);
    int appended = 0;
    for (const QString& text : listed + batch)
        appended += single.model.appendIfNew(row(text)) ? 1 : 0;
    QCOMPARE(texts(single.model), list);
    QCOMPARE(appended, int(list.size()));
    QCOMPARE(singleCounts.count(), appended);
}

// Systems are listed without the duplicate test, yet later single rows must still see them.
void TestRowListModel::appendAllKeepsDuplicates()
{
    WatchedModel watched;
    RowListModel& model = watched.model;
    model.appendIfNew(row("1-1 1-1"));
    QSignalSpy counts(&model, &RowListModel::countChanged);
    model.appendAll(rows({"2-2 2-2", "1-1 1-1", "2-2 2-2", "3-3 3-3"}));
    QCOMPARE(texts(model), QStringList({"1-1 1-1", "2-2 2-2", "1-1 1-1", "2-2 2-2", "3-3 3-3"}));
    QCOMPARE(counts.count(), 1);
    QCOMPARE(counts.first().at(0).toInt(), 5);

    for (const char* text : {"1-1 1-1", "2-2 2-2", "3-3 3-3"}) {
        QVERIFY(model.contains(row(text)));
        QVERIFY(!model.appendIfNew(row(text)));
    }
    QCOMPARE(model.appendNew(rows({"3-3 3-3", "4-4 4-4"})), 1);
    QCOMPARE(model.count(), 6);

    model.setChecked(1, true);
    model.clear();
    QVERIFY(model.isEmpty());
    QCOMPARE(model.checkedCount(), 0);
    QCOMPARE(counts.last().at(0).toInt(), 0);
    QVERIFY(model.appendIfNew(row("1-1 1-1")));
}

void TestRowListModel::ticking()
{
    WatchedModel watched;
    RowListModel& model = watched.model;
    model.appendAll(rows(numbered(5)));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.setChecked(1, true);
    model.setChecked(1, true); // no change, no count
    model.setChecked(3, true);
    QCOMPARE(model.checkedCount(), 2);
    QCOMPARE(changed.count(), 2);

    model.setChecked(0, false); // already unticked
    model.setChecked(1, false);
    QCOMPARE(model.checkedCount(), 1);
    QCOMPARE(changed.count(), 3);
    QVERIFY(!model.isChecked(1));
    QVERIFY(model.isChecked(3));

    // The view ticks through setData.
    QVERIFY(model.setData(model.index(4), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(model.isChecked(4));
    QCOMPARE(model.data(model.index(4), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(model.setData(model.index(3), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(model.data(model.index(3), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(model.checkedCount(), 1);
    QVERIFY(!model.setData(model.index(2), Qt::Checked, Qt::DisplayRole));
    QVERIFY(!model.isChecked(2));

    model.checkAll();
    QCOMPARE(model.checkedCount(), 5);
    for (int i = 0; i < 5; ++i)
        QVERIFY(model.isChecked(i));
    // Rows appended after ticking come unticked.
    model.appendIfNew(row("0-0 0-9"));
    QVERIFY(!model.isChecked(5));
    QCOMPARE(model.checkedCount(), 5);

    RowListModel empty;
    QSignalSpy emptyChanged(&empty, &QAbstractItemModel::dataChanged);
    empty.checkAll();
    QCOMPARE(emptyChanged.count(), 0);
}

void TestRowListModel::removeChecked_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QList<int>>("ticked"); // positions from 0
    QTest::addColumn<QStringList>("kept");

    const QStringList eight = numbered(8);
    QTest::newRow("rows 2, 3, 7 of 8")
        << eight << QList<int>{1, 2, 6}
        << QStringList{eight[0], eight[3], eight[4], eight[5], eight[7]};
    QTest::newRow("first and last") << eight << QList<int>{0, 7} << eight.mid(1, 6);
    QTest::newRow("all") << eight << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << QStringList{};
    QTest::newRow("only row") << numbered(1) << QList<int>{0} << QStringList{};
    QTest::newRow("none ticked") << eight << QList<int>{} << eight;
    // The index knew the first copy; the second stays and must still be found.
    QTest::newRow("first of a duplicate") << QStringList{"1-1 1-1", "2-2 2-2", "1-1 1-1"}
                                          << QList<int>{0} << QStringList{"2-2 2-2", "1-1 1-1"};
    QTest::newRow("second of a duplicate") << QStringList{"1-1 1-1", "2-2 2-2", "1-1 1-1"}
                                           << QList<int>{2} << QStringList{"1-1 1-1", "2-2 2-2"};
}

void TestRowListModel::removeChecked()
{
    QFETCH(QStringList, listed);
    QFETCH(QList<int>, ticked);
    QFETCH(QStringList, kept);

    WatchedModel watched;
    RowListModel& model = watched.model;
    model.appendAll(rows(listed));
    for (int position : ticked)
        model.setChecked(position, true);

    QSignalSpy counts(&model, &RowListModel::countChanged);
    QCOMPARE(model.removeChecked(), int(ticked.size()));
    QCOMPARE(texts(model), kept);
    QCOMPARE(model.checkedCount(), 0);
    for (int i = 0; i < model.count(); ++i)
        QVERIFY(!model.isChecked(i));
    QCOMPARE(counts.count(), ticked.isEmpty() ? 0 : 1);
    if (!ticked.isEmpty())
        QCOMPARE(counts.first().at(0).toInt(), int(kept.size()));

    // The duplicate test follows the removal: kept rows are refused, removed ones come back.
    for (const QString& text : listed) {
        QCOMPARE(model.contains(row(text)), kept.contains(text));
    }
    for (const QString& text : listed) {
        const bool wasRemoved = !kept.contains(text);
        const int before = model.count();
        QCOMPARE(model.appendIfNew(row(text)), wasRemoved);
        if (wasRemoved) {
            QCOMPARE(model.count(), before + 1);
            QCOMPARE(model.at(before), row(text));
            kept << text;
        }
    }
}

// The index grows many times over; every row must still be found afterwards. No model tester
// here: it walks the whole list on every signal, and ticking 100,000 rows one by one is 100,000
// signals.
void TestRowListModel::largeIndex()
{
    constexpr int total = 200000;
    std::vector<ScoreRow> all;
    all.reserve(total);
    for (int n = 0; int(all.size()) < total; ++n) {
        std::array<int, ScoreRow::MaxTeams> goals{};
        int rest = n;
        for (int& goal : goals) {
            goal = rest % 10;
            rest /= 10;
        }
        all.push_back(ScoreRow(3, goals));
    }

    RowListModel model;
    constexpr size_t batch = 25000;
    for (size_t first = 0; first < all.size(); first += batch) {
        const std::vector<ScoreRow> part(all.begin() + first, all.begin() + first + batch);
        QCOMPARE(model.appendNew(part), int(batch));
    }
    QCOMPARE(model.count(), total);
    for (const ScoreRow& listed : all)
        QVERIFY(model.contains(listed));
    // Same goals in two-match rows, and three-match rows beyond the count, were never listed.
    QVERIFY(!model.contains(row("0-0 0-0")));
    QVERIFY(!model.contains(row("0-0 0-0 0-2")));
    QCOMPARE(model.appendNew(all), 0);

    // Removing every second row rebuilds the index over the rest.
    for (int i = 0; i < total; i += 2)
        model.setChecked(i, true);
    QCOMPARE(model.removeChecked(), total / 2);
    for (int i = 0; i < total; ++i)
        QCOMPARE(model.contains(all[size_t(i)]), i % 2 == 1);
}

QTEST_GUILESS_MAIN(TestRowListModel)
#include "tst_rowlistmodel.moc"
