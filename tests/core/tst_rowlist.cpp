#include "core/rowindex.h"
#include "core/rowlistchange.h"
#include "core/rowlistmodel.h"
#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <utility>

using Numbers = QList<int>;

// Rows "n-0 0-0", named by n.
static std::vector<ScoreRow> rows(const Numbers& numbers)
{
    std::vector<ScoreRow> result;
    for (int n : numbers)
        result.push_back(ScoreRow(2, {n, 0, 0, 0}));
    return result;
}

static Numbers numbers(const QString& text)
{
    Numbers found;
    for (const QString& n : text.split(QRegularExpression("[ ,]"), Qt::SkipEmptyParts))
        found << n.toInt();
    return found;
}

// "1 2* 3": the rows 1, 2 and 3, the second ticked.
static void list(RowListModel& model, const QString& listed)
{
    const QStringList texts = listed.split(' ', Qt::SkipEmptyParts);
    for (const QString& text : texts)
        model.appendAll(rows({QString(text).remove('*').toInt()}));
    for (int i = 0; i < texts.size(); ++i)
        model.setChecked(i, texts[i].endsWith('*'));
}

static QString shown(const RowListModel& model)
{
    QStringList texts;
    for (int i = 0; i < model.count(); ++i)
        texts << QString::number(model.at(i).goal(0)) + (model.isChecked(i) ? "*" : "");
    return texts.join(' ');
}

// Rows the duplicate test gets wrong: listed but not found, or found though taken out.
static QString wronglyKnown(const RowListModel& model, const QString& everyRow)
{
    QStringList wrong;
    for (int n : numbers(QString(everyRow).remove('*'))) {
        const ScoreRow row = rows({n})[0];
        const bool listed =
            std::find(model.rows().begin(), model.rows().end(), row) != model.rows().end();
        if (model.contains(row) != listed)
            wrong << QString::number(n) + (listed ? " not found" : " found");
    }
    wrong.removeDuplicates();
    return wrong.join(", ");
}

// A three-match row counting through the goals 0..12.
static ScoreRow counting(int n)
{
    return ScoreRow(
        3, {n % 13, n / 13 % 13, n / 169 % 13, n / 2197 % 13, n / 28561 % 13, n / 371293 % 13});
}

class TestRowList : public QObject
{
    Q_OBJECT
private slots:
    // Each change undone and redone. "+n,m" appends all, "n:n,m" the new ones, "s:n,m" stages
    // and announces each, "c" clears, "x" removes the ticked. Ticks, which undo leaves as they
    // are, before any change: "t:0,0" ticks and "u:1" unticks positions one by one, "k:0,2,2"
    // all at once, "a" every row.
    void undoRedo_data()
    {
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("between"); // ticked after the undo: redo takes the same rows
        // clang-format off
        QTest::newRow("append range") << "1 2*" << "+3,4" << "1 2* 3 4" << "";
        QTest::newRow("append into an empty list") << "" << "+3,3" << "3 3" << "";
        QTest::newRow("append new") << "1 2*" << "n:2,5,5" << "1 2* 5" << "";
        QTest::newRow("staged, announced twice") << "1" << "s:5,6" << "1 5 6" << "";
        QTest::newRow("remove rows 2, 3, 7 of 8") << "1 2* 3* 4 5 6 7* 8" << "x" << "1 4 5 6 8" << "";
        QTest::newRow("remove first of a duplicate") << "1* 2 1" << "x" << "2 1" << "";
        QTest::newRow("remove, append, clear, append") << "1 2* 3" << "x +4,5 c n:6,1" << "6 1" << "";
        QTest::newRow("unticked, then remove") << "1* 2* 3*" << "u:1,1 x" << "2" << "";
        QTest::newRow("ticked twice, then remove") << "1* 2 3" << "t:0,2,2 x" << "2" << "";
        QTest::newRow("all ticked, then remove") << "1 2* 3" << "a x" << "" << "";
        QTest::newRow("ticked at once with repeats") << "1* 2 3 4" << "k:0,2,2,0 x" << "2 4" << "";
        QTest::newRow("remove, one of the rest ticked before the redo") << "1* 2 3*" << "x" << "2" << "1";
        // clang-format on
    }
    void undoRedo()
    {
        QFETCH(QString, listed);
        QFETCH(QString, change);
        QFETCH(QString, after);
        RowListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        list(model, listed);
        QVERIFY(listed.isEmpty() || model.contains(model.at(0))); // the index is built
        const QString everyRow = listed + ' ' + after;
        // Every count of ticked rows against the ticks themselves.
        auto ticked = [&model] { return int(shown(model).count('*')); };
        RowListChange recorded;
        model.recordInto(&recorded);
        QString unchanged = shown(model); // what the undo brings back: the ticks stay
        for (const QString& step : change.split(' ')) {
            const Numbers positions = numbers(step.section(':', 1));
            const std::vector<ScoreRow> batch = rows(positions);
            if (step.startsWith('+')) {
                model.appendAll(rows(numbers(step.mid(1))));
            } else if (step.startsWith("n:")) {
                model.appendNew(batch);
            } else if (step.startsWith("s:")) {
                for (ScoreRow row : batch) {
                    model.stageIfNew(row);
                    model.announceStaged();
                }
            } else if (step == "c") {
                model.clear();
            } else if (step == "x") {
                const int removing = ticked();
                QCOMPARE(model.removeChecked(), removing);
            } else if (step.startsWith("t:") || step.startsWith("u:")) {
                for (int position : positions)
                    model.setChecked(position, step.startsWith("t:"));
            } else if (step == "a") {
                model.checkAll();
            } else if (step.startsWith("k:")) {
                model.checkPositions(std::vector<int>(positions.begin(), positions.end()));
            }
            QCOMPARE(model.checkedCount(), ticked());
            QCOMPARE(int(model.checkedRows().size()), ticked());
            if (QString("tuka").contains(step[0]))
                unchanged = shown(model);
        }
        model.recordInto(nullptr);
        QCOMPARE(shown(model), after);

        // Undone, the ticks as before the first change; redone, the rows of the change.
        QSignalSpy counts(&model, &RowListModel::countChanged);
        auto settled = [&](const QString& expected, bool ticksToo) {
            QCOMPARE(ticksToo ? shown(model) : shown(model).remove('*'),
                     ticksToo ? expected : QString(expected).remove('*'));
            QCOMPARE(model.checkedCount(), ticked());
            QCOMPARE(counts.isEmpty() ? -1 : counts.last()[0].toInt(), model.count());
            QCOMPARE(wronglyKnown(model, everyRow), QString());
            counts.clear();
        };
        recorded.undo(model);
        settled(unchanged, true);
        QFETCH(QString, between);
        for (int i = 0; !between.isEmpty() && i < model.count(); ++i)
            model.setChecked(i, numbers(between).contains(i));
        recorded.redo(model);
        settled(after, between.isEmpty());
    }

    // Past every growth of the table, or after a reservation for fewer.
    void insertAndFind()
    {
        for (auto [count, reserved] : {std::pair{49, 49}, {100000, 0}, {5000, 1000}}) {
            RowIndex index;
            index.reserve(size_t(reserved));
            for (int n = 0; n < count; ++n)
                QVERIFY(index.insert(counting(n)));
            for (int n = 0; n < count; ++n)
                QVERIFY(index.contains(counting(n)) && !index.insert(counting(n)));
            for (int n = count; n < count + 1000; ++n)
                QVERIFY(!index.contains(counting(n)));
            QCOMPARE(index.size(), size_t(count));
        }
    }
};

QTEST_GUILESS_MAIN(TestRowList)
#include "tst_rowlist.moc"
