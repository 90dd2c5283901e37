#include "compare/comparison.h"
#include <QtTest>

// "1-1 1-1, 2-2 2-2+": '+' ticks a row before the comparison, '*' marks it ticked after.
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
    void tickShared()
    {
        RowListModel list1, list2;
        fill(list1, "1-1 1-1, 2-2 2-2+, 1-1 1-1, 5-5 5-5, 3-3 3-3");
        fill(list2, "1-1 1-1, 3-3 3-3+, 1-1 1-1 0-0, 1-1 1-1, 5-5 5-5 5-5, 2-2 2-2");
        QCOMPARE(Comparison::tickShared(list1, list2), 6);
        QCOMPARE(shown(list1), "1-1 1-1*, 2-2 2-2*, 1-1 1-1*, 5-5 5-5, 3-3 3-3*");
        QCOMPARE(shown(list2), "1-1 1-1*, 3-3 3-3*, 1-1 1-1 0-0, 1-1 1-1*, 5-5 5-5 5-5, 2-2 2-2*");
    }
};

QTEST_GUILESS_MAIN(ComparisonTest)
#include "tst_comparison.moc"
