#include "compare/comparison.h"
#include <QtTest>

// Lists are written "1-1 1-1, 2-2 2-2"; a '+' after a row ticks it before the comparison, a
// '*' marks it ticked afterwards.
static void fill(RowListModel& model, const QString& texts)
{
    for (QString text : texts.split(", ")) {
        const bool ticked = text.endsWith('+');
        text.remove('+');
        model.appendAll({ScoreRow::fromText(text).value()});
        if (ticked)
            model.setChecked(model.count() - 1, true);
    }
}

static QString shown(const RowListModel& model)
{
    QStringList texts;
    for (int i = 0; i < model.count(); ++i)
        texts << model.at(i).text() + (model.isChecked(i) ? "*" : "");
    return texts.join(", ");
}

class ComparisonTest : public QObject
{
    Q_OBJECT
private slots:
    // Every copy of a shared row is ticked on both sides; rows of another width never match;
    // ticks set before stay and are not counted again.
    void tickShared_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("firstAfter");
        QTest::addColumn<QString>("secondAfter");
        QTest::addColumn<int>("newlyTicked");
        // clang-format off
        QTest::newRow("copies and widths")
            << "1-1 1-1, 2-2 2-2, 1-1 1-1, 5-5 5-5, 5-5 5-5" << "1-1 1-1, 4-4 4-4, 1-1 1-1 0-0, 1-1 1-1, 5-5 5-5 5-5"
            << "1-1 1-1*, 2-2 2-2, 1-1 1-1*, 5-5 5-5, 5-5 5-5" << "1-1 1-1*, 4-4 4-4, 1-1 1-1 0-0, 1-1 1-1*, 5-5 5-5 5-5" << 4;
        QTest::newRow("ticked before")
            << "1-1 1-1+, 2-2 2-2+, 3-3 3-3" << "3-3 3-3+, 1-1 1-1"
            << "1-1 1-1*, 2-2 2-2*, 3-3 3-3*" << "3-3 3-3*, 1-1 1-1*" << 2;
        // clang-format on
    }
    void tickShared()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, firstAfter);
        QFETCH(QString, secondAfter);
        QFETCH(int, newlyTicked);
        RowListModel list1, list2;
        fill(list1, first);
        fill(list2, second);
        QCOMPARE(Comparison::tickShared(list1, list2), newlyTicked);
        QCOMPARE(shown(list1), firstAfter);
        QCOMPARE(shown(list2), secondAfter);
    }
};

QTEST_GUILESS_MAIN(ComparisonTest)
#include "tst_comparison.moc"
